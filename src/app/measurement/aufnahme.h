#pragma once
// The recording part of the main window: it sets up the capture device,
// chooses device and input from the meter's settings, and runs one level
// measurement at a time for the automatic calibration of the measurement
// window.
//
// The chain of one measurement, all on the window thread:
//   Timer3 (started by the calibration)  -> langsam_Aufnahme: recording starts
//   recorder's Puffer_da                 -> Timer1 -> the buffer into the measurement
//   measurement complete                 -> Timer2 -> kvTimer_Aufnahme_ende:
//                                           recording stopped, result to TForm2::Auto1_eineFrequenz
// Messages go through the program's dialogs; no failure ends the program:
// without a usable device the automatic calibration stays unavailable.
#include <QString>

class Aufnehmer;
class Pegelmesser;
class QObject;
class QTimer;

// The recording device is set up (Recording-ready flag).
extern bool Aufnahme_bereit;

// The recorder the program records with (not owned); nullptr: none.
void Aufnehmer_einsetzen(Aufnehmer* a);
Aufnehmer* Aufnehmer_eingesetzt();

// Called by the main window: the measurement lives with it (besitzer) and its
// three timers drive the chain above. Aufnahme_loesen when it goes.
void Aufnahme_anbinden(QObject* besitzer, QTimer* Timer1, QTimer* Timer2, QTimer* Timer3);
void Aufnahme_loesen();
// Starts the next level measurement through Timer3 (nothing before the main
// window has bound the measurement).
void Aufnahme_anstossen();
Pegelmesser* Aufnahme_Messung();

// Start-up: recording state cleared, FFT tables for 4096 samples, the meter's
// defaults, the device-choice routine for the meter import installed.
void Schallpegelmesser_Grundeinstellungen_Erzeugung();
// Program end: the device released if it was set up, the FFT tables freed.
void Aufnahme_Programmende();

// Sets up the recording (version, default device) unless it is ready; tells
// the user what is missing. Returns Aufnahme_bereit.
bool Bass_Aufnahme_Initialisierung();
// Device and input from the meter's 1.9 block (when it asks for it).
void Bass_Geraet_Kanal_einstellen_Aufnahme();

// One slow measurement (10 blocks) with the calibration's bin and weighting.
void langsam_Aufnahme();
// Stops the recording of the current measurement.
void Stop_Taste_druecken();
void Audio_Aufnahme_beenden();
// Timer2: measurement complete -> recording stopped, result to the calibration.
void kvTimer_Aufnahme_ende();
// Warning box with caption "Audiofehler".
void Audio_Fehler(const QString& text);
