#include "core/acoustics/ruhepegel.h"

#include <cmath>

std::vector<Ruhepegel_Ueberschreitung> Ruhepegel_vergleichen(const std::array<double, 7>& oktaven_dB)
{
    std::vector<Ruhepegel_Ueberschreitung> zu_laut;
    for (size_t b = 0; b < oktaven_dB.size(); ++b) {
        const double L = oktaven_dB[b];
        if (std::isfinite(L) && L > Ruhepegel_Grenzen_dB[b])
            zu_laut.push_back({int(b), L - Ruhepegel_Grenzen_dB[b]});
    }
    return zu_laut;
}

int Oktavband_von(double f_Hz)
{
    for (size_t b = 0; b < Oktavbaender_Hz.size(); ++b)
        if (f_Hz >= Oktavbaender_Hz[b] / std::sqrt(2.0) && f_Hz < Oktavbaender_Hz[b] * std::sqrt(2.0))
            return int(b);
    return -1;
}
