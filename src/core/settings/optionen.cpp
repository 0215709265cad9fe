#include "core/settings/optionen.h"

#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

bool Frequenzeingabe_richtig(const QString& text)
{
    bool ok = false;
    bool nicht_ganz = false;
    const int32_t f = StringzuInteger(text, ok, nicht_ganz);
    return ok && !nicht_ganz && f >= Kleinste_Testfrequenz && f <= Groesste_Testfrequenz;
}

Optionen_Eingaben Optionen_aus_Einstellungen(const Einstellungstyp& e)
{
    Optionen_Eingaben o;
    for (int i = 0; i < Zeilen; ++i)
        o.frequenzen[size_t(i)] = e.Frequenzen_string[size_t(i)].text();
    o.dateien_behalten = !e.wave_immer_neu;
    o.pulsierend = e.pulsierend != 0;
    o.abnehmend = !e.zunehmend;
    return o;
}

void Optionen_in_Einstellungen(Einstellungstyp& e, const Optionen_Eingaben& ein)
{
    for (int i = 0; i < Zeilen; ++i)
        e.Frequenzen_string[size_t(i)].setzen(ein.frequenzen[size_t(i)]);
    for (int i = 0; i < Zeilen; ++i) {
        bool ok = false;
        bool nicht_ganz = false;
        const int32_t f = StringzuInteger(e.Frequenzen_string[size_t(i)].text(), ok, nicht_ganz);
        if (ok && f >= Kleinste_Testfrequenz && f <= Groesste_Testfrequenz) {
            if (uint16_t(f) != e.Frequenzen[size_t(i)]) {
                e.Freq_welche_geaendert[size_t(i)] = 1;
                e.Freq_geaendert = 1;
            }
            e.Frequenzen[size_t(i)] = uint16_t(f);
        }
        e.Frequenzen_string[size_t(i)].setzen(QString::number(e.Frequenzen[size_t(i)]));
    }
    if (ein.dateien_behalten) {
        e.wave_immer_neu = 0;
        e.Freq_geaendert = 1;
    } else {
        e.wave_immer_neu = 1;
        alle_wave_loeschen();
    }
    auto alle_markieren = [&] {
        e.Freq_geaendert = 1;
        e.Freq_welche_geaendert.fill(1);
    };
    if (ein.pulsierend != (e.pulsierend != 0)) {
        e.pulsierend = ein.pulsierend ? 1 : 0;
        alle_markieren();
    }
    if (ein.abnehmend != (e.zunehmend == 0)) {
        e.zunehmend = ein.abnehmend ? 0 : 1;
        alle_markieren();
    }
    Tondauer_hundertstel = e.zunehmend ? 1500 : 3000;
}
