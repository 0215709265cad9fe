#pragma once
// The tone law of the hearing-test tones, in one place: the tone files
// (kvwave.h), their fast computation (tonrechner.h) and the threshold
// computation all evaluate it from here.
//
// Tone law (all in long double, the x87 80-bit format):
//   k = (ln(32700) / N) * 100 per second                  (Hochzahl_von_abnehmend)
//   falling: A = e^(-k t) * 32700 while t*100 < 3000, else 1
//   rising:  A = e^(k t)          while t*100 < 1500, else 32700
//   constant: A = 32700
//   pure tone y = cos((2 pi f) t), pulsing tone y = cos((2 pi f) t) * (cos(8 pi t) + 3) / 4
//   sample = A * y rounded to the nearest integer, halves to even.
// The threshold computation uses the same law backwards, so Hochzahl_von_abnehmend
// and Linke_Amplitude are the one place where it is defined.
//
// links_digitalisieren is the sample-by-sample evaluation of this law and is
// the reference every tone file must match byte for byte.
#include <cstdint>

// k := (ln(32700) / N) * 100, in this order, in long double.
void Hochzahl_von_abnehmend(int32_t N, long double& k);

// Amplitude at t seconds (see above); k from Hochzahl_von_abnehmend.
long double Linke_Amplitude(bool zunehmend, bool konstant, long double t, long double k);

// Tone shape at t seconds, -1..1; f in Hz.
long double Linke_Schall_Funktion(bool pulsierend, long double t, float f);

// Sample of frame n (t = n / 44100), evaluated literally. N is not used.
int16_t links_digitalisieren(bool zunehmend, bool pulsierend, uint32_t n, long double k, float f, int32_t N,
                             bool konstant);
