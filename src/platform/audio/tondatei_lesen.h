#pragma once
// Reading a tone file into memory for the players.
//
// Accepted: RIFF/WAVE with a PCM format block (16 or 18 bytes, or longer with
// its extra bytes), 2 channels, 44100 Hz, 16 bits, block align 4, and a data
// block of at least one whole frame that the file really holds. Other blocks
// before or after the data are skipped. Everything else is refused; nothing is
// read beyond the file's end.
#include <QString>

#include <cstdint>
#include <vector>

struct Tondatei_Inhalt {
    // Interleaved frames: left, right, left, right, ...
    std::vector<int16_t> samples;
    uint32_t frames() const { return static_cast<uint32_t>(samples.size() / 2); }
};

// Largest data block the players load (about 3 hours 22 minutes).
constexpr uint32_t Tondatei_groesste_Datenmenge = 0x7FFFFFFCu;

// Reads `pfad`; false (and `inhalt` empty) when the file cannot be read or is
// not in the accepted format. `grund` (optional) gets a short reason.
bool Tondatei_lesen(const QString& pfad, Tondatei_Inhalt& inhalt, QString* grund = nullptr);
