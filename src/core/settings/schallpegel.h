#pragma once
// Reading the companion sound-level meter's files (never written):
//   <documents>/Grundeinstellungen_Quarvel_Schallpegelmesser/Grundeinstellungen.sch
//   and the ".mes" settings file that it names (or that the user picks).
// A file is taken over only when it was read completely; a truncated or
// broken file changes nothing.
#include "core/settings/records.h"

#include <QString>

#include <functional>

extern Schallpegel_Grundeinstellungentyp Schallpegel_Grundeinstellungen;
extern Schallpegel_Grundeinstellungtyp1_7_1 Schallpegel_Grundeinstellungen1_7_1;
extern Schallpegel_Einstellungentyp Schallpegel_Einstellungen;
extern Schallpegel_Einstellungentyp1_2 Schallpegel_Einstellungen1_2;
extern Schallpegel_Einstellungentyp1_5 Schallpegel_Einstellungen1_5;
extern Schallpegel_Einstellungentyp1_6 Schallpegel_Einstellungen1_6;
extern Schallpegel_Einstellungentyp1_7 Schallpegel_Einstellungen1_7;
extern Schallpegel_Einstellungentyp1_7_1 Schallpegel_Einstellungen1_7_1;
extern Schallpegel_Einstellungentyp1_9 Schallpegel_Einstellungen1_9;

inline constexpr const char* Meter_Version_1_7_1 = "Vidizedazevadadev Version 1.7.1";

// Which extension blocks a meter settings file of this version holds.
struct Schallpegel_Bloecke {
    bool b1_2 = false, b1_5 = false, b1_6 = false, b1_7 = false, b1_7_1 = false, b1_9 = false;
};
Schallpegel_Bloecke Schallpegel_Bloecke_fuer(const Kurztext<50>& version);

// Selects the recording device and input named in the 1.9 block; installed by
// the recording part. Called after a 1.9 block was read.
extern std::function<void()> Bass_Geraet_Kanal_einstellen;

// Defaults of the meter's records that hold until its settings are imported
// (recording device "nicht bekannt", input "Mikrofon" at volume 1.0, ...).
void Schallpegel_Optionen_Grundeinstellung();

QString Dateiname1_7_1_zu_string();
void string_zu_Dateiname1_7_1(const QString& s);

// The readers return false for a missing or short file, and also for a file
// whose values would make every level wrong: a weight table (dB or dB(A),
// fast or slow) with a value that is not finite or negative, or with nothing
// but zeros; in the base settings a table that is not finite or a frequency
// axis that falls. Nothing is taken over then.
bool Schallpegelmesser_Grundeinstellungen_von_Festplatte_holen();
bool Schallpegel_Einstellungen_von_Festplatte_holen(const QString& pfad);
bool Schallpegel_Einstellungen_holen1();
bool Schallpegel_Einstellungen_holen2(const QString& pfad);
// Why the last of these readers refused a file that it could read: the
// message for the user ("Die Datei ... enthält keine gültige Kalibrierung
// ..."), empty when the last reader took its file over or failed for a
// missing or short file.
QString Schallpegel_Ablehnung();
