// From the press of "Start" to the first frame handed to the output device.
//   (a) tone files present: open the file in the player, play, until the
//       first audio callback has copied frames of it;
//   (b) a fresh 30-s pair first (falling, pulsing, 1000 Hz, regenerated),
//       then the same.
// The player object lives for the whole run, as in the program; opening a
// file opens its output stream. The first playing of a brand-new player
// (PortAudio already initialised) is shown separately. Needs an output device
// (the test sound server); without one it says so and ends with 0.
#include "core/tones/kvwave.h"
#include "platform/audio/portaudio_abspieler.h"
#include "platform/audio/portaudio_sitzung.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace
{

using Uhr = std::chrono::steady_clock;

double ms_seit(Uhr::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Uhr::now() - t0).count();
}

// Waits until the first callback has copied frames; false after 2 s.
bool erster_puffer(const PortAudio_Abspieler& p)
{
    const auto t0 = Uhr::now();
    while (p.uebergebene_frames() == 0) {
        if (ms_seit(t0) > 2000)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void zeile(const char* text, const std::vector<double>& v, double ziel)
{
    const auto [mi, ma] = std::minmax_element(v.begin(), v.end());
    std::printf("%-52s median %7.2f ms  (min %7.2f, max %7.2f, %zu rounds)  target <= %.0f ms: %s\n", text,
                median(v), *mi, *ma, v.size(), ziel, median(v) <= ziel ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!Ausgabegeraet_vorhanden()) {
        std::printf(
            "start_latenz: no audio output device (is the test sound server running?); nothing measured\n");
        return 0;
    }
    QTemporaryDir ordner;
    if (!ordner.isValid()) {
        std::printf("start_latenz: no temporary folder\n");
        return 1;
    }
    const QString links = ordner.filePath("abn_l5.wav");
    const QString rechts = ordner.filePath("abn_r5.wav");
    if (!erzeuge_wave_stereo_l_r(false, true, 3000, 1000.0f, links, rechts, false, true)) {
        std::printf("start_latenz: cannot write the tone files\n");
        return 1;
    }
    const int runden = 15;

    // First open of a new player: the output stream is opened, too.
    std::vector<double> neu;
    for (int i = 0; i < runden; ++i) {
        PortAudio_Abspieler p;
        p.lautstaerke_setzen(0, 0);
        const auto t0 = Uhr::now();
        if (!p.oeffnen(links) || !p.abspielen() || !erster_puffer(p)) {
            std::printf("start_latenz: the player failed\n");
            return 1;
        }
        neu.push_back(ms_seit(t0));
        p.schliessen();
    }

    PortAudio_Abspieler p;
    p.lautstaerke_setzen(0, 0); // nobody needs to hear the benchmark
    std::vector<double> a, b, b_erzeugen;
    for (int i = 0; i < runden; ++i) {
        p.schliessen();
        const auto t0 = Uhr::now();
        if (!p.oeffnen(links) || !p.abspielen() || !erster_puffer(p)) {
            std::printf("start_latenz: the player failed\n");
            return 1;
        }
        a.push_back(ms_seit(t0));
        QCoreApplication::processEvents();
    }
    for (int i = 0; i < runden; ++i) {
        p.schliessen();
        const auto t0 = Uhr::now();
        const bool geschrieben =
            erzeuge_wave_stereo_l_r(false, true, 3000, 1000.0f, links, rechts, false, true);
        b_erzeugen.push_back(ms_seit(t0));
        if (!geschrieben || !p.oeffnen(links) || !p.abspielen() || !erster_puffer(p)) {
            std::printf("start_latenz: writing or playing failed\n");
            return 1;
        }
        b.push_back(ms_seit(t0));
        QCoreApplication::processEvents();
    }
    const double latenz_ms = p.ausgabelatenz_s() * 1000.0;
    p.schliessen();

    std::printf("output latency of the stream: %.1f ms\n", latenz_ms);
    zeile("(a) files present, player in use", a, 30);
    zeile("(b) fresh 30-s pair written first, player in use", b, 150);
    zeile("    of which writing the pair", b_erzeugen, 150);
    zeile("    first playing of a new player, files present", neu, 30);
    return 0;
}
