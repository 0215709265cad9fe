#pragma once
// The automatic calibration of one ear's headphone channel, as a state
// machine without windows, devices or clocks.
//
// For each of the 21 rows (order 5, 4, 3, 2, 1, 6, 7, ..., 21) it measures the
// background with the tone off, then plays the row's tone and searches a
// channel volume at which the tone stands 10..20 dB above the background
// (coarse search, aiming at background + 15 dB, at most 6 measurements), then
// steps the level down towards the background until the measured sound is a
// clean tone (fine search, at most 5 measurements). The row's result is a
// volume and the level measured at it, in dB(A) above 800 Hz and in dB at and
// below. A row whose fine search found no clean tone takes the best of its
// five measurements and is marked inexact (yellow) when that is less than
// 8 dB above the background.
//
// The window feeds each measurement's result to Auto1_eineFrequenz and
// carries out the actions it returns, in order. After every pause it goes on
// only while Auto_laeuft is set, so that closing the window in a pause ends
// the run there.
//
// Faults end the run (action Fehlgeschlagen with its reason) instead of
// leading to a wrong calibration or to minutes of full-volume tone:
//  - row 5 at the largest volume still less than 10 dB above the background,
//    and any row at the largest volume less than 3 dB above it (the
//    microphone or the headphone is not there);
//  - a level that is no finite number, or a row's result outside the levels
//    a calibration may hold (-20..150 dB);
//  - a recording that delivers no buffers (Aufnahme_ausgefallen).
// A measurement whose recording reached full scale is overdriven: the coarse
// search takes it as too loud (at least halving the volume), the fine search
// never takes it as a clean tone and chooses it only when all five are, and a
// row whose result is overdriven is marked inexact and named in the final
// message.
#include "core/acoustics/blockmessung.h"
#include "core/settings/records.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int Auto_erste_Zeile = 5;
inline constexpr int32_t Auto_Startlautstaerke = 300;
inline constexpr int32_t Auto_groesste_Lautstaerke = 65530;
inline constexpr int Auto_grobe_Versuche = 5;
inline constexpr int Auto_feine_Schritte = 5;
inline constexpr double Auto_Tonschwelle = 1.0; // clean tone: total at most 1 dB above the band
inline constexpr int Auto_halbe_Breite = 4;     // the tone's band: its bin +/- 4
inline constexpr double Auto_genau_ab = 8.0;    // dB above the background for an exact row
inline constexpr double Auto_klar_ueber = 3.0;  // dB above the background: a tone is there at all
inline constexpr double Auto_dBA_ueber = 800.0; // Hz: above, levels in dB(A)
inline constexpr int Auto_Pause_lang = 300;     // ms
inline constexpr int Auto_Pause_kurz = 200;     // ms, after a coarse step
inline constexpr uint32_t Auto_Tondauer = 3000; // hundredths: a 30-s tone file per row

// One measurement of the fine search.
struct auto_Kalib_record_typ {
    double dBA = 0;       // level, dB or dB(A)
    double Delta_dBA = 0; // total level minus the level in the tone's band, dB
    bool Echter_Ton = false;
    int32_t auto_vol = 0; // channel volume of the measurement
    bool uebersteuert = false;
};

// Why a run failed.
enum class Auto_Fehler : uint8_t {
    Mikrofon,          // at the largest volume the tone is not (clearly) above the background
    Messung_ungueltig, // a level that is no number or outside -20..150 dB
    keine_Aufnahme,    // the recording delivers no buffers
};

// What the window does next.
struct Auto_Aktion {
    enum class Art {
        Lautstaerke,    // volume `wert` into the track bars (channel volume and the row's working volume)
        Pause,          // wait `wert` ms; then continue only while the run is on
        Ton_starten,    // play the tone of `frequenz` Hz once and wait until it sounds
        Ton_beenden,    // stop the tone
        Zeile_Ergebnis, // row `wert` shows `pegel`, yellow when `ungenau`, unit dB(A) when `dBA`
        Neue_Zeile,     // row `wert` becomes the active row: status, volume 300, colour and focus
        Messen,         // start one level measurement (Auto_Bin, Auto_dBA)
        Fertig,         // all rows done; `ungenau`: some row is yellow. The window ends the run.
        Fehlgeschlagen, // the run has ended for `fehler` (Auto_Fehlermeldung)
    };
    Art art;
    int wert = 0;
    double pegel = 0;
    double frequenz = 0;
    bool ungenau = false;
    bool dBA = false;
    bool uebersteuert = false; // Zeile_Ergebnis: the row's level; Fertig: some row's
    Auto_Fehler fehler = Auto_Fehler::Mikrofon;
};
using Auto_Aktionen = std::vector<Auto_Aktion>;

// A message box: text and caption.
struct Auto_Meldung {
    QString text;
    QString titel;
};
// The warning when a run failed (Fehler_ausgabe).
Auto_Meldung Auto_Fehlermeldung(Auto_Fehler fehler);

class Auto_Kalibrierung
{
public:
    // Prepares row 5 and asks for its background measurement (pause 300 ms,
    // measure). `frequenzen`: the settings' rows 1..21 at [0..20];
    // `frequenzachse`: frequency of FFT bin k at [k].
    Auto_Aktionen Auto1_start(const Freqarray& frequenzen, const std::vector<long double>& frequenzachse);
    // Evaluates one measurement (levels as the measurement gives them).
    Auto_Aktionen Auto1_eineFrequenz(const Messergebnis& m);
    // The run ends from outside (window closed, device failure).
    void abbrechen() { Auto_laeuft = false; }
    // The recording of the running measurement delivers no buffers: the run
    // ends (Fehlgeschlagen, keine_Aufnahme). Nothing while no run is on.
    Auto_Aktionen Aufnahme_ausgefallen();
    // The message after Fertig (Informations_ausgabe): success, or the
    // yellow rows, naming the frequencies whose recording was overdriven.
    Auto_Meldung Schlussmeldung() const;

    // Next row in the run's order; 0 after row 21.
    static int naechste_Zeile(int zeile);
    // Auto_Bin := the first bin k >= 1 whose frequency is not below the row's;
    // the last bin when the row's frequency lies above the axis.
    void index_bestimmen(int zeile);
    // flag := the row's frequency is above 800 Hz.
    void dBA_oder_dB(int zeile, bool& flag) const;
    double Frequenz(int zeile) const;

    // Run state, under the names the program uses.
    bool Auto_laeuft = false;
    int Auto_Zeile = 0;
    bool Auto_Hintergrund = false;
    double Hintergrundpegel = 0;
    double Pegel_unten = 0, Pegel_oben = 0, Pegel_Ziel = 0;
    int32_t Auto_Lautstaerke = 0;
    int Auto_Versuch = 0;
    bool Auto_grob_fertig = false;
    int Auto_Schritt = 1;
    bool Auto_fein_aktiv = false;
    long double Auto_Schrittweite = 0;
    std::array<auto_Kalib_record_typ, Auto_feine_Schritte + 1> Auto_Messwerte{}; // 1..5
    std::array<bool, Zeilen + 1> Auto_ungenau{};                                 // rows 1..21
    bool Auto_irgendwo_ungenau = false;
    std::array<bool, Zeilen + 1> Auto_uebersteuert{}; // rows 1..21: the result was overdriven
    bool Auto_dBA = true;                             // weighting of the measurements: dB(A) or dB
    int Auto_Bin = 1;                                 // FFT bin of the row's frequency

private:
    void suche_auto_j(long double& L, const Messergebnis& m, Auto_Aktionen& a);
    void waehle_bestes_j(long double& L, Auto_Aktionen& a);
    void Auto1_naechsteFreq(Auto_Aktionen& a);
    void Ausgang_auto1_ungenau();
    void Zeile_vorbereiten(int zeile);
    Auto_Aktionen fehlgeschlagen(Auto_Fehler fehler);

    Freqarray frequenzen_{};
    std::vector<long double> achse_;
};

// The run of the measurement window.
extern Auto_Kalibrierung Automatik;
