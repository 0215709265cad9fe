#include "charts/audiogramm.h"

#include "charts/kvschaubild2b.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/settings/dateien.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/sprache.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace
{

// Octaves shown on the frequency axis: 125 Hz .. 16 kHz.
constexpr double Oktaven = 7;
const std::array<QString, 8> Frequenz_Beschriftungen{"125", "250", "500", "1k", "2k", "4k", "8k", "16k"};

QString Zahl(double x, int nachkomma)
{
    return Zahltext(0, nachkomma, x);
}

// Sets a font of `pixel` pixels on the painter, scaled.
void Schrift(QPainter& p, double pixel, double massstab, bool fett = false)
{
    QFont f = p.font();
    f.setPixelSize(std::max(1, int(std::lround(pixel * massstab))));
    f.setBold(fett);
    p.setFont(f);
}

// Text centred vertically on y; x is its left end, middle or right end (a = 0, 1, 2).
void Text(QPainter& p, double x, double y, const QString& t, int a)
{
    const QFontMetricsF fm(p.font());
    const double w = fm.horizontalAdvance(t);
    x -= a == 1 ? w / 2 : a == 2 ? w : 0;
    p.drawText(QPointF(x, y + (fm.ascent() - fm.descent()) / 2), t);
}

// Open circle (right ear) or diagonal cross (left ear) of radius r.
void Markierung(QPainter& p, QPointF m, bool links, double r, double stift)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Farbe_in_QColor(links ? Audiogramm_Farbe_links : Audiogramm_Farbe_rechts), stift));
    if (links) {
        p.drawLine(QPointF(m.x() - r, m.y() - r), QPointF(m.x() + r, m.y() + r));
        p.drawLine(QPointF(m.x() - r, m.y() + r), QPointF(m.x() + r, m.y() - r));
    } else {
        p.drawEllipse(m, r, r);
    }
    p.restore();
}

// An arrow from the marker toward where the threshold lies: up (smaller
// deviation) or down. An arrow that would leave the plot is drawn beside the
// marker with its tip on the plot's edge (the left ear's to the left, the
// right ear's to the right), so that a marker held at the edge shows it too.
void Pfeil(QPainter& p, QPointF m, bool links, bool nach_oben, double r, double stift, const QRect& flaeche)
{
    const double s = nach_oben ? -1 : 1;
    double x = m.x();
    QPointF anfang(x, m.y() + s * (r + stift));
    QPointF spitze(x, m.y() + s * (3.5 * r));
    // The edges where the axis holds its ends (y_von_Pegel).
    const double rand = nach_oben ? flaeche.top() : flaeche.top() + flaeche.height();
    if ((spitze.y() - rand) * s > 0) {
        x += (links ? -1.8 : 1.8) * r;
        spitze = QPointF(x, rand);
        anfang = QPointF(x, rand - s * 2.5 * r);
    }
    p.save();
    const QColor c = Farbe_in_QColor(links ? Audiogramm_Farbe_links : Audiogramm_Farbe_rechts);
    p.setPen(QPen(c, stift));
    p.drawLine(anfang, spitze);
    p.drawLine(spitze, QPointF(spitze.x() - 0.7 * r, spitze.y() - s * 0.7 * r));
    p.drawLine(spitze, QPointF(spitze.x() + 0.7 * r, spitze.y() - s * 0.7 * r));
    p.restore();
}

bool im_Audiogramm(const Audiogramm_Wert& w)
{
    return w.hat_Norm && w.frequenz >= Audiogramm_f_min - 1e-6;
}

void Ohr_zeichnen(QPainter& p, const Audiogramm_Achsen& a, const Audiogramm_Ohr& ohr, bool links, double m)
{
    std::vector<Audiogramm_Wert> w;
    std::copy_if(ohr.werte.begin(), ohr.werte.end(), std::back_inserter(w), im_Audiogramm);
    std::stable_sort(w.begin(), w.end(),
                     [](const auto& u, const auto& v) { return u.frequenz < v.frequenz; });
    const double r = a.Markierung_Radius(m);
    const double stift = 2 * m;
    auto punkt = [&](const Audiogramm_Wert& v) {
        return QPointF(a.x_von_Frequenz(v.frequenz), a.y_von_Pegel(v.abweichung_dB));
    };
    p.save();
    p.setClipRect(a.flaeche.adjusted(-int(r), -int(r), int(r), int(r)));
    QPen linie(Farbe_in_QColor(links ? Audiogramm_Farbe_links : Audiogramm_Farbe_rechts), m,
               links ? Qt::DashLine : Qt::SolidLine);
    p.setPen(linie);
    for (size_t i = 1; i < w.size(); ++i)
        p.drawLine(punkt(w[i - 1]), punkt(w[i]));
    for (const auto& v : w) {
        Markierung(p, punkt(v), links, r, stift);
        // Measured while the room was too loud: a small warning sign beside the point.
        if (v.ruhepegel_dB > 0) {
            p.save();
            QFont f = p.font();
            f.setPixelSize(std::max(1, int(std::lround(10 * m))));
            p.setFont(f);
            p.setPen(QColor(192, 0, 0));
            p.drawText(punkt(v) + QPointF(r, -r), QStringLiteral("⚠"));
            p.restore();
        }
        // A value beyond the axis is held at its edge, with an arrow outward;
        // a bound points where the threshold lies. One arrow when both agree.
        const bool darueber = v.abweichung_dB < Audiogramm_dB_min;
        const bool darunter = v.abweichung_dB > Audiogramm_dB_max;
        if (darueber || darunter)
            Pfeil(p, punkt(v), links, darueber, r, stift, a.flaeche);
        const QString grenze = Grenzzeichen(v.tonende);
        const bool grenze_oben = grenze == QStringLiteral("≤");
        if (!grenze.isEmpty() && !(grenze_oben ? darueber : darunter))
            Pfeil(p, punkt(v), links, grenze_oben, r, stift, a.flaeche);
    }
    p.restore();
}

} // namespace

// ---- Values ----------------------------------------------------------------

int Abweichung_dB(double schwelle_dB, double norm_dB)
{
    return int(std::lround(schwelle_dB - norm_dB));
}

Audiogramm_Daten Audiogramm_berechnen(const std::array<double, 43>& druck,
                                      const std::array<Tonende, 43>& tonende, const Freqarray& frequenzen,
                                      const std::array<double, 43>& ruhepegel)
{
    Audiogramm_Daten d;
    for (const bool links : {true, false}) {
        Audiogramm_Ohr& ohr = links ? d.links : d.rechts;
        for (int k = 1; k <= Zeilen; ++k) {
            const size_t j = size_t(Druck_index(links, k));
            // The results displays' rule: at or below 1e-15 Pa nothing was measured.
            if (!(druck[j] > Druck_nicht_gemessen))
                continue;
            Audiogramm_Wert w;
            w.zeile = k;
            w.frequenz = frequenzen[size_t(k - 1)];
            w.schwelle_dB = double(Pa_in_dB(druck[j]));
            w.hat_Norm = w.frequenz <= Hoerschwelle_hoechste_Frequenz;
            w.norm_dB = w.hat_Norm ? double(Hoerschwelle_Funktion(w.frequenz)) : 0.0;
            w.abweichung = w.schwelle_dB - w.norm_dB;
            w.abweichung_dB = Abweichung_dB(w.schwelle_dB, w.norm_dB);
            w.tonende = tonende[j];
            w.ruhepegel_dB = std::isfinite(ruhepegel[j]) && ruhepegel[j] > 0 ? ruhepegel[j] : 0.0;
            ohr.werte.push_back(w);
        }
        // Over the unrounded deviations; bounds among them make the average a
        // bound of the same kind, bounds of both kinds leave it open.
        double summe = 0;
        int gefunden = 0;
        QStringList grenzen;
        for (const int f : Mittelwert_Frequenzen) {
            const auto it = std::find_if(ohr.werte.begin(), ohr.werte.end(),
                                         [f](const Audiogramm_Wert& w) { return w.frequenz == f; });
            if (it != ohr.werte.end()) {
                summe += it->abweichung;
                ++gefunden;
                const QString g = Grenzzeichen(it->tonende);
                if (!g.isEmpty() && !grenzen.contains(g))
                    grenzen << g;
            }
        }
        if (gefunden == int(Mittelwert_Frequenzen.size())) {
            if (grenzen.size() > 1) {
                ohr.grenzen_gemischt = true;
            } else {
                ohr.mittelwert = summe / gefunden;
                ohr.mittelwert_grenze = grenzen.value(0);
            }
        }
    }
    return d;
}

QString Eichung_text(const Einstellungstyp& e, bool links)
{
    const Eichzustand z = Eichzustand_holen(e, links);
    if (z.art != Eichart::Schallpegelmesser || Eichung_unveraendert(e, links))
        return Eichzustand_text(z) +
               (z.art == Eichart::Bezugshoerer ? QStringLiteral(" – ") + Bezugshoerer_Hinweis() : QString());
    // Units of the level entries: 0 dB, 1 dB(A), 2 dB(C).
    static const char* const Einheiten[] = {"dB", "dB(A)", "dB(C)"};
    QStringList benutzt;
    for (const int32_t u : e.Schallmesser[links ? 0 : 1]) {
        const QString n = QString::fromLatin1(Einheiten[std::clamp(u, 0, 2)]);
        if (!benutzt.contains(n))
            benutzt << n;
    }
    //: %1 = kind of calibration, %2 = the level units used, e.g. "dB(A), dB(C)"
    return QCoreApplication::translate("audiogramm", "%1, Einheiten %2")
        .arg(Eichzustand_text(z), benutzt.join(QStringLiteral(", ")));
}

Audiogramm_Daten Audiogramm_Daten_holen(const QString& name)
{
    Audiogramm_Daten d =
        Audiogramm_berechnen(Hoertest_Druck, Hoertest_nach_Tonende, Einstellungen.Frequenzen);
    for (const bool links : {true, false}) {
        Audiogramm_Ohr& ohr = links ? d.links : d.rechts;
        ohr.ohne_Eichung = Eichzustand_holen(Einstellungen, links).art == Eichart::Grundwerte;
        ohr.eichung_text = Eichung_text(Einstellungen, links);
    }
    d.name = name;
    const QDateTime jetzt = QDateTime::currentDateTime();
    d.datum = Datum_text(jetzt.date());
    d.uhrzeit = jetzt.time().toString(QStringLiteral("HH:mm:ss"));
    d.pulsierend = Einstellungen.pulsierend != 0;
    d.zunehmend = Einstellungen.zunehmend != 0;
    return d;
}

// ---- Grades ----------------------------------------------------------------

std::array<QString, 7> Grad_Namen()
{
    // Grades of hearing loss (WHO 2021).
    static const char* const namen[] = {QT_TRANSLATE_NOOP("audiogramm", "Normal"),
                                        QT_TRANSLATE_NOOP("audiogramm", "Geringgradig"),
                                        QT_TRANSLATE_NOOP("audiogramm", "Mittelgradig"),
                                        QT_TRANSLATE_NOOP("audiogramm", "Mittel- bis hochgradig"),
                                        QT_TRANSLATE_NOOP("audiogramm", "Hochgradig"),
                                        QT_TRANSLATE_NOOP("audiogramm", "An Taubheit grenzend"),
                                        QT_TRANSLATE_NOOP("audiogramm", "Vollständig")};
    std::array<QString, 7> n;
    for (size_t i = 0; i < n.size(); ++i)
        n[i] = QCoreApplication::translate("audiogramm", namen[i]);
    return n;
}

int Grad_von(double mittelwert_dB)
{
    int g = 0;
    for (const int grenze : Grad_Grenzen)
        if (mittelwert_dB >= grenze)
            ++g;
    return g;
}

QString Grad_Name(double mittelwert_dB)
{
    return Grad_Namen()[size_t(Grad_von(mittelwert_dB))];
}

QString Mittelwert_text(const Audiogramm_Ohr& ohr)
{
    if (ohr.grenzen_gemischt)
        return QCoreApplication::translate("audiogramm",
                                           "nicht berechnet (unter 500, 1000, 2000 und 4000 Hz liegen "
                                           "Grenzwerte nach oben und nach unten)");
    if (!ohr.mittelwert)
        return QCoreApplication::translate(
            "audiogramm", "nicht berechnet (500, 1000, 2000 und 4000 Hz nicht alle gemessen)");
    const int grad = Grad_von(*ohr.mittelwert);
    const auto namen = Grad_Namen();
    QString grad_text = namen[size_t(grad)];
    // A bound leaves the grade open toward the side the bound points to.
    //: %1 = a grade of hearing loss, e.g. "Geringgradig"
    if (ohr.mittelwert_grenze == QStringLiteral("≥") && grad + 1 < int(namen.size()))
        grad_text = QCoreApplication::translate("audiogramm", "mindestens %1").arg(grad_text);
    //: %1 = a grade of hearing loss, e.g. "Geringgradig"
    else if (ohr.mittelwert_grenze == QStringLiteral("≤") && grad > 0)
        grad_text = QCoreApplication::translate("audiogramm", "höchstens %1").arg(grad_text);
    return (ohr.mittelwert_grenze.isEmpty() ? QString() : ohr.mittelwert_grenze + u' ') +
           Zahl(*ohr.mittelwert, 1) + QStringLiteral(" dB – ") + grad_text;
}

// ---- Texts --------------------------------------------------------------------

QString Audiogramm_Titel_y()
{
    return QCoreApplication::translate("audiogramm", "Abweichung von der Normhörschwelle (dB)");
}

QString Audiogramm_Hinweis_klinisch()
{
    return QCoreApplication::translate("audiogramm",
                                       "Kein klinisches Audiogramm: Bezug ist die Normhörschwelle im freien "
                                       "Schallfeld (ISO 226:2003), nicht der Bezugspegel eines "
                                       "Audiometer-Kopfhörers.");
}

QString Audiogramm_Legende_Pfeil()
{
    return QCoreApplication::translate("audiogramm", "Pfeil: Grenzwert oder außerhalb der Skala, Schwelle "
                                                     "liegt in Pfeilrichtung");
}

QString Audiogramm_Grenzen_Hinweis()
{
    return QCoreApplication::translate(
        "audiogramm", "≤: der Ton war schon zu Ende und noch hörbar, die Schwelle liegt darunter; "
                      "≥: der ansteigende Ton war zu Ende oder der fallende Ton schon unter die kleinste "
                      "Stufe der Ausgabe gefallen, die Schwelle liegt darüber. Ein Mittelwert mit "
                      "Grenzwerten ist selbst ein Grenzwert. Werte jenseits von −10 und 120 dB stehen "
                      "mit einem Pfeil am Rand.");
}

QString Eichung_Warnung(const Audiogramm_Ohr& ohr, bool links)
{
    if (!ohr.ohne_Eichung)
        return {};
    //: %1 = "Linkes Ohr" or "Rechtes Ohr"
    return QCoreApplication::translate(
               "audiogramm", "%1: keine eigene Kalibrierung – die Werte beruhen auf den Grundwerten "
                             "und sind keine Hörverluste.")
        .arg(links ? QCoreApplication::translate("audiogramm", "Linkes Ohr")
                   : QCoreApplication::translate("audiogramm", "Rechtes Ohr"));
}

QString Wert_text(const Audiogramm_Wert& w, int dB)
{
    const QString z = Grenzzeichen(w.tonende);
    return (z.isEmpty() ? z : z + u' ') + QString::number(dB);
}

QString Tiefe_Frequenzen_Hinweis(const Audiogramm_Daten& d)
{
    QStringList f;
    for (const bool links : {true, false})
        for (const auto& w : (links ? d.links : d.rechts).werte)
            if (w.frequenz < Audiogramm_f_min && !f.contains(QString::number(w.frequenz)))
                f << QString::number(w.frequenz);
    if (f.isEmpty())
        return {};
    //: %1 = the frequencies below 125 Hz, e.g. "20, 50"
    return QCoreApplication::translate("audiogramm",
                                       "Unter 125 Hz (%1 Hz) zeigt das Audiogramm nichts: diese "
                                       "Werte stehen nur in der Tabelle.")
        .arg(f.join(QStringLiteral(", ")));
}

QString Ruhepegel_Hinweis(const Audiogramm_Daten& d)
{
    // Per frequency which ears were marked: bit 1 left, bit 2 right.
    std::vector<std::pair<double, int>> f;
    for (const bool links : {true, false})
        for (const auto& w : (links ? d.links : d.rechts).werte) {
            if (!(w.ruhepegel_dB > 0))
                continue;
            auto it = std::find_if(f.begin(), f.end(), [&](const auto& x) { return x.first == w.frequenz; });
            if (it == f.end())
                it = f.insert(f.end(), {w.frequenz, 0});
            it->second |= links ? 1 : 2;
        }
    if (f.empty())
        return {};
    std::sort(f.begin(), f.end());
    QStringList teile;
    for (const auto& [frequenz, ohren] : f)
        teile << QString::number(frequenz) + QStringLiteral(" Hz (") +
                     (ohren == 3   ? QCoreApplication::translate("audiogramm", "beide Ohren")
                      : ohren == 1 ? QCoreApplication::translate("audiogramm", "links")
                                   : QCoreApplication::translate("audiogramm", "rechts")) +
                     u')';
    //: %1 = frequencies with the ears, e.g. "500 Hz (links), 1000 Hz (beide Ohren)"
    return QCoreApplication::translate(
               "audiogramm", "⚠ Ruhepegel zu hoch bei %1: Hörschwelle möglicherweise zu hoch gemessen")
        .arg(teile.join(QStringLiteral(", ")));
}

QStringList Hohe_Frequenzen_Zeilen(const Audiogramm_Daten& d)
{
    // One line per frequency above 12500 Hz, both ears side by side.
    std::vector<double> frequenzen;
    for (const bool links : {true, false})
        for (const auto& w : (links ? d.links : d.rechts).werte)
            if (!w.hat_Norm &&
                std::find(frequenzen.begin(), frequenzen.end(), w.frequenz) == frequenzen.end())
                frequenzen.push_back(w.frequenz);
    std::sort(frequenzen.begin(), frequenzen.end());
    QStringList z;
    for (const double f : frequenzen) {
        QStringList ohren;
        for (const bool links : {true, false})
            for (const auto& w : (links ? d.links : d.rechts).werte)
                if (w.frequenz == f && !w.hat_Norm) {
                    //: %1 = threshold level, e.g. "105" or "≥ 105"
                    ohren << (links ? QCoreApplication::translate("audiogramm", "links %1 dB")
                                    : QCoreApplication::translate("audiogramm", "rechts %1 dB"))
                                 .arg(Wert_text(w, w.abweichung_dB));
                    break;
                }
        z << QString::number(f) + QStringLiteral(" Hz: ") + ohren.join(QStringLiteral(", "));
    }
    if (z.isEmpty())
        return z;
    z.prepend(QCoreApplication::translate("audiogramm", "Über 12500 Hz gibt es keine Normhörschwelle; "
                                                        "dort die absolute Hörschwelle (Schalldruckpegel):"));
    return z;
}

std::vector<QStringList> Audiogramm_Tabelle(const Audiogramm_Daten& d)
{
    std::vector<QStringList> t;
    t.push_back({QCoreApplication::translate("audiogramm", "Frequenz (Hz)"),
                 QCoreApplication::translate("audiogramm", "Links: Hörschwelle (dB)"),
                 QCoreApplication::translate("audiogramm", "Abweichung (dB)"),
                 QCoreApplication::translate("audiogramm", "Rechts: Hörschwelle (dB)"),
                 QCoreApplication::translate("audiogramm", "Abweichung (dB)")});
    std::vector<std::pair<double, int>> zeilen; // frequency, row
    for (const bool links : {true, false})
        for (const auto& w : (links ? d.links : d.rechts).werte)
            if (std::find(zeilen.begin(), zeilen.end(), std::pair(w.frequenz, w.zeile)) == zeilen.end())
                zeilen.emplace_back(w.frequenz, w.zeile);
    std::sort(zeilen.begin(), zeilen.end());
    for (const auto& [f, k] : zeilen) {
        QStringList z{QString::number(f)};
        for (const bool links : {true, false}) {
            const auto& werte = (links ? d.links : d.rechts).werte;
            const auto it =
                std::find_if(werte.begin(), werte.end(), [k](const auto& w) { return w.zeile == k; });
            if (it == werte.end()) {
                z << QString() << QString();
            } else if (it->hat_Norm) {
                z << Zahl(it->schwelle_dB, 1) << Wert_text(*it, it->abweichung_dB);
            } else {
                const QString zeichen = Grenzzeichen(it->tonende);
                z << (zeichen.isEmpty() ? zeichen : zeichen + u' ') + Zahl(it->schwelle_dB, 1)
                  << QStringLiteral("–");
            }
        }
        t.push_back(z);
    }
    return t;
}

// ---- CSV ------------------------------------------------------------------------

namespace
{
// One CSV field: quoted when it holds ";", a quote or a line break; a leading
// "=", "+", "-" or "@" gets an apostrophe so that no spreadsheet runs it.
QString CSV_Feld(const QString& text)
{
    QString t = text;
    // A spreadsheet would take a leading = + - @ for a formula.
    if (!t.isEmpty() && QStringLiteral("=+-@").contains(t.front()))
        t.prepend(u'\'');
    if (t.contains(u';') || t.contains(u'"') || t.contains(u'\r') || t.contains(u'\n'))
        t = u'"' + t.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return t;
}
} // namespace

QByteArray Audiogramm_CSV(const Audiogramm_Daten& d)
{
    // The header's names are each one field, whatever the language.
    const QStringList kopf{QCoreApplication::translate("audiogramm", "Ohr"),
                           QCoreApplication::translate("audiogramm", "Frequenz (Hz)"),
                           QCoreApplication::translate("audiogramm", "Hörschwelle (dB)"),
                           QCoreApplication::translate("audiogramm", "Normhörschwelle (dB)"),
                           QCoreApplication::translate("audiogramm", "Abweichung (dB)"),
                           QCoreApplication::translate("audiogramm", "Grenze"),
                           QCoreApplication::translate("audiogramm", "Name"),
                           QCoreApplication::translate("audiogramm", "Datum"),
                           QCoreApplication::translate("audiogramm", "Uhrzeit")};
    QStringList felder;
    for (const QString& k : kopf)
        felder << CSV_Feld(k);
    QString s = felder.join(u';') + QStringLiteral("\r\n");
    const QString ohr_links = CSV_Feld(QCoreApplication::translate("audiogramm", "links"));
    const QString ohr_rechts = CSV_Feld(QCoreApplication::translate("audiogramm", "rechts"));
    const QString person = u';' + CSV_Feld(d.name.trimmed()) + u';' + d.datum + u';' + d.uhrzeit;
    for (const bool links : {true, false})
        for (const auto& w : (links ? d.links : d.rechts).werte) {
            const QString grenze = Grenzzeichen(w.tonende);
            s += (links ? ohr_links : ohr_rechts) + u';' + QString::number(w.frequenz) + u';' +
                 Zahl(w.schwelle_dB, 1) + u';' + (w.hat_Norm ? Zahl(w.norm_dB, 1) : QString()) + u';' +
                 (w.hat_Norm ? QString::number(w.abweichung_dB) : QString()) + u';' + grenze + person +
                 QStringLiteral("\r\n");
        }
    return QByteArray("\xEF\xBB\xBF") + s.toUtf8();
}

bool Audiogramm_CSV_speichern(const Audiogramm_Daten& d, const QString& pfad)
{
    if (Datei_sicher_schreiben(pfad, Audiogramm_CSV(d)))
        return true;
    Fehler_bei_abspeichern();
    return false;
}

// ---- Drawing --------------------------------------------------------------------

double Audiogramm_Achsen::x_von_Frequenz(double f) const
{
    const double o = std::clamp(std::log2(std::max(f, 1e-9) / Audiogramm_f_min), 0.0, Oktaven);
    return flaeche.left() + o / Oktaven * flaeche.width();
}

double Audiogramm_Achsen::y_von_Pegel(double dB) const
{
    const double v = std::clamp(dB, Audiogramm_dB_min, Audiogramm_dB_max);
    return flaeche.top() +
           (v - Audiogramm_dB_min) / (Audiogramm_dB_max - Audiogramm_dB_min) * flaeche.height();
}

double Audiogramm_Achsen::Markierung_Radius(double massstab) const
{
    return std::max(4.0 * massstab, flaeche.height() / 90.0);
}

Audiogramm_Achsen Audiogramm_Achsen_in(const QRect& bereich, double m)
{
    const auto n = [m](double px) { return int(std::lround(px * m)); };
    Audiogramm_Achsen a;
    a.flaeche = bereich.adjusted(n(78), n(46), -n(150), -n(34));
    return a;
}

void Audiogramm_zeichnen(QPainter& p, const QRect& bereich, const Audiogramm_Daten& d, double m)
{
    const Audiogramm_Achsen a = Audiogramm_Achsen_in(bereich, m);
    const QRect& F = a.flaeche;
    p.save();
    p.fillRect(bereich, Qt::white);

    // Grade bands, the normal one tinted, with their names right of the plot.
    Schrift(p, 11, m);
    const auto& namen = Grad_Namen();
    for (size_t g = 0; g < namen.size(); ++g) {
        const double von = g == 0 ? Audiogramm_dB_min : Grad_Grenzen[g - 1];
        const double bis = g < Grad_Grenzen.size() ? Grad_Grenzen[g] : Audiogramm_dB_max;
        const double y1 = a.y_von_Pegel(von), y2 = a.y_von_Pegel(bis);
        const QColor band =
            g == 0 ? QColor(214, 240, 214) : (g % 2 ? QColor(246, 246, 246) : QColor(235, 235, 235));
        p.fillRect(QRectF(F.left(), y1, F.width(), y2 - y1), band);
        p.fillRect(QRectF(F.right() + 1, y1, 6 * m, y2 - y1), band);
        p.setPen(QColor(90, 90, 90));
        Text(p, F.right() + 10 * m, (y1 + y2) / 2, namen[g], 0);
    }
    p.setPen(QColor(40, 110, 40));
    Text(p, F.left() + 6 * m, a.y_von_Pegel(Audiogramm_dB_min) + 9 * m,
         QCoreApplication::translate("audiogramm", "normal"), 0);

    // Grid: octaves and every 10 dB; the axes' labels.
    p.setPen(QPen(Farbe_in_QColor(RGB(192, 192, 192)), 1));
    Schrift(p, 12, m);
    for (int o = 0; o <= int(Oktaven); ++o) {
        const double x = a.x_von_Frequenz(Audiogramm_f_min * std::pow(2.0, o));
        p.setPen(QPen(Farbe_in_QColor(RGB(192, 192, 192)), 1));
        p.drawLine(QPointF(x, F.top()), QPointF(x, F.bottom()));
        p.setPen(Qt::black);
        Text(p, x, F.top() - 17 * m, Frequenz_Beschriftungen[size_t(o)], 1);
    }
    for (int dB = int(Audiogramm_dB_min); dB <= int(Audiogramm_dB_max); dB += 10) {
        const double y = a.y_von_Pegel(dB);
        p.setPen(QPen(Farbe_in_QColor(RGB(192, 192, 192)), 1));
        p.drawLine(QPointF(F.left(), y), QPointF(F.right(), y));
        p.setPen(Qt::black);
        Text(p, F.left() - 6 * m, y, QString::number(dB), 2);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(F);
    Text(p, (F.left() + F.right()) / 2.0, bereich.top() + 9 * m,
         QCoreApplication::translate("audiogramm", "Frequenz (Hz)"), 1);
    p.save();
    p.translate(bereich.left() + 16 * m, (F.top() + F.bottom()) / 2.0);
    p.rotate(-90);
    Text(p, 0, 0, Audiogramm_Titel_y(), 1);
    p.restore();

    // Both ears, then the legend under the plot.
    Ohr_zeichnen(p, a, d.rechts, false, m);
    Ohr_zeichnen(p, a, d.links, true, m);
    const double r = a.Markierung_Radius(m);
    const double y = F.bottom() + 20 * m;
    double x = F.left() + r;
    p.setPen(Qt::black);
    Schrift(p, 11, m);
    const QFontMetricsF fm(p.font());
    const QString rechtes = QCoreApplication::translate("audiogramm", "rechtes Ohr");
    const QString linkes = QCoreApplication::translate("audiogramm", "linkes Ohr");
    Markierung(p, QPointF(x, y), false, r, 2 * m);
    Text(p, x + r + 5 * m, y, rechtes, 0);
    x += r + 5 * m + fm.horizontalAdvance(rechtes) + 20 * m + r;
    Markierung(p, QPointF(x, y), true, r, 2 * m);
    Text(p, x + r + 5 * m, y, linkes, 0);
    x += r + 5 * m + fm.horizontalAdvance(linkes) + 20 * m;
    Text(p, x, y, Audiogramm_Legende_Pfeil(), 0);
    p.restore();
}
