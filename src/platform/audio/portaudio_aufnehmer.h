#pragma once
// The recording on a PortAudio input stream: 16-bit mono at 44100 Hz, 4101
// frames per buffer. Devices are PortAudio's input devices by name (index i
// = the i-th device that can record; -1 = PortAudio's default input); inputs
// are the capture sources of the device's ALSA card (its "hw:N" when the
// name carries one, else the default card).
//
// The callback on PortAudio's thread only passes the buffer to the hand-over
// (a copy, no lock, no allocation) and, when the buffer was taken, wakes the
// window thread through an eventfd; a socket notifier there emits
// Puffer_da(). Every start opens a new stream, every stop closes it.
#include "platform/audio/aufnehmer.h"

#include <memory>
#include <string>

class PortAudio_Sitzung;
class QSocketNotifier;

class PortAudio_Aufnehmer : public Aufnehmer
{
    Q_OBJECT
public:
    explicit PortAudio_Aufnehmer(QObject* parent = nullptr);
    ~PortAudio_Aufnehmer() override;

    // PortAudio 19.
    bool version_passt() const override;
    bool initialisieren(int geraet) override;
    void freigeben() override;
    std::vector<Geraet> geraete() override;
    QStringList eingaenge() override;
    bool eingang_aus(int i) override;
    bool eingang_setzen(int i, float lautstaerke) override;
    bool starten() override;
    bool stoppen() override;

    // The ALSA card whose inputs are used ("default" or "hw:N").
    const std::string& karte() const { return karte_; }

    // PortAudio's thread: one buffer from the device.
    void vom_geraet(const int16_t* samples, size_t frames) noexcept;

private:
    void geweckt();
    void strom_schliessen();

    std::shared_ptr<PortAudio_Sitzung> sitzung_;
    int geraet_ = -1; // PortAudio device index, -1: none set up
    std::string karte_ = "default";
    void* strom_ = nullptr; // PaStream
    int weck_fd_ = -1;
    QSocketNotifier* wecker_ = nullptr;
};
