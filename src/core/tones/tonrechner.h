#pragma once
// Fast computation of tone samples that are identical to the literal
// evaluation of links_digitalisieren (tongesetz.h), sample for sample.
//
// The samples are evaluated in double from tables, with an error bound that
// is proven in tonrechner.cpp; a sample whose value lies so close to a
// half-integer that the bound cannot decide its rounding is evaluated again
// with links_digitalisieren itself. Frequencies that are not whole numbers
// (or are negative or beyond 2^24 Hz) are evaluated literally throughout.
#include <cstdint>
#include <vector>

class Tonrechner
{
public:
    // The same arguments as links_digitalisieren (k from Hochzahl_von_abnehmend).
    Tonrechner(bool zunehmend, bool pulsierend, long double k, float f, bool konstant);

    // Samples of the frames n0 .. n0 + anzahl - 1 into ziel[0 .. anzahl - 1].
    // Returns how many of them needed the literal evaluation; their frame
    // numbers are appended to `langsame` when given. Safe to call from several
    // threads at once on the same object.
    uint64_t berechnen(uint32_t n0, uint32_t anzahl, int16_t* ziel,
                       std::vector<uint32_t>* langsame = nullptr) const;

    // Distance from a half-integer below which a sample of the frames up to
    // `letzter_Frame` is evaluated literally.
    double Rand(uint64_t letzter_Frame) const;
    // False when every sample is evaluated literally (frequency not whole).
    bool schnell() const { return schnell_; }

private:
    template <bool Puls, bool Tafel>
    uint64_t Abschnitt(uint32_t n0, uint32_t anzahl, int16_t* ziel, double schwelle,
                       std::vector<uint32_t>* langsame) const;

    bool zunehmend_;
    bool pulsierend_;
    bool konstant_;
    bool schnell_ = false;
    long double k_;
    float f_;
    uint32_t f_rest_ = 0;      // f mod 44100
    uint32_t grenze_ = 0;      // first frame with the fixed end amplitude
    uint32_t tafel_ende_ = 0;  // first frame beyond the amplitude tables
    double jenseits_ = 0;      // amplitude from that frame on
    double groesstes_x_ = 0;   // largest |exponent| in the tables
    std::vector<double> grob_; // amplitude at frames 1024 * i (times 32700 when falling)
    std::vector<double> fein_; // factor for frames i = 0..1023 after that
};

// One block with a Tonrechner made for it; returns the number of literally
// evaluated samples.
uint64_t Tonsamples_berechnen(bool zunehmend, bool pulsierend, uint32_t n0, uint32_t anzahl, long double k,
                              float f, bool konstant, int16_t* ziel);

// The literal evaluation of the same block, links_digitalisieren per sample.
void Tonsamples_woertlich(bool zunehmend, bool pulsierend, uint32_t n0, uint32_t anzahl, long double k,
                          float f, bool konstant, int16_t* ziel);
