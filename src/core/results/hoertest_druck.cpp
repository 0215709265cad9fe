#include "core/results/hoertest_druck.h"

#include "core/tones/tongesetz.h"

#include <algorithm>
#include <cmath>

std::array<double, 43> Hoertest_Druck{};
std::array<QString, 43> Hoertest_Druck_string{};
std::array<Tonende, 43> Hoertest_nach_Tonende{};
std::array<double, 43> Hoertest_Ruhepegel{};
int32_t Farben_Messung[3][22]{};
std::array<std::optional<Uebernommene_Ergebnisse>, 2> Hoertest_uebernommen{};
QString Testperson_Name;

Tonende Tonende_bei(double t_s, bool zunehmend)
{
    const double laenge_ms = zunehmend ? 15000.0 : 30000.0;
    // Half a millisecond of tolerance absorbs the conversion from frames.
    if (!(t_s * 1000.0 >= laenge_ms - 0.5))
        return Tonende::waehrend;
    return zunehmend ? Tonende::nach_zunehmendem : Tonende::nach_abnehmendem;
}

bool Ohr_Ergebnisse::leer() const
{
    return std::none_of(druck.begin(), druck.end(), [](double p) { return p != 0.0; });
}

Ohr_Ergebnisse Ohr_Ergebnisse_holen(bool links)
{
    Ohr_Ergebnisse e;
    for (int zeile = 1; zeile <= Anzahl_Zeilen; ++zeile) {
        const size_t i = size_t(Druck_index(links, zeile));
        const size_t k = size_t(zeile - 1);
        e.druck[k] = Hoertest_Druck[i];
        e.texte[k] = Hoertest_Druck_string[i];
        e.tonende[k] = Hoertest_nach_Tonende[i];
        e.ruhepegel[k] = Hoertest_Ruhepegel[i];
        e.farben[k] = Farben_Messung[links ? 1 : 2][zeile];
    }
    return e;
}

void Ohr_Ergebnisse_setzen(bool links, const Ohr_Ergebnisse& e)
{
    for (int zeile = 1; zeile <= Anzahl_Zeilen; ++zeile) {
        const size_t i = size_t(Druck_index(links, zeile));
        const size_t k = size_t(zeile - 1);
        Hoertest_Druck[i] = e.druck[k];
        Hoertest_Druck_string[i] = e.texte[k];
        Hoertest_nach_Tonende[i] = e.tonende[k];
        Hoertest_Ruhepegel[i] = e.ruhepegel[k];
        Farben_Messung[links ? 1 : 2][zeile] = e.farben[k];
    }
}

std::optional<double> Unter_Stufe_ab_s(uint32_t volumen)
{
    if (volumen >= 65535)
        return std::nullopt;
    long double k = 0;
    Hochzahl_von_abnehmend(3000, k);
    // 32700 e^(-k t) * volumen / 65535 < 1
    const long double spitze_am_Anfang = 32700.0L * (long double)(volumen) / 65535.0L;
    if (!(spitze_am_Anfang > 1.0L))
        return 0.0;
    return double(std::log(spitze_am_Anfang) / k);
}

Stopp_Bewertung Stopp_bewerten(double t_s, bool zunehmend, uint32_t volumen)
{
    if (!zunehmend)
        if (const auto stufe = Unter_Stufe_ab_s(volumen); stufe && t_s >= *stufe)
            return {*stufe, Tonende::unter_Stufe};
    return {t_s, Tonende_bei(t_s, zunehmend)};
}

QString Grenzzeichen(Tonende t)
{
    switch (t) {
    case Tonende::nach_abnehmendem:
        return QStringLiteral("≤");
    case Tonende::nach_zunehmendem:
    case Tonende::unter_Stufe:
        return QStringLiteral("≥");
    case Tonende::waehrend:
        break;
    }
    return {};
}

QString Mit_Grenzzeichen(const QString& wert, Tonende t)
{
    const QString zeichen = Grenzzeichen(t);
    if (zeichen.isEmpty())
        return wert;
    return (zeichen + u' ' + wert.trimmed()).rightJustified(wert.size(), u' ');
}

void Druck_string_null(bool links)
{
    Hoertest_uebernommen[links ? 0 : 1].reset();
    for (int zeile = 1; zeile <= Anzahl_Zeilen; ++zeile) {
        Hoertest_Druck_string[Druck_index(links, zeile)] = QStringLiteral(" ");
        Hoertest_Druck[Druck_index(links, zeile)] = 0.0;
        Hoertest_nach_Tonende[Druck_index(links, zeile)] = Tonende::waehrend;
        Hoertest_Ruhepegel[Druck_index(links, zeile)] = 0.0;
    }
    // The name belongs to the results: with the last of them it goes too.
    if (Ohr_Ergebnisse_holen(!links).leer())
        Testperson_Name.clear();
}

void Farben_Messung_grau(int ohr)
{
    if (ohr < 1 || ohr > 2)
        return;
    for (int zeile = 1; zeile <= Anzahl_Zeilen; ++zeile)
        Farben_Messung[ohr][zeile] = Farbe_Buttonface;
}

void Druck_string_start()
{
    Druck_string_null(true);
    Druck_string_null(false);
}

void Farben_Messung_Start()
{
    Farben_Messung_grau(1);
    Farben_Messung_grau(2);
}
