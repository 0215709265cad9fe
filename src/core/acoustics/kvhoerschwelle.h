#pragma once
// Reference hearing curves: the normal hearing threshold of ISO 226:2003
// (a natural cubic spline over linear frequency through the standard's 29
// threshold values) and the 0-dB(A) curve, tabulated once at program start
// at every hertz for the charts and on a coarser grid for the reference tables.
// Levels in dB re 20 uPa, frequencies in Hz.
#include "core/acoustics/kvspline.h"

#include <cstdint>
#include <vector>

inline constexpr int Hoerschwelle_Anzahl_Stuetzstellen = 29;

// Knots 1..29 (index 0 holds 0): frequencies, threshold levels and the
// spline's second derivatives.
extern Spline_Feld Hoerschwelle_Stuetzfrequenzen;
extern Spline_Feld Hoerschwelle_Stuetzwerte;
extern Spline_Feld Hoerschwelle_y2;

// ISO threshold per hertz, index 0..12500 (entries below 20 Hz hold the value
// at 20 Hz); two identical copies for the chart windows.
extern std::vector<long double> Hoerschwelle_Kurve;
extern std::vector<long double> Hoerschwelle_Kurve2;
// 0-dB(A) level per hertz, index 0..20000 (entries below 20 Hz hold the
// value at 20 Hz); two identical copies.
extern std::vector<long double> Null_dBA_Kurve;
extern std::vector<long double> Null_dBA_Kurve2;

// Reference table rows: row r < 200 is r Hz, row r >= 200 is 10 r - 1800 Hz
// (200, 210, ... Hz). Tabelle_Frequenz and Tabelle_Null_dBA are used up to
// row 2180 (20000 Hz), Tabelle_Hoerschwelle up to row 1430 (12500 Hz).
extern std::vector<int32_t> Tabelle_Frequenz;
extern std::vector<long double> Tabelle_Null_dBA;
extern std::vector<long double> Tabelle_Hoerschwelle;

// Bounds of the tabulated curves (frequencies in Hz) and of the tables (row
// indices; the first used row is that of 20 Hz). Each bound is kept twice,
// one copy for the chart windows and one for the table windows.
extern int32_t Hoerschwelle_untere_Grenze, Hoerschwelle_untere_Grenze2;               // 20
extern int32_t Hoerschwelle_obere_Grenze, Hoerschwelle_obere_Grenze2;                 // 12500
extern int32_t Null_dBA_untere_Grenze, Null_dBA_untere_Grenze2;                       // 20
extern int32_t Null_dBA_obere_Grenze, Null_dBA_obere_Grenze2;                         // 20000
extern int32_t Tabelle_Hoerschwelle_erste_Zeile, Tabelle_Hoerschwelle_erste_Zeile2;   // 20
extern int32_t Tabelle_Hoerschwelle_letzte_Zeile, Tabelle_Hoerschwelle_letzte_Zeile2; // 1430
extern int32_t Tabelle_Null_dBA_erste_Zeile, Tabelle_Null_dBA_erste_Zeile2;           // 20
extern int32_t Tabelle_Null_dBA_letzte_Zeile, Tabelle_Null_dBA_letzte_Zeile2;         // 2180

// Frequency of reference table row r.
constexpr int32_t Tabellenzeile_Frequenz(int32_t r)
{
    return r < 200 ? r : 10 * r - 1800;
}

// Writes the 29 knots (20 Hz .. 12500 Hz) into the knot arrays.
void ISO226_2003_Hoerschwelle();
// Sizes the knot arrays to 30 entries, fills them and computes the spline.
void Hoerschwelle_spline_vorbereiten();
// ISO threshold in dB at f by spline evaluation; meant for f <= 12500 Hz.
// Prepares the spline first if that has not happened yet.
long double Hoerschwelle_Funktion(long double f);
void Hoerschwelle_array_erzeugen();
void Null_dBA_Kurve_erzeugen();
// Needs Hoerschwelle_Kurve and Null_dBA_Kurve.
void Tabellen_werte_erzeugen();

// Program start: Hoerschwelle_spline_vorbereiten, Hoerschwelle_array_erzeugen,
// Null_dBA_Kurve_erzeugen, Tabellen_werte_erzeugen, in this order. Runs once;
// further calls return at once until Hoerschwelle_Tabellen_freigeben.
// Not thread-safe: call it on the window thread before the windows exist.
void Hoerschwelle_Tabellen_erzeugen();
// Program end: frees all arrays.
void Hoerschwelle_Tabellen_freigeben();
