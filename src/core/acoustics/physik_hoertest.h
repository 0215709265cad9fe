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
// Rows outside 1..21 are ignored; a result that is not finite gives 0, as above.
void Umrechnungsfaktoren_U_p(int i, hilfarray& faktoren, const hilfarray& gang, double faktor1000);

// ---- Calibration -> start pressure (Pa) of tone i (row 1..21) ------------
// Voltage calibration: U(kind 4) * Pa-per-volt(row) * V3 / V4.
// Sound-level calibration: P(level of kind 6 in its weighting) * V3 / V5.
// V3 is the current start volume of the row, V4/V5 the volume the
// calibration was made at (a 0 is replaced by 1 and stored back in e). A
// pressure beyond the range of double gives 0: no usable calibration, and a
// settings file that can be read again.
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
double Eine_Messung_in_Anfangslautstaerke(int i, bool links, const uint32_t (&volumes)[22],
                                          Einstellungstyp& e, QString& text);
// Recomputes kinds 3 and 5 of Spannung1 (start pressures) and their dB(A)
// texts for one ear of the given settings record from the calibration values
// and the start volumes (group 3): first kind 3 for rows 1..21, then kind 5.
void Messungen_in_Anfangslautstaerke(bool links, Einstellungstyp& e);

// ---- Threshold from the reaction time --------------------------------------
// Full-scale amplitude of the tone law; the relative amplitude is A / 32700.
inline constexpr long double Vollausschlag = 32700.0L;

// Threshold pressure of tone i (row 1..21) of one ear after the listener
// reacted t_s seconds into the tone (the player's position): the relative
// amplitude of the tone law at t_s (Linke_Amplitude) times the row's start
// pressure, of the voltage calibration (kind 3) when Einstellungen.Eichung is
// Span_nung, else of the sound-level calibration (kind 5). Stores the pressure
// in druck[Druck_index(links, i)] and its text (8 decimals, decimal comma, no
// padding) in texte[...]. Sets Tondauer_hundertstel to the tone's length,
// 3000 (falling) or 1500 (rising). Rows outside 1..21 are ignored.
void Hoertest_Druck_berechnen(bool links, int i, double t_s, std::array<double, 43>& druck,
                              std::array<QString, 43>& texte);
// druck[Druck_index(links, i)] = r * start pressure of kind 3 (voltage) or kind 5 (sound level).
void Hoertest_Druck_Spannung(bool links, int i, std::array<double, 43>& druck, long double r);
void Hoertest_Druck_Schallpegelmesser(bool links, int i, std::array<double, 43>& druck, long double r);

// ---- Levels and texts for the results displays -----------------------------
// Pressures at or below this count as not measured.
inline constexpr double Druck_nicht_gemessen = 1e-15;
// Highest frequency that has an ISO 226 normal threshold.
inline constexpr double Hoerschwelle_hoechste_Frequenz = 12500.00001;

// Outputs of Hoertest_Dezibel_berechnen, laid out like their inputs:
// per ear and row at [Druck_index(links, row)] (1..21 left, 22..42 right),
// per row at [1..21]; index 0 is unused.
struct Dezibel_Ergebnis {
    std::array<QString, 43> dB_texte;
    std::array<double, 43> dB_werte{};
    std::array<QString, 43> dBA_texte;
    std::array<double, 43> dBA_werte{};
    std::array<bool, 22> gemessen_links{};
    std::array<bool, 22> gemessen_rechts{};
    std::array<double, 22> norm_werte{};
    std::array<QString, 22> norm_texte;
    std::array<double, 22> null_werte{};
    std::array<QString, 22> null_texte;
};

// Turns the 2 x 21 threshold pressures (druck[1..42], left ear first) into
// levels in dB and dB(A) at the rows' frequencies (frequenzen: rows 1..21 at
// [0..20]), with the ISO 226 normal threshold and the 0-dB(A) level beside
// them. Values are rounded to one decimal; texts carry the unrounded value
// with one decimal, decimal comma, right-aligned in 10 characters (6 when
// schmal). A pressure <= 1e-15 is not measured: values 0, texts 10 blanks.
// The norm of a frequency above 12500.00001 Hz is 0 with a text of 10 blanks.
Dezibel_Ergebnis Hoertest_Dezibel_berechnen(const std::array<double, 43>& druck, const Freqarray& frequenzen,
                                            bool schmal);

// ---- Volume step of the automatic calibration -------------------------------
// vol_neu = vol * 10^((L_soll - L_ist)/20) rounded to the nearest integer
// (ties to even). Below 1 it becomes 1, above vol_max it becomes vol_max; the
// result is then false, else true. A correction that is not a number (a level
// that is not finite) leaves vol, limited to 1..vol_max, and gives false.
bool Auto1_Lautstaerke(int32_t vol, int32_t vol_max, int32_t& vol_neu, double L_ist, double L_soll);
