#include "charts/kvschaubild2b.h"

#include "core/shell/kvhilf.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{

// Pixels are held within these limits; far beyond any image, far inside int.
constexpr long double Pixelgrenze = 1e9L;
// No axis or grid gets more lines than this, whatever the steps are set to.
constexpr int Hoechstzahl_Striche = 100000;

int begrenzt(long double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -Pixelgrenze, Pixelgrenze));
}

// Pixels per unit, or 0 when the value range is empty (or not a number).
long double Skala(int pixel, long double von, long double bis)
{
    const long double spanne = bis - von;
    if (spanne == 0 || !std::isfinite(spanne))
        return 0;
    const long double s = pixel / spanne;
    return std::isfinite(s) ? s : 0;
}

// A step that a tick loop can advance by.
bool brauchbarer_Schritt(long double s)
{
    return s > 0 && std::isfinite(s);
}

QString Beschriftung(long double wert, int nachkomma)
{
    return Zahltext(0, nachkomma, wert);
}

void Schrift_setzen(QPainter& p, int hoehe)
{
    QFont f = p.font();
    f.setPixelSize(std::max(1, std::abs(hoehe)));
    p.setFont(f);
}

enum class Ausrichtung { Links, Mitte, Rechts };

// Text with its top at y; x is its left end, middle or right end.
void Text(QPainter& p, int x, int y, const QString& text, Ausrichtung a)
{
    const QFontMetrics fm = p.fontMetrics();
    const int w = fm.horizontalAdvance(text);
    if (a == Ausrichtung::Mitte)
        x -= w / 2;
    else if (a == Ausrichtung::Rechts)
        x -= w;
    p.drawText(x, y + fm.ascent(), text);
}

// Ticks from `anfang` to `ende` every `teilung`: labelled every `einheit`,
// half ticks halfway between. `jede_zweite`: only every second labelled tick
// after the first carries its label.
template <typename Pixel>
std::vector<Achsenstrich> Striche(long double anfang, long double ende, long double einheit,
                                  long double teilung, int nachkomma, bool jede_zweite, int gross, int halb,
                                  int klein, Pixel pixel)
{
    std::vector<Achsenstrich> s;
    s.push_back({pixel(anfang), gross, Beschriftung(anfang, nachkomma)});
    if (!brauchbarer_Schritt(teilung))
        return s;
    const long double h = einheit / 2;
    const long double toleranz = teilung * 0.01L;
    long double L = anfang + einheit;
    long double H = anfang + h;
    int zaehler = 1;
    long double v = anfang + teilung;
    for (int n = 0; v <= ende + teilung / 10 && n < Hoechstzahl_Striche; ++n) {
        const int px = pixel(v);
        if (std::fabs(L - v) < toleranz) {
            ++zaehler;
            const bool beschriftet = !jede_zweite || zaehler % 2 != 0;
            s.push_back({px, gross, beschriftet ? Beschriftung(L, nachkomma) : QString()});
            L += einheit;
            H += h;
        } else if (std::fabs(H - v) < toleranz) {
            s.push_back({px, halb, QString()});
            H += h;
        } else {
            s.push_back({px, klein, QString()});
        }
        v += teilung;
    }
    return s;
}

} // namespace

QColor Farbe_in_QColor(int32_t farbe)
{
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}

int32_t QColor_in_Farbe(const QColor& farbe)
{
    return RGB(uint8_t(farbe.red()), uint8_t(farbe.green()), uint8_t(farbe.blue()));
}

int Runden(long double v)
{
    // nearbyintl rounds in the current mode: to nearest, halves to even.
    return begrenzt(std::nearbyint(std::clamp(v, -Pixelgrenze, Pixelgrenze)));
}

int Abschneiden(long double v)
{
    return begrenzt(std::trunc(std::clamp(v, -Pixelgrenze, Pixelgrenze)));
}

TkvSchaubild2b::TkvSchaubild2b()
{
    Ausgangs_werte();
    dynamische_werte();
}

void TkvSchaubild2b::Ausgangs_werte()
{
    Bildhoehe = 480;
    Bildbreite = 640;
    Rand_rechts = 30;
    Rand_links = 70;
    Rand_oben = 20;
    Rand_unten = 70;
    xmin = 0;
    xmax = 22000;
    ymin = 0;
    ymax = 1;
    xEinheit = 2000;
    xTeilung = 100;
    yEinheit = 0.1L;
    yTeilung = 0.05L;
    xNachkomma = 0;
    yNachkomma = 1;
    Strich_gross = 15;
    Strich_klein = 5;
    Strich_halb = 10;
    xTitel = QCoreApplication::translate("kvschaubild2b", "Frequenz f in Hz");
    yTitel = QStringLiteral("po(f)²/pomax²");
    xTitel_Abstand = 20;
    yTitel_Abstand = 30;
    Schrifthoehe = -11;
    Gitterfarbe = RGB(192, 192, 192);
    Gitterstil = Qt::SolidLine;
    Hintergrundfarbe = RGB(255, 255, 255);
    eine_Zeichenflaeche = false;
    dx = 1000.0L / 44100.0L;
    x0 = 0;
    Index_Anfang = 1;
    Index_Ende = 1;
    x_ohne_Offset = false;
    Fadenkreuz_zeigen = false;
    xFadenkreuz = -1000;
    yFadenkreuz = -1000;
    xFadenkreuz_text.clear();
    yFadenkreuz_text.clear();
    Fadenkreuzfarbe = RGB(255, 0, 255);
    Fadenkreuzstil = Qt::SolidLine;
    Gitter_mit_Kurve = true;
    Beschriftung_jede_zweite = false;
}

void TkvSchaubild2b::dynamische_werte()
{
    links = Rand_links;
    oben = Rand_oben;
    rechts = Bildbreite - Rand_rechts;
    unten = Bildhoehe - Rand_unten;
    Breite = rechts - links;
    Hoehe = unten - oben;
    // An empty value range gives the scale 0 instead of a division by zero:
    // everything then lies on the first pixel, and nothing can overflow.
    xSkala = Skala(Breite, xmin, xmax);
    ySkala = Skala(Hoehe, ymin, ymax);
    Schaubild_Box = QRect(links, oben, Breite + 1, Hoehe + 1);
    xAchse_Box = QRect(0, unten + 1, Bildbreite, Rand_unten - 1);
    yAchse_Box = QRect(0, 0, Rand_links, Bildhoehe);
    if (eine_Zeichenflaeche) {
        F_links = links;
        F_rechts = rechts;
        F_oben = oben;
        F_unten = unten;
        xAchse_Zeile = unten;
    } else {
        F_links = 0;
        F_rechts = Breite;
        F_oben = 0;
        F_unten = Hoehe;
        xAchse_Zeile = 0;
    }
}

// ---- Conversions ------------------------------------------------------------

int TkvSchaubild2b::xWert_in_xPixel(long double x) const
{
    return Abschneiden((x - xmin) * xSkala) + links;
}

int TkvSchaubild2b::xWert_in_xPixel_Schaubild(long double x) const
{
    return Abschneiden((x - xmin) * xSkala) + (eine_Zeichenflaeche ? links : 0);
}

int TkvSchaubild2b::yWert_in_yPixel(long double y) const
{
    return unten - Abschneiden((y - ymin) * ySkala);
}

int TkvSchaubild2b::yWert_in_yPixel_Schaubild(long double y) const
{
    return Hoehe - Abschneiden((y - ymin) * ySkala) + (eine_Zeichenflaeche ? oben : 0);
}

long double TkvSchaubild2b::xPixel_in_xWert_Schaubild(int pixel) const
{
    if (xSkala == 0)
        return xmin;
    const long double p = pixel - (eine_Zeichenflaeche ? links : 0);
    return xmin + p / xSkala + 1 / (2 * xSkala);
}

long double TkvSchaubild2b::yPixel_in_yWert_Schaubild(int pixel) const
{
    if (ySkala == 0)
        return ymin;
    const long double p = Hoehe - pixel + (eine_Zeichenflaeche ? oben : 0);
    return ymin + p / ySkala + 1 / (2 * ySkala);
}

long double TkvSchaubild2b::x_Wert(long double index) const
{
    return (index - Index_Anfang) * dx + (x_ohne_Offset ? 0 : x0);
}

int TkvSchaubild2b::Spalte_von_Index(int k) const
{
    return xWert_in_xPixel_Schaubild(x_Wert(k)) - (eine_Zeichenflaeche ? F_links : 0);
}

// ---- Axes and grid --------------------------------------------------------------

std::vector<Achsenstrich> TkvSchaubild2b::x_Striche() const
{
    return Striche(xmin, xmax, xEinheit, xTeilung, xNachkomma, Beschriftung_jede_zweite, Strich_gross,
                   Strich_halb, Strich_klein, [this](long double v) { return xWert_in_xPixel(v); });
}

std::vector<Achsenstrich> TkvSchaubild2b::y_Striche() const
{
    return Striche(ymin, ymax, yEinheit, yTeilung, yNachkomma, false, Strich_gross, Strich_halb, Strich_klein,
                   [this](long double v) { return yWert_in_yPixel(v); });
}

void TkvSchaubild2b::x_Koordinatenachse_zeichnen(QPainter& p) const
{
    p.save();
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    Schrift_setzen(p, Schrifthoehe);
    const int zeile = xAchse_Zeile;
    // A tick of length n covers n pixels downward from the axis row.
    for (const Achsenstrich& s : x_Striche()) {
        p.drawLine(s.pixel, zeile, s.pixel, zeile + s.laenge - 1);
        if (!s.text.isEmpty())
            Text(p, s.pixel, zeile + Strich_gross, s.text, Ausrichtung::Mitte);
    }
    Text(p, links + Breite / 2, zeile + Strich_gross + xTitel_Abstand, xTitel, Ausrichtung::Mitte);
    p.restore();
}

void TkvSchaubild2b::y_Koordinatenachse_zeichnen(QPainter& p) const
{
    p.save();
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    Schrift_setzen(p, Schrifthoehe);
    const int texthoehe = p.fontMetrics().height();
    for (const Achsenstrich& s : y_Striche()) {
        p.drawLine(links, s.pixel, links - s.laenge + 1, s.pixel);
        if (!s.text.isEmpty())
            Text(p, links - Strich_gross - 2, s.pixel - texthoehe / 2, s.text, Ausrichtung::Rechts);
    }
    Text(p, links - Strich_gross - yTitel_Abstand, unten - Hoehe / 2, yTitel, Ausrichtung::Rechts);
    p.restore();
}

void TkvSchaubild2b::Hintergrund_gitter(QPainter& p) const
{
    std::vector<QLine> linien;
    for (int k = 0; k < Hoechstzahl_Striche; ++k) {
        const long double x = xmin + k * xEinheit;
        if (!(x <= xmax + xTeilung / 10))
            break;
        const int px = xWert_in_xPixel_Schaubild(x);
        linien.emplace_back(px, F_unten, px, F_oben);
        if (!brauchbarer_Schritt(xEinheit))
            break;
    }
    for (int k = 0; k < Hoechstzahl_Striche; ++k) {
        const long double y = ymin + k * yEinheit;
        if (!(y <= ymax + yTeilung / 10))
            break;
        const int py = yWert_in_yPixel_Schaubild(y);
        linien.emplace_back(F_links, py, F_rechts, py);
        if (!brauchbarer_Schritt(yEinheit))
            break;
    }
    p.save();
    p.setPen(QPen(Farbe_in_QColor(Gitterfarbe), 1, Gitterstil));
    p.drawLines(linien.data(), int(linien.size()));
    p.restore();
}

void TkvSchaubild2b::Farbe_Hintergrund_einstellen(QPainter& p) const
{
    p.fillRect(QRect(QPoint(F_links, F_oben), QPoint(F_rechts, F_unten)), Farbe_in_QColor(Hintergrundfarbe));
}

// ---- Markers -------------------------------------------------------------------

void TkvSchaubild2b::EinPunkt_zeichnen(QPainter& p, int stil, int32_t farbe, int groesse, long double y,
                                       long double x) const
{
    const int px = xWert_in_xPixel_Schaubild(x);
    const int py = yWert_in_yPixel_Schaubild(y);
    if (px < F_links || px > F_rechts || py < F_oben || py > F_unten)
        return;
    const QColor c = Farbe_in_QColor(farbe);
    const int r = Runden(groesse / 2.0L);
    p.save();
    p.setPen(QPen(c, 1, Qt::SolidLine));
    p.setBrush(c);
    switch (stil) {
    case 1:
        p.fillRect(px - 1, py - 1, 4, 4, c);
        break;
    case 2:
        p.fillRect(QRect(QPoint(px - r, py - r), QPoint(px + r, py + r)), c);
        break;
    case 3:
        p.drawEllipse(QRect(QPoint(px - r, py - r), QPoint(px + r, py + r)));
        break;
    default: {
        // Two strokes two pixels thick (the rows py - 1, py and the columns
        // px - 1, px), both cut at the plot rectangle.
        const QRect flaeche(QPoint(F_links, F_oben), QPoint(F_rechts, F_unten));
        const QRect waagrecht(QPoint(std::max(px - r, F_links), py - 1),
                              QPoint(std::min(px + r, F_rechts), py));
        const QRect senkrecht(QPoint(px - 1, std::max(py - r, F_oben)),
                              QPoint(px, std::min(py + r, F_unten)));
        p.fillRect(waagrecht & flaeche, c);
        p.fillRect(senkrecht & flaeche, c);
        break;
    }
    }
    p.restore();
}

void TkvSchaubild2b::Punkte_zeichnen(QPainter& p, int erster, int32_t farbe, int groesse, int stil,
                                     std::span<const long double> y, std::span<const long double> x,
                                     int letzter) const
{
    const int ende = std::min({letzter, int(y.size()) - 1, int(x.size()) - 1});
    for (int i = std::max(erster, 0); i <= ende; ++i)
        EinPunkt_zeichnen(p, stil, farbe, groesse, y[size_t(i)], x[size_t(i)]);
}

// ---- Curve ----------------------------------------------------------------------

void TkvSchaubild2b::anfang_ende_berechnen()
{
    if (Index_Ende < 1)
        return;
    if (!brauchbarer_Schritt(dx)) {
        erster_Index = letzter_Index = Index_Anfang;
        return;
    }
    int a = Abschneiden((xmin - x0) / dx) + Index_Anfang + 2;
    for (int i = 0; i < 4 && x_Wert(a) > xmin + 1e-12L; ++i)
        --a;
    erster_Index = (a >= Index_Anfang && a <= Index_Ende) ? a : Index_Anfang;
    int c = Abschneiden((xmax - x0) / dx) + Index_Anfang - 1;
    for (int i = 0; i < 4 && x_Wert(c) < xmax - 1e-12L; ++i)
        ++c;
    letzter_Index = (c >= Index_Anfang && c <= Index_Ende) ? c : Index_Ende;
}

void TkvSchaubild2b::xPixel_Schaubild_vorbereiten()
{
    anfang_ende_berechnen();
    Spalte_Index.clear();
    Spalte_Pixel.clear();
    Spalten_letzte = -1;
    const int erster = erster_Index;
    const int letzter = letzter_Index;
    if (erster >= letzter || !(xSkala > 0) || !brauchbarer_Schritt(dx) || Breite < 0)
        return;
    Spalte_Index.reserve(size_t(Breite) + 1);
    Spalte_Pixel.reserve(size_t(Breite) + 1);
    const long double x_erster = x_Wert(erster);
    for (int j = 0; j <= Breite; ++j) {
        // Fractional sample index at the right border of column j.
        long double f = (xmin - x_erster + (j + 1) / xSkala) / dx + erster;
        const long double hf = std::trunc(f);
        int h;
        if (hf >= letzter) {
            h = letzter;
            f = letzter + 1;
        } else if (hf <= erster) {
            h = erster;
            f = erster;
        } else {
            h = int(hf);
        }
        // A sample on the border belongs to the column its own pixel says.
        if (std::fabs(f - h) <= 1e-10L) {
            if (h + 1 <= letzter && Spalte_von_Index(h + 1) <= j)
                ++h;
            else if (h > erster && Spalte_von_Index(h) > j)
                --h;
        } else if (std::fabs(f - (h + 1)) <= 1e-10L) {
            if (h > erster && Spalte_von_Index(h) > j)
                --h;
            else if (h + 1 <= letzter && Spalte_von_Index(h + 1) <= j)
                ++h;
        }
        if (Spalte_Index.empty() || h > Spalte_Index.back()) {
            Spalte_Index.push_back(h);
            Spalte_Pixel.push_back(j);
        }
    }
    Spalten_letzte = int(Spalte_Index.size()) - 1;
}

long double TkvSchaubild2b::Randwert_links(std::span<const long double> werte) const
{
    const int e = erster_Index;
    const long double a = werte[size_t(e)];
    const long double b = werte[size_t(e + 1)];
    return a + (b - a) * (xmin - x_Wert(e)) / (x_Wert(e + 1) - x_Wert(e));
}

long double TkvSchaubild2b::Randwert_rechts(std::span<const long double> werte) const
{
    const int l = letzter_Index;
    const long double a = werte[size_t(l - 1)];
    const long double b = werte[size_t(l)];
    return a + (b - a) * (xmax - x_Wert(l - 1)) / (x_Wert(l) - x_Wert(l - 1));
}

int TkvSchaubild2b::Randwert_oben(int x1, long double y1, int x2, long double y2) const
{
    if (std::fabs(y2 - y1) <= 1e-10L)
        return x2;
    return Runden(x1 + (x2 - x1) * (ymax - y1) / (y2 - y1));
}

int TkvSchaubild2b::Randwert_unten(int x1, long double y1, int x2, long double y2) const
{
    if (std::fabs(y2 - y1) <= 1e-10L)
        return x2;
    return Runden(x1 + (x2 - x1) * (ymin - y1) / (y2 - y1));
}

void TkvSchaubild2b::ymax_min_0(std::span<const long double> werte, long double& max, long double& min,
                                int& x) const
{
    const int e = erster_Index;
    x = xWert_in_xPixel_Schaubild(x_Wert(e));
    long double v = werte[size_t(e)];
    // The first sample left of the plot: the column starts at the left border
    // with the value at xmin.
    if (x < F_links) {
        x = F_links;
        v = Randwert_links(werte);
    }
    max = min = v;
    for (int i = e + 1; i <= Spalte_Index[0]; ++i) {
        max = std::max(max, werte[size_t(i)]);
        min = std::min(min, werte[size_t(i)]);
    }
}

void TkvSchaubild2b::ymax_min_k(std::span<const long double> werte, int k, long double& max,
                                long double& min) const
{
    const int bis = Spalte_Index[size_t(k)];
    max = min = werte[size_t(bis)];
    for (int i = Spalte_Index[size_t(k - 1)] + 1; i < bis; ++i) {
        max = std::max(max, werte[size_t(i)]);
        min = std::min(min, werte[size_t(i)]);
    }
}

void TkvSchaubild2b::Strich_ymax_min(std::vector<QLine>& linien, int x1, long double y1, int x2,
                                     long double y2) const
{
    // -1 below y min, 0 inside, 1 above y max.
    auto lage = [this](long double y) { return y > ymax ? 1 : (y < ymin ? -1 : 0); };
    const int l1 = lage(y1);
    const int l2 = lage(y2);
    if (l1 == l2 && l1 != 0)
        return; // wholly above or below the plot
    auto punkt = [&](int l, int x, long double y) {
        if (l > 0)
            return QPoint(Randwert_oben(x1, y1, x2, y2), F_oben);
        if (l < 0)
            return QPoint(Randwert_unten(x1, y1, x2, y2), F_unten);
        return QPoint(x, yWert_in_yPixel_Schaubild(y));
    };
    linien.emplace_back(punkt(l1, x1, y1), punkt(l2, x2, y2));
}

void TkvSchaubild2b::Strich_zeichnen(std::vector<QLine>& linien, Stift& stift, int x, long double max,
                                     long double min) const
{
    Strich_ymax_min(linien, stift.x, stift.wert, x, max);
    if (max != min)
        Strich_ymax_min(linien, x, max, x, min);
    stift = {x, min};
}

std::vector<QLine> TkvSchaubild2b::Kurve_Linien(std::span<const long double> werte) const
{
    std::vector<QLine> linien;
    if (erster_Index >= letzter_Index || Spalten_letzte < 0 || erster_Index < 0 ||
        size_t(letzter_Index) >= werte.size())
        return linien;
    // The visible range lies wholly beyond the end of the samples or before
    // their start: nothing of the curve is shown (rather than a value
    // extrapolated from its far end).
    if (x_Wert(letzter_Index) < xmin || x_Wert(erster_Index) > xmax)
        return linien;
    linien.reserve(2 * size_t(Spalten_letzte + 2));
    const int versatz = eine_Zeichenflaeche ? F_links : 0;

    long double max = 0, min = 0;
    int x = 0;
    ymax_min_0(werte, max, min, x);
    Stift stift{x, max};
    if (max != min)
        Strich_ymax_min(linien, x, max, x, min);
    stift.wert = min;
    for (int k = 1; k <= Spalten_letzte; ++k) {
        ymax_min_k(werte, k, max, min);
        Strich_zeichnen(linien, stift, Spalte_Pixel[size_t(k)] + versatz, max, min);
    }
    if (stift.x < F_rechts && xmax < x_Wert(letzter_Index))
        Strich_ymax_min(linien, stift.x, stift.wert, F_rechts, Randwert_rechts(werte));
    return linien;
}

void TkvSchaubild2b::Schaubild_zeichnen(QPainter& p, std::span<const long double> werte, Qt::PenStyle stil,
                                        int32_t farbe) const
{
    if (Gitter_mit_Kurve)
        Hintergrund_gitter(p);
    if (erster_Index >= letzter_Index)
        return;
    const std::vector<QLine> linien = Kurve_Linien(werte);
    if (!linien.empty()) {
        p.save();
        p.setPen(QPen(Farbe_in_QColor(farbe), 1, stil));
        p.drawLines(linien.data(), int(linien.size()));
        p.restore();
    }
    Fadenkreuz(p);
}

// ---- Crosshair -------------------------------------------------------------------

namespace
{
// The value rounded to the decimal place of half a pixel's width (w), with as
// many decimals as that place needs.
QString Fadenkreuz_text(long double wert, long double w)
{
    long double m = 0;
    int e = 0;
    Zerlege_in_Mantisse_Exponent(w, m, e);
    return Zahl_anzeigen(Rundenzustring(0, e + 1, wert));
}
} // namespace

void TkvSchaubild2b::x_Fadenkreuz_berechnen(int pixel)
{
    xFadenkreuz = xPixel_in_xWert_Schaubild(pixel);
    xFadenkreuz_text = Fadenkreuz_text(xFadenkreuz, xSkala != 0 ? 1 / (2 * xSkala) : 0);
}

void TkvSchaubild2b::y_Fadenkreuz_berechnen(int pixel)
{
    yFadenkreuz = yPixel_in_yWert_Schaubild(pixel);
    yFadenkreuz_text = Fadenkreuz_text(yFadenkreuz, ySkala != 0 ? 1 / (2 * ySkala) : 0);
}

void TkvSchaubild2b::Fadenkreuz(QPainter& p) const
{
    if (!Fadenkreuz_zeigen)
        return;
    p.save();
    p.setPen(QPen(Farbe_in_QColor(Fadenkreuzfarbe), 1, Fadenkreuzstil));
    const int px = xWert_in_xPixel_Schaubild(xFadenkreuz);
    if (px >= F_links && px <= F_rechts)
        p.drawLine(px, F_unten, px, F_oben);
    const int py = yWert_in_yPixel_Schaubild(yFadenkreuz);
    if (py >= F_oben && py <= F_unten)
        p.drawLine(F_links, py, F_rechts, py);
    p.restore();
}
