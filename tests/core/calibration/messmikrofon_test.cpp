// The measurement microphone's calibration: the calibration files it is
// shipped with (and the ones that must be refused), the meter tables built
// from sensitivity and response, checked against tones of known sound
// pressure through a microphone of known response, the calibrator route,
// and the program's own file of the active calibration.
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/pegelanzeige.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/calibration/messmikrofon.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace
{

constexpr double pi = std::numbers::pi;

// The truth: a microphone deviating up to +-6 dB across the band, and its
// calibration file sampled at 300 points from 10 Hz to 24 kHz.
double Wahre_Abweichung(double f)
{
    return 6.0 * std::sin(1.7 * std::log(f / 20.0));
}

QByteArray Kalibrierdatei(const char* kopf = "\"Sens Factor =-1.23dB, AGain =18dB, SERNO: 7000123\"")
{
    QByteArray t = QByteArray(kopf) + "\n* Frequenz dB Phase\n";
    for (int i = 0; i < 300; ++i) {
        const double f = 10.0 * std::pow(2400.0, i / 299.0);
        t += QByteArray::number(f, 'f', 3) + "\t" + QByteArray::number(Wahre_Abweichung(f), 'f', 4) + " 0.0\n";
    }
    return t;
}

// Samples of tones (Hz, Pa RMS) through the true microphone at sensitivity
// s dBFS at 94 dB SPL, with a little noise.
std::vector<int16_t> Aufnahme(const std::vector<std::pair<double, double>>& toene, double s, int frames,
                              double rauschen = 1.0)
{
    std::vector<int16_t> x(static_cast<size_t>(frames));
    std::mt19937 zufall(7);
    std::normal_distribution<double> n(0.0, rauschen);
    const double pro_Pa_1k = 32768.0 / std::sqrt(2.0) * std::pow(10.0, s / 20.0) / double(dB_in_Pa(94));
    for (int i = 0; i < frames; ++i) {
        double v = n(zufall);
        for (const auto& [f, p] : toene) {
            const double M = pro_Pa_1k * std::pow(10.0, (Wahre_Abweichung(f) - Wahre_Abweichung(1000)) / 20.0);
            v += M * p * std::sqrt(2.0) * std::sin(2 * pi * f * i / 44100.0 + 0.3);
        }
        x[size_t(i)] = int16_t(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
    }
    return x;
}

class Messmikrofon : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kvFFT_dyn_Arrays_erzeugen(4096));
        kvFFT_Grundeinstellungen(4096);
    }
    void TearDown() override { kvFFT_dyn_arrays_schliessen(); }
};

} // namespace

TEST(Kalibrierdatei, LiestPunkteUndEmpfindlichkeit)
{
    struct Fall {
        const char* name;
        QByteArray text;
        size_t punkte;
        std::optional<double> dBFS, dBV;
    };
    const std::vector<Fall> faelle = {
        {"usb_kopf", Kalibrierdatei(), 300, -19.23, {}},
        {"dbv_kopf", "*1000Hz -40.3\n20 -1.5\n1000 0\n20000 2.5\n", 3, {}, -40.3},
        {"kopf_ohne_zeichen", "Sens Factor =0.5dB, AGain =12dB, SERNO: 1\n100 1\n1000 0\n", 2, -11.5, {}},
        {"kommentare_tabs_crlf", "; a\r\n# b\r\n\"c\"\r\n100\t1.0\t-3\r\n\r\n1000\t0.0\r\n", 2, {}, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Mikrofon_Frequenzgang g;
        QString fehler;
        ASSERT_TRUE(Kalibrierdatei_lesen(f.text, g, fehler)) << fehler.toStdString();
        EXPECT_EQ(g.Frequenz.size(), f.punkte);
        EXPECT_EQ(g.Empfindlichkeit_dBFS.has_value(), f.dBFS.has_value());
        if (f.dBFS) {
            EXPECT_NEAR(*g.Empfindlichkeit_dBFS, *f.dBFS, 1e-9);
        }
        EXPECT_EQ(g.Empfindlichkeit_dBV.has_value(), f.dBV.has_value());
    }
}

TEST(Kalibrierdatei, UnbrauchbareDateienWerdenAbgelehnt)
{
    QByteArray binaer("\x7f" "ELF\x02\x01\x01\0\0\0", 10);
    QByteArray gross;
    while (gross.size() < 10 * 1024 * 1024)
        gross += "1000 0.0\n";
    struct Fall {
        const char* name;
        QByteArray text;
        const char* meldung; // part of the German message
    };
    const std::vector<Fall> faelle = {
        {"leer", "", "leer"},
        {"nur_kommentare", "* nichts\n; auch nichts\n", "keine Messpunkte"},
        {"binaer", binaer, "keinen Text"},
        {"absteigend", "100 0\n1000 0\n500 1\n", "aufsteigen"},
        {"wiederholt", "100 0\n1000 0\n1000 1\n", "aufsteigen"},
        {"nan", "100 nan\n1000 0\n", "Zeile 1"},
        {"inf", "100 0\n1000 inf\n", "Zeile 2"},
        {"komma", "100 0,5\n1000 0\n", "Dezimalpunkt"},
        {"empfindlichkeit_zu_hoch", "\"Sens Factor =5dB, AGain =0dB\"\n1000 0\n", "-100 und 0"},
        {"empfindlichkeit_zu_tief", "\"Sens Factor =-10dB, AGain =95dB\"\n1000 0\n", "-100 und 0"},
        {"kein_punkt_bei_1khz", "20 0\n500 0\n2000 0\n20000 0\n", "1000 Hz"},
        {"unmoegliche_abweichung", "100 80\n1000 0\n", "außerhalb"},
        {"negative_frequenz", "-100 0\n1000 0\n", "außerhalb"},
        {"zehn_mb", gross, "zu groß"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Mikrofon_Frequenzgang g;
        g.Frequenz = {1.0};
        g.Abweichung_dB = {2.0};
        QString fehler;
        EXPECT_FALSE(Kalibrierdatei_lesen(f.text, g, fehler));
        EXPECT_TRUE(fehler.contains(QString::fromUtf8(f.meldung))) << fehler.toStdString();
        EXPECT_EQ(g.Frequenz.size(), 1u); // what was there stays
    }
}

TEST(Kalibrierdatei, ZehnMegabyteVonDerPlatteGarNichtErstGelesen)
{
    const QString pfad = QStringLiteral(VAZOZEZ_TEST_OUTPUT "/zehn_mb.txt");
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(10 * 1024 * 1024, '1'));
    f.close();
    Mikrofon_Frequenzgang g;
    QString fehler;
    EXPECT_FALSE(Kalibrierdatei_laden(pfad, g, fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << fehler.toStdString();
    QFile::remove(pfad);
}

TEST(Kalibrierdatei, InterpolationUeberLogFrequenzUndKonstantAnDenEnden)
{
    Mikrofon_Frequenzgang g;
    QString fehler;
    ASSERT_TRUE(Kalibrierdatei_lesen("100 -2\n1000 0\n10000 4\n", g, fehler));
    const std::vector<std::pair<double, double>> faelle = {
        {20, -2}, {100, -2}, {std::sqrt(1000.0 * 100.0), -1}, {1000, 0}, {std::sqrt(1e7), 2}, {10000, 4}, {22000, 4}};
    for (const auto& [f, d] : faelle)
        EXPECT_NEAR(Abweichung_bei(g, f), d, 1e-9) << f;
    ASSERT_TRUE(Kalibrierdatei_lesen("100 -2\n900 1\n10000 4\n", g, fehler));
    EXPECT_NEAR(Abweichung_relativ(g, 1000), 0.0, 1e-12);
}

// The built tables read tones of known pressure right, in dB, dB(A) and
// dB(C), through the microphone's +-6 dB response, at 100 Hz, 1 kHz, 10 kHz.
TEST_F(Messmikrofon, BekannteToeneLesenIhrenPegel)
{
    Mikrofon_Kalibrierung k;
    QString fehler;
    ASSERT_TRUE(Kalibrierdatei_lesen(Kalibrierdatei(), k.Gang, fehler));
    k.Empfindlichkeit_dBFS = *k.Gang.Empfindlichkeit_dBFS;
    Mikrofon_Kalibrierung_anwenden(k);
    double schlimmster = 0;
    for (const double f : {100.0, 1000.0, 10000.0}) {
        for (const double L : {60.0, 90.0}) {
            SCOPED_TRACE(testing::Message() << f << " Hz, " << L << " dB");
            const double p = double(dB_in_Pa(L));
            const auto x = Aufnahme({{f, p}}, k.Empfindlichkeit_dBFS, 3 * 4101, 0.0);
            Spektrum_Sammler s;
            s.Puffer_anhaengen(x.data(), x.size());
            ASSERT_EQ(s.Bloecke(), 3);
            const Pegelwerte w = s.auswerten(FFT_Tabellen);
            const double dBA = double(Pa_in_dBA(p, f));
            const double dBC = double(Pa_in_Dezibel(p, p0C(f)));
            EXPECT_NEAR(w.dB, L, 0.2);
            EXPECT_NEAR(w.dBA, dBA, 0.2);
            EXPECT_NEAR(w.dBC, dBC, 0.2);
            EXPECT_NEAR(w.Frequenz, f, f * 0.005 + 1.0);
            EXPECT_FALSE(w.uebersteuert);
            schlimmster = std::max({schlimmster, std::fabs(w.dB - L), std::fabs(w.dBA - dBA)});
        }
    }
    std::printf("live meter, worst error at 100 Hz / 1 kHz / 10 kHz: %.3f dB\n", schlimmster);
}

// The calibrator: a 94 or 114 dB tone at 1 kHz sets the sensitivity; a
// recording that reaches full scale says so.
TEST_F(Messmikrofon, KalibratorSetztEmpfindlichkeit)
{
    struct Fall {
        double s, kalibrator;
        bool uebersteuert;
    };
    double schlimmster = 0;
    for (const Fall& c : {Fall{-38.0, 94, false}, Fall{-38.0, 114, false}, Fall{-12.5, 94, false},
                          Fall{-5.0, 114, true}}) {
        SCOPED_TRACE(testing::Message() << c.s << " dBFS, " << c.kalibrator << " dB");
        const auto x = Aufnahme({{1000.0, double(dB_in_Pa(c.kalibrator))}}, c.s, 32 * 4101, 3.0);
        Spektrum_Sammler sammler;
        for (size_t i = 0; i < x.size(); i += 4101)
            sammler.Puffer_anhaengen(x.data() + i, 4101);
        EXPECT_EQ(sammler.uebersteuert(), c.uebersteuert);
        if (c.uebersteuert)
            continue;
        const int mitte = int(std::lround(1000.0 / (44100.0 / 4096)));
        const double band = sammler.Band_dBFS(mitte - 4, mitte + 4);
        EXPECT_LE(sammler.Gesamt_dBFS() - band, 1.0); // a clean tone
        const double s = Empfindlichkeit_aus_Kalibrator(band, c.kalibrator);
        EXPECT_NEAR(s, c.s, 0.1);
        schlimmster = std::max(schlimmster, std::fabs(s - c.s));
    }
    std::printf("calibrator route, worst sensitivity error: %.3f dB\n", schlimmster);
}

TEST(MikrofonKalibrierungDatei, HinUndZurueckUndUnmoeglichesAbgelehnt)
{
    Mikrofon_Kalibrierung k;
    QString fehler;
    ASSERT_TRUE(Kalibrierdatei_lesen(Kalibrierdatei(), k.Gang, fehler));
    k.Kalibrierdatei = QStringLiteral("/home/a/Mikro 7000123.txt");
    k.Empfindlichkeit_dBFS = -19.23;
    k.Datum = QStringLiteral("2025-03-04");
    k.Geraet = QStringLiteral("USB-Mikrofon");
    k.Eingang = QStringLiteral("Capture");
    const QByteArray text = Mikrofon_Kalibrierung_Text(k);
    Mikrofon_Kalibrierung z;
    ASSERT_TRUE(Mikrofon_Kalibrierung_aus_Text(text, z, fehler)) << fehler.toStdString();
    EXPECT_EQ(z.Kalibrierdatei, k.Kalibrierdatei);
    EXPECT_EQ(z.Empfindlichkeit_dBFS, k.Empfindlichkeit_dBFS);
    EXPECT_EQ(z.Geraet, k.Geraet);
    EXPECT_EQ(z.Gang.Frequenz, k.Gang.Frequenz);
    EXPECT_EQ(z.Gang.Abweichung_dB, k.Gang.Abweichung_dB);
    EXPECT_EQ(Mikrofon_Kalibrierung_Beschreibung(z),
              QStringLiteral("Messmikrofon: Mikro 7000123.txt, -19,2 dBFS bei 94 dB SPL, vom 04.03.2025"));

    const std::vector<std::pair<const char*, QByteArray>> kaputt = {
        {"fremd", "irgendwas\n"},
        {"empfindlichkeit", QByteArray(text).replace("Empfindlichkeit=-19.23", "Empfindlichkeit=12")},
        {"nan", QByteArray(text).replace("Empfindlichkeit=-19.23", "Empfindlichkeit=nan")},
        {"datum", QByteArray(text).replace("Datum=2025-03-04", "Datum=gestern")},
        {"punkte", text + "5 0\n"},
    };
    for (const auto& [name, t] : kaputt) {
        SCOPED_TRACE(name);
        Mikrofon_Kalibrierung y = k;
        EXPECT_FALSE(Mikrofon_Kalibrierung_aus_Text(t, y, fehler));
        EXPECT_TRUE(fehler.startsWith(QStringLiteral("Die Datei der Mikrofonkalibrierung ist unbrauchbar")));
        EXPECT_EQ(y.Empfindlichkeit_dBFS, -19.23);
    }
}
