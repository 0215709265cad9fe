#include "core/shell/meldungen.h"

#include "core/shell/dialoge.h"

#include <QCoreApplication>

void Fehler_ausgabe(const QString& meldung, const QString& titel)
{
    dialoge().meldung(Symbol::Warnung, Knoepfe::Ok, meldung, titel, Antwort::Ok);
}

void Informations_ausgabe(const QString& meldung, const QString& titel)
{
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, meldung, titel, Antwort::Ok);
}

namespace
{
int einmal_tiefe = 0;
bool einmal_gezeigt = false;
} // namespace

void Fehler_bei_abspeichern()
{
    if (einmal_tiefe > 0) {
        if (einmal_gezeigt)
            return;
        einmal_gezeigt = true;
    }
    Fehler_ausgabe(Text_Fehler_bei_abspeichern(), QCoreApplication::translate("meldungen", "Problem"));
}

QString Text_Fehler_bei_abspeichern()
{
    return QCoreApplication::translate(
        "meldungen", "Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm verwendet.");
}

Speicherwarnung_einmal::Speicherwarnung_einmal()
{
    if (einmal_tiefe++ == 0)
        einmal_gezeigt = false;
}

Speicherwarnung_einmal::~Speicherwarnung_einmal()
{
    --einmal_tiefe;
}
