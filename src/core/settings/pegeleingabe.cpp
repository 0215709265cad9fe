#include "core/settings/pegeleingabe.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/frequenzgang.h"
#include "core/shell/kvhilf.h"

#include <QCoreApplication>

QString Text_Dezibel_Eingabefehler()
{
    return QCoreApplication::translate("pegeleingabe",
                                       "Geben Sie eine Zahl im Bereich \r zwischen 0 und 120 ein");
}

QString Text_Pegel_Eingabefehler()
{
    return QCoreApplication::translate("pegeleingabe",
                                       "Geben Sie eine Zahl im Bereich \r zwischen -20 und 150 ein");
}

QString Text_Spannung_Eingabefehler()
{
    return QCoreApplication::translate("pegeleingabe",
                                       "Geben Sie eine Zahl größer als 0 \r und höchstens 10000 (mV) ein");
}

int Kalibrierart(uint8_t modus, Eichungstyp eichung)
{
    switch (modus) {
    case 0:
    case 1:
        return eichung == Schall_messer ? 5 : 3;
    case 2:
        return 4;
    default:
        return 6;
    }
}

int Lautstaerkegruppe(uint8_t modus)
{
    switch (modus) {
    case 0:
    case 1:
        return 3;
    case 2:
        return 4;
    default:
        return 5;
    }
}

bool Dezibeleingabe_richtig(const QString& text)
{
    double d = 0;
    bool ok = false;
    StringzuDouble(text, d, ok);
    return ok && d >= Kleinster_Pegel_1000Hz && d <= Groesster_Pegel_1000Hz;
}

QString Zeileneingabe_Fehlertext(uint8_t modus, const QString& text)
{
    if (modus < 1 || modus > 3)
        return {};
    double d = 0;
    bool ok = false;
    StringzuDouble(text, d, ok);
    if (!ok)
        return Text_Zahl_Eingabefehler();
    if (modus == 2 && !Eichspannung_gueltig(d))
        return Text_Spannung_Eingabefehler();
    if (modus == 3 && !Eichpegel_gueltig(d))
        return Text_Pegel_Eingabefehler();
    return {};
}

namespace
{

// Stores a text (30 characters); when it is a number for which `gueltig`
// holds, gives the number and stores the text with a decimal comma.
bool Zahltext_speichern(Kurztext<30>& ziel, const QString& text, double& zahl, bool (*gueltig)(double))
{
    ziel.setzen(text);
    QString t = ziel.text();
    double d = 0;
    bool ok = false;
    StringzuDouble(t, d, ok);
    if (!ok || !gueltig(d))
        return false;
    zahl = d;
    PunktzuKomma(t);
    ziel.setzen(t);
    return true;
}

void Mikrofonfaktoren(Einstellungstyp& e, bool links)
{
    if (links) {
        Umrechnungsfaktor_U_p_1000(e.Um_Fak_U_p_1000_links, e.dB_1000Hz_links, Spannung(e, 4, 0, 5));
        for (int i = 1; i <= Zeilen; ++i)
            Umrechnungsfaktoren_U_p(i, e.Um_Fak_U_p_links, e.Frequenzgang, e.Um_Fak_U_p_1000_links);
    } else {
        Umrechnungsfaktor_U_p_1000(e.Um_Fak_U_p_1000_rechts, e.dB_1000Hz_rechts, Spannung(e, 4, 1, 5));
        for (int i = 1; i <= Zeilen; ++i)
            Umrechnungsfaktoren_U_p(i, e.Um_Fak_U_p_rechts, e.Frequenzgang, e.Um_Fak_U_p_1000_rechts);
    }
}

} // namespace

void Messfenster_in_Einstellungen(Einstellungstyp& e, const Messfenster_Eingaben& ein,
                                  const uint32_t (&lautstaerken)[22])
{
    const int s = Kalibrierart(ein.modus, e.Eichung);
    const int v = Lautstaerkegruppe(ein.modus);
    const int ohr = ein.links ? 0 : 1;
    if (ein.modus == 2) {
        if (ein.links)
            Zahltext_speichern(e.db_1000Hz_l_string, ein.pegel_1000, e.dB_1000Hz_links, Pegel_1000Hz_gueltig);
        else
            Zahltext_speichern(e.db_1000Hz_r_string, ein.pegel_1000, e.dB_1000Hz_rechts,
                               Pegel_1000Hz_gueltig);
    }
    std::array<bool, Zeilen> uebernommen;
    uebernommen.fill(true);
    if (ein.modus >= 2 && ein.modus <= 4) {
        bool (*gueltig)(double) = s == 4 ? Eichspannung_gueltig : Eichpegel_gueltig;
        for (int i = 1; i <= Zeilen; ++i)
            uebernommen[size_t(i - 1)] = Zahltext_speichern(
                Spannung_string(e, s, ohr, i), ein.werte[size_t(i - 1)], Spannung(e, s, ohr, i), gueltig);
    }
    for (int i = 1; i <= Zeilen; ++i)
        if (uebernommen[size_t(i - 1)] && Lautstaerke_gueltig(lautstaerken[i]))
            (ein.links ? Links_Volume(e, v, i) : Rechts_Volume(e, v, i)) = lautstaerken[i];
    // The unit belongs to the level: it changes only with it.
    if (ein.modus == 3 || ein.modus == 4)
        for (int i = 1; i <= Zeilen; ++i) {
            const int32_t einheit = ein.einheiten[size_t(i - 1)];
            if (uebernommen[size_t(i - 1)] && einheit >= 0 && einheit <= Groesste_Einheit)
                e.Schallmesser[size_t(ohr)][size_t(i - 1)] = einheit;
        }
    if (s == 3 || s == 4)
        Mikrofonfaktoren(e, ein.links);
}

void Ohr_uebernehmen(Einstellungstyp& e, uint8_t modus, bool ziel_links, uint32_t (&links)[6][22],
                     uint32_t (&rechts)[6][22])
{
    const int s = Kalibrierart(modus, e.Eichung);
    const int v = Lautstaerkegruppe(modus);
    const int ziel = ziel_links ? 0 : 1;
    const int quelle = 1 - ziel;
    for (int i = 1; i <= Zeilen; ++i) {
        if (ziel_links)
            Links_Volume(e, v, i) = Rechts_Volume(e, v, i);
        else
            Rechts_Volume(e, v, i) = Links_Volume(e, v, i);
        Spannung(e, s, ziel, i) = Spannung(e, s, quelle, i);
        Spannung_string(e, s, ziel, i) = Spannung_string(e, s, quelle, i);
        e.Schallmesser[size_t(ziel)][size_t(i - 1)] = e.Schallmesser[size_t(quelle)][size_t(i - 1)];
    }
    for (int i = 0; i <= Zeilen; ++i) {
        if (ziel_links)
            links[v][i] = rechts[v][i];
        else
            rechts[v][i] = links[v][i];
    }
    if (modus == 2) {
        if (ziel_links) {
            e.dB_1000Hz_links = e.dB_1000Hz_rechts;
            e.Um_Fak_U_p_links = e.Um_Fak_U_p_rechts;
            e.db_1000Hz_l_string = e.db_1000Hz_r_string;
        } else {
            e.dB_1000Hz_rechts = e.dB_1000Hz_links;
            e.Um_Fak_U_p_rechts = e.Um_Fak_U_p_links;
            e.db_1000Hz_r_string = e.db_1000Hz_l_string;
        }
    }
    Messungen_in_Anfangslautstaerke(true, e);
    Messungen_in_Anfangslautstaerke(false, e);
}
