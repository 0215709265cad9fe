#include "core/calibration/bezugshoerer.h"

#include "core/acoustics/kvhoerschwelle.h"
#include "core/shell/kvhilf.h"

#include <algorithm>
#include <cmath>

namespace
{

double Anfangsdruck(const Einstellungstyp& e, bool links, int zeile)
{
    const int art = e.Eichung == Span_nung ? 3 : 5;
    return e.Spannung1[size_t(art - 3)][links ? 0 : 1][size_t(zeile - 1)];
}

uint32_t Startlautstaerke(const Einstellungstyp& e, bool links, int zeile)
{
    return (links ? e.Links_Volume1 : e.Rechts_Volume1)[0][size_t(zeile - 1)];
}

} // namespace

Bezugshoerer_Luecke Bezugshoerer_Zeile_pruefen(const std::array<double, 43>& druck,
                                               const std::array<Tonende, 43>& nach_tonende,
                                               const Einstellungstyp& e, bool links, int zeile)
{
    const size_t k = size_t(Druck_index(links, zeile));
    if (!(druck[k] > 1e-15) || !std::isfinite(druck[k]))
        return Bezugshoerer_Luecke::nicht_gemessen;
    if (nach_tonende[k] != Tonende::waehrend)
        return Bezugshoerer_Luecke::nach_Tonende;
    const double f = e.Frequenzen[size_t(zeile - 1)];
    if (!(f > 0) || f > Bezugshoerer_hoechste_Frequenz)
        return Bezugshoerer_Luecke::ohne_Normschwelle;
    const double P = Anfangsdruck(e, links, zeile);
    if (!(P > 0) || !std::isfinite(P) || Startlautstaerke(e, links, zeile) == 0)
        return Bezugshoerer_Luecke::ohne_Eichung;
    return Bezugshoerer_Luecke::keine;
}

Bezugshoerer_Lauf Bezugshoerer_auswerten(const std::array<double, 43>& druck,
                                         const std::array<Tonende, 43>& nach_tonende, const Einstellungstyp& e)
{
    Bezugshoerer_Lauf lauf;
    for (const bool links : {true, false})
        for (int zeile = 1; zeile <= Zeilen; ++zeile) {
            if (Bezugshoerer_Zeile_pruefen(druck, nach_tonende, e, links, zeile) != Bezugshoerer_Luecke::keine)
                continue;
            const long double r = druck[size_t(Druck_index(links, zeile))] / (long double)Anfangsdruck(e, links, zeile);
            const long double iso = Hoerschwelle_Funktion(e.Frequenzen[size_t(zeile - 1)]);
            const long double start = iso - 20.0L * std::log10(r);
            lauf.k[links ? 0 : 1][size_t(zeile - 1)] =
                double(start - 20.0L * std::log10((long double)Startlautstaerke(e, links, zeile)));
        }
    return lauf;
}

Bezugshoerer_Ergebnis Bezugshoerer_mitteln(const std::vector<Bezugshoerer_Lauf>& laeufe)
{
    Bezugshoerer_Ergebnis r;
    for (size_t ohr = 0; ohr < 2; ++ohr)
        for (size_t i = 0; i < size_t(Zeilen); ++i) {
            Bezugshoerer_Wert& w = r.werte[ohr][i];
            double summe = 0;
            double klein = 0;
            double gross = 0;
            for (const Bezugshoerer_Lauf& l : laeufe) {
                const auto& k = l.k[ohr][i];
                if (!k)
                    continue;
                klein = w.anzahl == 0 ? *k : std::min(klein, *k);
                gross = w.anzahl == 0 ? *k : std::max(gross, *k);
                summe += *k;
                ++w.anzahl;
            }
            if (w.anzahl == 0)
                continue;
            w.k = summe / w.anzahl;
            w.streuung_dB = gross - klein;
            w.uneinig = w.streuung_dB > Bezugshoerer_Streuung_Grenze_dB;
        }
    return r;
}

std::optional<double> Bezugshoerer_Pegel(const Bezugshoerer_Wert& w, uint32_t V3)
{
    if (!w.k || V3 == 0)
        return std::nullopt;
    return *w.k + 20.0 * std::log10(double(V3));
}

int Bezugshoerer_eintragen(Einstellungstyp& e, bool links, const Bezugshoerer_Ergebnis& r,
                           uint32_t (&arbeitslautstaerken)[6][22])
{
    const int ohr = links ? 0 : 1;
    int geschrieben = 0;
    for (int zeile = 1; zeile <= Zeilen; ++zeile) {
        const uint32_t V3 = Startlautstaerke(e, links, zeile);
        const auto L = Bezugshoerer_Pegel(r.werte[size_t(ohr)][size_t(zeile - 1)], V3);
        if (!L)
            continue;
        Spannung(e, 6, ohr, zeile) = *L;
        Spannung_string(e, 6, ohr, zeile).setzen(extendedzustring(1, 2, *L).trimmed());
        e.Schallmesser[size_t(ohr)][size_t(zeile - 1)] = 0;
        (links ? Links_Volume(e, 5, zeile) : Rechts_Volume(e, 5, zeile)) = V3;
        arbeitslautstaerken[5][zeile] = V3;
        ++geschrieben;
    }
    return geschrieben;
}
