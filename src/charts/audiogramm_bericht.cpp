#include "charts/audiogramm_bericht.h"

#include "core/results/testergebnis_layout.h"
#include "core/settings/dateien.h"
#include "core/shell/meldungen.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace
{

constexpr int Aufloesung = 300; // dots per inch
// Lengths and fonts of the audiogram are given in screen pixels (1/96 inch).
constexpr double Massstab = Aufloesung / 96.0;

// Writes downward from y across the page's width.
class Seite
{
public:
    Seite(QPainter& p, int breite) : p_(p), breite_(breite) {}

    void schrift(double pixel, bool fett = false)
    {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(int(pixel * Massstab));
        f.setBold(fett);
        p_.setFont(f);
    }
    // A paragraph, wrapped at the page's width.
    void absatz(const QString& text, QColor farbe = Qt::black, double abstand_danach = 2)
    {
        if (text.isEmpty())
            return;
        p_.setPen(farbe);
        const QRectF r(0, y, breite_, 1e6);
        const QRectF genutzt = p_.boundingRect(r, Qt::TextWordWrap, text);
        p_.drawText(r, Qt::TextWordWrap, text);
        y += genutzt.height() + abstand_danach * Massstab;
    }
    // Cells at the given left edges (fractions of the width), one line.
    void zeile(const QStringList& zellen, const std::vector<double>& spalten)
    {
        const QFontMetricsF fm(p_.font());
        p_.setPen(Qt::black);
        for (int i = 0; i < zellen.size() && size_t(i) < spalten.size(); ++i)
            p_.drawText(QPointF(spalten[size_t(i)] * breite_, y + fm.ascent()), zellen[i]);
        y += fm.height() * 1.15;
    }
    void strich()
    {
        p_.setPen(QPen(QColor(160, 160, 160), Massstab / 2));
        p_.drawLine(QPointF(0, y), QPointF(breite_, y));
        y += 2 * Massstab;
    }

    double y = 0;

private:
    QPainter& p_;
    int breite_;
};

} // namespace

QByteArray Audiogramm_Bericht_PDF(const Audiogramm_Daten& d)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(Aufloesung);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter));
        const QString titel = QCoreApplication::translate("audiogramm_bericht", "Audiogramm");
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Quarvel Vazozez 2.2"));
        QPainter p(&pdf);
        const QRect seite = p.viewport();
        Seite s(p, seite.width());

        s.schrift(18, true);
        s.absatz(titel + QStringLiteral(" – Quarvel Vazozez 2.2"), Qt::black, 4);
        s.schrift(11);
        //: %1 = the test person's name, or a line to write it on
        s.absatz(QCoreApplication::translate("audiogramm_bericht", "Name: %1")
                     .arg(d.name.trimmed().isEmpty() ? QStringLiteral("______________________________")
                                                     : d.name.trimmed()),
                 Qt::black, 1);
        s.absatz(QCoreApplication::translate("audiogramm_bericht", "Datum: %1   Uhrzeit: %2")
                     .arg(d.datum, d.uhrzeit),
                 Qt::black, 1);
        //: %1 = constant or pulsed tone, %2 = rising or falling volume
        s.absatz(QCoreApplication::translate("audiogramm_bericht", "Ton: %1, %2")
                     .arg(pulsierend_lang(d.pulsierend).mid(2), amplitude_lang(d.zunehmend).mid(2)),
                 Qt::black, 1);
        s.absatz(QCoreApplication::translate("audiogramm_bericht", "Kalibrierung linkes Ohr: %1")
                     .arg(d.links.eichung_text),
                 Qt::black, 1);
        s.absatz(QCoreApplication::translate("audiogramm_bericht", "Kalibrierung rechtes Ohr: %1")
                     .arg(d.rechts.eichung_text),
                 Qt::black, 3);
        s.schrift(11, true);
        s.absatz(Audiogramm_Hinweis_klinisch(), Qt::black, 2);
        for (const bool links : {true, false})
            s.absatz(Eichung_Warnung(links ? d.links : d.rechts, links), QColor(180, 0, 0), 2);

        const int hoehe = int(115 / 25.4 * Aufloesung);
        const QRect bild(0, int(s.y), seite.width(), hoehe);
        Audiogramm_zeichnen(p, bild, d, Massstab);
        s.y += hoehe + 3 * Massstab;

        s.schrift(11, true);
        s.absatz(
            QCoreApplication::translate("audiogramm_bericht",
                                        "Mittelwert über 500, 1000, 2000 und 4000 Hz (Grad nach WHO 2021):"),
            Qt::black, 1);
        s.schrift(11);
        s.absatz(
            QCoreApplication::translate("audiogramm_bericht", "Linkes Ohr: %1").arg(Mittelwert_text(d.links)),
            Qt::black, 1);
        s.absatz(QCoreApplication::translate("audiogramm_bericht", "Rechtes Ohr: %1")
                     .arg(Mittelwert_text(d.rechts)),
                 Qt::black, 3);

        const std::vector<double> spalten{0.0, 0.16, 0.38, 0.56, 0.78};
        const auto tabelle = Audiogramm_Tabelle(d);
        s.schrift(10, true);
        s.zeile(tabelle.front(), spalten);
        s.strich();
        s.schrift(10);
        for (size_t i = 1; i < tabelle.size(); ++i)
            s.zeile(tabelle[i], spalten);
        s.strich();
        s.schrift(10);
        s.absatz(
            QCoreApplication::translate("audiogramm_bericht",
                                        "Abweichung = Hörschwelle − Normhörschwelle, auf 1 dB gerundet; der "
                                        "Mittelwert aus den ungerundeten Abweichungen. Über 12500 Hz gibt es "
                                        "keine Normhörschwelle: dort nur die Hörschwelle. ") +
                Audiogramm_Grenzen_Hinweis(),
            QColor(60, 60, 60), 1);
        s.absatz(Tiefe_Frequenzen_Hinweis(d), QColor(60, 60, 60), 0);
        s.absatz(Ruhepegel_Hinweis(d), QColor(160, 0, 0), 0);
    }
    puffer.close();
    return daten;
}

bool Audiogramm_Bericht_speichern(const Audiogramm_Daten& d, const QString& pfad)
{
    if (Datei_sicher_schreiben(pfad, Audiogramm_Bericht_PDF(d)))
        return true;
    Fehler_bei_abspeichern();
    return false;
}
