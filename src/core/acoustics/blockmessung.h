#pragma once
// One level measurement from recorded buffers: the buffers (16-bit mono
// samples at 44100 Hz, as they come from the capture device) are joined into
// recorded blocks of 4101 samples; the first 4096 samples of each block go,
// without their mean, into the spectrum sum (kv_fft.h); after the last block
// of the measurement the levels are computed.
//
// Block assembly, one call per recorded buffer:
//   - fewer than 4101 samples collected: wait for the next buffer;
//   - more than three blocks collected (the window thread fell behind): the
//     newest 4101 samples are the block, everything older is dropped;
//   - otherwise the oldest 4101 samples are the block, the rest is kept.
// Everything runs on the window thread; the buffers are reserved once.
#include <cstddef>
#include <cstdint>
#include <vector>

// Samples of one recorded block; of these the first 4096 are analysed.
inline constexpr int Aufnahme_Blockgroesse = 4101;
inline constexpr int FFT_Blockgroesse = 4096;
// Blocks of a slow measurement: trunc(1 s / (4101 / 44100 s)).
inline constexpr int Bloecke_langsam = 10;

// What a measurement is asked for.
struct Messvorgaben {
    uint8_t schnell = 0; // 1: fast weights, 0: slow
    int Bloecke = Bloecke_langsam;
    int halbe_Breite = 4;   // the tone's band: its bin +/- this
    int Mitte = 1;          // bin of the tone
    double Toleranz = 1.0;  // clean tone: total level at most this above the band's
    uint8_t A_bewertet = 1; // 1: dB(A), otherwise dB
};

// The values of one measurement.
struct Messergebnis {
    long double Lges = 0;      // total level, dB or dB(A)
    long double Differenz = 0; // Lges - level in the tone's band, dB
    bool echter_Ton = false;   // Differenz <= Toleranz
    // A sample of an analysed block reached full scale (-32768 or 32767): the
    // recording was cut off, its level reads too low and its spectrum holds
    // harmonics that the headphone did not play.
    bool uebersteuert = false;
};

// A recording that delivers no buffer for this long has failed (microphone
// unplugged, stream error).
inline constexpr double Aufnahme_Hoechstwartezeit_ms = 2000.0;

// Watches a running recording by the number of buffers the device has
// delivered (also those the window thread had no time for), on the
// program's clock.
class Pufferwache
{
public:
    void beginnen(double jetzt_ms, uint32_t puffer)
    {
        seit_ms_ = jetzt_ms;
        puffer_ = puffer;
    }
    // True when no buffer came for more than Aufnahme_Hoechstwartezeit_ms.
    bool ausgefallen(double jetzt_ms, uint32_t puffer)
    {
        if (puffer != puffer_) {
            beginnen(jetzt_ms, puffer);
            return false;
        }
        return jetzt_ms - seit_ms_ > Aufnahme_Hoechstwartezeit_ms;
    }

private:
    double seit_ms_ = 0;
    uint32_t puffer_ = 0;
};

class Blockmessung
{
public:
    Blockmessung();

    // A new measurement: block counter 0, collected samples dropped.
    void beginnen(const Messvorgaben& vorgaben);
    // One recorded buffer. True when it completed the measurement: ergebnis()
    // then holds the levels, and further buffers start nothing new until
    // beginnen(). False: the next buffer is wanted.
    bool Puffer_anhaengen(const int16_t* samples, size_t anzahl);

    int Blockzaehler() const { return zaehler_; }
    // Blocks that went into the current (or the completed) measurement.
    int analysierte_Bloecke() const { return analysiert_; }
    bool fertig() const { return fertig_; }
    const Messergebnis& ergebnis() const { return ergebnis_; }
    size_t gesammelt() const { return sammel_.size(); }

private:
    void Aufnahme2();
    void Schallmessung_durchfuehren();

    Messvorgaben vorgaben_;
    std::vector<int16_t> sammel_;
    int zaehler_ = 0;
    int analysiert_ = 0;
    bool fertig_ = false;
    bool uebersteuert_ = false;
    Messergebnis ergebnis_;
};
