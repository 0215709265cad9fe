#include "core/calibration/lauter_ton.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/shell/kvhilf.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>

#include <cmath>

std::optional<double> Pegel_bei(const Eichpunkt& eich, uint32_t V)
{
    if (eich.lautstaerke == 0 || V == 0 || !std::isfinite(eich.pegel_dBA))
        return std::nullopt;
    return eich.pegel_dBA + 20.0 * std::log10(double(V) / double(eich.lautstaerke));
}

Laut_Entscheidung Lauter_Ton_pruefen(uint32_t alt, uint32_t neu, const Eichpunkt& eich)
{
    Laut_Entscheidung d;
    if (neu == 0 || neu <= alt)
        return d;
    d.pegel_dBA = Pegel_bei(eich, neu);
    if (alt > 0)
        d.anstieg_dB = 20.0 * std::log10(double(neu) / double(alt));
    d.fragen = d.anstieg_dB > Laut_Sprung_dB || (d.pegel_dBA && *d.pegel_dBA > Laut_Grenze_dBA);
    return d;
}

Eichpunkt Eichpunkt_der_Zeile(const Einstellungstyp& e, bool links, int zeile)
{
    Eichpunkt p;
    if (zeile < 1 || zeile > Zeilen)
        return p;
    const size_t i = size_t(zeile - 1);
    const int ohr = links ? 0 : 1;
    const long double f = e.Frequenzen[i];
    if (f <= 0)
        return p;
    const auto& volumes = links ? e.Links_Volume1 : e.Rechts_Volume1;
    long double druck = 0;
    uint32_t V = 0;
    if (e.Eichung == Span_nung) {
        const double faktor = links ? e.Um_Fak_U_p_links[i] : e.Um_Fak_U_p_rechts[i];
        druck = e.Spannung1[4 - 3][size_t(ohr)][i] * (long double)faktor;
        V = volumes[4 - 3][i];
    } else {
        const long double L = e.Spannung1[6 - 3][size_t(ohr)][i];
        switch (e.Schallmesser[size_t(ohr)][i]) {
        case 0:
            druck = dB_in_Pa(L);
            break;
        case 1:
            druck = dBA_in_Pa(L, f);
            break;
        case 2:
            druck = dBC_in_Pa(L, f);
            break;
        default:
            druck = L;
            break;
        }
        V = volumes[5 - 3][i];
    }
    if (!(druck > 0) || !std::isfinite(double(druck)) || V == 0)
        return p;
    p.pegel_dBA = double(Pa_in_dBA(druck, f));
    p.lautstaerke = V;
    return p;
}

std::optional<Lautester_Start> Lautester_Anfangspegel(const Einstellungstyp& e)
{
    std::optional<Lautester_Start> s;
    for (const bool links : {true, false}) {
        const auto& volumes = links ? e.Links_Volume1 : e.Rechts_Volume1;
        for (int zeile = 1; zeile <= Zeilen; ++zeile) {
            const auto L = Pegel_bei(Eichpunkt_der_Zeile(e, links, zeile), volumes[0][size_t(zeile - 1)]);
            if (L && (!s || *L > s->pegel_dBA))
                s = Lautester_Start{*L, links, zeile};
        }
    }
    return s;
}

QString Lauter_Ton_Frage(const Laut_Entscheidung& d)
{
    const QString zahl = Zahltext(0, 1, d.pegel_dBA ? *d.pegel_dBA : d.anstieg_dB);
    const QString wert = d.pegel_dBA ? zahl + QStringLiteral(" dB(A)") : QStringLiteral("+") + zahl + QStringLiteral(" dB");
    //: %1 = the level, e.g. "103,5 dB(A)", or the rise, e.g. "+46,0 dB"
    return QCoreApplication::translate("lauter_ton",
                                       "Der Ton wird sehr laut (%1). Kopfhörer absetzen oder fortfahren?")
        .arg(wert);
}

QString Lauter_Ton_Titel()
{
    return QCoreApplication::translate("lauter_ton", "Warnung");
}
