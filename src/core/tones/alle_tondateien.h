#pragma once
// Writing the whole stored set of hearing-test tone files: for every row
// i = 1..21 the pair "abn_l" + i + ".wav" / "abn_r" + i + ".wav".
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

// Disk space the tone files take. Kept on disk: the 42 files of the stored
// set with the hearing-test tone's length (falling 30 s, rising 15 s) and the
// pair "Ton_l.wav"/"Ton_r.wav" of the 30-s constant tone that the volume
// setting and the calibrations write. Written anew for every tone: only that
// pair, which then holds the hearing-test tone as well.
uint64_t Speicherbedarf_Tondateien(bool behalten, bool zunehmend);
// The size as the options show it: "ca. 233 MB", "ca. 10,6 MB" (1 MB =
// 1000000 bytes, one decimal below 100 MB).
QString Speicherbedarf_text(uint64_t bytes);

// File names of row `zeile` (1..21) in `wave_ordner` ("/" is added when missing).
QString Tondatei_links(const QString& wave_ordner, int zeile);
QString Tondatei_rechts(const QString& wave_ordner, int zeile);

// Writes all 21 pairs with erzeuge_wave_stereo_l_r's tone (constant = false,
// regenerate = true): row i gets frequenzen[i - 1], N = Tondauer_hundertstel.
// Both processor cores work at once, each on whole rows; one computes while
// the other writes. `zeile_fertig` (may be empty) is called once per row when
// its pair is done, whether or not it could be written, from a worker thread,
// one call at a time, rows in any order. A set `abbrechen` flag (may be null)
// stops the work between blocks; no further rows are reported and nothing
// half-written is left behind. Result: true when all 42 files were written.
// `langsame_Samples` (may be null) receives the number of samples that were
// evaluated literally because the fast evaluation could not decide them.
bool alle_Tondateien_erzeugen(const QString& wave_ordner, const std::array<uint16_t, 21>& frequenzen,
                              bool zunehmend, bool pulsierend, int32_t Tondauer_hundertstel,
                              std::function<void(int zeile)> zeile_fertig, std::atomic<bool>* abbrechen,
                              uint64_t* langsame_Samples = nullptr);

// The same 42 files with every sample 0, written the same way (same threads,
// blocks and temporary files): the floor that alle_Tondateien_erzeugen is
// measured against.
bool alle_Tondateien_Nullen_schreiben(const QString& wave_ordner, int32_t Tondauer_hundertstel);
