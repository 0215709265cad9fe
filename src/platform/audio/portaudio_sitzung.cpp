#include "platform/audio/portaudio_sitzung.h"

#include <alsa/asoundlib.h>
#include <portaudio.h>

#include <dlfcn.h>

#include <mutex>

namespace {

// ALSA reports every failed probe of a device on stderr; the program says
// itself what is missing.
void alsa_still(const char*, int, const char*, int, const char*, ...) {}

// PortAudio's JACK host API (and ALSA's jack device) try to reach a JACK
// server, and the JACK library prints every failure on stderr. Its message
// handlers are set through the library PortAudio has already loaded, if any.
void jack_still(const char*) {}

void jack_meldungen_stillen()
{
    using Setzer = void (*)(void (*)(const char*));
    for (const char* name : {"jack_set_error_function", "jack_set_info_function"}) {
        if (void* f = dlsym(RTLD_DEFAULT, name))
            reinterpret_cast<Setzer>(f)(jack_still);
    }
}

} // namespace

PortAudio_Sitzung::PortAudio_Sitzung()
{
    snd_lib_error_set_handler(alsa_still);
    jack_meldungen_stillen();
    bereit_ = Pa_Initialize() == paNoError;
}

PortAudio_Sitzung::~PortAudio_Sitzung()
{
    if (bereit_)
        Pa_Terminate();
}

std::shared_ptr<PortAudio_Sitzung> PortAudio_Sitzung::holen()
{
    // The process keeps one reference until exit; holders keep it longer.
    static std::mutex m;
    static std::shared_ptr<PortAudio_Sitzung> prozess;
    std::lock_guard<std::mutex> lock(m);
    if (!prozess)
        prozess.reset(new PortAudio_Sitzung());
    return prozess;
}

bool Ausgabegeraet_vorhanden()
{
    const auto s = PortAudio_Sitzung::holen();
    return s->bereit() && Pa_GetDeviceCount() > 0 && Pa_GetDefaultOutputDevice() != paNoDevice;
}

bool Eingabegeraet_vorhanden()
{
    const auto s = PortAudio_Sitzung::holen();
    return s->bereit() && Pa_GetDeviceCount() > 0 && Pa_GetDefaultInputDevice() != paNoDevice;
}
