#include "core/shell/meldungen.h"

#include "core/shell/dialoge.h"

void Fehler_ausgabe(const QString& meldung, const QString& titel)
{
    dialoge().meldung(Symbol::Warnung, Knoepfe::Ok, meldung, titel, Antwort::Ok);
}

void Informations_ausgabe(const QString& meldung, const QString& titel)
{
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, meldung, titel, Antwort::Ok);
}

void Fehler_bei_abspeichern()
{
    Fehler_ausgabe(Text_Fehler_bei_abspeichern, QStringLiteral("Problem"));
}
