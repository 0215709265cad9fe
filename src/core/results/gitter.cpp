#include "core/results/gitter.h"

#include "core/results/inexcel.h"

#include <algorithm>

void Gitter::groesse_setzen(int spalten, int zeilen)
{
    spalten = std::max(0, spalten);
    zeilen = std::max(0, zeilen);
    std::vector<QString> neu(size_t(spalten) * size_t(zeilen));
    for (int r = 0; r < std::min(zeilen, zeilen_); ++r)
        for (int c = 0; c < std::min(spalten, spalten_); ++c)
            neu[size_t(r) * size_t(spalten) + size_t(c)] =
                std::move(zellen_[size_t(r) * size_t(spalten_) + size_t(c)]);
    zellen_ = std::move(neu);
    breiten_.resize(size_t(spalten), Standard_Spaltenbreite);
    spalten_ = spalten;
    zeilen_ = zeilen;
}

QString Gitter::zelle(int spalte, int zeile) const
{
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_)
        return {};
    return zellen_[size_t(zeile) * size_t(spalten_) + size_t(spalte)];
}

void Gitter::setzen(int spalte, int zeile, const QString& text)
{
    if (spalte < 0 || zeile < 0 || spalte >= spalten_ || zeile >= zeilen_)
        return;
    zellen_[size_t(zeile) * size_t(spalten_) + size_t(spalte)] = text;
}

int Gitter::breite(int spalte) const
{
    if (spalte < 0 || spalte >= spalten_)
        return 0;
    return breiten_[size_t(spalte)];
}

void Gitter::breite_setzen(int spalte, int breite)
{
    if (spalte < 0 || spalte >= spalten_)
        return;
    breiten_[size_t(spalte)] = breite;
}

void stringgrid_loeschen(Gitter& g)
{
    for (int r = 0; r < g.zeilen(); ++r)
        for (int c = 0; c < g.spalten(); ++c)
            g.setzen(c, r, QString());
}

namespace
{
int laengster_text(const Gitter& g, int spalte, int zeile_von, int zeile_bis)
{
    int n = 1;
    for (int r = zeile_von; r <= zeile_bis; ++r)
        n = std::max(n, int(g.zelle(spalte, r).size()));
    return n;
}
} // namespace

void Ideale_Zellenbreiten(Gitter& g, int spalte_von, int spalte_bis, int zeile_von, int zeile_bis, int extra,
                          int pro_zeichen)
{
    for (int c = spalte_von; c <= spalte_bis; ++c)
        g.breite_setzen(c, laengster_text(g, c, zeile_von, zeile_bis) * pro_zeichen + 5 + extra);
}

void Ideale_Zellenbreiten_txt(Gitter& g, int spalte_von, int spalte_bis, int zeile_von, int zeile_bis,
                              int extra)
{
    for (int c = spalte_von; c <= spalte_bis; ++c)
        g.breite_setzen(c, laengster_text(g, c, zeile_von, zeile_bis) + extra);
}

QString Zwischenablage_text(const Gitter& g, int links, int oben, int rechts, int unten)
{
    QString s;
    for (int r = oben; r <= unten; ++r) {
        for (int c = links; c <= rechts; ++c) {
            s += g.zelle(c, r);
            if (c < rechts)
                s += QLatin1Char('\t');
        }
        s += QStringLiteral("\r\n");
    }
    return s;
}

bool Blatt_schreiben(const Blatt& blatt, const QString& pfad)
{
    bool fehler = false;
    TXLSExport xls(pfad, fehler);
    if (fehler)
        return false;
    for (const Blattzelle& z : blatt) {
        switch (z.art) {
        case Blattzelle::Art::Text:
            xls.Write(z.spalte, z.zeile, z.text);
            break;
        case Blattzelle::Art::Ganzzahl:
            xls.Write(z.spalte, z.zeile, z.ganz);
            break;
        case Blattzelle::Art::Zahl:
            xls.Write(z.spalte, z.zeile, z.zahl);
            break;
        }
    }
    return xls.Endteil();
}
