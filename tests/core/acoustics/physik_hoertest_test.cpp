// Level arithmetic, calibration -> start pressure, the threshold law and the
// results texts.
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>

namespace
{

constexpr double dB_pro_Lauf = 90.29096; // 20 log10(32700): the tone law's whole range

double Pegel_unter_Start(double druck, double start)
{
    return double(Pa_in_Dezibel(start, druck));
}

} // namespace

TEST(Pegelumrechnung, BezugsdruckUndUntergrenze)
{
    EXPECT_EQ(Pa_in_dB(0.00002), 0.0L);
    EXPECT_EQ(Pa_in_dB(0.0), -100.0L);
    EXPECT_EQ(Pa_in_dB(1e-100), -100.0L);
    EXPECT_EQ(Pa_in_dB(-1.0), -100.0L);
    EXPECT_GT(Pa_in_dB(2e-100), -2000.0L); // just above the floor: a real (very low) level
    EXPECT_NEAR(double(dB_in_Pa(94.0)), 1.00237, 1e-5);
    EXPECT_NEAR(double(Pa_in_dB(dB_in_Pa(37.25))), 37.25, 1e-12);
}

TEST(Pegelumrechnung, NullDezibelAUndBewertungen)
{
    EXPECT_NEAR(double(Null_dBA(1000.0)), 0.0, 0.01);
    EXPECT_NEAR(double(Null_dBA(100.0)), 19.1, 0.05);
    EXPECT_NEAR(double(Null_dBA(10000.0)), 2.5, 0.05);
    // dB(A) and dB(C) of the same level at 1000 Hz are (almost) the unweighted level.
    EXPECT_NEAR(double(dBA_in_Pa(60.0, 1000.0) / dB_in_Pa(60.0)), 1.0, 1e-3);
    EXPECT_NEAR(double(dBC_in_Pa(60.0, 1000.0) / dB_in_Pa(60.0)), 1.0, 1e-3);
    // At 100 Hz the A-weighting is -19.1 dB: 40 dB(A) need 59.1 dB.
    EXPECT_NEAR(double(Pa_in_dB(dBA_in_Pa(40.0, 100.0))), 59.14, 0.01);
    EXPECT_NEAR(double(Pa_in_dBA(dBA_in_Pa(12.5, 4321.0), 4321.0)), 12.5, 1e-12);
}

TEST(Pegelumrechnung, Mikrofonfaktoren)
{
    double faktor = 0.0;
    Umrechnungsfaktor_U_p_1000(faktor, 94.0, 0.5);
    EXPECT_NEAR(faktor, 2.00475, 1e-5);
    // A voltage of 0 gives no calibration instead of an infinite factor.
    Umrechnungsfaktor_U_p_1000(faktor, 94.0, 0.0);
    EXPECT_EQ(faktor, 0.0);

    hilfarray gang{};
    hilfarray faktoren{};
    gang[5 - 1] = 0.0;
    gang[1 - 1] = -6.0;  // microphone 6 dB less sensitive: twice the Pa per volt
    gang[21 - 1] = 20.0; // 20 dB more sensitive: a tenth
    for (int i = 1; i <= 21; ++i)
        Umrechnungsfaktoren_U_p(i, faktoren, gang, 3.0);
    EXPECT_NEAR(faktoren[0], 3.0 * 1.99526, 1e-4);
    EXPECT_DOUBLE_EQ(faktoren[4], 3.0);
    EXPECT_NEAR(faktoren[20], 0.3, 1e-12);
    Umrechnungsfaktoren_U_p(22, faktoren, gang, 3.0); // outside the rows: nothing happens
    Umrechnungsfaktoren_U_p(0, faktoren, gang, 3.0);
}

// ---- Start pressures from a hand-made settings record ------------------------

class Anfangsdruck : public ::testing::Test
{
protected:
    Einstellungstyp e{};

    void SetUp() override
    {
        for (int i = 1; i <= 21; ++i) {
            e.Frequenzen[i - 1] = 1000;
            for (int g = 3; g <= 5; ++g) {
                Links_Volume(e, g, i) = 100;
                Rechts_Volume(e, g, i) = 100;
            }
        }
    }
};

TEST_F(Anfangsdruck, SchallpegelJeBewertung)
{
    // Row 1: 94 dB unweighted; row 2: 60 dB(A) at 100 Hz; row 3: 60 dB(C) at
    // 63 Hz; row 4: weighting 7 takes the number itself as Pa.
    Spannung(e, 6, 0, 1) = 94.0;
    e.Schallmesser[0][0] = 0;
    Spannung(e, 6, 0, 2) = 60.0;
    e.Frequenzen[1] = 100;
    e.Schallmesser[0][1] = 1;
    Spannung(e, 6, 0, 3) = 60.0;
    e.Frequenzen[2] = 63;
    e.Schallmesser[0][2] = 2;
    Spannung(e, 6, 0, 4) = 0.5;
    e.Schallmesser[0][3] = 7;
    Spannung(e, 6, 0, 5) = 0.0;
    e.Schallmesser[0][4] = 3;

    Messungen_in_Anfangslautstaerke(true, e);

    EXPECT_NEAR(Spannung(e, 5, 0, 1), 1.00237, 1e-5);
    EXPECT_NEAR(Spannung(e, 5, 0, 2), double(dBA_in_Pa(60.0, 100.0)), 1e-15);
    EXPECT_NEAR(double(Pa_in_dB(Spannung(e, 5, 0, 2))), 79.14, 0.01);
    EXPECT_NEAR(double(Pa_in_dB(Spannung(e, 5, 0, 3))), 60.8, 0.05); // C-weighting at 63 Hz: -0.8 dB
    EXPECT_DOUBLE_EQ(Spannung(e, 5, 0, 4), 0.5);

    // Texts: the start level in dB(A) at the row's frequency, width 4, one decimal.
    EXPECT_EQ(Spannung_string(e, 5, 0, 1).text(), QStringLiteral("94,0"));
    EXPECT_EQ(Spannung_string(e, 5, 0, 2).text(), QStringLiteral("60,0"));
    EXPECT_EQ(Spannung_string(e, 5, 0, 4).text(), extendedzustring(4, 1, Pa_in_dBA(0.5, 1000.0)));
    // A level of 0 Pa ("other" weighting, value 0) has no dB(A): the floor text.
    EXPECT_EQ(Spannung(e, 5, 0, 5), 0.0);
    EXPECT_EQ(Spannung_string(e, 5, 0, 5).text(), QStringLiteral("-100,0"));
    // The right ear is untouched.
    EXPECT_EQ(Spannung(e, 5, 1, 1), 0.0);
    EXPECT_EQ(Spannung_string(e, 5, 1, 1).text(), QString());
}

TEST_F(Anfangsdruck, VolumenVerhaeltnisUndNullVolumen)
{
    Spannung(e, 6, 1, 7) = 94.0;
    e.Schallmesser[1][6] = 0;
    Spannung(e, 6, 1, 8) = 94.0;
    e.Schallmesser[1][7] = 0;
    Rechts_Volume(e, 3, 7) = 200; // twice the calibration volume
    Rechts_Volume(e, 5, 8) = 0;   // calibrated at 0: counts as 1
    Rechts_Volume(e, 3, 8) = 1;

    Messungen_in_Anfangslautstaerke(false, e);

    EXPECT_NEAR(Spannung(e, 5, 1, 7), 2.0 * double(dB_in_Pa(94.0)), 1e-14);
    EXPECT_EQ(Rechts_Volume(e, 5, 8), 1u); // stored back
    EXPECT_NEAR(Spannung(e, 5, 1, 8), double(dB_in_Pa(94.0)), 1e-14);
    EXPECT_EQ(Links_Volume(e, 5, 8), 100u);
}

TEST_F(Anfangsdruck, SpannungskalibrierungUndFensterform)
{
    // Voltage 0.1 V, 2 Pa per volt at 1000 Hz, start volume 300 over calibration volume 150.
    Spannung(e, 4, 0, 5) = 0.1;
    e.Um_Fak_U_p_links[4] = 2.0;
    Links_Volume(e, 3, 5) = 300;
    Links_Volume(e, 4, 5) = 150;
    Links_Volume(e, 4, 6) = 0;

    Messungen_in_Anfangslautstaerke(true, e);
    EXPECT_NEAR(Spannung(e, 3, 0, 5), 0.4, 1e-15);
    EXPECT_EQ(Spannung_string(e, 3, 0, 5).text(), extendedzustring(4, 1, Pa_in_dBA(0.4, 1000.0)));
    EXPECT_EQ(Links_Volume(e, 4, 6), 1u);
    EXPECT_EQ(Spannung_string(e, 3, 0, 6).text(), QStringLiteral("-100,0")); // no factor: 0 Pa

    // The window form takes the start volume from the working volumes instead.
    uint32_t volumes[22] = {};
    volumes[5] = 75;
    QString text;
    e.Eichung = Span_nung;
    EXPECT_NEAR(Eine_Messung_in_Anfangslautstaerke(5, true, volumes, e, text), 0.1, 1e-15);
    EXPECT_EQ(text, extendedzustring(4, 1, Pa_in_dBA(0.1, 1000.0)));
    EXPECT_NEAR(Spannung(e, 3, 0, 5), 0.4, 1e-15); // the record keeps its start pressure

    e.Eichung = Schall_messer;
    Spannung(e, 6, 0, 5) = 80.0; // dB, calibrated at volume 100
    volumes[5] = 50;
    EXPECT_NEAR(Eine_Messung_in_Anfangslautstaerke(5, true, volumes, e, text), 0.5 * double(dB_in_Pa(80.0)),
                1e-15);
    EXPECT_EQ(text, QStringLiteral("74,0"));
}

// ---- Threshold law ----------------------------------------------------------

class Schwelle : public ::testing::Test
{
protected:
    std::array<double, 43> druck{};
    std::array<QString, 43> texte;

    void SetUp() override
    {
        Einstellungen = Einstellungstyp{};
        Einstellungen.Eichung = Schall_messer;
        Spannung(Einstellungen, 5, 0, 3) = 1.0;
        Spannung(Einstellungen, 5, 1, 3) = 1.0;
        Spannung(Einstellungen, 3, 0, 3) = 0.25;
    }
    void TearDown() override { Einstellungen = Einstellungstyp{}; }

    double Nach(bool zunehmend, double t, bool links = true)
    {
        Einstellungen.zunehmend = zunehmend ? 1 : 0;
        Hoertest_Druck_berechnen(links, 3, t, druck, texte);
        return druck[Druck_index(links, 3)];
    }
};

TEST_F(Schwelle, FallenderTon)
{
    EXPECT_NEAR(Pegel_unter_Start(Nach(false, 10.0), 1.0), 30.097, 1e-3);
    EXPECT_EQ(Tondauer_hundertstel, 3000);
    EXPECT_NEAR(Pegel_unter_Start(Nach(false, 0.0), 1.0), 0.0, 1e-12);
    // After the tone's end the final amplitude 1/32700 holds.
    EXPECT_NEAR(Pegel_unter_Start(Nach(false, 40.0), 1.0), dB_pro_Lauf, 1e-4);
    EXPECT_NEAR(Pegel_unter_Start(Nach(false, 30.0), 1.0), dB_pro_Lauf, 1e-4);
}

TEST_F(Schwelle, SteigenderTon)
{
    EXPECT_NEAR(Pegel_unter_Start(Nach(true, 0.0), 1.0), dB_pro_Lauf, 1e-4);
    EXPECT_EQ(Tondauer_hundertstel, 1500);
    EXPECT_NEAR(Pegel_unter_Start(Nach(true, 5.0), 1.0), dB_pro_Lauf - 5 * 6.0194, 1e-3);
    EXPECT_NEAR(Pegel_unter_Start(Nach(true, 15.0), 1.0), 0.0, 1e-12);
    EXPECT_NEAR(Pegel_unter_Start(Nach(true, 100.0), 1.0), 0.0, 1e-12);
}

TEST_F(Schwelle, OhrKalibrierungUndText)
{
    const double rechts = Nach(false, 10.0, false);
    EXPECT_EQ(druck[21 + 3], rechts);
    EXPECT_EQ(druck[3], 0.0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^0,\\d{8}$")).match(texte[24]).hasMatch())
        << texte[24].toStdString();
    EXPECT_EQ(texte[24], extendedzustring(0, 8, rechts));

    Einstellungen.Eichung = Span_nung; // kind 3: a quarter of the pressure
    EXPECT_NEAR(Nach(false, 10.0), rechts * 0.25, 1e-18);
    Hoertest_Druck_berechnen(true, 22, 1.0, druck, texte); // no such row: nothing written
    EXPECT_EQ(druck[42], 0.0);
}

// ---- Levels and texts for the results --------------------------------------

TEST(Dezibel_berechnen, GemessenNichtGemessenUndBreiten)
{
    std::array<double, 43> druck{};
    Freqarray f{};
    for (int i = 1; i <= 21; ++i)
        f[i - 1] = 1000;
    f[1] = 100;
    f[20] = 16000;
    druck[1] = double(dB_in_Pa(23.44));  // left row 1 at 1000 Hz
    druck[2] = double(dB_in_Pa(50.0));   // left row 2 at 100 Hz
    druck[3] = 1e-15;                    // exactly the limit: not measured
    druck[22] = double(dB_in_Pa(-3.26)); // right row 1
    druck[42] = double(dB_in_Pa(5.0));   // right row 21 at 16000 Hz

    const Dezibel_Ergebnis breit = Hoertest_Dezibel_berechnen(druck, f, false);
    EXPECT_TRUE(breit.gemessen_links[1]);
    EXPECT_EQ(breit.dB_texte[1], QStringLiteral("      23,4"));
    EXPECT_DOUBLE_EQ(breit.dB_werte[1], 23.4);
    EXPECT_EQ(breit.dB_texte[22], QStringLiteral("      -3,3"));
    EXPECT_DOUBLE_EQ(breit.dB_werte[22], -3.3);
    EXPECT_EQ(breit.dBA_texte[2], extendedzustring(10, 1, 50.0L - Null_dBA(100.0)));
    EXPECT_NEAR(breit.dBA_werte[2], 30.9, 1e-12);
    EXPECT_FALSE(breit.gemessen_links[3]);
    EXPECT_EQ(breit.dB_texte[3], Leerzeichen(10));
    EXPECT_EQ(breit.dBA_texte[3], Leerzeichen(10));
    EXPECT_EQ(breit.dB_werte[3], 0.0);
    EXPECT_FALSE(breit.gemessen_rechts[2]);
    EXPECT_TRUE(breit.gemessen_rechts[1]);
    EXPECT_TRUE(breit.gemessen_rechts[21]);

    // Reference values per row: ISO threshold 2.4 dB and 0 dB(A) at 1000 Hz;
    // no ISO threshold above 12500 Hz.
    EXPECT_EQ(breit.norm_texte[1], QStringLiteral("       2,4"));
    EXPECT_DOUBLE_EQ(breit.norm_werte[1], 2.4);
    EXPECT_EQ(breit.null_texte[1], extendedzustring(10, 1, Null_dBA(1000.0)));
    EXPECT_NEAR(breit.null_werte[1], 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(breit.null_werte[2], 19.1);
    EXPECT_EQ(breit.norm_texte[21], Leerzeichen(10));
    EXPECT_EQ(breit.norm_werte[21], 0.0);
    EXPECT_EQ(breit.null_texte[21], extendedzustring(10, 1, Null_dBA(16000.0)));

    // Narrow: width 6, the blanks of unmeasured values stay 10.
    const Dezibel_Ergebnis schmal = Hoertest_Dezibel_berechnen(druck, f, true);
    EXPECT_EQ(schmal.dB_texte[1], QStringLiteral("  23,4"));
    EXPECT_EQ(schmal.norm_texte[1], QStringLiteral("   2,4"));
    EXPECT_EQ(schmal.dB_texte[3], Leerzeichen(10));
    EXPECT_EQ(schmal.norm_texte[21], Leerzeichen(10));
    EXPECT_EQ(schmal.dB_werte, breit.dB_werte);
}

// ---- Volume step of the automatic calibration --------------------------------

TEST(Auto1_Lautstaerke, SchrittUndGrenzen)
{
    int32_t neu = 0;
    EXPECT_TRUE(Auto1_Lautstaerke(4321, 65530, neu, 57.3, 57.3));
    EXPECT_EQ(neu, 4321);
    EXPECT_TRUE(Auto1_Lautstaerke(300, 65530, neu, 40.0, 52.0)); // 300 * 10^(12/20) = 1194.3
    EXPECT_EQ(neu, 1194);
    EXPECT_TRUE(Auto1_Lautstaerke(1194, 65530, neu, 52.0, 40.0));
    EXPECT_EQ(neu, 300);
    EXPECT_FALSE(Auto1_Lautstaerke(30000, 65530, neu, 40.0, 50.0));
    EXPECT_EQ(neu, 65530);
    EXPECT_FALSE(Auto1_Lautstaerke(300, 65530, neu, 80.0, 20.0)); // 0.3 rounds to 0
    EXPECT_EQ(neu, 1);
    // Corrections far beyond the integer range clamp without overflow.
    EXPECT_FALSE(Auto1_Lautstaerke(65530, 65530, neu, -400.0, 400.0));
    EXPECT_EQ(neu, 65530);
    EXPECT_FALSE(Auto1_Lautstaerke(65530, 65530, neu, 400.0, -400.0));
    EXPECT_EQ(neu, 1);
    EXPECT_FALSE(Auto1_Lautstaerke(500, 65530, neu, std::nan(""), 40.0));
    EXPECT_EQ(neu, 500);
    // The same variable in and out, as the calibration calls it.
    int32_t vol = 1000;
    EXPECT_TRUE(Auto1_Lautstaerke(vol, 65530, vol, 46.0, 40.0));
    EXPECT_EQ(vol, 501);
}
