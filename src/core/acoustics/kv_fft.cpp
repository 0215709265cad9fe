#include "core/acoustics/kv_fft.h"

#include "core/shell/meldungen.h"

#include <fftw3.h>

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

kvFFT_Feld FFT_Daten;
kvFFT_Feld Summe_Fschlange2;

namespace
{

// ln(10) / 10: 10 log10(x) = ln(x) / this.
constexpr long double ln10_durch_10 = 0.23025850929940456L;
constexpr long double Untergrenze = 1e-20L;
// Square of the reference pressure 20 uPa.
constexpr long double p0_Quadrat = 4e-10L;
constexpr long double Abtastrate = 44100.0L;

// The plans of the real transform of one block size and their buffers.
struct Reelle_Plaene {
    int N = 0;
    double* zeit = nullptr;           // N real values
    fftw_complex* spektrum = nullptr; // N/2 + 1 complex values
    fftw_plan vor = nullptr;          // zeit -> spektrum
    fftw_plan zurueck = nullptr;      // spektrum -> zeit

    void freigeben()
    {
        if (vor)
            fftw_destroy_plan(vor);
        if (zurueck)
            fftw_destroy_plan(zurueck);
        fftw_free(zeit);
        fftw_free(spektrum);
        *this = Reelle_Plaene{};
    }
    bool anlegen(int n)
    {
        freigeben();
        zeit = static_cast<double*>(fftw_malloc(sizeof(double) * size_t(n)));
        spektrum = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * size_t(n / 2 + 1)));
        if (!zeit || !spektrum) {
            freigeben();
            return false;
        }
        // FFTW_ESTIMATE leaves the buffers alone while planning.
        vor = fftw_plan_dft_r2c_1d(n, zeit, spektrum, FFTW_ESTIMATE);
        zurueck = fftw_plan_dft_c2r_1d(n, spektrum, zeit, FFTW_ESTIMATE);
        if (!vor || !zurueck) {
            freigeben();
            return false;
        }
        N = n;
        return true;
    }
};

Reelle_Plaene plaene;

bool zweierpotenz(int n)
{
    return n >= 4 && (n & (n - 1)) == 0;
}

// The block's samples as the table expects them: at least N+1 entries.
bool passt(const kvFFT_Feld& daten, int N)
{
    return N >= 4 && daten.size() >= size_t(N) + 1;
}

long double zehn_log(long double x)
{
    return std::log(std::max(x, Untergrenze)) / ln10_durch_10;
}

} // namespace

bool kvFFT_dyn_Arrays_erzeugen(int N)
{
    if (!zweierpotenz(N))
        return false;
    try {
        const size_t n1 = size_t(N) + 1;
        const size_t bins = size_t(N / 2) + 1;
        const int S = Anzahl_Sinuswerte_berechnen(N);
        kvFFT_Tabellen t;
        t.N = N;
        t.Fenster.assign(n1, 0.0L);
        t.wpr.assign(size_t(S) + 1, 0.0L);
        t.wpi.assign(size_t(S) + 1, 0.0L);
        t.Messgeraet_Frequenzen.assign(21, 0.0L);
        t.Frequenzachse.assign(bins, 0.0L);
        for (auto* v : {&t.W_dB_fast, &t.W_dB_slow, &t.W_dBA_fast, &t.W_dBA_slow, &t.Weitere1, &t.Weitere2,
                        &t.Weitere3})
            v->assign(bins, 0.0L);
        kvFFT_Feld daten(n1, 0.0L);
        kvFFT_Feld summe(bins, 0.0L);
        if (!plaene.anlegen(N))
            throw std::bad_alloc();
        FFT_Tabellen = std::move(t);
        FFT_Daten = std::move(daten);
        Summe_Fschlange2 = std::move(summe);
    } catch (const std::bad_alloc&) {
        Fehler_ausgabe(QCoreApplication::translate("kv_fft", "Freier Hauptspeicher zu klein"),
                       QCoreApplication::translate("kv_fft", "Information"));
        return false;
    }
    return true;
}

void kvFFT_dyn_arrays_schliessen()
{
    plaene.freigeben();
    FFT_Tabellen = kvFFT_Tabellen{};
    kvFFT_Feld().swap(FFT_Daten);
    kvFFT_Feld().swap(Summe_Fschlange2);
}

void kvFFT_Grundeinstellungen(int N)
{
    Sinuswerte_berechnen();
    Fenster_berechnen(N);
    Frequenzen_berechnen(N);
}

void Sinuswerte_berechnen()
{
    const int S = int(std::min(FFT_Tabellen.wpr.size(), FFT_Tabellen.wpi.size())) - 1;
    for (int j = 1; j <= S; ++j) {
        const long double theta = 2.0L * std::numbers::pi_v<long double> / std::ldexp(1.0L, j);
        const long double s = std::sin(theta / 2.0L);
        FFT_Tabellen.wpr[size_t(j)] = -2.0L * s * s;
        FFT_Tabellen.wpi[size_t(j)] = std::sin(theta);
    }
}

void Fenster_berechnen(int N)
{
    if (N < 2 || FFT_Tabellen.Fenster.size() < size_t(N) + 1)
        return;
    const long double schritt = 2.0L * std::numbers::pi_v<long double> / (N - 1);
    for (int i = 1; i <= N; ++i)
        FFT_Tabellen.Fenster[size_t(i)] = 0.54L - 0.46L * std::cos((i - 1) * schritt);
}

void Frequenzen_berechnen(int N)
{
    static const long double messgeraet[21] = {20,    40,    80,    125,   250,   500,   1000,
                                               2000,  3000,  4000,  5000,  6000,  7000,  8000,
                                               10000, 12000, 14000, 16000, 18000, 20000, 22000};
    if (FFT_Tabellen.Messgeraet_Frequenzen.size() >= 21)
        std::copy(std::begin(messgeraet), std::end(messgeraet), FFT_Tabellen.Messgeraet_Frequenzen.begin());
    const size_t bins = std::min(FFT_Tabellen.Frequenzachse.size(), size_t(N / 2) + 1);
    for (size_t k = 0; k < bins; ++k)
        FFT_Tabellen.Frequenzachse[k] = Abtastrate / N * k;
}

long double berechne_b0_halbe(int N, const kvFFT_Feld& daten)
{
    if (N < 1 || daten.size() < size_t(N) + 1)
        return 0.0L;
    long double s = 0.0L;
    for (int i = 1; i <= N; ++i)
        s += daten[size_t(i)];
    return s / N;
}

void Gleichspannung_weg(int N, kvFFT_Feld& daten)
{
    const long double b0 = berechne_b0_halbe(N, daten);
    if (N < 1 || daten.size() < size_t(N) + 1)
        return;
    for (int i = 1; i <= N; ++i)
        daten[size_t(i)] -= b0;
}

void KV_Reelle_FFT(kvFFT_Feld& daten, int N, int vorzeichen, int)
{
    if (!passt(daten, N) || N % 2 != 0)
        return;
    Reelle_Plaene einmalig;
    Reelle_Plaene* p = &plaene;
    if (plaene.N != N) {
        // Another block size than planned at start: planned for this call.
        if (!einmalig.anlegen(N))
            return;
        p = &einmalig;
    }
    const int h = N / 2;
    long double* d = daten.data();
    if (vorzeichen == 1) {
        std::copy(d + 1, d + 1 + N, p->zeit);
        fftw_execute(p->vor);
        // FFTW's kernel is e^(-...): the imaginary parts change sign.
        d[1] = p->spektrum[0][0];
        d[2] = p->spektrum[h][0];
        for (int k = 1; k < h; ++k) {
            d[2 * k + 1] = p->spektrum[k][0];
            d[2 * k + 2] = -p->spektrum[k][1];
        }
    } else {
        p->spektrum[0][0] = d[1];
        p->spektrum[0][1] = 0.0L;
        p->spektrum[h][0] = d[2];
        p->spektrum[h][1] = 0.0L;
        for (int k = 1; k < h; ++k) {
            p->spektrum[k][0] = d[2 * k + 1];
            p->spektrum[k][1] = -d[2 * k + 2];
        }
        fftw_execute(p->zurueck);
        // FFTW returns N times the block; the packing above gives N/2 times.
        for (int i = 0; i < N; ++i)
            d[i + 1] = 0.5L * p->zeit[i];
    }
    einmalig.freigeben();
}

void Reelle_FFT_mit_Fenster(kvFFT_Feld& daten, int N, int vorzeichen)
{
    if (!passt(daten, N) || FFT_Tabellen.Fenster.size() < size_t(N) + 1)
        return;
    const long double* w = FFT_Tabellen.Fenster.data();
    if (vorzeichen == 1) {
        for (int i = 1; i <= N; ++i)
            daten[size_t(i)] *= w[i];
        KV_Reelle_FFT(daten, N, 1, Anzahl_Sinuswerte_berechnen(N));
    } else {
        KV_Reelle_FFT(daten, N, -1, Anzahl_Sinuswerte_berechnen(N));
        for (int i = 1; i <= N; ++i)
            daten[size_t(i)] /= w[i];
    }
}

void Summe_Fschlange2_Null_setzen(int N)
{
    const size_t bins = std::min(Summe_Fschlange2.size(), size_t(std::max(N, 0) / 2) + 1);
    std::fill_n(Summe_Fschlange2.begin(), bins, 0.0L);
}

void Berechne_Summe_Fschlange2(int N, kvFFT_Feld& daten)
{
    if (!passt(daten, N) || Summe_Fschlange2.size() < size_t(N / 2) + 1)
        return;
    Reelle_FFT_mit_Fenster(daten, N, 1);
    const int h = N / 2;
    long double* S = Summe_Fschlange2.data();
    const long double* d = daten.data();
    for (int k = 1; k < h; ++k)
        S[k] += d[2 * k + 1] * d[2 * k + 1] + d[2 * k + 2] * d[2 * k + 2];
    S[0] += d[1] * d[1];
    S[h] += d[2] * d[2];
}

void Schallgroessen_erweitert(uint8_t schnell, int N, int halbe_Breite, int Mitte, double Toleranz,
                              uint8_t A_bewertet, long double& Lges, long double& Differenz,
                              uint8_t& echter_Ton)
{
    const int h = N / 2;
    const kvFFT_Feld& W = A_bewertet == 1 ? (schnell == 1 ? FFT_Tabellen.W_dBA_fast : FFT_Tabellen.W_dBA_slow)
                                          : (schnell == 1 ? FFT_Tabellen.W_dB_fast : FFT_Tabellen.W_dB_slow);
    // Bins without a weight or a sum (tables not made) contribute nothing.
    const auto anteil = [&](int k) -> long double {
        if (k < 0 || size_t(k) >= W.size() || size_t(k) >= Summe_Fschlange2.size())
            return 0.0L;
        return W[size_t(k)] * Summe_Fschlange2[size_t(k)];
    };
    const int lo = std::max(Mitte - halbe_Breite, 1);
    const int hi = std::min(Mitte + halbe_Breite, h);
    long double band = 0.0L;
    for (int k = lo; k <= hi; ++k)
        band += anteil(k);
    long double gesamt = band;
    for (int k = 1; k <= std::min(lo - 1, h); ++k)
        gesamt += anteil(k);
    for (int k = std::max(hi + 1, 1); k <= h; ++k)
        gesamt += anteil(k);
    if (A_bewertet != 1) {
        band /= p0_Quadrat;
        gesamt /= p0_Quadrat;
    }
    const long double Lband = zehn_log(band);
    Lges = zehn_log(gesamt);
    Differenz = Lges - Lband;
    echter_Ton = Differenz <= Toleranz ? 1 : 0;
}
