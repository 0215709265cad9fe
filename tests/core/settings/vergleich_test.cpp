// Which tone files are stale after a settings file was loaded, and the tone
// length that follows the loaded file.
#include "testumgebung.h"

#include "core/settings/records_io.h"
#include "core/shell/programmstart.h"

#include <QFileInfo>

using namespace testumgebung;

class Vergleich : public Einstellungs_Test
{
protected:
    void SetUp() override
    {
        Einstellungs_Test::SetUp();
        Programmstart_Daten();
        // The stored tone files are up to date: no row marked.
        Einstellungen.Freq_geaendert = 0;
        Einstellungen.Freq_welche_geaendert.fill(0);
        ASSERT_TRUE(Einstellungen_speichern_Festplatte());
        ASSERT_EQ(Grundeinstellungen.Freq_geaendert, 0);
    }

    // Writes the current settings with a change to another file and loads it
    // the way the menu command does.
    template <typename Aenderung> void andere_datei_laden(const QString& name, Aenderung aendern)
    {
        Einstellungstyp e = Einstellungen;
        aendern(e);
        const QString pfad = ordner() + name;
        ASSERT_TRUE(schreiben_datei(pfad, bild(e) + bild(Einstellungen1_4)));
        string_zu_Dateiname1_6(pfad);
        ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
        Vergleich_Grundeinstellungen_Einstellungen();
    }

    int markiert() const
    {
        int n = 0;
        for (uint8_t f : Einstellungen.Freq_welche_geaendert)
            n += f;
        return n;
    }

    QStringList tondateien_anlegen() const
    {
        QDir().mkpath(Wave_ordner());
        QStringList dateien;
        for (int i = 1; i <= 21; ++i)
            dateien << Tondatei_links(i) << Tondatei_rechts(i);
        for (const QString& d : dateien)
            EXPECT_TRUE(schreiben_datei(d, "RIFF"));
        return dateien;
    }

    static int vorhanden(const QStringList& dateien)
    {
        int n = 0;
        for (const QString& d : dateien)
            n += QFileInfo::exists(d) ? 1 : 0;
        return n;
    }
};

TEST_F(Vergleich, GeaenderteFrequenzMarkiertNurIhreZeile)
{
    andere_datei_laden(QStringLiteral("f4.qvl"), [](Einstellungstyp& e) { e.Frequenzen[3] = 600; });
    EXPECT_EQ(Einstellungen.Freq_geaendert, 1);
    EXPECT_EQ(Einstellungen.Freq_welche_geaendert[3], 1);
    EXPECT_EQ(markiert(), 1);
    // The marks are saved with the file; the base settings now describe it.
    const QByteArray q = lesen_datei(ordner() + QStringLiteral("f4.qvl"));
    EXPECT_EQ(uint8_t(q[Off_Freq_welche + 3]), 1);
    EXPECT_EQ(uint8_t(q[Off_Freq_welche + 2]), 0);
    EXPECT_EQ(wert<uint16_t>(lesen_datei(hoe()), G_Frequenzen + 3 * 2), 600);
}

TEST_F(Vergleich, GleicheEinstellungenMarkierenNichts)
{
    andere_datei_laden(QStringLiteral("gleich.qvl"), [](Einstellungstyp&) {});
    EXPECT_EQ(Einstellungen.Freq_geaendert, 0);
    EXPECT_EQ(markiert(), 0);
}

TEST_F(Vergleich, AndereTonartMarkiertAlleZeilen)
{
    andere_datei_laden(QStringLiteral("rein.qvl"), [](Einstellungstyp& e) { e.pulsierend = 0; });
    EXPECT_EQ(Einstellungen.Freq_geaendert, 1);
    EXPECT_EQ(markiert(), 21);
    EXPECT_EQ(uint8_t(lesen_datei(hoe())[G_pulsierend]), 0);
}

TEST_F(Vergleich, AndereRichtungMarkiertAlleZeilenUndKuerztDenTon)
{
    EXPECT_EQ(Tondauer_hundertstel, 3000);
    andere_datei_laden(QStringLiteral("steigend.qvl"), [](Einstellungstyp& e) { e.zunehmend = 1; });
    EXPECT_EQ(markiert(), 21);
    EXPECT_EQ(Tondauer_hundertstel, 1500);
    andere_datei_laden(QStringLiteral("fallend.qvl"), [](Einstellungstyp& e) { e.zunehmend = 0; });
    EXPECT_EQ(Tondauer_hundertstel, 3000);
}

TEST_F(Vergleich, ImmerNeueTondateienLoeschenDieGespeichertenEinmal)
{
    const QStringList dateien = tondateien_anlegen();
    ASSERT_EQ(vorhanden(dateien), 42);
    andere_datei_laden(QStringLiteral("immer_neu.qvl"), [](Einstellungstyp& e) { e.wave_immer_neu = 1; });
    EXPECT_EQ(vorhanden(dateien), 0);
    EXPECT_EQ(Grundeinstellungen.wave_immer_neu, 1);
    EXPECT_EQ(uint8_t(lesen_datei(hoe())[G_wave_immer_neu]), 1);
    EXPECT_EQ(markiert(), 0) << "nothing is marked in this case";

    // The base settings now record it: loading the same file deletes nothing.
    tondateien_anlegen();
    ASSERT_TRUE(Einstellungen_von_Festplatte_holen());
    Vergleich_Grundeinstellungen_Einstellungen();
    EXPECT_EQ(vorhanden(dateien), 42);
}

TEST_F(Vergleich, ZurueckZuGespeichertenTondateienMarkiertNichtsVonSelbst)
{
    andere_datei_laden(QStringLiteral("immer_neu.qvl"), [](Einstellungstyp& e) { e.wave_immer_neu = 1; });
    const QStringList dateien = tondateien_anlegen();
    andere_datei_laden(QStringLiteral("behalten.qvl"), [](Einstellungstyp& e) { e.wave_immer_neu = 0; });
    EXPECT_EQ(Einstellungen.Freq_geaendert, 0);
    EXPECT_EQ(markiert(), 0);
    EXPECT_EQ(vorhanden(dateien), 42);
    EXPECT_EQ(Grundeinstellungen.wave_immer_neu, 0);
}
