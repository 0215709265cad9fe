#pragma once
// Message helpers shared by all windows and by the routines that write files.
#include <QString>

// Modal warning box with an OK button.
void Fehler_ausgabe(const QString& meldung, const QString& titel);
// Modal information box with an OK button.
void Informations_ausgabe(const QString& meldung, const QString& titel);
// The fixed warning shown whenever writing a file fails.
void Fehler_bei_abspeichern();

// While an object of this kind lives, Fehler_bei_abspeichern shows its
// warning once: the start saves the same files several times, and a file that
// cannot be written (a folder in its place, a read-only disk) would otherwise
// bring the same warning for each of them.
class Speicherwarnung_einmal
{
public:
    Speicherwarnung_einmal();
    ~Speicherwarnung_einmal();
    Speicherwarnung_einmal(const Speicherwarnung_einmal&) = delete;
    Speicherwarnung_einmal& operator=(const Speicherwarnung_einmal&) = delete;
};

// The text of that warning, in the user's language.
QString Text_Fehler_bei_abspeichern();
