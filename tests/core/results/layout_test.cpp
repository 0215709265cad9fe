// Table layouts of the results table and the two reference tables, checked
// on the plain grids that every output is rendered from.
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/results/referenztabelle_layout.h"
#include "core/results/testergebnis_layout.h"
#include "core/results/textdatei.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <set>

namespace
{
constexpr Freqarray Frequenzen_Standard = {50,   100,  200,   500,   1000,  1500,  2000,
                                           2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                           7000, 8000, 10000, 12000, 14000, 16000, 18000};
const QString Blanks10 = QString(10, ' ');

// Pressure of a level in dB re 20 uPa.
double pa(double dB)
{
    return 0.00002 * std::pow(10.0, dB / 20.0);
}

class Ergebnislayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Hoerschwelle_Tabellen_erzeugen();
        Einstellungen_zuruecksetzen();
        Einstellungen.Frequenzen = Frequenzen_Standard;
        Einstellungen.pulsierend = 1;
        Einstellungen.zunehmend = 0;
        Druck_string_start();
    }
    static Testergebnis_Angaben angaben(bool schmal, const QString& name = "Erika Mustermann")
    {
        Testergebnis_Angaben a = Testergebnis_Angaben_holen(schmal, name);
        a.datum = "01.02.24";
        a.uhrzeit = "10:11";
        return a;
    }
    static const Blattzelle* zelle(const Blatt& b, int c, int r)
    {
        for (const auto& z : b)
            if (z.spalte == c && z.zeile == r)
                return &z;
        return nullptr;
    }
};
} // namespace

TEST_F(Ergebnislayout, NothingMeasured)
{
    const auto a = angaben(false);
    const Gitter g = Ergebnisse_Bildschirm_Gitter(a);
    EXPECT_EQ(g.spalten(), 6);
    EXPECT_EQ(g.zeilen(), 72);
    // 4 blanks -> 37 px, "Einstellungen:" -> 117 px, the rest 5 more.
    const int breiten[6] = {37, 117, 122, 122, 122, 122};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.breite(c), breiten[c]) << c;
    EXPECT_EQ(g.zelle(2, 1), "Quarvel ");
    EXPECT_EQ(g.zelle(3, 2), "zur Hörschwelle");
    EXPECT_EQ(g.zelle(2, 7), "- Pulsierender ");
    EXPECT_EQ(g.zelle(3, 7), "Ton (AM mit 4 Hz)");
    EXPECT_EQ(g.zelle(5, 7), "abnehmend");
    EXPECT_EQ(g.zelle(3, Zeile_Rechtes_Ohr), "2. Rechtes Ohr");
    EXPECT_TRUE(g.zelle(Name_Spalte, Name_Zeile).isEmpty()) << "the name cell belongs to the user";
    EXPECT_EQ(g.zelle(1, 16), "00050");
    EXPECT_EQ(g.zelle(1, 20), "01000");
    EXPECT_EQ(g.zelle(1, 67), "18000");
    for (int k = 0; k < 21; ++k)
        for (int r : {16 + k, 47 + k}) {
            EXPECT_EQ(g.zelle(2, r), Blanks10);
            EXPECT_EQ(g.zelle(3, r), Blanks10);
            // ISO 226 exists only up to 12500 Hz.
            const bool iso = Frequenzen_Standard[size_t(k)] <= 12500;
            EXPECT_EQ(g.zelle(4, r) == Blanks10, !iso) << r;
            EXPECT_EQ(g.zelle(5, r).size(), 10);
        }
    EXPECT_EQ(g.zelle(4, 20), extendedzustring(10, 1, Hoerschwelle_Funktion(1000)));
    EXPECT_EQ(g.zelle(5, 20), extendedzustring(10, 1, Null_dBA(1000)));

    // Spreadsheet: no level cells, but frequency, ISO (<= 12500 Hz) and 0-dB(A) in every data row.
    const Blatt b = Ergebnisse_Excel_Blatt(a);
    for (int k = 0; k < 21; ++k)
        for (int r : {18 + k, 48 + k}) {
            const auto* f = zelle(b, 1, r);
            ASSERT_TRUE(f);
            EXPECT_EQ(f->art, Blattzelle::Art::Ganzzahl);
            EXPECT_EQ(f->ganz, Frequenzen_Standard[size_t(k)]);
            EXPECT_FALSE(zelle(b, 2, r));
            EXPECT_FALSE(zelle(b, 3, r));
            EXPECT_EQ(zelle(b, 4, r) != nullptr, Frequenzen_Standard[size_t(k)] <= 12500) << r;
            ASSERT_TRUE(zelle(b, 5, r));
            EXPECT_EQ(zelle(b, 5, r)->art, Blattzelle::Art::Zahl);
        }
    EXPECT_DOUBLE_EQ(zelle(b, 5, 22)->zahl, double(Rundenauf(-1, Null_dBA(1000))));
}

TEST_F(Ergebnislayout, OneEarThenBothEars)
{
    // Left ear only: 40 dB at 1000 Hz (row 5) and 25 dB at 18000 Hz (row 21).
    Hoertest_Druck[size_t(Druck_index(true, 5))] = pa(40);
    Hoertest_Druck[size_t(Druck_index(true, 21))] = pa(25);
    {
        const auto a = angaben(false);
        const Gitter g = Ergebnisse_Bildschirm_Gitter(a);
        EXPECT_EQ(g.zelle(3, 20), "      40,0");
        EXPECT_EQ(g.zelle(2, 20), extendedzustring(10, 1, Pa_in_dBA(pa(40), 1000)));
        EXPECT_EQ(g.zelle(3, 36), "      25,0");
        EXPECT_EQ(g.zelle(4, 36), Blanks10);
        EXPECT_EQ(g.zelle(3, 51), Blanks10) << "right ear not measured";
        const Blatt b = Ergebnisse_Excel_Blatt(a);
        ASSERT_TRUE(zelle(b, 3, 22));
        EXPECT_DOUBLE_EQ(zelle(b, 3, 22)->zahl, 40.0);
        ASSERT_TRUE(zelle(b, 3, 38));
        EXPECT_FALSE(zelle(b, 4, 38)) << "no ISO cell above 12500 Hz";
        EXPECT_FALSE(zelle(b, 2, 52));
        EXPECT_FALSE(zelle(b, 3, 52));
        EXPECT_FALSE(zelle(b, 3, 21));
    }
    // Both ears.
    Hoertest_Druck[size_t(Druck_index(false, 1))] = pa(12.34);
    const auto a = angaben(false);
    const Gitter g = Ergebnisse_Bildschirm_Gitter(a);
    EXPECT_EQ(g.zelle(3, 20), "      40,0");
    EXPECT_EQ(g.zelle(3, 47), "      12,3");
    const Blatt b = Ergebnisse_Excel_Blatt(a);
    ASSERT_TRUE(zelle(b, 3, 48));
    EXPECT_DOUBLE_EQ(zelle(b, 3, 48)->zahl, double(Rundenauf(-1, 12.34L)));
    ASSERT_TRUE(zelle(b, 2, 48));
    // A pressure of exactly 1e-15 Pa counts as not measured.
    Hoertest_Druck[size_t(Druck_index(false, 1))] = 1e-15;
    EXPECT_EQ(Ergebnisse_Bildschirm_Gitter(angaben(false)).zelle(3, 47), Blanks10);
}

TEST_F(Ergebnislayout, GrenzenMarkiert)
{
    // Left 1000 Hz after a falling tone fell silent, right 50 Hz after a
    // falling tone's end at full volume, left 100 Hz an ordinary threshold.
    Hoertest_Druck[size_t(Druck_index(true, 5))] = pa(-0.7);
    Hoertest_nach_Tonende[size_t(Druck_index(true, 5))] = Tonende::unter_Stufe;
    Hoertest_Druck[size_t(Druck_index(false, 1))] = pa(3.0);
    Hoertest_nach_Tonende[size_t(Druck_index(false, 1))] = Tonende::nach_abnehmendem;
    Hoertest_Druck[size_t(Druck_index(true, 2))] = pa(30.0);
    struct Zelle {
        int bildschirm_zeile, txt_zeile, blatt_zeile;
        const char* dB;
        const char* dB_schmal;
        const char* blatt;
    };
    const Zelle zellen[] = {{20, 21, 22, "    ≥ -0,7", "≥ -0,7", ">= -0,7"},
                            {47, 48, 48, "     ≤ 3,0", " ≤ 3,0", "<= 3,0"}};
    const Gitter g = Ergebnisse_Bildschirm_Gitter(angaben(false));
    const Gitter druck = Ergebnisse_Druck_Gitter(angaben(false));
    const QStringList txt = Stringgrid_txt_zeilen(Ergebnisse_txt_Gitter(angaben(true)));
    const Blatt b = Ergebnisse_Excel_Blatt(angaben(false));
    for (const Zelle& z : zellen) {
        const QString zeichen = QString::fromUtf8(z.dB).trimmed().left(1);
        EXPECT_EQ(g.zelle(3, z.bildschirm_zeile), QString::fromUtf8(z.dB));
        EXPECT_TRUE(g.zelle(2, z.bildschirm_zeile).trimmed().startsWith(zeichen)) << "dB(A) marked too";
        EXPECT_EQ(druck.zelle(3, z.bildschirm_zeile + 3), QString::fromUtf8(z.dB));
        EXPECT_EQ(txt[z.txt_zeile].mid(45, 6), QString::fromUtf8(z.dB_schmal));
        const auto* c = zelle(b, 3, z.blatt_zeile);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->art, Blattzelle::Art::Text);
        EXPECT_EQ(c->text, QString::fromLatin1(z.blatt));
        ASSERT_TRUE(zelle(b, 2, z.blatt_zeile));
        EXPECT_TRUE(zelle(b, 2, z.blatt_zeile)->text.startsWith(QString::fromLatin1(z.blatt).left(3)));
    }
    // An ordinary threshold stays a number without a mark.
    EXPECT_EQ(g.zelle(3, 17), "      30,0");
    ASSERT_TRUE(zelle(b, 3, 19));
    EXPECT_EQ(zelle(b, 3, 19)->art, Blattzelle::Art::Zahl);
}

TEST_F(Ergebnislayout, TextFileLayout)
{
    Hoertest_Druck[size_t(Druck_index(true, 5))] = pa(40);
    Einstellungen.pulsierend = 0;
    Einstellungen.zunehmend = 1;
    const QStringList z = Stringgrid_txt_zeilen(Ergebnisse_txt_Gitter(angaben(true, "Max")));
    ASSERT_EQ(z.size(), 80);
    for (const QString& l : z)
        EXPECT_EQ(l.size(), 384);
    EXPECT_EQ(z[70], QString(384, ' '));
    // Column starts: 0, 14, 30, 45, 60, 75 (c times the width of column c).
    EXPECT_EQ(z[12].indexOf("Frequenz"), 14);
    EXPECT_EQ(z[12].indexOf("Linkes Ohr"), 30);
    EXPECT_EQ(z[12].indexOf("Linkes Ohr", 31), 45);
    EXPECT_EQ(z[12].indexOf("Norm-"), 60);
    EXPECT_EQ(z[12].indexOf("0-dB(A)-"), 75);
    EXPECT_EQ(z[0].left(4), "    ");
    EXPECT_EQ(z[6].mid(14, 5), "Name:");
    EXPECT_EQ(z[6].mid(30, 3), "Max");
    EXPECT_EQ(z[7].mid(30, 8), "- Nicht ");
    EXPECT_EQ(z[7].mid(45, 10), "pulsierend");
    EXPECT_EQ(z[8].mid(30, 12), "- Amplitude ");
    EXPECT_EQ(z[8].mid(45, 9), "zunehmend");
    EXPECT_EQ(z[40].indexOf("2. Rechtes Ohr"), 45);
    EXPECT_EQ(z[43].indexOf("Rechtes Ohr"), 30);
    // Data rows: narrow measured texts (6 characters), 10 blanks when not measured.
    EXPECT_EQ(z[21].mid(14, 5), "01000");
    EXPECT_EQ(z[21].mid(45, 6), "  40,0");
    EXPECT_EQ(z[52].mid(45, 10), Blanks10);
    EXPECT_EQ(z[68].mid(14, 5), "18000");
    // The underline pieces overlap into one line of underscores.
    EXPECT_EQ(z[38].left(94), "  " + QString(92, '_'));

    // A very long name lengthens its line and is not cut.
    const QString lang(500, QChar(0x00E4));
    const QStringList zl = Stringgrid_txt_zeilen(Ergebnisse_txt_Gitter(angaben(true, lang)));
    EXPECT_EQ(zl[6].size(), 530);
    EXPECT_EQ(zl[6].mid(30), lang);
}

TEST_F(Ergebnislayout, NameAndPrintLayout)
{
    // Date and time in the German short formats, whatever the system language.
    const Testergebnis_Angaben jetzt = Testergebnis_Angaben_holen(false, QString());
    EXPECT_TRUE(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d{4}$").match(jetzt.datum).hasMatch())
        << jetzt.datum.toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(jetzt.uhrzeit).hasMatch())
        << jetzt.uhrzeit.toStdString();

    const QString name = "Jürgen Ä. Müller";
    const auto a = angaben(false, name);
    const Blatt b = Ergebnisse_Excel_Blatt(a);
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b.front().spalte, 2);
    EXPECT_EQ(b.front().zeile, 5);
    EXPECT_EQ(b.front().text, name) << "the name cell is written first";
    EXPECT_EQ(zelle(b, 2, 7)->text, "  - Pulsierender Ton (Amplitudenmodulation mit 4 Hz)");
    EXPECT_EQ(zelle(b, 2, 0)->text, "            Quarvel Vazozez");

    const Gitter d = Ergebnisse_Druck_Gitter(a);
    EXPECT_EQ(d.zelle(2, 6), name);
    const int breiten[6] = {100, 98, 98, 98, 98, 98};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(d.breite(c), breiten[c]) << c;

    // A4 portrait: 74 lines per page, one page; title rows and ear titles large and bold.
    const Druckauftrag p = Ergebnisse_Druckplan(a, 2100, 2970);
    ASSERT_EQ(p.seiten.size(), 1u);
    std::set<int> xs;
    bool name_gedruckt = false;
    for (const auto& e : p.seiten[0].elemente) {
        xs.insert(e.x);
        if (e.text == name)
            name_gedruckt = e.x == 594;
        const bool gross =
            e.y == 110 || e.y == 156 || e.text == "1. Linkes Ohr" || e.text == "2. Rechtes Ohr";
        EXPECT_EQ(e.fett, gross) << e.text.toStdString();
        EXPECT_EQ(e.schrift, gross ? 46 : 36) << e.text.toStdString();
    }
    EXPECT_TRUE(name_gedruckt);
    EXPECT_EQ(xs, (std::set<int>{0, 300, 594, 888, 1182, 1476}));
    // Row 12 is line 13: after two large lines and ten normal ones.
    for (const auto& e : p.seiten[0].elemente) {
        if (e.text == "1. Linkes Ohr") {
            EXPECT_EQ(e.y, 110 + 2 * 46 + 10 * 36);
        }
    }
}

TEST(Tabellengitter, ClipboardAndResize)
{
    Gitter g(3, 2);
    g.setzen(0, 0, "a");
    g.setzen(1, 0, "b");
    g.setzen(2, 0, "c");
    g.setzen(1, 1, "x");
    EXPECT_EQ(Zwischenablage_text(g, 1, 1, 1, 1), "x\r\n");
    EXPECT_EQ(Zwischenablage_text(g, 0, 0, 2, 0), "a\tb\tc\r\n");
    EXPECT_EQ(Zwischenablage_text(g, 0, 0, 2, 1), "a\tb\tc\r\n\tx\t\r\n");
    g.groesse_setzen(2, 3);
    EXPECT_EQ(g.zelle(1, 1), "x");
    EXPECT_TRUE(g.zelle(2, 0).isEmpty());
    EXPECT_EQ(g.breite(1), Standard_Spaltenbreite);
    g.setzen(5, 5, "ausserhalb");
    stringgrid_loeschen(g);
    EXPECT_TRUE(g.zelle(1, 1).isEmpty());
}

namespace
{
class Referenzlayout : public ::testing::Test
{
protected:
    void SetUp() override { Hoerschwelle_Tabellen_erzeugen(); }
};

// Frequencies of all data rows printed, page by page, in print order.
std::vector<int> gedruckte_frequenzen(const Druckauftrag& p)
{
    std::vector<int> f;
    for (const auto& s : p.seiten)
        for (const auto& e : s.elemente)
            if (e.x == 900 && !e.zentriert) {
                bool ok = false;
                const int v = e.text.toInt(&ok);
                if (ok)
                    f.push_back(v);
            }
    return f;
}
} // namespace

TEST_F(Referenzlayout, ScreenRowsAndSpreadsheet)
{
    const Referenztabelle n = Referenztabelle_Norm();
    const Gitter g = Referenz_Bildschirm_Gitter(n);
    EXPECT_EQ(g.spalten(), 4);
    EXPECT_EQ(g.zeilen(), 1430 - 20 + 12);
    EXPECT_EQ(g.zelle(2, 8), "20");
    EXPECT_EQ(g.zelle(2, 8 + 179), "199");
    EXPECT_EQ(g.zelle(2, 8 + 180), "200");
    EXPECT_EQ(g.zelle(2, 8 + 181), "210");
    EXPECT_EQ(g.zelle(2, 1418), "12500");
    EXPECT_TRUE(g.zelle(2, 1419).isEmpty());
    EXPECT_EQ(g.zelle(3, 8 + 260), extendedzustring(8, 1, Hoerschwelle_Funktion(1000)));
    EXPECT_EQ(g.zelle(3, 8 + 260), "     2,4");
    EXPECT_EQ(g.breite(1), 40);
    EXPECT_EQ(g.breite(2), 85);
    EXPECT_EQ(g.breite(3), 165);

    const Referenztabelle z = Referenztabelle_NulldBA();
    const Gitter gz = Referenz_Bildschirm_Gitter(z);
    EXPECT_EQ(gz.zeilen(), 2180 - 20 + 12);
    EXPECT_EQ(gz.zelle(2, 2168), "20000");
    const Blatt b = Referenz_Excel_Blatt(z, gz);
    EXPECT_EQ(b.front().text, "0-dB(A)-Werte");
    EXPECT_EQ(b[1].text, "(DIN IEC 651)");
    const auto& letzte = b.back();
    EXPECT_EQ(letzte.art, Blattzelle::Art::Text);
    EXPECT_EQ(letzte.text, " ");
    EXPECT_EQ(letzte.spalte, 1);
    EXPECT_EQ(letzte.zeile, 2170);
    const auto& wert = b[b.size() - 2];
    EXPECT_EQ(wert.art, Blattzelle::Art::Zahl);
    EXPECT_EQ(wert.zeile, 2168);
    EXPECT_DOUBLE_EQ(wert.zahl, double(Rundenauf(-1, Null_dBA(20000))));
    EXPECT_EQ(b[b.size() - 3].ganz, 20000);
}

TEST_F(Referenzlayout, TextFileColumns)
{
    const Referenztabelle n = Referenztabelle_Norm();
    const Gitter g = Referenz_Bildschirm_Gitter(n);
    const QStringList z = Referenz_txt_zeilen(n, g);
    ASSERT_EQ(z.size(), 1422 + 2);
    EXPECT_EQ(z[1].mid(10), "Normhörschwelle" + QString(256 - 25, ' '));
    EXPECT_EQ(z[2].mid(10, 14), "(ISO 226:2003)");
    EXPECT_EQ(z[4].mid(10, 10), "Frequenz f");
    EXPECT_EQ(z[4].mid(30, 16), "Schallpegel (dB)");
    for (int r = 8; r < 1419; ++r) {
        ASSERT_EQ(z[r].size(), 256);
        EXPECT_EQ(z[r].left(10), QString(10, ' '));
        EXPECT_EQ(z[r].mid(10, g.zelle(2, r).size()), g.zelle(2, r));
        EXPECT_EQ(z[r].mid(30, 8), g.zelle(3, r));
    }
    EXPECT_EQ(z[1422], "");
    EXPECT_EQ(z[1423], n.fusszeile);
}

TEST_F(Referenzlayout, PrintPages)
{
    // L = 74 lines on A4; page 1 holds 73.
    EXPECT_EQ(Druck_Seiten_zwei_Gitter(73, 2970), 1);
    EXPECT_EQ(Druck_Seiten_zwei_Gitter(74, 2970), 2);
    EXPECT_EQ(Druck_Seiten_zwei_Gitter(73 + 74, 2970), 2);
    EXPECT_EQ(Druck_Seiten_zwei_Gitter(73 + 75, 2970), 3);
    for (const auto& t : {Referenztabelle_Norm(), Referenztabelle_NulldBA()}) {
        const Gitter g = Referenz_Bildschirm_Gitter(t);
        const Druckauftrag p = Referenz_Druckplan(t, g, 2100, 2970);
        const int n = Druck_Seiten_zwei_Gitter(g.zeilen(), 2970);
        EXPECT_EQ(n, t.letzte == 1430 ? 20 : 30);
        ASSERT_EQ(int(p.seiten.size()), n);
        for (int s = 0; s < n; ++s) {
            const QString seite = QStringLiteral("Seite: %1 von %2").arg(s + 1).arg(n);
            bool gefunden = false;
            for (const auto& e : p.seiten[size_t(s)].elemente)
                gefunden = gefunden || (e.text == seite && e.zentriert && e.y == 2970 - 160);
            EXPECT_TRUE(gefunden) << seite.toStdString();
        }
        // Title lines on page 1 only.
        EXPECT_EQ(p.seiten[0].elemente[1].text, t.druck_titel);
        EXPECT_TRUE(p.seiten[0].elemente[1].fett);
        EXPECT_EQ(p.seiten[0].elemente[2].text, t.druck_untertitel);
        // Every table row printed exactly once, in order; the frequency column at x = 900.
        const std::vector<int> f = gedruckte_frequenzen(p);
        ASSERT_EQ(int(f.size()), t.letzte - t.erste + 1);
        for (size_t i = 0; i < f.size(); ++i)
            ASSERT_EQ(f[i], Tabellenzeile_Frequenz(t.erste + int(i))) << i;
    }
}
