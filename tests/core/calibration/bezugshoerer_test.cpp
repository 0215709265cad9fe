// The reference-listener arithmetic: one run turns the listener's relative
// amplitude at threshold into the level per volume that makes the threshold
// the ISO 226 value; rows that give no value say why; several runs average in
// dB and mark a spread above 10 dB; the result becomes the manual calibration
// at the start volume, and a later test of another listener then reads his
// hearing level relative to the reference listener.
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/calibration/bezugshoerer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

const Freqarray Frequenzen = {50,   100,  200,  500,  1000, 1500, 2000,  2500,  3000,  3500, 4000,
                              4500, 5000, 6000, 7000, 8000, 10000, 12000, 14000, 16000, 18000};

// A record whose start pressure (kind 5) is 1 Pa at the start volume 20000 in every row.
Einstellungstyp Satz()
{
    Einstellungstyp e{};
    e.Eichung = Schall_messer;
    e.Frequenzen = Frequenzen;
    for (size_t i = 0; i < size_t(Zeilen); ++i)
        for (size_t ohr = 0; ohr < 2; ++ohr) {
            e.Spannung1[2][ohr][i] = 1.0;
            e.Links_Volume1[0][i] = 20000;
            e.Rechts_Volume1[0][i] = 20000;
        }
    return e;
}

double Iso(int zeile)
{
    return double(Hoerschwelle_Funktion(Frequenzen[size_t(zeile - 1)]));
}

} // namespace

TEST(Bezugshoerer, ein_Lauf_und_seine_Luecken)
{
    Hoerschwelle_Tabellen_erzeugen();
    const Einstellungstyp e = Satz();
    std::array<double, 43> druck{};
    std::array<Tonende, 43> ende{};
    // Left ear: the listener reacted 60 dB below the start in every row.
    for (int z = 1; z <= Zeilen; ++z)
        druck[size_t(Druck_index(true, z))] = 1.0e-3;
    ende[size_t(Druck_index(true, 3))] = Tonende::nach_abnehmendem;
    druck[size_t(Druck_index(true, 4))] = 0.0;
    struct Fall {
        int zeile;
        Bezugshoerer_Luecke luecke;
    } faelle[] = {{1, Bezugshoerer_Luecke::keine},           {3, Bezugshoerer_Luecke::nach_Tonende},
                  {4, Bezugshoerer_Luecke::nicht_gemessen},  {18, Bezugshoerer_Luecke::keine},
                  {19, Bezugshoerer_Luecke::ohne_Normschwelle}, {21, Bezugshoerer_Luecke::ohne_Normschwelle}};
    const Bezugshoerer_Lauf lauf = Bezugshoerer_auswerten(druck, ende, e);
    for (const Fall& f : faelle) {
        EXPECT_EQ(Bezugshoerer_Zeile_pruefen(druck, ende, e, true, f.zeile), f.luecke) << "row " << f.zeile;
        EXPECT_EQ(lauf.k[0][size_t(f.zeile - 1)].has_value(), f.luecke == Bezugshoerer_Luecke::keine);
    }
    // Level at the start volume = ISO + 60 dB.
    ASSERT_TRUE(lauf.k[0][4]);
    EXPECT_NEAR(*lauf.k[0][4] + 20 * std::log10(20000.0), Iso(5) + 60.0, 1e-9);
    for (const auto& k : lauf.k[1])
        EXPECT_FALSE(k); // the right ear was not tested
}

TEST(Bezugshoerer, Mittel_und_Uneinigkeit)
{
    struct Fall {
        std::vector<std::optional<double>> werte;
        std::optional<double> mittel;
        int anzahl;
        bool uneinig;
    } faelle[] = {
        {{10.0}, 10.0, 1, false},
        {{10.0, 14.0, 12.0}, 12.0, 3, false},
        {{10.0, 20.0}, 15.0, 2, false},      // exactly 10 dB apart: no mark
        {{10.0, 20.5, 12.0}, 42.5 / 3, 3, true},
        {{std::nullopt, 8.0, std::nullopt}, 8.0, 1, false},
        {{std::nullopt, std::nullopt}, std::nullopt, 0, false},
    };
    for (const Fall& f : faelle) {
        std::vector<Bezugshoerer_Lauf> laeufe(f.werte.size());
        for (size_t i = 0; i < f.werte.size(); ++i)
            laeufe[i].k[1][6] = f.werte[i];
        const Bezugshoerer_Wert w = Bezugshoerer_mitteln(laeufe).werte[1][6];
        EXPECT_EQ(w.anzahl, f.anzahl);
        EXPECT_EQ(w.uneinig, f.uneinig);
        ASSERT_EQ(w.k.has_value(), f.mittel.has_value());
        if (f.mittel) {
            EXPECT_NEAR(*w.k, *f.mittel, 1e-12);
        }
    }
}

TEST(Bezugshoerer, eingetragen_misst_der_naechste_Hoerer_relativ_zum_Bezugshoerer)
{
    Hoerschwelle_Tabellen_erzeugen();
    Einstellungstyp e = Satz();
    // The headphone truly gives 70 dB at the start volume in every row; the
    // reference listener's thresholds lie at ISO + o, the next listener's at ISO + loss.
    auto o = [](int z) { return -4.0 + 8.0 * (z - 1) / 20.0; };
    auto verlust = [](int z) { return z % 3 == 0 ? 0.0 : z % 3 == 1 ? 20.0 : 45.0; };
    std::array<double, 43> druck{};
    std::array<Tonende, 43> ende{};
    for (const bool links : {true, false})
        for (int z = 1; z <= Zeilen; ++z) // r = 10^((threshold - 70)/20), times the start pressure 1 Pa
            druck[size_t(Druck_index(links, z))] = std::pow(10.0, (Iso(z) + o(z) - 70.0) / 20.0);
    const auto r = Bezugshoerer_mitteln({Bezugshoerer_auswerten(druck, ende, e)});
    uint32_t arbeit[6][22] = {};
    EXPECT_EQ(Bezugshoerer_eintragen(e, true, r, arbeit), 18);
    EXPECT_EQ(Bezugshoerer_eintragen(e, false, r, arbeit), 18);
    EXPECT_EQ(e.Schallmesser[0][0], 0);
    EXPECT_EQ(e.Links_Volume1[2][0], 20000u);
    EXPECT_EQ(arbeit[5][1], 20000u);
    EXPECT_EQ(e.Spannung1[3][1][20], 0.0); // 18000 Hz keeps its calibration
    Messungen_in_Anfangslautstaerke(true, e);
    Messungen_in_Anfangslautstaerke(false, e);
    for (const bool links : {true, false})
        for (int z = 1; z <= 18; ++z) {
            const double P = e.Spannung1[2][links ? 0 : 1][size_t(z - 1)];
            const double p = P * std::pow(10.0, (Iso(z) + verlust(z) - 70.0) / 20.0);
            EXPECT_NEAR(double(Pa_in_dB(p)) - Iso(z), verlust(z) - o(z), 0.01) << "row " << z;
        }
}
