// Writes the starting inputs of the reader harnesses into <folder>/<harness>/:
// tone files as the program writes them, the meter's files in every version
// with all extension blocks, and settings and base settings files of the
// right sizes with random content (each must be refused). The program's own
// settings files come from tests/data.
#include "core/settings/messgeraet_bilder.h"
#include "core/tones/kvwave.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <random>

namespace
{

bool ablegen(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhalt) == inhalt.size();
}

// Random bytes, the same on every run; the first bytes may carry a version text.
QByteArray zufall(int n, unsigned saat, const char* version = nullptr)
{
    std::mt19937 gen(saat);
    QByteArray b(n, '\0');
    for (auto& c : b)
        c = char(gen() & 0xFF);
    if (version)
        testumgebung::kurztext_setzen(b, 0, version);
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    for (const char* h :
         {"tondatei", "messgeraet_mes", "messgeraet_sch", "einstellungsdatei", "grundeinstellungen"})
        QDir().mkpath(ziel + QLatin1String(h));

    bool ok = true;
    // Short tones of 0.05 s: falling, rising, pulsing, constant.
    const QString t = ziel + QStringLiteral("tondatei/");
    ok &= erzeuge_wave_stereo_l_r(false, false, 5, 1000.0f, t + "abn_l.wav", t + "abn_r.wav", false, true);
    ok &= erzeuge_wave_stereo_l_r(true, true, 5, 250.0f, t + "zun_puls_l.wav", t + "zun_puls_r.wav", false,
                                  true);
    ok &= erzeuge_wave_stereo_konstant_l_r(5, t + "konst_l.wav", t + "konst_r.wav", 4000.0f, true);

    // Settings files of the right size with random content: new format, new
    // format with its version text, the old 9256-byte format.
    const QString e = ziel + QStringLiteral("einstellungsdatei/");
    ok &= ablegen(e + QStringLiteral("zufall_9260.qvl"), zufall(9260, 1));
    ok &= ablegen(e + QStringLiteral("zufall_9260_1_6.qvl"), zufall(9260, 2, "Vazozez Version 1.6"));
    ok &= ablegen(e + QStringLiteral("zufall_9256_1_2.qvl"), zufall(9256, 3, "Vazozez Version 1.2"));
    const QString g = ziel + QStringLiteral("grundeinstellungen/");
    ok &= ablegen(g + QStringLiteral("zufall_10548_1_6.hoe"), zufall(10548, 4, "Vazozez Version 1.6"));
    ok &= ablegen(g + QStringLiteral("zufall_544.hoe"), zufall(544, 5));

    const char* versionen[] = {"Vidizedazevadadev Version 1.2", "Vidizedazevadadev Version 1.5",
                               "Vidizedazevadadev Version 1.7", Meter_Version_1_7_1,
                               "Vidizedazevadadev Version 1.9"};
    int i = 0;
    for (const char* v : versionen) {
        const QString name = QStringLiteral("v%1").arg(i++);
        const QString mes = ziel + QStringLiteral("messgeraet_mes/") + name + QStringLiteral(".mes");
        ok &= ablegen(mes, testumgebung::mes_bild(v));
        ok &= ablegen(ziel + QStringLiteral("messgeraet_sch/") + name + QStringLiteral(".sch"),
                      testumgebung::sch_bild(v, QStringLiteral("/fehlt/Messung.mes"),
                                             QStringLiteral("/fehlt/lang/Messung.mes")));
    }
    return ok ? 0 : 1;
}
