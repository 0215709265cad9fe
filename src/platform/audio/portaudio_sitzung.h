#pragma once
// PortAudio for the whole process: initialised once, on first use, with the
// ALSA library's diagnostic messages silenced beforehand; terminated when the
// last holder (the process's own reference, released at exit, and every
// stream owner) lets go. Streams hold a reference so that PortAudio outlives
// them whatever the order of destruction at exit.
#include <memory>

class PortAudio_Sitzung
{
public:
    ~PortAudio_Sitzung();
    PortAudio_Sitzung(const PortAudio_Sitzung&) = delete;
    PortAudio_Sitzung& operator=(const PortAudio_Sitzung&) = delete;

    // The process's session; never null. bereit() says whether Pa_Initialize
    // succeeded.
    static std::shared_ptr<PortAudio_Sitzung> holen();
    bool bereit() const { return bereit_; }

private:
    PortAudio_Sitzung();
    bool bereit_ = false;
};

// True when PortAudio knows at least one device and a default output device.
bool Ausgabegeraet_vorhanden();
// True when PortAudio knows a default input device.
bool Eingabegeraet_vorhanden();
