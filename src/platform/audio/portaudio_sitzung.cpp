#include "platform/audio/portaudio_sitzung.h"

#include <alsa/asoundlib.h>
#include <portaudio.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

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

// Some ALSA plugins (the jack device among them) print warnings straight to
// stderr while PortAudio probes every device. For the few ms of the probing
// stderr points to /dev/null.
class Stderr_stumm
{
public:
    Stderr_stumm()
    {
        std::fflush(stderr);
        gesichert_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (gesichert_ >= 0 && null >= 0)
            dup2(null, STDERR_FILENO);
        if (null >= 0)
            close(null);
    }
    ~Stderr_stumm()
    {
        std::fflush(stderr);
        if (gesichert_ >= 0) {
            dup2(gesichert_, STDERR_FILENO);
            close(gesichert_);
        }
    }
    Stderr_stumm(const Stderr_stumm&) = delete;
    Stderr_stumm& operator=(const Stderr_stumm&) = delete;

private:
    int gesichert_ = -1;
};

} // namespace

PortAudio_Sitzung::PortAudio_Sitzung()
{
    snd_lib_error_set_handler(alsa_still);
    jack_meldungen_stillen();
    Stderr_stumm stumm;
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
