// A tone file loaded by the players (the program's own WAV files, which a user
// or another program may have replaced).
#include "fuzz_umgebung.h"

#include "platform/audio/tondatei_lesen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = fuzz_umgebung::ordner() + QStringLiteral("Eingabe.wav");
    if (!fuzz_umgebung::schreiben(pfad, daten, groesse))
        return 0;
    Tondatei_Inhalt inhalt;
    QString grund;
    if (Tondatei_lesen(pfad, inhalt, &grund) && inhalt.frames() == 0)
        __builtin_trap(); // an accepted file holds at least one whole frame
    return 0;
}
