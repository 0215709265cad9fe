#include "core/calibration/auto_kalibrierung.h"

#include "core/acoustics/physik_hoertest.h"

Auto_Kalibrierung Automatik;

namespace
{

using Art = Auto_Aktion::Art;

Auto_Aktion aktion(Art art, int wert = 0)
{
    Auto_Aktion a;
    a.art = art;
    a.wert = wert;
    return a;
}

} // namespace

int Auto_Kalibrierung::naechste_Zeile(int zeile)
{
    if (zeile >= 2 && zeile <= Auto_erste_Zeile)
        return zeile - 1;
    if (zeile == 1)
        return Auto_erste_Zeile + 1;
    if (zeile > Auto_erste_Zeile && zeile < Zeilen)
        return zeile + 1;
    return 0;
}

double Auto_Kalibrierung::Frequenz(int zeile) const
{
    if (zeile < 1 || zeile > Zeilen)
        return 0.0;
    return frequenzen_[size_t(zeile - 1)];
}

void Auto_Kalibrierung::index_bestimmen(int zeile)
{
    const long double f = Frequenz(zeile);
    const int letzter = int(achse_.size()) - 1;
    int k = 1;
    while (k < letzter && achse_[size_t(k)] < f)
        ++k;
    Auto_Bin = letzter >= 1 ? k : 1;
}

void Auto_Kalibrierung::dBA_oder_dB(int zeile, bool& flag) const
{
    flag = Frequenz(zeile) > Auto_dBA_ueber;
}

void Auto_Kalibrierung::Ausgang_auto1_ungenau()
{
    Auto_ungenau.fill(false);
}

void Auto_Kalibrierung::Zeile_vorbereiten(int zeile)
{
    Auto_Zeile = zeile;
    index_bestimmen(zeile);
    dBA_oder_dB(zeile, Auto_dBA);
    Auto_Versuch = 1;
    Auto_Schritt = 1;
    Auto_grob_fertig = false;
}

Auto_Aktionen Auto_Kalibrierung::Auto1_start(const Freqarray& frequenzen,
                                             const std::vector<long double>& frequenzachse)
{
    frequenzen_ = frequenzen;
    achse_ = frequenzachse;
    Auto_laeuft = true;
    Auto_irgendwo_ungenau = false;
    Ausgang_auto1_ungenau();
    Zeile_vorbereiten(Auto_erste_Zeile);
    Auto_Hintergrund = true;
    return {aktion(Art::Pause, Auto_Pause_lang), aktion(Art::Messen)};
}

Auto_Aktionen Auto_Kalibrierung::Auto1_eineFrequenz(const Messergebnis& m)
{
    Auto_Aktionen a;
    if (!Auto_laeuft)
        return a;
    long double L = m.Lges;

    if (Auto_Hintergrund) {
        Hintergrundpegel = double(L);
        Auto_Lautstaerke = Auto_Startlautstaerke;
        a.push_back(aktion(Art::Lautstaerke, Auto_Lautstaerke));
        Pegel_unten = double(L) + 10.0;
        Pegel_oben = double(L) + 20.0;
        Pegel_Ziel = (Pegel_unten + Pegel_oben) / 2.0;
        Auto_Hintergrund = false;
        Auto_Aktion ton = aktion(Art::Ton_starten);
        ton.frequenz = Frequenz(Auto_Zeile);
        a.push_back(ton);
        a.push_back(aktion(Art::Messen));
        return a;
    }

    const bool zu_laut = L > Pegel_oben;
    const bool zu_leise = L < Pegel_unten;
    const bool am_Ende = Auto_Lautstaerke >= Auto_groesste_Lautstaerke && zu_leise;
    if (am_Ende && Auto_Zeile == Auto_erste_Zeile) {
        Auto_laeuft = false;
        a.push_back(aktion(Art::Fehlgeschlagen));
        return a;
    }

    if (Auto_grob_fertig) {
        suche_auto_j(L, m, a);
        if (!Auto_fein_aktiv) {
            Auto_Aktion ergebnis = aktion(Art::Zeile_Ergebnis, Auto_Zeile);
            ergebnis.pegel = double(L);
            ergebnis.ungenau = Auto_ungenau[size_t(Auto_Zeile)];
            ergebnis.dBA = Auto_dBA;
            a.push_back(ergebnis);
            a.push_back(aktion(Art::Pause, Auto_Pause_lang));
            Auto1_naechsteFreq(a);
        }
        return a;
    }

    // Coarse step; the volume is corrected also in the step that ends the
    // coarse search, whose next measurement is the first of the fine search.
    Auto_grob_fertig = Auto_Versuch > Auto_grobe_Versuche || am_Ende || (!zu_laut && !zu_leise);
    ++Auto_Versuch;
    int32_t neu = Auto_Lautstaerke;
    Auto1_Lautstaerke(Auto_Lautstaerke, Auto_groesste_Lautstaerke, neu, double(L), Pegel_Ziel);
    Auto_Lautstaerke = neu;
    a.push_back(aktion(Art::Lautstaerke, Auto_Lautstaerke));
    a.push_back(aktion(Art::Pause, Auto_Pause_kurz));
    a.push_back(aktion(Art::Messen));
    return a;
}

void Auto_Kalibrierung::suche_auto_j(long double& L, const Messergebnis& m, Auto_Aktionen& a)
{
    if (Auto_Schritt == 1) {
        Auto_fein_aktiv = true;
        Auto_Schrittweite = (L - Hintergrundpegel) / Auto_feine_Schritte;
    }
    if (!Auto_fein_aktiv)
        return;
    if (Auto_Schritt < 1 || Auto_Schritt > Auto_feine_Schritte) {
        Auto_fein_aktiv = false;
        return;
    }
    auto_Kalib_record_typ& r = Auto_Messwerte[size_t(Auto_Schritt)];
    r.dBA = double(L);
    r.Delta_dBA = double(m.Differenz);
    r.Echter_Ton = m.echter_Ton;
    r.auto_vol = Auto_Lautstaerke;

    if (m.echter_Ton) {
        Auto_fein_aktiv = false; // this measurement is the row's result
        return;
    }
    if (Auto_Schritt <= Auto_feine_Schritte - 1) {
        const auto_Kalib_record_typ& erster = Auto_Messwerte[1];
        int32_t neu = Auto_Lautstaerke;
        Auto1_Lautstaerke(erster.auto_vol, Auto_groesste_Lautstaerke, neu, erster.dBA,
                          double(erster.dBA - Auto_Schritt * Auto_Schrittweite));
        Auto_Lautstaerke = neu;
        a.push_back(aktion(Art::Lautstaerke, Auto_Lautstaerke));
        a.push_back(aktion(Art::Pause, Auto_Pause_lang));
        Auto_fein_aktiv = true;
        ++Auto_Schritt;
        a.push_back(aktion(Art::Messen));
        return;
    }
    waehle_bestes_j(L, a);
    Auto_fein_aktiv = false;
}

void Auto_Kalibrierung::waehle_bestes_j(long double& L, Auto_Aktionen& a)
{
    std::array<double, Auto_feine_Schritte + 1> r{};
    for (int j = 1; j <= Auto_feine_Schritte; ++j) {
        double d = Auto_Messwerte[size_t(j)].dBA - Hintergrundpegel;
        if (d < 1e-20)
            d = d > 0 ? 1e-20 : 1e-22;
        r[size_t(j)] = Auto_Messwerte[size_t(j)].Delta_dBA / d;
    }
    int best = 1;
    for (int j = 2; j <= Auto_feine_Schritte; ++j)
        if (r[size_t(j)] < r[size_t(best)])
            best = j;
    L = Auto_Messwerte[size_t(best)].dBA;
    Auto_Lautstaerke = Auto_Messwerte[size_t(best)].auto_vol;
    a.push_back(aktion(Art::Lautstaerke, Auto_Lautstaerke));
    if (!(L - Hintergrundpegel >= Auto_genau_ab)) {
        Auto_ungenau[size_t(Auto_Zeile)] = true;
        Auto_irgendwo_ungenau = true;
    }
}

void Auto_Kalibrierung::Auto1_naechsteFreq(Auto_Aktionen& a)
{
    a.push_back(aktion(Art::Ton_beenden));
    const int zeile = naechste_Zeile(Auto_Zeile);
    if (zeile == 0) {
        // Auto_laeuft stays set until the window has carried this out.
        Auto_Aktion fertig = aktion(Art::Fertig);
        fertig.ungenau = Auto_irgendwo_ungenau;
        a.push_back(fertig);
        return;
    }
    Zeile_vorbereiten(zeile);
    Auto_Lautstaerke = Auto_Startlautstaerke;
    a.push_back(aktion(Art::Neue_Zeile, zeile));
    Auto_Hintergrund = true;
    a.push_back(aktion(Art::Pause, Auto_Pause_lang));
    a.push_back(aktion(Art::Messen));
}
