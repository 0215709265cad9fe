#pragma once
// What the measurement window takes over into the settings in its modes 1..4
// (start volume, microphone voltage, manual and automatic calibration), and
// the copy of one ear's calibration to the other. The window reads its
// controls into Messfenster_Eingaben; the arithmetic happens here.
//
// Mode -> calibration kind s (first index of Spannung1) and volume group v:
//   modes 0, 1: s = 3 (voltage calibration) or 5 (sound level meter), v = 3
//   mode 2:     s = 4, v = 4
//   modes 3, 4: s = 6, v = 5
#include "core/settings/records.h"
#include "core/settings/wertebereiche.h"

#include <QString>

#include <array>
#include <cstdint>

// The range messages of the level entries: the reference level (0..120),
// a level per row (-20..150), a microphone voltage in mV (above 0, at most 10000).
QString Text_Dezibel_Eingabefehler();
QString Text_Pegel_Eingabefehler();
QString Text_Spannung_Eingabefehler();

int Kalibrierart(uint8_t modus, Eichungstyp eichung);
int Lautstaerkegruppe(uint8_t modus);

// The sound level at the reference row: a number from 0 to 120 (both included).
bool Dezibeleingabe_richtig(const QString& text);

// The check of a row's edit (Edit1..Edit21) when it is left: empty when the
// text is right, else the text of the "Eingabefehler" box: a text that is
// no number gets Text_Zahl_Eingabefehler in modes 1..3, a number outside
// its range the range message of its mode:
//   mode 1: any number;
//   mode 2: a microphone voltage in mV, above 0 and at most 10000 (10 V)
//           (Text_Spannung_Eingabefehler);
//   mode 3: a level from -20 to 150 (Text_Pegel_Eingabefehler);
//   modes 0 and 4: no check.
QString Zeileneingabe_Fehlertext(uint8_t modus, const QString& text);

struct Messfenster_Eingaben {
    uint8_t modus = 1;                       // 1..4
    bool links = true;                       // ear
    std::array<QString, Zeilen> werte;       // Edit1..Edit21
    QString pegel_1000;                      // Edit22 (mode 2)
    std::array<int32_t, Zeilen> einheiten{}; // ComboBox1..21: 0 dB, 1 dB(A), 2 dB(C) (modes 3, 4)
};

// Window -> settings record for the ear of `ein`:
//  1. mode 2: the reference level text (30 characters) and, when it is a
//     number, dB_1000Hz of the ear, the text rewritten with a decimal comma;
//  2. modes 2..4: the row texts into Spannung1_string[s][ear], numbers into
//     Spannung1[s][ear] (texts rewritten with a decimal comma). A text that
//     is no number, or a number outside the range of the kind (voltages above
//     0 and at most 10000 mV, levels -20..150 dB), leaves the row's number and
//     also the row's volume of group v: a level is never stored with a
//     volume it was not measured at. Also in mode 2 the reference level
//     must lie in 0..120;
//  3. the ear's working volumes of group v (rows 1..21) into Links_Volume1 /
//     Rechts_Volume1[v], but for the rows of step 2 that kept their values;
//  4. modes 3, 4: the units (0..2) into Schallmesser[ear], but for the rows
//     of step 2 that kept their values;
//  5. s = 3 or 4: the ear's Pa-per-volt factor at 1000 Hz from dB_1000Hz and
//     the row-5 voltage (kind 4), then the 21 row factors from G(f).
void Messfenster_in_Einstellungen(Einstellungstyp& e, const Messfenster_Eingaben& ein,
                                  const uint32_t (&lautstaerken)[22]);

// Copies the other ear's calibration of the mode into the ear `ziel_links`:
// the volumes of group v (settings and working volumes, index 0 included),
// the values, texts and units of kind s; in mode 2 also the reference level,
// its text and the row factors (not the 1000-Hz factor). Then the start
// pressures (kinds 3 and 5) of both ears are recomputed.
void Ohr_uebernehmen(Einstellungstyp& e, uint8_t modus, bool ziel_links, uint32_t (&links)[6][22],
                     uint32_t (&rechts)[6][22]);
