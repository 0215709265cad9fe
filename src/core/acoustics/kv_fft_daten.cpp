#include "core/acoustics/kv_fft_daten.h"

#include <cmath>

kvFFT_Tabellen FFT_Tabellen;

int Anzahl_Sinuswerte_berechnen(int N)
{
    if (N < 1)
        return 0;
    int s = 0;
    while ((2 << s) <= N)
        ++s;
    return s;
}
