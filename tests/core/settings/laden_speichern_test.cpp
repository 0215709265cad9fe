// Loading and saving the settings files: old formats, the fallback folder,
// long paths, clamped lengths, broken files and failed saves.
#include "testumgebung.h"

#include "core/settings/records_io.h"
#include "core/settings/wertebereiche.h"
#include "core/shell/meldungen.h"
#include "core/shell/programmstart.h"

#include <QFileInfo>

#include <csignal>
#include <functional>
#include <limits>
#include <random>
#include <sys/resource.h>

using namespace testumgebung;

namespace
{

const QString Gold_qvl = QStringLiteral(VAZOZEZ_TEST_DATA "/Einstellungen_Standard.qvl");
const QString Gold_hoe = QStringLiteral(VAZOZEZ_TEST_DATA "/Grundeinstellungen_Standard.hoe");

QByteArray zufall(int n, unsigned saat)
{
    std::mt19937 gen(saat);
    QByteArray b(n, '\0');
    for (auto& c : b)
        c = char(gen() & 0xFF);
    return b;
}

// A copy of the image with one value changed.
template <typename T> QByteArray mit(QByteArray b, qsizetype off, T v)
{
    setzen<T>(b, off, v);
    return b;
}

// The base settings in the old format: 544 bytes of another version.
QByteArray alt_hoe(const QByteArray& gold)
{
    QByteArray b = gold.left(544);
    kurztext_setzen(b, 0, "Vazozez Version 1.2");
    return b;
}

} // namespace

class Laden : public Einstellungs_Test
{
protected:
    // A valid settings file image with the defaults.
    QByteArray standard() const { return lesen_datei(Gold_qvl); }

    QString ablegen(const QString& name, const QByteArray& inhalt) const
    {
        const QString pfad = ordner() + name;
        EXPECT_TRUE(schreiben_datei(pfad, inhalt));
        return pfad;
    }
};

TEST_F(Laden, AlteDateiVersion12WirdAlsVersion16Zurueckgeschrieben)
{
    Programmstart_Daten();
    QByteArray alt = standard().left(9256);
    kurztext_setzen(alt, 0, "Vazozez Version 1.2");
    setzen<uint16_t>(alt, Off_Frequenzen + 2, 123);
    const QString pfad = ablegen(QStringLiteral("alt.qvl"), alt);

    Einstellungen1_4.Auto = 7;
    string_zu_Dateiname1_6(pfad);
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Einstellungen1_4.Auto, 1);
    EXPECT_TRUE(Einstellungen.Version.gleich(Version_1_6));
    EXPECT_EQ(Frequenz(2), 123);

    ASSERT_TRUE(Einstellungen_speichern_Festplatte());
    const QByteArray neu = lesen_datei(pfad);
    ASSERT_EQ(neu.size(), 9260);
    EXPECT_EQ(kurztext(neu, 0), QByteArray("Vazozez Version 1.6"));
    EXPECT_EQ(wert<uint16_t>(neu, Off_Frequenzen + 2), 123);
    EXPECT_EQ(wert<int32_t>(neu, Off_Auto), 1);
}

TEST_F(Laden, AndereVersionOhneSchwanzScheitert)
{
    Programmstart_Daten();
    // Only the exact "Vazozez Version 1.2" marks the short old format.
    for (const char* version : {"Vazozez Version 1.6", "Vazozez Version 1.5", "vazozez version 1.2",
                                "Vazozez Version 1.2 ", "Vazozez Version 1."}) {
        SCOPED_TRACE(version);
        QByteArray b = standard().left(9256);
        kurztext_setzen(b, 0, version);
        string_zu_Dateiname1_6(ablegen(QStringLiteral("kurz.qvl"), b));
        EXPECT_FALSE(Einstellungen_von_Festplatte_holen());
    }
}

TEST_F(Laden, AlteGrundeinstellungsdateiNenntDieEinstellungsdatei)
{
    ASSERT_TRUE(QDir().mkpath(ordner()));
    QByteArray e = standard();
    setzen<uint16_t>(e, Off_Frequenzen, 55);
    const QString qvl = ablegen(QStringLiteral("Mein Hörtest.qvl"), e);

    Grundeinstellungstyp g{};
    g.Version.setzen(QStringLiteral("Vazozez Version 1.2"));
    g.Dateiname.setzen(qvl);
    std::copy(std::begin(Standardfrequenzen), std::end(Standardfrequenzen), g.Frequenzen.begin());
    g.Frequenzen[0] = 55;
    g.pulsierend = 1;
    g.Eichung = Span_nung;
    ASSERT_TRUE(schreiben_datei(hoe(), bild(g)));
    ASSERT_EQ(QFileInfo(hoe()).size(), 544);

    Einstellungsordner_festlegen();
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(Dateiname1_6_zu_string(), qvl);
    EXPECT_TRUE(Grundeinstellungen.Version.gleich(Version_1_6));
    EXPECT_EQ(Grundeinstellungen.Eichung, Schall_messer);
    EXPECT_EQ(Grundeinstellungen1_6.Dateiname[qvl.toUtf8().size()], 'A');
    EXPECT_EQ(QFileInfo(hoe()).size(), 544) << "a file that loaded is not rewritten at once";

    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Frequenz(1), 55);
    ASSERT_TRUE(Einstellungen_speichern_Festplatte());
    const QByteArray neu = lesen_datei(hoe());
    ASSERT_EQ(neu.size(), 10548);
    EXPECT_EQ(kurztext(neu, 0), QByteArray("Vazozez Version 1.6"));
    const QByteArray pfad = QFile::encodeName(qvl);
    EXPECT_EQ(wert<int32_t>(neu, G_ende_Dateiname), pfad.size());
    EXPECT_EQ(neu.mid(G_Dateiname_lang, pfad.size()), pfad);
}

TEST_F(Laden, JedesLadenSetztDieEichungAufSchallmesser)
{
    Programmstart_Daten();
    QByteArray b = standard();
    setzen<uint8_t>(b, Off_Eichung, Span_nung);
    string_zu_Dateiname1_6(ablegen(QStringLiteral("spannung.qvl"), b));
    Grundeinstellungen.Eichung = Span_nung;
    Einstellungen.Eichung = Span_nung;
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Einstellungen.Eichung, Schall_messer);
    EXPECT_EQ(Grundeinstellungen.Eichung, Schall_messer);

    // The old format too.
    QByteArray alt = b.left(9256);
    kurztext_setzen(alt, 0, "Vazozez Version 1.2");
    string_zu_Dateiname1_6(ablegen(QStringLiteral("spannung_alt.qvl"), alt));
    Grundeinstellungen.Eichung = Span_nung;
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Einstellungen.Eichung, Schall_messer);
    EXPECT_EQ(Grundeinstellungen.Eichung, Schall_messer);

    // And the base settings file.
    QByteArray g = lesen_datei(hoe());
    setzen<uint8_t>(g, G_Eichung, Span_nung);
    ASSERT_TRUE(schreiben_datei(hoe(), g));
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(Grundeinstellungen.Eichung, Schall_messer);
}

TEST_F(Laden, VerschwundenerOrdnerFuehrtZumEinstellungsordner)
{
    Programmstart_Daten();
    QByteArray b = standard();
    setzen<uint16_t>(b, Off_Frequenzen, 77);
    const QString dort = ablegen(QStringLiteral("Weg.qvl"), b);
    string_zu_Dateiname1_6(heim() + QStringLiteral("/gibt_es_nicht/Weg.qvl"));
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Frequenz(1), 77);
    EXPECT_EQ(Dateiname1_6_zu_string(), dort);

    // Found nowhere: a new default file in the settings folder becomes current.
    ASSERT_TRUE(QFile::remove(standard_qvl()));
    string_zu_Dateiname1_6(heim() + QStringLiteral("/gibt_es_nicht/Nirgends.qvl"));
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Dateiname1_6_zu_string(), standard_qvl());
    EXPECT_EQ(lesen_datei(standard_qvl()).size(), 9260);
    EXPECT_EQ(Frequenz(1), 50);
    const QByteArray g = lesen_datei(hoe());
    const QByteArray pfad = QFile::encodeName(standard_qvl());
    EXPECT_EQ(g.mid(G_Dateiname_lang, pfad.size()), pfad);
}

TEST_F(Laden, LangePfadeHoechstensZehntausendZeichen)
{
    string_zu_Dateiname1_6(QString(10001, QLatin1Char('x')));
    EXPECT_EQ(Grundeinstellungen1_6.ende, 10000);
    EXPECT_EQ(Dateiname1_6_zu_string(), QString(10000, QLatin1Char('x')));

    // A shorter text keeps the characters after it.
    string_zu_Dateiname1_6(QStringLiteral("/a.qvl"));
    EXPECT_EQ(Dateiname1_6_zu_string(), QStringLiteral("/a.qvl"));
    EXPECT_EQ(Grundeinstellungen1_6.Dateiname[6], 'x');

    Grundeinstellungen1_6.ende = 20000;
    EXPECT_EQ(Dateiname1_6_zu_string().size(), 10000);
    Grundeinstellungen1_6.ende = 0;
    EXPECT_TRUE(Dateiname1_6_zu_string().isEmpty());
    Grundeinstellungen1_6.ende = -5;
    EXPECT_TRUE(Dateiname1_6_zu_string().isEmpty());

    string_zu_Dateiname1_7_1(QString(10001, QLatin1Char('y')));
    EXPECT_EQ(Schallpegel_Grundeinstellungen1_7_1.ende, 10000);
    EXPECT_EQ(Dateiname1_7_1_zu_string().size(), 10000);

    // A length field above 10000 in a file reads as 10000.
    Einstellungsordner_festlegen();
    QByteArray g = lesen_datei(Gold_hoe);
    setzen<int32_t>(g, G_ende_Dateiname, 99999);
    ASSERT_TRUE(schreiben_datei(hoe(), g));
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(Dateiname1_6_zu_string(),
              QStringLiteral("Datei_nicht_vorhanden") + QString(10000 - 21, QLatin1Char('A')));
}

TEST_F(Laden, KurztextLaengeWirdAufDieKapazitaetBegrenzt)
{
    QByteArray b = standard();
    setzen<uint8_t>(b, 0, 255);                            // Version: string[50]
    setzen<uint8_t>(b, Off_Frequenzen_string, 200);        // string[30]
    setzen<uint8_t>(b, off_spannung_string(6, 1, 21), 31); // last string[30] before 7112
    Einstellungstyp e{};
    ASSERT_TRUE(lesen(e, b));
    EXPECT_EQ(e.Version.text().size(), 50);
    EXPECT_FALSE(e.Version.gleich(Version_1_6));
    EXPECT_EQ(e.Frequenzen_string[0].text().size(), 30);
    EXPECT_EQ(e.Frequenzen_string[0].text().left(2), QStringLiteral("50"));
    EXPECT_EQ(Spannung_string(e, 6, 1, 21).text().size(), 30);
    // Written back with the clamped length byte.
    const QByteArray w = bild(e);
    EXPECT_EQ(uint8_t(w[0]), 50);
    EXPECT_EQ(uint8_t(w[Off_Frequenzen_string]), 30);
    EXPECT_EQ(wert<double>(w, 7112), 10.0) << "the neighbour field is untouched";

    Grundeinstellungstyp g{};
    QByteArray gb = lesen_datei(Gold_hoe);
    setzen<uint8_t>(gb, G_Dateiname, 255);
    ASSERT_TRUE(lesen(g, gb));
    EXPECT_EQ(g.Dateiname.text().size(), 255);
    EXPECT_EQ(g.Frequenzen[0], 50);
}

TEST_F(Laden, KaputteEinstellungsdateienScheiternSauber)
{
    Programmstart_Daten();
    const QByteArray gut = standard();
    // Other values than those in memory, so that a partial take-over shows.
    QByteArray anders = gut;
    setzen<uint16_t>(anders, Off_Frequenzen + 2, 333);
    setzen<uint32_t>(anders, off_volume(Off_Links_Volume, 3, 2), 4444);
    struct Fall {
        const char* name;
        QByteArray inhalt;
        qint64 auf_groesse = 0; // the file is extended to this size (sparse)
    };
    const Fall faelle[] = {
        {"leer", QByteArray()},
        {"text", QByteArray("Das ist keine Einstellungsdatei.\n")},
        {"abgeschnitten", anders.left(5000)},
        {"ohne letztes Byte", anders.left(9259)},
        {"ohne Schwanz", anders.left(9256)},
        {"zufall", zufall(3000, 7)},
        {"100 MB mit gueltigem Anfang", anders, 100 * 1024 * 1024},
    };
    const QByteArray im_speicher = bild(Einstellungen) + bild(Einstellungen1_4);
    const uint32_t lautstaerke = Lautstaerke_links[3][2];
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        dlg.leeren();
        const QString pfad = ablegen(QStringLiteral("kaputt.qvl"), f.inhalt);
        if (f.auf_groesse > 0) {
            ASSERT_TRUE(QFile::resize(pfad, f.auf_groesse));
        }
        string_zu_Dateiname1_6(pfad);
        EXPECT_FALSE(Einstellungen_von_Festplatte_holen());
        EXPECT_EQ(Dateiname1_6_zu_string(), pfad);
        if (f.auf_groesse == 0) {
            EXPECT_EQ(lesen_datei(pfad), f.inhalt) << "a failed load writes nothing";
        } else {
            EXPECT_EQ(QFileInfo(pfad).size(), f.auf_groesse) << "a failed load writes nothing";
        }
        EXPECT_TRUE(dlg.meldungen.empty());
        EXPECT_EQ(bild(Einstellungen) + bild(Einstellungen1_4), im_speicher)
            << "a failed load takes over nothing";
        EXPECT_EQ(Lautstaerke_links[3][2], lautstaerke);
    }

    // Too long: the first 9260 bytes are the settings.
    QByteArray lang = gut;
    setzen<uint16_t>(lang, Off_Frequenzen, 66);
    lang += zufall(5000, 8);
    string_zu_Dateiname1_6(ablegen(QStringLiteral("lang.qvl"), lang));
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_EQ(Frequenz(1), 66);
    EXPECT_EQ(Einstellungen1_4.Auto, 1);

    // Full size but random: no crash, flags are plain 0/1, texts within their fields.
    string_zu_Dateiname1_6(ablegen(QStringLiteral("wirr.qvl"), zufall(9260, 9)));
    Einstellungen_von_Festplatte_holen();
    for (uint8_t f : {Einstellungen.wave_immer_neu, Einstellungen.Freq_geaendert, Einstellungen.pulsierend,
                      Einstellungen.zunehmend})
        EXPECT_LE(f, 1);
    EXPECT_EQ(Einstellungen.Eichung, Schall_messer);
    EXPECT_LE(Einstellungen.Version.text().size(), 50);
    for (const auto& t : Einstellungen.Frequenzen_string)
        EXPECT_LE(t.text().size(), 30);
    EXPECT_TRUE(Tondauer_hundertstel == 3000 || Tondauer_hundertstel == 1500);
}

// Every field of a settings file against the range the program keeps it in:
// a file with one value outside is refused as a whole (memory and file stay
// as they were, nothing is said: the menu command tells the user), a value
// on the edge of its range loads.
TEST_F(Laden, WerteAusserhalbIhrerBereicheWerdenAbgelehnt)
{
    Programmstart_Daten();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Fall {
        const char* name;
        std::function<void(QByteArray&)> aendern;
        const char* feld; // nullptr: the file loads
    };
    const Fall faelle[] = {
        {"Frequenz 19", [](QByteArray& b) { setzen<uint16_t>(b, Off_Frequenzen + 2 * 3, 19); },
         "Frequenzen[4]"},
        {"Frequenz 20001", [](QByteArray& b) { setzen<uint16_t>(b, Off_Frequenzen + 2 * 20, 20001); },
         "Frequenzen[21]"},
        {"Frequenz 0", [](QByteArray& b) { setzen<uint16_t>(b, Off_Frequenzen, 0); }, "Frequenzen[1]"},
        {"Lautstaerke 65536",
         [](QByteArray& b) { setzen<uint32_t>(b, off_volume(Off_Links_Volume, 3, 1), 65536); },
         "Links_Volume[1]"},
        {"Lautstaerke riesig",
         [](QByteArray& b) { setzen<uint32_t>(b, off_volume(Off_Rechts_Volume, 5, 21), 0xFFFFFFFFu); },
         "Rechts_Volume[21]"},
        {"Pegel 150,1", [](QByteArray& b) { setzen<double>(b, off_spannung(6, 0, 2), 150.1); }, "Pegel[2]"},
        {"Pegel -20,1", [](QByteArray& b) { setzen<double>(b, off_spannung(6, 1, 3), -20.1); }, "Pegel[3]"},
        {"Pegel -1e308", [](QByteArray& b) { setzen<double>(b, off_spannung(6, 1, 4), -1e308); }, "Pegel[4]"},
        {"Pegel nan", [&](QByteArray& b) { setzen<double>(b, off_spannung(6, 0, 5), nan); }, "Pegel[5]"},
        {"Spannung 0", [](QByteArray& b) { setzen<double>(b, off_spannung(4, 0, 1), 0.0); }, "Spannung[1]"},
        {"Spannung 10,001 V", [](QByteArray& b) { setzen<double>(b, off_spannung(4, 1, 5), 10001.0); },
         "Spannung[5]"},
        {"Anfangsdruck negativ", [](QByteArray& b) { setzen<double>(b, off_spannung(5, 0, 7), -1e-3); },
         "Anfangsdruck_Schallpegel[7]"},
        {"Anfangsdruck inf", [&](QByteArray& b) { setzen<double>(b, off_spannung(3, 1, 8), inf); },
         "Anfangsdruck_Spannung[8]"},
        {"Bezugspegel 120,5", [](QByteArray& b) { setzen<double>(b, 7112, 120.5); }, "dB_1000Hz_links"},
        {"Bezugspegel -1", [](QByteArray& b) { setzen<double>(b, 7120, -1.0); }, "dB_1000Hz_rechts"},
        {"Mikrofonfaktor nan", [&](QByteArray& b) { setzen<double>(b, 7136, nan); },
         "Um_Fak_U_p_1000_rechts"},
        {"Zeilenfaktor negativ", [](QByteArray& b) { setzen<double>(b, 7144 + 8 * 2, -2.0); },
         "Um_Fak_U_p_links[3]"},
        {"Frequenzgang inf", [&](QByteArray& b) { setzen<double>(b, Off_Frequenzgang + 8 * 9, -inf); },
         "Frequenzgang[10]"},
        {"Flag 2", [](QByteArray& b) { setzen<uint8_t>(b, Off_wave_immer_neu, 2); }, "wave_immer_neu"},
        {"Flag 255", [](QByteArray& b) { setzen<uint8_t>(b, Off_pulsierend, 255); }, "pulsierend"},
        {"Zeilenflag 7", [](QByteArray& b) { setzen<uint8_t>(b, Off_Freq_welche + 20, 7); },
         "Freq_welche_geaendert[21]"},
        {"Richtung 2", [](QByteArray& b) { setzen<uint8_t>(b, Off_zunehmend, 2); }, "zunehmend"},
        {"Eichung 2", [](QByteArray& b) { setzen<uint8_t>(b, Off_Eichung, 2); }, "Eichung"},
        {"Einheit 3", [](QByteArray& b) { setzen<int32_t>(b, Off_Schallmesser + 4 * (21 + 6), 3); },
         "Schallmesser_rechts[7]"},
        {"Einheit -1", [](QByteArray& b) { setzen<int32_t>(b, Off_Schallmesser, -1); },
         "Schallmesser_links[1]"},
        // The edges of the ranges load.
        {"Raender",
         [](QByteArray& b) {
             setzen<uint16_t>(b, Off_Frequenzen, 20);
             setzen<uint16_t>(b, Off_Frequenzen + 2, 20000);
             setzen<uint32_t>(b, off_volume(Off_Links_Volume, 3, 1), 65535);
             setzen<uint32_t>(b, off_volume(Off_Rechts_Volume, 4, 2), 0);
             setzen<double>(b, off_spannung(6, 0, 1), -20.0);
             setzen<double>(b, off_spannung(6, 0, 2), 150.0);
             setzen<double>(b, off_spannung(4, 0, 1), 10000.0);
             setzen<double>(b, off_spannung(4, 0, 2), 1e-6);
             setzen<double>(b, off_spannung(5, 0, 1), 0.0);
             setzen<double>(b, 7112, 0.0);
             setzen<double>(b, 7120, 120.0);
             setzen<double>(b, Off_Frequenzgang, -55.5);
             setzen<uint8_t>(b, Off_zunehmend, 1);
             setzen<int32_t>(b, Off_Schallmesser, 2);
             setzen<uint8_t>(b, Off_Eichung, Span_nung);
         },
         nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QByteArray b = standard();
        f.aendern(b);
        Einstellungstyp gelesen{};
        ASSERT_TRUE(lesen(gelesen, b));
        EXPECT_EQ(Einstellungen_ungueltiges_Feld(gelesen), f.feld ? QString::fromLatin1(f.feld) : QString());

        const QString pfad = ablegen(QStringLiteral("bereich.qvl"), b);
        string_zu_Dateiname1_6(pfad);
        const QByteArray im_speicher = bild(Einstellungen) + bild(Einstellungen1_4);
        const QByteArray grund = lesen_datei(hoe());
        const bool geladen = Einstellungen_von_Festplatte_holen();
        EXPECT_EQ(geladen, f.feld == nullptr);
        EXPECT_EQ(lesen_datei(pfad), b) << "loading writes nothing";
        EXPECT_EQ(lesen_datei(hoe()), grund);
        EXPECT_TRUE(dlg.meldungen.empty());
        if (!geladen) {
            EXPECT_EQ(bild(Einstellungen) + bild(Einstellungen1_4), im_speicher)
                << "a refused file takes over nothing";
        }
    }
}

// A file of the right size with random content, in the new and the old
// format: refused, and neither memory, the files nor the tone files change.
TEST_F(Laden, ZufallsdateiDerRichtigenGroesseWirdAbgelehnt)
{
    Programmstart_Daten();
    QDir().mkpath(Wave_ordner());
    for (int i = 1; i <= Zeilen; ++i)
        ASSERT_TRUE(schreiben_datei(Tondatei_links(i), "RIFF"));
    QByteArray alt = zufall(9256, 12);
    kurztext_setzen(alt, 0, "Vazozez Version 1.2");
    const QByteArray faelle[] = {zufall(9260, 9), zufall(9260, 10), alt};
    const QByteArray im_speicher = bild(Einstellungen) + bild(Einstellungen1_4);
    const QByteArray grund = lesen_datei(hoe());
    for (const QByteArray& inhalt : faelle) {
        SCOPED_TRACE(inhalt.size());
        const QString pfad = ablegen(QStringLiteral("x.qvl"), inhalt);
        string_zu_Dateiname1_6(pfad);
        EXPECT_FALSE(Einstellungen_von_Festplatte_holen());
        EXPECT_EQ(lesen_datei(pfad), inhalt);
        EXPECT_EQ(bild(Einstellungen) + bild(Einstellungen1_4), im_speicher);
    }
    EXPECT_EQ(lesen_datei(hoe()), grund);
    for (int i = 1; i <= Zeilen; ++i)
        EXPECT_TRUE(QFileInfo::exists(Tondatei_links(i))) << i;
}

TEST_F(Laden, KaputteGrundeinstellungsdateiWirdDurchStandardErsetzt)
{
    const QByteArray gold = lesen_datei(Gold_hoe);
    struct Fall {
        const char* name;
        QByteArray inhalt;
    };
    const Fall faelle[] = {
        {"leer", QByteArray()},
        {"text", QByteArray("keine Grundeinstellungen")},
        {"543 Bytes", gold.left(543)},
        {"Version 1.6 ohne langen Pfad", gold.left(5000)},
        {"ohne letztes Byte", gold.left(10547)},
        // Values the program never writes, in the new and in the old format.
        {"Frequenz 0", mit<uint16_t>(gold, G_Frequenzen + 2 * 4, 0)},
        {"Frequenz 20001", mit<uint16_t>(gold, G_Frequenzen, 20001)},
        {"Flag 2", mit<uint8_t>(gold, G_wave_immer_neu, 2)},
        {"Zeilenflag 9", mit<uint8_t>(gold, G_Freq_welche + 3, 9)},
        {"Eichung 5", mit<uint8_t>(gold, G_Eichung, 5)},
        {"Einheit 3", mit<int32_t>(gold, G_Schallmesser + 4 * 30, 3)},
        {"alt mit Frequenz 0", mit<uint16_t>(alt_hoe(gold), G_Frequenzen + 2 * 20, 0)},
        {"zufall", zufall(10548, 13)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Einstellungen_zuruecksetzen();
        Einstellungsordner_festlegen();
        ASSERT_TRUE(schreiben_datei(hoe(), f.inhalt));
        Grundeinstellungen_von_Festplatte_holen();
        EXPECT_EQ(lesen_datei(hoe()), gold);
        EXPECT_EQ(Dateiname1_6_zu_string(), QStringLiteral("Datei_nicht_vorhanden"));
    }
    EXPECT_TRUE(dlg.meldungen.empty()) << "the user is not told";

    // Missing entirely.
    Einstellungen_zuruecksetzen();
    Einstellungsordner_festlegen();
    ASSERT_TRUE(QFile::remove(hoe()));
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(lesen_datei(hoe()), gold);

    // Too long: read as far as the record goes.
    QByteArray lang = gold;
    setzen<uint16_t>(lang, G_Frequenzen, 44);
    lang += zufall(3000, 3);
    ASSERT_TRUE(schreiben_datei(hoe(), lang));
    Einstellungen_zuruecksetzen();
    Einstellungsordner_festlegen();
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(Grundeinstellungen.Frequenzen[0], 44);
    EXPECT_EQ(Dateiname1_6_zu_string(), QStringLiteral("Datei_nicht_vorhanden"));
}

TEST_F(Laden, WirreGrundeinstellungsdateiBeimStart)
{
    // Random bytes are taken as an old file naming a settings file that does
    // not exist; the start then makes the default settings file current.
    ASSERT_TRUE(QDir().mkpath(ordner()));
    ASSERT_TRUE(schreiben_datei(hoe(), zufall(10548, 11)));
    Programmstart_Daten();
    EXPECT_EQ(Dateiname1_6_zu_string(), standard_qvl());
    EXPECT_EQ(lesen_datei(standard_qvl()).size(), 9260);
    EXPECT_EQ(lesen_datei(hoe()).size(), 10548);
}

TEST_F(Laden, FehlgeschlagenesSpeichernLaesstDieAlteDateiStehen)
{
    Programmstart_Daten();
    const QByteArray q0 = lesen_datei(standard_qvl());
    const QByteArray g0 = lesen_datei(hoe());
    Einstellungen.Frequenzen[0] = 60;

    // Every write beyond 4 KiB fails, as on a full or locked medium.
    rlimit alt{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto alter_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = alt;
    eng.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    const bool gespeichert = Einstellungen_speichern_Festplatte();
    const bool grund_gespeichert = Grundeinstellungen_speichern_Festplatte();
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, alter_handler);

    EXPECT_FALSE(gespeichert);
    EXPECT_FALSE(grund_gespeichert);
    EXPECT_EQ(lesen_datei(standard_qvl()), q0);
    EXPECT_EQ(lesen_datei(hoe()), g0);
    EXPECT_EQ(QDir(ordner()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file is left";
    ASSERT_EQ(dlg.meldungen.size(), 2u);
    for (const auto& m : dlg.meldungen) {
        EXPECT_EQ(m.text, QStringLiteral(
                              "Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm "
                              "verwendet."));
        EXPECT_EQ(m.titel, QStringLiteral("Problem"));
        EXPECT_EQ(m.symbol, Symbol::Warnung);
        EXPECT_EQ(m.knoepfe, Knoepfe::Ok);
    }
    EXPECT_EQ(Einstellungen.Frequenzen[0], 60) << "the values stay in memory";

    // Once writing works again the values reach the file.
    dlg.leeren();
    ASSERT_TRUE(Einstellungen_speichern_Festplatte());
    EXPECT_EQ(wert<uint16_t>(lesen_datei(standard_qvl()), Off_Frequenzen), 60);
    EXPECT_TRUE(dlg.meldungen.empty());
}

TEST_F(Laden, SpeichernInUnmoeglicheZiele)
{
    Programmstart_Daten();
    const QByteArray g0 = lesen_datei(hoe());

    // The folder of the target is a regular file.
    ASSERT_TRUE(schreiben_datei(ordner() + QStringLiteral("datei_statt_ordner"), "x"));
    string_zu_Dateiname1_6(ordner() + QStringLiteral("datei_statt_ordner/neu.qvl"));
    EXPECT_FALSE(Einstellungen_speichern_Festplatte());
    ASSERT_EQ(dlg.meldungen.size(), 1u);
    EXPECT_EQ(dlg.letzter_text(), Text_Fehler_bei_abspeichern());
    EXPECT_EQ(dlg.meldungen.back().titel, QStringLiteral("Problem"));
    EXPECT_EQ(lesen_datei(hoe()), g0) << "the base settings are not saved after a failed settings save";

    // The target is a folder.
    dlg.leeren();
    ASSERT_TRUE(QDir(ordner()).mkdir(QStringLiteral("ordner.qvl")));
    string_zu_Dateiname1_6(ordner() + QStringLiteral("ordner.qvl"));
    EXPECT_FALSE(Einstellungen_speichern_Festplatte());
    EXPECT_EQ(dlg.meldungen.size(), 1u);
    EXPECT_TRUE(QFileInfo(ordner() + QStringLiteral("ordner.qvl")).isDir());

    // No settings file chosen: nothing is written and nothing is said.
    dlg.leeren();
    string_zu_Dateiname1_6(QStringLiteral("Datei_nicht_vorhanden"));
    EXPECT_TRUE(Einstellungen_speichern_Festplatte());
    EXPECT_TRUE(dlg.meldungen.empty());
    EXPECT_EQ(lesen_datei(hoe()), g0);
}
