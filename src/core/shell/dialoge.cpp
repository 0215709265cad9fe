#include "core/shell/dialoge.h"

namespace
{
Aufzeichnende_Dialoge& rueckfall()
{
    static Aufzeichnende_Dialoge d;
    return d;
}
Dialoge* aktuelle = nullptr;
} // namespace

Dialoge& dialoge()
{
    return aktuelle ? *aktuelle : rueckfall();
}

void dialoge_setzen(Dialoge* d)
{
    aktuelle = d;
}

Antwort Aufzeichnende_Dialoge::meldung(Symbol symbol, Knoepfe knoepfe, const QString& text,
                                       const QString& titel, Antwort standard)
{
    meldungen.push_back({symbol, knoepfe, text, titel});
    if (antworten.empty())
        return standard;
    const Antwort a = antworten.front();
    antworten.pop_front();
    return a;
}

std::optional<Dateiwahl> Aufzeichnende_Dialoge::datei_oeffnen(const Dateidialog& dialog)
{
    dateidialoge.push_back(dialog);
    if (dateiwahlen.empty())
        return std::nullopt;
    const Dateiwahl w = dateiwahlen.front();
    dateiwahlen.pop_front();
    if (w.pfad.isEmpty())
        return std::nullopt;
    return std::optional<Dateiwahl>(std::in_place, w);
}

std::optional<Dateiwahl> Aufzeichnende_Dialoge::datei_speichern(const Dateidialog& dialog)
{
    return datei_oeffnen(dialog);
}

std::optional<int32_t> Aufzeichnende_Dialoge::farbe_waehlen(int32_t farbe)
{
    farbdialoge.push_back(farbe);
    if (farben.empty())
        return std::nullopt;
    const std::optional<int32_t> w = farben.front();
    farben.pop_front();
    return w;
}

void Aufzeichnende_Dialoge::leeren()
{
    farbdialoge.clear();
    farben.clear();
    meldungen.clear();
    dateidialoge.clear();
    antworten.clear();
    dateiwahlen.clear();
}
