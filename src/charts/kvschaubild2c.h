#pragma once
// The chart with the bookkeeping of a horizontal and a vertical scroll bar,
// the reduction of a long sample array to the display resolution, and saving
// a finished chart as BMP or JPEG picture.
//
// Scroll positions: x position 0 is x = xOffset, each position one
// xScroll_Schritt further right; y position 0 is the highest reachable lower
// end yGesamt + yOffset, each position one yScroll_Schritt lower. The visible
// window always spans ten labelled ticks in each direction
// (Wertex_start_end_anpassen, Wertey_start_end_anpassen).
#include "charts/kvschaubild2b.h"

#include <QImage>

class QFont;

class TkvSchaubild2c : public TkvSchaubild2b
{
public:
    TkvSchaubild2c();

    int JPEG_Qualitaet = 100;
    long double xScroll_Schritt = 100; // x value per scroll position
    long double xGesamt = 20000;       // x extent covered by the scroll bar
    long double xOffset = 0;           // x at scroll position 0
    long double xStart = 0;            // requested left end before snapping to a tick
    long double yScroll_Schritt = 100;
    long double yGesamt = 200;
    long double yOffset = -100; // lowest y reachable by scrolling
    long double yStart = -20;

    int xScrollbar_max_zuweisen() const;
    int xScrollBarpos_zuweisen() const;
    void xScrollbar_aktualisiert_Werte_startx1(int position);
    int yScrollbar_max_zuweisen() const;
    int yScrollBarpos_zuweisen() const;
    void yScrollbar_aktualisiert_Werte_starty1(int position);
    // xmin := xStart snapped to a multiple of xEinheit, xmax := xmin + 10
    // units; every second label only when the labels get long.
    void Wertex_start_end_anpassen();
    void Wertey_start_end_anpassen();

    // Takes every d-th sample of quelle[s..n] into ziel[0..], d chosen so that
    // the retained samples lie about two pixels apart at the current x scale
    // (x0: x of quelle[s], schritt: x distance of the source samples). Sets
    // the sample fields for ziel (index origin 0) and xGesamt to the x of the
    // last retained sample. ziel grows when it is too short.
    void Schaubild_array_akt_bilden(std::span<const long double> quelle, long double x0_quelle,
                                    long double schritt, int s, int n, std::vector<long double>& ziel);

    // An off-screen picture of the whole chart (white) with both axes and the
    // plot background, in the given font; the caller draws curves and markers
    // into it with eine_Zeichenflaeche set.
    QImage Schaubilder_speichern_anfang(const QFont& schrift) const;
    // Give `dateiname` the extension ".bmp" / ".jpg" and write the picture
    // there through a temporary file, so a failed write leaves an existing
    // file as it was; then show Fehler_bei_abspeichern and return false.
    // The picture is released; `dateiname` becomes the name written.
    bool Schaubilder_speichern_bmp_ende(QImage& bild, QString& dateiname) const;
    bool Schaubilder_speichern_jpg_ende(QImage& bild, QString& dateiname) const;
};

// Picture encoders: a Windows bitmap (24 bits per pixel), and a baseline JPEG
// of the given quality without colour subsampling. False when encoding fails.
bool BMP_kodieren(const QImage& bild, QByteArray& daten);
bool JPEG_kodieren(const QImage& bild, int qualitaet, QByteArray& daten);
