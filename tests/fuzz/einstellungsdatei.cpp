// A settings file (".qvl") chosen by the user: read into the records, then the
// values that the windows and the tone generation take from it.
#include "fuzz_umgebung.h"

#include "core/settings/einstellungen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    fuzz_umgebung::dialoge_aufzeichnung().leeren();
    Einstellungen_zuruecksetzen();
    fuzz_umgebung::ordner_setzen();
    const QString pfad = fuzz_umgebung::ordner() + QStringLiteral("Eingabe.qvl");
    if (!fuzz_umgebung::schreiben(pfad, daten, groesse))
        return 0;
    string_zu_Dateiname1_6(pfad);
    if (Einstellungen_von_Festplatte_holen()) {
        for (int zeile = 1; zeile <= Zeilen; ++zeile)
            (void)Frequenz(zeile);
        (void)Dateiname1_6_zu_string();
    }
    return 0;
}
