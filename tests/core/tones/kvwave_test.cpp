// Tone files: layout, tone law at its edges, the writers' decisions and failures.
#include "core/tones/kvwave.h"
#include "core/tones/wave_volume.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace
{

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

int16_t sample(const QByteArray& datei, uint32_t frame, int kanal)
{
    int16_t s = 0;
    std::memcpy(&s, datei.constData() + 46 + 4 * frame + 2 * kanal, 2);
    return s;
}

uint32_t feld32(const QByteArray& d, int offset)
{
    uint32_t v = 0;
    std::memcpy(&v, d.constData() + offset, 4);
    return v;
}

class Tondatei : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString pfad(const char* name) const { return ordner.path() + "/" + name; }
};

} // namespace

TEST(Tongesetz, AmplitudeAnDenGrenzen)
{
    long double k30 = 0, k15 = 0;
    Hochzahl_von_abnehmend(3000, k30);
    Hochzahl_von_abnehmend(1500, k15);

    EXPECT_EQ(Linke_Amplitude(false, false, 0, k30), 32700);
    EXPECT_NEAR(double(Linke_Amplitude(false, false, 29.99L, k30)), 1.0, 0.01);
    EXPECT_GT(Linke_Amplitude(false, false, 29.99L, k30), 1);
    EXPECT_EQ(Linke_Amplitude(false, false, 30, k30), 1);
    EXPECT_EQ(Linke_Amplitude(false, false, 45, k30), 1);

    EXPECT_EQ(Linke_Amplitude(true, false, 0, k15), 1);
    EXPECT_LT(Linke_Amplitude(true, false, 14.99L, k15), 32700);
    EXPECT_GT(Linke_Amplitude(true, false, 14.99L, k15), 32400);
    EXPECT_EQ(Linke_Amplitude(true, false, 15, k15), 32700);
    EXPECT_EQ(Linke_Amplitude(true, false, 100, k15), 32700);

    EXPECT_EQ(Linke_Amplitude(false, true, 12.5L, k30), 32700);
    EXPECT_EQ(Linke_Amplitude(true, true, 0, k15), 32700);
}

TEST(Tongesetz, PulsierendeHuelle)
{
    // At t = 0 the envelope is (3 + 1) / 4 = 1: the pulsing sample equals the pure one.
    long double k = 0;
    Hochzahl_von_abnehmend(3000, k);
    EXPECT_EQ(links_digitalisieren(false, true, 0, k, 1000, 3000, false), 32700);
    EXPECT_EQ(Linke_Schall_Funktion(true, 0, 1234), 1);
    // At t = 0.125 s the envelope is (3 - 1) / 4 = 1/2.
    for (float f : {1001.0f, 333.0f, 20000.0f}) {
        const long double rein = Linke_Schall_Funktion(false, 0.125L, f);
        const long double puls = Linke_Schall_Funktion(true, 0.125L, f);
        EXPECT_NEAR(double(puls), double(rein) * 0.5, 1e-15) << f;
    }
    // Frame 5512.5 does not exist; frame 5513 is just past 0.125 s.
    const int16_t rein = links_digitalisieren(false, false, 5513, k, 1001, 0, true);
    const int16_t puls = links_digitalisieren(false, true, 5513, k, 1001, 0, true);
    EXPECT_NEAR(puls, rein / 2.0, 1.0);
}

TEST(Tongesetz, RundungHalbeZurGeradenZahl)
{
    // 32700 * cos(2 pi * 11025 * n / 44100): n = 1 gives cos(pi / 2) = 0 (up to rounding);
    // a constant tone at f = 0 gives exactly 32700 everywhere.
    EXPECT_EQ(links_digitalisieren(false, false, 1, 1, 11025, 0, true), 0);
    EXPECT_EQ(links_digitalisieren(false, false, 777, 1, 0, 0, true), 32700);
}

TEST_F(Tondatei, FallenderReinerTonKopfUndErsterFrame)
{
    const QString l = pfad("abn_l5.wav"), r = pfad("abn_r5.wav");
    ASSERT_TRUE(erzeuge_wave_stereo_l_r(false, false, 3000, 1000, l, r, false, true));
    const QByteArray dl = lesen(l), dr = lesen(r);
    ASSERT_EQ(dl.size(), 5292046);
    ASSERT_EQ(dr.size(), 5292046);

    const unsigned char kopf[46] = {'R',  'I',  'F', 'F', 0x06, 0xC0, 0x50, 0x00, 'W',  'A', 'V', 'E',
                                    'f',  'm',  't', ' ', 18,   0,    0,    0,    1,    0,   2,   0,
                                    0x44, 0xAC, 0,   0,   0x10, 0xB1, 0x02, 0x00, 4,    0,   16,  0,
                                    0,    0,    'd', 'a', 't',  'a',  0xE0, 0xBF, 0x50, 0x00};
    EXPECT_EQ(std::memcmp(dl.constData(), kopf, 46), 0);
    EXPECT_EQ(std::memcmp(dr.constData(), kopf, 46), 0);
    EXPECT_EQ(feld32(dl, 4), 5292038u);
    EXPECT_EQ(feld32(dl, 42), 5292000u);

    EXPECT_EQ(sample(dl, 0, 0), 32700);
    EXPECT_EQ(sample(dl, 0, 1), 0);
    EXPECT_EQ(sample(dr, 0, 0), 0);
    EXPECT_EQ(sample(dr, 0, 1), 32700);

    // The silent channel is 0 throughout; both files carry the same tone.
    bool still = true, gleich = true;
    for (uint32_t n = 0; n < 1323000; ++n) {
        still = still && sample(dl, n, 1) == 0 && sample(dr, n, 0) == 0;
        gleich = gleich && sample(dl, n, 0) == sample(dr, n, 1);
    }
    EXPECT_TRUE(still);
    EXPECT_TRUE(gleich);
    // The last frame is near amplitude 1.
    EXPECT_LE(std::abs(sample(dl, 1322999, 0)), 1);
}

TEST_F(Tondatei, HeaderWaveGibtBloeckeUndGroesse)
{
    QByteArray kopf;
    uint32_t bloecke = 0, groesse = 0;
    Header_wave(kopf, 1500, bloecke, groesse);
    EXPECT_EQ(kopf.size(), 46);
    EXPECT_EQ(bloecke, 441u);
    EXPECT_EQ(groesse, 2646000u);
    EXPECT_EQ(feld32(kopf, 4), 2646038u);
}

TEST_F(Tondatei, SteigenderTonErsterUndLetzterFrame)
{
    const QString l = pfad("abn_l1.wav"), r = pfad("abn_r1.wav");
    ASSERT_TRUE(erzeuge_wave_stereo_l_r(true, false, 1500, 1000, l, r, false, true));
    const QByteArray dl = lesen(l);
    ASSERT_EQ(dl.size(), 2646046);
    ASSERT_EQ(lesen(r).size(), 2646046);
    EXPECT_EQ(sample(dl, 0, 0), 1);

    long double k = 0;
    Hochzahl_von_abnehmend(1500, k);
    const long double t = 661499.0L / 44100;
    const long double A = Linke_Amplitude(true, false, t, k);
    EXPECT_LT(A, 32700);
    EXPECT_GT(A, 32690);
    EXPECT_EQ(sample(dl, 661499, 0), links_digitalisieren(true, false, 661499, k, 1000, 1500, false));
}

TEST_F(Tondatei, KonstanterTonDreissigGleicheSekunden)
{
    const QString l = pfad("Ton_l.wav"), r = pfad("Ton_r.wav");
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(3000, l, r, 440, true));
    const QByteArray dl = lesen(l), dr = lesen(r);
    ASSERT_EQ(dl.size(), 5292046);
    ASSERT_EQ(dr.size(), 5292046);
    EXPECT_EQ(sample(dl, 0, 0), 32700);
    EXPECT_EQ(sample(dr, 0, 1), 32700);
    const int sekunde = 44100 * 4;
    for (int s = 1; s < 30; ++s)
        ASSERT_EQ(std::memcmp(dl.constData() + 46, dl.constData() + 46 + s * sekunde, sekunde), 0) << s;
    for (uint32_t n = 0; n < 44100; ++n)
        ASSERT_EQ(sample(dl, n, 0), links_digitalisieren(false, false, n, 1, 440, 3000, true)) << n;
}

TEST_F(Tondatei, KonstanterTonKopfPasstZumInhalt)
{
    // N not a multiple of 100: the body still holds the N * 441 frames the header names.
    const QString l = pfad("Ton_l.wav"), r = pfad("Ton_r.wav");
    ASSERT_TRUE(erzeuge_wave_stereo_konstant_l_r(150, l, r, 440, true));
    const QByteArray dl = lesen(l);
    ASSERT_EQ(dl.size(), 46 + 150 * 441 * 4);
    EXPECT_EQ(feld32(dl, 42), 150u * 441 * 4);
    EXPECT_EQ(std::memcmp(dl.constData() + 46, dl.constData() + 46 + 44100 * 4, 22050 * 4), 0);
}

TEST_F(Tondatei, OhneNeuErzeugenBleibenVorhandeneDateien)
{
    const QString l = pfad("abn_l2.wav"), r = pfad("abn_r2.wav");
    for (const QString& p : {l, r}) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alte Datei");
    }
    EXPECT_TRUE(erzeuge_wave_stereo_l_r(false, true, 3000, 100, l, r, false, false));
    EXPECT_TRUE(erzeuge_wave_stereo_konstant_l_r(3000, l, r, 100, false));
    EXPECT_EQ(lesen(l), QByteArray("alte Datei"));
    EXPECT_EQ(lesen(r), QByteArray("alte Datei"));

    // One file missing: both are written anew.
    ASSERT_TRUE(QFile::remove(r));
    EXPECT_TRUE(erzeuge_wave_stereo_l_r(false, true, 10, 100, l, r, false, false));
    EXPECT_EQ(lesen(l).size(), 46 + 4410 * 4);
    EXPECT_EQ(lesen(r).size(), 46 + 4410 * 4);

    // With neu_erzeugen the files are replaced.
    EXPECT_TRUE(erzeuge_wave_stereo_l_r(false, true, 20, 100, l, r, false, true));
    EXPECT_EQ(lesen(l).size(), 46 + 8820 * 4);
}

TEST_F(Tondatei, SchreibfehlerGibtFalseUndKeineHalbeDatei)
{
    const QString fehlt = pfad("fehlt/abn_l1.wav");
    const QString gut = pfad("abn_l1.wav");
    EXPECT_FALSE(
        erzeuge_wave_stereo_l_r(false, false, 100, 1000, fehlt, pfad("fehlt/abn_r1.wav"), false, true));
    EXPECT_FALSE(erzeuge_wave_stereo_konstant_l_r(100, fehlt, pfad("fehlt/abn_r1.wav"), 1000, true));

    // A path whose parent is a regular file (root is not stopped by file modes).
    QFile datei(pfad("keinordner"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    EXPECT_FALSE(
        erzeuge_wave_stereo_l_r(false, false, 100, 1000, gut, pfad("keinordner/abn_r1.wav"), false, true));
    EXPECT_FALSE(erzeuge_wave_stereo_l_r_woertlich(false, false, 1, 1000, gut, pfad("keinordner/abn_r1.wav"),
                                                   false, true));

    // The good left file was not put in place and no temporary file is left.
    const QStringList rest = QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(rest, QStringList{"keinordner"});

    // An existing file survives a failed rewrite untouched.
    {
        QFile f(gut);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    EXPECT_FALSE(
        erzeuge_wave_stereo_l_r(false, false, 100, 1000, gut, pfad("keinordner/abn_r1.wav"), false, true));
    EXPECT_EQ(lesen(gut), QByteArray("alt"));

    // N whose size the header cannot hold.
    EXPECT_FALSE(
        erzeuge_wave_stereo_l_r(false, false, Wave_groesstes_N + 1, 1000, gut, pfad("r.wav"), false, true));
}

namespace
{
struct Aufzeichnende_Lautstaerke : Wellenlautstaerke {
    std::vector<std::pair<uint16_t, uint16_t>> gesetzt;
    void setzen(uint16_t links, uint16_t rechts) override { gesetzt.emplace_back(links, rechts); }
};
} // namespace

TEST(Wellenlautstaerke, SetzenUeberDieEingesetzteSteuerung)
{
    Wellenlautstaerke_einsetzen(nullptr);
    SetWaveVolume(100, 200); // nothing installed: nothing happens
    Aufzeichnende_Lautstaerke a;
    Wellenlautstaerke_einsetzen(&a);
    SetWaveVolume(1000, 0);
    SetWaveVolume(0, 65535);
    WaveVolume_hilf(0x0001FFFFu);
    Wellenlautstaerke_einsetzen(nullptr);
    WaveVolume_hilf(0x12345678u);
    const std::vector<std::pair<uint16_t, uint16_t>> erwartet = {{1000, 0}, {0, 65535}, {65535, 1}};
    EXPECT_EQ(a.gesetzt, erwartet);
}
