#pragma once
// Whether a change of a row's channel volume needs the user's confirmation
// before the headphone plays it: a rise of more than 20 dB at once, or a tone
// above 100 dB(A) by the ear's calibration. The windows call it with the
// volume that plays now (0 = no tone yet), the one the action asks for and
// what the ear's calibration says of the row.
#include "core/settings/records.h"

#include <QString>

#include <cstdint>
#include <optional>

inline constexpr double Laut_Grenze_dBA = 100.0;
inline constexpr double Laut_Sprung_dB = 20.0;

// The level in dB(A) that the row's calibration gives at one channel volume.
struct Eichpunkt {
    double pegel_dBA = 0.0;
    uint32_t lautstaerke = 0; // 0: the row has no usable calibration
};

// The level of the row at volume V (volume scales the amplitude linearly);
// nothing when the calibration is unusable or V is 0.
std::optional<double> Pegel_bei(const Eichpunkt& eich, uint32_t V);

struct Laut_Entscheidung {
    bool fragen = false;
    std::optional<double> pegel_dBA; // the level the new volume gives, when known
    double anstieg_dB = 0.0;         // rise over the volume playing before (0 from silence)
};

// Ask when the new volume lies above the old one and either rises by more than
// 20 dB (only when a tone played before: alt > 0) or gives more than 100 dB(A).
Laut_Entscheidung Lauter_Ton_pruefen(uint32_t alt, uint32_t neu, const Eichpunkt& eich);

// The calibration of row `zeile` (1..21) of one ear by the kind the hearing
// test uses (e.Eichung): the sound level meter's entry at its volume (group 5),
// or the microphone voltage times the row's Pa-per-volt factor at its volume
// (group 4). The record is only read.
Eichpunkt Eichpunkt_der_Zeile(const Einstellungstyp& e, bool links, int zeile);

// The loudest start level of the hearing test (group-3 volumes) over both
// ears and all rows, when any row has a usable calibration.
struct Lautester_Start {
    double pegel_dBA = 0.0;
    bool links = true;
    int zeile = 0;
};
std::optional<Lautester_Start> Lautester_Anfangspegel(const Einstellungstyp& e);

// "Der Ton wird sehr laut (103,5 dB(A)). Kopfhörer absetzen oder fortfahren?";
// without a known level the rise stands in the brackets ("+46,0 dB").
QString Lauter_Ton_Frage(const Laut_Entscheidung& d);
QString Lauter_Ton_Titel();
