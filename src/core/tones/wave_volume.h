#pragma once
// The output volume of the tone player, per channel, 0..65535 each.
// The player installs its implementation once; until then (and in tests
// without a player) setting the volume does nothing.
#include <cstdint>

class Wellenlautstaerke
{
public:
    virtual ~Wellenlautstaerke() = default;
    // Sets the left and right channel volume (0 = silent, 65535 = full).
    virtual void setzen(uint16_t links, uint16_t rechts) = 0;
    // Reads the left and right channel volume; false when it cannot be read.
    virtual bool lesen(uint16_t& links, uint16_t& rechts) const
    {
        (void)links;
        (void)rechts;
        return false;
    }
};

// Installs the volume control that SetWaveVolume and WaveVolume_hilf use;
// nullptr removes it. The object must outlive its installation.
void Wellenlautstaerke_einsetzen(Wellenlautstaerke* w);
Wellenlautstaerke* Wellenlautstaerke_eingesetzt();
