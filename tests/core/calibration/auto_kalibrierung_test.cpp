// The automatic calibration's state machine, driven by scripted measurement
// results: the order of the rows and the one final message, the volumes of
// the coarse and the fine search, the choice among unclean measurements and
// the yellow mark, and the run's end when row 5 stays too quiet.
#include "core/calibration/auto_kalibrierung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace
{

using Art = Auto_Aktion::Art;

Freqarray Frequenzen()
{
    // Row 4 at 800 Hz is measured in dB, row 6 at 801 Hz in dB(A).
    return {50,   100,  200,  800,   1000,  801,   2000,  3000,  4000,  5000, 6000,
            7000, 8000, 9000, 10000, 11000, 12000, 14000, 16000, 18000, 20000};
}

std::vector<long double> Achse()
{
    std::vector<long double> a(2049);
    for (size_t k = 0; k < a.size(); ++k)
        a[k] = 44100.0L / 4096 * k;
    return a;
}

Messergebnis Messung(double L, double Delta = 0.1)
{
    Messergebnis m;
    m.Lges = L;
    m.Differenz = Delta;
    m.echter_Ton = Delta <= 1.0;
    return m;
}

// A headphone as the machine meets it: the level it hears at a volume, with
// the tone on or off; every action is noted.
struct Lauf {
    Auto_Kalibrierung k;
    std::function<Messergebnis(int zeile, int32_t vol, bool ton)> welt;
    int32_t vol = 0;
    bool ton = false;
    std::vector<Auto_Aktion> protokoll;
    std::vector<std::pair<int, bool>> messungen; // row, tone on

    // Carries out actions until the next measurement is asked for; true then.
    bool ausfuehren(const Auto_Aktionen& aktionen)
    {
        bool messen = false;
        for (const Auto_Aktion& a : aktionen) {
            protokoll.push_back(a);
            if (a.art == Art::Lautstaerke)
                vol = a.wert;
            else if (a.art == Art::Ton_starten)
                ton = true;
            else if (a.art == Art::Ton_beenden)
                ton = false;
            else if (a.art == Art::Messen)
                messen = true;
        }
        return messen;
    }
    void bis_zum_ende(int hoechstens = 1000)
    {
        bool weiter = ausfuehren(k.Auto1_start(Frequenzen(), Achse()));
        while (weiter && hoechstens-- > 0) {
            messungen.push_back({k.Auto_Zeile, ton});
            weiter = ausfuehren(k.Auto1_eineFrequenz(welt(k.Auto_Zeile, vol, ton)));
        }
    }
    std::vector<Auto_Aktion> alle(Art art) const
    {
        std::vector<Auto_Aktion> v;
        for (const auto& a : protokoll)
            if (a.art == art)
                v.push_back(a);
        return v;
    }
};

// Background 30 dB; at volume 300 every row's tone is 45 dB (the middle of
// the window) and clean.
Messergebnis Mittig(int, int32_t vol, bool ton)
{
    if (!ton)
        return Messung(30.0, 5.0);
    return Messung(45.0 + 20.0 * std::log10(vol / 300.0));
}

} // namespace

TEST(AutoKalibrierung, RowOrderUnitsAndOneFinalMessage)
{
    Lauf l;
    l.welt = Mittig;
    l.bis_zum_ende();
    std::vector<int> neue, ergebnisse;
    for (const auto& a : l.alle(Art::Neue_Zeile))
        neue.push_back(a.wert);
    for (const auto& a : l.alle(Art::Zeile_Ergebnis))
        ergebnisse.push_back(a.wert);
    const std::vector<int> folge = {5,  4,  3,  2,  1,  6,  7,  8,  9,  10, 11,
                                    12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    EXPECT_EQ(ergebnisse, folge);
    EXPECT_EQ(neue, std::vector<int>(folge.begin() + 1, folge.end()));
    ASSERT_EQ(l.alle(Art::Fertig).size(), 1u);
    EXPECT_EQ(l.protokoll.back().art, Art::Fertig);
    EXPECT_FALSE(l.protokoll.back().ungenau);
    EXPECT_TRUE(l.alle(Art::Fehlgeschlagen).empty());
    // Per row: background (tone off), one coarse and one fine measurement.
    EXPECT_EQ(l.messungen.size(), 3u * 21);
    for (size_t i = 0; i < l.messungen.size(); ++i)
        EXPECT_EQ(l.messungen[i].second, i % 3 != 0) << i;
    for (const auto& a : l.alle(Art::Zeile_Ergebnis)) {
        EXPECT_NEAR(a.pegel, 45.0, 1e-9) << a.wert;
        EXPECT_EQ(a.dBA, Frequenzen()[size_t(a.wert - 1)] > 800) << a.wert;
    }
    // The tone of each row is started once, at the row's frequency.
    const auto toene = l.alle(Art::Ton_starten);
    ASSERT_EQ(toene.size(), 21u);
    EXPECT_EQ(toene[0].frequenz, 1000.0);
    EXPECT_EQ(toene[1].frequenz, 800.0);
}

TEST(AutoKalibrierung, FftBinOfARow)
{
    Auto_Kalibrierung k;
    k.Auto1_start(Frequenzen(), Achse());
    EXPECT_EQ(k.Auto_Bin, 93); // 1000 Hz: bin 92.9 rounded up
    k.index_bestimmen(21);
    EXPECT_EQ(k.Auto_Bin, 1858);
    // An axis (from the meter's files) that ends below the row's frequency:
    // the search stops at its last bin.
    k.Auto1_start(Frequenzen(), {0.0L, 100.0L, 200.0L, 300.0L});
    EXPECT_EQ(k.Auto_Bin, 3);
}

// Background 35 dB: the window is 45..55 dB, the target 50 dB; 38 dB at
// volume 300 lead to 1194. A first fine level of 49.5 dB at 1194: step 2.9 dB,
// the next four unclean measurements aim at 46.6, 43.7, 40.8 and 37.9 dB with
// volumes 855, 612, 439 and 314.
TEST(AutoKalibrierung, CoarseAndFineVolumes)
{
    Auto_Kalibrierung k;
    k.Auto1_start(Frequenzen(), Achse());
    k.Auto1_eineFrequenz(Messung(35.0, 5.0));
    EXPECT_EQ(k.Pegel_unten, 45.0);
    EXPECT_EQ(k.Pegel_oben, 55.0);
    EXPECT_EQ(k.Pegel_Ziel, 50.0);
    auto a = k.Auto1_eineFrequenz(Messung(38.0));
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].art, Art::Lautstaerke);
    EXPECT_EQ(a[0].wert, 1194);
    EXPECT_EQ(a[1].art, Art::Pause);
    EXPECT_EQ(a[1].wert, 200);
    EXPECT_EQ(a[2].art, Art::Messen);
    EXPECT_FALSE(k.Auto_grob_fertig);

    // In the window at 1194: the coarse search ends, the volume stays.
    a = k.Auto1_eineFrequenz(Messung(50.0));
    EXPECT_TRUE(k.Auto_grob_fertig);
    EXPECT_EQ(a[0].wert, 1194);

    std::vector<int> volumes;
    for (double L : {49.5, 46.6, 43.7, 40.8}) {
        a = k.Auto1_eineFrequenz(Messung(L, 3.0));
        ASSERT_EQ(a.size(), 3u);
        EXPECT_EQ(a[1].wert, 300);
        volumes.push_back(a[0].wert);
    }
    EXPECT_NEAR(double(k.Auto_Schrittweite), 2.9, 1e-12);
    EXPECT_EQ(volumes, (std::vector<int>{855, 612, 439, 314}));
}

// Five unclean fine measurements: the smallest ratio Delta / (L - background)
// wins, the earlier of equal ones; the row is yellow when the chosen level is
// less than 8 dB above the background. A clean first fine measurement ends
// the row at once, without that check.
// An overdriven measurement is never clean and is chosen only when all five
// are; a row whose result is overdriven is yellow and named in the final
// message.
struct Feinfall {
    const char* name;
    std::array<double, 5> L;
    std::array<double, 5> Delta;
    int bester;
    bool gelb;
    std::array<bool, 5> uebersteuert{};
};

class AutoKalibrierungFein : public ::testing::TestWithParam<Feinfall>
{
};

TEST_P(AutoKalibrierungFein, ChoiceAndYellowMark)
{
    const Feinfall& f = GetParam();
    Auto_Kalibrierung k;
    k.Auto1_start(Frequenzen(), Achse());
    k.Auto1_eineFrequenz(Messung(40.0, 5.0)); // background of row 5
    k.Auto1_eineFrequenz(Messung(55.0));      // in the window: coarse search ends
    std::array<int32_t, 6> vol{};
    Auto_Aktionen a;
    for (int j = 0; j < 5 && k.Auto_Zeile == 5; ++j) {
        vol[size_t(j + 1)] = k.Auto_Lautstaerke;
        Messergebnis m = Messung(f.L[size_t(j)], f.Delta[size_t(j)]);
        m.uebersteuert = f.uebersteuert[size_t(j)];
        a = k.Auto1_eineFrequenz(m);
    }
    const auto ergebnis =
        std::find_if(a.begin(), a.end(), [](auto& x) { return x.art == Art::Zeile_Ergebnis; });
    ASSERT_NE(ergebnis, a.end());
    EXPECT_EQ(ergebnis->wert, 5);
    EXPECT_EQ(ergebnis->pegel, f.L[size_t(f.bester - 1)]);
    EXPECT_EQ(ergebnis->ungenau, f.gelb);
    EXPECT_EQ(k.Auto_ungenau[5], f.gelb);
    EXPECT_EQ(k.Auto_irgendwo_ungenau, f.gelb);
    const bool uebersteuert = f.uebersteuert[size_t(f.bester - 1)];
    EXPECT_EQ(ergebnis->uebersteuert, uebersteuert);
    EXPECT_EQ(k.Schlussmeldung().text.contains(QStringLiteral("Bei 1000 Hz war die Aufnahme übersteuert")),
              uebersteuert);
    // The chosen volume goes into the track bars before the result is shown;
    // after a clean measurement the volume stays as it is.
    if (f.Delta[size_t(f.bester - 1)] <= 1.0 && !uebersteuert) {
        EXPECT_EQ(a.front().art, Art::Zeile_Ergebnis);
    } else {
        EXPECT_EQ(a.front().art, Art::Lautstaerke);
        EXPECT_EQ(a.front().wert, vol[size_t(f.bester)]);
    }
    EXPECT_EQ(k.Auto_Zeile, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AutoKalibrierungFein,
    ::testing::Values(Feinfall{"gleichstand", {50, 50, 50, 50, 50}, {3, 2, 2, 5, 4}, 2, false},
                      Feinfall{"knapp_gelb", {47.9, 46, 45, 44, 43}, {1.5, 2, 2, 2, 2}, 1, true},
                      Feinfall{"knapp_genau", {48.0, 46, 45, 44, 43}, {1.5, 2, 2, 2, 2}, 1, false},
                      Feinfall{"erster_sauber", {42.0, 0, 0, 0, 0}, {0.5, 0, 0, 0, 0}, 1, false},
                      Feinfall{"sauber_erst_ohne_uebersteuerung",
                               {50, 48, 46, 0, 0},
                               {0.5, 0.5, 0.5, 0, 0},
                               3,
                               false,
                               {true, true, false, false, false}},
                      Feinfall{"uebersteuerte_gemieden",
                               {50, 49, 48, 47, 46},
                               {2, 2, 2, 3, 3},
                               3,
                               false,
                               {true, true, false, false, false}},
                      Feinfall{"alle_uebersteuert",
                               {50, 49, 48, 47, 46},
                               {0.5, 0.5, 0.5, 0.5, 0.5},
                               1,
                               true,
                               {true, true, true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

// A headphone that stays 1 dB above a 40-dB background at every volume: on
// row 5 the run fails once the largest volume is reached. (On the other rows
// the fine search follows; the journey test of the window has such rows.)
TEST(AutoKalibrierung, TooQuietAtTheLargestVolume)
{
    Lauf l;
    l.welt = [](int, int32_t, bool ton) { return ton ? Messung(41.0, 2.0) : Messung(40.0, 5.0); };
    l.bis_zum_ende();
    ASSERT_EQ(l.alle(Art::Fehlgeschlagen).size(), 1u);
    EXPECT_EQ(l.protokoll.back().art, Art::Fehlgeschlagen);
    EXPECT_FALSE(l.k.Auto_laeuft);
    EXPECT_EQ(l.vol, Auto_groesste_Lautstaerke);
    EXPECT_TRUE(l.alle(Art::Zeile_Ergebnis).empty());
}

// An overdriven coarse measurement reads too low: it counts as too loud, the
// volume goes down (at least by half) and the coarse search goes on, also
// when the level seems to lie in the window.
TEST(AutoKalibrierung, OverdrivenCoarseMeasurementLowersTheVolume)
{
    for (double L : {38.0, 50.0, 60.0}) {
        SCOPED_TRACE(L);
        Auto_Kalibrierung k;
        k.Auto1_start(Frequenzen(), Achse());
        k.Auto1_eineFrequenz(Messung(35.0, 5.0));
        Messergebnis m = Messung(L);
        m.uebersteuert = true;
        const auto a = k.Auto1_eineFrequenz(m);
        ASSERT_EQ(a.front().art, Art::Lautstaerke);
        EXPECT_LE(a.front().wert, Auto_Startlautstaerke / 2);
        EXPECT_GE(a.front().wert, 1);
        EXPECT_FALSE(k.Auto_grob_fertig);
    }
}

// Faults that end the run instead of giving a wrong calibration or minutes of
// full-volume tone. Row 5 is heard normally (background 30 dB, the tone
// 45 dB at volume 300); what happens from row 4 on is the case's.
struct Fehlerfall {
    const char* name;
    std::function<Messergebnis(int32_t vol, bool ton)> ab_zeile4;
    bool scheitert;
    Auto_Fehler fehler;
    int hoechstens_voll; // measurements at the largest volume
};

class AutoKalibrierungFehler : public ::testing::TestWithParam<Fehlerfall>
{
};

TEST_P(AutoKalibrierungFehler, RunEndsWithItsReason)
{
    const Fehlerfall& f = GetParam();
    Lauf l;
    int voll = 0;
    l.welt = [&](int zeile, int32_t vol, bool ton) {
        if (ton && vol >= Auto_groesste_Lautstaerke)
            ++voll;
        return zeile == 5 ? Mittig(zeile, vol, ton) : f.ab_zeile4(vol, ton);
    };
    l.bis_zum_ende();
    EXPECT_LE(voll, f.hoechstens_voll);
    const auto fehl = l.alle(Art::Fehlgeschlagen);
    ASSERT_EQ(fehl.size(), f.scheitert ? 1u : 0u);
    if (f.scheitert) {
        EXPECT_EQ(l.protokoll.back().art, Art::Fehlgeschlagen);
        EXPECT_EQ(fehl[0].fehler, f.fehler);
        EXPECT_FALSE(l.k.Auto_laeuft);
        // Row 5 was done; row 4, where the fault began, shows nothing.
        const auto ergebnisse = l.alle(Art::Zeile_Ergebnis);
        ASSERT_EQ(ergebnisse.size(), 1u);
        EXPECT_EQ(ergebnisse[0].wert, 5);
    } else {
        ASSERT_EQ(l.alle(Art::Fertig).size(), 1u);
        for (const auto& e : l.alle(Art::Zeile_Ergebnis))
            EXPECT_TRUE(std::isfinite(e.pegel));
    }
}

Messergebnis Mit_Ton(double ueber_hintergrund, double Delta = 0.1)
{
    return Messung(30.0 + ueber_hintergrund, Delta);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AutoKalibrierungFehler,
    ::testing::Values(
        // The microphone goes silent: tone and background read the same.
        Fehlerfall{"mikrofon_stumm", [](int32_t, bool) { return Messung(30.0, 5.0); }, true,
                   Auto_Fehler::Mikrofon, 1},
        // Digital silence: the floor of the level arithmetic.
        Fehlerfall{"digitale_stille", [](int32_t, bool) { return Messung(-200.0, 0.0); }, true,
                   Auto_Fehler::Mikrofon, 1},
        // 2 dB above the background at the largest volume is no tone.
        Fehlerfall{"zwei_dB_bei_voller_lautstaerke",
                   [](int32_t vol, bool ton) {
                       return ton ? Mit_Ton(vol >= Auto_groesste_Lautstaerke ? 2.0 : 1.0, 2.0)
                                  : Messung(30.0, 5.0);
                   },
                   true, Auto_Fehler::Mikrofon, 1},
        // A weak headphone, 5 dB above the background at the largest volume:
        // the row is measured (the last coarse and the first fine measurement
        // at that volume) and marked yellow, the run goes on.
        Fehlerfall{"schwacher_kopfhoerer",
                   [](int32_t vol, bool ton) {
                       return ton ? Mit_Ton(vol >= Auto_groesste_Lautstaerke ? 5.0 : 2.0, 2.0)
                                  : Messung(30.0, 5.0);
                   },
                   false, Auto_Fehler::Mikrofon, 2 * 20},
        Fehlerfall{"nan_mit_ton",
                   [](int32_t, bool ton) { return ton ? Messung(std::nan(""), 0.1) : Messung(30.0, 5.0); },
                   true, Auto_Fehler::Messung_ungueltig, 0},
        Fehlerfall{"unendlicher_hintergrund",
                   [](int32_t, bool) { return Messung(std::numeric_limits<double>::infinity(), 0.0); }, true,
                   Auto_Fehler::Messung_ungueltig, 0},
        Fehlerfall{"nan_differenz",
                   [](int32_t vol, bool ton) {
                       return ton ? Messung(45.0 + 20.0 * std::log10(vol / 300.0), std::nan(""))
                                  : Messung(30.0, 5.0);
                   },
                   true, Auto_Fehler::Messung_ungueltig, 0},
        // Levels no calibration can hold (a meter file with absurd weights).
        Fehlerfall{"pegel_ueber_150",
                   [](int32_t vol, bool ton) {
                       return ton ? Messung(185.0 + 20.0 * std::log10(vol / 300.0)) : Messung(170.0, 5.0);
                   },
                   true, Auto_Fehler::Messung_ungueltig, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A recording that stops delivering buffers ends the run; after the run
// nothing more happens.
TEST(AutoKalibrierung, RecordingWithoutBuffersEndsTheRun)
{
    Auto_Kalibrierung k;
    EXPECT_TRUE(k.Aufnahme_ausgefallen().empty()) << "no run";
    k.Auto1_start(Frequenzen(), Achse());
    k.Auto1_eineFrequenz(Messung(30.0, 5.0));
    const auto a = k.Aufnahme_ausgefallen();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].art, Art::Fehlgeschlagen);
    EXPECT_EQ(a[0].fehler, Auto_Fehler::keine_Aufnahme);
    EXPECT_FALSE(k.Auto_laeuft);
    EXPECT_TRUE(k.Aufnahme_ausgefallen().empty());
    EXPECT_TRUE(k.Auto1_eineFrequenz(Messung(45.0)).empty());
    // Each reason has its own message.
    EXPECT_EQ(Auto_Fehlermeldung(Auto_Fehler::keine_Aufnahme).titel, QStringLiteral("Audiofehler"));
    EXPECT_TRUE(Auto_Fehlermeldung(Auto_Fehler::Mikrofon).text.startsWith(QStringLiteral("Das Mikrofon")));
    EXPECT_NE(Auto_Fehlermeldung(Auto_Fehler::Messung_ungueltig).text,
              Auto_Fehlermeldung(Auto_Fehler::Mikrofon).text);
}
