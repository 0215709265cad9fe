#include "platform/mixer/simuliertes_mischpult.h"

bool Simuliertes_Mischpult::Gesamtlautstaerke_lesen(uint16_t& wert)
{
    ++aufrufe;
    if (!hat_gesamtlautstaerke)
        return false;
    wert = gesamtlautstaerke;
    return true;
}

bool Simuliertes_Mischpult::Gesamtlautstaerke_setzen(uint16_t wert)
{
    ++aufrufe;
    if (!hat_gesamtlautstaerke)
        return false;
    gesamtlautstaerke = wert;
    ++gesetzt;
    return true;
}

bool Simuliertes_Mischpult::Gesamtschalter_lesen(bool& stumm)
{
    ++aufrufe;
    if (!hat_gesamtschalter)
        return false;
    stumm = gesamt_stumm;
    return true;
}

bool Simuliertes_Mischpult::Gesamtschalter_setzen(bool stumm)
{
    ++aufrufe;
    if (!hat_gesamtschalter)
        return false;
    gesamt_stumm = stumm;
    ++gesetzt;
    return true;
}

bool Simuliertes_Mischpult::Wiedergabeleitung_stumm(bool stumm)
{
    ++aufrufe;
    if (!hat_wiedergabeleitung)
        return false;
    wiedergabe_stumm = stumm;
    ++gesetzt;
    return true;
}

bool Simuliertes_Mischpult::Mikrofon_Mithoeren_stumm(bool stumm)
{
    ++aufrufe;
    if (!hat_mikrofon_mithoeren)
        return false;
    mikrofon_stumm = stumm;
    ++gesetzt;
    return true;
}
