#pragma once
// The microphone's frequency response G(f) in dB, one value per test
// frequency, and the input check shared by the windows that take numbers.
#include "core/settings/records.h"

#include <QString>

#include <array>

// The message of the "Eingabefehler" box for a text that is no number.
QString Text_Zahl_Eingabefehler();

// A number with decimal comma or point; any sign, no range.
bool Zahleingabe_richtig(const QString& text);

// Window -> record: every text (cut to 30 characters) goes to
// Frequenzgang_string; a text that is a number becomes Frequenzgang of its row
// and is stored with a decimal comma; other rows keep their value. Then both
// ears' Pa-per-volt factors of rows 1..21 are recomputed from the new G(f)
// and the stored 1000-Hz factors.
void Frequenzgang_in_Einstellungen(Einstellungstyp& e, const std::array<QString, Zeilen>& texte);
