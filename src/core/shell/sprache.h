#pragma once
// The language of the user interface. German is the program's own language;
// English is chosen at start when the system's message language is English.
// Numbers and dates shown to the user or written into exports follow it.
// Settings, tone and history files never do: they keep the decimal comma and
// ISO dates, so a file written in one language opens in the other.
#include <QString>

class QDate;
class QDateTime;

enum class Sprache { Deutsch, Englisch };

// The message language of the environment: the first of LC_ALL, LC_MESSAGES
// and LANG that is set and not empty; English when it starts with "en".
Sprache Systemsprache();

// The language the windows speak (German until the program start sets it).
Sprache Oberflaechensprache();
void Oberflaechensprache_setzen(Sprache s);

// A number text of the program's own formatting (decimal comma) with the
// decimal sign of the interface language.
QString Zahl_anzeigen(QString zahl);
// extendedzustring(breite, stellen, x) with the decimal sign of the interface language.
QString Zahltext(int breite, int stellen, long double x);
// A date as the interface language writes it: "10.12.2026" or, in English,
// the English locale's short form with the full year ("12/10/2026").
QString Datum_text(const QDate& d);
// Date and time with seconds: "10.12.2026 14:03:07" or "12/10/2026 14:03:07".
QString Zeitpunkt_text(const QDateTime& t);
