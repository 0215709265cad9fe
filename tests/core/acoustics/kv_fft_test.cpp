// The spectrum analysis against a direct DFT, the level arithmetic on chosen
// spectra, and whole measurements from recorded buffers: a tone of known
// amplitude must read its level, whatever the buffer sizes and the DC offset.
#include "core/acoustics/blockmessung.h"
#include "core/acoustics/kv_fft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace
{

constexpr int N = 4096;
constexpr long double pi = std::numbers::pi_v<long double>;

class KvFFT : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kvFFT_dyn_Arrays_erzeugen(N));
        kvFFT_Grundeinstellungen(N);
    }
    void TearDown() override { kvFFT_dyn_arrays_schliessen(); }
};

// Direct DFT with the kernel e^(+2 pi i j k / n) of complex input.
void dft(const std::vector<long double>& re, const std::vector<long double>& im, std::vector<long double>& Re,
         std::vector<long double>& Im)
{
    const size_t n = re.size();
    std::vector<long double> c(n), s(n);
    for (size_t m = 0; m < n; ++m) {
        c[m] = std::cos(2.0L * pi * static_cast<long double>(m) / n);
        s[m] = std::sin(2.0L * pi * static_cast<long double>(m) / n);
    }
    Re.assign(n, 0.0L);
    Im.assign(n, 0.0L);
    for (size_t k = 0; k < n; ++k)
        for (size_t j = 0; j < n; ++j) {
            const size_t m = (j * k) % n;
            Re[k] += re[j] * c[m] - im[j] * s[m];
            Im[k] += re[j] * s[m] + im[j] * c[m];
        }
}

} // namespace

// Forward real FFT: every packed value equals the direct DFT; the windowed
// forward and inverse transforms give back N/2 times the block.
TEST_F(KvFFT, TransformsEqualTheDirectDft)
{
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> wert(-32768.0, 32767.0);
    kvFFT_Feld d(N + 1, 0.0L);
    std::vector<long double> re(N), im(N, 0.0L), Re, Im;
    for (int i = 1; i <= N; ++i)
        re[size_t(i - 1)] = d[size_t(i)] = wert(zufall);
    const kvFFT_Feld block = d;
    dft(re, im, Re, Im);
    KV_Reelle_FFT(d, N, 1, 12);
    const long double toleranz = 1e-9L * N * 32768.0L;
    EXPECT_NEAR(double(d[1]), double(Re[0]), double(toleranz));
    EXPECT_NEAR(double(d[2]), double(Re[N / 2]), double(toleranz));
    long double groesster = 0;
    for (int k = 1; k < N / 2; ++k) {
        groesster = std::max(groesster, std::fabs(d[size_t(2 * k + 1)] - Re[size_t(k)]));
        groesster = std::max(groesster, std::fabs(d[size_t(2 * k + 2)] - Im[size_t(k)]));
    }
    EXPECT_LT(double(groesster), double(toleranz));

    kvFFT_Feld f = block;
    Reelle_FFT_mit_Fenster(f, N, 1);
    Reelle_FFT_mit_Fenster(f, N, -1);
    for (int i = 1; i <= N; i += 97)
        EXPECT_NEAR(double(f[size_t(i)] / (N / 2)), double(block[size_t(i)]), 1e-7) << "sample " << i;
}

// Levels from a chosen power sum: band clipping at both ends, weighting
// with and without the reference pressure, the floor before the logarithm.
struct Pegelfall {
    const char* name;
    int Mitte;
    int halbe_Breite;
    uint8_t A_bewertet;
    std::vector<std::pair<int, long double>> leistung; // bin, W * S
    double Lges;
    double Differenz;
};

class KvFFTPegel : public KvFFT, public ::testing::WithParamInterface<Pegelfall>
{
};

TEST_P(KvFFTPegel, LevelsFromTheSpectrum)
{
    const Pegelfall& f = GetParam();
    for (auto* W : {&FFT_Tabellen.W_dB_slow, &FFT_Tabellen.W_dBA_slow})
        std::fill(W->begin(), W->end(), 1.0L);
    Summe_Fschlange2_Null_setzen(N);
    for (const auto& [k, s] : f.leistung)
        Summe_Fschlange2[size_t(k)] = s;
    long double Lges = 0, Differenz = 0;
    uint8_t echt = 9;
    Schallgroessen_erweitert(0, N, f.halbe_Breite, f.Mitte, 0.0, f.A_bewertet, Lges, Differenz, echt);
    EXPECT_NEAR(double(Lges), f.Lges, 1e-9);
    EXPECT_NEAR(double(Differenz), f.Differenz, 1e-9);
    EXPECT_EQ(echt, f.Differenz <= 0.0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KvFFTPegel,
    ::testing::Values(
        // All power in the band: no difference, a clean tone even at tolerance 0.
        Pegelfall{"band", 93, 4, 0, {{90, 4e-10L}, {97, 4e-10L}}, 3.0102999566, 0.0},
        // Unweighted levels are re 20 uPa, weighted ones are taken as they are.
        Pegelfall{"gewichtet", 93, 4, 1, {{93, 100.0L}}, 20.0, 0.0},
        // Power just outside the band counts in the total only.
        Pegelfall{"daneben", 93, 4, 0, {{93, 4e-10L}, {98, 4e-10L}}, 3.0102999566, 3.0102999566},
        // DC never counts; a band reaching below bin 1 is clipped there.
        Pegelfall{"unten", 2, 4, 0, {{0, 1.0L}, {1, 4e-10L}}, 0.0, 0.0},
        // A band reaching above N/2 is clipped; the Nyquist bin counts.
        Pegelfall{"oben", 2046, 4, 0, {{2048, 4e-8L}}, 20.0, 0.0},
        // A band entirely outside the spectrum: Lband is the floor, -200 dB.
        Pegelfall{"ausserhalb", 3000, 4, 0, {{10, 4e-10L}}, 0.0, 200.0},
        // Before the meter's weights exist: every level is the floor.
        Pegelfall{"leer", 93, 4, 0, {}, -200.0, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

// A whole measurement: 10 blocks of a 1-kHz tone of known amplitude with a
// large DC offset, delivered in buffers of various sizes. The weights are
// those of a meter for which one sample count is 1 mPa: the level must be
// the tone's. Also: when the buffers are 3000 samples long, the tenth block
// is complete only with the 14th buffer; a backlog of more than three
// blocks is measured from its newest block only.
TEST_F(KvFFT, MeasurementFromRecordedBuffers)
{
    const long double Pa_pro_Zaehler = 0.001L;
    long double fenster2 = 0;
    for (int i = 1; i <= N; ++i)
        fenster2 += FFT_Tabellen.Fenster[size_t(i)] * FFT_Tabellen.Fenster[size_t(i)];
    const long double W = Pa_pro_Zaehler * Pa_pro_Zaehler / (Bloecke_langsam * (N / 2) * fenster2);
    std::fill(FFT_Tabellen.W_dB_slow.begin(), FFT_Tabellen.W_dB_slow.end(), W);

    const double A = 5000.0; // sample counts
    const double soll = 20.0 * std::log10(A / std::sqrt(2.0) * double(Pa_pro_Zaehler) / 2e-5);
    const auto ton = [&](size_t n) {
        return int16_t(std::lround(3000.0 + A * std::cos(2 * M_PI * 1000.0 * n / 44100)));
    };

    Messvorgaben v;
    v.Mitte = 93; // 1000 Hz lies in bin 92.9
    v.A_bewertet = 0;
    Blockmessung m;
    for (const size_t puffergroesse : {size_t(4101), size_t(3000), size_t(1), size_t(9000)}) {
        SCOPED_TRACE(puffergroesse);
        m.beginnen(v);
        std::vector<int16_t> puffer(puffergroesse);
        size_t n = 0;
        int puffer_bis_fertig = 0;
        while (!m.fertig() && puffer_bis_fertig < 50000) {
            for (auto& s : puffer)
                s = ton(n++);
            m.Puffer_anhaengen(puffer.data(), puffer.size());
            ++puffer_bis_fertig;
        }
        ASSERT_TRUE(m.fertig());
        EXPECT_EQ(m.analysierte_Bloecke(), 10);
        EXPECT_NEAR(double(m.ergebnis().Lges), soll, 0.01);
        EXPECT_LT(double(m.ergebnis().Differenz), 0.01);
        EXPECT_TRUE(m.ergebnis().echter_Ton);
        if (puffergroesse == 3000) {
            EXPECT_EQ(puffer_bis_fertig, 14);
        } else if (puffergroesse == 4101) {
            EXPECT_EQ(puffer_bis_fertig, 10);
        }
    }

    // Four blocks at once: three old ones of silence, the newest with the tone.
    m.beginnen(v);
    std::vector<int16_t> stau(4 * Aufnahme_Blockgroesse, 0);
    for (size_t i = 0; i < Aufnahme_Blockgroesse; ++i)
        stau[3 * Aufnahme_Blockgroesse + i] = ton(i);
    for (int b = 0; b < 10; ++b)
        m.Puffer_anhaengen(stau.data(), stau.size());
    ASSERT_TRUE(m.fertig());
    EXPECT_NEAR(double(m.ergebnis().Lges), soll, 0.01);
    EXPECT_EQ(m.gesammelt(), 0u);
}

// A block whose samples reach full scale marks the measurement as
// overdriven: a tone driven 4x beyond full scale reads about 9 dB low and
// still looks clean, so the level alone cannot tell. One such block among ten
// is enough; a tone just below full scale is not overdriven.
TEST_F(KvFFT, FullScaleSamplesMarkTheMeasurementOverdriven)
{
    std::fill(FFT_Tabellen.W_dB_slow.begin(), FFT_Tabellen.W_dB_slow.end(), 1e-12L);
    struct Fall {
        const char* name;
        double amplitude;
        double gleichanteil;
        int geclippte_bloecke; // blocks (of 10) with the tone at 4x the amplitude
        bool uebersteuert;
    };
    const Fall faelle[] = {
        {"knapp darunter", 32766.0, 0.0, 0, false},
        {"genau Vollausschlag", 32767.0, 0.0, 0, true},
        {"vierfach", 4 * 32767.0, 0.0, 10, true},
        {"ein Block von zehn", 9000.0, 0.0, 1, true},
        {"nur die negative Seite", 5000.0, -28000.0, 0, true},
    };
    Messvorgaben v;
    v.Mitte = 93;
    v.A_bewertet = 0;
    Blockmessung m;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        m.beginnen(v);
        std::vector<int16_t> block(Aufnahme_Blockgroesse);
        for (int b = 0; b < Bloecke_langsam; ++b) {
            const double a = b < f.geclippte_bloecke ? 4 * f.amplitude : f.amplitude;
            for (size_t n = 0; n < block.size(); ++n) {
                const double x = f.gleichanteil + a * std::cos(2 * M_PI * 1000.0 * n / 44100);
                block[n] = int16_t(std::clamp(std::lround(x), -32768L, 32767L));
            }
            m.Puffer_anhaengen(block.data(), block.size());
        }
        ASSERT_TRUE(m.fertig());
        EXPECT_EQ(m.ergebnis().uebersteuert, f.uebersteuert);
    }
}

// The watch of a running recording: a new buffer resets it; only more than
// 2 s without any buffer counts as a failed recording.
TEST(Pufferwache, TwoSecondsWithoutABuffer)
{
    Pufferwache w;
    w.beginnen(1000.0, 0);
    struct Schritt {
        double jetzt_ms;
        uint32_t puffer;
        bool ausgefallen;
    };
    const Schritt schritte[] = {
        {1093.0, 1, false}, {2500.0, 1, false}, {3093.0, 1, false}, {3094.0, 1, true},
        {3200.0, 2, false}, {5200.0, 2, false}, {5201.0, 2, true},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.jetzt_ms);
        EXPECT_EQ(w.ausgefallen(s.jetzt_ms, s.puffer), s.ausgefallen);
    }
}
