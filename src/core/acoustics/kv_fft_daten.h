#pragma once
// The spectrum analysis tables that come from the companion sound-level
// meter's files: window, twiddle seeds, frequency axes and the per-bin weight
// tables. All values are extended precision; indices as in the files.
#include <vector>

struct kvFFT_Tabellen {
    int N = 4096;                                                          // block size
    std::vector<long double> Fenster;                                      // 0..N
    std::vector<long double> wpr, wpi;                                     // 0..S, S = log2(N)
    std::vector<long double> Messgeraet_Frequenzen;                        // 21 values
    std::vector<long double> Frequenzachse;                                // 0..N/2
    std::vector<long double> W_dB_fast, W_dB_slow, W_dBA_fast, W_dBA_slow; // 0..N/2
    std::vector<long double> Weitere1, Weitere2, Weitere3;                 // 0..N/2, read but unused
};

extern kvFFT_Tabellen FFT_Tabellen;

// Truncation of log2(N): 12 for N = 4096.
int Anzahl_Sinuswerte_berechnen(int N);
