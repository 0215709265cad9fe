// The sound-level meter's base settings file ("Grundeinstellungen.sch"), which
// names its current ".mes" file; the import reads both.
#include "fuzz_umgebung.h"

#include "core/acoustics/kv_fft_daten.h"
#include "core/settings/schallpegel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    fuzz_umgebung::dialoge_aufzeichnung().leeren();
    fuzz_umgebung::ordner_setzen();
    Schallpegel_Optionen_Grundeinstellung();
    FFT_Tabellen = kvFFT_Tabellen{};
    const QString pfad =
        fuzz_umgebung::ordner() +
        QStringLiteral("Grundeinstellungen_Quarvel_Schallpegelmesser/Grundeinstellungen.sch");
    if (!fuzz_umgebung::schreiben(pfad, daten, groesse))
        return 0;
    (void)Schallpegel_Einstellungen_holen1();
    return 0;
}
