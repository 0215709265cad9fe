// The fast sample computation against the literal evaluation, and the
// generator of the whole stored set.
#include "core/tones/alle_tondateien.h"
#include "core/tones/kvwave.h"
#include "core/tones/tonrechner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace
{

enum class Gesetz { fallend, steigend, konstant };

struct Fall {
    Gesetz gesetz;
    bool pulsierend;
    float f;
};

std::string name(const Fall& c)
{
    const char* g = c.gesetz == Gesetz::fallend    ? "fallend"
                    : c.gesetz == Gesetz::steigend ? "steigend"
                                                   : "konstant";
    return std::string(g) + (c.pulsierend ? "_puls_" : "_rein_") + std::to_string(int(c.f));
}

// Compares the fast block with the literal one; gives the first differing frame or -1.
int64_t erster_Unterschied(const Tonrechner& r, bool zunehmend, bool pulsierend, long double k, float f,
                           bool konstant, uint32_t n0, uint32_t anzahl)
{
    std::vector<int16_t> schnell(anzahl), woertlich(anzahl);
    r.berechnen(n0, anzahl, schnell.data());
    Tonsamples_woertlich(zunehmend, pulsierend, n0, anzahl, k, f, konstant, woertlich.data());
    const auto p = std::mismatch(schnell.begin(), schnell.end(), woertlich.begin());
    return p.first == schnell.end() ? -1 : int64_t(n0) + (p.first - schnell.begin());
}

class SchnellGleichWoertlich : public ::testing::TestWithParam<Fall>
{
};

} // namespace

TEST_P(SchnellGleichWoertlich, StichprobenUeberDieGanzeDatei)
{
    const Fall c = GetParam();
    const bool zunehmend = c.gesetz == Gesetz::steigend, konstant = c.gesetz == Gesetz::konstant;
    const uint32_t N = zunehmend ? 1500 : 3000;
    long double k = 0;
    Hochzahl_von_abnehmend(int32_t(N), k);
    const Tonrechner r(zunehmend, c.pulsierend, k, c.f, konstant);
    ASSERT_TRUE(r.schnell());
    const uint32_t frames = 441 * N;
    for (uint32_t n0 : {0u, 12345u, frames / 3, frames / 2 + 7, frames - 1500})
        EXPECT_EQ(erster_Unterschied(r, zunehmend, c.pulsierend, k, c.f, konstant, n0, 1500), -1) << n0;

    // Every sample the bound could not decide, over the whole file, is literal.
    std::vector<uint32_t> langsame;
    std::vector<int16_t> alle(frames);
    const uint64_t anzahl = r.berechnen(0, frames, alle.data(), &langsame);
    EXPECT_EQ(anzahl, langsame.size());
    EXPECT_LT(anzahl, frames / 1000);
    for (uint32_t n : langsame)
        ASSERT_EQ(alle[n], links_digitalisieren(zunehmend, c.pulsierend, n, k, c.f, int32_t(N), konstant))
            << n;
}

INSTANTIATE_TEST_SUITE_P(Tongesetze, SchnellGleichWoertlich, ::testing::ValuesIn([] {
                             std::vector<Fall> faelle;
                             for (Gesetz g : {Gesetz::fallend, Gesetz::steigend, Gesetz::konstant})
                                 for (bool puls : {false, true})
                                     for (float f : {20.0f, 441.0f, 1000.0f, 7919.0f, 20000.0f})
                                         faelle.push_back({g, puls, f});
                             return faelle;
                         }()),
                         [](const ::testing::TestParamInfo<Fall>& i) { return name(i.param); });

TEST(Tonrechner, LangsamerWegWirdGebrauchtUndStimmt)
{
    // Over a whole pulsing 20000-Hz file some samples land within the margin of
    // a half: the literal evaluation is really exercised.
    long double k = 0;
    Hochzahl_von_abnehmend(3000, k);
    const Tonrechner r(false, true, k, 20000, false);
    std::vector<uint32_t> langsame;
    std::vector<int16_t> alle(1323000);
    EXPECT_GT(r.berechnen(0, 1323000, alle.data(), &langsame), 0u);
    EXPECT_DOUBLE_EQ(r.Rand(1322999), 1e-4);
    for (uint32_t n : langsame) {
        const long double t = n / 44100.0L;
        const long double v = Linke_Amplitude(false, false, t, k) * Linke_Schall_Funktion(true, t, 20000);
        const long double abstand = std::fabs(v - std::floor(v) - 0.5L);
        EXPECT_LT(abstand, 1.1e-4L) << n;
    }
}

TEST(Tonrechner, GrenzenDesAmplitudengesetzes)
{
    // Falling tone longer than 30 s and rising tone longer than 15 s: the
    // frames around the switch to the fixed amplitude.
    long double k4000 = 0, k3000 = 0, k1 = 0;
    Hochzahl_von_abnehmend(4000, k4000);
    Hochzahl_von_abnehmend(3000, k3000);
    Hochzahl_von_abnehmend(1, k1);
    for (bool puls : {false, true}) {
        const Tonrechner fallend(false, puls, k4000, 1000, false);
        EXPECT_EQ(erster_Unterschied(fallend, false, puls, k4000, 1000, false, 1322000, 2000), -1);
        EXPECT_EQ(erster_Unterschied(fallend, false, puls, k4000, 1000, false, 1700000, 1000), -1);
        const Tonrechner steigend(true, puls, k3000, 1000, false);
        EXPECT_EQ(erster_Unterschied(steigend, true, puls, k3000, 1000, false, 660500, 2000), -1);
        // N = 1: a very steep law over one hundredth of a second.
        const Tonrechner steil(true, puls, k1, 5000, false);
        EXPECT_EQ(erster_Unterschied(steil, true, puls, k1, 5000, false, 0, 441), -1);
    }
}

TEST(Tonrechner, NichtGanzzahligeFrequenzWoertlich)
{
    long double k = 0;
    Hochzahl_von_abnehmend(3000, k);
    for (float f : {440.5f, -100.0f}) {
        const Tonrechner r(false, true, k, f, false);
        EXPECT_FALSE(r.schnell());
        EXPECT_EQ(erster_Unterschied(r, false, true, k, f, false, 500000, 500), -1);
    }
    const Tonrechner null(false, false, k, 0, false);
    EXPECT_TRUE(null.schnell());
    EXPECT_EQ(erster_Unterschied(null, false, false, k, 0, false, 0, 3000), -1);
}

namespace
{

const std::array<uint16_t, 21> Frequenzen = {20,   100,  200,   500,   1000,  1500,  2000,
                                             2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                             7000, 8000, 10000, 12000, 14000, 16000, 20000};

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(AlleTondateien, EinundzwanzigPaareGleichDerWoertlichenAuswertung)
{
    QTemporaryDir ordner, vergleich;
    std::mutex m;
    std::multiset<int> zeilen;
    uint64_t langsam = 99;
    ASSERT_TRUE(alle_Tondateien_erzeugen(
        ordner.path() + "/", Frequenzen, false, true, 20,
        [&](int z) {
            const std::lock_guard<std::mutex> l(m);
            zeilen.insert(z);
        },
        nullptr, &langsam));
    EXPECT_EQ(zeilen.size(), 21u);
    EXPECT_EQ(std::set<int>(zeilen.begin(), zeilen.end()).size(), 21u);
    EXPECT_EQ(*zeilen.begin(), 1);
    EXPECT_EQ(*zeilen.rbegin(), 21);
    EXPECT_LT(langsam, 50u);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), 42);
    EXPECT_EQ(Tondatei_links(ordner.path(), 7), ordner.path() + "/abn_l7.wav");
    EXPECT_EQ(Tondatei_rechts(ordner.path() + "/", 21), ordner.path() + "/abn_r21.wav");

    for (int i = 1; i <= 21; ++i) {
        const QString l = vergleich.path() + "/l.wav", r = vergleich.path() + "/r.wav";
        ASSERT_TRUE(erzeuge_wave_stereo_l_r_woertlich(false, true, 20, Frequenzen[i - 1], l, r, false, true));
        EXPECT_EQ(lesen(Tondatei_links(ordner.path(), i)), lesen(l)) << i;
        EXPECT_EQ(lesen(Tondatei_rechts(ordner.path(), i)), lesen(r)) << i;
    }
}

TEST(AlleTondateien, AbbrechenUndFehlendeOrdner)
{
    QTemporaryDir ordner;
    int gemeldet = 0;
    std::atomic<bool> abbrechen{true};
    EXPECT_FALSE(alle_Tondateien_erzeugen(
        ordner.path(), Frequenzen, true, false, 1500, [&](int) { ++gemeldet; }, &abbrechen));
    EXPECT_EQ(gemeldet, 0);
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    // Rows whose files cannot be written are still reported, the result is false.
    abbrechen = false;
    EXPECT_FALSE(alle_Tondateien_erzeugen(
        ordner.path() + "/fehlt/", Frequenzen, false, false, 10, [&](int) { ++gemeldet; }, &abbrechen));
    EXPECT_EQ(gemeldet, 21);

    EXPECT_TRUE(alle_Tondateien_Nullen_schreiben(ordner.path(), 10));
    const QByteArray null = lesen(Tondatei_rechts(ordner.path(), 21));
    ASSERT_EQ(null.size(), 46 + 4410 * 4);
    EXPECT_EQ(null.mid(46), QByteArray(4410 * 4, '\0'));
}
