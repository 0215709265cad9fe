#include "core/tones/tonrechner.h"

#include "core/tones/tongesetz.h"

#include <algorithm>
#include <cmath>

// How the fast samples stay identical to the literal ones
// =======================================================
//
// The literal sample is s_L = round_half_even(v_L), v_L = A_L * y_L, everything
// in long double (64-bit mantissa, unit roundoff u = 2^-64). Let V = A * y be
// the exact real value for the same k (A, y without any rounding). Below,
// |v_L - V| <= E_L and |v_D - V| <= E_D for the double value v_D computed
// here, so |v_D - v_L| <= E = E_L + E_D. If v_D is farther than E from every
// half-integer, v_L lies strictly between the same two half-integers and
// rounds to the same integer as v_D. Otherwise (and whenever v_L could be a
// half itself) the sample is evaluated literally. The distance used, the
// margin, is 64 E but at least 1e-4; for every tone file of the program it is
// 1e-4, more than 3000 times E.
//
// Phase. With f a whole number, (f n) mod 44100 = m is exact in integers, and
// cos(2 pi f n / 44100) = cos(2 pi m / 44100) exactly. So the double path takes
// cos from a table C[m] of 44100 values computed with cosl and rounded to
// double: |C[m] - cos| <= 2^-54 (rounding) + 2^-62 (cosl, 2 ulp) + 1e-18 (the
// table argument's own rounding) < 5.7e-17. The envelope cos(8 pi t) is
// C[(4 n) mod 44100] the same way.
// The literal phase is fl(fl(2pi_L * f) * fl(n / 44100)) with 2pi_L = 2 pi (1 + d),
// |d| <= u: four relative roundings, so |phi_L - phi| <= 4.01 u phi. For
// f = 20000 Hz and t up to 30 s, phi reaches 3.77e6 rad, so the literal phase
// is off by up to 8.2e-13 rad; cosl adds 2^-62. The envelope phase (at most
// 8 pi * 30 = 754 rad) is off by 3.01 u * 754, negligible.
//
// Amplitude. Frame n = 1024 i + j; e^(-k n / 44100) = e^(-k 1024 i / 44100) *
// e^(-k j / 44100) exactly, so the amplitude is the product of two tables
// computed with expl (2 ulp) from arguments |x| <= X (about 11.4 at most, see
// groesstes_x_) formed with three roundings, then rounded to double: each
// table entry is within (2^-53 + u (3 X + 6)) relative, the product adds
// 2^-53. The literal amplitude has x_L = fl(-k t_L), relative 2 u, so
// e^(x_L) is within u (2 X + 5) relative; times 32700 adds u.
// The limits t*100 < 3000 and t*100 < 1500 are the integer tests n < 1323000
// and n < 661500: below, t*100 is at least 0.0022 away from the limit, far
// beyond any rounding; from the limit on, n / 44100 >= 30 (or 15) exactly and
// rounding is monotone, so fl(fl(n / 44100) * 100) >= 3000 (or 1500).
//
// Sums (|A| <= 32700, |y| <= 1; half an ulp of a value below 2^15 is 2^-39
// in double, 2^-50 in long double):
//   E_D <= 32700 (3 * 2^-53 + u (6 X + 10) + 1.9e-16) * 1.01 + 2^-39  < 2e-11
//   E_L <= 32700 (4.01 u phi + 2^-60 + u (2 X + 6) * 1.01) + 2^-50    < 2.7e-8
// for phi = 3.77e6. Rand() uses the larger, simpler expression
//   E = 32700 (4.1 u phi' + 8 u X + 1e-15) + 2^-37,  phi' = 2 pi (f + 4) n / 44100,
// which covers both sums (and the envelope) for any frame count. Even if libm
// were a thousand ulp worse than documented the margin would still hold.
// Of the 27.8 million samples of the default set about 2 * 1e-4 of them fall
// into the margin and are evaluated literally.

namespace
{

constexpr long double zwei_pi = 6.283185307179586476925286766559005768L;
constexpr uint32_t Rate = 44100;
constexpr long double u = 0x1p-64L;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 to the
// nearest integer, halves to even (the default rounding mode).
constexpr double runden_hilfe = 6755399441055744.0;

const std::vector<double>& Cosinustafel()
{
    static const std::vector<double> tafel = [] {
        std::vector<double> t(Rate);
        for (uint32_t m = 0; m < Rate; ++m)
            t[m] = static_cast<double>(std::cos(zwei_pi * static_cast<long double>(m) / Rate));
        return t;
    }();
    return tafel;
}

} // namespace

Tonrechner::Tonrechner(bool zunehmend, bool pulsierend, long double k, float f, bool konstant)
    : zunehmend_(zunehmend), pulsierend_(pulsierend), konstant_(konstant), k_(k), f_(f)
{
    const bool f_ganz = std::isfinite(f) && f >= 0.0f && f < 16777216.0f && f == std::floor(f);
    if (!f_ganz || !std::isfinite(k))
        return;
    schnell_ = true;
    f_rest_ = static_cast<uint32_t>(f) % Rate;
    (void)Cosinustafel();
    if (konstant_) {
        grenze_ = 0;
        jenseits_ = 32700.0;
        return;
    }
    grenze_ = zunehmend_ ? 661500u : 1323000u;
    jenseits_ = zunehmend_ ? 32700.0 : 1.0;
    // The tables reach only as far as the exponent stays within ln(32700) + 1,
    // which covers every frame of a file of the N that k was made for; frames
    // between there and grenze_ are evaluated literally.
    const long double betrag_k = std::fabs(k);
    uint32_t tafel_ende = grenze_;
    if (betrag_k > 0) {
        const long double weit = (std::log(32700.0L) + 1) * Rate / betrag_k;
        if (weit < tafel_ende)
            tafel_ende = static_cast<uint32_t>(weit);
    }
    const uint32_t grob_anzahl = tafel_ende == 0 ? 0 : ((tafel_ende - 1) >> 10) + 1;
    grob_.resize(grob_anzahl);
    fein_.resize(1024);
    const long double vorzeichen = zunehmend_ ? 1.0L : -1.0L;
    const long double faktor = zunehmend_ ? 1.0L : 32700.0L;
    for (uint32_t i = 0; i < grob_anzahl; ++i)
        grob_[i] = static_cast<double>(std::exp(vorzeichen * k * static_cast<long double>(1024u * i) / Rate) *
                                       faktor);
    for (uint32_t j = 0; j < 1024; ++j)
        fein_[j] = static_cast<double>(std::exp(vorzeichen * k * static_cast<long double>(j) / Rate));
    groesstes_x_ =
        static_cast<double>(betrag_k * (static_cast<long double>(grob_anzahl) * 1024 + 1024) / Rate);
    tafel_ende_ = grob_anzahl == 0 ? 0 : tafel_ende;
}

double Tonrechner::Rand(uint64_t letzter_Frame) const
{
    const long double phase = zwei_pi * (static_cast<long double>(f_) + 4) * letzter_Frame / Rate;
    const long double e = 32700 * (4.1L * u * phase + 8 * u * groesstes_x_ + 1e-15L) + 0x1p-37L;
    return static_cast<double>(std::max(1e-4L, 64 * e));
}

template <bool Puls, bool Tafel>
uint64_t Tonrechner::Abschnitt(uint32_t n0, uint32_t anzahl, int16_t* ziel, double schwelle,
                               std::vector<uint32_t>* langsame) const
{
    const double* C = Cosinustafel().data();
    const double* grob = grob_.data();
    const double* fein = fein_.data();
    const double A_fest = jenseits_;
    const uint32_t schritt = f_rest_;
    uint32_t m = static_cast<uint32_t>((uint64_t(f_rest_) * (n0 % Rate)) % Rate);
    uint32_t e = static_cast<uint32_t>((uint64_t(4) * (n0 % Rate)) % Rate);
    uint64_t langsam = 0;
    for (uint32_t i = 0; i < anzahl; ++i) {
        const uint32_t n = n0 + i;
        double A = A_fest;
        if constexpr (Tafel)
            A = grob[n >> 10] * fein[n & 1023];
        double y = C[m];
        if constexpr (Puls)
            y = y * ((C[e] + 3.0) * 0.25);
        const double v = A * y;
        const double r = (v + runden_hilfe) - runden_hilfe;
        if (std::fabs(v - r) > schwelle) {
            ziel[i] = links_digitalisieren(zunehmend_, pulsierend_, n, k_, f_, 0, konstant_);
            ++langsam;
            if (langsame)
                langsame->push_back(n);
        } else {
            ziel[i] = static_cast<int16_t>(r);
        }
        m += schritt;
        if (m >= Rate)
            m -= Rate;
        if constexpr (Puls) {
            e += 4;
            if (e >= Rate)
                e -= Rate;
        }
    }
    return langsam;
}

uint64_t Tonrechner::berechnen(uint32_t n0, uint32_t anzahl, int16_t* ziel,
                               std::vector<uint32_t>* langsame) const
{
    const uint64_t ende = uint64_t(n0) + anzahl;
    if (!schnell_) {
        for (uint32_t i = 0; i < anzahl; ++i) {
            ziel[i] = links_digitalisieren(zunehmend_, pulsierend_, n0 + i, k_, f_, 0, konstant_);
            if (langsame)
                langsame->push_back(n0 + i);
        }
        return anzahl;
    }
    const double schwelle = 0.5 - Rand(ende == 0 ? 0 : ende - 1);
    uint64_t langsam = 0;
    uint64_t n = n0;
    auto stueck = [&](uint64_t bis, bool tafel) {
        if (n >= bis)
            return;
        const uint32_t a = static_cast<uint32_t>(bis - n);
        int16_t* z = ziel + (n - n0);
        const uint32_t s = static_cast<uint32_t>(n);
        if (tafel)
            langsam += pulsierend_ ? Abschnitt<true, true>(s, a, z, schwelle, langsame)
                                   : Abschnitt<false, true>(s, a, z, schwelle, langsame);
        else
            langsam += pulsierend_ ? Abschnitt<true, false>(s, a, z, schwelle, langsame)
                                   : Abschnitt<false, false>(s, a, z, schwelle, langsame);
        n = bis;
    };
    if (!konstant_) {
        // Frames covered by the amplitude tables.
        stueck(std::min<uint64_t>(ende, tafel_ende_), true);
        // Frames below the limit but beyond the tables: literal.
        const uint64_t bis = std::min<uint64_t>(ende, grenze_);
        for (; n < bis; ++n) {
            ziel[n - n0] =
                links_digitalisieren(zunehmend_, pulsierend_, static_cast<uint32_t>(n), k_, f_, 0, false);
            ++langsam;
            if (langsame)
                langsame->push_back(static_cast<uint32_t>(n));
        }
    }
    // Fixed amplitude: constant tones, and the frames from the limit on.
    stueck(ende, false);
    return langsam;
}

uint64_t Tonsamples_berechnen(bool zunehmend, bool pulsierend, uint32_t n0, uint32_t anzahl, long double k,
                              float f, bool konstant, int16_t* ziel)
{
    const Tonrechner r(zunehmend, pulsierend, k, f, konstant);
    return r.berechnen(n0, anzahl, ziel);
}

void Tonsamples_woertlich(bool zunehmend, bool pulsierend, uint32_t n0, uint32_t anzahl, long double k,
                          float f, bool konstant, int16_t* ziel)
{
    for (uint32_t i = 0; i < anzahl; ++i)
        ziel[i] = links_digitalisieren(zunehmend, pulsierend, n0 + i, k, f, 0, konstant);
}
