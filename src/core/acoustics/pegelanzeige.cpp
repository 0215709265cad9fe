#include "core/acoustics/pegelanzeige.h"

#include "core/acoustics/blockmessung.h"
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/physik_hoertest.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace
{

constexpr int N = Spektrum_Sammler::FFT_Blockgroesse_Sammler;
constexpr long double p0_quadrat = 4e-10L;
constexpr long double Untergrenze = 1e-20L;
// Bins on either side of the dominant one that belong to its tone.
constexpr long Ton_halbe_Breite = 5;

double dB_von(long double x)
{
    return double(10.0L * std::log10(std::max(x, Untergrenze)));
}

long double Fenster_Quadratsumme()
{
    long double s = 0;
    for (int i = 1; i <= N && size_t(i) < FFT_Tabellen.Fenster.size(); ++i)
        s += FFT_Tabellen.Fenster[size_t(i)] * FFT_Tabellen.Fenster[size_t(i)];
    return s;
}

// Four-term Blackman-Harris window, i = 1 .. N.
long double Blackman_Harris(int i)
{
    const long double x = 2.0L * std::numbers::pi_v<long double> * (i - 1) / (N - 1);
    return 0.35875L - 0.48829L * std::cos(x) + 0.14128L * std::cos(2 * x) - 0.01168L * std::cos(3 * x);
}

} // namespace

Spektrum_Sammler::Spektrum_Sammler()
{
    sammel_.reserve(4 * size_t(Aufnahme_Blockgroesse));
    summe_.assign(size_t(N / 2) + 1, 0.0L);
    umwandlung_.assign(size_t(N) + 1, 1.0L);
    for (int i = 1; i <= N; ++i)
        eigenes2_ += Blackman_Harris(i) * Blackman_Harris(i);
}

void Spektrum_Sammler::zuruecksetzen()
{
    std::fill(summe_.begin(), summe_.end(), 0.0L);
    bloecke_ = 0;
    spitze_ = 0;
    uebersteuert_ = false;
}

void Spektrum_Sammler::neu_beginnen()
{
    zuruecksetzen();
    sammel_.clear();
}

void Spektrum_Sammler::Puffer_anhaengen(const int16_t* samples, size_t anzahl)
{
    if (samples && anzahl > 0)
        sammel_.insert(sammel_.end(), samples, samples + anzahl);
    constexpr size_t B = Aufnahme_Blockgroesse;
    size_t pos = 0;
    // A backlog of more than three blocks: only the newest counts, as in the
    // level measurement.
    if (sammel_.size() > 3 * B)
        pos = sammel_.size() - B;
    while (sammel_.size() - pos >= B) {
        Block_analysieren(sammel_.data() + pos);
        pos += B;
    }
    sammel_.erase(sammel_.begin(), sammel_.begin() + ptrdiff_t(pos));
}

void Spektrum_Sammler::Block_analysieren(const int16_t* block)
{
    if (FFT_Daten.size() < size_t(N) + 1 || Summe_Fschlange2.size() < size_t(N / 2) + 1 ||
        FFT_Tabellen.Fenster.size() < size_t(N) + 1)
        return;
    if (fenster_ != FFT_Tabellen.Fenster) {
        fenster_ = FFT_Tabellen.Fenster;
        for (int i = 1; i <= N; ++i) {
            const long double h = fenster_[size_t(i)];
            umwandlung_[size_t(i)] = std::fabs(h) > 1e-6L ? Blackman_Harris(i) / h : 0.0L;
        }
    }
    for (int i = 0; i < Aufnahme_Blockgroesse; ++i) {
        const int a = std::abs(int(block[i]));
        spitze_ = std::max(spitze_, a);
        if (a >= 32767)
            uebersteuert_ = true;
    }
    for (int i = 0; i < N; ++i)
        FFT_Daten[size_t(i) + 1] = block[i];
    Gleichspannung_weg(N, FFT_Daten);
    // The FFT applies the meter's Hamming window; divided out here, the
    // block is analysed through the Blackman-Harris window instead, whose
    // far side lobes lie 50 dB lower: with Hamming's a loud low tone leaks
    // about -38 dB of its power across the spectrum, which the A weighting
    // lifts to a 0.2 dB error of the reading.
    for (int i = 1; i <= N; ++i)
        FFT_Daten[size_t(i)] *= umwandlung_[size_t(i)];
    Summe_Fschlange2_Null_setzen(N);
    Berechne_Summe_Fschlange2(N, FFT_Daten);
    for (size_t k = 0; k < summe_.size(); ++k)
        summe_[k] += Summe_Fschlange2[k];
    Summe_Fschlange2_Null_setzen(N);
    ++bloecke_;
}

double Spektrum_Sammler::Band_dBFS(int lo, int hi) const
{
    lo = std::max(lo, 1);
    hi = std::min(hi, N / 2);
    const long double w2 = eigenes2_;
    if (bloecke_ < 1 || w2 <= 0)
        return -200;
    long double s = 0;
    for (int k = lo; k <= hi; ++k)
        s += summe_[size_t(k)];
    // Mean square of the samples (RMS^2), relative to a full-scale sine's.
    const long double rms2 = 2.0L * s / (bloecke_ * N * w2);
    return dB_von(rms2 / (32768.0L * 32768.0L / 2.0L));
}

Pegelwerte Spektrum_Sammler::auswerten(const kvFFT_Tabellen& t) const
{
    Pegelwerte w;
    w.Oktaven.fill(-200);
    w.Spitze = spitze_;
    w.uebersteuert = uebersteuert_;
    w.Bloecke = bloecke_;
    if (bloecke_ < 1)
        return w;
    const size_t bins = std::min({summe_.size(), t.W_dB_slow.size(), t.W_dBA_slow.size(), t.Frequenzachse.size()});
    // The weights are made for 10 blocks through the Hamming window.
    const long double skala = (long double)Bloecke_langsam / bloecke_ * Fenster_Quadratsumme() / eigenes2_;
    // Pa^2 per bin, and the dominant bin of the recorded spectrum.
    std::vector<long double> spektrum(bins, 0.0L);
    size_t groesster = 0;
    for (size_t k = 1; k < bins; ++k) {
        spektrum[k] = t.W_dB_slow[k] * summe_[k] * skala;
        if (k + 1 < bins && summe_[k] > summe_[groesster])
            groesster = k;
    }
    if (groesster >= 1 && summe_[groesster] > 0) {
        // The peak's centre from a parabola through the log powers of its
        // three bins, as recorded (the microphone's response would shift it).
        const long double a = std::log(std::max(summe_[groesster - 1], Untergrenze));
        const long double b = std::log(std::max(summe_[groesster], Untergrenze));
        const long double c = std::log(std::max(summe_[groesster + 1], Untergrenze));
        const long double nenner = a - 2 * b + c;
        long double d = nenner < 0 ? 0.5L * (a - c) / nenner : 0.0L;
        d = std::clamp(d, -0.5L, 0.5L);
        const long double df = t.Frequenzachse[1] - t.Frequenzachse[0];
        w.Frequenz = double(t.Frequenzachse[groesster] + d * df);
    }
    // The window spreads a tone over its neighbouring bins; there the
    // microphone's response and the A and C weightings are those of the
    // tone's own frequency, not the bins' (at low frequencies they change by
    // up to 1 dB from bin to bin).
    const long double fA = w.Frequenz > 0 ? p0A(w.Frequenz) : 0, fC = w.Frequenz > 0 ? p0C(w.Frequenz) : 0;
    long double W_Ton = 0;
    if (w.Frequenz > 0) {
        const long double df = t.Frequenzachse[1] - t.Frequenzachse[0];
        const long double x = (w.Frequenz - t.Frequenzachse[0]) / df;
        const size_t k0 = std::clamp<size_t>(size_t(std::max(0.0L, std::floor(x))), 1, bins - 2);
        const long double u = std::clamp(x - k0, 0.0L, 1.0L);
        const long double w0 = t.W_dB_slow[k0], w1 = t.W_dB_slow[k0 + 1];
        W_Ton = w0 > 0 && w1 > 0 ? std::exp((1 - u) * std::log(w0) + u * std::log(w1)) : t.W_dB_slow[groesster];
    }
    long double p2 = 0, a2 = 0, c2 = 0;
    std::array<long double, 7> oktav{};
    for (size_t k = 1; k < bins; ++k) {
        const long double f = t.Frequenzachse[k];
        const bool am_Ton = w.Frequenz > 0 && std::labs(long(k) - long(groesster)) <= Ton_halbe_Breite;
        const long double p = am_Ton ? W_Ton * summe_[k] * skala : spektrum[k];
        p2 += p;
        const long double a = am_Ton ? fA : p0A(f);
        const long double c = am_Ton ? fC : p0C(f);
        if (am_Ton || t.W_dB_slow[k] == 0)
            a2 += p / (a * a);
        else
            a2 += t.W_dBA_slow[k] * summe_[k] * skala;
        c2 += p / (c * c);
        for (size_t b = 0; b < Oktavbaender_Hz.size(); ++b)
            if (f >= Oktavbaender_Hz[b] / std::sqrt(2.0L) && f < Oktavbaender_Hz[b] * std::sqrt(2.0L))
                oktav[b] += p;
    }
    w.dB = dB_von(p2 / p0_quadrat);
    w.dBA = dB_von(a2);
    w.dBC = dB_von(c2);
    for (size_t b = 0; b < oktav.size(); ++b)
        w.Oktaven[b] = dB_von(oktav[b] / p0_quadrat);
    return w;
}
