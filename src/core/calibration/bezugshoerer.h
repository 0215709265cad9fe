#pragma once
// Calibration with a reference listener: a person with normal hearing takes
// the ordinary hearing test; each row's calibration is then set so that this
// person's threshold is the ISO 226:2003 normal threshold at the row's
// frequency. The result is a manual calibration in dB (unweighted) at the
// row's start volume, so the settings file keeps its layout.
//
// One run yields per ear and row the calibration constant k: the level in dB
// that the channel volume 1 would give (level at volume V = k + 20 log10 V).
// Up to three runs (listeners or repeated runs) are averaged in dB; a row
// whose runs lie more than 10 dB apart is marked.
#include "core/results/hoertest_druck.h"
#include "core/settings/records.h"

#include <array>
#include <optional>
#include <vector>

inline constexpr int Hoechstens_Bezugshoerer = 3;
inline constexpr double Bezugshoerer_Streuung_Grenze_dB = 10.0;
// The ISO 226 threshold is given up to 12500 Hz; rows above keep their calibration.
inline constexpr double Bezugshoerer_hoechste_Frequenz = 12500.00001;

struct Bezugshoerer_Lauf {
    // [ear 0 left, 1 right][row 1..21 at 0..20]
    std::array<std::array<std::optional<double>, Zeilen>, 2> k;
};

// Why a row of one run gives no value.
enum class Bezugshoerer_Luecke { keine, nicht_gemessen, nach_Tonende, ohne_Normschwelle, ohne_Eichung };

// One run from the results store and the settings the test ran with: the
// threshold pressure p and the start pressure P of the row (kind 5, or 3 with
// the voltage calibration) at the start volume V3 give the relative amplitude
// r = p / P at the listener's threshold; the true start level is then
// ISO(f) - 20 log10 r and k = that - 20 log10 V3. A row pressed after the
// tone's end gives only a bound and no value.
Bezugshoerer_Lauf Bezugshoerer_auswerten(const std::array<double, 43>& druck,
                                         const std::array<Tonende, 43>& nach_tonende, const Einstellungstyp& e);
Bezugshoerer_Luecke Bezugshoerer_Zeile_pruefen(const std::array<double, 43>& druck,
                                               const std::array<Tonende, 43>& nach_tonende,
                                               const Einstellungstyp& e, bool links, int zeile);

struct Bezugshoerer_Wert {
    std::optional<double> k;   // mean over the runs
    int anzahl = 0;            // runs with a value
    double streuung_dB = 0.0;  // largest minus smallest value
    bool uneinig = false;      // streuung above 10 dB
};
struct Bezugshoerer_Ergebnis {
    std::array<std::array<Bezugshoerer_Wert, Zeilen>, 2> werte;
};
Bezugshoerer_Ergebnis Bezugshoerer_mitteln(const std::vector<Bezugshoerer_Lauf>& laeufe);

// The level in dB at the row's start volume V3 (nothing without a value or V3 = 0).
std::optional<double> Bezugshoerer_Pegel(const Bezugshoerer_Wert& w, uint32_t V3);

// Writes the result of one ear into the record as its manual calibration: for
// every row with a value, kind 6 = the level at V3 (unit dB, text with two
// decimals), volume group 5 = V3, also in the working volumes of group 5.
// Returns the number of rows written. The start pressures (kinds 3, 5) are
// recomputed by the save.
int Bezugshoerer_eintragen(Einstellungstyp& e, bool links, const Bezugshoerer_Ergebnis& r,
                           uint32_t (&arbeitslautstaerken)[6][22]);
