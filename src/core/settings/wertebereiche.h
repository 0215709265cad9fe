#pragma once
// The ranges of the settings values: what the windows let the user type and
// what the program itself computes. The input checks of the windows use them,
// and so does the check of every settings record read from a file: a file
// holding a value outside them was not written by this program and is
// refused as a whole.
#include "core/settings/records.h"

#include <QString>

#include <cstdint>

// Test frequencies in Hz (the options).
inline constexpr int Kleinste_Testfrequenz = 20;
inline constexpr int Groesste_Testfrequenz = 20000;
// Channel volumes (the wave-out scale).
inline constexpr uint32_t Groesste_Lautstaerke = 65535;
// Levels read on the sound level meter per row (kind 6), dB, dB(A) or dB(C).
inline constexpr double Kleinster_Eichpegel_dB = -20.0;
inline constexpr double Groesster_Eichpegel_dB = 150.0;
// Microphone voltages per row (kind 4), in millivolts as the column heading
// "Spannung in mV" asks: above 0, at most 10 V.
inline constexpr double Groesste_Eichspannung_mV = 10000.0;
// The sound level at the reference row of the voltage calibration.
inline constexpr double Kleinster_Pegel_1000Hz = 0.0;
inline constexpr double Groesster_Pegel_1000Hz = 120.0;
// Units of the level per row: 0 dB, 1 dB(A), 2 dB(C).
inline constexpr int32_t Groesste_Einheit = 2;

// A frequency text: digits only (blanks around them are ignored), from 20 to
// 20000. "1e3", "440,0" or "+440" are no frequency texts.
bool Frequenztext_lesen(const QString& text, uint16_t& f);

bool Eichpegel_gueltig(double L);          // -20..150
bool Eichspannung_gueltig(double U);       // above 0, at most 10000 (mV)
bool Pegel_1000Hz_gueltig(double L);       // 0..120
bool Lautstaerke_gueltig(uint32_t volume); // 0..65535

// The name of the first field of the record whose value lies outside its
// range (e.g. "Frequenzen[3]"); empty when every field is within:
//  - volumes 0..65535; start pressures (kinds 3, 5) and Pa-per-volt factors
//    finite and not negative; voltages (kind 4) and levels (kind 6) as above;
//    the reference levels 0..120; the frequency response finite;
//  - frequencies 20..20000;
//  - flags 0 or 1, the calibration kind 0 or 1, units 0..2.
// Texts, the version and the tail record are not checked: they steer
// nothing (the loader writes the frequency texts anew from the numbers).
QString Einstellungen_ungueltiges_Feld(const Einstellungstyp& e);
// The same for the base settings: frequencies, flags, calibration kind, units.
QString Grundeinstellungen_ungueltiges_Feld(const Grundeinstellungstyp& g);
