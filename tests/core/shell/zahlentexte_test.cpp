// Number texts with the decimal comma, rounding and the small text helpers.
#include "core/shell/kvhilf.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Zahlentexte, KommaUndPunktTauschenNurDasErsteZeichen)
{
    QString s = QStringLiteral("1,2,3");
    KommaZuPunkt(s);
    EXPECT_EQ(s, QStringLiteral("1.2,3"));
    s = QStringLiteral("1.2.3");
    PunktzuKomma(s);
    EXPECT_EQ(s, QStringLiteral("1,2.3"));
    s = QStringLiteral("123");
    KommaZuPunkt(s);
    PunktzuKomma(s);
    EXPECT_EQ(s, QStringLiteral("123"));
}

TEST(Zahlentexte, StringzuDoubleNimmtKommaUndPunkt)
{
    double d = 0;
    bool ok = false;
    StringzuDouble(QStringLiteral("3,5"), d, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(d, 3.5);
    d = 0;
    StringzuDouble(QStringLiteral("3.5"), d, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(d, 3.5);
    StringzuDouble(QStringLiteral("-0,25"), d, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(d, -0.25);
    StringzuDouble(QStringLiteral("1,5e3"), d, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(d, 1500.0);
}

TEST(Zahlentexte, StringzuDoubleScheitertUndLaesstDenWert)
{
    // Only the first comma becomes a point, so two commas are no number.
    for (const char* falsch :
         {"3,5,1", "", "   ", "abc", "3,5x", "1.2.3", "inf", "nan", "0x10", "+", "--1", "1e999"}) {
        double d = 42.0;
        bool ok = true;
        StringzuDouble(QString::fromLatin1(falsch), d, ok);
        EXPECT_FALSE(ok) << falsch;
        EXPECT_EQ(d, 42.0) << falsch;
    }
}

TEST(Zahlentexte, StringzuIntegerRundetZurGeradenZahl)
{
    struct Fall {
        const char* text;
        int32_t wert;
        bool nicht_ganz;
    };
    for (const Fall& f :
         {Fall{"2,5", 2, true}, Fall{"3,5", 4, true}, Fall{"-2.5", -2, true}, Fall{"7", 7, false},
          Fall{"7,0", 7, false}, Fall{"6,7", 7, true}, Fall{"-0,4", 0, true}}) {
        bool ok = false;
        bool nicht_ganz = !f.nicht_ganz;
        EXPECT_EQ(StringzuInteger(QString::fromLatin1(f.text), ok, nicht_ganz), f.wert) << f.text;
        EXPECT_TRUE(ok) << f.text;
        EXPECT_EQ(nicht_ganz, f.nicht_ganz) << f.text;
    }
}

TEST(Zahlentexte, StringzuIntegerFehlerGibtNullUndLaesstDasZweiteFlag)
{
    for (const char* falsch : {"2,5,5", "zwei", "", "1e20"}) {
        bool ok = true;
        bool nicht_ganz = true;
        EXPECT_EQ(StringzuInteger(QString::fromLatin1(falsch), ok, nicht_ganz), 0) << falsch;
        EXPECT_FALSE(ok) << falsch;
        EXPECT_TRUE(nicht_ganz) << falsch;
    }
}

TEST(Zahlentexte, RundenaufAufZehnerpotenzen)
{
    EXPECT_NEAR(double(Rundenauf(-1, 12.34L)), 12.3, 1e-12);
    EXPECT_EQ(Rundenauf(1, 1234.0L), 1230.0L);
    EXPECT_EQ(Rundenauf(2, 1234.0L), 1200.0L);
    EXPECT_EQ(Rundenauf(0, -7.6L), -8.0L);
    // Ties go to the even neighbour.
    EXPECT_EQ(Rundenauf(0, 2.5L), 2.0L);
    EXPECT_EQ(Rundenauf(0, 3.5L), 4.0L);
    EXPECT_EQ(Rundenauf(0, -2.5L), -2.0L);
    EXPECT_EQ(Rundenauf(1, 1245.0L), 1240.0L);
    EXPECT_EQ(Rundenauf(1, 1255.0L), 1260.0L);
    EXPECT_EQ(Rundenauf(2, 1250.0L), 1200.0L);
}

TEST(Zahlentexte, RundenaufLaesstRiesigeQuotientenUnberuehrt)
{
    // |x / 10^stelle| >= 1e18: x comes back exactly, fractional digits included.
    const long double x = 2e16L + 0.123L;
    EXPECT_EQ(Rundenauf(-2, x), x);
    EXPECT_EQ(Rundenauf(0, 1e25L + 0.0L), 1e25L);
    EXPECT_EQ(Rundenauf(0, -3e18L), -3e18L);
    // Just below the limit it is still rounded.
    EXPECT_EQ(Rundenauf(0, 123456789012345.5L), 123456789012346.0L);
}

TEST(Zahlentexte, ZerlegeInMantisseUndExponent)
{
    struct Fall {
        long double x;
        long double m;
        int e;
    };
    for (const Fall& f :
         {Fall{250.0L, 2.5L, 2}, Fall{0.05L, 5.0L, -2}, Fall{0.5L, 5.0L, -1}, Fall{1.0L, 1.0L, 0},
          Fall{9.99L, 9.99L, 0}, Fall{1000.0L, 1.0L, 3}, Fall{0.00002L, 2.0L, -5}}) {
        long double m = -1;
        int e = -99;
        Zerlege_in_Mantisse_Exponent(f.x, m, e);
        EXPECT_EQ(e, f.e) << double(f.x);
        EXPECT_NEAR(double(m), double(f.m), 1e-12) << double(f.x);
    }
    long double m = -1;
    int e = 7;
    Zerlege_in_Mantisse_Exponent(1e-60L, m, e);
    EXPECT_EQ(e, 0);
    EXPECT_EQ(m, 1e-60L);
    Zerlege_in_Mantisse_Exponent(0.0L, m, e);
    EXPECT_EQ(e, 0);
    EXPECT_EQ(m, 0.0L);
}

TEST(Zahlentexte, ExtendedzustringBreiteUndKomma)
{
    const QString s = extendedzustring(6, 1, 42.25L);
    ASSERT_EQ(s.size(), 6);
    EXPECT_TRUE(s == QStringLiteral("  42,2") || s == QStringLiteral("  42,3")) << s.toStdString();
    EXPECT_EQ(extendedzustring(0, 2, 3.14159L), QStringLiteral("3,14"));
    EXPECT_EQ(extendedzustring(7, 2, -1.5L), QStringLiteral("  -1,50"));
    EXPECT_EQ(extendedzustring(5, 0, 12.0L), QStringLiteral("   12"));
    // Wider numbers are never cut.
    EXPECT_EQ(extendedzustring(2, 1, 12345.0L), QStringLiteral("12345,0"));
    QString aus;
    extendedzustring(4, 1, aus, 10.0L);
    EXPECT_EQ(aus, QStringLiteral("10,0"));
}

TEST(Zahlentexte, RundenzustringStellen)
{
    EXPECT_EQ(Rundenzustring(0, 2, 1234.0L), QStringLiteral("1200"));
    EXPECT_EQ(Rundenzustring(0, 2, 1250.0L), QStringLiteral("1200"));
    EXPECT_EQ(Rundenzustring(0, 0, 2.5L), QStringLiteral("2"));
    EXPECT_EQ(Rundenzustring(0, -1, 12.34L), QStringLiteral("12,3"));
    EXPECT_EQ(Rundenzustring(8, -2, 3.14159L), QStringLiteral("    3,14"));
    QString aus;
    Rundenzustring(6, 2, aus, 98765.0L);
    EXPECT_EQ(aus, QStringLiteral(" 98800"));
}

TEST(Zahlentexte, LeerzeichenNullenUndAuffuellen)
{
    EXPECT_EQ(Leerzeichen(3), QStringLiteral("   "));
    EXPECT_TRUE(Leerzeichen(0).isEmpty());
    EXPECT_TRUE(Leerzeichen(-4).isEmpty());
    EXPECT_EQ(Nullen(2), QStringLiteral("00"));
    EXPECT_TRUE(Nullen(-1).isEmpty());
    EXPECT_EQ(Nullen_auffuellen_links(QStringLiteral("123"), 5), QStringLiteral("00123"));
    EXPECT_EQ(Nullen_auffuellen_links(QStringLiteral("123"), 3), QStringLiteral("123"));
    EXPECT_EQ(Nullen_auffuellen_links(QStringLiteral("123"), 2), QStringLiteral("123"));
    EXPECT_EQ(Nullen_auffuellen_links(QString(), 2), QStringLiteral("00"));
}

TEST(Zahlentexte, FarbwertUndMaximum)
{
    EXPECT_EQ(RGB(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(RGB(255, 255, 255), 0x00FFFFFF);
    EXPECT_EQ(max_int(-3, -7), -3);
    EXPECT_EQ(max_int(4, 9), 9);
}
