#pragma once
// What the hearing-threshold chart window and the chart picture window share:
// the two chart objects created at program start (the ISO 226 object, which
// also draws the axes, the grid, the markers and the crosshair, and the
// 0-dB(A) object), the measured thresholds as markers, the unit tables of
// both axes, scrolling, and the drawing of the whole plot.
//
// The reference curves come from core/acoustics/kvhoerschwelle: each object
// draws its curve from the second copy (Hoerschwelle_Kurve2,
// Null_dBA_Kurve2), which Bereich_festlegen_Oszi fills with the curve reduced
// to the display resolution.
#include "charts/kvschaubild2c.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

// The chart objects of the threshold charts; null before program start.
extern std::unique_ptr<TkvSchaubild2c> Schaubild_Norm;
extern std::unique_ptr<TkvSchaubild2c> Schaubild_NulldBA;
// Creates both objects (anew) and clears the markers.
void Schaubild_Objekte_erzeugen();
void Schaubild_Objekte_freigeben();

// The markers of one ear: frequencies (Hz) and levels (dB) at indices
// 1..Anzahl, in the order of the test frequencies.
struct Schaubild_Punkte {
    std::vector<long double> Frequenz;
    std::vector<long double> Pegel;
    int Anzahl = 0;
};
extern Schaubild_Punkte Punkte_links;
extern Schaubild_Punkte Punkte_rechts;
// Both ears: arrays of 22 entries, no marker.
void Schaubild_array_Augangsbelegung();
// Markers from the results store at the settings' test frequencies: each
// measured frequency of an ear gives the next marker, at its level in dB
// (not A-weighted) rounded to one decimal.
void Schaubild_Punkte_berechnen();

// Which of the four are shown (the chart window's check boxes).
struct Schaubild_Auswahl {
    bool links = true;
    bool rechts = true;
    bool norm = true;
    bool null_dBA = false;
};
extern Schaubild_Auswahl Schaubild_Anzeige;

// Colours 00BBGGRR: red and blue markers, green ISO 226 curve, maroon 0-dB(A) curve.
struct Schaubild_Farben {
    int32_t links = 0x0000FF;
    int32_t rechts = 0xFF0000;
    int32_t norm = 0x008000;
    int32_t null_dBA = 0x000080;
};

inline constexpr int Markierung_Stil = 4; // cross
inline constexpr int Markierung_Groesse = 10;

// On the plot's canvas, in this order: left-ear markers, right-ear markers
// (both by `norm`), the ISO 226 curve with the grid and the crosshair (only
// grid and crosshair when it is not shown), the 0-dB(A) curve with the grid.
void Schaubilder_zeichnen(QPainter& p, const TkvSchaubild2c& norm, const TkvSchaubild2c& null_dba,
                          const Schaubild_Auswahl& auswahl, const Schaubild_Farben& farben);

// Axis settings of the chart window's objects.
void Ausgangs_werte1a(TkvSchaubild2c& s);
// Those of the picture window's objects: left margin 170, x title distance
// 20, white plot background.
void Ausgangs_werte_Bild(TkvSchaubild2c& s);

// One entry of a unit combo box: tick unit, scroll step, and the scroll
// bar's small and large change in positions (one tick unit).
struct Achseneinheit {
    long double Einheit;
    long double Scroll_Schritt;
    int Aenderung;
};
// "20 Hz", "50 Hz", "100 Hz", "200 Hz", "500 Hz", "1000 Hz", "2000 Hz"
inline constexpr std::array<Achseneinheit, 7> Frequenz_Einheiten{{{20, 0.01L, 2000},
                                                                  {50, 0.01L, 5000},
                                                                  {100, 100, 1},
                                                                  {200, 100, 2},
                                                                  {500, 100, 5},
                                                                  {1000, 100, 10},
                                                                  {2000, 100, 20}}};
// "1 dB", "2 dB", "5 dB", "10 dB", "20 dB", "50 dB"
inline constexpr std::array<Achseneinheit, 6> Schallpegel_Einheiten{{{1, 0.01L, 100},
                                                                     {2, 0.01L, 200},
                                                                     {5, 0.01L, 500},
                                                                     {10, 0.01L, 1000},
                                                                     {20, 0.01L, 2000},
                                                                     {50, 0.01L, 5000}}};

// What a scroll bar is set to after a unit change.
struct Scrollbar_Einstellung {
    int maximum = 0;
    int position = 0;
    int aenderung = 1;
};
// The frequency unit of entry `eintrag`: tick unit, ten units from the
// requested start, both reduced curves rebuilt.
Scrollbar_Einstellung Zeit_Einheit_festlegen(int eintrag);
// The level unit of entry `eintrag`: ten units from the requested start.
Scrollbar_Einstellung Schallpegel_Einheit_festlegen(int eintrag);
// Both reference curves reduced to the display resolution.
void Bereich_festlegen_Oszi();
// Horizontal / vertical scroll bar moved to `position`: both objects follow,
// snapped to a multiple of the tick unit.
void Zeit_scrollen(int position);
void Druck_scrollen(int position);

// The picture window's objects take over axis ranges, units, tick lengths,
// font height and the curve's sample fields from the chart window's (not
// titles, margins, colours or crosshair), and draw on one canvas.
void Werte_Schaubild_ubernehmen(const TkvSchaubild2c& von, TkvSchaubild2c& nach);
