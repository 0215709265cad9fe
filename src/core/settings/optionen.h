#pragma once
// What the options window edits: the 21 test frequencies and the three tone
// options (keep the tone files or make every tone anew, pulsing or nearly
// pure, falling or rising). The window reads its controls into
// Optionen_Eingaben; everything else happens here.
#include "core/settings/records.h"
#include "core/settings/wertebereiche.h"

#include <QString>

#include <array>
#include <vector>

// The message for a frequency text that Frequenzeingabe_richtig refuses.
QString Text_Frequenz_Eingabefehler();

struct Optionen_Eingaben {
    std::array<QString, Zeilen> frequenzen; // texts of f01..f21
    bool dateien_behalten = true;           // keep the tone files on disk (else: every tone anew)
    bool pulsierend = true;                 // pulsing tone (else: nearly pure)
    bool abnehmend = true;                  // amplitude falls (else: rises)
};

// A frequency text is right when it holds digits only, from 20 to 20000 Hz
// (Frequenztext_lesen): the message asks for a natural number, so "1e3" or
// "440,0" are refused.
bool Frequenzeingabe_richtig(const QString& text);

// Rows (1..21) that share a frequency with another row, one group per
// frequency, in the order of their first row; texts that are no frequency
// take part in no group.
struct Doppelte_Frequenz {
    uint16_t frequenz = 0;
    std::vector<int> zeilen;
};
std::vector<Doppelte_Frequenz> Doppelte_Frequenzen(const std::array<QString, Zeilen>& texte);
// The warning before saving such frequencies, empty when there are none:
// "Die Frequenz 1000 Hz steht in den Zeilen f05 und f09. ..." and the
// question whether to save all the same.
QString Text_doppelte_Frequenzen(const std::vector<Doppelte_Frequenz>& doppelte);

// The record's values as the window shows them.
Optionen_Eingaben Optionen_aus_Einstellungen(const Einstellungstyp& e);

// Window -> record:
//  - every frequency text (cut to 30 characters) is stored; a text of digits
//    only from 20 to 20000 becomes the row's frequency and its text is
//    rewritten in decimal; a changed frequency marks
//    its row and Freq_geaendert. A text that is no such number leaves the
//    row's frequency and gives the text of that frequency back, so that the
//    record never holds a frequency the tones cannot have.
//  - keeping the files sets Freq_geaendert (saving always renews the stored
//    set); making every tone anew deletes the stored set (alle_wave_loeschen).
//  - a changed tone kind or direction marks all 21 rows.
//  - Tondauer_hundertstel := 3000 (falling) or 1500 (rising).
void Optionen_in_Einstellungen(Einstellungstyp& e, const Optionen_Eingaben& ein);
