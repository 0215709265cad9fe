#pragma once
// Levels of a stretch of recording for the live level meter, the calibrator
// measurement and the room-noise check: the recorded buffers are joined into
// blocks of 4101 samples as for the level measurement (blockmessung.h); the
// first 4096 of each, without their mean, go through the windowed FFT
// (kv_fft.h), here with a Blackman-Harris window, and the spectra of all blocks since the last reset are summed.
// From that sum and the active meter calibration's slow weights (which
// average 10 blocks; the sum of n blocks is scaled by 10 / n) come the
// levels in dB, dB(A) and dB(C), the octave bands, the dominant frequency,
// and, without any calibration, the level in dBFS (0 dBFS = a full-scale
// sine). It also notes the largest sample and whether a block reached full
// scale.
//
// Uses the FFT's sample block and power sum as its scratch space, so it runs
// on the window thread and never while a level measurement runs.
#include "core/acoustics/kv_fft_daten.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Octave bands of the room-noise check.
inline constexpr std::array<double, 7> Oktavbaender_Hz{125, 250, 500, 1000, 2000, 4000, 8000};

struct Pegelwerte {
    double dB = -200, dBA = -200, dBC = -200;
    double Frequenz = 0;           // dominant frequency, Hz (0: none)
    int Spitze = 0;                // largest sample magnitude
    bool uebersteuert = false;     // a block reached full scale
    int Bloecke = 0;               // blocks the levels rest on
    std::array<double, 7> Oktaven; // dB per band of Oktavbaender_Hz
};

class Spektrum_Sammler
{
public:
    Spektrum_Sammler();

    // Drops the collected spectra and the peak; keeps samples of an unfinished block.
    void zuruecksetzen();
    // Also drops samples not yet in a block.
    void neu_beginnen();
    // One recorded buffer; every completed block is analysed.
    void Puffer_anhaengen(const int16_t* samples, size_t anzahl);

    int Bloecke() const { return bloecke_; }
    bool uebersteuert() const { return uebersteuert_; }
    int Spitze() const { return spitze_; }
    const std::vector<long double>& Summe() const { return summe_; }

    // Levels from the collected blocks with the tables' slow weights.
    Pegelwerte auswerten(const kvFFT_Tabellen& t) const;
    // dBFS of the bins lo..hi (clipped to 1..N/2), and of all bins.
    double Band_dBFS(int lo, int hi) const;
    double Gesamt_dBFS() const { return Band_dBFS(1, FFT_Blockgroesse_Sammler / 2); }

    static constexpr int FFT_Blockgroesse_Sammler = 4096;

private:
    void Block_analysieren(const int16_t* block);

    std::vector<int16_t> sammel_;
    std::vector<long double> summe_; // 0..N/2
    std::vector<long double> fenster_;     // the FFT's window the conversion was made for
    std::vector<long double> umwandlung_;  // Blackman-Harris / that window, 1..N
    long double eigenes2_ = 0;             // sum of the squared Blackman-Harris weights
    int bloecke_ = 0;
    int spitze_ = 0;
    bool uebersteuert_ = false;
};
