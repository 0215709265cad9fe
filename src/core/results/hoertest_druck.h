#pragma once
// The results store of the hearing test: the threshold pressure per ear and
// frequency row, its text and the row colour of the measurement window.
// Index ear * 21 + row with ear 0 = left, 1 = right and row 1..21, so entries
// 1..21 belong to the left ear and 22..42 to the right ear; entry 0 is unused.
#include "core/shell/kvhilf.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int Anzahl_Zeilen = 21;

// Threshold pressure in Pa; 0 = not measured.
extern std::array<double, 43> Hoertest_Druck;
// The same pressure as text with 8 decimals and a decimal comma; " " = not measured.
extern std::array<QString, 43> Hoertest_Druck_string;
// Per ear and row: whether the stored pressure is only a bound of the
// threshold. After the end of a tone the stored pressure is the tone's end
// amplitude, and the threshold lies at or below it after a falling tone (the
// listener still heard its end) or at or above it after a rising tone.
// unter_Stufe: "Stopp" came after a falling tone had fallen below one step of
// the output, so that nothing quieter was played and the listener did not
// notice it fall silent; the stored pressure is the level at that moment and
// the threshold lies at or above it. Cleared with the pressures.
enum class Tonende : uint8_t { waehrend = 0, nach_abnehmendem = 1, nach_zunehmendem = 2, unter_Stufe = 3 };
extern std::array<Tonende, 43> Hoertest_nach_Tonende;
// Per ear and row: by how many dB the room noise in the octave band of the
// row's frequency exceeded its permissible limit while the row's tone played
// (0 = not exceeded or not checked); the threshold may then be measured too
// high. Cleared with the pressures.
extern std::array<double, 43> Hoertest_Ruhepegel;
// The highest excess kept: a larger one or one that is not finite is no
// value of a room check.
inline constexpr double Ruhepegel_hoechstens_dB = 150;
// Background colour of each row's result field, [ear 1..2][row 1..21], as
// colour values 00BBGGRR: red = measured on the left ear, blue = right ear.
extern int32_t Farben_Messung[3][22];

inline constexpr int32_t Farbe_links_gemessen = RGB(255, 0, 0);  // 0x0000FF
inline constexpr int32_t Farbe_rechts_gemessen = RGB(0, 0, 255); // 0xFF0000
// The system's button-face colour, the colour of a row without a result.
inline constexpr int32_t Farbe_Buttonface = RGB(240, 240, 240);

inline int Druck_index(bool links, int zeile)
{
    return (links ? 0 : 21) + zeile;
}

// What a press `t_s` seconds into a hearing-test tone means for its bound:
// the falling tone lasts 30 s, the rising one 15 s; at its end the player's
// position stops at the file's length.
Tonende Tonende_bei(double t_s, bool zunehmend);

// Seconds into a falling tone from which its peak at the output, the tone
// file's sample amplitude times the channel volume / 65535, is below one step
// of the 16-bit output (0 when it never reaches one step); none at full
// volume, where the tone ends at exactly one step.
std::optional<double> Unter_Stufe_ab_s(uint32_t volumen);

// What a "Stopp" t_s seconds into a hearing-test tone played at channel
// volume `volumen` (0..65535) measures: the moment whose amplitude is the
// threshold and whether that is a bound. After a falling tone had fallen
// below one step that moment is the one it did so.
struct Stopp_Bewertung {
    double t_s = 0;
    Tonende tonende = Tonende::waehrend;
};
Stopp_Bewertung Stopp_bewerten(double t_s, bool zunehmend, uint32_t volumen);

// "≤" when the threshold lies at or below the stored value (after the end of
// a falling tone), "≥" when it lies at or above it, else empty.
QString Grenzzeichen(Tonende t);
// A value text with the bound's mark in front ("   ≥ 12,5"), as wide as the
// text was; unchanged when the value is no bound.
QString Mit_Grenzzeichen(const QString& wert, Tonende t);

// One ear's part of the store: pressures, texts, end-of-tone flags and row
// colours of rows 1..21 (at [0..20]).
struct Ohr_Ergebnisse {
    std::array<double, Anzahl_Zeilen> druck{};
    std::array<QString, Anzahl_Zeilen> texte;
    std::array<Tonende, Anzahl_Zeilen> tonende{};
    std::array<double, Anzahl_Zeilen> ruhepegel{};
    std::array<int32_t, Anzahl_Zeilen> farben{};
    bool operator==(const Ohr_Ergebnisse&) const = default;
    // True when no row holds a measured pressure.
    bool leer() const;
};
Ohr_Ergebnisse Ohr_Ergebnisse_holen(bool links);
void Ohr_Ergebnisse_setzen(bool links, const Ohr_Ergebnisse& e);

// What "Übernehmen" accepted for each ear (0 left, 1 right), so that it is
// discarded only after a question; and the history test it was stored as
// (0: none). Gone as soon as the ear's results are cleared.
struct Uebernommene_Ergebnisse {
    Ohr_Ergebnisse werte;
    int64_t verlauf_id = 0;
};
extern std::array<std::optional<Uebernommene_Ergebnisse>, 2> Hoertest_uebernommen;

// Name of the person whose results the store holds, typed in the results
// table or the audiogram; it goes with every output and with the tests stored
// in the history. Cleared when neither ear holds a result any more.
extern QString Testperson_Name;

// Clears the pressures, texts, end-of-tone flags and room-noise marks of one ear, and what was
// accepted for it.
void Druck_string_null(bool links);
// Sets the 21 colours of one ear (1 = left, 2 = right) to the button-face colour.
void Farben_Messung_grau(int ohr);
// At program start: both ears cleared, left first.
void Druck_string_start();
void Farben_Messung_Start();
