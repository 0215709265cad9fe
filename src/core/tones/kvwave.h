#pragma once
// Tone synthesis and the WAV writer of the hearing-test tones.
//
// A tone file is 16-bit stereo PCM at 44100 Hz with a 46-byte header (an
// 18-byte format block). It holds N hundredths of a second, 441 frames each.
// The tone sits in one channel, the other channel is exactly 0.
//
// The tone law itself (the samples, the exponent k) is in tongesetz.h.
// The writers use the fast block computation of tonrechner.h, which gives
// the same samples as the law's literal evaluation.
#include "core/tones/tongesetz.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Frames per hundredth of a second and the sample rate.
constexpr uint32_t Wave_Bloecke_pro_hundertstel = 441;
constexpr uint32_t Wave_Abtastrate = 44100;
constexpr uint32_t Wave_Headergroesse = 46;
// Largest N whose data size still fits the header's 32-bit size fields.
constexpr uint32_t Wave_groesstes_N = (0xFFFFFFFFu - 38u) / (4u * Wave_Bloecke_pro_hundertstel);
// Size in bytes of a tone file of N hundredths: the header and 441 frames of
// 4 bytes per hundredth.
constexpr uint64_t Tondatei_Bytes(uint32_t N)
{
    return Wave_Headergroesse + uint64_t(N) * Wave_Bloecke_pro_hundertstel * 4u;
}

// Appends the 46-byte header for N hundredths to `Strom`; gives back the
// frames per hundredth (441) and the data size (N * 441 * 4).
void Header_wave(QByteArray& Strom, uint32_t N, uint32_t& Bloecke_pro_hundertstel, uint32_t& Datengroesse);

// Writes the tone of N hundredths into two files, the tone in the left
// channel of `Datei_links` and in the right channel of `Datei_rechts`.
// With neu_erzeugen = false and both files present nothing is written and the
// result is true. Each file is written to a temporary file in its folder and
// renamed over the target, so a failed write never leaves a half file; any
// failure gives false. N above Wave_groesstes_N gives false (the header could
// not describe the file).
bool erzeuge_wave_stereo_l_r(bool zunehmend, bool pulsierend, uint32_t N, float f, const QString& Datei_links,
                             const QString& Datei_rechts, bool konstant, bool neu_erzeugen);

// As erzeuge_wave_stereo_l_r, but every sample is computed with
// links_digitalisieren, one after the other. The reference for comparisons.
bool erzeuge_wave_stereo_l_r_woertlich(bool zunehmend, bool pulsierend, uint32_t N, float f,
                                       const QString& Datei_links, const QString& Datei_rechts, bool konstant,
                                       bool neu_erzeugen);

// Constant tone 32700 * cos(2 pi f n / 44100): one second is computed and
// repeated, so for whole-numbered f the seconds join without a phase jump.
// The file holds N * 441 frames, as its header says (the last second is cut
// short when N is not a multiple of 100).
bool erzeuge_wave_stereo_konstant_l_r(uint32_t N, const QString& Datei_links, const QString& Datei_rechts,
                                      float f, bool neu_erzeugen);

// Output volume of the tone player, 0..65535 per channel.
// packed = links + rechts * 65536; passed on to WaveVolume_hilf.
void SetWaveVolume(uint16_t links, uint16_t rechts);
// packed volume: low word left, high word right. Hands it to the installed
// Wellenlautstaerke (wave_volume.h); does nothing when none is installed.
void WaveVolume_hilf(uint32_t gepackt);
