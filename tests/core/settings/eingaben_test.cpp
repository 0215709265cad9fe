// What the options, frequency-response and measurement windows take over
// into the settings: the frequency check and its consequences for the stored
// tone files, G(f) with its conversion factors, levels and voltages with the
// microphone factors, and the copy of one ear to the other.
#include "testumgebung.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/frequenzgang.h"
#include "core/settings/optionen.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/programmstart.h"

#include <cmath>

class Eingaben_Test : public Einstellungs_Test
{
protected:
    void SetUp() override
    {
        Einstellungs_Test::SetUp();
        Einstellungsordner_festlegen();
        ASSERT_EQ(Einstellungsordner, ordner());
        Grundeinstellungen_von_Festplatte_holen();
        ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    }
};

TEST_F(Eingaben_Test, FrequenzpruefungGrenzen)
{
    for (const char* gut : {"20", "20000", "440", " 1000 ", "440,0", "440.0"})
        EXPECT_TRUE(Frequenzeingabe_richtig(QString::fromLatin1(gut))) << gut;
    for (const char* falsch : {"19", "20001", "440,5", "440.5", "", "abc", "-440", "0", "1e9"})
        EXPECT_FALSE(Frequenzeingabe_richtig(QString::fromLatin1(falsch))) << falsch;
}

TEST_F(Eingaben_Test, OptionenFrequenzenUndMarken)
{
    Einstellungen.Freq_geaendert = 0;
    Einstellungen.Freq_welche_geaendert.fill(0);
    Optionen_Eingaben o = Optionen_aus_Einstellungen(Einstellungen);
    EXPECT_EQ(o.frequenzen[4], QStringLiteral("1000"));
    o.frequenzen[1] = QStringLiteral("125,0"); // whole number with a comma
    o.frequenzen[2] = QStringLiteral("70000"); // out of range: never wrapped into 16 bits
    o.frequenzen[3] = QStringLiteral("Hallo");
    Optionen_in_Einstellungen(Einstellungen, o);
    EXPECT_EQ(Einstellungen.Frequenzen[1], 125);
    EXPECT_EQ(Einstellungen.Frequenzen_string[1].text(), QStringLiteral("125"));
    EXPECT_EQ(Einstellungen.Frequenzen[2], 200);
    EXPECT_EQ(Einstellungen.Frequenzen_string[2].text(), QStringLiteral("200"));
    EXPECT_EQ(Einstellungen.Frequenzen[3], 500);
    EXPECT_EQ(Einstellungen.Frequenzen_string[3].text(), QStringLiteral("500"));
    EXPECT_EQ(Einstellungen.Freq_welche_geaendert[1], 1);
    for (int i : {0, 2, 3, 4, 20})
        EXPECT_EQ(Einstellungen.Freq_welche_geaendert[size_t(i)], 0) << i;
    EXPECT_EQ(Einstellungen.Freq_geaendert, 1);
}

TEST_F(Eingaben_Test, OptionenDateienBehaltenMarktImmerNeu)
{
    // Nothing changed, files kept: the whole stored set is still renewed.
    Einstellungen.Freq_geaendert = 0;
    Einstellungen.Freq_welche_geaendert.fill(0);
    Optionen_in_Einstellungen(Einstellungen, Optionen_aus_Einstellungen(Einstellungen));
    EXPECT_EQ(Einstellungen.Freq_geaendert, 1);
    EXPECT_EQ(Einstellungen.wave_immer_neu, 0);
    EXPECT_EQ(Tondauer_hundertstel, 3000);
}

TEST_F(Eingaben_Test, OptionenTonartMarktAlleZeilenUndTondauer)
{
    Einstellungen.Freq_geaendert = 0;
    Einstellungen.Freq_welche_geaendert.fill(0);
    Optionen_Eingaben o = Optionen_aus_Einstellungen(Einstellungen);
    o.abnehmend = false;
    o.dateien_behalten = false;
    Optionen_in_Einstellungen(Einstellungen, o);
    EXPECT_EQ(Einstellungen.zunehmend, 1);
    EXPECT_EQ(Tondauer_hundertstel, 1500);
    for (uint8_t m : Einstellungen.Freq_welche_geaendert)
        EXPECT_EQ(m, 1);
    Einstellungen.Freq_welche_geaendert.fill(0);
    o.pulsierend = false;
    Optionen_in_Einstellungen(Einstellungen, o);
    EXPECT_EQ(Einstellungen.pulsierend, 0);
    for (uint8_t m : Einstellungen.Freq_welche_geaendert)
        EXPECT_EQ(m, 1);
}

TEST_F(Eingaben_Test, ImmerNeuLoeschtDie42Dateien)
{
    QDir().mkpath(Wave_ordner());
    for (int i = 1; i <= Zeilen; ++i)
        for (const QString& p : {Tondatei_links(i), Tondatei_rechts(i)})
            ASSERT_TRUE(testumgebung::schreiben_datei(p, QByteArray("x")));
    ASSERT_TRUE(testumgebung::schreiben_datei(Wave_ordner() + QStringLiteral("/Ton_l.wav"), QByteArray("x")));
    Optionen_Eingaben o = Optionen_aus_Einstellungen(Einstellungen);
    o.dateien_behalten = true;
    Optionen_in_Einstellungen(Einstellungen, o);
    EXPECT_EQ(QDir(Wave_ordner()).entryList({QStringLiteral("abn_*.wav")}, QDir::Files).size(), 42);
    o.dateien_behalten = false;
    Optionen_in_Einstellungen(Einstellungen, o);
    EXPECT_EQ(Einstellungen.wave_immer_neu, 1);
    EXPECT_TRUE(QDir(Wave_ordner()).entryList({QStringLiteral("abn_*.wav")}, QDir::Files).isEmpty());
    EXPECT_TRUE(QFile::exists(Wave_ordner() + QStringLiteral("/Ton_l.wav")));
}

TEST_F(Eingaben_Test, FrequenzgangTexteUndFaktoren)
{
    Einstellungen.Um_Fak_U_p_1000_links = 2.0;
    Einstellungen.Um_Fak_U_p_1000_rechts = 3.0;
    std::array<QString, Zeilen> t;
    for (int i = 0; i < Zeilen; ++i)
        t[size_t(i)] = Einstellungen.Frequenzgang_string[size_t(i)].text();
    t[0] = QStringLiteral("1.5");
    t[1] = QStringLiteral("-3");
    t[2] = QStringLiteral("abc");
    t[4] = QStringLiteral("0,5"); // the 1000-Hz row
    Einstellungen.Frequenzgang[2] = 7.0;
    Frequenzgang_in_Einstellungen(Einstellungen, t);
    EXPECT_DOUBLE_EQ(Einstellungen.Frequenzgang[0], 1.5);
    EXPECT_EQ(Einstellungen.Frequenzgang_string[0].text(), QStringLiteral("1,5"));
    EXPECT_DOUBLE_EQ(Einstellungen.Frequenzgang[1], -3.0);
    EXPECT_DOUBLE_EQ(Einstellungen.Frequenzgang[2], 7.0); // no number: value kept
    EXPECT_EQ(Einstellungen.Frequenzgang_string[2].text(), QStringLiteral("abc"));
    // Pa per volt of row i = factor at 1000 Hz * 10^((G(1000) - G(i)) / 20).
    EXPECT_NEAR(Einstellungen.Um_Fak_U_p_links[0], 2.0 * std::pow(10.0, (0.5 - 1.5) / 20), 1e-12);
    EXPECT_NEAR(Einstellungen.Um_Fak_U_p_rechts[1], 3.0 * std::pow(10.0, (0.5 + 3.0) / 20), 1e-12);
    EXPECT_NEAR(Einstellungen.Um_Fak_U_p_rechts[4], 3.0, 1e-12);
    EXPECT_TRUE(Zahleingabe_richtig(QStringLiteral("-3")));
    EXPECT_FALSE(Zahleingabe_richtig(QString()));
    EXPECT_FALSE(Zahleingabe_richtig(QStringLiteral("1,5 dB")));
}

TEST_F(Eingaben_Test, DezibelGrenzen)
{
    for (const char* gut : {"0", "120", "120,0", "65.5", "0,0"})
        EXPECT_TRUE(Dezibeleingabe_richtig(QString::fromLatin1(gut))) << gut;
    for (const char* falsch : {"120,1", "-1", "-0,1", "dB", ""})
        EXPECT_FALSE(Dezibeleingabe_richtig(QString::fromLatin1(falsch))) << falsch;
}

TEST_F(Eingaben_Test, ModusArtUndGruppe)
{
    EXPECT_EQ(Kalibrierart(1, Schall_messer), 5);
    EXPECT_EQ(Kalibrierart(1, Span_nung), 3);
    EXPECT_EQ(Kalibrierart(2, Schall_messer), 4);
    EXPECT_EQ(Kalibrierart(3, Span_nung), 6);
    EXPECT_EQ(Kalibrierart(4, Schall_messer), 6);
    EXPECT_EQ(Lautstaerkegruppe(0), 3);
    EXPECT_EQ(Lautstaerkegruppe(2), 4);
    EXPECT_EQ(Lautstaerkegruppe(4), 5);
}

TEST_F(Eingaben_Test, SpannungenUndMikrofonfaktorRechts)
{
    Messfenster_Eingaben ein;
    ein.modus = 2;
    ein.links = false;
    for (int i = 0; i < Zeilen; ++i)
        ein.werte[size_t(i)] = QStringLiteral("2,0");
    ein.werte[0] = QStringLiteral("3.45");
    ein.werte[1] = QStringLiteral("kaputt");
    ein.werte[4] = QStringLiteral("0.5");
    ein.pegel_1000 = QStringLiteral("94.0");
    uint32_t laut[22]{};
    for (int i = 1; i <= Zeilen; ++i)
        laut[i] = 1000u + uint32_t(i);
    const double vorher_links = Spannung(Einstellungen, 4, 0, 1);
    const double vorher_zeile2 = Spannung(Einstellungen, 4, 1, 2);
    Messfenster_in_Einstellungen(Einstellungen, ein, laut);
    EXPECT_DOUBLE_EQ(Spannung(Einstellungen, 4, 1, 1), 3.45);
    EXPECT_EQ(Spannung_string(Einstellungen, 4, 1, 1).text(), QStringLiteral("3,45"));
    EXPECT_DOUBLE_EQ(Spannung(Einstellungen, 4, 1, 2), vorher_zeile2);
    EXPECT_EQ(Spannung_string(Einstellungen, 4, 1, 2).text(), QStringLiteral("kaputt"));
    EXPECT_DOUBLE_EQ(Spannung(Einstellungen, 4, 0, 1), vorher_links);
    EXPECT_DOUBLE_EQ(Einstellungen.dB_1000Hz_rechts, 94.0);
    EXPECT_EQ(Einstellungen.db_1000Hz_r_string.text(), QStringLiteral("94,0"));
    for (int i = 1; i <= Zeilen; ++i)
        EXPECT_EQ(Rechts_Volume(Einstellungen, 4, i), 1000u + uint32_t(i));
    // 94 dB at 0.5 V: about 1.0024 Pa per volt; G(f) is 0 everywhere.
    const double faktor = double(dB_in_Pa(94.0L)) / 0.5;
    EXPECT_NEAR(Einstellungen.Um_Fak_U_p_1000_rechts, faktor, 1e-12);
    EXPECT_NEAR(Einstellungen.Um_Fak_U_p_rechts[20], faktor, 1e-12);
}

TEST_F(Eingaben_Test, PegelUndEinheitenLinks)
{
    Messfenster_Eingaben ein;
    ein.modus = 3;
    ein.links = true;
    for (int i = 0; i < Zeilen; ++i) {
        ein.werte[size_t(i)] = QStringLiteral("80.5");
        ein.einheiten[size_t(i)] = i % 3;
    }
    uint32_t laut[22]{};
    laut[7] = 65530;
    const double faktor_vorher = Einstellungen.Um_Fak_U_p_1000_links;
    Messfenster_in_Einstellungen(Einstellungen, ein, laut);
    EXPECT_DOUBLE_EQ(Spannung(Einstellungen, 6, 0, 8), 80.5);
    EXPECT_EQ(Spannung_string(Einstellungen, 6, 0, 8).text(), QStringLiteral("80,5"));
    EXPECT_EQ(Einstellungen.Schallmesser[0][2], 2);
    EXPECT_EQ(Einstellungen.Schallmesser[1][2], 1);
    EXPECT_EQ(Links_Volume(Einstellungen, 5, 7), 65530u);
    EXPECT_DOUBLE_EQ(Einstellungen.Um_Fak_U_p_1000_links, faktor_vorher); // kind 6: no microphone factors
}

TEST_F(Eingaben_Test, VonRechtsUebernehmenModus3)
{
    for (int i = 1; i <= Zeilen; ++i) {
        Spannung(Einstellungen, 6, 1, i) = 70.0 + i;
        Spannung_string(Einstellungen, 6, 1, i).setzen(QStringLiteral("%1,0").arg(70 + i));
        Einstellungen.Schallmesser[1][size_t(i - 1)] = 2;
        Rechts_Volume(Einstellungen, 5, i) = 5000u + uint32_t(i);
        Lautstaerke_rechts[5][i] = 6000u + uint32_t(i);
    }
    Lautstaerke_rechts[5][0] = 310;
    Ohr_uebernehmen(Einstellungen, 3, true, Lautstaerke_links, Lautstaerke_rechts);
    for (int i = 1; i <= Zeilen; ++i) {
        EXPECT_DOUBLE_EQ(Spannung(Einstellungen, 6, 0, i), 70.0 + i);
        EXPECT_EQ(Spannung_string(Einstellungen, 6, 0, i).text(), QStringLiteral("%1,0").arg(70 + i));
        EXPECT_EQ(Einstellungen.Schallmesser[0][size_t(i - 1)], 2);
        EXPECT_EQ(Links_Volume(Einstellungen, 5, i), 5000u + uint32_t(i));
        EXPECT_EQ(Lautstaerke_links[5][i], 6000u + uint32_t(i));
        // Start pressures recomputed from the copied level (dB(C)) and volumes.
        const double p = double(dBC_in_Pa(70.0L + i, Einstellungen.Frequenzen[size_t(i - 1)])) *
                         Links_Volume(Einstellungen, 3, i) / (5000.0 + i);
        EXPECT_NEAR(Spannung(Einstellungen, 5, 0, i) / p, 1.0, 1e-12);
    }
    EXPECT_EQ(Lautstaerke_links[5][0], 310u);
}

TEST_F(Eingaben_Test, VonLinksUebernehmenModus2OhneFaktor1000)
{
    Einstellungen.dB_1000Hz_links = 90.0;
    Einstellungen.db_1000Hz_l_string.setzen(QStringLiteral("90,0"));
    Einstellungen.Um_Fak_U_p_links.fill(4.0);
    Einstellungen.Um_Fak_U_p_1000_links = 4.0;
    Einstellungen.Um_Fak_U_p_1000_rechts = 9.0;
    Ohr_uebernehmen(Einstellungen, 2, false, Lautstaerke_links, Lautstaerke_rechts);
    EXPECT_DOUBLE_EQ(Einstellungen.dB_1000Hz_rechts, 90.0);
    EXPECT_EQ(Einstellungen.db_1000Hz_r_string.text(), QStringLiteral("90,0"));
    EXPECT_DOUBLE_EQ(Einstellungen.Um_Fak_U_p_rechts[13], 4.0);
    EXPECT_DOUBLE_EQ(Einstellungen.Um_Fak_U_p_1000_rechts, 9.0);
}
