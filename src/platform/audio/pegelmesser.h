#pragma once
// One level measurement at a time over a recorder, on the window thread:
// start a recording, take each buffer that the recorder hands over into the
// block measurement (core/acoustics/blockmessung.h), report the end, stop.
//
//   starten()  - hand-over armed (first buffer dropped), device started
//   Aufnahme1() - for each Puffer_da() of the recorder (the program calls it
//                 from a one-shot timer): the buffer goes into the
//                 measurement; when it completes, Messung_fertig() is
//                 emitted and no further buffer is taken, otherwise the next
//                 buffer is accepted
//   beenden()  - hand-over off; when a recording runs, a short wait on the
//                program's clock for a buffer still on its way, device stopped
//
// While a measurement runs, a watch looks every Wache_ms at the buffers the
// device has delivered (core/acoustics/blockmessung.h, Pufferwache): when
// none came for 2 s on the program's clock (microphone unplugged, stream
// error), Aufnahme_ausgefallen() is emitted once; the recording is left for
// the receiver to stop.
#include "core/acoustics/blockmessung.h"

#include <QObject>
#include <QTimer>

#include <vector>

class Aufnehmer;

class Pegelmesser : public QObject
{
    Q_OBJECT
public:
    // Wait after the hand-over is switched off, before the device stops.
    static constexpr int Nachlauf_ms = 80;
    // How often the watch looks for buffers.
    static constexpr int Wache_ms = 100;

    explicit Pegelmesser(QObject* parent = nullptr);

    void aufnehmer_setzen(Aufnehmer* a) { aufnehmer_ = a; }
    Aufnehmer* aufnehmer() const { return aufnehmer_; }

    // Starts a measurement with a recording of its own. False when the
    // recorder cannot start (nothing runs then).
    bool starten(const Messvorgaben& vorgaben);
    void Aufnahme1();
    enum class Stopp { nichts_lief, gestoppt, fehler };
    Stopp beenden();
    // The watch's look (also called by its timer): true, after emitting
    // Aufnahme_ausgefallen(), when the running measurement got no buffer for
    // 2 s.
    bool Aufnahme_pruefen();

    bool Aufnahme_laeuft() const { return aufnahme_laeuft_; } // the device records
    bool Messung_laeuft() const { return messung_laeuft_; }   // a measurement is in progress
    const Messergebnis& ergebnis() const { return messung_.ergebnis(); }
    const Blockmessung& messung() const { return messung_; }
    // Numbers of the buffers taken into the current measurement (1 = the
    // device's first buffer after the start).
    const std::vector<uint32_t>& genommene_Puffer() const { return genommen_; }

signals:
    void Messung_fertig();
    void Aufnahme_ausgefallen();

private:
    Pufferwache wache_;
    QTimer* wachtimer_ = nullptr;
    bool ausfall_gemeldet_ = false;
    Aufnehmer* aufnehmer_ = nullptr;
    Blockmessung messung_;
    std::vector<int16_t> puffer_;
    std::vector<uint32_t> genommen_;
    bool aufnahme_laeuft_ = false;
    bool messung_laeuft_ = false;
};
