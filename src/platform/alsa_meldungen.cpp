#include "platform/alsa_meldungen.h"

#include <alsa/asoundlib.h>

#include <mutex>

namespace
{
void alsa_still(const char*, int, const char*, int, const char*, ...) {}
} // namespace

void ALSA_Meldungen_stillen()
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { snd_lib_error_set_handler(alsa_still); });
}
