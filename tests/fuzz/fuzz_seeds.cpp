// Writes the starting inputs of the reader harnesses into <folder>/<harness>/:
// tone files as the program writes them, the meter's files in every version
// with all extension blocks. The settings files come from tests/data.
#include "core/settings/messgeraet_bilder.h"
#include "core/tones/kvwave.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace
{

bool ablegen(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(inhalt) == inhalt.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    for (const char* h : {"tondatei", "messgeraet_mes", "messgeraet_sch"})
        QDir().mkpath(ziel + QLatin1String(h));

    bool ok = true;
    // Short tones of 0.05 s: falling, rising, pulsing, constant.
    const QString t = ziel + QStringLiteral("tondatei/");
    ok &= erzeuge_wave_stereo_l_r(false, false, 5, 1000.0f, t + "abn_l.wav", t + "abn_r.wav", false, true);
    ok &= erzeuge_wave_stereo_l_r(true, true, 5, 250.0f, t + "zun_puls_l.wav", t + "zun_puls_r.wav", false,
                                  true);
    ok &= erzeuge_wave_stereo_konstant_l_r(5, t + "konst_l.wav", t + "konst_r.wav", 4000.0f, true);

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
