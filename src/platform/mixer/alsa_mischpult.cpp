#include "platform/mixer/alsa_mischpult.h"

#include "platform/alsa_meldungen.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace
{

// Opens the card's mixer, finds the named simple element, runs `schritt` on
// it and closes the mixer whatever happened.
bool mit_element(const std::string& karte, const char* name,
                 const std::function<bool(snd_mixer_elem_t*)>& schritt)
{
    ALSA_Meldungen_stillen();
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0 || !mixer)
        return false;
    bool ok = false;
    if (snd_mixer_attach(mixer, karte.c_str()) >= 0 &&
        snd_mixer_selem_register(mixer, nullptr, nullptr) >= 0 && snd_mixer_load(mixer) >= 0) {
        snd_mixer_selem_id_t* id = nullptr;
        if (snd_mixer_selem_id_malloc(&id) >= 0) {
            snd_mixer_selem_id_set_index(id, 0);
            snd_mixer_selem_id_set_name(id, name);
            if (snd_mixer_elem_t* elem = snd_mixer_find_selem(mixer, id))
                ok = schritt(elem);
            snd_mixer_selem_id_free(id);
        }
    }
    snd_mixer_close(mixer);
    return ok;
}

bool schalter_setzen(const std::string& karte, const char* name, bool stumm)
{
    return mit_element(karte, name, [stumm](snd_mixer_elem_t* e) {
        return snd_mixer_selem_has_playback_switch(e) &&
               snd_mixer_selem_set_playback_switch_all(e, stumm ? 0 : 1) >= 0;
    });
}

} // namespace

ALSA_Mischpult::ALSA_Mischpult(std::string karte) : karte_(std::move(karte)) {}

bool ALSA_Mischpult::Gesamtlautstaerke_lesen(uint16_t& wert)
{
    return mit_element(karte_, "Master", [&wert](snd_mixer_elem_t* e) {
        long min = 0;
        long max = 0;
        long v = 0;
        if (!snd_mixer_selem_has_playback_volume(e) ||
            snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0 || max <= min ||
            snd_mixer_selem_get_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &v) < 0)
            return false;
        const double anteil = double(v - min) / double(max - min);
        wert = uint16_t(std::lround(std::clamp(anteil, 0.0, 1.0) * 65535.0));
        return true;
    });
}

bool ALSA_Mischpult::Gesamtlautstaerke_setzen(uint16_t wert)
{
    return mit_element(karte_, "Master", [wert](snd_mixer_elem_t* e) {
        long min = 0;
        long max = 0;
        if (!snd_mixer_selem_has_playback_volume(e) ||
            snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0 || max <= min)
            return false;
        const long v = min + std::lround(double(max - min) * wert / 65535.0);
        return snd_mixer_selem_set_playback_volume_all(e, v) >= 0;
    });
}

bool ALSA_Mischpult::Gesamtschalter_lesen(bool& stumm)
{
    return mit_element(karte_, "Master", [&stumm](snd_mixer_elem_t* e) {
        int an = 0;
        if (!snd_mixer_selem_has_playback_switch(e) ||
            snd_mixer_selem_get_playback_switch(e, SND_MIXER_SCHN_FRONT_LEFT, &an) < 0)
            return false;
        stumm = an == 0;
        return true;
    });
}

bool ALSA_Mischpult::Gesamtschalter_setzen(bool stumm)
{
    return schalter_setzen(karte_, "Master", stumm);
}

bool ALSA_Mischpult::Wiedergabeleitung_stumm(bool stumm)
{
    return schalter_setzen(karte_, "PCM", stumm);
}

bool ALSA_Mischpult::Mikrofon_Mithoeren_stumm(bool stumm)
{
    return schalter_setzen(karte_, "Mic", stumm);
}

bool ALSA_Mischpult::vorhanden()
{
    uint16_t w = 0;
    return Gesamtlautstaerke_lesen(w);
}
