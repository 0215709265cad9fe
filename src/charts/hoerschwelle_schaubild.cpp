#include "charts/hoerschwelle_schaubild.h"

#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

std::unique_ptr<TkvSchaubild2c> Schaubild_Norm;
std::unique_ptr<TkvSchaubild2c> Schaubild_NulldBA;
Schaubild_Punkte Punkte_links;
Schaubild_Punkte Punkte_rechts;
Schaubild_Auswahl Schaubild_Anzeige;

void Schaubild_Objekte_erzeugen()
{
    Schaubild_Norm = std::make_unique<TkvSchaubild2c>();
    Schaubild_NulldBA = std::make_unique<TkvSchaubild2c>();
    Schaubild_array_Augangsbelegung();
}

void Schaubild_Objekte_freigeben()
{
    Schaubild_Norm.reset();
    Schaubild_NulldBA.reset();
}

void Schaubild_array_Augangsbelegung()
{
    for (Schaubild_Punkte* p : {&Punkte_links, &Punkte_rechts}) {
        p->Frequenz.assign(Anzahl_Zeilen + 1, 0);
        p->Pegel.assign(Anzahl_Zeilen + 1, 0);
        p->Anzahl = 0;
    }
}

void Schaubild_Punkte_berechnen()
{
    Schaubild_array_Augangsbelegung();
    const Dezibel_Ergebnis e = Hoertest_Dezibel_berechnen(Hoertest_Druck, Einstellungen.Frequenzen, false);
    for (int k = 1; k <= Anzahl_Zeilen; ++k) {
        const long double f = Einstellungen.Frequenzen[size_t(k - 1)];
        if (e.gemessen_links[size_t(k)]) {
            const int n = ++Punkte_links.Anzahl;
            Punkte_links.Frequenz[size_t(n)] = f;
            Punkte_links.Pegel[size_t(n)] = e.dB_werte[size_t(Druck_index(true, k))];
        }
        if (e.gemessen_rechts[size_t(k)]) {
            const int n = ++Punkte_rechts.Anzahl;
            Punkte_rechts.Frequenz[size_t(n)] = f;
            Punkte_rechts.Pegel[size_t(n)] = e.dB_werte[size_t(Druck_index(false, k))];
        }
    }
}

void Schaubilder_zeichnen(QPainter& p, const TkvSchaubild2c& norm, const TkvSchaubild2c& null_dba,
                          const Schaubild_Auswahl& auswahl, const Schaubild_Farben& farben)
{
    if (auswahl.links)
        norm.Punkte_zeichnen(p, 1, farben.links, Markierung_Groesse, Markierung_Stil, Punkte_links.Pegel,
                             Punkte_links.Frequenz, Punkte_links.Anzahl);
    if (auswahl.rechts)
        norm.Punkte_zeichnen(p, 1, farben.rechts, Markierung_Groesse, Markierung_Stil, Punkte_rechts.Pegel,
                             Punkte_rechts.Frequenz, Punkte_rechts.Anzahl);
    if (auswahl.norm) {
        norm.Schaubild_zeichnen(p, Hoerschwelle_Kurve2, Qt::SolidLine, farben.norm);
    } else {
        norm.Hintergrund_gitter(p);
        norm.Fadenkreuz(p);
    }
    if (auswahl.null_dBA)
        null_dba.Schaubild_zeichnen(p, Null_dBA_Kurve2, Qt::SolidLine, farben.null_dBA);
}

void Ausgangs_werte1a(TkvSchaubild2c& s)
{
    s.Strich_gross = 15;
    s.Strich_klein = 5;
    s.xTitel = QCoreApplication::translate("hoerschwelle_schaubild", "Frequenz f in Hz");
    s.yTitel = QCoreApplication::translate("hoerschwelle_schaubild", "Schallpegel (dB)");
    s.xEinheit = 2000;
    s.xTeilung = 100;
    s.xNachkomma = 0;
    s.xmin = 20;
    s.xmax = 20000;
    s.yEinheit = 10;
    s.yTeilung = 5;
    s.yNachkomma = 0;
    s.ymin = -20;
    s.ymax = 80;
    s.xTitel_Abstand = 30;
    s.yTitel_Abstand = 50;
    s.Rand_rechts = 50;
    s.Rand_links = 200;
    s.Rand_oben = 40;
    s.Rand_unten = 70;
    s.Gitterfarbe = RGB(128, 128, 128);
    s.Gitterstil = Qt::SolidLine;
}

void Ausgangs_werte_Bild(TkvSchaubild2c& s)
{
    Ausgangs_werte1a(s);
    s.Rand_links = 170;
    s.xTitel_Abstand = 20;
    s.Hintergrundfarbe = RGB(255, 255, 255);
}

void Bereich_festlegen_Oszi()
{
    if (!Schaubild_Norm || !Schaubild_NulldBA)
        return;
    Schaubild_Norm->Schaubild_array_akt_bilden(Hoerschwelle_Kurve, Hoerschwelle_untere_Grenze2, 1,
                                               Hoerschwelle_untere_Grenze2, Hoerschwelle_obere_Grenze2,
                                               Hoerschwelle_Kurve2);
    Schaubild_NulldBA->Schaubild_array_akt_bilden(Null_dBA_Kurve, Null_dBA_untere_Grenze2, 1,
                                                  Null_dBA_untere_Grenze2, Null_dBA_obere_Grenze2,
                                                  Null_dBA_Kurve2);
}

Scrollbar_Einstellung Zeit_Einheit_festlegen(int eintrag)
{
    Scrollbar_Einstellung sb;
    if (!Schaubild_Norm || !Schaubild_NulldBA)
        return sb;
    TkvSchaubild2c& a = *Schaubild_Norm;
    TkvSchaubild2c& b = *Schaubild_NulldBA;
    const Achseneinheit& z =
        Frequenz_Einheiten[size_t(std::clamp(eintrag, 0, int(Frequenz_Einheiten.size()) - 1))];
    a.xEinheit = z.Einheit;
    a.xNachkomma = 0;
    sb.aenderung = z.Aenderung;
    a.xScroll_Schritt = b.xScroll_Schritt = z.Scroll_Schritt;
    sb.maximum = b.xScrollbar_max_zuweisen();
    a.xTeilung = a.xEinheit / 10;
    a.Wertex_start_end_anpassen();
    b.xEinheit = a.xEinheit;
    b.xTeilung = a.xTeilung;
    b.Wertex_start_end_anpassen();
    Bereich_festlegen_Oszi();
    sb.position = b.xScrollBarpos_zuweisen();
    return sb;
}

Scrollbar_Einstellung Schallpegel_Einheit_festlegen(int eintrag)
{
    Scrollbar_Einstellung sb;
    if (!Schaubild_Norm || !Schaubild_NulldBA)
        return sb;
    TkvSchaubild2c& a = *Schaubild_Norm;
    TkvSchaubild2c& b = *Schaubild_NulldBA;
    const Achseneinheit& z =
        Schallpegel_Einheiten[size_t(std::clamp(eintrag, 0, int(Schallpegel_Einheiten.size()) - 1))];
    a.yEinheit = z.Einheit;
    sb.aenderung = z.Aenderung;
    a.yScroll_Schritt = b.yScroll_Schritt = z.Scroll_Schritt;
    a.yTeilung = a.yEinheit / 2;
    sb.maximum = b.yScrollbar_max_zuweisen();
    a.Wertey_start_end_anpassen();
    a.yNachkomma = 0;
    b.yEinheit = a.yEinheit;
    b.yTeilung = a.yTeilung;
    b.ymin = a.ymin;
    b.ymax = a.ymax;
    sb.position = b.yScrollBarpos_zuweisen();
    return sb;
}

void Zeit_scrollen(int position)
{
    if (!Schaubild_Norm || !Schaubild_NulldBA)
        return;
    TkvSchaubild2c& a = *Schaubild_Norm;
    TkvSchaubild2c& b = *Schaubild_NulldBA;
    a.xScrollbar_aktualisiert_Werte_startx1(position);
    a.xStart = a.xmin;
    b.xmin = a.xmin;
    b.xStart = a.xStart;
    a.Wertex_start_end_anpassen();
    b.Wertex_start_end_anpassen();
    a.xPixel_Schaubild_vorbereiten();
    b.xPixel_Schaubild_vorbereiten();
    Bereich_festlegen_Oszi();
}

void Druck_scrollen(int position)
{
    if (!Schaubild_Norm || !Schaubild_NulldBA)
        return;
    TkvSchaubild2c& a = *Schaubild_Norm;
    TkvSchaubild2c& b = *Schaubild_NulldBA;
    a.yScrollbar_aktualisiert_Werte_starty1(position);
    a.yStart = a.ymin;
    b.ymin = a.ymin;
    b.yStart = a.yStart;
    a.Wertey_start_end_anpassen();
    b.Wertey_start_end_anpassen();
}

void Werte_Schaubild_ubernehmen(const TkvSchaubild2c& von, TkvSchaubild2c& nach)
{
    nach.xmin = von.xmin;
    nach.xmax = von.xmax;
    nach.ymin = von.ymin;
    nach.ymax = von.ymax;
    nach.xEinheit = von.xEinheit;
    nach.xTeilung = von.xTeilung;
    nach.yEinheit = von.yEinheit;
    nach.yTeilung = von.yTeilung;
    nach.xNachkomma = von.xNachkomma;
    nach.yNachkomma = von.yNachkomma;
    nach.Strich_gross = von.Strich_gross;
    nach.Strich_klein = von.Strich_klein;
    nach.Strich_halb = von.Strich_halb;
    nach.Schrifthoehe = von.Schrifthoehe;
    nach.dx = von.dx;
    nach.Index_Ende = von.Index_Ende;
    nach.Index_Anfang = von.Index_Anfang;
    nach.x0 = von.x0;
    nach.x_ohne_Offset = von.x_ohne_Offset;
    nach.xStart = von.xStart;
    nach.Beschriftung_jede_zweite = von.Beschriftung_jede_zweite;
    nach.eine_Zeichenflaeche = true;
}
