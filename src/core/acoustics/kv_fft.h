#pragma once
// Spectrum analysis of recorded microphone blocks (N samples at 44100 Hz):
// Hamming window, real FFT, power accumulated over several blocks, and the
// sound level from the per-bin weights of the companion sound-level meter.
//
// A block `daten` holds its samples in daten[1..N] (N+1 entries, daten[0]
// unused), as numbers in the range of 16-bit samples, and is transformed in
// place. Result of the forward real FFT (unscaled, kernel e^(+2 pi i j k / N)):
//   daten[1] = F(0), daten[2] = F(N/2) (both real),
//   daten[2k+1], daten[2k+2] = real and imaginary part of F(k), k = 1 .. N/2-1.
// The inverse takes that layout back and returns N/2 times the block.
//
// The arrays are extended precision; the transforms are FFTW's in double
// precision (ample for 16-bit samples: relative rounding near 1e-16), planned
// once per block size when the arrays are made (kvFFT_dyn_Arrays_erzeugen),
// so no block allocates.
// All routines run on the window thread.
#include "core/acoustics/kv_fft_daten.h"

#include <cstdint>
#include <vector>

using kvFFT_Feld = std::vector<long double>;

// The sample block of the level measurement, 1..N.
extern kvFFT_Feld FFT_Daten;
// Accumulated squared magnitudes S[0..N/2].
extern kvFFT_Feld Summe_Fschlange2;

// Makes every array of the unit (tables of FFT_Tabellen, FFT_Daten,
// Summe_Fschlange2) for block size N, all zero, and plans the transforms.
// N must be a power of two, at least 4. Without memory: the warning "Freier
// Hauptspeicher zu klein" / "Information" and false.
bool kvFFT_dyn_Arrays_erzeugen(int N);
// Frees the arrays and the plans.
void kvFFT_dyn_arrays_schliessen();

// Twiddle seeds, Hamming window and frequency axes for block size N.
void kvFFT_Grundeinstellungen(int N);
// wpr[j] = -2 sin^2(theta/2), wpi[j] = sin(theta), theta = 2 pi / 2^j, j = 1 .. log2 N.
void Sinuswerte_berechnen();
// window[i] = 0.54 - 0.46 cos((i - 1) 2 pi / (N - 1)), i = 1 .. N.
void Fenster_berechnen(int N);
// Frequency of bin k = 44100 / N * k, k = 0 .. N/2; the meter's 21 frequencies.
void Frequenzen_berechnen(int N);

// Mean of daten[1..N].
long double berechne_b0_halbe(int N, const kvFFT_Feld& daten);
// Subtracts that mean from every sample (removes the DC part).
void Gleichspannung_weg(int N, kvFFT_Feld& daten);

// In-place FFT of N real values in the layout above; vorzeichen = 1 forward,
// otherwise inverse. L (log2 N) is not needed by this transform.
void KV_Reelle_FFT(kvFFT_Feld& daten, int N, int vorzeichen, int L);
// Forward: daten[i] *= window[i], then forward FFT. Inverse: inverse FFT,
// then daten[i] /= window[i].
void Reelle_FFT_mit_Fenster(kvFFT_Feld& daten, int N, int vorzeichen);

// S[0..N/2] = 0.
void Summe_Fschlange2_Null_setzen(int N);
// Windowed forward FFT of the block, then S[k] += |F(k)|^2 for k = 0 .. N/2.
void Berechne_Summe_Fschlange2(int N, kvFFT_Feld& daten);

// Levels from S. Band = bins Mitte - halbe_Breite .. Mitte + halbe_Breite,
// clipped to 1 .. N/2 (bin 0 never counts). Weights: A_bewertet = 1 ->
// W_dBA_fast / W_dBA_slow, otherwise W_dB_fast / W_dB_slow (schnell = 1: fast).
//   B = sum W[k] S[k] over the band, T = B + the same sum outside the band;
//   unweighted: both divided by 4e-10 (the square of 20 uPa).
//   Lband = 10 log10(max(B, 1e-20)), Lges = 10 log10(max(T, 1e-20)),
//   Differenz = Lges - Lband, echter_Ton = Differenz <= Toleranz.
// Before the meter's weights are imported every level is -200 dB.
void Schallgroessen_erweitert(uint8_t schnell, int N, int halbe_Breite, int Mitte, double Toleranz,
                              uint8_t A_bewertet, long double& Lges, long double& Differenz,
                              uint8_t& echter_Ton);
