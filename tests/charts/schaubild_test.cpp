// The chart classes drawn into QImages: conversions, axis ticks and labels,
// grid, markers, crosshair, the min-max columns of long curves against every
// single sample, cuts at y max / y min, scroll-bar arithmetic, the reduced
// curves and units of the threshold charts, and pictures written to disk.
#include "charts/hoerschwelle_schaubild.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/shell/dialoge.h"
#include "core/shell/meldungen.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace
{

QImage weisses_Bild(int w, int h)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(Qt::white);
    return b;
}

QRgb rgb(int32_t farbe)
{
    return Farbe_in_QColor(farbe).rgb();
}

// A chart whose plot area is `breite` x `hoehe` pixels.
void Groesse(TkvSchaubild2b& s, int breite, int hoehe)
{
    s.Bildbreite = s.Rand_links + breite + s.Rand_rechts;
    s.Bildhoehe = s.Rand_oben + hoehe + s.Rand_unten;
    s.dynamische_werte();
}

// Painted rows of one pixel column, as [first, last]; {-1, -1} when none.
std::pair<int, int> Bemalte_Zeilen(const QImage& b, int x)
{
    int erste = -1, letzte = -1;
    for (int y = 0; y < b.height(); ++y)
        if (b.pixel(x, y) != qRgb(255, 255, 255)) {
            if (erste < 0)
                erste = y;
            letzte = y;
        }
    return {erste, letzte};
}

} // namespace

TEST(Schaubild, Umrechnungen_treffen_ihre_Pixel)
{
    for (const bool eine : {false, true}) {
        TkvSchaubild2b s;
        s.eine_Zeichenflaeche = eine;
        s.xmin = 0;
        s.xmax = 20000;
        s.ymin = -20;
        s.ymax = 80;
        Groesse(s, 750, 410);
        const int lx = eine ? s.links : 0;
        const int oy = eine ? s.oben : 0;
        EXPECT_EQ(s.xWert_in_xPixel_Schaubild(0), lx);
        EXPECT_EQ(s.xWert_in_xPixel_Schaubild(2000), lx + 75); // trunc(2000 * 750 / 20000)
        EXPECT_EQ(s.xWert_in_xPixel(2000), s.links + 75);
        EXPECT_EQ(s.xWert_in_xPixel_Schaubild(-1), lx); // toward zero, not down
        EXPECT_EQ(s.xWert_in_xPixel_Schaubild(-30), lx - 1);
        EXPECT_EQ(s.yWert_in_yPixel_Schaubild(-20), oy + 410);
        EXPECT_EQ(s.yWert_in_yPixel_Schaubild(80), oy);
        EXPECT_EQ(s.yWert_in_yPixel(80), s.oben);
        // The value read off a pixel lies in that pixel.
        for (int p = 0; p <= s.Breite; ++p)
            ASSERT_EQ(s.xWert_in_xPixel_Schaubild(s.xPixel_in_xWert_Schaubild(lx + p)), lx + p);
        for (int p = 0; p <= s.Hoehe; ++p)
            ASSERT_EQ(s.yWert_in_yPixel_Schaubild(s.yPixel_in_yWert_Schaubild(oy + p)), oy + p);
    }
}

TEST(Schaubild, Achsenstriche_und_Beschriftungen)
{
    TkvSchaubild2c s;
    Ausgangs_werte1a(s);
    s.xmin = 0;
    s.xmax = 20000;
    s.xTeilung = 200;
    Groesse(s, 1000, 400);
    const QStringList jede_zweite = {"0", "4000", "8000", "12000", "16000", "20000"};
    const QStringList alle = {"0",     "2000",  "4000",  "6000",  "8000", "10000",
                              "12000", "14000", "16000", "18000", "20000"};
    for (const bool zweite : {true, false}) {
        s.Beschriftung_jede_zweite = zweite;
        QStringList texte;
        int lang[16] = {};
        for (const Achsenstrich& a : s.x_Striche()) {
            if (!a.text.isEmpty())
                texte << a.text;
            ++lang[a.laenge];
        }
        EXPECT_EQ(texte, zweite ? jede_zweite : alle);
        EXPECT_EQ(lang[15], 11);
        EXPECT_EQ(lang[10], 10);
        EXPECT_EQ(lang[5], 80);
    }
    QStringList y;
    for (const Achsenstrich& a : s.y_Striche())
        if (!a.text.isEmpty())
            y << a.text;
    EXPECT_EQ(y, QStringList({"-20", "-10", "0", "10", "20", "30", "40", "50", "60", "70", "80"}));
}

TEST(Schaubild, Gitter_und_Markierungen)
{
    TkvSchaubild2b s;
    s.eine_Zeichenflaeche = true;
    s.xmin = 0;
    s.xmax = 1000;
    s.xEinheit = 100;
    s.ymin = 0;
    s.ymax = 100;
    s.yEinheit = 10;
    Groesse(s, 500, 400);
    QImage b = weisses_Bild(s.Bildbreite, s.Bildhoehe);
    const int32_t rot = 0x0000FF;
    QPainter p(&b);
    s.Hintergrund_gitter(p);
    s.EinPunkt_zeichnen(p, 4, rot, 10, 50, 500);  // centre of the plot
    s.EinPunkt_zeichnen(p, 4, rot, 10, 20, 1002); // one pixel right of the plot: not drawn
    s.EinPunkt_zeichnen(p, 4, rot, 10, 80, 998);  // one pixel inside: cut at the border
    p.end();

    const QRgb grau = rgb(s.Gitterfarbe);
    for (int k = 0; k <= 10; ++k) // a vertical grid line every 100, top to bottom
        EXPECT_TRUE(b.pixel(s.links + 50 * k, s.oben + 37) == grau &&
                    b.pixel(s.links + 50 * k, s.unten) == grau);
    EXPECT_EQ(b.pixel(s.links + 25, s.oben + 37), qRgb(255, 255, 255));

    const int cx = s.links + 250, cy = s.oben + 200;
    for (int d = -5; d <= 5; ++d) {
        EXPECT_EQ(b.pixel(cx + d, cy), rgb(rot)) << d;
        EXPECT_EQ(b.pixel(cx, cy + d), rgb(rot)) << d;
    }
    EXPECT_NE(b.pixel(cx + 6, cy), rgb(rot));
    EXPECT_NE(b.pixel(cx, cy + 6), rgb(rot));
    const int y20 = s.yWert_in_yPixel_Schaubild(20);
    for (int x = s.rechts - 6; x <= s.rechts + 6; ++x)
        EXPECT_NE(b.pixel(x, y20), rgb(rot)) << x;
    const int y80 = s.yWert_in_yPixel_Schaubild(80);
    EXPECT_EQ(b.pixel(s.rechts, y80), rgb(rot));
    EXPECT_EQ(b.pixel(s.rechts - 6, y80), rgb(rot));
    for (int x = s.rechts + 1; x <= s.rechts + 6; ++x)
        EXPECT_EQ(b.pixel(x, y80), qRgb(255, 255, 255)) << x;
}

TEST(Schaubild, Fadenkreuz_Ablesung_auf_halbe_Pixel_gerundet)
{
    struct Fall {
        int breite;
        long double xmin, xmax;
        int pixel;
        const char* text;
    };
    // 800 pixels for 20000 Hz: half a pixel is 12.5 Hz, readouts in hundreds.
    const Fall faelle[] = {{800, 0, 20000, 0, "0"},         {800, 0, 20000, 123, "3100"},
                           {800, 0, 20000, 401, "10000"},   {800, 1000, 2000, 37, "1047"},
                           {800, 0, 200, 5, "1"},           {750, 0, 20, 300, "8,0"},
                           {800, 2000, 22000, 799, "22000"}};
    for (const Fall& f : faelle) {
        TkvSchaubild2b s;
        s.xmin = f.xmin;
        s.xmax = f.xmax;
        Groesse(s, f.breite, 400);
        s.x_Fadenkreuz_berechnen(f.pixel);
        EXPECT_EQ(s.xFadenkreuz_text, QString::fromUtf8(f.text)) << f.xmax << " " << f.pixel;
    }
    TkvSchaubild2b s;
    s.ymin = -20;
    s.ymax = 80;
    Groesse(s, 800, 400); // 4 pixels per dB: 80 - 123 / 4 + 1 / 8
    s.y_Fadenkreuz_berechnen(123);
    EXPECT_EQ(s.yFadenkreuz_text, QStringLiteral("49"));
}

// Every pixel column of a long curve shows exactly the minimum and maximum of
// the samples whose own pixel it is, whatever the ratio of samples to pixels.
TEST(Schaubild, Kurvenspalten_wie_jede_einzelne_Probe)
{
    struct Fall {
        int anzahl;
        long double x0, dx, xmin, xmax;
        int breite;
        bool eine;
    };
    const Fall faelle[] = {
        {20000, 0, 1, 0, 20000, 800, false},             // 25 samples per column, borders on samples
        {20000, 0, 1, 1234.5L, 17000, 777, true},        // first sample left of the plot
        {300, 0, 7, 0, 2100, 800, false},                // 2.7 pixels per sample
        {20001, 20, 1, 0, 20000, 1670, false},           // starts at 20 Hz inside the plot
        {44100, 0, 1000.0L / 44100, 0, 1000, 640, true}, // steps that are no binary fraction
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.anzahl);
        std::vector<long double> w(size_t(f.anzahl));
        for (int k = 0; k < f.anzahl; ++k)
            w[size_t(k)] = 50 + 35 * std::sin(k * 0.013L) + ((k * 7919) % 13 - 6);
        TkvSchaubild2b s;
        s.eine_Zeichenflaeche = f.eine;
        s.Gitter_mit_Kurve = false;
        s.xmin = f.xmin;
        s.xmax = f.xmax;
        s.ymin = 0;
        s.ymax = 100;
        s.x0 = f.x0;
        s.dx = f.dx;
        s.Index_Anfang = 0;
        s.Index_Ende = f.anzahl - 1;
        Groesse(s, f.breite, 300);
        s.xPixel_Schaubild_vorbereiten();
        ASSERT_GE(s.Spalten_letzte, 1);

        // Columns: each one ends with the last sample whose own pixel is not right of it.
        for (int k = 1; k <= s.Spalten_letzte; ++k) {
            const int h = s.Spalte_Index[size_t(k)];
            const int j = s.Spalte_Pixel[size_t(k)];
            ASSERT_EQ(s.Spalte_von_Index(h), j) << k;
            if (h < s.letzter_Index) {
                ASSERT_GT(s.Spalte_von_Index(h + 1), j) << k;
            }
        }
        // At most one connecting line and one vertical stroke per column.
        EXPECT_LE(s.Kurve_Linien(w).size(), 2 * size_t(s.Breite + 1) + 2);

        QImage b = weisses_Bild(s.Bildbreite, s.Bildhoehe);
        {
            QPainter p(&b);
            s.Schaubild_zeichnen(p, w, Qt::SolidLine, 0);
        }
        // Brute force: the rows of every sample, by its own pixel column.
        const int versatz = f.eine ? s.F_links : 0;
        std::map<int, std::pair<int, int>> spalten; // column -> rows of max, min
        for (int k = s.erster_Index; k <= s.letzter_Index; ++k) {
            const int c = s.Spalte_von_Index(k);
            if (c < 1 || c >= s.Breite)
                continue; // border columns take interpolated values
            const int y = s.yWert_in_yPixel_Schaubild(w[size_t(k)]);
            auto [it, neu] = spalten.try_emplace(c, y, y);
            it->second = {std::min(it->second.first, y), std::max(it->second.second, y)};
        }
        for (auto it = spalten.begin(); it != spalten.end(); ++it) {
            const int x = it->first + versatz;
            const auto [oben, unten] = it->second;
            for (int y = oben; y <= unten; ++y)
                ASSERT_EQ(b.pixel(x, y), qRgb(0, 0, 0)) << "column " << it->first << " row " << y;
            // Nothing beyond the rows of this column and its two neighbours.
            int lo = oben, hi = unten;
            for (auto n : {std::prev(it == spalten.begin() ? spalten.end() : it), std::next(it)})
                if (n != spalten.end() && std::abs(n->first - it->first) <= 3) {
                    lo = std::min(lo, n->second.first);
                    hi = std::max(hi, n->second.second);
                }
            const auto [erste, letzte] = Bemalte_Zeilen(b, x);
            ASSERT_GE(erste, lo) << "column " << it->first;
            ASSERT_LE(letzte, hi) << "column " << it->first;
        }
    }
}

TEST(Schaubild, Kurve_an_ymax_und_ymin_geschnitten)
{
    TkvSchaubild2b s;
    s.Gitter_mit_Kurve = false;
    s.xmin = 0;
    s.xmax = 10;
    s.ymin = 0;
    s.ymax = 1;
    s.x0 = 0;
    s.dx = 1;
    s.Index_Anfang = 0;
    s.Index_Ende = 10;
    Groesse(s, 100, 100);
    s.xPixel_Schaubild_vorbereiten();
    const std::vector<long double> w = {0.5, 0.5, 0.5, 0.5, 0.5, 1.5, 0.5, 0.5, -0.5, 0.5, 0.5};
    QImage b = weisses_Bild(101, 101);
    {
        QPainter p(&b);
        s.Schaubild_zeichnen(p, w, Qt::SolidLine, 0);
    }
    const QRgb schwarz = qRgb(0, 0, 0);
    // Up through y max at x 45 and back at 55; down through y min at 75 and back at 85.
    EXPECT_EQ(b.pixel(45, 0), schwarz);
    EXPECT_EQ(b.pixel(55, 0), schwarz);
    EXPECT_EQ(b.pixel(75, 100), schwarz);
    EXPECT_EQ(b.pixel(85, 100), schwarz);
    for (int x = 47; x <= 53; ++x)
        EXPECT_EQ(Bemalte_Zeilen(b, x), std::make_pair(-1, -1)) << x;
    for (int x = 77; x <= 83; ++x)
        EXPECT_EQ(Bemalte_Zeilen(b, x), std::make_pair(-1, -1)) << x;
    EXPECT_EQ(Bemalte_Zeilen(b, 20), std::make_pair(50, 50));
}

TEST(Schaubild, Nichts_sichtbar_nur_Gitter)
{
    struct Fall {
        int index_ende;
        long double xmin, xmax;
        bool fadenkreuz; // drawn?
    };
    // One sample: first and last visible index equal, grid only, no crosshair.
    // A view wholly beyond the samples: no stroke from their far end, crosshair stays.
    const Fall faelle[] = {{1, 0, 10, false}, {10, 20, 30, true}, {10, -30, -20, true}};
    for (const Fall& f : faelle) {
        TkvSchaubild2b s;
        s.eine_Zeichenflaeche = true;
        s.xmin = f.xmin;
        s.xmax = f.xmax;
        s.xEinheit = 1;
        s.ymin = 0;
        s.ymax = 100;
        s.yEinheit = 10;
        s.x0 = 0;
        s.dx = 1;
        s.Index_Anfang = f.index_ende == 1 ? 1 : 0;
        s.Index_Ende = f.index_ende;
        Groesse(s, 100, 100);
        s.xPixel_Schaubild_vorbereiten();
        s.Fadenkreuz_zeigen = true;
        s.x_Fadenkreuz_berechnen(s.links + 33);
        s.y_Fadenkreuz_berechnen(s.oben + 33);
        const std::vector<long double> w(11, 50.0L);
        QImage b = weisses_Bild(s.Bildbreite, s.Bildhoehe);
        {
            QPainter p(&b);
            s.Schaubild_zeichnen(p, w, Qt::SolidLine, 0);
        }
        int schwarz = 0, magenta = 0, grau = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) {
                schwarz += b.pixel(x, y) == qRgb(0, 0, 0);
                magenta += b.pixel(x, y) == rgb(s.Fadenkreuzfarbe);
                grau += b.pixel(x, y) == rgb(s.Gitterfarbe);
            }
        EXPECT_EQ(schwarz, 0) << f.xmin;
        EXPECT_EQ(magenta > 0, f.fadenkreuz) << f.xmin;
        EXPECT_GT(grau, 0);
    }
}

// No setting makes a paint crash or hang: empty ranges, zero or negative
// steps, a zero-sized picture.
TEST(Schaubild, Unbrauchbare_Einstellungen)
{
    const std::vector<std::function<void(TkvSchaubild2c&)>> faelle = {
        [](TkvSchaubild2c& s) { s.xmax = s.xmin; },
        [](TkvSchaubild2c& s) { s.ymax = s.ymin; },
        [](TkvSchaubild2c& s) { s.xTeilung = 0; },
        [](TkvSchaubild2c& s) {
            s.xEinheit = 0;
            s.yEinheit = -10;
        },
        [](TkvSchaubild2c& s) {
            s.yTeilung = -1;
            s.xTeilung = 1e-30L;
        },
        [](TkvSchaubild2c& s) { s.dx = 0; },
        [](TkvSchaubild2c& s) {
            s.xmax = 1e300L;
            s.ymin = -1e300L;
        },
        [](TkvSchaubild2c& s) {
            s.Bildbreite = 0;
            s.Bildhoehe = 0;
        },
        [](TkvSchaubild2c& s) {
            s.xScroll_Schritt = 0;
            s.yScroll_Schritt = 0;
            s.xEinheit = 0;
        },
    };
    const std::vector<long double> w(20001, 10.0L);
    for (size_t i = 0; i < faelle.size(); ++i) {
        TkvSchaubild2c s;
        Ausgangs_werte1a(s);
        s.eine_Zeichenflaeche = true;
        s.Index_Anfang = 0;
        s.Index_Ende = 20000;
        s.dx = 1;
        s.x0 = 0;
        s.Bildbreite = 640;
        s.Bildhoehe = 480;
        faelle[i](s);
        s.dynamische_werte();
        s.Wertex_start_end_anpassen();
        s.Wertey_start_end_anpassen();
        s.xPixel_Schaubild_vorbereiten();
        s.xScrollbar_aktualisiert_Werte_startx1(s.xScrollbar_max_zuweisen());
        s.x_Fadenkreuz_berechnen(100);
        s.y_Fadenkreuz_berechnen(100);
        s.Fadenkreuz_zeigen = true;
        QImage b = s.Schaubilder_speichern_anfang(QFont());
        QPainter p(&b);
        s.Schaubild_zeichnen(p, w, Qt::SolidLine, 0);
        s.EinPunkt_zeichnen(p, 4, 0, 10, 5, 5);
        SUCCEED() << i;
    }
}

TEST(Schaubild, Scrollbalken_und_verdichtete_Kurve)
{
    TkvSchaubild2c s;
    // A position read back from the chart is the position it was set to.
    s.xScroll_Schritt = 100;
    s.xOffset = -500;
    for (int pos : {0, 7, 200}) {
        s.xScrollbar_aktualisiert_Werte_startx1(pos);
        EXPECT_EQ(s.xScrollBarpos_zuweisen(), pos);
    }
    s.yScroll_Schritt = 0.01L;
    EXPECT_EQ(s.yScrollbar_max_zuweisen(), 20000);
    for (auto [pos, ymin] : {std::pair{0, 100.0L}, {20000, -100.0L}, {12000, -20.0L}}) {
        s.yScrollbar_aktualisiert_Werte_starty1(pos);
        EXPECT_NEAR(double(s.ymin), double(ymin), 1e-9);
        EXPECT_EQ(s.yScrollBarpos_zuweisen(), pos);
    }
    // Ten units from the requested start, snapped to a unit.
    struct Fall {
        long double einheit, start;
        int nachkomma;
        long double xmin, xmax;
        bool zweite;
    };
    for (const Fall& f : {Fall{2000, 20, 0, 0, 20000, true}, Fall{100, 1234, 0, 1200, 2200, false},
                          Fall{100, 1234, 2, 1200, 2200, true}, Fall{20, 9970, 0, 9960, 10160, true}}) {
        s.xEinheit = f.einheit;
        s.xStart = f.start;
        s.xNachkomma = f.nachkomma;
        s.Wertex_start_end_anpassen();
        EXPECT_EQ(s.xmin, f.xmin);
        EXPECT_EQ(s.xmax, f.xmax);
        EXPECT_EQ(s.Beschriftung_jede_zweite, f.zweite) << double(f.einheit);
    }

    // Reduction: about two pixels between retained samples.
    std::vector<long double> quelle(20001);
    for (size_t i = 0; i < quelle.size(); ++i)
        quelle[i] = std::sqrt((long double)i);
    for (auto [breite, d] : {std::pair{800, 50}, {1670, 24}, {20000 * 3, 1}}) {
        TkvSchaubild2c r;
        r.xmin = 0;
        r.xmax = 20000;
        r.Bildbreite = r.Rand_links + breite + r.Rand_rechts;
        std::vector<long double> ziel;
        r.Schaubild_array_akt_bilden(quelle, 20, 1, 20, 20000, ziel);
        const int n = 19980 / d + 1;
        EXPECT_EQ(r.Index_Ende, n - 1);
        EXPECT_EQ(r.Index_Anfang, 0);
        EXPECT_EQ(r.dx, d);
        EXPECT_EQ(r.xGesamt, 20 + (long double)d * (n - 1));
        for (int i : {0, n / 2, n - 1})
            EXPECT_EQ(ziel[size_t(i)], quelle[size_t(20 + i * d)]);
    }
}

class Hoerschwelle : public testing::Test
{
protected:
    void SetUp() override
    {
        Hoerschwelle_Tabellen_erzeugen();
        Schaubild_Objekte_erzeugen();
        for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
            Ausgangs_werte1a(*s);
            s->Bildbreite = 1920;
            s->Bildhoehe = 900;
            s->dynamische_werte();
        }
    }
    void TearDown() override { Schaubild_Objekte_freigeben(); }
};

TEST_F(Hoerschwelle, Einheiten_und_Scrollen)
{
    const Scrollbar_Einstellung y = Schallpegel_Einheit_festlegen(3); // "10 dB"
    EXPECT_EQ(Schaubild_NulldBA->ymin, -20);
    EXPECT_EQ(Schaubild_NulldBA->ymax, 80);
    EXPECT_EQ(y.maximum, 20000);
    EXPECT_EQ(y.position, 12000);
    EXPECT_EQ(y.aenderung, 1000);
    const Scrollbar_Einstellung x = Zeit_Einheit_festlegen(6); // "2000 Hz"
    for (const TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        EXPECT_EQ(s->xmin, 0);
        EXPECT_EQ(s->xmax, 20000);
        EXPECT_TRUE(s->Beschriftung_jede_zweite);
    }
    EXPECT_EQ(x.maximum, 200);
    EXPECT_EQ(x.position, 0);
    // Both reduced curves reach as far as their data: 12500 and 20000 Hz.
    EXPECT_NEAR(double(Schaubild_Norm->x_Wert(Schaubild_Norm->Index_Ende)), 12500, Schaubild_Norm->dx);
    EXPECT_NEAR(double(Schaubild_NulldBA->x_Wert(Schaubild_NulldBA->Index_Ende)), 20000,
                Schaubild_NulldBA->dx);
    EXPECT_EQ(Hoerschwelle_Kurve2[0], Hoerschwelle_Kurve[20]);

    // "100 Hz": ten units from the scrolled position, one page = one unit.
    const Scrollbar_Einstellung h = Zeit_Einheit_festlegen(2);
    EXPECT_EQ(h.aenderung, 1);
    Zeit_scrollen(37);
    for (const TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        EXPECT_EQ(s->xmin, 3700);
        EXPECT_EQ(s->xmax, 4700);
        EXPECT_FALSE(s->Beschriftung_jede_zweite);
    }
    Zeit_scrollen(37 + h.aenderung);
    EXPECT_EQ(Schaubild_NulldBA->xmin, 3800);
    for (auto [pos, ymin] : {std::pair{0, 100}, {20000, -100}, {12345, -20}}) {
        Druck_scrollen(pos);
        EXPECT_EQ(Schaubild_Norm->ymin, ymin);
        EXPECT_EQ(Schaubild_NulldBA->ymax, ymin + 100);
    }
}

TEST(Bilddatei, JPEG_und_BMP_mit_Groesse_und_Pixeln)
{
    QTemporaryDir ordner;
    Aufzeichnende_Dialoge dlg;
    dialoge_setzen(&dlg);
    TkvSchaubild2c s;
    Ausgangs_werte_Bild(s);
    s.eine_Zeichenflaeche = true;
    s.Bildbreite = 641;
    s.Bildhoehe = 399;
    s.dynamische_werte();
    const int mx = s.xWert_in_xPixel_Schaubild(10000), my = s.yWert_in_yPixel_Schaubild(30);
    for (const bool jpg : {true, false}) {
        QImage b = s.Schaubilder_speichern_anfang(QFont(QStringLiteral("Arial")));
        {
            QPainter p(&b);
            s.EinPunkt_zeichnen(p, 4, 0x0000FF, 10, 30, 10000);
        }
        QString name = ordner.filePath(QStringLiteral("bild.xyz"));
        ASSERT_TRUE(jpg ? s.Schaubilder_speichern_jpg_ende(b, name)
                        : s.Schaubilder_speichern_bmp_ende(b, name));
        EXPECT_EQ(name, ordner.filePath(jpg ? QStringLiteral("bild.jpg") : QStringLiteral("bild.bmp")));
        EXPECT_TRUE(b.isNull());
        const QImage r(name);
        ASSERT_EQ(r.size(), QSize(641, 399));
        const int toleranz = jpg ? 6 : 0;
        auto nahe = [&](QRgb ist, QRgb soll) {
            return std::abs(qRed(ist) - qRed(soll)) <= toleranz &&
                   std::abs(qGreen(ist) - qGreen(soll)) <= toleranz &&
                   std::abs(qBlue(ist) - qBlue(soll)) <= toleranz;
        };
        EXPECT_TRUE(nahe(r.pixel(mx, my), qRgb(255, 0, 0))) << jpg;
        EXPECT_TRUE(nahe(r.pixel(mx - 4, my), qRgb(255, 0, 0))) << jpg;
        EXPECT_TRUE(nahe(r.pixel(3, 3), qRgb(255, 255, 255))) << jpg;
        EXPECT_TRUE(nahe(r.pixel(s.links + 40, s.oben + 40), qRgb(255, 255, 255))) << jpg;
    }
    EXPECT_TRUE(dlg.meldungen.empty());

    // A file held open for writing elsewhere, a missing folder, a picture too
    // wide for JPEG: the save warning, and an existing file stays as it was.
    QFile alt(ordner.filePath(QStringLiteral("bild.bmp")));
    ASSERT_TRUE(alt.open(QIODevice::ReadWrite));
    const QByteArray vorher = alt.readAll();
    for (const char* datei : {"bild.bmp", "fehlt/bild.jpg", "breit.jpg"}) {
        QString name = ordner.filePath(QString::fromLatin1(datei));
        QImage b = s.Schaubilder_speichern_anfang(QFont());
        if (name.endsWith(QStringLiteral("breit.jpg"))) {
            b = QImage(70000, 2, QImage::Format_RGB32);
            b.fill(Qt::white);
        }
        EXPECT_FALSE(name.endsWith(QStringLiteral(".bmp")) ? s.Schaubilder_speichern_bmp_ende(b, name)
                                                           : s.Schaubilder_speichern_jpg_ende(b, name));
        EXPECT_EQ(dlg.letzter_text(), Text_Fehler_bei_abspeichern()) << datei;
        EXPECT_EQ(dlg.meldungen.back().titel, QStringLiteral("Problem"));
    }
    EXPECT_EQ(dlg.meldungen.size(), size_t(3));
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("breit.jpg"))));
    alt.seek(0);
    EXPECT_EQ(alt.readAll(), vorher);
    dialoge_setzen(nullptr);
}
