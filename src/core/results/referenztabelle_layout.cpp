#include "core/results/referenztabelle_layout.h"

#include "core/acoustics/kvhoerschwelle.h"
#include "core/results/textdatei.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>

#include <algorithm>

Referenztabelle Referenztabelle_Norm()
{
    Referenztabelle t;
    //: Title of the table in two cells, drawn as one word: "Normhör" + "schwelle" (normal hearing threshold).
    t.titel1 = QCoreApplication::translate("referenztabelle_layout", "Normhör");
    //: Second half of the title "Normhörschwelle".
    t.titel2 = QCoreApplication::translate("referenztabelle_layout", "schwelle");
    t.untertitel1 = QStringLiteral("(ISO 226");
    t.untertitel2 = QStringLiteral(":2003)");
    t.druck_titel = QCoreApplication::translate("referenztabelle_layout", "Normhörschwelle");
    t.druck_untertitel =
        QCoreApplication::translate("referenztabelle_layout", "(Interpolation aus Daten der ISO 226:2003)");
    t.fusszeile = QCoreApplication::translate(
        "referenztabelle_layout",
        "Die obigen Werte wurden durch Interpolation aus den Daten der ISO 226:2003 gewonnen.");
    t.speicher_meldung = QCoreApplication::translate(
        "referenztabelle_layout",
        "Normhörschwelle kann nicht in Tabellenform ausgegeben werden, da Arbeitsspeicher zu klein.");
    t.frequenz = &Tabelle_Frequenz;
    t.pegel = &Tabelle_Hoerschwelle;
    t.erste = Tabelle_Hoerschwelle_erste_Zeile2;
    t.letzte = Tabelle_Hoerschwelle_letzte_Zeile2;
    return t;
}

Referenztabelle Referenztabelle_NulldBA()
{
    Referenztabelle t;
    //: Title of the table in two cells, drawn as one: "0-dB(A)-" + "Werte" (0 dB(A) values).
    t.titel1 = QCoreApplication::translate("referenztabelle_layout", "0-dB(A)-");
    //: Second half of the title "0-dB(A)-Werte".
    t.titel2 = QCoreApplication::translate("referenztabelle_layout", "Werte");
    t.untertitel1 = QStringLiteral("(DIN IEC");
    t.untertitel2 = QStringLiteral(" 651)");
    t.druck_titel = QCoreApplication::translate("referenztabelle_layout", "0-dB(A)-Werte");
    t.druck_untertitel = QStringLiteral("(DIN IEC 651)");
    t.fusszeile = QStringLiteral(" ");
    t.speicher_meldung = QCoreApplication::translate(
        "referenztabelle_layout",
        "NulldBAhörschwelle kann nicht in Tabellenform ausgegeben werden, da Arbeitsspeicher zu klein.");
    t.frequenz = &Tabelle_Frequenz;
    t.pegel = &Tabelle_Null_dBA;
    t.erste = Tabelle_Null_dBA_erste_Zeile2;
    t.letzte = Tabelle_Null_dBA_letzte_Zeile2;
    return t;
}

namespace
{
// Entries that both arrays really hold.
int letzter_eintrag(const Referenztabelle& t)
{
    if (!t.frequenz || !t.pegel)
        return t.erste - 1;
    const int n = int(std::min(t.frequenz->size(), t.pegel->size()));
    return std::min(t.letzte, n - 1);
}
} // namespace

int Referenz_Zeilenzahl(const Referenztabelle& t)
{
    return std::max(0, t.letzte - t.erste) + 12;
}

Gitter Referenz_Bildschirm_Gitter(const Referenztabelle& t)
{
    Gitter g(Referenz_Spalten, Referenz_Zeilenzahl(t));
    g.setzen(0, 0, "    ");
    g.setzen(2, 1, t.titel1);
    g.setzen(3, 1, t.titel2);
    g.setzen(2, 2, t.untertitel1);
    g.setzen(3, 2, t.untertitel2);
    // Column headings, one line a row: "Frequenz f in Hz" and "Schallpegel (dB) in
    // Abhängigkeit von der Frequenz f".
    g.setzen(2, 4, QCoreApplication::translate("referenztabelle_layout", "Frequenz f"));
    g.setzen(3, 4, QCoreApplication::translate("referenztabelle_layout", "Schallpegel (dB)"));
    g.setzen(2, 5, QCoreApplication::translate("referenztabelle_layout", "in Hz"));
    //: Second line of the column heading "Schallpegel (dB) in Abhängigkeit von der Frequenz f".
    g.setzen(3, 5, QCoreApplication::translate("referenztabelle_layout", "in Abhängigkeit "));
    //: Third line of the column heading "Schallpegel (dB) in Abhängigkeit von der Frequenz f".
    g.setzen(3, 6, QCoreApplication::translate("referenztabelle_layout", "von der Frequenz f"));
    const int letzte = letzter_eintrag(t);
    for (int k = t.erste; k <= letzte; ++k) {
        const int r = k - t.erste + Referenz_erste_Datenzeile;
        g.setzen(2, r, QString::number((*t.frequenz)[size_t(k)]));
        g.setzen(3, r, Zahltext(8, 1, (*t.pegel)[size_t(k)]));
    }
    Ideale_Zellenbreiten(g, 1, 2, 0, 7, 0, 8);
    g.breite_setzen(1, 40);
    g.breite_setzen(3, g.breite(2) + 80);
    return g;
}

bool Referenz_Zeile_fett(int zeile)
{
    return zeile == 1 || zeile == 2 || (zeile >= 4 && zeile <= 6);
}

Ausrichtung Referenz_Ausrichtung(int spalte, int zeile)
{
    if (zeile == 1 || zeile == 2) {
        if (spalte == 2)
            return Ausrichtung::Rechts;
        if (spalte == 3)
            return Ausrichtung::Links;
    }
    return Ausrichtung::Zentriert;
}

Gitter Erzeuge_Kopf_stringgrid2(const Gitter& bildschirm)
{
    Gitter k(Referenz_Spalten, Referenz_erste_Datenzeile);
    k.setzen(2, 1, bildschirm.zelle(2, 1) + bildschirm.zelle(3, 1));
    k.setzen(2, 2, bildschirm.zelle(2, 2) + bildschirm.zelle(3, 2));
    for (int r = 4; r <= 6; ++r)
        for (int c = 1; c <= 3; ++c)
            k.setzen(c, r, bildschirm.zelle(c, r));
    for (int c = 0; c < Referenz_Spalten; ++c)
        if (!bildschirm.zelle(c, 7).isEmpty())
            k.setzen(c, 7, bildschirm.zelle(c, 7));
    return k;
}

Gitter Erzeuge_Kopf_stringgrid2_druck(const Gitter& bildschirm, const Referenztabelle& t)
{
    Gitter k = Erzeuge_Kopf_stringgrid2(bildschirm);
    k.setzen(2, 1, t.druck_titel);
    k.setzen(2, 2, t.druck_untertitel);
    return k;
}

Blatt Referenz_Excel_Blatt(const Referenztabelle& t, const Gitter& bildschirm)
{
    Blatt b;
    const Gitter kopf = Erzeuge_Kopf_stringgrid2(bildschirm);
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 3; ++c)
            if (!kopf.zelle(c, r).isEmpty())
                b.push_back(Blattzelle::Text(c, r, kopf.zelle(c, r)));
    const int letzte = letzter_eintrag(t);
    int r = Referenz_erste_Datenzeile - 1;
    for (int k = t.erste; k <= letzte; ++k) {
        r = k - t.erste + Referenz_erste_Datenzeile;
        b.push_back(Blattzelle::Ganzzahl(2, r, (*t.frequenz)[size_t(k)]));
        b.push_back(Blattzelle::Zahl(3, r, double(Rundenauf(-1, (*t.pegel)[size_t(k)]))));
    }
    b.push_back(Blattzelle::Text(1, r + 2, t.fusszeile));
    return b;
}

QStringList Referenz_txt_zeilen(const Referenztabelle& t, const Gitter& bildschirm)
{
    Gitter kopf = Erzeuge_Kopf_stringgrid2(bildschirm);
    const int breiten[Referenz_Spalten] = {1, 1, 5, 10};
    for (int c = 0; c < Referenz_Spalten; ++c)
        kopf.breite_setzen(c, breiten[c]);
    return Stringgrid_txt_zeilen(kopf, bildschirm, t.fusszeile);
}

Druckauftrag Referenz_Druckplan(const Referenztabelle& t, const Gitter& bildschirm, int seitenbreite,
                                int seitenhoehe)
{
    Gitter kopf = Erzeuge_Kopf_stringgrid2_druck(bildschirm, t);
    // Columns 2 and 3 sized from the screen table's rows 1..15 at 7 units per
    // character; then all three data columns take the width of column 2.
    Gitter mass = bildschirm;
    Ideale_Zellenbreiten(mass, 2, 3, 1, 15, -5, 7);
    for (int c = 1; c <= 3; ++c)
        kopf.breite_setzen(c, mass.breite(2));
    kopf.breite_setzen(0, 200);
    kopf.breite_setzen(1, 100);
    return Druckplan_zwei_Gitter(kopf, bildschirm, true, seitenbreite, seitenhoehe);
}

bool Referenz_Excel(const Referenztabelle& t, const Gitter& bildschirm, const QString& pfad)
{
    if (Blatt_schreiben(Referenz_Excel_Blatt(t, bildschirm), pfad))
        return true;
    Fehler_bei_abspeichern();
    return false;
}

bool Referenz_txt(const Referenztabelle& t, const Gitter& bildschirm, const QString& pfad)
{
    if (Textzeilen_schreiben(Referenz_txt_zeilen(t, bildschirm), pfad))
        return true;
    Fehler_bei_abspeichern();
    return false;
}
