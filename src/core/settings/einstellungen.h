#pragma once
// The shared settings instances, the settings folder and the routines that
// load, save, compare and convert the settings files:
//   "Grundeinstellungen.hoe"  base settings, 10548 bytes (544 + 10004)
//   "*.qvl"                   settings file, 9260 bytes (9256 + 4); old 9256-byte
//                             files of version "Vazozez Version 1.2" are read too
// Every save goes through a temporary file and a rename, so a failed save
// leaves the previous file intact; the user then sees Fehler_bei_abspeichern
// and the values stay in memory.
#include "core/settings/records.h"

#include <QString>

#include <cstdint>

extern Einstellungstyp Einstellungen;
extern Einstellungstyp1_4 Einstellungen1_4;
extern Grundeinstellungstyp Grundeinstellungen;
extern Grundeinstellungstyp1_6 Grundeinstellungen1_6;

// Settings folder with a trailing "/", e.g. "<documents>/Grundeinstellungen_Quarvel_Hoertest/".
extern QString Einstellungsordner;
// Full path of "Grundeinstellungen.hoe".
extern QString Grundeinstellungsdatei;
// The user's documents folder with a trailing "/", or " " when none was found.
extern QString Dokumente_pfad;
// Length of the rising or falling hearing-test tone in hundredths of a second:
// 3000 (falling, 30 s) or 1500 (rising, 15 s).
extern int32_t Tondauer_hundertstel;

// Working volumes of the measurement window, [group 3..5][row 0..21]: index 0
// of a group is 1 once the group is loaded, rows 1..21 hold the volumes
// (0..65535). Filled whenever a settings file is loaded.
extern uint32_t Lautstaerke_links[6][22];
extern uint32_t Lautstaerke_rechts[6][22];

inline constexpr const char* Name_Einstellungsordner = "Grundeinstellungen_Quarvel_Hoertest";
inline constexpr const char* Name_Grundeinstellungsdatei = "Grundeinstellungen.hoe";
inline constexpr const char* Name_Standard_Einstellungsdatei = "Einstellungen_Hoertest_1_6.qvl";
inline constexpr int Groesse_Einstellungsdatei = 9260;
inline constexpr int Groesse_Grundeinstellungsdatei = 10548;

// Frequency of row i (1..21) of the current settings.
inline uint16_t Frequenz(int zeile)
{
    return Einstellungen.Frequenzen[zeile - 1];
}

// Calibration of a new settings file, the same for every row and ear: the
// sound level 10 dB (kind 6) and the microphone voltage 1 V (kind 4), both
// at the volume 10 of every volume group.
inline constexpr double Grund_Eichpegel_dB = 10.0;
inline constexpr double Grund_Eichspannung_V = 1.0;
inline constexpr uint32_t Grund_Lautstaerke = 10;
// True while an ear's sound-level calibration (levels of kind 6 and their
// volumes of group 5) is still that of a new settings file: its thresholds
// then rest on no measurement of the headphone.
bool Eichung_unveraendert(const Einstellungstyp& e, bool links);

// Defaults.
void Optionen_Grundeinstellung();
void Optionen_Grundeinstellung1_4();
void Optionen_Grundeinstellung1_6();
void Frequenzgang_Grundeinstellung();
void Grundeinstellungen_erste_Erzeugung();
// Every row of the sound-level calibration in dB(A).
void Grundeinstellung_db_dBA_dBC();

// Base settings file. Loading falls back to first-time defaults (written at once).
void Grundeinstellungen_von_Festplatte_holen();
bool Grundeinstellungen_speichern_Festplatte();
void Grundeinstellungen_in_Einstellungen();
void Einstellungen_in_Grundeinstellungen();

// Loads the current settings file (or creates the default one). False when
// the file exists but cannot be read completely or holds a value the program
// never writes (wertebereiche.h); the records in memory then stay as they
// were and nothing is written. After a load the frequency texts are the
// decimal texts of the frequencies.
bool Einstellungen_von_Festplatte_holen();
// The message for a settings file that cannot be read:
// "Datei \r" + path + "\r" + "kann nicht geöffnet werden!!!".
QString Text_Datei_nicht_lesbar(const QString& pfad);
// Einstellungsordner + "Einstellungen_Hoertest_1_6.qvl".
QString Standard_Einstellungsdatei();
// At start the current settings file could not be read, and the records in
// memory hold nothing yet: instead of saving them over that file (which
// stays as it is), the default settings file becomes current when it exists,
// is another file and can be read; otherwise a new default settings file
// under a free name in the settings folder ("Einstellungen_Hoertest_1_6.qvl",
// "Einstellungen_Hoertest_1_6 (2).qvl", ...). Something that is no regular
// file (a FIFO) is replaced by a new default settings file instead. Returns
// the file now current.
QString Einstellungen_statt_unlesbarer_Datei();
// Recomputes the start pressures and saves settings and base settings.
// False (after the warning) when writing failed.
bool Einstellungen_speichern_Festplatte();
// Marks stale tone files after a settings file was loaded.
void Vergleich_Grundeinstellungen_Einstellungen();

// The current settings file's path held in Grundeinstellungen1_6.
QString Dateiname1_6_zu_string();
void string_zu_Dateiname1_6(const QString& s);
// The same for a long path record of the meter.
QString Langer_Dateiname_zu_string(const Langer_Dateiname_typ& r);
void string_zu_Langer_Dateiname(Langer_Dateiname_typ& r, const QString& s);

// Deletes the stored tone files "wave/abn_l<i>.wav" and "wave/abn_r<i>.wav".
void alle_wave_loeschen();
QString Wave_ordner();
QString Tondatei_links(int zeile);  // .../wave/abn_l<zeile>.wav
QString Tondatei_rechts(int zeile); // .../wave/abn_r<zeile>.wav

// Resets every shared instance and path to its start-up state (used at
// program start and by tests).
void Einstellungen_zuruecksetzen();
