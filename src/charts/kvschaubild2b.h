#pragma once
// An x-y chart on linear scales: value <-> pixel conversions, both axes with
// ticks and labels, background grid, markers, crosshair, and a curve given as
// samples at a constant x step, drawn with one min-max stroke per pixel column
// so that a curve with many more samples than columns stays fast and faithful.
//
// The chart owns no window: every drawing routine paints on the QPainter it is
// given (a widget, an off-screen image, a printer). With `eine_Zeichenflaeche`
// false the plot is drawn into a canvas of its own whose origin is the plot's
// top-left corner, and the axes into canvases placed at `xAchse_Box` and
// `yAchse_Box` (both in the whole image's coordinates); with it true,
// axes and plot share one canvas and the plot is offset by the margins.
//
// Colours are the program's values 00BBGGRR, turned into QColor only when
// drawing. Pixel quantities are integers: trunc() rounds toward zero,
// Runden() to the nearest integer with halves to the even neighbour.
//
// Calling order: set the fields, call dynamische_werte() whenever the image
// size, margins or value ranges change, and xPixel_Schaubild_vorbereiten()
// after a change of the visible x range or plot width, before drawing the curve.
#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class QPainter;

// Colour value 00BBGGRR -> QColor.
QColor Farbe_in_QColor(int32_t farbe);
// QColor -> colour value 00BBGGRR.
int32_t QColor_in_Farbe(const QColor& farbe);
// Nearest integer, halves to the even neighbour. Values beyond +-1e9, and
// values that are not numbers, are held at the limits, so no pixel overflows.
int Runden(long double v);
// Toward zero, held at the same limits.
int Abschneiden(long double v);

// One tick of an axis: its pixel along the axis (image coordinates), its
// length and its label (empty for an unlabelled tick).
struct Achsenstrich {
    int pixel = 0;
    int laenge = 0;
    QString text;
};

class TkvSchaubild2b
{
public:
    TkvSchaubild2b();

    // ---- Settings (defaults: Ausgangs_werte) --------------------------------
    int Bildhoehe = 480, Bildbreite = 640; // whole chart, axes and margins included
    int Rand_rechts = 30, Rand_links = 70, Rand_oben = 20, Rand_unten = 70;
    long double xmin = 0, xmax = 22000;
    long double ymin = 0, ymax = 1;
    long double xEinheit = 2000, xTeilung = 100; // distance of labelled x ticks; of all x ticks
    long double yEinheit = 0.1L, yTeilung = 0.05L;
    int xNachkomma = 0, yNachkomma = 1; // decimals of the labels
    int Strich_gross = 15, Strich_klein = 5, Strich_halb = 10;
    QString xTitel, yTitel;
    int xTitel_Abstand = 20, yTitel_Abstand = 30;
    // Character height of labels and titles; negative: without internal
    // leading, in pixels. Only the height is set; the face is the painter's.
    int Schrifthoehe = -11;
    int32_t Gitterfarbe = 0xC0C0C0;
    Qt::PenStyle Gitterstil = Qt::SolidLine;
    int32_t Hintergrundfarbe = 0xFFFFFF;
    bool eine_Zeichenflaeche = false;
    // The curve's samples: sample k lies at x_Wert(k).
    long double dx = 1000.0L / 44100.0L;  // x distance of consecutive samples
    long double x0 = 0;                   // x of the sample at Index_Anfang
    int Index_Anfang = 1, Index_Ende = 1; // index with x = x0; highest valid index
    bool x_ohne_Offset = false;           // x_Wert leaves x0 out
    bool Fadenkreuz_zeigen = false;
    long double xFadenkreuz = -1000, yFadenkreuz = -1000;
    QString xFadenkreuz_text, yFadenkreuz_text;
    int32_t Fadenkreuzfarbe = 0xFF00FF;
    Qt::PenStyle Fadenkreuzstil = Qt::SolidLine;
    bool Gitter_mit_Kurve = true;          // Schaubild_zeichnen draws the grid first
    bool Beschriftung_jede_zweite = false; // label only every second labelled x tick

    // ---- Geometry (dynamische_werte) ------------------------------------------
    int links = 0, oben = 0, rechts = 0, unten = 0; // plot edges in the image
    int Breite = 0, Hoehe = 0;                      // plot width and height
    long double xSkala = 0, ySkala = 0;             // pixels per unit; 0 for an empty range
    QRect Schaubild_Box, xAchse_Box, yAchse_Box;
    // Plot rectangle on the plot's canvas, and the row of the x axis on its canvas.
    int F_links = 0, F_rechts = 0, F_oben = 0, F_unten = 0, xAchse_Zeile = 0;

    // ---- Curve state (xPixel_Schaubild_vorbereiten) -----------------------------
    int erster_Index = 1, letzter_Index = 1; // first / last visible sample
    // For each used pixel column: the last sample in it, and the column (plot left = 0).
    std::vector<int> Spalte_Index, Spalte_Pixel;
    int Spalten_letzte = -1; // highest used index of both arrays

    void Ausgangs_werte();
    void dynamische_werte();

    // ---- Conversions ------------------------------------------------------------
    int xWert_in_xPixel(long double x) const;           // image coordinates
    int xWert_in_xPixel_Schaubild(long double x) const; // plot canvas coordinates
    int yWert_in_yPixel(long double y) const;
    int yWert_in_yPixel_Schaubild(long double y) const;
    // Value at the middle of a pixel of the plot canvas.
    long double xPixel_in_xWert_Schaubild(int pixel) const;
    long double yPixel_in_yWert_Schaubild(int pixel) const;
    long double x_Wert(long double index) const;

    // ---- Drawing --------------------------------------------------------------------
    // Ticks of the axes in the order drawn (left to right, bottom to top).
    std::vector<Achsenstrich> x_Striche() const;
    std::vector<Achsenstrich> y_Striche() const;
    void x_Koordinatenachse_zeichnen(QPainter& p) const;
    void y_Koordinatenachse_zeichnen(QPainter& p) const;
    void Hintergrund_gitter(QPainter& p) const;
    // Fills the plot rectangle with the background colour.
    void Farbe_Hintergrund_einstellen(QPainter& p) const;
    // Marker styles: 2 filled square, 3 filled circle, 1 a dot four pixels
    // wide, any other a cross of pen width 2 cut at the plot's borders. A
    // marker whose centre lies outside the plot rectangle is not drawn.
    void EinPunkt_zeichnen(QPainter& p, int stil, int32_t farbe, int groesse, long double y,
                           long double x) const;
    // Markers for indices erster..letzter of both arrays (indices beyond
    // either array are left out).
    void Punkte_zeichnen(QPainter& p, int erster, int32_t farbe, int groesse, int stil,
                         std::span<const long double> y, std::span<const long double> x, int letzter) const;
    // The grid (if Gitter_mit_Kurve), the curve of `werte` (indexed like the
    // samples), the crosshair. When the first visible index is not below the
    // last, only the grid is drawn.
    void Schaubild_zeichnen(QPainter& p, std::span<const long double> werte, Qt::PenStyle stil,
                            int32_t farbe) const;
    void Fadenkreuz(QPainter& p) const;

    // ---- Curve preparation --------------------------------------------------------
    // First visible sample: the last one at or left of xmin; last visible
    // sample: the first one at or right of xmax.
    void anfang_ende_berechnen();
    // The column arrays for the current x range and plot width.
    void xPixel_Schaubild_vorbereiten();
    // The curve as line segments on the plot canvas: one connecting line and
    // one vertical min-max stroke per column, cut at y max and y min. Empty
    // when nothing of the curve lies in the visible x range or `werte` does
    // not reach the last visible sample.
    std::vector<QLine> Kurve_Linien(std::span<const long double> werte) const;

    // ---- Crosshair ------------------------------------------------------------------
    // Position and readout from a pixel of the plot canvas, the readout
    // rounded to the resolution of half a pixel.
    void x_Fadenkreuz_berechnen(int pixel);
    void y_Fadenkreuz_berechnen(int pixel);

    // Pixel column of sample k on the plot canvas (plot left = 0).
    int Spalte_von_Index(int k) const;

private:
    // The pen of the curve: pixel column and (unclipped) value.
    struct Stift {
        int x = 0;
        long double wert = 0;
    };
    // Maximum and minimum of the first column, and its pixel.
    void ymax_min_0(std::span<const long double> werte, long double& max, long double& min, int& x) const;
    // Maximum and minimum of column k (k >= 1).
    void ymax_min_k(std::span<const long double> werte, int k, long double& max, long double& min) const;
    // Values at xmin and xmax, linear between the first / last two visible samples.
    long double Randwert_links(std::span<const long double> werte) const;
    long double Randwert_rechts(std::span<const long double> werte) const;
    // x where the segment (x1, y1) - (x2, y2) crosses y max / y min.
    int Randwert_oben(int x1, long double y1, int x2, long double y2) const;
    int Randwert_unten(int x1, long double y1, int x2, long double y2) const;
    // The segment from (x1, y1) to (x2, y2), cut at y max and y min.
    void Strich_ymax_min(std::vector<QLine>& linien, int x1, long double y1, int x2, long double y2) const;
    // From the pen to the column's maximum, down to its minimum; the pen stays there.
    void Strich_zeichnen(std::vector<QLine>& linien, Stift& stift, int x, long double max,
                         long double min) const;
};
