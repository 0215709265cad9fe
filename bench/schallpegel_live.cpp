// Processor time of the live level meter's work at its real pace: one
// recorded buffer of 4101 samples every 93 ms into the spectrum collector
// (one FFT per block) and a reading four times a second, against the same
// program waking at the same pace without that work, in the same run.
// Prints both as a share of one core. Argument: seconds per phase (default 60).
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/pegelanzeige.h"
#include "core/calibration/messmikrofon.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <vector>

namespace
{

double Prozesszeit_s()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// One phase of `sekunden`; with `arbeiten` the meter's work is done.
double Phase(double sekunden, bool arbeiten, const std::vector<int16_t>& puffer, double& pegel)
{
    Spektrum_Sammler s;
    const auto start = std::chrono::steady_clock::now();
    const double cpu0 = Prozesszeit_s();
    auto naechster = start;
    int puffer_nr = 0;
    while (std::chrono::duration<double>(naechster - start).count() < sekunden) {
        naechster += std::chrono::microseconds(93000);
        std::this_thread::sleep_until(naechster);
        if (!arbeiten)
            continue;
        s.Puffer_anhaengen(puffer.data(), puffer.size());
        // A reading every 250 ms: after every 8th buffer three, else two and a half.
        if (++puffer_nr % 8 == 0 || puffer_nr % 8 == 3 || puffer_nr % 8 == 5) {
            pegel = s.auswerten(FFT_Tabellen).dBA;
            s.zuruecksetzen();
        }
    }
    const double cpu = Prozesszeit_s() - cpu0;
    return 100.0 * cpu / std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const double sekunden = argc > 1 ? std::atof(argv[1]) : 60.0;
    kvFFT_dyn_Arrays_erzeugen(4096);
    kvFFT_Grundeinstellungen(4096);
    Mikrofon_Kalibrierung k;
    k.Empfindlichkeit_dBFS = -20;
    Gewichte_berechnen(k, FFT_Tabellen);
    std::vector<int16_t> puffer(4101);
    for (size_t i = 0; i < puffer.size(); ++i)
        puffer[i] = int16_t(3000 * std::sin(2 * 3.14159265 * 1000.0 * double(i) / 44100.0));
    double pegel = 0;
    const double ruhe = Phase(sekunden, false, puffer, pegel);
    const double meter = Phase(sekunden, true, puffer, pegel);
    std::printf("live meter over %.0f s: %.3f %% of one core (idle program in the same run: %.3f %%); "
                "meter's own share %.3f %%; last reading %.1f dB(A)\n",
                sekunden, meter, ruhe, meter - ruhe, pegel);
    kvFFT_dyn_arrays_schliessen();
    return 0;
}
