#pragma once
// The recording for tests: a microphone at the headphone of a simulated
// player, on a clock that the test steps, and a machine's devices and inputs
// that the test sets.
//
// What the microphone records while the clock moves on: the frames the
// player plays (Simulierter_Abspieler::gehoerte_frames, channel gains
// included), turned into sound pressure by the headphone's response per
// channel and frequency, into sample counts by the microphone's sensitivity
// per frequency, with the 2nd and 3rd harmonics that the headphone adds
// (relative to the fundamental, per frequency; harmonics above 22050 Hz are
// not recorded) and white background noise of a given RMS (fixed seed).
// Samples are rounded and limited to 16 bits. The test tells the model the
// frequency of the tone now playing.
//
// Every 4101 frames of recording time one buffer goes through the hand-over
// (Aufnehmer::uebergabe()); a buffer that is taken emits Puffer_da() at once.
// The player's clock moves with this clock; as the program's Uhr, pause()
// moves it and lets the window system work once.
#include "core/shell/uhr.h"
#include "platform/audio/aufnehmer.h"

#include <QList>

#include <functional>
#include <random>

class Simulierter_Abspieler;

class Simulierter_Aufnehmer : public Aufnehmer, public Uhr
{
    Q_OBJECT
public:
    struct Hoerstrecke {
        std::function<double()> frequenz;                       // Hz of the tone now playing
        std::function<double(bool links, double f)> kopfhoerer; // Pa amplitude of a full-scale sine
        std::function<double(double f)> mikrofon;               // sample counts per Pa
        std::function<double(int k, double f)> oberton; // harmonic k = 2, 3 relative to the fundamental
        double rauschen = 0;                            // RMS of the background, sample counts
        // Further sounds at the microphone (a calibrator, the room): sines of
        // (Hz, Pa RMS), recorded through mikrofon(f) like the headphone.
        std::vector<std::pair<double, double>> toene;
    };

    explicit Simulierter_Aufnehmer(Simulierter_Abspieler* abspieler = nullptr, QObject* parent = nullptr);

    Hoerstrecke strecke;

    // The machine's devices and inputs, and what fails on it.
    std::vector<Geraet> geraete_liste{{QStringLiteral("default"), true}};
    QStringList eingang_namen{QStringLiteral("Capture")};
    QList<bool> eingang_ist_aus{false};
    bool version_ok = true;
    QList<int> scheiternde_geraete; // initialisieren() of these fails (-1: the default device)
    bool start_scheitert = false;
    bool stopp_scheitert = false;

    // What the program did.
    int eingerichtet = -2; // device set up, -2: none
    int einrichtungen = 0;
    QList<QPair<int, float>> gesetzte_eingaenge;
    int starts = 0;
    int stopps = 0;
    bool laeuft() const { return gestartet_; }

    // The clock.
    void vorruecken(double ms);
    // Moves the clock to the moment the next buffer is complete (by one
    // buffer's time when no recording runs).
    void bis_zum_naechsten_Puffer();
    void pause(int ms) override;
    double jetzt_ms() const override { return zeit_ms_; }

    bool version_passt() const override { return version_ok; }
    bool initialisieren(int geraet) override;
    void freigeben() override;
    std::vector<Geraet> geraete() override { return geraete_liste; }
    QStringList eingaenge() override;
    bool eingang_aus(int i) override;
    bool eingang_setzen(int i, float lautstaerke) override;
    bool starten() override;
    bool stoppen() override;

private:
    void aufnehmen(int64_t frames);
    void puffer_abgeben();
    double kopfhoerer(bool links, double f) const;
    double mikrofon(double f) const;

    Simulierter_Abspieler* abspieler_;
    double zeit_ms_ = 0;
    bool gestartet_ = false;
    std::vector<float> stereo_;
    std::vector<double> puffer_;   // the microphone's fundamental, sample counts, not yet delivered
    std::vector<int16_t> samples_; // one delivered buffer
    std::mt19937 zufall_{20240611u};
    int64_t frame_ = 0; // recorded frames since construction, the phase of `toene`
};
