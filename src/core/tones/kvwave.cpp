#include "core/tones/kvwave.h"

#include "core/shell/kvhilf.h"
#include "core/tones/tonrechner.h"
#include "core/tones/wave_datei.h"
#include "core/tones/wave_volume.h"

#include <vector>

namespace
{

void le16(QByteArray& a, uint16_t v)
{
    a.append(char(v & 0xFF));
    a.append(char(v >> 8));
}

void le32(QByteArray& a, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        a.append(char((v >> (8 * i)) & 0xFF));
}

bool beide_vorhanden(const QString& links, const QString& rechts)
{
    return Datei_existiert(links) && Datei_existiert(rechts);
}

} // namespace

void Header_wave(QByteArray& Strom, uint32_t N, uint32_t& Bloecke_pro_hundertstel, uint32_t& Datengroesse)
{
    const uint16_t kanaele = 2, bits = 16;
    Bloecke_pro_hundertstel = Wave_Abtastrate / 100;
    Datengroesse = N * Bloecke_pro_hundertstel * 4;
    Strom.append("RIFF", 4);
    le32(Strom, 38 + Datengroesse);
    Strom.append("WAVE", 4);
    Strom.append("fmt ", 4);
    le32(Strom, 18);
    le16(Strom, 1); // PCM
    le16(Strom, kanaele);
    le32(Strom, Wave_Abtastrate);
    le32(Strom, (bits / 8) * kanaele * Wave_Abtastrate);
    le16(Strom, 4); // block align
    le16(Strom, bits);
    le16(Strom, 0); // no extra format bytes
    Strom.append("data", 4);
    le32(Strom, Datengroesse);
}

bool erzeuge_wave_stereo_l_r(bool zunehmend, bool pulsierend, uint32_t N, float f, const QString& Datei_links,
                             const QString& Datei_rechts, bool konstant, bool neu_erzeugen)
{
    if (!neu_erzeugen && beide_vorhanden(Datei_links, Datei_rechts))
        return true;
    if (N > Wave_groesstes_N)
        return false;
    long double k = 0;
    Hochzahl_von_abnehmend(static_cast<int32_t>(N), k);
    const Tonrechner rechner(zunehmend, pulsierend, k, f, konstant);
    return Wave_Paar_schreiben(
        N, Datei_links, Datei_rechts,
        [&](uint32_t n0, uint32_t anzahl, int16_t* ziel) { rechner.berechnen(n0, anzahl, ziel); });
}

bool erzeuge_wave_stereo_l_r_woertlich(bool zunehmend, bool pulsierend, uint32_t N, float f,
                                       const QString& Datei_links, const QString& Datei_rechts, bool konstant,
                                       bool neu_erzeugen)
{
    if (!neu_erzeugen && beide_vorhanden(Datei_links, Datei_rechts))
        return true;
    if (N > Wave_groesstes_N)
        return false;
    long double k = 0;
    Hochzahl_von_abnehmend(static_cast<int32_t>(N), k);
    return Wave_Paar_schreiben(
        N, Datei_links, Datei_rechts, [&](uint32_t n0, uint32_t anzahl, int16_t* ziel) {
            Tonsamples_woertlich(zunehmend, pulsierend, n0, anzahl, k, f, konstant, ziel);
        });
}

bool erzeuge_wave_stereo_konstant_l_r(uint32_t N, const QString& Datei_links, const QString& Datei_rechts,
                                      float f, bool neu_erzeugen)
{
    if (!neu_erzeugen && beide_vorhanden(Datei_links, Datei_rechts))
        return true;
    if (N > Wave_groesstes_N)
        return false;
    // One second, 32700 * cos(2 pi f n / 44100) with k = 1, then repeated.
    std::vector<int16_t> sekunde(Wave_Abtastrate);
    const Tonrechner rechner(false, false, 1.0L, f, true);
    rechner.berechnen(0, Wave_Abtastrate, sekunde.data());
    return Wave_Paar_schreiben(N, Datei_links, Datei_rechts,
                               [&](uint32_t n0, uint32_t anzahl, int16_t* ziel) {
                                   uint32_t j = n0 % Wave_Abtastrate;
                                   for (uint32_t i = 0; i < anzahl; ++i) {
                                       ziel[i] = sekunde[j];
                                       if (++j == Wave_Abtastrate)
                                           j = 0;
                                   }
                               });
}

void SetWaveVolume(uint16_t links, uint16_t rechts)
{
    const uint32_t gepackt = uint32_t(links) + uint32_t(rechts) * 65536u;
    WaveVolume_hilf(gepackt);
}

void WaveVolume_hilf(uint32_t gepackt)
{
    if (Wellenlautstaerke* w = Wellenlautstaerke_eingesetzt())
        w->setzen(static_cast<uint16_t>(gepackt & 0xFFFF), static_cast<uint16_t>(gepackt >> 16));
}
