#pragma once
// Cell layouts of the results table: the screen table, the text file, the
// spreadsheet and the printout. Each is built anew from the results store
// and the settings at the moment it is asked for; the only user input is the
// name, which travels into every output.
#include "core/acoustics/physik_hoertest.h"
#include "core/results/druckplan.h"
#include "core/results/gitter.h"
#include "core/results/hoertest_druck.h"

#include <QString>

// Everything the results table shows.
struct Testergebnis_Angaben {
    Dezibel_Ergebnis werte;
    // Which levels are only bounds, laid out like the levels; the tables mark them "≤" or "≥".
    std::array<Tonende, 43> tonende{};
    Freqarray frequenzen{};
    bool pulsierend = false;
    bool zunehmend = false;
    QString datum;
    QString uhrzeit;
    QString name;
    // The calibration of each ear in words ("Bezugshörer (12.03.2025)"), and
    // whether one of them rests on a reference listener.
    QString eichung_links;
    QString eichung_rechts;
    bool bezugshoerer = false;
};

// The tone settings in words: "- Pulsierender Ton (Amplitudenmodulation mit
// 4 Hz)" or "- Nicht pulsierend"; "- Amplitude zunehmend" or "- Amplitude abnehmend".
QString pulsierend_lang(bool pulsierend);
QString amplitude_lang(bool zunehmend);

// Levels from Hoertest_Druck at the frequencies of Einstellungen (narrow texts
// for the text file when schmal), the tone settings, and the current date
// and time in the German short formats ("09.12.2026", "14:05:33").
Testergebnis_Angaben Testergebnis_Angaben_holen(bool schmal, const QString& name);

inline constexpr int Ergebnis_Spalten = 6;
inline constexpr int Bildschirm_Zeilen = 72;
inline constexpr int Txt_Zeilen = 80;
inline constexpr int Druck_Zeilen = 72;
// Screen cell of the name (column 2, row 6): the only editable cell.
inline constexpr int Name_Spalte = 2;
inline constexpr int Name_Zeile = 6;
// Screen row of "2. Rechtes Ohr", drawn bold like rows 1, 2 and 9.
inline constexpr int Zeile_Rechtes_Ohr = 39;
// Screen rows of the first frequency of each ear's results.
inline constexpr int Erste_Datenzeile_links = 16;
inline constexpr int Erste_Datenzeile_rechts = 47;
// The pulsing tone's modulation frequency as it appears in the texts.
inline constexpr int Modulationsfrequenz = 4;

// Screen table, 6 x 72, widths in pixels (8 per character + 5). The name cell
// is never written; empty cells are meant to be left as they are.
Gitter Ergebnisse_Bildschirm_Gitter(const Testergebnis_Angaben& a);
// Screen cells drawn bold, and drawn right-aligned.
bool Ergebnis_Zeile_fett(int zeile);
bool Ergebnis_Zelle_rechts(int spalte, int zeile);

// Text file layout, 6 x 80, widths in characters (4, 14, then 15).
// Expects narrow level texts (schmal).
Gitter Ergebnisse_txt_Gitter(const Testergebnis_Angaben& a);
// Spreadsheet cells in the order they are written: the name first.
Blatt Ergebnisse_Excel_Blatt(const Testergebnis_Angaben& a);
// Print layout, 6 x 72, widths in print units (100, then 98).
Gitter Ergebnisse_Druck_Gitter(const Testergebnis_Angaben& a);
Druckauftrag Ergebnisse_Druckplan(const Testergebnis_Angaben& a, int seitenbreite, int seitenhoehe);

// Write the files; on failure Fehler_bei_abspeichern and false.
bool Ergebnisse_Excel(const Testergebnis_Angaben& a, const QString& pfad);
bool Ergebnisse_txt(const Testergebnis_Angaben& a, const QString& pfad);
