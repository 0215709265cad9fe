// A sound-level meter settings file (".mes") picked for the import.
#include "fuzz_umgebung.h"

#include "core/acoustics/kv_fft_daten.h"
#include "core/settings/schallpegel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    fuzz_umgebung::dialoge_aufzeichnung().leeren();
    Schallpegel_Optionen_Grundeinstellung();
    FFT_Tabellen = kvFFT_Tabellen{};
    const QString pfad = fuzz_umgebung::ordner() + QStringLiteral("Eingabe.mes");
    if (!fuzz_umgebung::schreiben(pfad, daten, groesse))
        return 0;
    (void)Schallpegel_Einstellungen_holen2(pfad);
    return 0;
}
