// Sample computation alone, without files: the fast evaluation of the default
// set (falling, pulsing, N = 3000, 21 rows) on one thread, and the literal
// evaluation of the first second of every row, as nanoseconds per sample.
#include "core/tones/kvwave.h"
#include "core/tones/tonrechner.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

int main()
{
    const std::array<uint16_t, 21> frequenzen = {50,   100,  200,   500,   1000,  1500,  2000,
                                                 2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                                 7000, 8000, 10000, 12000, 14000, 16000, 18000};
    const uint32_t N = 3000, frames = 441 * N, block = 32768;
    long double k = 0;
    Hochzahl_von_abnehmend(N, k);
    std::vector<int16_t> ziel(std::max(block, 44100u));
    for (int runde = 0; runde < 3; ++runde) {
        QElapsedTimer t;
        t.start();
        uint64_t langsam = 0, summe = 0;
        for (uint16_t f : frequenzen) {
            const Tonrechner r(false, true, k, f, false);
            for (uint32_t n = 0; n < frames; n += block) {
                const uint32_t a = std::min(block, frames - n);
                langsam += r.berechnen(n, a, ziel.data());
                summe += uint16_t(ziel[a - 1]);
            }
        }
        const double s = double(t.nsecsElapsed()) * 1e-9;
        std::printf("fast, one thread: %.3f s for %u samples, %.2f ns/sample, %llu literal (check %llu)\n", s,
                    21 * frames, s * 1e9 / (21.0 * frames), (unsigned long long)langsam,
                    (unsigned long long)summe);
    }
    QElapsedTimer t;
    t.start();
    for (uint16_t f : frequenzen)
        Tonsamples_woertlich(false, true, 0, 44100, k, f, false, ziel.data());
    const double s = double(t.nsecsElapsed()) * 1e-9;
    std::printf("literal: %.2f ns/sample\n", s * 1e9 / (21.0 * 44100));
    return 0;
}
