#include "platform/mixer/alsa_aufnahmequellen.h"

#include "platform/alsa_meldungen.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace
{

bool ist_quelle(snd_mixer_elem_t* e)
{
    return snd_mixer_selem_is_active(e) &&
           (snd_mixer_selem_has_capture_switch(e) || snd_mixer_selem_has_capture_volume(e));
}

// Opens the card's mixer, runs `schritt` on each input in order with its
// index until it returns true, and closes the mixer. True when one did.
bool je_quelle(const std::string& karte, const std::function<bool(int, snd_mixer_elem_t*)>& schritt)
{
    ALSA_Meldungen_stillen();
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0 || !mixer)
        return false;
    bool fertig = false;
    if (snd_mixer_attach(mixer, karte.c_str()) >= 0 &&
        snd_mixer_selem_register(mixer, nullptr, nullptr) >= 0 && snd_mixer_load(mixer) >= 0) {
        int i = 0;
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e && !fertig; e = snd_mixer_elem_next(e)) {
            if (!ist_quelle(e))
                continue;
            fertig = schritt(i++, e);
        }
    }
    snd_mixer_close(mixer);
    return fertig;
}

} // namespace

QStringList ALSA_Aufnahmequellen(const std::string& karte)
{
    QStringList namen;
    je_quelle(karte, [&](int, snd_mixer_elem_t* e) {
        namen << QString::fromLocal8Bit(snd_mixer_selem_get_name(e));
        return false;
    });
    return namen;
}

bool ALSA_Aufnahmequelle_aus(const std::string& karte, int i)
{
    bool aus = false;
    je_quelle(karte, [&](int n, snd_mixer_elem_t* e) {
        if (n != i)
            return false;
        if (snd_mixer_selem_has_capture_switch(e)) {
            aus = true;
            for (int k = 0; k <= SND_MIXER_SCHN_LAST; ++k) {
                const auto kanal = static_cast<snd_mixer_selem_channel_id_t>(k);
                int an = 0;
                if (snd_mixer_selem_has_capture_channel(e, kanal) &&
                    snd_mixer_selem_get_capture_switch(e, kanal, &an) >= 0 && an)
                    aus = false;
            }
        }
        return true;
    });
    return aus;
}

bool ALSA_Aufnahmequelle_setzen(const std::string& karte, int i, float lautstaerke)
{
    if (i < 0)
        return false;
    bool ok = false;
    je_quelle(karte, [&](int n, snd_mixer_elem_t* e) {
        if (n != i)
            return false;
        ok = true;
        if (snd_mixer_selem_has_capture_switch(e))
            ok = snd_mixer_selem_set_capture_switch_all(e, 1) >= 0;
        long min = 0;
        long max = 0;
        if (snd_mixer_selem_has_capture_volume(e) &&
            snd_mixer_selem_get_capture_volume_range(e, &min, &max) >= 0 && max > min) {
            const double anteil = std::clamp(double(lautstaerke), 0.0, 1.0);
            ok = snd_mixer_selem_set_capture_volume_all(e, min + std::lround(double(max - min) * anteil)) >=
                     0 &&
                 ok;
        }
        return true;
    });
    return ok;
}
