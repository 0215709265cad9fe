// Writes the default set of 42 hearing-test tone files (falling, pulsing,
// N = 3000) three ways and prints the times: the literal long double
// evaluation (once, one thread, row after row), the fast generator and the
// same files filled with zeros (alternated over several rounds, medians).
// Then compares every fast file byte for byte with the literal one.
//
// Usage: bench_tone_set [folder] [rounds]   (default: a temporary folder in /tmp, 7 rounds)
#include "core/tones/alle_tondateien.h"
#include "core/tones/kvwave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace
{

const std::array<uint16_t, 21> Frequenzen = {50,   100,  200,   500,   1000,  1500,  2000,
                                             2500, 3000, 3500,  4000,  4500,  5000,  6000,
                                             7000, 8000, 10000, 12000, 14000, 16000, 18000};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double sekunden(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) * 1e-9;
}

} // namespace

int main(int argc, char** argv)
{
    const QString basis = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const int runden = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    QTemporaryDir tmp(basis + QStringLiteral("/vazozez_bench_XXXXXX"));
    if (!tmp.isValid()) {
        std::fprintf(stderr, "cannot create a folder in %s\n", qPrintable(basis));
        return 1;
    }
    const QString woertlich = tmp.path() + QStringLiteral("/woertlich/");
    const QString schnell = tmp.path() + QStringLiteral("/schnell/");
    const QString nullen = tmp.path() + QStringLiteral("/nullen/");
    for (const QString& o : {woertlich, schnell, nullen})
        QDir().mkpath(o);
    const int32_t N = 3000;
    std::printf("default set: 21 rows, falling, pulsing, N = %d, folder %s\n", N, qPrintable(tmp.path()));

    QElapsedTimer t;
    t.start();
    bool gut = true;
    for (int i = 1; i <= 21; ++i)
        gut &=
            erzeuge_wave_stereo_l_r_woertlich(false, true, N, Frequenzen[i - 1], Tondatei_links(woertlich, i),
                                              Tondatei_rechts(woertlich, i), false, true);
    const double t_woertlich = sekunden(t);
    std::printf("literal evaluation (one thread):  %8.3f s%s\n", t_woertlich, gut ? "" : "  WRITE FAILED");

    std::vector<double> t_schnell, t_nullen;
    uint64_t langsam = 0;
    for (int r = 0; r < runden; ++r) {
        for (int teil = 0; teil < 2; ++teil) {
            const bool schnell_dran = (teil == 0) == (r % 2 == 0);
            t.restart();
            if (schnell_dran) {
                int zeilen = 0;
                gut = alle_Tondateien_erzeugen(
                    schnell, Frequenzen, false, true, N, [&](int) { ++zeilen; }, nullptr, &langsam);
                t_schnell.push_back(sekunden(t));
                if (!gut || zeilen != 21)
                    std::printf("  fast generator: failed (rows reported %d)\n", zeilen);
            } else {
                gut = alle_Tondateien_Nullen_schreiben(nullen, N);
                t_nullen.push_back(sekunden(t));
                if (!gut)
                    std::printf("  zeros: failed\n");
            }
        }
        std::printf("round %d: fast %.3f s, zeros %.3f s\n", r + 1, t_schnell.back(), t_nullen.back());
    }
    const double m_schnell = median(t_schnell), m_nullen = median(t_nullen);
    std::printf("fast generator (median of %d):  %8.3f s\n", runden, m_schnell);
    std::printf("zeros only     (median of %d):  %8.3f s\n", runden, m_nullen);
    std::printf("fast / zeros:                    %8.2f   (target <= 2, goal <= 1.25)\n",
                m_schnell / m_nullen);
    std::printf("literal / fast:                  %8.1f   (target >= 20)\n", t_woertlich / m_schnell);
    std::printf("samples evaluated literally:     %8llu of %llu\n", static_cast<unsigned long long>(langsam),
                static_cast<unsigned long long>(21ull * 441 * N));

    int gleich = 0;
    for (int i = 1; i <= 21; ++i) {
        for (int ohr = 0; ohr < 2; ++ohr) {
            const QString a = ohr == 0 ? Tondatei_links(woertlich, i) : Tondatei_rechts(woertlich, i);
            const QString b = ohr == 0 ? Tondatei_links(schnell, i) : Tondatei_rechts(schnell, i);
            QFile fa(a), fb(b);
            if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) {
                std::printf("  cannot read %s\n", qPrintable(b));
                continue;
            }
            const QByteArray da = fa.readAll(), db = fb.readAll();
            if (da == db && da.size() == qsizetype(46 + 4 * 441 * N)) {
                ++gleich;
            } else {
                qsizetype p = 0;
                while (p < std::min(da.size(), db.size()) && da[p] == db[p])
                    ++p;
                std::printf("  %s differs from the literal file at byte %lld\n", qPrintable(b), (long long)p);
            }
        }
    }
    std::printf("files identical to the literal evaluation: %d of 42\n", gleich);
    return gleich == 42 ? 0 : 2;
}
