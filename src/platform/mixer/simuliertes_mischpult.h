#pragma once
// A mixer for tests: controls that exist or not, their values, and a count
// of the calls that reached each of them.
#include "platform/mixer/mischpult.h"

class Simuliertes_Mischpult : public Mischpult
{
public:
    // Which controls the simulated card has.
    bool hat_gesamtlautstaerke = true;
    bool hat_gesamtschalter = true;
    bool hat_wiedergabeleitung = true;
    bool hat_mikrofon_mithoeren = true;

    uint16_t gesamtlautstaerke = 30000;
    bool gesamt_stumm = true;
    bool wiedergabe_stumm = true;
    bool mikrofon_stumm = false;

    int aufrufe = 0; // every call
    int gesetzt = 0; // calls that changed a control

    bool Gesamtlautstaerke_lesen(uint16_t& wert) override;
    bool Gesamtlautstaerke_setzen(uint16_t wert) override;
    bool Gesamtschalter_lesen(bool& stumm) override;
    bool Gesamtschalter_setzen(bool stumm) override;
    bool Wiedergabeleitung_stumm(bool stumm) override;
    bool Mikrofon_Mithoeren_stumm(bool stumm) override;
};
