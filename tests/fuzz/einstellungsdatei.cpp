// A settings file (".qvl") chosen by the user: read into the records, then the
// values that the windows and the tone generation take from it. A file that
// loads must hold nothing the tones could not have: frequencies 20..20000 Hz,
// volumes up to 65535 and plain 0/1 tone flags; anything else stops the run.
#include "fuzz_umgebung.h"

#include "core/settings/einstellungen.h"

namespace
{

bool fuer_die_Toene_brauchbar()
{
    for (int zeile = 1; zeile <= Zeilen; ++zeile) {
        if (Frequenz(zeile) < 20 || Frequenz(zeile) > 20000)
            return false;
        for (int g = 3; g <= 5; ++g)
            if (Lautstaerke_links[g][zeile] > 65535 || Lautstaerke_rechts[g][zeile] > 65535)
                return false;
    }
    return Einstellungen.pulsierend <= 1 && Einstellungen.zunehmend <= 1 && Einstellungen.wave_immer_neu <= 1;
}

} // namespace

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
        if (!fuer_die_Toene_brauchbar())
            std::abort();
        (void)Dateiname1_6_zu_string();
    }
    return 0;
}
