#pragma once
// The room-noise check of the hearing test: the highest ambient noise per
// octave band (dB SPL) at which thresholds down to 0 dB HL can be measured
// with supra-aural earphones, and the comparison of measured octave-band
// levels (Pegelwerte::Oktaven, bands of Oktavbaender_Hz) with it.
#include "core/acoustics/pegelanzeige.h"

#include <array>
#include <vector>

inline constexpr std::array<double, 7> Ruhepegel_Grenzen_dB{39, 25, 21, 26, 34, 37, 37};

struct Ruhepegel_Ueberschreitung {
    int Band = 0;         // index into Oktavbaender_Hz
    double um_dB = 0;     // level above the band's limit
    bool operator==(const Ruhepegel_Ueberschreitung&) const = default;
};

// The bands whose level lies above their limit, in band order. A level that
// is not finite counts as not measured.
std::vector<Ruhepegel_Ueberschreitung> Ruhepegel_vergleichen(const std::array<double, 7>& oktaven_dB);

// The octave band a test frequency lies in (f_m / sqrt 2 <= f < f_m * sqrt 2);
// -1 below 125 Hz's and above 8 kHz's band.
int Oktavband_von(double f_Hz);
