// The calibration state per ear in the program's own file: the default
// values say "nicht kalibriert", a recorded calibration shows its kind and
// date as long as the values are those it was made for (also on the other
// ear after a copy), unchanged values keep their first entry, and a file
// with anything the program would not write is ignored.
#include "testumgebung.h"

#include "core/settings/eichzustand.h"
#include "core/shell/programmstart.h"

namespace
{

class Eichzustand_Test : public Einstellungs_Test
{
protected:
    void SetUp() override
    {
        Einstellungs_Test::SetUp();
        Programmstart_Daten();
    }
    QString datei() const { return ordner() + QStringLiteral("Kalibrierungen.txt"); }
    void schreiben(const QByteArray& inhalt) const
    {
        QFile f(datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhalt);
    }
};

} // namespace

TEST_F(Eichzustand_Test, Art_und_Datum_gehoeren_zu_den_Werten)
{
    EXPECT_EQ(Eichzustand_text(Eichzustand_holen(Einstellungen, true)), QStringLiteral("nicht kalibriert (Grundwerte)"));
    EXPECT_TRUE(Keine_eigene_Eichung(Einstellungen));
    EXPECT_EQ(Eichzustand_zeile(Einstellungen),
              QStringLiteral("Kalibrierung links: nicht kalibriert (Grundwerte), rechts: nicht kalibriert (Grundwerte)"));

    Spannung(Einstellungen, 6, 0, 5) = 72.5;
    EXPECT_EQ(Eichzustand_text(Eichzustand_holen(Einstellungen, true)), QStringLiteral("Schallpegelmesser (Datum unbekannt)"));
    EXPECT_FALSE(Keine_eigene_Eichung(Einstellungen));
    ASSERT_TRUE(Eichzustand_merken(Einstellungen, true, Eichart::Bezugshoerer, QDate(2025, 3, 12)));
    EXPECT_EQ(Eichzustand_text(Eichzustand_holen(Einstellungen, true)), QStringLiteral("Bezugshörer (12.03.2025)"));
    // Saving the same values again as another kind is no new calibration.
    ASSERT_TRUE(Eichzustand_merken(Einstellungen, true, Eichart::Schallpegelmesser, QDate(2025, 4, 1)));
    EXPECT_EQ(Eichzustand_holen(Einstellungen, true).art, Eichart::Bezugshoerer);
    // The right ear with the same values (a copy) shows the same calibration.
    Einstellungen.Spannung1[3][1] = Einstellungen.Spannung1[3][0];
    EXPECT_EQ(Eichzustand_text(Eichzustand_holen(Einstellungen, false)), QStringLiteral("Bezugshörer (12.03.2025)"));
    // Changed values, volumes or frequencies are another calibration.
    struct Aenderung {
        const char* name;
        void (*machen)(Einstellungstyp&);
    } aenderungen[] = {
        {"level", [](Einstellungstyp& e) { Spannung(e, 6, 0, 5) = 72.6; }},
        {"volume", [](Einstellungstyp& e) { Links_Volume(e, 5, 2) = 11; }},
        {"unit", [](Einstellungstyp& e) { e.Schallmesser[0][3] = 2; }},
        {"frequency", [](Einstellungstyp& e) { e.Frequenzen[7] = 2600; }},
    };
    for (const Aenderung& a : aenderungen) {
        Einstellungstyp e = Einstellungen;
        a.machen(e);
        EXPECT_EQ(Eichzustand_holen(e, true).art, Eichart::Schallpegelmesser) << a.name;
        EXPECT_FALSE(Eichzustand_holen(e, true).datum.isValid()) << a.name;
    }
    // The voltage layer has its own entries.
    Einstellungen.Eichung = Span_nung;
    EXPECT_EQ(Eichzustand_text(Eichzustand_holen(Einstellungen, true)), QStringLiteral("Mikrofonspannung (Datum unbekannt)"));
}

TEST_F(Eichzustand_Test, fremde_Dateien_werden_nicht_geglaubt)
{
    Spannung(Einstellungen, 6, 0, 5) = 72.5;
    ASSERT_TRUE(Eichzustand_merken(Einstellungen, true, Eichart::automatisch, QDate(2024, 1, 2)));
    Erste_Schritte_merken();
    EXPECT_TRUE(Erste_Schritte_gezeigt());
    QFile f(datei());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray gut = f.readAll();
    f.close();
    EXPECT_TRUE(gut.startsWith("Vazozez Kalibrierungen 1\nErste_Schritte\t1\n6\t"));
    const QByteArray zeile = gut.split('\n')[2];
    struct Fall {
        const char* name;
        QByteArray inhalt;
        bool geglaubt;
    } faelle[] = {
        {"as written", gut, true},
        {"another header", "Kalibrierungen 2\n" + zeile + "\n", false},
        {"kind 5", QByteArray(zeile).replace("\t3\t", "\t5\t") + "\n", false},
        {"bad date", "Vazozez Kalibrierungen 1\n" + QByteArray(zeile).replace("2024-01-02", "2024-13-02") + "\n", false},
        {"layer 5", "Vazozez Kalibrierungen 1\n5" + zeile.mid(1) + "\n", false},
        {"unknown line", gut + "Farbe\trot\n", false},
        {"binary", QByteArray(4000, '\xff'), false},
    };
    for (const Fall& c : faelle) {
        schreiben(c.inhalt);
        EXPECT_EQ(Eichzustand_holen(Einstellungen, true).art == Eichart::automatisch, c.geglaubt) << c.name;
    }
    // After a refused file the next record writes a fresh one.
    ASSERT_TRUE(Eichzustand_merken(Einstellungen, true, Eichart::automatisch, QDate(2024, 1, 2)));
    EXPECT_EQ(Eichzustand_holen(Einstellungen, true).art, Eichart::automatisch);
}
