#pragma once
// The mixer of an ALSA card through ALSA's simple mixer elements: "Master"
// (volume and switch), "PCM" (wave-output switch) and "Mic" (the playback
// switch that sends the microphone to the speakers). Every call opens the
// mixer, does its one step and closes it again, so nothing is held between
// commands and a card that appears or goes away later is seen.
#include "platform/mixer/mischpult.h"

#include <string>

class ALSA_Mischpult : public Mischpult
{
public:
    // "default": the default card (on desktops its mixer is the sound server's).
    explicit ALSA_Mischpult(std::string karte = "default");

    bool Gesamtlautstaerke_lesen(uint16_t& wert) override;
    bool Gesamtlautstaerke_setzen(uint16_t wert) override;
    bool Gesamtschalter_lesen(bool& stumm) override;
    bool Gesamtschalter_setzen(bool stumm) override;
    bool Wiedergabeleitung_stumm(bool stumm) override;
    bool Mikrofon_Mithoeren_stumm(bool stumm) override;

    // True when the card's mixer can be opened and has a "Master" volume.
    bool vorhanden();

private:
    std::string karte_;
};
