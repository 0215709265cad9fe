#pragma once
// The microphone recording of the level measurement: a capture device that
// delivers 16-bit mono buffers at 44100 Hz (4101 frames each) to a callback
// on its own thread, chosen by name, with its inputs (capture sources) chosen
// by name as well.
//
// Hand-over between the capture thread and the window thread
// (Aufnahme_Uebergabe): the capture thread only copies. It ignores buffers
// while the recording is not active, drops the first buffer after every
// start, and takes a buffer only while the window thread accepts one; taking
// it clears the accept flag, and the window thread sets it again once it has
// consumed the buffer. Buffers arriving in between are dropped. The flags are
// atomics, so the hand-over needs no lock and the callback never blocks.
#include <QObject>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <vector>

class Aufnahme_Uebergabe
{
public:
    // Longest buffer kept; longer ones are cut (the device is asked for 4101 frames).
    static constexpr size_t Hoechstens = 16384;

    Aufnahme_Uebergabe();

    // Capture thread: one buffer from the device. True when it was taken:
    // the window thread is then to be woken.
    bool rueckruf(const int16_t* samples, size_t anzahl) noexcept;

    // Window thread, before the device starts: the next buffer is dropped,
    // the one after it is taken.
    void starten();
    // Window thread: later buffers are ignored.
    void anhalten();
    bool aktiv() const { return aktiv_.load(std::memory_order_acquire); }
    // Window thread: the buffer that was taken, with its number (1 = the
    // first buffer the device delivered after starten()). False when none waits.
    bool abholen(std::vector<int16_t>& ziel, uint32_t& nummer);
    // Window thread: ready for the next buffer.
    void weiter_annehmen();
    // Buffers the device delivered while active since starten().
    uint32_t puffer_gesamt() const { return nummer_.load(std::memory_order_acquire); }

private:
    std::atomic<bool> aktiv_{false};
    std::atomic<bool> erster_weg_{false};
    std::atomic<bool> annehmen_{false};
    std::atomic<bool> bereit_{false};
    std::atomic<uint32_t> nummer_{0};
    // Written by the capture thread only between taking the accept flag and
    // setting bereit_; read by the window thread only while bereit_ is set.
    std::vector<int16_t> puffer_;
    size_t laenge_ = 0;
    uint32_t puffer_nummer_ = 0;
};

class Aufnehmer : public QObject
{
    Q_OBJECT
public:
    struct Geraet {
        QString name;
        bool waehlbar = true; // may be chosen for recording
    };

    explicit Aufnehmer(QObject* parent = nullptr) : QObject(parent) {}
    ~Aufnehmer() override = default;

    // The capture interface is the one the program was built for.
    virtual bool version_passt() const = 0;
    // Sets up recording device `geraet` (index into geraete(); -1 = the
    // system's default). False when there is no such device or it cannot
    // record 16-bit mono at 44100 Hz.
    virtual bool initialisieren(int geraet) = 0;
    // Releases the device set up; stops a running recording.
    virtual void freigeben() = 0;
    virtual std::vector<Geraet> geraete() = 0;
    // The inputs (capture sources) of the device set up, by name.
    virtual QStringList eingaenge() = 0;
    // Input `i` is switched off.
    virtual bool eingang_aus(int i) = 0;
    // Switches input `i` on at volume 0..1 (-1: no particular input).
    virtual bool eingang_setzen(int i, float lautstaerke) = 0;
    // Starts recording into uebergabe() (after uebergabe().starten()).
    // False when the device cannot be started (e.g. in use).
    virtual bool starten() = 0;
    // Stops the recording; false when stopping failed.
    virtual bool stoppen() = 0;

    Aufnahme_Uebergabe& uebergabe() { return uebergabe_; }

signals:
    // A buffer was taken into the hand-over; emitted on the window thread.
    void Puffer_da();

protected:
    Aufnahme_Uebergabe uebergabe_;
};

// Setting up the recording: the version check, then the default device.
enum class Aufnahme_Einrichtung { bereit, falsche_version, kein_geraet };
Aufnahme_Einrichtung Aufnahme_einrichten(Aufnehmer& a);

// Choosing device and input by the names of the meter's settings: the device
// is the last choosable one called `geraete_name` (else the default, -1); it
// is set up anew. The input is the last one called `kanal_name`, switched on
// at `lautstaerke`; without such an input, the last input that is switched
// on (-1 when all are off) is switched on at 1.0. False when the device
// cannot be set up (it is then released).
struct Aufnahme_Wahl {
    int geraet = -1;
    int eingang = -1;
};
bool Geraet_Kanal_einstellen(Aufnehmer& a, const QString& geraete_name, const QString& kanal_name,
                             float lautstaerke, Aufnahme_Wahl* wahl = nullptr);
