#pragma once
// The sound card's mixer as the program uses it: the master volume and its
// switch, the switch of the wave-output (PCM) line and the switch that plays
// the microphone back through the speakers. Every call reports failure by its
// result, e.g. when the card has no such control or no mixer at all.
//
// Volumes are 0..65535, mapped linearly onto the control's own range.
// "stumm" = true mutes (switch off), false opens the path (switch on).
#include <cstdint>

class Mischpult
{
public:
    virtual ~Mischpult() = default;
    virtual bool Gesamtlautstaerke_lesen(uint16_t& wert) = 0;
    virtual bool Gesamtlautstaerke_setzen(uint16_t wert) = 0;
    virtual bool Gesamtschalter_lesen(bool& stumm) = 0;
    virtual bool Gesamtschalter_setzen(bool stumm) = 0;
    virtual bool Wiedergabeleitung_stumm(bool stumm) = 0;
    virtual bool Mikrofon_Mithoeren_stumm(bool stumm) = 0;
};

// Installs the mixer that the routines of lautstaerke_regler.h use; nullptr
// removes it (the routines then report failure). The object must outlive its
// installation.
void Mischpult_einsetzen(Mischpult* m);
Mischpult* Mischpult_eingesetzt();
