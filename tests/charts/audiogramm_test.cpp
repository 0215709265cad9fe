// The audiogram's arithmetic: deviation from the normal threshold rounded to
// 1 dB, rows above 12500 Hz kept absolute, the four-frequency average and its
// WHO grade at every boundary, and the logarithmic, downward axes.
#include "charts/audiogramm.h"
#include "core/acoustics/kvhoerschwelle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace
{

double pa(double dB)
{
    return 0.00002 * std::pow(10.0, dB / 20.0);
}

Freqarray Frequenzen(std::initializer_list<uint16_t> f)
{
    Freqarray a{};
    std::copy(f.begin(), f.end(), a.begin());
    return a;
}

} // namespace

TEST(Audiogramm, AbweichungMittelwertUndGrad)
{
    // Rows: 500, 1000, 2000, 4000, 14000 Hz; the left ear at the normal
    // threshold + 10/20/30/41.6, the right ear missing 2000 Hz.
    const Freqarray f = Frequenzen({500, 1000, 2000, 4000, 14000});
    const double zusatz[] = {10, 20, 30, 41.6};
    std::array<double, 43> druck{};
    std::array<Tonende, 43> ende{};
    for (int k = 1; k <= 4; ++k) {
        const double norm = double(Hoerschwelle_Funktion(f[size_t(k - 1)]));
        druck[size_t(Druck_index(true, k))] = pa(norm + zusatz[k - 1]);
        if (k != 3)
            druck[size_t(Druck_index(false, k))] = pa(norm + 5);
    }
    druck[size_t(Druck_index(true, 5))] = pa(63.6);
    ende[size_t(Druck_index(true, 2))] = Tonende::nach_abnehmendem;
    const Audiogramm_Daten d = Audiogramm_berechnen(druck, ende, f);

    ASSERT_EQ(d.links.werte.size(), 5u);
    const int erwartet[] = {10, 20, 30, 42};
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(d.links.werte[size_t(k)].hat_Norm);
        EXPECT_EQ(d.links.werte[size_t(k)].abweichung_dB, erwartet[k]) << f[size_t(k)];
    }
    // 1000 Hz: 2.4 dB normal threshold (ISO 226), so 22.4 dB is 20 dB above it.
    EXPECT_NEAR(d.links.werte[1].schwelle_dB, 22.4, 1e-9);
    EXPECT_EQ(d.links.werte[1].tonende, Tonende::nach_abnehmendem);
    EXPECT_EQ(Wert_text(d.links.werte[1], 20), QStringLiteral("≤ 20"));
    // Above 12500 Hz: the absolute level, rounded.
    EXPECT_FALSE(d.links.werte[4].hat_Norm);
    EXPECT_EQ(d.links.werte[4].abweichung_dB, 64);
    // The average of the unrounded deviations (10, 20, 30, 41.6), a bound
    // like the bound at 1000 Hz among them.
    ASSERT_TRUE(d.links.mittelwert.has_value());
    EXPECT_NEAR(*d.links.mittelwert, 25.4, 1e-9);
    EXPECT_EQ(Mittelwert_text(d.links), QStringLiteral("≤ 25,4 dB – höchstens Geringgradig"));
    // One of the four frequencies missing: no average, no grade.
    EXPECT_EQ(d.rechts.werte.size(), 3u);
    EXPECT_FALSE(d.rechts.mittelwert.has_value());

    // Grades: a bound belongs to the grade above it.
    const std::pair<double, const char*> grade[] = {{-10, "Normal"},
                                                    {19.75, "Normal"},
                                                    {20, "Geringgradig"},
                                                    {34.75, "Geringgradig"},
                                                    {35, "Mittelgradig"},
                                                    {50, "Mittel- bis hochgradig"},
                                                    {64.75, "Mittel- bis hochgradig"},
                                                    {65, "Hochgradig"},
                                                    {80, "An Taubheit grenzend"},
                                                    {94.75, "An Taubheit grenzend"},
                                                    {95, "Vollständig"},
                                                    {130, "Vollständig"}};
    for (const auto& [wert, name] : grade)
        EXPECT_EQ(Grad_Name(wert), QString::fromUtf8(name)) << wert;
}

TEST(Audiogramm, MittelwertUngerundetUndGrenzen)
{
    // The same deviation at 500, 1000, 2000 and 4000 Hz, with bounds among them.
    const Freqarray f = Frequenzen({500, 1000, 2000, 4000});
    struct Fall {
        double abweichung;
        Tonende ende_1000, ende_4000;
        const char* text;
    };
    const Fall faelle[] = {
        {19.6, Tonende::waehrend, Tonende::waehrend, "19,6 dB – Normal"},
        {34.5, Tonende::waehrend, Tonende::waehrend, "34,5 dB – Geringgradig"},
        {34.5, Tonende::unter_Stufe, Tonende::waehrend, "≥ 34,5 dB – mindestens Geringgradig"},
        {34.5, Tonende::nach_zunehmendem, Tonende::unter_Stufe, "≥ 34,5 dB – mindestens Geringgradig"},
        {34.5, Tonende::nach_abnehmendem, Tonende::waehrend, "≤ 34,5 dB – höchstens Geringgradig"},
        {12.0, Tonende::nach_abnehmendem, Tonende::waehrend, "≤ 12,0 dB – Normal"},
        {100.0, Tonende::unter_Stufe, Tonende::waehrend, "≥ 100,0 dB – Vollständig"},
        {34.5, Tonende::nach_abnehmendem, Tonende::unter_Stufe,
         "nicht berechnet (unter 500, 1000, 2000 und 4000 Hz liegen Grenzwerte nach oben und nach unten)"},
    };
    for (const Fall& fall : faelle) {
        std::array<double, 43> druck{};
        std::array<Tonende, 43> ende{};
        for (int k = 1; k <= 4; ++k)
            druck[size_t(Druck_index(true, k))] =
                pa(double(Hoerschwelle_Funktion(f[size_t(k - 1)])) + fall.abweichung);
        ende[size_t(Druck_index(true, 2))] = fall.ende_1000;
        ende[size_t(Druck_index(true, 4))] = fall.ende_4000;
        const Audiogramm_Daten d = Audiogramm_berechnen(druck, ende, f);
        EXPECT_EQ(Mittelwert_text(d.links), QString::fromUtf8(fall.text)) << fall.abweichung;
    }
}

TEST(Audiogramm, RuhepegelHinweisNenntDieMarkiertenFrequenzen)
{
    // Rows 500, 1000, 2000 Hz, both ears measured except the right 2000 Hz;
    // marks as excess in dB per (ear, row). A mark on a row without a result,
    // a non-finite or a zero excess names nothing.
    const Freqarray f = Frequenzen({500, 1000, 2000});
    struct Fall {
        const char* name;
        std::vector<std::tuple<bool, int, double>> marken;
        QString erwartet;
    };
    const QString ende = QStringLiteral(": Hörschwelle möglicherweise zu hoch gemessen");
    const Fall faelle[] = {
        {"keine", {}, QString()},
        {"links", {{true, 2, 4.5}}, QStringLiteral("⚠ Ruhepegel zu hoch bei 1000 Hz (links)") + ende},
        {"beide und rechts, nach Frequenz",
         {{false, 2, 1}, {true, 2, 3}, {false, 1, 0.2}},
         QStringLiteral("⚠ Ruhepegel zu hoch bei 500 Hz (rechts), 1000 Hz (beide Ohren)") + ende},
        {"ohne Ergebnis, null, unendlich",
         {{false, 3, 9}, {true, 1, 0}, {true, 3, std::numeric_limits<double>::infinity()}},
         QString()},
    };
    std::array<double, 43> druck{};
    for (int k = 1; k <= 3; ++k) {
        druck[size_t(Druck_index(true, k))] = pa(40);
        if (k != 3)
            druck[size_t(Druck_index(false, k))] = pa(40);
    }
    for (const Fall& fall : faelle) {
        std::array<double, 43> ruhe{};
        for (const auto& [links, zeile, dB] : fall.marken)
            ruhe[size_t(Druck_index(links, zeile))] = dB;
        const Audiogramm_Daten d = Audiogramm_berechnen(druck, {}, f, ruhe);
        EXPECT_EQ(Ruhepegel_Hinweis(d), fall.erwartet) << fall.name;
    }
}

TEST(Audiogramm, LogarithmischeAchseNachUnten)
{
    Audiogramm_Achsen a;
    a.flaeche = QRect(100, 50, 700, 390);
    // Each octave 100 pixels from 125 Hz at the left edge to 16 kHz at the right one.
    const double oktaven[] = {125, 250, 500, 1000, 2000, 4000, 8000, 16000};
    for (int o = 0; o < 8; ++o)
        EXPECT_NEAR(a.x_von_Frequenz(oktaven[o]), 100 + 100 * o, 1e-9) << oktaven[o];
    EXPECT_NEAR(a.x_von_Frequenz(1500), 100 + 100 * (3 + std::log2(1.5)), 1e-9);
    // -10 dB at the top, 120 dB at the bottom, 3 pixels per dB downward.
    EXPECT_NEAR(a.y_von_Pegel(-10), 50, 1e-9);
    EXPECT_NEAR(a.y_von_Pegel(20), 140, 1e-9);
    EXPECT_NEAR(a.y_von_Pegel(120), 440, 1e-9);
    // Beyond the axes: held at the edges.
    EXPECT_NEAR(a.x_von_Frequenz(50), 100, 1e-9);
    EXPECT_NEAR(a.x_von_Frequenz(20000), 800, 1e-9);
    EXPECT_NEAR(a.y_von_Pegel(-25), 50, 1e-9);
    EXPECT_NEAR(a.y_von_Pegel(140), 440, 1e-9);
}
