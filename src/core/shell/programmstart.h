#pragma once
// What the program does with its data at start, before any window shows:
// version stamps, defaults, the settings folder and both settings files.
#include <QString>

// Finds the documents folder, creates "Grundeinstellungen_Quarvel_Hoertest"
// in it (or falls back to the program's folder), sets Einstellungsordner,
// Grundeinstellungsdatei and Dokumente_pfad.
void Einstellungsordner_festlegen();
// Version stamps, defaults, results store cleared, folder, base settings,
// current settings file, comparison of both.
void Programmstart_Daten();

// Waits more than `ms` milliseconds while the window system keeps working.
void LangePause(int ms);
