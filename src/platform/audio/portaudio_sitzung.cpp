#include "platform/audio/portaudio_sitzung.h"

#include "platform/alsa_meldungen.h"

#include <portaudio.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <mutex>

namespace
{

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

// ALSA loads its plugins (and through them the sound server's client library)
// while PortAudio probes the devices and unloads them again at Pa_Terminate.
// The client library keeps a few blocks for the whole process in its static
// data; once it is unloaded nobody can see them any more, and a leak checker
// reports them as lost. Unloading gains nothing at that point, so the
// libraries loaded for sound stay in the process.
void tonbibliotheken_halten()
{
    std::vector<std::string> pfade;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* daten) {
            const char* name = info->dlpi_name;
            if (name && (std::strstr(name, "/alsa-lib/libasound_module_") || std::strstr(name, "/libpulse")))
                static_cast<std::vector<std::string>*>(daten)->push_back(name);
            return 0;
        },
        &pfade);
    for (const std::string& pfad : pfade) {
        if (void* h = dlopen(pfad.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE))
            dlclose(h);
    }
}

} // namespace

PortAudio_Sitzung::PortAudio_Sitzung()
{
    ALSA_Meldungen_stillen();
    jack_meldungen_stillen();
    {
        Stderr_stumm stumm;
        bereit_ = Pa_Initialize() == paNoError;
    }
    tonbibliotheken_halten();
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
