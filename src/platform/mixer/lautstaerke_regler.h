#pragma once
// Volumes and switches of the sound card: the wave-output volume (the tone
// player's channel gains) and the mixer (mischpult.h). Nothing is shown to the
// user; every routine reports failure through its result only.
#include <cstdint>

// Wave-output volume: low word left, high word right (0..65535 each); 0 when
// no player that can tell its volume is installed.
uint32_t GetWaveVolume();

// Mutes (stumm = true) or opens the microphone's playback through the
// speakers. False without a mixer or without such a switch.
bool SetMicrophoneVolumeMute(bool stumm);

// Mixer line by index: 0 digital, 1 line in, 2 microphone, 3 CD, 4 telephone,
// 5 wave output, 6 auxiliary, 7 and 8 analogue. Only the microphone (2) and
// the wave output (5) exist on this system's mixers; the others report failure.
bool SetMixerLineSourceMute(int leitung, bool stumm);

// The master volume control: 0 and the current value when found, else 1.
int VolumeControl(uint16_t& wert);
// Sets the master volume; does nothing when there is no such control.
void SetMasterVolume(uint16_t wert);
// Reads the master switch; true when found.
bool GetMasterMute(bool& stumm);
// Sets the master switch; true on success.
bool SetMasterMute(bool stumm);
