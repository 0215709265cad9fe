// What the options, frequency-response and measurement windows take over
// into the settings: the frequency check and its consequences for the stored
// tone files, G(f) with its conversion factors, levels and voltages with the
// microphone factors, and the copy of one ear to the other.
#include "testumgebung.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/frequenzgang.h"
#include "core/settings/optionen.h"
#include "core/settings/pegeleingabe.h"
#include "core/settings/wertebereiche.h"
#include "core/shell/kvhilf.h"
#include "core/shell/programmstart.h"

#include <cmath>
#include <functional>

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
    for (const char* gut : {"20", "20000", "440", " 1000 ", "01000"})
        EXPECT_TRUE(Frequenzeingabe_richtig(QString::fromLatin1(gut))) << gut;
    // The message asks for a natural number: digits only.
    for (const char* falsch : {"19", "20001", "440,5", "440.5", "", "abc", "-440", "0", "1e9", "1e3", "440,0",
                               "440.0", "+440", "1 000", "0x3e8", "99999999999"})
        EXPECT_FALSE(Frequenzeingabe_richtig(QString::fromLatin1(falsch))) << falsch;
}

TEST_F(Eingaben_Test, OptionenFrequenzenUndMarken)
{
    Einstellungen.Freq_geaendert = 0;
    Einstellungen.Freq_welche_geaendert.fill(0);
    Optionen_Eingaben o = Optionen_aus_Einstellungen(Einstellungen);
    EXPECT_EQ(o.frequenzen[4], QStringLiteral("1000"));
    o.frequenzen[1] = QStringLiteral(" 125 ");
    o.frequenzen[2] = QStringLiteral("70000"); // out of range: never wrapped into 16 bits
    o.frequenzen[3] = QStringLiteral("Hallo");
    o.frequenzen[5] = QStringLiteral("1e3");    // no natural number
    o.frequenzen[6] = QStringLiteral("2500,0"); // nor this
    Optionen_in_Einstellungen(Einstellungen, o);
    EXPECT_EQ(Einstellungen.Frequenzen[1], 125);
    EXPECT_EQ(Einstellungen.Frequenzen_string[1].text(), QStringLiteral("125"));
    EXPECT_EQ(Einstellungen.Frequenzen[2], 200);
    EXPECT_EQ(Einstellungen.Frequenzen_string[2].text(), QStringLiteral("200"));
    EXPECT_EQ(Einstellungen.Frequenzen[3], 500);
    EXPECT_EQ(Einstellungen.Frequenzen_string[3].text(), QStringLiteral("500"));
    EXPECT_EQ(Einstellungen.Frequenzen[5], 1500);
    EXPECT_EQ(Einstellungen.Frequenzen_string[5].text(), QStringLiteral("1500"));
    EXPECT_EQ(Einstellungen.Frequenzen[6], 2000);
    EXPECT_EQ(Einstellungen.Freq_welche_geaendert[1], 1);
    for (int i : {0, 2, 3, 4, 5, 6, 20})
        EXPECT_EQ(Einstellungen.Freq_welche_geaendert[size_t(i)], 0) << i;
    EXPECT_EQ(Einstellungen.Freq_geaendert, 1);
}

// Rows with the same frequency, for the warning before saving.
TEST_F(Eingaben_Test, DoppelteFrequenzenWerdenGenannt)
{
    Optionen_Eingaben o = Optionen_aus_Einstellungen(Einstellungen);
    EXPECT_TRUE(Doppelte_Frequenzen(o.frequenzen).empty());
    EXPECT_TRUE(Text_doppelte_Frequenzen({}).isEmpty());
    o.frequenzen[8] = QStringLiteral("1000");     // f09 = f05
    o.frequenzen[20] = QStringLiteral(" 01000 "); // f21 too
    o.frequenzen[1] = QStringLiteral("50");       // f02 = f01
    o.frequenzen[3] = QStringLiteral("1e3");      // no frequency: in no group
    const auto d = Doppelte_Frequenzen(o.frequenzen);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].frequenz, 50);
    EXPECT_EQ(d[0].zeilen, (std::vector<int>{1, 2}));
    EXPECT_EQ(d[1].frequenz, 1000);
    EXPECT_EQ(d[1].zeilen, (std::vector<int>{5, 9, 21}));
    const QString t = Text_doppelte_Frequenzen(d);
    EXPECT_TRUE(t.startsWith(QStringLiteral("Die Frequenz 50 Hz steht in den Zeilen f01 und f02.\r"
                                            "Die Frequenz 1000 Hz steht in den Zeilen f05, f09 und f21.\r")))
        << t.toStdString();
    EXPECT_TRUE(t.endsWith(QStringLiteral("Möchten Sie trotzdem speichern?")));
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

// The check of a row's edit when it is left, by mode: voltages above 0 and at
// most 10 V, levels from -20 to 150 dB, start levels any number, no check in
// the hearing test and the automatic calibration.
TEST_F(Eingaben_Test, ZeileneingabeBereicheJeModus)
{
    struct Fall {
        uint8_t modus;
        const char* text;
        QString (*meldung)(); // nullptr: right
    };
    const Fall faelle[] = {
        {2, "0,001", nullptr},
        {2, "10000", nullptr},
        {2, "73,98", nullptr},
        {2, "0", &Text_Spannung_Eingabefehler},
        {2, "-1", &Text_Spannung_Eingabefehler},
        {2, "10000,1", &Text_Spannung_Eingabefehler},
        {2, "Volt", &Text_Zahl_Eingabefehler},
        {3, "-20", nullptr},
        {3, "150,0", nullptr},
        {3, "85.5", nullptr},
        {3, "99999", &Text_Pegel_Eingabefehler},
        {3, "-1e308", &Text_Pegel_Eingabefehler},
        {3, "150,1", &Text_Pegel_Eingabefehler},
        {3, "-20.1", &Text_Pegel_Eingabefehler},
        {3, "", &Text_Zahl_Eingabefehler},
        {1, "99999", nullptr},
        {1, "leise", &Text_Zahl_Eingabefehler},
        {0, "leise", nullptr},
        {4, "99999", nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << int(f.modus) << " " << f.text);
        EXPECT_EQ(Zeileneingabe_Fehlertext(f.modus, QString::fromLatin1(f.text)),
                  f.meldung ? f.meldung() : QString());
    }
}

// Saving never takes a value outside its range: such a row keeps its value,
// its unit and the volume it was measured at, as a text that is no number
// does. The row's text is kept, as typed.
TEST_F(Eingaben_Test, WerteAusserhalbDesBereichsBleibenUnveraendert)
{
    struct Fall {
        uint8_t modus;
        const char* text;
        bool genommen;
    };
    const Fall faelle[] = {
        {3, "99999", false}, {3, "-1e308", false}, {3, "150", true},    {3, "-20", true},
        {4, "151", false},   {2, "0", false},      {2, "10001", false}, {2, "10000", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << int(f.modus) << " " << f.text);
        ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
        const int s = Kalibrierart(f.modus, Einstellungen.Eichung);
        const int v = Lautstaerkegruppe(f.modus);
        Messfenster_Eingaben ein;
        ein.modus = f.modus;
        ein.links = true;
        for (int i = 0; i < Zeilen; ++i) {
            ein.werte[size_t(i)] = Spannung_string(Einstellungen, s, 0, i + 1).text();
            ein.einheiten[size_t(i)] = 1;
        }
        ein.werte[6] = QString::fromLatin1(f.text);
        ein.einheiten[6] = 2;
        ein.pegel_1000 = QStringLiteral("10,0");
        uint32_t laut[22]{};
        for (int i = 1; i <= Zeilen; ++i)
            laut[i] = 2000;
        const double vorher = Spannung(Einstellungen, s, 0, 7);
        Messfenster_in_Einstellungen(Einstellungen, ein, laut);
        bool ok = false;
        double d = 0;
        StringzuDouble(QString::fromLatin1(f.text), d, ok);
        EXPECT_EQ(Spannung(Einstellungen, s, 0, 7), f.genommen ? d : vorher);
        EXPECT_EQ(Links_Volume(Einstellungen, v, 7), f.genommen ? 2000u : Grund_Lautstaerke);
        EXPECT_EQ(Links_Volume(Einstellungen, v, 8), 2000u) << "the other rows are taken";
        if (f.modus >= 3) {
            EXPECT_EQ(Einstellungen.Schallmesser[0][6], f.genommen ? 2 : 1);
        }
        EXPECT_TRUE(Einstellungen_ungueltiges_Feld(Einstellungen).isEmpty()) << "what is saved can be loaded";
    }

    // The reference level of the voltage calibration: 0..120 dB.
    for (const char* pegel : {"120,5", "-3"}) {
        SCOPED_TRACE(pegel);
        Messfenster_Eingaben ein;
        ein.modus = 2;
        ein.links = false;
        for (int i = 0; i < Zeilen; ++i)
            ein.werte[size_t(i)] = QStringLiteral("1,0");
        ein.pegel_1000 = QString::fromLatin1(pegel);
        uint32_t laut[22]{};
        const double vorher = Einstellungen.dB_1000Hz_rechts;
        Messfenster_in_Einstellungen(Einstellungen, ein, laut);
        EXPECT_EQ(Einstellungen.dB_1000Hz_rechts, vorher);
    }
}

// Whatever the windows accept is saved as a file that loads again: extreme
// entries of the frequency response and of the calibrations give no value
// the loader refuses (a pressure or factor beyond the range of double counts
// as none, 0).
TEST_F(Eingaben_Test, WasDieFensterAnnehmenLaedtWieder)
{
    struct Fall {
        const char* name;
        std::function<void()> eingeben;
    };
    const auto kalibrieren = [](uint8_t modus, const char* wert, const char* pegel_1000, uint32_t volume) {
        Messfenster_Eingaben ein;
        ein.modus = modus;
        ein.links = true;
        for (int i = 0; i < Zeilen; ++i) {
            ein.werte[size_t(i)] = QString::fromLatin1(wert);
            ein.einheiten[size_t(i)] = 2;
        }
        ein.pegel_1000 = QString::fromLatin1(pegel_1000);
        uint32_t laut[22]{};
        for (int i = 1; i <= Zeilen; ++i)
            laut[i] = volume;
        Messfenster_in_Einstellungen(Einstellungen, ein, laut);
    };
    const Fall faelle[] = {
        {"Frequenzgang 1e300",
         [] {
             std::array<QString, Zeilen> g;
             g.fill(QStringLiteral("0"));
             g[2] = QStringLiteral("-1e300");
             g[6] = QStringLiteral("1e300");
             Frequenzgang_in_Einstellungen(Einstellungen, g);
         }},
        {"kleinste Spannung", [&] { kalibrieren(2, "1e-300", "120", 1); }},
        {"groesster Pegel in dB(C)", [&] { kalibrieren(3, "150", "", 1); }},
        {"kleinster Pegel", [&] { kalibrieren(3, "-20", "", 65530); }},
        {"groesste Startlautstaerke",
         [] {
             for (int i = 1; i <= Zeilen; ++i)
                 Links_Volume(Einstellungen, 3, i) = Groesste_Lautstaerke;
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.eingeben();
        ASSERT_TRUE(Einstellungen_speichern_Festplatte());
        EXPECT_EQ(Einstellungen_ungueltiges_Feld(Einstellungen), QString());
        EXPECT_TRUE(Einstellungen_von_Festplatte_holen());
    }
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
    // Row 2 kept its voltage, and so its volume: a value is never stored
    // with a volume it was not measured at.
    for (int i = 1; i <= Zeilen; ++i)
        EXPECT_EQ(Rechts_Volume(Einstellungen, 4, i), i == 2 ? Grund_Lautstaerke : 1000u + uint32_t(i));
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
