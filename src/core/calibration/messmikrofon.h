#pragma once
// Calibrating the level measurement with an ordinary measurement microphone
// instead of the companion meter's files.
//
// A microphone comes with a calibration file: one point per line,
// "frequency dB" or "frequency dB phase", separated by blanks or tabs, with a
// decimal point; lines starting with * ; # or " are comments. The first line
// may name the sensitivity, as USB microphones write it
//   "Sens Factor =-1.23dB, AGain =18dB, SERNO: 7000123"
// (dBFS at 94 dB SPL = -AGain + Sens Factor) or as "*1000Hz -40.3" (dBV at
// 94 dB SPL, which needs the sound card's full scale and so is only shown).
// The dB values are the microphone's deviation from flat; the measurement
// subtracts them. Between points the deviation is interpolated linearly over
// log frequency, beyond the first and last point it is held constant. It is
// taken relative to its value at 1000 Hz, the frequency the sensitivity
// belongs to.
//
// The sensitivity is the level in dBFS (0 dBFS = a full-scale sine) that a
// 1-kHz tone of 94 dB SPL gives in the recording.
//
// From sensitivity and response the program builds the same tables that the
// import of the meter's files fills (window, frequency axis, per-bin weights
// for dB and dB(A), slow and fast), so the automatic calibration and every
// measurement run on them unchanged. Slow weights average 10 blocks, fast
// weights one block.
#include "core/acoustics/kv_fft_daten.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

inline constexpr qint64 Kalibrierdatei_hoechstens = 1024 * 1024;
inline constexpr int Kalibrierdatei_hoechste_Punkte = 20000;
inline constexpr double Empfindlichkeit_unten = -100.0; // dBFS at 94 dB SPL
inline constexpr double Empfindlichkeit_oben = 0.0;
// The response must have a point within half an octave of 1 kHz.
inline constexpr double Bezug_unten_Hz = 707.0, Bezug_oben_Hz = 1415.0;
// File name of the active microphone calibration in the settings folder.
inline constexpr const char* Messmikrofon_Dateiname = "Messmikrofon.kal";

struct Mikrofon_Frequenzgang {
    std::vector<double> Frequenz;      // Hz, strictly ascending
    std::vector<double> Abweichung_dB; // the microphone's deviation
    std::optional<double> Empfindlichkeit_dBFS;
    std::optional<double> Empfindlichkeit_dBV;
    bool leer() const { return Frequenz.empty(); }
};

// Reads a calibration file's text. False, with a German message, for a file
// that is empty, not text, has no or broken points, frequencies that do not
// ascend, values that are not finite or beyond any microphone, a sensitivity
// outside -100..0 dBFS, or no point near 1 kHz.
bool Kalibrierdatei_lesen(const QByteArray& text, Mikrofon_Frequenzgang& gang, QString& fehler);
// The same from a file (at most 1 MB).
bool Kalibrierdatei_laden(const QString& pfad, Mikrofon_Frequenzgang& gang, QString& fehler);

// Deviation at f (dB), linear over log f, constant beyond the ends; 0 without points.
double Abweichung_bei(const Mikrofon_Frequenzgang& gang, double f);
// Deviation relative to 1000 Hz.
double Abweichung_relativ(const Mikrofon_Frequenzgang& gang, double f);

// False, with a German message, for a sensitivity outside -100..0 dBFS or not finite.
bool Empfindlichkeit_pruefen(double dBFS, QString& fehler);

// The active microphone calibration.
struct Mikrofon_Kalibrierung {
    QString Kalibrierdatei;  // file name the response came from; empty: flat
    Mikrofon_Frequenzgang Gang;
    double Empfindlichkeit_dBFS = -30.0;
    QString Datum;           // yyyy-MM-dd, when it was taken over
    QString Geraet, Eingang; // recording device and input it belongs to
};

// Sample counts (RMS) per Pa (RMS) at f.
double Zaehlwerte_pro_Pa(const Mikrofon_Kalibrierung& k, double f);

// Fills t's weight tables (t.N, t.Fenster and t.Frequenzachse as they are).
void Gewichte_berechnen(const Mikrofon_Kalibrierung& k, kvFFT_Tabellen& t);
// Window, twiddle seeds and frequency axes back to their computed values,
// then the weights: the in-memory meter calibration of the program.
void Mikrofon_Kalibrierung_anwenden(const Mikrofon_Kalibrierung& k);

// The calibrator: a 1-kHz tone of `kalibrator_dB` SPL measured at `pegel_dBFS`.
double Empfindlichkeit_aus_Kalibrator(double pegel_dBFS, double kalibrator_dB);

// The program's own file of the active calibration (text, decimal point).
QByteArray Mikrofon_Kalibrierung_Text(const Mikrofon_Kalibrierung& k);
bool Mikrofon_Kalibrierung_aus_Text(const QByteArray& text, Mikrofon_Kalibrierung& k, QString& fehler);

// The active calibration: set when one was taken over or loaded at start,
// cleared when the meter's files are imported.
extern std::optional<Mikrofon_Kalibrierung> Aktive_Mikrofon_Kalibrierung;
QString Messmikrofon_Pfad(); // Einstellungsordner + Messmikrofon_Dateiname
// Saves through a temporary file (the previous file stays when it fails).
bool Mikrofon_Kalibrierung_speichern(const Mikrofon_Kalibrierung& k);
// At start: none when the file is missing; false with a message when it is
// there but refused (nothing is then active).
bool Mikrofon_Kalibrierung_laden(QString& fehler);
// One line for the main window: file name, sensitivity, date.
QString Mikrofon_Kalibrierung_Beschreibung(const Mikrofon_Kalibrierung& k);
