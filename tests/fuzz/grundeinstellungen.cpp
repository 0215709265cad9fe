// The base settings file read at every start. Only the reading is exercised:
// a start would go on to save into the settings file that the base settings
// name, and a fuzzed name may point anywhere.
#include "fuzz_umgebung.h"

#include "core/settings/einstellungen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    fuzz_umgebung::dialoge_aufzeichnung().leeren();
    Einstellungen_zuruecksetzen();
    fuzz_umgebung::ordner_setzen();
    if (!fuzz_umgebung::schreiben(Grundeinstellungsdatei, daten, groesse))
        return 0;
    Grundeinstellungen_von_Festplatte_holen();
    (void)Dateiname1_6_zu_string();
    Grundeinstellungen_in_Einstellungen();
    return 0;
}
