#include "core/results/textdatei.h"

#include "core/settings/dateien.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"

QString Zeile_txt(const Gitter& format, const Gitter& daten, int zeile)
{
    const int spalten = format.spalten();
    QString linie(spalten * Standard_Spaltenbreite, QLatin1Char(' '));
    for (int c = 0; c < spalten; ++c) {
        const QString text = daten.zelle(c, zeile);
        if (text.isEmpty())
            continue;
        const int anfang = c * format.breite(c);
        if (anfang < 0)
            continue;
        if (linie.size() < anfang + text.size())
            linie.resize(anfang + text.size(), QLatin1Char(' '));
        linie.replace(anfang, text.size(), text);
    }
    return linie;
}

QStringList Stringgrid_txt_zeilen(const Gitter& g)
{
    QStringList zeilen;
    zeilen.reserve(g.zeilen());
    for (int r = 0; r < g.zeilen(); ++r)
        zeilen << Zeile_txt(g, g, r);
    return zeilen;
}

QStringList Stringgrid_txt_zeilen(const Gitter& kopf, const Gitter& daten, const QString& fuss)
{
    QStringList zeilen;
    for (int r = 0; r < kopf.zeilen(); ++r)
        zeilen << Zeile_txt(kopf, kopf, r);
    for (int r = kopf.zeilen(); r < daten.zeilen(); ++r)
        zeilen << Zeile_txt(kopf, daten, r);
    zeilen << QString() << fuss;
    return zeilen;
}

bool Textzeilen_schreiben(const QStringList& zeilen, const QString& pfad)
{
    if (!Datei_frei(pfad))
        return false;
    QByteArray inhalt;
    for (const QString& z : zeilen) {
        inhalt += z.toUtf8();
        inhalt += "\r\n";
    }
    return Datei_sicher_schreiben(pfad, inhalt);
}

bool Speichere_Stringgrid_als_txt(const Gitter& g, const QString& pfad)
{
    if (Textzeilen_schreiben(Stringgrid_txt_zeilen(g), pfad))
        return true;
    Fehler_bei_abspeichern();
    return false;
}

bool Speichere_Stringgrid_als_txt(const Gitter& kopf, const Gitter& daten, const QString& fuss,
                                  const QString& pfad)
{
    if (Textzeilen_schreiben(Stringgrid_txt_zeilen(kopf, daten, fuss), pfad))
        return true;
    Fehler_bei_abspeichern();
    return false;
}
