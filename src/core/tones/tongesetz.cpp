#include "core/tones/tongesetz.h"

#include <cmath>

namespace
{

// 2 pi and 8 pi, correctly rounded to long double.
constexpr long double zwei_pi = 6.283185307179586476925286766559005768L;
constexpr long double acht_pi = 25.13274122871834590770114706623602307L;

} // namespace

void Hochzahl_von_abnehmend(int32_t N, long double& k)
{
    k = (std::log(32700.0L) / static_cast<long double>(N)) * 100;
}

long double Linke_Amplitude(bool zunehmend, bool konstant, long double t, long double k)
{
    if (konstant)
        return 32700;
    if (!zunehmend) {
        if (t * 100 < 3000)
            return std::exp((-k) * t) * 32700;
        return 1;
    }
    if (t * 100 < 1500)
        return std::exp(k * t);
    return 32700;
}

long double Linke_Schall_Funktion(bool pulsierend, long double t, float f)
{
    const long double welle = std::cos((zwei_pi * static_cast<long double>(f)) * t);
    if (!pulsierend)
        return welle;
    return welle * ((std::cos(acht_pi * t) + 3) / 4);
}

int16_t links_digitalisieren(bool zunehmend, bool pulsierend, uint32_t n, long double k, float f, int32_t N,
                             bool konstant)
{
    (void)N;
    const long double t = static_cast<long double>(n) / 44100;
    const long double A = Linke_Amplitude(zunehmend, konstant, t, k);
    const long double y = Linke_Schall_Funktion(pulsierend, t, f);
    // |A * y| <= 32700: no clipping. nearbyint rounds halves to even.
    return static_cast<int16_t>(std::nearbyint(A * y));
}
