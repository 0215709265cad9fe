#include "core/settings/optionen.h"

#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

#include <QCoreApplication>
#include <QStringList>

QString Text_Frequenz_Eingabefehler()
{
    return QCoreApplication::translate(
        "optionen", "Geben Sie eine natürliche Zahl \rim Bereich zwischen 20 und 20000 ein");
}

bool Frequenzeingabe_richtig(const QString& text)
{
    uint16_t f = 0;
    return Frequenztext_lesen(text, f);
}

std::vector<Doppelte_Frequenz> Doppelte_Frequenzen(const std::array<QString, Zeilen>& texte)
{
    std::vector<Doppelte_Frequenz> doppelte;
    std::array<bool, Zeilen> erfasst{};
    for (int i = 0; i < Zeilen; ++i) {
        uint16_t f = 0;
        if (erfasst[size_t(i)] || !Frequenztext_lesen(texte[size_t(i)], f))
            continue;
        Doppelte_Frequenz d;
        d.frequenz = f;
        d.zeilen.push_back(i + 1);
        for (int j = i + 1; j < Zeilen; ++j) {
            uint16_t g = 0;
            if (!erfasst[size_t(j)] && Frequenztext_lesen(texte[size_t(j)], g) && g == f) {
                erfasst[size_t(j)] = true;
                d.zeilen.push_back(j + 1);
            }
        }
        if (d.zeilen.size() > 1)
            doppelte.push_back(d);
    }
    return doppelte;
}

QString Text_doppelte_Frequenzen(const std::vector<Doppelte_Frequenz>& doppelte)
{
    if (doppelte.empty())
        return {};
    QString t;
    for (const Doppelte_Frequenz& d : doppelte) {
        QStringList zeilen;
        for (int z : d.zeilen)
            zeilen << QStringLiteral("f%1").arg(z, 2, 10, QLatin1Char('0'));
        const QString letzte = zeilen.takeLast();
        //: %1: the frequency; %2: the first rows ("f05, f09"); %3: the last row ("f12").
        t += QCoreApplication::translate("optionen", "Die Frequenz %1 Hz steht in den Zeilen %2 und %3.\r")
                 .arg(QString::number(d.frequenz), zeilen.join(QStringLiteral(", ")), letzte);
    }
    return t + QCoreApplication::translate(
                   "optionen", "Eine doppelte Frequenz wird mehrfach gemessen, und ihre Ergebnisse "
                               "lassen sich in den Tabellen und Schaubildern nicht "
                               "auseinanderhalten.\rMöchten Sie trotzdem speichern?");
}

Optionen_Eingaben Optionen_aus_Einstellungen(const Einstellungstyp& e)
{
    Optionen_Eingaben o;
    for (int i = 0; i < Zeilen; ++i)
        o.frequenzen[size_t(i)] = e.Frequenzen_string[size_t(i)].text();
    o.dateien_behalten = !e.wave_immer_neu;
    o.pulsierend = e.pulsierend != 0;
    o.abnehmend = !e.zunehmend;
    return o;
}

void Optionen_in_Einstellungen(Einstellungstyp& e, const Optionen_Eingaben& ein)
{
    for (int i = 0; i < Zeilen; ++i)
        e.Frequenzen_string[size_t(i)].setzen(ein.frequenzen[size_t(i)]);
    for (int i = 0; i < Zeilen; ++i) {
        uint16_t f = 0;
        if (Frequenztext_lesen(e.Frequenzen_string[size_t(i)].text(), f)) {
            if (f != e.Frequenzen[size_t(i)]) {
                e.Freq_welche_geaendert[size_t(i)] = 1;
                e.Freq_geaendert = 1;
            }
            e.Frequenzen[size_t(i)] = f;
        }
        e.Frequenzen_string[size_t(i)].setzen(QString::number(e.Frequenzen[size_t(i)]));
    }
    if (ein.dateien_behalten) {
        e.wave_immer_neu = 0;
        e.Freq_geaendert = 1;
    } else {
        e.wave_immer_neu = 1;
        alle_wave_loeschen();
    }
    auto alle_markieren = [&] {
        e.Freq_geaendert = 1;
        e.Freq_welche_geaendert.fill(1);
    };
    if (ein.pulsierend != (e.pulsierend != 0)) {
        e.pulsierend = ein.pulsierend ? 1 : 0;
        alle_markieren();
    }
    if (ein.abnehmend != (e.zunehmend == 0)) {
        e.zunehmend = ein.abnehmend ? 0 : 1;
        alle_markieren();
    }
    Tondauer_hundertstel = e.zunehmend ? 1500 : 3000;
}
