#pragma once
// Which calibration holds for each ear, and since when. The settings file
// keeps only the calibration values; the kind of calibration that produced
// them and its date live in the program's own small file
// "Kalibrierungen.txt" in the settings folder. An entry belongs to the values
// it was made for (a checksum over the ear's calibration values, volumes and
// frequencies), so a settings file changed elsewhere, or another one loaded,
// never shows a wrong kind or date; values copied to the other ear keep it.
//
// File (UTF-8 text, one entry per line, written through a temporary file):
//   Vazozez Kalibrierungen 1
//   Erste_Schritte<TAB>1                       (the first-start guide was shown)
//   <layer 4|6><TAB><checksum 16 hex><TAB><kind 1..4><TAB><yyyy-MM-dd>
// A file with anything else is ignored as a whole (and replaced at the next save).
#include "core/settings/records.h"

#include <QDate>
#include <QString>

#include <cstdint>

enum class Eichart : uint8_t { Grundwerte = 0, Schallpegelmesser = 1, Mikrofonspannung = 2, automatisch = 3, Bezugshoerer = 4 };

struct Eichzustand {
    Eichart art = Eichart::Grundwerte;
    QDate datum; // invalid: not known (calibrated before the kind was recorded)
};

inline constexpr const char* Name_Eichzustand_Datei = "Kalibrierungen.txt";
// What a calibration with a reference listener means for the results.
QString Bezugshoerer_Hinweis();

// "nicht kalibriert (Grundwerte)", "Schallpegelmesser", "Mikrofonspannung", "automatisch", "Bezugshörer".
QString Eichart_name(Eichart a);
// The name with the date: "Bezugshörer (12.03.2025)"; "Schallpegelmesser (Datum unbekannt)".
QString Eichzustand_text(const Eichzustand& z);

// The calibration the hearing test of this ear uses (voltage or sound level, e.Eichung).
Eichzustand Eichzustand_holen(const Einstellungstyp& e, bool links);
// Records the kind and date of the ear's current calibration values. Values
// that already have an entry keep it (saving unchanged values is no new
// calibration). False when the file cannot be written.
bool Eichzustand_merken(const Einstellungstyp& e, bool links, Eichart art, const QDate& datum);
// Both ears in one line: "Kalibrierung links: …, rechts: …".
QString Eichzustand_zeile(const Einstellungstyp& e);
// True when neither ear has a calibration of its own.
bool Keine_eigene_Eichung(const Einstellungstyp& e);

// Whether the first-start guide has been shown in this settings folder, and marking it.
bool Erste_Schritte_gezeigt();
void Erste_Schritte_merken();

// Checksum of one ear's values of a calibration layer (4 voltage, 6 sound level).
uint64_t Eich_Pruefsumme(const Einstellungstyp& e, bool links, int schicht);
