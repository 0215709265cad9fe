#pragma once
// Cell layouts of the two reference tables (ISO 226 normal hearing threshold
// and 0-dB(A) values): screen table, export header, spreadsheet, text file
// and printout. The twins differ only in the data and the texts held in a
// Referenztabelle.
#include "core/results/druckplan.h"
#include "core/results/gitter.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct Referenztabelle {
    QString titel1, titel2;           // screen cells (2,1) / (3,1)
    QString untertitel1, untertitel2; // screen cells (2,2) / (3,2)
    QString druck_titel, druck_untertitel;
    QString fusszeile; // last line of the text file and the spreadsheet
    QString speicher_meldung;
    // Table entries erste..letzte (indices into both arrays).
    const std::vector<int32_t>* frequenz = nullptr;
    const std::vector<long double>* pegel = nullptr;
    int erste = 0;
    int letzte = -1;
};

// The twins over the reference tables tabulated at program start.
Referenztabelle Referenztabelle_Norm();
Referenztabelle Referenztabelle_NulldBA();

inline constexpr int Referenz_Spalten = 4;
inline constexpr int Referenz_erste_Datenzeile = 8;
// Rows of the screen table: entries + 12.
int Referenz_Zeilenzahl(const Referenztabelle& t);

// Screen table: 4 columns, widths in pixels (64, 40, 85, 165).
Gitter Referenz_Bildschirm_Gitter(const Referenztabelle& t);
// Screen drawing: rows 1, 2, 4, 5, 6 bold; (2,1), (2,2) right-aligned,
// (3,1), (3,2) left-aligned, every other cell centred.
enum class Ausrichtung { Links, Zentriert, Rechts };
bool Referenz_Zeile_fett(int zeile);
Ausrichtung Referenz_Ausrichtung(int spalte, int zeile);

// Export header, 4 x 8: title and subtitle joined in (2,1) and (2,2), the
// column heads of rows 4..7 copied from the screen table.
Gitter Erzeuge_Kopf_stringgrid2(const Gitter& bildschirm);
// The same with the print title and subtitle.
Gitter Erzeuge_Kopf_stringgrid2_druck(const Gitter& bildschirm, const Referenztabelle& t);

Blatt Referenz_Excel_Blatt(const Referenztabelle& t, const Gitter& bildschirm);
// Header widths 1, 1, 5, 10 characters: columns start at 0, 1, 10 and 30.
QStringList Referenz_txt_zeilen(const Referenztabelle& t, const Gitter& bildschirm);
// Header widths 200, 100, 70, 70 print units; page numbers on.
Druckauftrag Referenz_Druckplan(const Referenztabelle& t, const Gitter& bildschirm, int seitenbreite,
                                int seitenhoehe);

// Write the files; on failure Fehler_bei_abspeichern and false.
bool Referenz_Excel(const Referenztabelle& t, const Gitter& bildschirm, const QString& pfad);
bool Referenz_txt(const Referenztabelle& t, const Gitter& bildschirm, const QString& pfad);
