// The files of a first start, checked at their byte offsets, and the golden
// byte images in tests/data checked in both directions.
#include "testumgebung.h"

#include "core/settings/records_io.h"
#include "core/shell/kvhilf.h"
#include "core/shell/programmstart.h"

#include <QFileInfo>

#include <cmath>
#include <sys/stat.h>

using namespace testumgebung;

namespace
{

const QString Gold_qvl = QStringLiteral(VAZOZEZ_TEST_DATA "/Einstellungen_Standard.qvl");
const QString Gold_hoe = QStringLiteral(VAZOZEZ_TEST_DATA "/Grundeinstellungen_Standard.hoe");

// Checks a default settings file image field by field.
void standard_einstellungen_pruefen(const QByteArray& q)
{
    ASSERT_EQ(q.size(), 9260);
    EXPECT_EQ(kurztext(q, 0), QByteArray("Vazozez Version 1.6"));
    for (int i = 1; i <= 21; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(wert<uint16_t>(q, Off_Frequenzen + (i - 1) * 2), Standardfrequenzen[i - 1]);
        EXPECT_EQ(kurztext(q, Off_Frequenzen_string + (i - 1) * 31),
                  QByteArray::number(Standardfrequenzen[i - 1]));
        for (int g = 3; g <= 5; ++g) {
            EXPECT_EQ(wert<uint32_t>(q, off_volume(Off_Rechts_Volume, g, i)), 10u);
            EXPECT_EQ(wert<uint32_t>(q, off_volume(Off_Links_Volume, g, i)), 10u);
        }
        for (int ohr = 0; ohr < 2; ++ohr) {
            EXPECT_EQ(wert<double>(q, off_spannung(4, ohr, i)), 1.0);
            EXPECT_EQ(kurztext(q, off_spannung_string(4, ohr, i)), QByteArray("10,0"));
            EXPECT_EQ(wert<double>(q, off_spannung(6, ohr, i)), 10.0);
            EXPECT_EQ(kurztext(q, off_spannung_string(6, ohr, i)), QByteArray("10,0"));
            EXPECT_EQ(wert<int32_t>(q, Off_Schallmesser + ohr * 84 + (i - 1) * 4), 1);
        }
        EXPECT_EQ(wert<double>(q, Off_Frequenzgang + (i - 1) * 8), 0.0);
        EXPECT_EQ(kurztext(q, Off_Frequenzgang_string + (i - 1) * 31), QByteArray("0,0"));
        EXPECT_EQ(uint8_t(q[Off_Freq_welche + i - 1]), 1);
    }
    // 10 dB(A) at 1000 Hz, start volume equal to the calibration volume:
    // the start pressure is p0 * 10^(10/20) (A-weighting is 0 dB at 1000 Hz).
    for (int ohr = 0; ohr < 2; ++ohr) {
        EXPECT_NEAR(wert<double>(q, off_spannung(5, ohr, 5)), 2e-5 * std::pow(10.0, 0.5), 2e-5 * 0.01);
        EXPECT_EQ(kurztext(q, off_spannung_string(5, ohr, 5)), QByteArray("10,0"));
    }
    EXPECT_EQ(wert<double>(q, 7112), 10.0);
    EXPECT_EQ(wert<double>(q, 7120), 10.0);
    EXPECT_EQ(kurztext(q, 7480), QByteArray("10,0"));
    EXPECT_EQ(kurztext(q, 7511), QByteArray("10,0"));
    EXPECT_GT(wert<double>(q, 7128), 0.0) << "Pa per volt at 1000 Hz, left";
    EXPECT_EQ(wert<double>(q, 7128), wert<double>(q, 7136));
    EXPECT_EQ(uint8_t(q[Off_wave_immer_neu]), 0);
    EXPECT_EQ(uint8_t(q[Off_Freq_geaendert]), 1);
    EXPECT_EQ(uint8_t(q[Off_pulsierend]), 1);
    EXPECT_EQ(uint8_t(q[Off_zunehmend]), 0);
    EXPECT_EQ(uint8_t(q[Off_Eichung]), 1);
    EXPECT_EQ(wert<int32_t>(q, Off_Auto), 1);
}

// Checks the base settings part (first 544 bytes) that mirrors the defaults.
void standard_grundeinstellungen_pruefen(const QByteArray& g)
{
    ASSERT_GE(g.size(), 544);
    EXPECT_EQ(kurztext(g, 0), QByteArray("Vazozez Version 1.6"));
    EXPECT_EQ(uint8_t(g[G_Dateiname]), 0) << "the short path stays empty in new files";
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(wert<uint16_t>(g, G_Frequenzen + (i - 1) * 2), Standardfrequenzen[i - 1]) << i;
        EXPECT_EQ(uint8_t(g[G_Freq_welche + i - 1]), 1) << i;
        EXPECT_EQ(wert<int32_t>(g, G_Schallmesser + (i - 1) * 4), 1) << i;
        EXPECT_EQ(wert<int32_t>(g, G_Schallmesser + 84 + (i - 1) * 4), 1) << i;
    }
    EXPECT_EQ(uint8_t(g[G_wave_immer_neu]), 0);
    EXPECT_EQ(uint8_t(g[G_Freq_geaendert]), 1);
    EXPECT_EQ(uint8_t(g[G_pulsierend]), 1);
    EXPECT_EQ(uint8_t(g[G_zunehmend]), 0);
    EXPECT_EQ(uint8_t(g[G_Eichung]), 1);
}

} // namespace

TEST_F(Einstellungs_Test, ErsterStartSchreibtBeideDateienMitDenStandardwerten)
{
    Programmstart_Daten();
    EXPECT_EQ(Dokumente_pfad, heim() + QLatin1Char('/'));
    EXPECT_EQ(Einstellungsordner, ordner());
    EXPECT_EQ(Grundeinstellungsdatei, hoe());
    EXPECT_TRUE(dlg.meldungen.empty());
    EXPECT_EQ(Dateiname1_6_zu_string(), standard_qvl());

    standard_einstellungen_pruefen(lesen_datei(standard_qvl()));

    const QByteArray g = lesen_datei(hoe());
    ASSERT_EQ(g.size(), 10548);
    standard_grundeinstellungen_pruefen(g);
    const QByteArray pfad = QFile::encodeName(standard_qvl());
    ASSERT_EQ(wert<int32_t>(g, G_ende_Dateiname), pfad.size());
    EXPECT_EQ(g.mid(G_Dateiname_lang, pfad.size()), pfad);
    EXPECT_EQ(g.mid(G_Dateiname_lang + pfad.size()), QByteArray(10000 - int(pfad.size()), 'A'))
        << "the unused characters of the long path keep their 'A' filler";

    // The shared values follow the files.
    EXPECT_EQ(Tondauer_hundertstel, 3000);
    for (int gr = 3; gr <= 5; ++gr) {
        EXPECT_EQ(Lautstaerke_links[gr][0], 1u);
        EXPECT_EQ(Lautstaerke_rechts[gr][0], 1u);
        EXPECT_EQ(Lautstaerke_links[gr][21], 10u);
        EXPECT_EQ(Lautstaerke_rechts[gr][1], 10u);
    }
}

TEST_F(Einstellungs_Test, ZweiterStartLaedtOhneNeuZuSchreiben)
{
    Programmstart_Daten();
    const QByteArray q1 = lesen_datei(standard_qvl());
    const QByteArray g1 = lesen_datei(hoe());
    Einstellungen_zuruecksetzen();
    Programmstart_Daten();
    EXPECT_EQ(lesen_datei(standard_qvl()), q1);
    EXPECT_EQ(lesen_datei(hoe()), g1);
    EXPECT_EQ(Dateiname1_6_zu_string(), standard_qvl());
    EXPECT_EQ(Einstellungen.Frequenzen[4], 1000);
}

// A start whose current settings file cannot be read (here: one level that
// no window accepts) leaves that file as it is, says so once and goes on
// with the default settings file, or with a new one under a free name when
// the unreadable file is the default file itself.
TEST_F(Einstellungs_Test, StartMitUnlesbarerEinstellungsdateiUeberschreibtSieNicht)
{
    Programmstart_Daten();
    QByteArray kaputt = lesen_datei(standard_qvl());
    setzen<double>(kaputt, off_spannung(6, 0, 3), 99999.0);
    const QString eigene = ordner() + QStringLiteral("Meine.qvl");
    const QString frei = ordner() + QStringLiteral("Einstellungen_Hoertest_1_6 (2).qvl");
    struct Fall {
        const char* name;
        QString unlesbar; // the current file at start
        QString danach;   // the current file after the start
    };
    const Fall faelle[] = {
        {"eigene Datei, Standarddatei lesbar", eigene, standard_qvl()},
        {"die Standarddatei selbst", standard_qvl(), frei},
        {"ein FIFO an ihrer Stelle", ordner() + QStringLiteral("Fifo.qvl"),
         ordner() + QStringLiteral("Fifo.qvl")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const bool fifo = f.unlesbar == f.danach;
        if (fifo) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(f.unlesbar).constData(), 0644), 0);
        } else {
            ASSERT_TRUE(schreiben_datei(f.unlesbar, kaputt));
        }
        string_zu_Dateiname1_6(f.unlesbar);
        ASSERT_TRUE(Grundeinstellungen_speichern_Festplatte());
        Einstellungen_zuruecksetzen();
        dlg.leeren();
        Programmstart_Daten();
        if (!fifo) {
            EXPECT_EQ(lesen_datei(f.unlesbar), kaputt) << "the unreadable file stays as it was";
        }
        EXPECT_EQ(Dateiname1_6_zu_string(), f.danach);
        ASSERT_EQ(dlg.meldungen.size(), 1u);
        EXPECT_TRUE(dlg.letzter_text().startsWith(QStringLiteral("Datei \r") + f.unlesbar +
                                                  QStringLiteral("\rkann nicht geöffnet werden!!!")));
        EXPECT_TRUE(dlg.letzter_text().endsWith(f.danach));
        EXPECT_EQ(dlg.meldungen[0].titel, QStringLiteral("Information"));
        EXPECT_EQ(dlg.meldungen[0].knoepfe, Knoepfe::Ok);
        EXPECT_EQ(Einstellungen.Frequenzen[4], 1000);
        EXPECT_EQ(Spannung(Einstellungen, 6, 0, 3), 10.0);
        standard_einstellungen_pruefen(lesen_datei(f.danach));
    }
}

TEST_F(Einstellungs_Test, EinstellungsordnerImDokumentenordner)
{
    ASSERT_TRUE(QDir(heim()).mkdir(QStringLiteral("Documents")));
    Einstellungsordner_festlegen();
    EXPECT_EQ(Dokumente_pfad, heim() + QStringLiteral("/Documents/"));
    EXPECT_EQ(Einstellungsordner, heim() + QStringLiteral("/Documents/Grundeinstellungen_Quarvel_Hoertest/"));
    EXPECT_TRUE(QFileInfo(Einstellungsordner).isDir());
    EXPECT_EQ(Grundeinstellungsdatei, Einstellungsordner + QStringLiteral("Grundeinstellungen.hoe"));
}

TEST_F(Einstellungs_Test, OhneAnlegbarenOrdnerDerProgrammordner)
{
    // A file where the folder should be: the program's own folder takes its role.
    ASSERT_TRUE(schreiben_datei(heim() + QStringLiteral("/Grundeinstellungen_Quarvel_Hoertest"), "x"));
    Einstellungsordner_festlegen();
    EXPECT_EQ(Einstellungsordner, exepfad());
    EXPECT_EQ(Grundeinstellungsdatei, exepfad() + QStringLiteral("Grundeinstellungen.hoe"));
    EXPECT_EQ(Dokumente_pfad, heim() + QLatin1Char('/'));
    // The user is told where settings and tone files go.
    ASSERT_EQ(dlg.meldungen.size(), size_t(1));
    EXPECT_TRUE(dlg.meldungen[0].text.endsWith(exepfad())) << dlg.meldungen[0].text.toStdString();
}

TEST_F(Einstellungs_Test, GoldeneEinstellungsdateiBeideRichtungen)
{
    const QByteArray gold = lesen_datei(Gold_qvl);
    standard_einstellungen_pruefen(gold);

    // Writing: a first start writes exactly these bytes.
    Programmstart_Daten();
    EXPECT_EQ(lesen_datei(standard_qvl()), gold);

    // Reading: every field comes back, and saving again gives the same bytes.
    Einstellungen_zuruecksetzen();
    Einstellungsordner_festlegen();
    const QString kopie = ordner() + QStringLiteral("Gold.qvl");
    ASSERT_TRUE(schreiben_datei(kopie, gold));
    string_zu_Dateiname1_6(kopie);
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    EXPECT_TRUE(Einstellungen.Version.gleich(Version_1_6));
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(Frequenz(i), Standardfrequenzen[i - 1]);
        EXPECT_EQ(Einstellungen.Frequenzen_string[i - 1].text(), QString::number(Standardfrequenzen[i - 1]));
        EXPECT_EQ(Links_Volume(Einstellungen, 4, i), 10u);
        EXPECT_EQ(Spannung(Einstellungen, 4, 1, i), 1.0);
        EXPECT_EQ(Spannung(Einstellungen, 6, 0, i), 10.0);
        EXPECT_EQ(Spannung_string(Einstellungen, 6, 1, i).text(), QStringLiteral("10,0"));
        EXPECT_EQ(Einstellungen.Frequenzgang_string[i - 1].text(), QStringLiteral("0,0"));
        EXPECT_EQ(Einstellungen.Schallmesser[1][i - 1], 1);
        EXPECT_EQ(Lautstaerke_rechts[5][i], 10u);
    }
    EXPECT_EQ(Einstellungen.dB_1000Hz_links, 10.0);
    EXPECT_EQ(Einstellungen.db_1000Hz_r_string.text(), QStringLiteral("10,0"));
    EXPECT_EQ(Einstellungen.pulsierend, 1);
    EXPECT_EQ(Einstellungen.zunehmend, 0);
    EXPECT_EQ(Einstellungen.Eichung, Schall_messer);
    EXPECT_EQ(Einstellungen1_4.Auto, 1);
    EXPECT_EQ(bild(Einstellungen) + bild(Einstellungen1_4), gold);
    ASSERT_TRUE(Einstellungen_speichern_Festplatte());
    EXPECT_EQ(lesen_datei(kopie), gold);
}

TEST_F(Einstellungs_Test, GoldeneGrundeinstellungsdateiBeideRichtungen)
{
    const QByteArray gold = lesen_datei(Gold_hoe);
    ASSERT_EQ(gold.size(), 10548);
    standard_grundeinstellungen_pruefen(gold);
    EXPECT_EQ(wert<int32_t>(gold, G_ende_Dateiname), 21);
    EXPECT_EQ(gold.mid(G_Dateiname_lang, 21), QByteArray("Datei_nicht_vorhanden"));
    EXPECT_EQ(gold.mid(G_Dateiname_lang + 21), QByteArray(10000 - 21, 'A'));

    // Writing: a missing base file is replaced by exactly these bytes.
    Einstellungsordner_festlegen();
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(lesen_datei(hoe()), gold);

    // Reading: the fields come back and the file is not rewritten.
    Einstellungen_zuruecksetzen();
    Einstellungsordner_festlegen();
    Grundeinstellungen_von_Festplatte_holen();
    EXPECT_EQ(Dateiname1_6_zu_string(), QStringLiteral("Datei_nicht_vorhanden"));
    EXPECT_TRUE(Grundeinstellungen.Version.gleich(Version_1_6));
    EXPECT_EQ(Grundeinstellungen.Frequenzen[20], 18000);
    EXPECT_EQ(Grundeinstellungen.pulsierend, 1);
    EXPECT_EQ(Grundeinstellungen.Freq_welche_geaendert[0], 1);
    EXPECT_EQ(bild(Grundeinstellungen) + bild(Grundeinstellungen1_6), gold);
    EXPECT_EQ(lesen_datei(hoe()), gold);
}

// Writes the golden images into tests/data. Run by hand after a deliberate
// change of the defaults:
//   test_core_settings --gtest_also_run_disabled_tests --gtest_filter='*GoldeneDateienErzeugen'
TEST_F(Einstellungs_Test, DISABLED_GoldeneDateienErzeugen)
{
    Programmstart_Daten();
    ASSERT_TRUE(schreiben_datei(Gold_qvl, lesen_datei(standard_qvl())));
    Einstellungen_zuruecksetzen();
    Einstellungsordner_festlegen();
    QFile::remove(hoe());
    Grundeinstellungen_von_Festplatte_holen();
    ASSERT_TRUE(schreiben_datei(Gold_hoe, lesen_datei(hoe())));
}
