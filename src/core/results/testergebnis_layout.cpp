#include "core/results/testergebnis_layout.h"

#include "core/results/hoertest_druck.h"
#include "core/results/textdatei.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"

#include <QDateTime>

namespace
{
const QString Unterstrich = QStringLiteral("___________________");

QString frequenztext(uint16_t f)
{
    return Nullen_auffuellen_links(QString::number(f), 5);
}

// Header of one ear's block: four rows from `zeile` on.
void kopf_ohr(Gitter& g, int zeile, const QString& ohr)
{
    const QString k[4][5] = {
        {"Frequenz", ohr, ohr, "Norm-", "0-dB(A)-"},
        {"in Hz", "Bewerteter", "Schallpegel", "hörschwelle", "Werte"},
        {"", "Schallpegel", "dB", "dB", "dB"},
        {"", "dB(A)", "", "", ""},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            if (!k[r][c].isEmpty())
                g.setzen(c + 1, zeile + r, k[r][c]);
}

// 21 data rows of one ear from `zeile` on.
void daten_ohr(Gitter& g, int zeile, const Testergebnis_Angaben& a, bool links)
{
    for (int k = 1; k <= Anzahl_Zeilen; ++k) {
        const int r = zeile + k - 1;
        g.setzen(1, r, frequenztext(a.frequenzen[size_t(k - 1)]));
        const size_t i = size_t(Druck_index(links, k));
        g.setzen(2, r, Mit_Grenzzeichen(a.werte.dBA_texte[i], a.tonende[i]));
        g.setzen(3, r, Mit_Grenzzeichen(a.werte.dB_texte[i], a.tonende[i]));
        g.setzen(4, r, a.werte.norm_texte[size_t(k)]);
        g.setzen(5, r, a.werte.null_texte[size_t(k)]);
    }
}

void unterstrich_zeile(Gitter& g, int zeile)
{
    g.setzen(0, zeile, "  " + Unterstrich);
    for (int c = 1; c <= 5; ++c)
        g.setzen(c, zeile, Unterstrich);
}

// Rows 0..6 shared by the screen and the text file.
void titelblock(Gitter& g, const Testergebnis_Angaben& a)
{
    g.setzen(0, 0, "    ");
    g.setzen(2, 1, "Quarvel ");
    g.setzen(3, 1, "Vazozez");
    g.setzen(2, 2, "Messergebnisse ");
    g.setzen(3, 2, "zur Hörschwelle");
    g.setzen(1, 4, "Datum:");
    g.setzen(2, 4, a.datum);
    g.setzen(1, 5, "Uhrzeit:");
    g.setzen(2, 5, a.uhrzeit);
    g.setzen(1, 6, "Name:");
}

void pulsierend_kurz(Gitter& g, int zeile, bool pulsierend)
{
    g.setzen(2, zeile, pulsierend ? "- Pulsierender " : "- Nicht ");
    g.setzen(3, zeile,
             pulsierend ? "Ton (AM mit " + QString::number(Modulationsfrequenz) + " Hz)"
                        : QStringLiteral("pulsierend"));
}
} // namespace

QString pulsierend_lang(bool pulsierend)
{
    return pulsierend ? "- Pulsierender Ton (Amplitudenmodulation mit " +
                            QString::number(Modulationsfrequenz) + " Hz)"
                      : QStringLiteral("- Nicht pulsierend");
}

QString amplitude_lang(bool zunehmend)
{
    return zunehmend ? QStringLiteral("- Amplitude zunehmend") : QStringLiteral("- Amplitude abnehmend");
}

Testergebnis_Angaben Testergebnis_Angaben_holen(bool schmal, const QString& name)
{
    Testergebnis_Angaben a;
    a.frequenzen = Einstellungen.Frequenzen;
    a.werte = Hoertest_Dezibel_berechnen(Hoertest_Druck, a.frequenzen, schmal);
    a.tonende = Hoertest_nach_Tonende;
    a.pulsierend = Einstellungen.pulsierend != 0;
    a.zunehmend = Einstellungen.zunehmend != 0;
    // German short formats whatever the system language, like every other
    // text of the program: "09.12.2026", "14:05:33".
    const QDateTime jetzt = QDateTime::currentDateTime();
    a.datum = jetzt.date().toString(QStringLiteral("dd.MM.yyyy"));
    a.uhrzeit = jetzt.time().toString(QStringLiteral("HH:mm:ss"));
    a.name = name;
    for (const bool links : {true, false}) {
        const Eichzustand z = Eichzustand_holen(Einstellungen, links);
        (links ? a.eichung_links : a.eichung_rechts) = Eichzustand_text(z);
        a.bezugshoerer = a.bezugshoerer || z.art == Eichart::Bezugshoerer;
    }
    return a;
}

Gitter Ergebnisse_Bildschirm_Gitter(const Testergebnis_Angaben& a)
{
    Gitter g(Ergebnis_Spalten, Bildschirm_Zeilen);
    titelblock(g, a);
    g.setzen(1, 7, "Einstellungen:");
    pulsierend_kurz(g, 7, a.pulsierend);
    g.setzen(4, 7, "- Amplitude ");
    g.setzen(5, 7, a.zunehmend ? "zunehmend" : "abnehmend");
    g.setzen(1, 8, "Ergebnisse:");
    g.setzen(3, 9, "1. Linkes Ohr");
    kopf_ohr(g, 11, "Linkes Ohr");
    daten_ohr(g, Erste_Datenzeile_links, a, true);
    unterstrich_zeile(g, 37);
    g.setzen(3, Zeile_Rechtes_Ohr, "2. Rechtes Ohr");
    kopf_ohr(g, 42, "Rechtes Ohr");
    daten_ohr(g, Erste_Datenzeile_rechts, a, false);

    Ideale_Zellenbreiten(g, 0, 1, 0, 20, 0, 8);
    for (int c = 2; c <= 5; ++c)
        g.breite_setzen(c, g.breite(1) + 5);
    return g;
}

bool Ergebnis_Zeile_fett(int zeile)
{
    return zeile == 1 || zeile == 2 || zeile == 9 || zeile == Zeile_Rechtes_Ohr;
}

bool Ergebnis_Zelle_rechts(int spalte, int zeile)
{
    return (spalte == 2 && (zeile == 7 || zeile == 1 || zeile == 2)) || (spalte == 4 && zeile == 7);
}

Gitter Ergebnisse_txt_Gitter(const Testergebnis_Angaben& a)
{
    Gitter g(Ergebnis_Spalten, Txt_Zeilen);
    titelblock(g, a);
    g.setzen(Name_Spalte, Name_Zeile, a.name);
    g.setzen(1, 7, "Einstellungen:");
    pulsierend_kurz(g, 7, a.pulsierend);
    g.setzen(2, 8, "- Amplitude ");
    g.setzen(3, 8, a.zunehmend ? "zunehmend" : "abnehmend");
    g.setzen(1, 9, "Ergebnisse:");
    g.setzen(3, 10, "1. Linkes Ohr");
    kopf_ohr(g, 12, "Linkes Ohr");
    daten_ohr(g, 17, a, true);
    unterstrich_zeile(g, 38);
    g.setzen(3, 40, "2. Rechtes Ohr");
    kopf_ohr(g, 43, "Rechtes Ohr");
    daten_ohr(g, 48, a, false);

    Ideale_Zellenbreiten_txt(g, 0, 1, 0, 35, 0);
    for (int c = 2; c <= 5; ++c)
        g.breite_setzen(c, g.breite(1) + 1);
    return g;
}

Blatt Ergebnisse_Excel_Blatt(const Testergebnis_Angaben& a)
{
    Blatt b;
    auto text = [&b](int c, int r, const QString& t) { b.push_back(Blattzelle::Text(c, r, t)); };
    text(Name_Spalte, 5, a.name);
    text(0, 0, "    ");
    text(2, 0, "            Quarvel Vazozez");
    text(2, 1, "   Messergebnisse zur Hörschwelle");
    text(1, 3, "Datum:");
    text(2, 3, a.datum);
    text(1, 4, "Uhrzeit:");
    text(2, 4, a.uhrzeit);
    text(1, 5, "Name:");
    text(1, 7, "Einstellungen:");
    text(2, 7, "  " + pulsierend_lang(a.pulsierend));
    text(2, 8, "  " + amplitude_lang(a.zunehmend));
    text(1, 10, "Ergebnisse:");

    auto ohr = [&](int titelzeile, const QString& titel, int kopfzeile, const QString& name, int datenzeile,
                   bool links) {
        text(3, titelzeile, titel);
        Gitter kopf(Ergebnis_Spalten, 4);
        kopf_ohr(kopf, 0, name);
        for (int r = 0; r < 4; ++r)
            for (int c = 1; c <= 5; ++c)
                if (!kopf.zelle(c, r).isEmpty())
                    text(c, kopfzeile + r, kopf.zelle(c, r));
        for (int k = 1; k <= Anzahl_Zeilen; ++k) {
            const int r = datenzeile + k - 1;
            const auto i = size_t(Druck_index(links, k));
            const uint16_t f = a.frequenzen[size_t(k - 1)];
            const bool gemessen =
                links ? a.werte.gemessen_links[size_t(k)] : a.werte.gemessen_rechts[size_t(k)];
            b.push_back(Blattzelle::Ganzzahl(1, r, f));
            if (gemessen && a.tonende[i] != Tonende::waehrend) {
                // A bound is no number to compute with: text with the mark
                // the spreadsheet's character set can hold.
                const QString zeichen = Grenzzeichen(a.tonende[i]) == QStringLiteral("≤") ? "<= " : ">= ";
                b.push_back(Blattzelle::Text(2, r, zeichen + extendedzustring(0, 1, a.werte.dBA_werte[i])));
                b.push_back(Blattzelle::Text(3, r, zeichen + extendedzustring(0, 1, a.werte.dB_werte[i])));
            } else if (gemessen) {
                b.push_back(Blattzelle::Zahl(2, r, a.werte.dBA_werte[i]));
                b.push_back(Blattzelle::Zahl(3, r, a.werte.dB_werte[i]));
            }
            if (f <= Hoerschwelle_hoechste_Frequenz)
                b.push_back(Blattzelle::Zahl(4, r, a.werte.norm_werte[size_t(k)]));
            b.push_back(Blattzelle::Zahl(5, r, a.werte.null_werte[size_t(k)]));
        }
    };
    ohr(11, "1. Linkes Ohr", 13, "Linkes Ohr", 18, true);
    ohr(41, "2. Rechtes Ohr", 43, "Rechtes Ohr", 48, false);
    return b;
}

Gitter Ergebnisse_Druck_Gitter(const Testergebnis_Angaben& a)
{
    Gitter g(Ergebnis_Spalten, Druck_Zeilen);
    g.setzen(0, 0, " ");
    g.setzen(2, 0, "                 Quarvel Vazozez");
    g.setzen(2, 1, "          Messergebnisse zur Hörschwelle");
    g.setzen(1, 4, "Datum:");
    g.setzen(2, 4, a.datum);
    g.setzen(1, 5, "Uhrzeit:");
    g.setzen(2, 5, a.uhrzeit);
    g.setzen(1, 6, "Name:");
    g.setzen(2, 6, a.name);
    g.setzen(1, 8, "Einstellungen:");
    g.setzen(2, 8, pulsierend_lang(a.pulsierend));
    g.setzen(2, 9, amplitude_lang(a.zunehmend));
    if (!a.eichung_links.isEmpty() || !a.eichung_rechts.isEmpty()) {
        g.setzen(1, 10, "Kalibrierung:");
        g.setzen(2, 10, "links: " + a.eichung_links + ", rechts: " + a.eichung_rechts);
    }
    if (a.bezugshoerer)
        g.setzen(1, 71, Bezugshoerer_Hinweis);
    g.setzen(1, 11, "Ergebnisse:");
    g.setzen(3, 12, "1. Linkes Ohr");
    kopf_ohr(g, 14, "Linkes Ohr");
    daten_ohr(g, 19, a, true);
    for (int c = 1; c <= 4; ++c)
        g.setzen(c, 40, Unterstrich);
    g.setzen(5, 40, "_______");
    g.setzen(3, 42, "2. Rechtes Ohr");
    kopf_ohr(g, 45, "Rechtes Ohr");
    daten_ohr(g, 50, a, false);

    Ideale_Zellenbreiten(g, 0, 1, 1, 15, -5, 7);
    for (int c = 1; c <= 5; ++c)
        g.breite_setzen(c, g.breite(1));
    g.breite_setzen(0, 100);
    return g;
}

Druckauftrag Ergebnisse_Druckplan(const Testergebnis_Angaben& a, int seitenbreite, int seitenhoehe)
{
    return Druckplan_StringGrid(Ergebnisse_Druck_Gitter(a), QString(), true, false, false, false, 0, 2,
                                seitenbreite, seitenhoehe);
}

bool Ergebnisse_Excel(const Testergebnis_Angaben& a, const QString& pfad)
{
    if (Blatt_schreiben(Ergebnisse_Excel_Blatt(a), pfad))
        return true;
    Fehler_bei_abspeichern();
    return false;
}

bool Ergebnisse_txt(const Testergebnis_Angaben& a, const QString& pfad)
{
    return Speichere_Stringgrid_als_txt(Ergebnisse_txt_Gitter(a), pfad);
}
