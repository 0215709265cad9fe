#include "core/tones/wave_volume.h"

#include <atomic>

namespace
{
std::atomic<Wellenlautstaerke*> eingesetzt{nullptr};
}

void Wellenlautstaerke_einsetzen(Wellenlautstaerke* w)
{
    eingesetzt.store(w);
}

Wellenlautstaerke* Wellenlautstaerke_eingesetzt()
{
    return eingesetzt.load();
}
