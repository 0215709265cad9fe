#include "core/results/druckplan.h"

#include <QCoreApplication>

#include <algorithm>

namespace
{
Druckelement text(int x, int y, const QString& t, int schrift, bool fett, bool zentriert)
{
    Druckelement e;
    e.x = x;
    e.y = y;
    e.text = t;
    e.schrift = schrift;
    e.fett = fett;
    e.zentriert = zentriert;
    return e;
}

Druckelement linie(int x1, int x2, int y, int stift)
{
    Druckelement e;
    e.art = Druckelement::Art::Linie;
    e.x = x1;
    e.x2 = x2;
    e.y = y;
    e.stiftbreite = stift;
    return e;
}

QString seitentext(int p, int n)
{
    //: Page number of a printout: %1 this page, %2 the number of pages.
    return QCoreApplication::translate("druckplan", "Seite: %1 von %2")
        .arg(QString::number(p), QString::number(n));
}

// Prints the non-empty cells of one row at the column positions of `format`.
void zeile_drucken(Druckseite& s, const Gitter& format, const Gitter& daten, int zeile, int y, int schrift,
                   bool fett)
{
    int x = 0;
    for (int c = 0; c < format.spalten(); ++c) {
        const QString t = daten.zelle(c, zeile);
        if (!t.isEmpty())
            s.elemente.push_back(text(x, y, t, schrift, fett, false));
        x += format.breite(c) * Druck_Spaltenfaktor;
    }
}
} // namespace

int Druck_Seitenmass(int pixel, int dpi)
{
    if (dpi <= 0)
        return 0;
    return int(double(pixel) / double(dpi) * 25.4) * 10;
}

int Druck_Zeilen_pro_Seite(int hoehe)
{
    return std::max(1, (hoehe - Druck_Rand_oben - Druck_Rand_unten) / Druck_Zeilenhoehe);
}

Druckauftrag Druckplan_StringGrid(const Gitter& g, const QString& titel, bool hochformat, bool fusslinie,
                                  bool kopflinie, bool seitenzahlen, int erste_gross, int letzte_gross,
                                  int seitenbreite, int seitenhoehe)
{
    Druckauftrag a;
    a.titel = titel;
    a.hochformat = hochformat;
    const int W = seitenbreite;
    const int H = seitenhoehe;
    const int pro_seite = Druck_Zeilen_pro_Seite(H);
    int seiten = g.zeilen() / pro_seite + (g.zeilen() % pro_seite ? 1 : 0);
    seiten = std::max(1, seiten);
    for (int p = 1; p <= seiten; ++p) {
        Druckseite s;
        if (!titel.isEmpty())
            s.elemente.push_back(text(W / 2, 20, titel, Druck_Schrift_gross, false, true));
        if (kopflinie)
            s.elemente.push_back(linie(0, W, Druck_Rand_oben, 5));
        if (fusslinie)
            s.elemente.push_back(linie(0, W, H - Druck_Rand_unten, 5));
        if (seitenzahlen)
            s.elemente.push_back(text(W / 2, H - 150, seitentext(p, seiten), Druck_Schrift, false, true));
        int y = 110;
        for (int i = 1; i <= pro_seite; ++i) {
            const bool gross = erste_gross <= i && i <= letzte_gross;
            const bool ohrtitel = i == 13 || i == 43;
            const int schrift = gross || ohrtitel ? Druck_Schrift_gross : Druck_Schrift;
            const int zeile = (p - 1) * pro_seite + i - 1;
            if (zeile < g.zeilen())
                zeile_drucken(s, g, g, zeile, y, schrift, gross || ohrtitel);
            y += gross ? Druck_Zeilenhoehe_gross : Druck_Zeilenhoehe;
        }
        a.seiten.push_back(std::move(s));
    }
    return a;
}

int Druck_Seiten_zwei_Gitter(int zeilen, int seitenhoehe)
{
    const int L = Druck_Zeilen_pro_Seite(seitenhoehe);
    const int t = zeilen - L + 1;
    if (t <= 0)
        return 1;
    return 1 + t / L + (t % L ? 1 : 0);
}

Druckauftrag Druckplan_zwei_Gitter(const Gitter& kopf, const Gitter& daten, bool seitenzahlen,
                                   int seitenbreite, int seitenhoehe)
{
    Druckauftrag a;
    a.hochformat = true;
    const int W = seitenbreite;
    const int H = seitenhoehe;
    const int L = Druck_Zeilen_pro_Seite(H);
    const int seiten = Druck_Seiten_zwei_Gitter(daten.zeilen(), H);
    for (int p = 1; p <= seiten; ++p) {
        Druckseite s;
        if (seitenzahlen)
            s.elemente.push_back(text(W / 2, H - 160, seitentext(p, seiten), Druck_Schrift, false, true));
        int y = 110;
        const int zeilen_auf_seite = p == 1 ? L - 1 : L;
        for (int i = 1; i <= zeilen_auf_seite; ++i) {
            if (p == 1 && i == 1) {
                y += Druck_Zeilenhoehe;
                continue;
            }
            if (p == 1 && i == 2) {
                s.elemente.push_back(text(W / 2, y, kopf.zelle(2, 1), Druck_Schrift_gross, true, true));
                y += Druck_Zeilenhoehe_gross;
                continue;
            }
            if (p == 1 && i == 3) {
                s.elemente.push_back(text(W / 2, y, kopf.zelle(2, 2), Druck_Schrift_gross, false, true));
                y += Druck_Zeilenhoehe;
                continue;
            }
            const int zeile = p == 1 ? i - 1 : (p - 2) * L + i + L - 2;
            if (zeile < kopf.zeilen())
                zeile_drucken(s, kopf, kopf, zeile, y, Druck_Schrift, false);
            else if (zeile < daten.zeilen())
                zeile_drucken(s, kopf, daten, zeile, y, Druck_Schrift, false);
            y += Druck_Zeilenhoehe;
        }
        a.seiten.push_back(std::move(s));
    }
    return a;
}
