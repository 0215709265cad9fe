#pragma once
// Byte images of the companion sound-level meter's files: a ".mes" settings
// file with every extension block and the base settings file ".sch".
#include "bytebilder.h"
#include "core/settings/schallpegel.h"
#include "core/shell/cp1252.h"

#include <QString>

namespace testumgebung
{

inline constexpr int N = 4096;
inline constexpr int S = 12;
inline constexpr int Bins = N / 2 + 1;
inline constexpr int Mes_Kopf_und_Bins = 456 + Bins * 70;

// Value k (0..6) of bin j in the file.
inline long double bin_wert(int j, int k)
{
    return j * 7 + k + 0.5L;
}

inline QByteArray block_1_2()
{
    QByteArray b(16, '\0');
    setzen<uint8_t>(b, 0, 7);
    setzen<double>(b, 8, 2.5);
    return b;
}
inline QByteArray block_1_5()
{
    QByteArray b(8, '\0');
    setzen<double>(b, 0, 1.25);
    return b;
}
inline QByteArray block_1_6()
{
    QByteArray b(64, '\0');
    setzen<uint8_t>(b, 0, 1);
    setzen<double>(b, 8, 30.0);
    setzen<double>(b, 16, 28.0);
    QByteArray e;
    extended_anhaengen(e, 0.001L);
    b.replace(32, 10, e);
    return b;
}
inline QByteArray block_1_7()
{
    QByteArray b(536, '\0');
    setzen<int32_t>(b, 4 + 20 * 12, 640); // Fenster[13].top
    setzen<int32_t>(b, 264, 85);
    setzen<int32_t>(b, 268, 70);
    kurztext_setzen(b, 280, "ansage.wav");
    return b;
}
inline QByteArray block_1_7_1()
{
    QByteArray b(10004, '\0');
    setzen<int32_t>(b, 0, 12);
    b.replace(4, 12, "/ansage2.wav");
    return b;
}
inline QByteArray block_1_9()
{
    QByteArray b(524, '\0');
    kurztext_setzen(b, 0, nach_cp1252(QStringLiteral("Mikrofon (USB) Größe")));
    kurztext_setzen(b, 256, "Capture");
    setzen<int32_t>(b, 512, 3);
    setzen<float>(b, 516, 0.75f);
    setzen<uint8_t>(b, 520, 1);
    return b;
}

// A meter settings file with all six extension blocks behind the bins,
// whatever its version says.
inline QByteArray mes_bild(const char* version)
{
    QByteArray b(456, '\0');
    kurztext_setzen(b, 0, version);
    setzen<int32_t>(b, 436, 1234);
    setzen<double>(b, 440, -12.5);
    setzen<double>(b, 448, 99.0);
    b.reserve(Mes_Kopf_und_Bins + 12000);
    for (int j = 0; j < Bins; ++j)
        for (int k = 0; k < 7; ++k)
            extended_anhaengen(b, bin_wert(j, k));
    return b + block_1_2() + block_1_5() + block_1_6() + block_1_7() + block_1_7_1() + block_1_9();
}

// The meter's base settings file; the long path record only for version 1.7.1.
inline QByteArray sch_bild(const char* version, const QString& kurzpfad, const QString& langpfad = {})
{
    QByteArray b(307, '\0');
    kurztext_setzen(b, 0, version);
    kurztext_setzen(b, 51, nach_cp1252(kurzpfad));
    for (int i = 0; i <= N; ++i)
        extended_anhaengen(b, i / 4096.0L);
    for (int k = 0; k <= S; ++k) {
        extended_anhaengen(b, -k - 0.5L);
        extended_anhaengen(b, k + 0.25L);
    }
    for (int i = 0; i < 21; ++i)
        extended_anhaengen(b, 1000.0L + i);
    for (int i = 0; i < Bins; ++i)
        extended_anhaengen(b, i * 44100.0L / N);
    if (QByteArray(version) == QByteArray(Meter_Version_1_7_1)) {
        QByteArray lang(10004, 'B');
        const QByteArray p = QFile::encodeName(langpfad);
        setzen<int32_t>(lang, 0, int32_t(p.size()));
        lang.replace(4, p.size(), p);
        b += lang;
    }
    return b;
}

} // namespace testumgebung
