// ISO 226:2003 threshold spline and the tabulated reference curves.
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/kvspline.h"
#include "core/acoustics/physik_hoertest.h"

#include <gtest/gtest.h>

#include <array>

TEST(Spline, GeradeUndKubikWerdenGetroffen)
{
    // A natural spline through points of a straight line is that line.
    Spline_Feld x = {0, 1, 2.5, 4, 7, 11};
    Spline_Feld gerade(x.size());
    for (size_t k = 1; k < x.size(); ++k)
        gerade[k] = 3 * x[k] - 2;
    Spline_Feld y2;
    spline_kubisch(x, gerade, y2, true, 0, 0, 5);
    ASSERT_EQ(y2.size(), 6u);
    bool fehler = true;
    EXPECT_NEAR(double(Werte_spline(x, gerade, y2, 5, 5.5L, fehler)), 14.5, 1e-15);
    EXPECT_FALSE(fehler);
    EXPECT_NEAR(double(Werte_spline(x, gerade, y2, 5, 13.0L, fehler)), 37.0, 1e-14); // extrapolated

    // With the true end slopes given, a cubic is reproduced exactly.
    auto kubik = [](long double t) { return t * t * t - 2 * t * t + 0.5L * t + 1; };
    auto steigung = [](long double t) { return 3 * t * t - 4 * t + 0.5L; };
    Spline_Feld y(x.size());
    for (size_t k = 1; k < x.size(); ++k)
        y[k] = kubik(x[k]);
    spline_kubisch(x, y, y2, false, steigung(1), steigung(11), 5);
    for (long double t : {1.0L, 1.7L, 3.3L, 6.0L, 10.9L})
        EXPECT_NEAR(double(Werte_spline(x, y, y2, 5, t, fehler)), double(kubik(t)), 1e-12) << double(t);
}

TEST(Spline, UnbrauchbareKnoten)
{
    Spline_Feld x = {0, 1, 1, 1};
    Spline_Feld y = {0, 5, 6, 7};
    Spline_Feld y2(4, 0.0L);
    bool fehler = false;
    EXPECT_EQ(Werte_spline(x, y, y2, 3, 1.0L, fehler), 0.0L);
    EXPECT_TRUE(fehler);
    // Arrays too short for n knots: an error, no access beyond them.
    EXPECT_EQ(Werte_spline(x, y, y2, 9, 1.0L, fehler), 0.0L);
    EXPECT_TRUE(fehler);
    spline_kubisch(x, y, y2, true, 0, 0, 9);
    EXPECT_EQ(y2.size(), 10u);
    EXPECT_EQ(y2[5], 0.0L);
}

TEST(Hoerschwelle, KnotenwerteExakt)
{
    const std::array<long double, 29> f = {20,   25,   31.5L, 40,   50,   63,   80,   100,   125,  160,
                                           200,  250,  315,   400,  500,  630,  800,  1000,  1250, 1600,
                                           2000, 2500, 3150,  4000, 5000, 6300, 8000, 10000, 12500};
    const std::array<long double, 29> L = {
        78.5L, 68.7L, 59.5L, 51.1L, 44.0L, 37.5L, 31.5L, 26.5L, 22.1L, 17.9L, 14.4L, 11.4L, 8.6L,  6.2L, 4.4L,
        3.0L,  2.2L,  2.4L,  3.5L,  1.7L,  -1.3L, -4.2L, -6.0L, -5.4L, -1.5L, 6.0L,  12.6L, 13.9L, 12.3L};
    for (size_t k = 0; k < f.size(); ++k)
        EXPECT_EQ(Hoerschwelle_Funktion(f[k]), L[k]) << double(f[k]) << " Hz";
    EXPECT_EQ(Hoerschwelle_Stuetzfrequenzen[0], 0.0L);
    EXPECT_EQ(Hoerschwelle_Stuetzfrequenzen[18], 1000.0L);
    // Between the knots the curve runs smoothly between its neighbours.
    const long double zwischen = Hoerschwelle_Funktion(3500);
    EXPECT_LT(zwischen, -5.4L);
    EXPECT_GT(zwischen, -7.0L);
}

class Tabellen : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { Hoerschwelle_Tabellen_erzeugen(); }
};

TEST_F(Tabellen, KurvenUndGrenzen)
{
    ASSERT_EQ(Hoerschwelle_Kurve.size(), 12501u);
    ASSERT_EQ(Null_dBA_Kurve.size(), 20001u);
    EXPECT_EQ(Hoerschwelle_Kurve, Hoerschwelle_Kurve2);
    EXPECT_EQ(Null_dBA_Kurve, Null_dBA_Kurve2);
    // Constant below 20 Hz.
    EXPECT_EQ(Hoerschwelle_Kurve[5], Hoerschwelle_Kurve[20]);
    EXPECT_EQ(Hoerschwelle_Kurve[0], 78.5L);
    EXPECT_EQ(Null_dBA_Kurve[0], Null_dBA(20));
    EXPECT_EQ(Null_dBA_Kurve[19], Null_dBA(20));
    EXPECT_EQ(Hoerschwelle_Kurve[1000], 2.4L);
    EXPECT_EQ(Hoerschwelle_Kurve[12500], 12.3L);
    EXPECT_EQ(Null_dBA_Kurve[20000], Null_dBA(20000));
    EXPECT_EQ(Hoerschwelle_Kurve[777], Hoerschwelle_Funktion(777));
    EXPECT_EQ(Hoerschwelle_untere_Grenze, 20);
    EXPECT_EQ(Hoerschwelle_obere_Grenze, 12500);
    EXPECT_EQ(Hoerschwelle_obere_Grenze2, 12500);
    EXPECT_EQ(Null_dBA_untere_Grenze2, 20);
    EXPECT_EQ(Null_dBA_obere_Grenze, 20000);
}

TEST_F(Tabellen, Tabellenzeilen)
{
    EXPECT_EQ(Tabelle_Frequenz[199], 199);
    EXPECT_EQ(Tabelle_Frequenz[200], 200);
    EXPECT_EQ(Tabelle_Frequenz[201], 210);
    EXPECT_EQ(Tabelle_Frequenz[1430], 12500);
    EXPECT_EQ(Tabelle_Frequenz[2180], 20000);
    EXPECT_EQ(Tabelle_Null_dBA[199], Null_dBA_Kurve[199]);
    EXPECT_EQ(Tabelle_Null_dBA[201], Null_dBA_Kurve[210]);
    EXPECT_EQ(Tabelle_Null_dBA[2180], Null_dBA_Kurve[20000]);
    EXPECT_EQ(Tabelle_Hoerschwelle[20], Hoerschwelle_Kurve[20]);
    EXPECT_EQ(Tabelle_Hoerschwelle[201], Hoerschwelle_Kurve[210]);
    EXPECT_EQ(Tabelle_Hoerschwelle[1430], 12.3L);
    EXPECT_EQ(Tabelle_Hoerschwelle_letzte_Zeile, 1430);
    EXPECT_EQ(Tabelle_Null_dBA_letzte_Zeile2, 2180);
    EXPECT_EQ(Tabelle_Hoerschwelle_erste_Zeile, 20);
    EXPECT_EQ(Tabelle_Null_dBA_erste_Zeile2, 20);
    for (int32_t r = 0; r <= 2180; r += 7)
        EXPECT_EQ(Tabelle_Frequenz[r], Tabellenzeile_Frequenz(r));
}

TEST_F(Tabellen, ZweiterAufrufUndFreigabe)
{
    Hoerschwelle_Kurve[1000] = -1; // a second call does not tabulate again
    Hoerschwelle_Tabellen_erzeugen();
    EXPECT_EQ(Hoerschwelle_Kurve[1000], -1);
    Hoerschwelle_Tabellen_freigeben();
    EXPECT_TRUE(Hoerschwelle_Kurve.empty());
    EXPECT_TRUE(Tabelle_Frequenz.empty());
    EXPECT_EQ(Hoerschwelle_Funktion(1000), 2.4L); // prepares its knots itself
    Hoerschwelle_Tabellen_erzeugen();
    EXPECT_EQ(Hoerschwelle_Kurve[1000], 2.4L);
    EXPECT_EQ(Tabelle_Frequenz[2180], 20000);
}
