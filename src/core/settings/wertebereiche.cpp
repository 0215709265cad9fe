#include "core/settings/wertebereiche.h"

#include <cmath>

bool Frequenztext_lesen(const QString& text, uint16_t& f)
{
    const QString t = text.trimmed();
    // Five digits reach 99999: no overflow, and 20000 is the largest anyway.
    if (t.isEmpty() || t.size() > 5)
        return false;
    int wert = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        wert = wert * 10 + (c.unicode() - '0');
    }
    if (wert < Kleinste_Testfrequenz || wert > Groesste_Testfrequenz)
        return false;
    f = uint16_t(wert);
    return true;
}

bool Eichpegel_gueltig(double L)
{
    return std::isfinite(L) && L >= Kleinster_Eichpegel_dB && L <= Groesster_Eichpegel_dB;
}

bool Eichspannung_gueltig(double U)
{
    return std::isfinite(U) && U > 0.0 && U <= Groesste_Eichspannung_mV;
}

bool Pegel_1000Hz_gueltig(double L)
{
    return std::isfinite(L) && L >= Kleinster_Pegel_1000Hz && L <= Groesster_Pegel_1000Hz;
}

bool Lautstaerke_gueltig(uint32_t volume)
{
    return volume <= Groesste_Lautstaerke;
}

namespace
{

bool flag_gueltig(uint8_t b)
{
    return b <= 1;
}

bool endlich_nicht_negativ(double x)
{
    return std::isfinite(x) && x >= 0.0;
}

QString feld(const char* name, size_t i)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i + 1);
}

// Checks every element of an array; the name of the first that fails.
template <typename A, typename P> QString erstes_falsches(const char* name, const A& a, P gueltig)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (!gueltig(a[i]))
            return feld(name, i);
    return {};
}

bool frequenz_gueltig(uint16_t f)
{
    return f >= Kleinste_Testfrequenz && f <= Groesste_Testfrequenz;
}

bool einheit_gueltig(int32_t e)
{
    return e >= 0 && e <= Groesste_Einheit;
}

// Frequencies, tone flags, calibration kind and units: the fields that the
// settings and the base settings share.
template <typename R> QString gemeinsame_Felder(const R& r)
{
    QString f;
    if (!(f = erstes_falsches("Frequenzen", r.Frequenzen, frequenz_gueltig)).isEmpty())
        return f;
    if (!flag_gueltig(r.wave_immer_neu))
        return QStringLiteral("wave_immer_neu");
    if (!flag_gueltig(r.Freq_geaendert))
        return QStringLiteral("Freq_geaendert");
    if (!(f = erstes_falsches("Freq_welche_geaendert", r.Freq_welche_geaendert, flag_gueltig)).isEmpty())
        return f;
    if (!flag_gueltig(r.pulsierend))
        return QStringLiteral("pulsierend");
    if (!flag_gueltig(r.zunehmend))
        return QStringLiteral("zunehmend");
    if (uint8_t(r.Eichung) > 1)
        return QStringLiteral("Eichung");
    for (size_t ohr = 0; ohr < 2; ++ohr)
        if (!(f = erstes_falsches(ohr == 0 ? "Schallmesser_links" : "Schallmesser_rechts",
                                  r.Schallmesser[ohr], einheit_gueltig))
                 .isEmpty())
            return f;
    return {};
}

} // namespace

QString Einstellungen_ungueltiges_Feld(const Einstellungstyp& e)
{
    QString f;
    for (size_t g = 0; g < 3; ++g) {
        if (!(f = erstes_falsches("Rechts_Volume", e.Rechts_Volume1[g], Lautstaerke_gueltig)).isEmpty())
            return f;
        if (!(f = erstes_falsches("Links_Volume", e.Links_Volume1[g], Lautstaerke_gueltig)).isEmpty())
            return f;
    }
    static const char* const namen[4] = {"Anfangsdruck_Spannung", "Spannung", "Anfangsdruck_Schallpegel",
                                         "Pegel"};
    for (size_t art = 0; art < 4; ++art) {
        bool (*gueltig)(double) = endlich_nicht_negativ;
        if (art + 3 == 4)
            gueltig = Eichspannung_gueltig;
        else if (art + 3 == 6)
            gueltig = Eichpegel_gueltig;
        for (size_t ohr = 0; ohr < 2; ++ohr)
            if (!(f = erstes_falsches(namen[art], e.Spannung1[art][ohr], gueltig)).isEmpty())
                return f;
    }
    if (!Pegel_1000Hz_gueltig(e.dB_1000Hz_links))
        return QStringLiteral("dB_1000Hz_links");
    if (!Pegel_1000Hz_gueltig(e.dB_1000Hz_rechts))
        return QStringLiteral("dB_1000Hz_rechts");
    if (!endlich_nicht_negativ(e.Um_Fak_U_p_1000_links))
        return QStringLiteral("Um_Fak_U_p_1000_links");
    if (!endlich_nicht_negativ(e.Um_Fak_U_p_1000_rechts))
        return QStringLiteral("Um_Fak_U_p_1000_rechts");
    if (!(f = erstes_falsches("Um_Fak_U_p_links", e.Um_Fak_U_p_links, endlich_nicht_negativ)).isEmpty())
        return f;
    if (!(f = erstes_falsches("Um_Fak_U_p_rechts", e.Um_Fak_U_p_rechts, endlich_nicht_negativ)).isEmpty())
        return f;
    if (!(f = gemeinsame_Felder(e)).isEmpty())
        return f;
    return erstes_falsches("Frequenzgang", e.Frequenzgang, [](double g) { return std::isfinite(g); });
}

QString Grundeinstellungen_ungueltiges_Feld(const Grundeinstellungstyp& g)
{
    return gemeinsame_Felder(g);
}
