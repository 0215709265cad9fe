// One recorded block of the level measurement on the window thread: 4101
// samples in, the first 4096 without their mean through the Hamming window
// and the real FFT, squared magnitudes added to the power sum. Prints the
// median and the 90th percentile per block over several rounds, and the
// median as a share of the 0.2-ms budget (one block must never hold up the
// window thread; a block arrives every 93 ms).
#include "core/acoustics/blockmessung.h"
#include "core/acoustics/kv_fft.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

int main()
{
    if (!kvFFT_dyn_Arrays_erzeugen(FFT_Blockgroesse))
        return 1;
    kvFFT_Grundeinstellungen(FFT_Blockgroesse);
    std::fill(FFT_Tabellen.W_dBA_slow.begin(), FFT_Tabellen.W_dBA_slow.end(), 1e-12L);

    std::mt19937 zufall(3);
    std::normal_distribution<double> rauschen(0.0, 300.0);
    std::vector<int16_t> puffer(Aufnahme_Blockgroesse);
    for (size_t i = 0; i < puffer.size(); ++i)
        puffer[i] = int16_t(
            std::lround(8000.0 * std::cos(2 * M_PI * 1000.0 * double(i) / 44100.0) + rauschen(zufall)));

    Messvorgaben v;
    v.Mitte = 93;
    v.Bloecke = 1 << 30; // accumulate only: every call is one whole block
    Blockmessung m;
    constexpr int Runden = 5;
    constexpr int Bloecke = 2000;
    std::vector<double> mediane;
    for (int r = 0; r < Runden; ++r) {
        m.beginnen(v);
        std::vector<double> us(Bloecke);
        for (int b = 0; b < Bloecke; ++b) {
            QElapsedTimer t;
            t.start();
            m.Puffer_anhaengen(puffer.data(), puffer.size());
            us[size_t(b)] = double(t.nsecsElapsed()) / 1000.0;
        }
        std::sort(us.begin(), us.end());
        const double median = us[us.size() / 2];
        mediane.push_back(median);
        std::printf("round %d: median %.1f us, 90th percentile %.1f us per block (%d blocks)\n", r + 1,
                    median, us[us.size() * 9 / 10], Bloecke);
    }
    std::sort(mediane.begin(), mediane.end());
    const double median = mediane[mediane.size() / 2];
    std::printf("block of 4096 samples transformed and accumulated: median of rounds %.1f us = %.2f of the "
                "0.2-ms budget\n",
                median, median / 200.0);
    kvFFT_dyn_arrays_schliessen();
    return 0;
}
