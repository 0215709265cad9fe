#include "platform/mixer/lautstaerke_regler.h"

#include "core/tones/wave_volume.h"
#include "platform/mixer/mischpult.h"

#include <atomic>

namespace
{
std::atomic<Mischpult*> eingesetzt{nullptr};
} // namespace

void Mischpult_einsetzen(Mischpult* m)
{
    eingesetzt.store(m);
}
Mischpult* Mischpult_eingesetzt()
{
    return eingesetzt.load();
}

uint32_t GetWaveVolume()
{
    const Wellenlautstaerke* w = Wellenlautstaerke_eingesetzt();
    uint16_t l = 0;
    uint16_t r = 0;
    if (!w || !w->lesen(l, r))
        return 0;
    return uint32_t(l) | (uint32_t(r) << 16);
}

bool SetMicrophoneVolumeMute(bool stumm)
{
    Mischpult* m = Mischpult_eingesetzt();
    return m && m->Mikrofon_Mithoeren_stumm(stumm);
}

bool SetMixerLineSourceMute(int leitung, bool stumm)
{
    Mischpult* m = Mischpult_eingesetzt();
    if (!m)
        return false;
    switch (leitung) {
    case 2:
        return m->Mikrofon_Mithoeren_stumm(stumm);
    case 5:
        return m->Wiedergabeleitung_stumm(stumm);
    default:
        return false;
    }
}

int VolumeControl(uint16_t& wert)
{
    Mischpult* m = Mischpult_eingesetzt();
    return m && m->Gesamtlautstaerke_lesen(wert) ? 0 : 1;
}

void SetMasterVolume(uint16_t wert)
{
    uint16_t jetzt = 0;
    if (VolumeControl(jetzt) != 0)
        return;
    Mischpult_eingesetzt()->Gesamtlautstaerke_setzen(wert);
}

bool GetMasterMute(bool& stumm)
{
    Mischpult* m = Mischpult_eingesetzt();
    return m && m->Gesamtschalter_lesen(stumm);
}

bool SetMasterMute(bool stumm)
{
    bool jetzt = false;
    if (!GetMasterMute(jetzt))
        return false;
    return Mischpult_eingesetzt()->Gesamtschalter_setzen(stumm);
}
