#pragma once
// Page layout of the table printouts, computed without a printer: what text
// goes where on which page. All lengths are in 0.1 mm with y growing
// downwards from the top of the printable area. The printing helper of the
// windows draws a Druckauftrag onto a printer page by page.
#include "core/results/gitter.h"

#include <QString>

#include <vector>

inline constexpr int Druck_Rand_oben = 100;
inline constexpr int Druck_Rand_unten = 200;
inline constexpr int Druck_Zeilenhoehe = 36;
inline constexpr int Druck_Zeilenhoehe_gross = 46;
inline constexpr int Druck_Schrift = 36;
inline constexpr int Druck_Schrift_gross = 46;
// Grid column widths are in print units; one unit is 3 x 0.1 mm on paper.
inline constexpr int Druck_Spaltenfaktor = 3;

struct Druckelement {
    enum class Art : uint8_t { Text, Linie };
    Art art = Art::Text;
    int x = 0;                   // left edge of the text, or the page centre of centred text; start of a line
    int y = 0;                   // top edge of the text; height of a line
    int x2 = 0;                  // end of a line
    int schrift = Druck_Schrift; // font height
    bool fett = false;
    bool zentriert = false;
    int stiftbreite = 0;
    QString text;
};

struct Druckseite {
    std::vector<Druckelement> elemente;
};

struct Druckauftrag {
    QString titel;          // job title
    bool hochformat = true; // portrait
    std::vector<Druckseite> seiten;
};

// Page size in 0.1 mm from the physical size in device pixels and the
// resolution: truncated to whole millimetres, times 10.
int Druck_Seitenmass(int pixel, int dpi);

// Lines per page of the one-grid print: (H - 300) div 36, at least 1.
int Druck_Zeilen_pro_Seite(int hoehe);

// One grid, page by page (the printout of the results table). Lines whose
// number lies in erste_gross..letzte_gross, and lines 13 and 43 of every page,
// are large and bold.
Druckauftrag Druckplan_StringGrid(const Gitter& g, const QString& titel, bool hochformat, bool fusslinie,
                                  bool kopflinie, bool seitenzahlen, int erste_gross, int letzte_gross,
                                  int seitenbreite, int seitenhoehe);

// Page count of the two-grid print: page 1 holds L - 1 lines, every further
// page L lines, for `zeilen` rows in all.
int Druck_Seiten_zwei_Gitter(int zeilen, int seitenhoehe);

// A header grid and a data grid (the printouts of the reference tables). Page 1
// starts with the header's cells (2,1) bold and (2,2) centred as title; rows
// below the header's row count come from the header grid, the rest from the
// data grid; columns are placed by the header's widths.
Druckauftrag Druckplan_zwei_Gitter(const Gitter& kopf, const Gitter& daten, bool seitenzahlen,
                                   int seitenbreite, int seitenhoehe);
