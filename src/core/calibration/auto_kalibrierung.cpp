#include "core/calibration/auto_kalibrierung.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/wertebereiche.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

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

Auto_Meldung Auto_Fehlermeldung(Auto_Fehler fehler)
{
    switch (fehler) {
    case Auto_Fehler::Messung_ungueltig:
        return {QCoreApplication::translate(
                    "auto_kalibrierung",
                    "Die Messung hat keinen gültigen Schallpegel ergeben. Bitte lesen Sie die "
                    "Einstellungsdatei des Schallpegelmessers erneut ein und führen Sie danach die "
                    "Kalibrierung erneut durch."),
                QCoreApplication::translate("auto_kalibrierung", "Fehler")};
    case Auto_Fehler::keine_Aufnahme:
        return {QCoreApplication::translate(
                    "auto_kalibrierung",
                    "Von der Audioaufnahme kommen keine Daten mehr. Ist das Mikrofon noch "
                    "angeschlossen? Bitte prüfen Sie das Mikrofon und führen Sie danach die "
                    "Kalibrierung erneut durch."),
                QCoreApplication::translate("auto_kalibrierung", "Audiofehler")};
    case Auto_Fehler::Mikrofon:
        break;
    }
    return {QCoreApplication::translate(
                "auto_kalibrierung",
                "Das Mikrofon oder der Kopfhörer sind nicht richtig eingesteckt oder der "
                "Lautstärke- oder Empfindlichkeitsregler ist nicht ganz aufgedreht. Bitte "
                "beheben Sie den Fehler und führen Sie danach die Kalibrierung erneut durch."),
            QCoreApplication::translate("auto_kalibrierung", "Fehler")};
}

Auto_Meldung Auto_Kalibrierung::Schlussmeldung() const
{
    if (!Auto_irgendwo_ungenau)
        return {QCoreApplication::translate(
                    "auto_kalibrierung",
                    "Die Kalibrierung wurde erfolgreich abgeschlolssen. Die Daten können nun "
                    "gespeichert werden."),
                QCoreApplication::translate("auto_kalibrierung", "Erfolgsmeldung")};
    QStringList uebersteuert;
    for (int zeile = 1; zeile <= Zeilen; ++zeile)
        if (Auto_uebersteuert[size_t(zeile)])
            uebersteuert << QStringLiteral("%1 Hz").arg(Frequenz(zeile), 0, 'f', 0);
    QString text = QCoreApplication::translate(
        "auto_kalibrierung", "Die gelb unterlegten Frequenzen konnten nicht genau kalibriert werden. ");
    if (!uebersteuert.isEmpty())
        text += QCoreApplication::translate(
                    "auto_kalibrierung",
                    "Bei %1 war die Aufnahme übersteuert: Drehen Sie den Aufnahme- oder "
                    "Empfindlichkeitsregler des Mikrofons etwas zurück und wiederholen Sie die "
                    "Kalibrierung. ")
                    .arg(uebersteuert.join(QStringLiteral(", ")));
    text += QCoreApplication::translate(
        "auto_kalibrierung",
        "Ist der Windows-Lautstärkeregler voll aufgedreht? Fall dies nicht der Fall ist, "
        "könnten Sie durch Aufdrehen des Lautstärkereglers und anschließender Wiederholung "
        "der Kalibrierung eventuell eine Verbesserung erreichen. Die Ergebnisse der "
        "Kalibrierung können nun gespeichert werden.");
    return {text, QCoreApplication::translate("auto_kalibrierung", "Information")};
}

Auto_Aktionen Auto_Kalibrierung::fehlgeschlagen(Auto_Fehler fehler)
{
    Auto_laeuft = false;
    Auto_Aktion a = aktion(Art::Fehlgeschlagen);
    a.fehler = fehler;
    return {a};
}

Auto_Aktionen Auto_Kalibrierung::Aufnahme_ausgefallen()
{
    if (!Auto_laeuft)
        return {};
    return fehlgeschlagen(Auto_Fehler::keine_Aufnahme);
}

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
    Auto_uebersteuert.fill(false);
    Zeile_vorbereiten(Auto_erste_Zeile);
    Auto_Hintergrund = true;
    return {aktion(Art::Pause, Auto_Pause_lang), aktion(Art::Messen)};
}

Auto_Aktionen Auto_Kalibrierung::Auto1_eineFrequenz(const Messergebnis& m)
{
    Auto_Aktionen a;
    if (!Auto_laeuft)
        return a;
    // A level that is no number (a broken weight table) is a failed
    // measurement: it is never shown, stored or used to set a volume.
    if (!std::isfinite(m.Lges) || !std::isfinite(m.Differenz))
        return fehlgeschlagen(Auto_Fehler::Messung_ungueltig);
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

    // An overdriven recording reads too low: it counts as too loud.
    const bool zu_laut = L > Pegel_oben || m.uebersteuert;
    const bool zu_leise = L < Pegel_unten && !m.uebersteuert;
    const bool ganz_laut = Auto_Lautstaerke >= Auto_groesste_Lautstaerke;
    const bool am_Ende = ganz_laut && zu_leise;
    // Row 5 must reach the coarse window; on every row the largest volume
    // must give a tone clearly above the background, or nothing would come
    // of further measurements at full volume.
    if ((am_Ende && Auto_Zeile == Auto_erste_Zeile) ||
        (ganz_laut && !m.uebersteuert && !(L - Hintergrundpegel >= Auto_klar_ueber)))
        return fehlgeschlagen(Auto_Fehler::Mikrofon);

    if (Auto_grob_fertig) {
        suche_auto_j(L, m, a);
        if (!Auto_fein_aktiv) {
            // What is shown is what "Speichern" stores: a level a
            // calibration can hold, or none.
            if (!Eichpegel_gueltig(double(L)))
                return fehlgeschlagen(Auto_Fehler::Messung_ungueltig);
            Auto_Aktion ergebnis = aktion(Art::Zeile_Ergebnis, Auto_Zeile);
            ergebnis.pegel = double(L);
            ergebnis.ungenau = Auto_ungenau[size_t(Auto_Zeile)];
            ergebnis.uebersteuert = Auto_uebersteuert[size_t(Auto_Zeile)];
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
    if (m.uebersteuert)
        neu = std::max<int32_t>(1, std::min(neu, Auto_Lautstaerke / 2));
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
    r.Echter_Ton = m.echter_Ton && !m.uebersteuert;
    r.auto_vol = Auto_Lautstaerke;
    r.uebersteuert = m.uebersteuert;

    if (r.Echter_Ton) {
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
    // An overdriven measurement only when all five are.
    const auto besser = [&](int j, int best) {
        const auto& x = Auto_Messwerte[size_t(j)];
        const auto& b = Auto_Messwerte[size_t(best)];
        if (x.uebersteuert != b.uebersteuert)
            return !x.uebersteuert;
        return r[size_t(j)] < r[size_t(best)];
    };
    int best = 1;
    for (int j = 2; j <= Auto_feine_Schritte; ++j)
        if (besser(j, best))
            best = j;
    L = Auto_Messwerte[size_t(best)].dBA;
    Auto_Lautstaerke = Auto_Messwerte[size_t(best)].auto_vol;
    a.push_back(aktion(Art::Lautstaerke, Auto_Lautstaerke));
    if (Auto_Messwerte[size_t(best)].uebersteuert)
        Auto_uebersteuert[size_t(Auto_Zeile)] = true;
    if (!(L - Hintergrundpegel >= Auto_genau_ab) || Auto_uebersteuert[size_t(Auto_Zeile)]) {
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
        fertig.uebersteuert =
            std::find(Auto_uebersteuert.begin(), Auto_uebersteuert.end(), true) != Auto_uebersteuert.end();
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
