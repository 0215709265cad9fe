#include "core/results/testergebnis_layout.h"

#include "core/results/hoertest_druck.h"
#include "core/results/textdatei.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QDateTime>

namespace
{
const QString Unterstrich = QStringLiteral("___________________");

// The texts that more than one layout shows. Column 1 of the text file is as
// wide as its longest text, and columns 2 to 5 one character wider: the
// labels of column 1 set the width of every column.
QString Text_Datum()
{
    return QCoreApplication::translate("testergebnis_layout", "Datum:");
}

QString Text_Uhrzeit()
{
    //: Label in the first column of the results: the time of day.
    return QCoreApplication::translate("testergebnis_layout", "Uhrzeit:");
}

QString Text_Name()
{
    //: Label in the first column of the results: the test person's name.
    return QCoreApplication::translate("testergebnis_layout", "Name:");
}

QString Text_Einstellungen()
{
    //: Label in the first column of the results, followed by the tone's settings. It sets the width of the
    //: columns: best 14 characters, like the German.
    return QCoreApplication::translate("testergebnis_layout", "Einstellungen:");
}

QString Text_Ergebnisse()
{
    //: Label in the first column of the results, followed by the table of both ears.
    return QCoreApplication::translate("testergebnis_layout", "Ergebnisse:");
}

QString Text_Titel()
{
    //: Title of the results table, spreadsheet and printout.
    return QCoreApplication::translate("testergebnis_layout", "Messergebnisse zur Hörschwelle");
}

QString Text_Amplitude()
{
    //: The tone's amplitude in two cells: "- Amplitude " + "zunehmend" / "abnehmend" (at most 15 characters).
    return QCoreApplication::translate("testergebnis_layout", "- Amplitude ");
}

QString Text_Richtung(bool zunehmend)
{
    //: Second cells of "- Amplitude zunehmend" (rising) and "- Amplitude abnehmend" (falling), at most 15
    //: characters each.
    return zunehmend ? QCoreApplication::translate("testergebnis_layout", "zunehmend")
                     : QCoreApplication::translate("testergebnis_layout", "abnehmend");
}

QString Text_Ohr(bool links)
{
    return links ? QCoreApplication::translate("testergebnis_layout", "Linkes Ohr")
                 : QCoreApplication::translate("testergebnis_layout", "Rechtes Ohr");
}

QString Text_Titel_Ohr(bool links)
{
    return links ? QCoreApplication::translate("testergebnis_layout", "1. Linkes Ohr")
                 : QCoreApplication::translate("testergebnis_layout", "2. Rechtes Ohr");
}

QString frequenztext(uint16_t f)
{
    return Nullen_auffuellen_links(QString::number(f), 5);
}

// Header of one ear's block: four rows from `zeile` on, one word a row (the
// text file's columns are 15 characters wide); the ear heads columns 2 and 3.
// The units are no words and stay as they are.
void kopf_ohr(Gitter& g, int zeile, const QString& ohr)
{
    static const char* const k[4][5] = {
        {QT_TRANSLATE_NOOP("testergebnis_layout", "Frequenz"), nullptr, nullptr,
         //: First half of the column heading "Normhörschwelle" (normal hearing threshold).
         QT_TRANSLATE_NOOP("testergebnis_layout", "Norm-"),
         //: First half of the column heading "0-dB(A)-Werte" (0 dB(A) values).
         QT_TRANSLATE_NOOP("testergebnis_layout", "0-dB(A)-")},
        {QT_TRANSLATE_NOOP("testergebnis_layout", "in Hz"),
         //: First half of the column heading "Bewerteter Schallpegel" (weighted sound level).
         QT_TRANSLATE_NOOP("testergebnis_layout", "Bewerteter"),
         QT_TRANSLATE_NOOP("testergebnis_layout", "Schallpegel"),
         //: Second half of the column heading "Normhörschwelle" (normal hearing threshold).
         QT_TRANSLATE_NOOP("testergebnis_layout", "hörschwelle"),
         //: Second half of the column heading "0-dB(A)-Werte" (0 dB(A) values).
         QT_TRANSLATE_NOOP("testergebnis_layout", "Werte")},
        {nullptr, QT_TRANSLATE_NOOP("testergebnis_layout", "Schallpegel"), "dB", "dB", "dB"},
        {nullptr, "dB(A)", nullptr, nullptr, nullptr},
    };
    g.setzen(2, zeile, ohr);
    g.setzen(3, zeile, ohr);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            if (k[r][c])
                g.setzen(c + 1, zeile + r, QCoreApplication::translate("testergebnis_layout", k[r][c]));
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
    //: Title of the results in two cells: first half, drawn right-aligned (at most 15 characters).
    g.setzen(2, 2, QCoreApplication::translate("testergebnis_layout", "Messergebnisse "));
    //: Title of the results in two cells: second half (at most 15 characters).
    g.setzen(3, 2, QCoreApplication::translate("testergebnis_layout", "zur Hörschwelle"));
    g.setzen(1, 4, Text_Datum());
    g.setzen(2, 4, a.datum);
    g.setzen(1, 5, Text_Uhrzeit());
    g.setzen(2, 5, a.uhrzeit);
    g.setzen(1, 6, Text_Name());
}

void pulsierend_kurz(Gitter& g, int zeile, bool pulsierend)
{
    //: The tone in two cells: "- Pulsierender " + "Ton (AM mit 4 Hz)", or "- Nicht " + "pulsierend"
    //: (each at most 15 characters).
    g.setzen(2, zeile,
             pulsierend ? QCoreApplication::translate("testergebnis_layout", "- Pulsierender ")
                        : QCoreApplication::translate("testergebnis_layout", "- Nicht "));
    //: %1: the modulation frequency in Hz.
    g.setzen(3, zeile,
             pulsierend ? QCoreApplication::translate("testergebnis_layout", "Ton (AM mit %1 Hz)")
                              .arg(QString::number(Modulationsfrequenz))
                        : QCoreApplication::translate("testergebnis_layout", "pulsierend"));
}
} // namespace

QString pulsierend_lang(bool pulsierend)
{
    //: Keep the leading "- ": the audiogram report cuts it off. %1: the modulation frequency in Hz.
    return pulsierend ? QCoreApplication::translate("testergebnis_layout",
                                                    "- Pulsierender Ton (Amplitudenmodulation mit %1 Hz)")
                            .arg(QString::number(Modulationsfrequenz))
                      //: Keep the leading "- ": the audiogram report cuts it off.
                      : QCoreApplication::translate("testergebnis_layout", "- Nicht pulsierend");
}

QString amplitude_lang(bool zunehmend)
{
    //: Keep the leading "- " here and in "- Amplitude abnehmend": the audiogram report cuts it off.
    return zunehmend ? QCoreApplication::translate("testergebnis_layout", "- Amplitude zunehmend")
                     : QCoreApplication::translate("testergebnis_layout", "- Amplitude abnehmend");
}

Testergebnis_Angaben Testergebnis_Angaben_holen(bool schmal, const QString& name)
{
    Testergebnis_Angaben a;
    a.frequenzen = Einstellungen.Frequenzen;
    a.werte = Hoertest_Dezibel_berechnen(Hoertest_Druck, a.frequenzen, schmal);
    a.tonende = Hoertest_nach_Tonende;
    a.pulsierend = Einstellungen.pulsierend != 0;
    a.zunehmend = Einstellungen.zunehmend != 0;
    // The interface language's short date ("09.12.2026", "12/9/2026") and "14:05:33".
    const QDateTime jetzt = QDateTime::currentDateTime();
    a.datum = Datum_text(jetzt.date());
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
    g.setzen(1, 7, Text_Einstellungen());
    pulsierend_kurz(g, 7, a.pulsierend);
    g.setzen(4, 7, Text_Amplitude());
    g.setzen(5, 7, Text_Richtung(a.zunehmend));
    g.setzen(1, 8, Text_Ergebnisse());
    g.setzen(3, 9, Text_Titel_Ohr(true));
    kopf_ohr(g, 11, Text_Ohr(true));
    daten_ohr(g, Erste_Datenzeile_links, a, true);
    unterstrich_zeile(g, 37);
    g.setzen(3, Zeile_Rechtes_Ohr, Text_Titel_Ohr(false));
    kopf_ohr(g, 42, Text_Ohr(false));
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
    g.setzen(1, 7, Text_Einstellungen());
    pulsierend_kurz(g, 7, a.pulsierend);
    g.setzen(2, 8, Text_Amplitude());
    g.setzen(3, 8, Text_Richtung(a.zunehmend));
    g.setzen(1, 9, Text_Ergebnisse());
    g.setzen(3, 10, Text_Titel_Ohr(true));
    kopf_ohr(g, 12, Text_Ohr(true));
    daten_ohr(g, 17, a, true);
    unterstrich_zeile(g, 38);
    g.setzen(3, 40, Text_Titel_Ohr(false));
    kopf_ohr(g, 43, Text_Ohr(false));
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
    text(2, 1, QStringLiteral("   ") + Text_Titel());
    text(1, 3, Text_Datum());
    text(2, 3, a.datum);
    text(1, 4, Text_Uhrzeit());
    text(2, 4, a.uhrzeit);
    text(1, 5, Text_Name());
    text(1, 7, Text_Einstellungen());
    text(2, 7, "  " + pulsierend_lang(a.pulsierend));
    text(2, 8, "  " + amplitude_lang(a.zunehmend));
    text(1, 10, Text_Ergebnisse());

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
                b.push_back(Blattzelle::Text(2, r, zeichen + Zahltext(0, 1, a.werte.dBA_werte[i])));
                b.push_back(Blattzelle::Text(3, r, zeichen + Zahltext(0, 1, a.werte.dB_werte[i])));
            } else if (gemessen) {
                b.push_back(Blattzelle::Zahl(2, r, a.werte.dBA_werte[i]));
                b.push_back(Blattzelle::Zahl(3, r, a.werte.dB_werte[i]));
            }
            if (f <= Hoerschwelle_hoechste_Frequenz)
                b.push_back(Blattzelle::Zahl(4, r, a.werte.norm_werte[size_t(k)]));
            b.push_back(Blattzelle::Zahl(5, r, a.werte.null_werte[size_t(k)]));
        }
    };
    ohr(11, Text_Titel_Ohr(true), 13, Text_Ohr(true), 18, true);
    ohr(41, Text_Titel_Ohr(false), 43, Text_Ohr(false), 48, false);
    return b;
}

Gitter Ergebnisse_Druck_Gitter(const Testergebnis_Angaben& a)
{
    Gitter g(Ergebnis_Spalten, Druck_Zeilen);
    g.setzen(0, 0, " ");
    g.setzen(2, 0, "                 Quarvel Vazozez");
    g.setzen(2, 1, QStringLiteral("          ") + Text_Titel());
    g.setzen(1, 4, Text_Datum());
    g.setzen(2, 4, a.datum);
    g.setzen(1, 5, Text_Uhrzeit());
    g.setzen(2, 5, a.uhrzeit);
    g.setzen(1, 6, Text_Name());
    g.setzen(2, 6, a.name);
    g.setzen(1, 8, Text_Einstellungen());
    g.setzen(2, 8, pulsierend_lang(a.pulsierend));
    g.setzen(2, 9, amplitude_lang(a.zunehmend));
    if (!a.eichung_links.isEmpty() || !a.eichung_rechts.isEmpty()) {
        g.setzen(1, 10, QCoreApplication::translate("testergebnis_layout", "Kalibrierung:"));
        //: %1, %2: the calibration of the left and the right ear, e.g. "Bezugshörer (12.03.2025)".
        g.setzen(2, 10,
                 QCoreApplication::translate("testergebnis_layout", "links: %1, rechts: %2")
                     .arg(a.eichung_links, a.eichung_rechts));
    }
    if (a.bezugshoerer)
        g.setzen(1, 71, Bezugshoerer_Hinweis());
    g.setzen(1, 11, Text_Ergebnisse());
    g.setzen(3, 12, Text_Titel_Ohr(true));
    kopf_ohr(g, 14, Text_Ohr(true));
    daten_ohr(g, 19, a, true);
    for (int c = 1; c <= 4; ++c)
        g.setzen(c, 40, Unterstrich);
    g.setzen(5, 40, "_______");
    g.setzen(3, 42, Text_Titel_Ohr(false));
    kopf_ohr(g, 45, Text_Ohr(false));
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
