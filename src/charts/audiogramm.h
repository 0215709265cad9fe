#pragma once
// The audiogram: the measured thresholds of both ears as the deviation from
// the ISO 226:2003 normal threshold (free field), over a logarithmic
// frequency axis from 125 Hz to 16 kHz, level axis downward from -10 to
// 120 dB, with the grades of the WHO classification (2021) as bands, the
// four-frequency average of each ear, the values as a table and as a CSV
// file. Frequencies above 12500 Hz have no normal threshold: their rows keep
// the absolute threshold level.
//
// The reference is not that of a clinical audiometer (headphone reference
// levels); every output says so.
#include "core/results/hoertest_druck.h"
#include "core/settings/records.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class QPainter;

// ---- Values ----------------------------------------------------------------

// One measured row of one ear.
struct Audiogramm_Wert {
    int zeile = 0;          // frequency row 1..21
    double frequenz = 0;    // Hz
    double schwelle_dB = 0; // threshold level in dB re 20 uPa, unrounded
    bool hat_Norm = false;  // frequency <= 12500 Hz: a normal threshold exists
    double norm_dB = 0;     // ISO 226 normal threshold (when hat_Norm)
    double abweichung = 0;  // hat_Norm: threshold - normal threshold, unrounded
    int abweichung_dB = 0;  // hat_Norm: threshold - normal threshold; else the
                            // absolute threshold; rounded to 1 dB
    Tonende tonende = Tonende::waehrend;
    // The room noise exceeded its limit by this many dB while the tone
    // played (Hoertest_Ruhepegel); 0 = not.
    double ruhepegel_dB = 0;
};

struct Audiogramm_Ohr {
    std::vector<Audiogramm_Wert> werte; // measured rows, in row order
    // Mean of the unrounded deviations at 500, 1000, 2000 and 4000 Hz; none
    // unless all four frequencies are test frequencies and measured, nor when
    // bounds of both kinds are among them (grenzen_gemischt).
    std::optional<double> mittelwert;
    // "≥" or "≤" when bounds of that kind are among the four: the average is
    // then a bound as well; else empty.
    QString mittelwert_grenze;
    bool grenzen_gemischt = false;
    // The ear's calibration is still that of a new settings file.
    bool ohne_Eichung = false;
    QString eichung_text; // calibration kind in words
};

struct Audiogramm_Daten {
    Audiogramm_Ohr links, rechts;
    QString name;
    QString datum;   // "09.12.2026"
    QString uhrzeit; // "14:05:33"
    bool pulsierend = false;
    bool zunehmend = false;
};

// Deviation of a threshold level from the normal threshold at f, rounded to
// 1 dB (halves away from zero).
int Abweichung_dB(double schwelle_dB, double norm_dB);

// The audiogram of a results store (pressures, end-of-tone and room-noise
// marks indexed like Hoertest_Druck) at the rows' frequencies (rows 1..21 at
// [0..20]). Calibration, names and dates are left empty.
Audiogramm_Daten Audiogramm_berechnen(const std::array<double, 43>& druck,
                                      const std::array<Tonende, 43>& tonende, const Freqarray& frequenzen,
                                      const std::array<double, 43>& ruhepegel = Hoertest_Ruhepegel);
// From the program's results store and settings, dated now.
Audiogramm_Daten Audiogramm_Daten_holen(const QString& name);
// The calibration of one ear in words, e.g. "eigene Kalibrierung mit
// Schallpegelmesser (dB(A))" or "keine eigene Kalibrierung (Grundwerte)".
QString Eichung_text(const Einstellungstyp& e, bool links);

// ---- Grades ----------------------------------------------------------------

// The four frequencies of the average.
inline constexpr std::array<int, 4> Mittelwert_Frequenzen{500, 1000, 2000, 4000};
// Lower bounds (dB) of the grades above "Normal", WHO 2021.
inline constexpr std::array<int, 6> Grad_Grenzen{20, 35, 50, 65, 80, 95};
// The seven grade names, "Normal" first, in the user's language.
std::array<QString, 7> Grad_Namen();
// Grade of an average: index into Grad_Namen (a bound belongs to the grade above it).
int Grad_von(double mittelwert_dB);
QString Grad_Name(double mittelwert_dB);
// "23,8 dB – Geringgradig", "≥ 23,8 dB – mindestens Geringgradig", or a
// note why there is no average.
QString Mittelwert_text(const Audiogramm_Ohr& ohr);

// ---- Texts shared by window and report --------------------------------------

QString Audiogramm_Titel_y();
QString Audiogramm_Hinweis_klinisch();
// The warning for an ear without calibration of its own; empty when it has one.
QString Eichung_Warnung(const Audiogramm_Ohr& ohr, bool links);
// The legend's line for the arrows, and the report's note on the bounds.
QString Audiogramm_Legende_Pfeil();
QString Audiogramm_Grenzen_Hinweis();
// Which measured frequencies lie below the frequency axis (125 Hz) and are
// therefore only in the table; empty when there are none.
QString Tiefe_Frequenzen_Hinweis(const Audiogramm_Daten& d);
// "Ruhepegel zu hoch bei 500 Hz (links), 1000 Hz (beide Ohren): Hörschwelle
// möglicherweise zu hoch gemessen" for the rows measured while the room was
// too loud, in frequency order; empty when there are none.
QString Ruhepegel_Hinweis(const Audiogramm_Daten& d);
// "Über 12500 Hz ..." with one line per measured frequency above 12500 Hz,
// e.g. "14000 Hz: links 105 dB, rechts 75 dB".
QStringList Hohe_Frequenzen_Zeilen(const Audiogramm_Daten& d);
// The value of a row as shown: "≤ 23" or "≥ 23" for a bound (Grenzzeichen),
// else "23".
QString Wert_text(const Audiogramm_Wert& w, int dB);

// The table of values: a header row, then one row per test frequency that
// either ear has measured, in frequency order: frequency, left threshold
// level (1 decimal), left deviation, right threshold level, right deviation.
// Above 12500 Hz the deviation reads "–"; a bound carries "≤" or "≥".
std::vector<QStringList> Audiogramm_Tabelle(const Audiogramm_Daten& d);

// ---- CSV ----------------------------------------------------------------------

// UTF-8 with byte-order mark, ";" between fields, decimal comma, CR LF; a
// header line (its names and the ears' names in the user's language), then
// one line per frequency and ear (left ear first, rows in
// order): Ohr; Frequenz (Hz); Hörschwelle (dB); Normhörschwelle (dB);
// Abweichung (dB); Grenze ("≤", "≥" or empty); Name; Datum; Uhrzeit (the
// person tested and when the audiogram was made, on every line so that each
// line stands alone).
QByteArray Audiogramm_CSV(const Audiogramm_Daten& d);
// Writes it through a temporary file; on failure Fehler_bei_abspeichern and false.
bool Audiogramm_CSV_speichern(const Audiogramm_Daten& d, const QString& pfad);

// ---- Drawing ------------------------------------------------------------------

inline constexpr double Audiogramm_f_min = 125, Audiogramm_f_max = 16000;
inline constexpr double Audiogramm_dB_min = -10, Audiogramm_dB_max = 120;
inline constexpr double Normalbereich_bis_dB = 20;

// Value -> pixel of the plot rectangle: frequency logarithmic from its left
// (125 Hz) to its right edge (16 kHz), level downward from its top (-10 dB)
// to its bottom edge (120 dB). Values beyond the axes are held at the edge.
struct Audiogramm_Achsen {
    QRect flaeche;
    double x_von_Frequenz(double f) const;
    double y_von_Pegel(double dB) const;
    // Radius of the ears' markers.
    double Markierung_Radius(double massstab) const;
};

// The plot rectangle inside `bereich`, leaving room for axes, grade names and legend.
Audiogramm_Achsen Audiogramm_Achsen_in(const QRect& bereich, double massstab);

// Colours 00BBGGRR: right ear red circles, left ear blue crosses.
inline constexpr int32_t Audiogramm_Farbe_rechts = 0x0000FF;
inline constexpr int32_t Audiogramm_Farbe_links = 0xFF0000;

// Draws the whole audiogram into `bereich`: grade bands with names, normal
// band, grid, axes with titles, both ears joined per ear (rows from 125 to
// 12500 Hz), bounds and values beyond the axis (held at its edge) as arrows,
// legend. `massstab` scales every length and
// font (1 on screen: fonts of 12 pixels).
void Audiogramm_zeichnen(QPainter& p, const QRect& bereich, const Audiogramm_Daten& d, double massstab = 1.0);
