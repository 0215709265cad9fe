#pragma once
// Acoustic arithmetic of the hearing test: pressure <-> level (dB, dB(A),
// dB(C)), calibration -> start pressure, reaction time -> threshold pressure.
// Pressures in Pa, levels in dB re 20 uPa. Computed in long double, stored as double.
// The unit holds no state: it reads a settings record and writes into the
// arrays its callers pass.
#include "core/settings/records.h"

#include <QString>

#include <array>
#include <cstdint>

// Reference sound pressure in Pa.
inline constexpr double p0 = 0.00002;
// ln(10) / 20: level in dB <-> natural logarithm of the pressure ratio.
inline constexpr long double ln10_durch_20 = 0.11512925464970228L;
// Pressures at or below this count as -100 dB in Pa_in_dB.
inline constexpr double Pa_Untergrenze = 1e-100;
// Level given for such pressures.
inline constexpr double dB_Untergrenze = -100.0;

// ---- Conversions ----------------------------------------------------------
// p_ref * 10^(L/20)
long double Dezibel_in_Pa(long double L, long double p_ref);
// 20 * log10(p / p_ref); defined for positive p only.
long double Pa_in_Dezibel(long double p, long double p_ref);
// Level in dB re p0 -> Pa.
long double dB_in_Pa(long double L);
// Pa -> level in dB re p0; -100 for p <= 1e-100.
long double Pa_in_dB(long double p);
// Pressure in Pa whose A-weighted level at f (Hz, > 0) is 0 dB(A).
long double p0A(long double f);
long double dBA_in_Pa(long double L, long double f);
// No floor: defined for positive p only.
long double Pa_in_dBA(long double p, long double f);
// Sound pressure level in dB of 0 dB(A) at f.
long double Null_dBA(long double f);
// Pressure in Pa whose C-weighted level at f (Hz, > 0) is 0 dB(C).
long double p0C(long double f);
long double dBC_in_Pa(long double L, long double f);

// ---- Microphone conversion factors ---------------------------------------
// Pa per volt at the reference frequency, from a level L (dB) measured while
// the microphone gave U volts. A voltage of 0 (or a result that is not a
// finite number) gives the factor 0: no usable calibration instead of an
// infinite one that would poison every start pressure.
void Umrechnungsfaktor_U_p_1000(double& faktor, double L, double U);
// faktoren[row i] = faktor1000 * 10^((gang[row 5] - gang[row i]) / 20); arrays hold rows 1..21 at [0..20].
// Rows outside 1..21 are ignored.
void Umrechnungsfaktoren_U_p(int i, hilfarray& faktoren, const hilfarray& gang, double faktor1000);

// ---- Calibration -> start pressure (Pa) of tone i (row 1..21) ------------
// Voltage calibration: U(kind 4) * Pa-per-volt(row) * V3 / V4.
// Sound-level calibration: P(level of kind 6 in its weighting) * V3 / V5.
// V3 is the current start volume of the row, V4/V5 the volume the
// calibration was made at (a 0 is replaced by 1 and stored back in e).
// This form takes V3 from the record's volume group 3:
double Spannung_in_Anfangsdruck(bool links, int i, Einstellungstyp& e);
double Schallpegel_in_Anfangsdruck(bool links, int i, Einstellungstyp& e);
// This form takes V3 from the measurement window's working volumes of the
// ear, indexed by row (e.g. Lautstaerke_links[3]):
double Spannung_in_Anfangsdruck(bool links, int i, const uint32_t (&volumes)[22], Einstellungstyp& e);
double Schallpegel_in_Anfangsdruck(bool links, int i, const uint32_t (&volumes)[22], Einstellungstyp& e);

// Text of a start pressure as a level in dB(A) at f: width 4, 1 decimal,
// decimal comma. A pressure that has no level (0, negative, below 1e-100)
// shows the floor "-100,0"; the text is never "inf" or "nan".
QString Anfangspegel_text(double druck, long double f);

// Start level of tone i at the measurement window's working volumes: the
// voltage form when e.Eichung is Span_nung, else the sound-level form.
// Returns the pressure; text = its dB(A) text (Anfangspegel_text).
double Eine_Messung_in_Anfangslautstaerke(int i, bool links, const uint32_t (&volumes)[22], Einstellungstyp& e,
                                          QString& text);
// Recomputes kinds 3 and 5 of Spannung1 (start pressures) and their dB(A)
// texts for one ear of the given settings record from the calibration values
// and the start volumes (group 3): first kind 3 for rows 1..21, then kind 5.
void Messungen_in_Anfangslautstaerke(bool links, Einstellungstyp& e);
