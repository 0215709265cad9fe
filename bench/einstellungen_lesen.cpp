// Loading a settings file, and the two steps that dominated it: the number
// text routine (every value shown with its text) and the whole-file read.
// The earlier forms of both (a regular expression built on every call; a read
// buffer of the reader's full limit) run in the same process as the baseline.
// Prints medians of several rounds and the ratio new / old.
#include "core/settings/dateien.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/programmstart.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

QString extendedzustring_vorher(int breite, int stellen, long double x)
{
    char puffer[8192];
    std::snprintf(puffer, sizeof puffer, "%*.*Lf", breite, stellen, x);
    QString s = QString::fromLatin1(puffer);
    if (s.contains(QLatin1Char('-')) && !s.contains(QRegularExpression(QStringLiteral("[1-9]")))) {
        s.remove(s.indexOf(QLatin1Char('-')), 1);
        if (s.size() < breite)
            s.prepend(QLatin1Char(' '));
    }
    PunktzuKomma(s);
    return s;
}

bool Datei_lesen_vorher(const QString& pfad, qint64 hoechstens, QByteArray& daten)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    daten = f.read(hoechstens); // reserves `hoechstens` bytes first
    return f.error() == QFileDevice::NoError;
}

// Median of `runden` rounds, each the mean time of `n` calls, in microseconds.
double median_us(int runden, int n, const std::function<void()>& f)
{
    std::vector<double> t;
    for (int r = 0; r < runden; ++r) {
        QElapsedTimer uhr;
        uhr.start();
        for (int i = 0; i < n; ++i)
            f();
        t.push_back(double(uhr.nsecsElapsed()) / 1000.0 / n);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir heim;
    qputenv("HOME", QFile::encodeName(heim.path()));
    Programmstart_Daten(); // writes the default files
    const QString qvl = Dateiname1_6_zu_string();

    volatile int summe = 0;
    const long double werte[] = {-0.00004L, 1234.5678L, -17.25L, 0.0L, 99.95L};
    const double text_alt = median_us(7, 20000, [&] {
        for (long double w : werte)
            summe = summe + int(extendedzustring_vorher(10, 1, w).size());
    });
    const double text_neu = median_us(7, 20000, [&] {
        for (long double w : werte)
            summe = summe + int(extendedzustring(10, 1, w).size());
    });
    std::printf("number texts (5 values):    before %8.2f us  after %8.2f us  ratio %.3f\n", text_alt, text_neu,
                text_neu / text_alt);

    QByteArray d;
    const qint64 grenze = 16 * 1024 * 1024;
    const double lesen_alt = median_us(7, 200, [&] { summe = summe + int(Datei_lesen_vorher(qvl, grenze, d)); });
    const double lesen_neu = median_us(7, 200, [&] { summe = summe + int(Datei_lesen(qvl, grenze, d)); });
    std::printf("read 9260-byte file:        before %8.2f us  after %8.2f us  ratio %.3f\n", lesen_alt, lesen_neu,
                lesen_neu / lesen_alt);

    const double laden = median_us(7, 200, [&] { summe = summe + int(Einstellungen_von_Festplatte_holen()); });
    std::printf("load settings file (now):   %8.2f us per load\n", laden);
    return 0;
}
