// The tone player on the real audio stack: the tone is played to the sound
// server's sink and its monitor is recorded in stereo through PortAudio's
// default input. Needs the test sound server (tools/audio-server.sh); without
// it the tests are skipped, except in CI (CI=true), where that is a failure.
#include "platform/echter_klang.h"
#include "core/tones/kvwave.h"
#include "platform/audio/portaudio_abspieler.h"
#include "platform/audio/portaudio_sitzung.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <portaudio.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace
{

constexpr double Rate = 44100.0;
using Uhr = std::chrono::steady_clock;

double ms(Uhr::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Records the default input in stereo int16 into a buffer reserved beforehand.
class Mitschnitt
{
public:
    explicit Mitschnitt(double sekunden) : daten_(size_t(sekunden * Rate) * 2) {}
    ~Mitschnitt()
    {
        if (strom_) {
            Pa_AbortStream(strom_);
            Pa_CloseStream(strom_);
        }
    }

    bool starten()
    {
        const PaDeviceIndex geraet = Pa_GetDefaultInputDevice();
        const PaDeviceInfo* info = geraet == paNoDevice ? nullptr : Pa_GetDeviceInfo(geraet);
        if (!info || info->maxInputChannels < 2)
            return false;
        PaStreamParameters p{};
        p.device = geraet;
        p.channelCount = 2;
        p.sampleFormat = paInt16;
        p.suggestedLatency = info->defaultLowInputLatency;
        return Pa_OpenStream(&strom_, &p, nullptr, Rate, paFramesPerBufferUnspecified, paClipOff, rueckruf,
                             this) == paNoError &&
               Pa_StartStream(strom_) == paNoError;
    }
    void anhalten()
    {
        if (strom_)
            Pa_AbortStream(strom_);
    }
    size_t frames() const { return frames_.load(std::memory_order_acquire); }
    int16_t links(size_t i) const { return daten_[2 * i]; }
    int16_t rechts(size_t i) const { return daten_[2 * i + 1]; }

    // RMS of one channel over frames [von, bis).
    double rms(int kanal, size_t von, size_t bis) const
    {
        double s = 0;
        for (size_t i = von; i < bis; ++i) {
            const double x = daten_[2 * i + size_t(kanal)];
            s += x * x;
        }
        return std::sqrt(s / double(bis - von));
    }
    int groesster_betrag(int kanal, size_t von, size_t bis) const
    {
        int m = 0;
        for (size_t i = von; i < bis; ++i)
            m = std::max(m, std::abs(int(daten_[2 * i + size_t(kanal)])));
        return m;
    }

private:
    static int rueckruf(const void* ein, void*, unsigned long anzahl, const PaStreamCallbackTimeInfo*,
                        PaStreamCallbackFlags, void* nutzer)
    {
        auto* m = static_cast<Mitschnitt*>(nutzer);
        const size_t f = m->frames_.load(std::memory_order_relaxed);
        const size_t n = std::min<size_t>(anzahl, m->daten_.size() / 2 - f);
        if (ein && n > 0)
            std::copy_n(static_cast<const int16_t*>(ein), 2 * n, m->daten_.begin() + ptrdiff_t(2 * f));
        m->frames_.store(f + n, std::memory_order_release);
        return paContinue;
    }

    std::vector<int16_t> daten_;
    std::atomic<size_t> frames_{0};
    PaStream* strom_ = nullptr;
};

class PortAudioAbspieler : public Echter_Klang
{
protected:
    void SetUp() override
    {
        Echter_Klang::SetUp();
        if (ohne_Klang())
            return;
        ASSERT_TRUE(ordner.isValid());
    }

    // Runs the event loop until `bedingung` holds; false after `max_ms`.
    template <class B> static bool warten_bis(B bedingung, int max_ms)
    {
        const auto t0 = Uhr::now();
        while (!bedingung()) {
            if (Uhr::now() - t0 > std::chrono::milliseconds(max_ms))
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }
    static bool aufnehmen_bis(const Mitschnitt& m, double sekunden)
    {
        return warten_bis([&] { return m.frames() >= size_t(sekunden * Rate); }, int(sekunden * 1000) + 3000);
    }

    QTemporaryDir ordner;
    const QString ton_l = ordner.filePath("Ton_l.wav");
    const QString ton_r = ordner.filePath("Ton_r.wav");
    PortAudio_Abspieler p;
};

// Gain 65535 against 6554 on the ear's channel: 20.0 dB apart; the other
// channel, and the ear's channel at volume 0, exactly silent.
class PortAudioAbspielerOhr : public PortAudioAbspieler, public ::testing::WithParamInterface<bool>
{
};

TEST_P(PortAudioAbspielerOhr, GainIsLinearWhilePlayingAndTheOtherChannelIsSilent)
{
    const bool links = GetParam();
    const int ohr = links ? 0 : 1;
    const auto setzen = [&](uint16_t v) { links ? p.lautstaerke_setzen(v, 0) : p.lautstaerke_setzen(0, v); };
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(300, ton_l, ton_r, 1000.0f, true));

    Mitschnitt m(3.0);
    ASSERT_TRUE(m.starten());
    ASSERT_TRUE(aufnehmen_bis(m, 0.1));
    setzen(65535);
    ASSERT_TRUE(p.oeffnen(links ? ton_l : ton_r));
    ASSERT_TRUE(p.abspielen());
    ASSERT_TRUE(aufnehmen_bis(m, 0.8));
    const size_t r1 = m.frames();
    setzen(6554);
    ASSERT_TRUE(aufnehmen_bis(m, 1.4));
    setzen(0);
    ASSERT_TRUE(aufnehmen_bis(m, 1.9));
    const size_t r3 = m.frames();
    p.stoppen();
    m.anhalten();

    // The two levels are taken from the recording itself, window by window,
    // so that a late or bursty capture under load cannot mix them up.
    const size_t fenster = size_t(0.05 * Rate);
    std::vector<double> laut, gedaempft;
    for (size_t a = 0; a + fenster <= r3; a += fenster) {
        const double w = m.rms(ohr, a, a + fenster);
        if (w > 0.5 * 32700.0 / std::sqrt(2.0))
            laut.push_back(w);
        else if (w > 0.05 * 32700.0 / std::sqrt(2.0) && w < 0.2 * 32700.0 / std::sqrt(2.0))
            gedaempft.push_back(w);
    }
    ASSERT_GE(laut.size(), 4u) << "too little of the full-volume tone was recorded";
    ASSERT_GE(gedaempft.size(), 4u) << "too little of the reduced-volume tone was recorded";
    const auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    const double voll = median(laut);
    const double leise = median(gedaempft);
    ASSERT_GT(voll, 20000.0); // the tone was recorded at about full scale
    EXPECT_NEAR(voll, 32700.0 / std::sqrt(2.0), 0.01 * 32700.0 / std::sqrt(2.0));
    std::printf("  gain 65535 against 6554: %.3f dB apart (expected %.3f dB)\n",
                20.0 * std::log10(voll / leise), 20.0 * std::log10(65535.0 / 6554.0));
    EXPECT_NEAR(20.0 * std::log10(voll / leise), 20.0, 0.2);
    // After the change to volume 0 the ear's channel falls silent and stays so.
    size_t erste_stille = r3;
    for (size_t a = 0; a + fenster <= r3; a += fenster)
        if (m.groesster_betrag(ohr, a, a + fenster) == 0 && a > r1) {
            erste_stille = a;
            break;
        }
    ASSERT_LE(erste_stille + 4 * fenster, r3) << "volume 0 never gave silence";
    EXPECT_EQ(m.groesster_betrag(ohr, erste_stille, r3), 0) << "volume 0 is not silent";

    EXPECT_EQ(m.groesster_betrag(1 - ohr, 0, m.frames()), 0) << "the other channel is not silent";
}

INSTANTIATE_TEST_SUITE_P(Ohren, PortAudioAbspielerOhr, ::testing::Values(true, false),
                         [](const auto& info) { return std::string(info.param ? "Left" : "Right"); });

TEST_F(PortAudioAbspieler, PositionAdvancesAtTheRealTimeRateAndFreezesAtStop)
{
    ASSERT_TRUE(erzeuge_wave_stereo_l_r(false, false, 300, 1000.0f, ton_l, ton_r, false, true));
    p.lautstaerke_setzen(65535, 0);
    ASSERT_TRUE(p.oeffnen(ton_l));
    EXPECT_EQ(p.datei(), ton_l);
    ASSERT_TRUE(p.abspielen());
    EXPECT_TRUE(p.laeuft());
    const auto start = Uhr::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // Ten intervals of 200 ms: the median rate is that of the flowing sound;
    // a stall of the machine (the listener hears a gap, and the position
    // rightly waits) spoils one interval, not the median.
    std::vector<double> raten;
    auto t_vorher = Uhr::now();
    double p_vorher = p.position_ms();
    const double p_anfang = p_vorher;
    const auto t_anfang = t_vorher;
    for (int i = 0; i < 10; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto t = Uhr::now();
        const double pos = p.position_ms();
        raten.push_back((pos - p_vorher) / ms(t - t_vorher));
        t_vorher = t;
        p_vorher = pos;
    }
    std::sort(raten.begin(), raten.end());
    const double median = (raten[4] + raten[5]) / 2;
    std::printf("  position advanced %.1f ms in %.1f ms of real time; median rate over 200 ms: %.4f\n",
                p_vorher - p_anfang, ms(t_vorher - t_anfang), median);
    EXPECT_NEAR(median, 1.0, 0.01);
    // It runs from the start of the playing, within a few buffers.
    EXPECT_NEAR(p_vorher, ms(t_vorher - start), 200.0);
    // It is what is heard, not what was written: the frames handed to the
    // device run ahead of it by about the output latency.
    std::vector<double> vorlauf;
    for (int i = 0; i < 51; ++i) {
        const double p_jetzt = p.position_ms();
        vorlauf.push_back(double(p.uebergebene_frames()) / 44.1 - p_jetzt);
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    std::sort(vorlauf.begin(), vorlauf.end());
    const double latenz_ms = p.ausgabelatenz_s() * 1000.0;
    std::printf("  handed over runs %.1f ms ahead of the heard position (output latency %.1f ms)\n",
                vorlauf[25], latenz_ms);
    EXPECT_GE(vorlauf[25], 0.75 * latenz_ms);

    const double vor_stopp = p.position_ms();
    p.stoppen();
    EXPECT_FALSE(p.laeuft());
    const double gestoppt = p.position_ms();
    EXPECT_NEAR(gestoppt, vor_stopp, 20.0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(p.position_ms(), gestoppt);
}

TEST_F(PortAudioAbspieler, EndNoticeComesOnceAfterTheWholeFileWasHeard)
{
    ASSERT_TRUE(erzeuge_wave_stereo_l_r(false, false, 50, 1000.0f, ton_l, ton_r, false, true));
    int enden = 0;
    Uhr::time_point ende_zeit;
    QObject::connect(&p, &Abspieler::Ende, [&] {
        ++enden;
        ende_zeit = Uhr::now();
        EXPECT_FALSE(p.laeuft());
        EXPECT_DOUBLE_EQ(p.position_ms(), 500.0);
    });
    p.lautstaerke_setzen(65535, 0);
    p.benachrichtigen_setzen(true);
    ASSERT_TRUE(p.oeffnen(ton_l));
    const auto start = Uhr::now();
    ASSERT_TRUE(p.abspielen());
    ASSERT_TRUE(warten_bis([&] { return enden > 0; }, 3000)) << "no end notice";
    EXPECT_GE(ms(ende_zeit - start), 500.0);
    warten_bis([] { return false; }, 300);
    EXPECT_EQ(enden, 1);

    // Notify off: the playing ends without a notice.
    p.benachrichtigen_setzen(false);
    ASSERT_TRUE(p.abspielen());
    EXPECT_TRUE(warten_bis([&] { return !p.laeuft(); }, 3000));
    warten_bis([] { return false; }, 100);
    EXPECT_EQ(enden, 1);
    EXPECT_DOUBLE_EQ(p.position_ms(), 500.0);
}

TEST_F(PortAudioAbspieler, LoopingConstantToneHasNoDipOrJumpAtTheLoopPoint)
{
    // A 1-s constant tone, looped: two loop points within 2.6 s.
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(100, ton_l, ton_r, 1000.0f, true));
    int enden = 0;
    QObject::connect(&p, &Abspieler::Ende, [&] { ++enden; });
    p.lautstaerke_setzen(65535, 0);
    p.benachrichtigen_setzen(true);
    p.wiederholen_setzen(true);
    ASSERT_TRUE(p.oeffnen(ton_l));

    Mitschnitt m(3.5);
    ASSERT_TRUE(m.starten());
    ASSERT_TRUE(aufnehmen_bis(m, 0.1));
    ASSERT_TRUE(p.abspielen());
    ASSERT_TRUE(aufnehmen_bis(m, 2.8));
    EXPECT_TRUE(p.laeuft());
    p.stoppen();
    m.anhalten();
    EXPECT_EQ(enden, 0);

    // Where the tone begins in the recording (its first sample is 32700).
    size_t beginn = 0;
    while (beginn < m.frames() && std::abs(m.links(beginn)) < 1000)
        ++beginn;
    ASSERT_LT(beginn + size_t(2.1 * Rate), m.frames());
    // Around each loop point (1 s and 2 s into the tone; 50 ms either side also
    // covers a short stall of the machine before it, which would move the
    // point): 10-ms windows hold whole periods of 1000 Hz, so every one has
    // the RMS of the full tone, and neighbouring samples differ by at most
    // 2 pi f / 44100 of the amplitude.
    const double soll = 32700.0 / std::sqrt(2.0);
    const int sprung_erlaubt = int(32768.0 * 2.0 * M_PI * 1000.0 / Rate * 1.02) + 2;
    for (size_t k = 1; k <= 2; ++k) {
        const size_t von = beginn + k * size_t(Rate) - size_t(0.05 * Rate);
        const size_t bis = beginn + k * size_t(Rate) + size_t(0.05 * Rate);
        double kleinst = 1e9;
        for (size_t i = von; i + 441 <= bis; i += 49)
            kleinst = std::min(kleinst, m.rms(0, i, i + 441));
        int sprung = 0;
        for (size_t i = von + 1; i < bis; ++i)
            sprung = std::max(sprung, std::abs(int(m.links(i)) - int(m.links(i - 1))));
        std::printf("  loop point %zu: smallest 10-ms RMS %.1f of %.1f, largest step %d of at most %d\n", k,
                    kleinst, soll, sprung, sprung_erlaubt);
        EXPECT_GT(kleinst, 0.98 * soll) << "the level dips at loop point " << k;
        EXPECT_LE(sprung, sprung_erlaubt) << "the tone jumps at loop point " << k;
    }
    EXPECT_EQ(m.groesster_betrag(1, 0, m.frames()), 0);
}

TEST_F(PortAudioAbspieler, RefusesWhatItCannotPlay)
{
    EXPECT_FALSE(p.abspielen()); // nothing open
    EXPECT_FALSE(p.oeffnen(ordner.filePath("fehlt.wav")));
    EXPECT_TRUE(p.datei().isEmpty());
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(100, ton_l, ton_r, 1000.0f, true));
    ASSERT_TRUE(p.oeffnen(ton_l));
    p.schliessen();
    EXPECT_TRUE(p.datei().isEmpty());
    EXPECT_FALSE(p.abspielen());
    EXPECT_FALSE(p.laeuft());
}

} // namespace
