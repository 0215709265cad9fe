#pragma once
// Message helpers shared by all windows and by the routines that write files.
#include <QString>

// Modal warning box with an OK button.
void Fehler_ausgabe(const QString& meldung, const QString& titel);
// Modal information box with an OK button.
void Informations_ausgabe(const QString& meldung, const QString& titel);
// The fixed warning shown whenever writing a file fails.
void Fehler_bei_abspeichern();

inline const QString Text_Fehler_bei_abspeichern =
    QStringLiteral("Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm verwendet.");
