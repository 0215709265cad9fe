// The audiogram window in the running program with a known result set: opened
// from the last entry of "Testergebnisse", markers and bound arrows at their
// pixels, averages and grades, the warnings; the report saved as one PDF page
// and the values as CSV through the recorded dialogs, and a save that fails.
// Leaves Audiogramm.png, Audiogramm.pdf and Audiogramm.csv in test-output/.
#include "app/tones/alle_wave.h"
#include "app/results/audiogramm_unit.h"
#include "app/shell/fenster.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/tabellen_pruefung.h"
#include "app/shell/unit1.h"
#include "app/results/zeichenflaeche.h"
#include "app/programm_starten.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/settings/einstellungen.h"
#include "core/shell/meldungen.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <memory>
#include <tuple>

namespace
{
const QString Ausgabe = QStringLiteral(VAZOZEZ_TEST_OUTPUT);
const QRgb Rot = qRgb(255, 0, 0), Blau = qRgb(0, 0, 255);

// Deviation from the normal threshold per row of the default frequencies
// (50 Hz .. 18000 Hz) for the right ear; the left ear lies 30 dB lower.
// Rows 19, 20 (14000, 16000 Hz) are absolute levels; row 21 is not measured.
const int Rechts[21] = {15, 12, 10, 10, 20, 25, 30, 35, 35, 38, 40, 42, 45, 50, 55, 60, 65, 70, 75, 80, 0};
constexpr int Links_tiefer = 30;
constexpr int Zeile_Grenze_links = 8;   // 2500 Hz, pressed after a falling tone's end
constexpr int Zeile_Grenze_rechts = 12; // 4500 Hz, after a rising tone's end
// Rows measured while the room was too loud: (left ear, row, excess in dB).
const std::tuple<bool, int, double> Ruhepegel_Marken[] = {{true, 5, 2}, {false, 5, 4}, {false, 7, 1}};

double pa(double dB)
{
    return 0.00002 * std::pow(10.0, dB / 20.0);
}

int zaehlen(const QImage& b, QRgb farbe, QRect bereich)
{
    bereich &= b.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += b.pixel(x, y) == farbe;
    return n;
}

void Ergebnisse_setzen()
{
    Druck_string_start();
    for (int k = 1; k <= 21; ++k) {
        const double f = Frequenz(k);
        const double norm = f <= 12500 ? double(Hoerschwelle_Funktion(f)) : 0.0;
        if (Rechts[k - 1] == 0)
            continue;
        Hoertest_Druck[size_t(Druck_index(false, k))] = pa(norm + Rechts[k - 1]);
        Hoertest_Druck[size_t(Druck_index(true, k))] = pa(norm + Rechts[k - 1] + Links_tiefer);
    }
    Hoertest_nach_Tonende[size_t(Druck_index(true, Zeile_Grenze_links))] = Tonende::nach_abnehmendem;
    Hoertest_nach_Tonende[size_t(Druck_index(false, Zeile_Grenze_rechts))] = Tonende::nach_zunehmendem;
    for (const auto& [links, zeile, dB] : Ruhepegel_Marken)
        Hoertest_Ruhepegel[size_t(Druck_index(links, zeile))] = dB;
}
} // namespace

class TestAudiogrammFenster : public QObject
{
    Q_OBJECT
    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<Programm> programm_;

    TAudiogramm_Form* form() const { return qobject_cast<TAudiogramm_Form*>(Fenster.Audiogramm_Form); }
    void zeigen()
    {
        form()->hide();
        QAction* eintrag = programm_->hauptfenster()->Testergebnisse1->findChild<QAction*>(
            QStringLiteral("Audiogramm1"), Qt::FindDirectChildrenOnly);
        QVERIFY(eintrag);
        QCOMPARE(eintrag->text(), QStringLiteral("Audiogramm"));
        eintrag->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
    }
    void speichern(QPushButton* knopf, const QString& pfad)
    {
        QFile::remove(pfad);
        dlg_.leeren();
        dlg_.dateiwahlen.push_back({pfad, 1});
        knopf->click();
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(Ausgabe);
        heim_ = std::make_unique<Frisches_Heim>();
        QVERIFY(Programm_starten(programm_, &player_, &dlg_));
        QVERIFY(form());
    }
    void cleanupTestCase()
    {
        programm_.reset();
        Einstellungen_zuruecksetzen();
        heim_.reset();
    }

    void Markierungen_Mittelwerte_Warnungen()
    {
        Ergebnisse_setzen();
        zeigen();
        form()->resize(1100, 720);
        QTRY_VERIFY(form()->Audiogramm->width() >= 640);
        const QImage b = form()->Audiogramm->grab().toImage();
        b.save(Ausgabe + QStringLiteral("/Audiogramm.png"));
        const Audiogramm_Achsen a = Audiogramm_Achsen_in(form()->Audiogramm->rect(), 1.0);
        const int r = int(a.Markierung_Radius(1.0));
        int gezeigt = 0;
        for (int k = 1; k <= 21; ++k) {
            const double f = Frequenz(k);
            const bool im_Bild = f >= 125 && f <= 12500;
            const int x = int(std::lround(a.x_von_Frequenz(f)));
            const int yr = int(std::lround(a.y_von_Pegel(Rechts[k - 1])));
            const int yl = int(std::lround(a.y_von_Pegel(Rechts[k - 1] + Links_tiefer)));
            // Circle: its ring crosses the column r pixels above and below the centre.
            const QRect oben(x - 1, yr - r - 1, 3, 3), unten(x - 1, yr + r - 1, 3, 3);
            QVERIFY2((zaehlen(b, Rot, oben) > 0 && zaehlen(b, Rot, unten) > 0) == im_Bild,
                     qPrintable(QString::number(f)));
            // Cross: both diagonals reach the corners.
            QVERIFY2((zaehlen(b, Blau, QRect(x - r - 1, yl - r - 1, 3, 3)) > 0 &&
                      zaehlen(b, Blau, QRect(x + r - 1, yl + r - 1, 3, 3)) > 0) == im_Bild,
                     qPrintable(QString::number(f)));
            gezeigt += im_Bild;
            if (k == Zeile_Grenze_links) {
                // Arrow up from the cross (the threshold lies lower), nothing below.
                QVERIFY(zaehlen(b, Blau, QRect(x - 1, yl - 3 * r, 3, 2 * r - 2)) >= r);
                QCOMPARE(zaehlen(b, Blau, QRect(x - 1, yl + r + 2, 3, 2 * r - 2)), 0);
            }
            if (k == Zeile_Grenze_rechts) {
                QVERIFY(zaehlen(b, Rot, QRect(x - 1, yr + r + 2, 3, 2 * r - 2)) >= r);
                QCOMPARE(zaehlen(b, Rot, QRect(x - 1, yr - 3 * r, 3, 2 * r - 2)), 0);
            }
        }
        QCOMPARE(gezeigt, 16);

        // 500/1000/2000/4000 Hz: right 10, 20, 30, 40 -> 25; left 55.
        const QString mittel = form()->Mittelwerte_Label->text();
        QVERIFY2(mittel.contains(QStringLiteral("Rechtes Ohr: 25,0 dB – Geringgradig")), qPrintable(mittel));
        QVERIFY2(mittel.contains(QStringLiteral("Linkes Ohr: 55,0 dB – Mittel- bis hochgradig")),
                 qPrintable(mittel));
        // A first start has the default calibration on both ears.
        const QString eichung = form()->Eichung_Label->text();
        QVERIFY(eichung.contains(QStringLiteral("Linkes Ohr: keine eigene Kalibrierung")));
        QVERIFY(eichung.contains(QStringLiteral("Rechtes Ohr: keine eigene Kalibrierung")));
        QCOMPARE(form()->Hinweis_Label->text(), Audiogramm_Hinweis_klinisch());
        QVERIFY(form()->Hohe_Frequenzen_Label->text().contains(
            QStringLiteral("16000 Hz: links 110 dB, rechts 80 dB")));
        // The rows measured while the room was too loud are named under the chart ...
        QVERIFY2(form()->Hohe_Frequenzen_Label->text().contains(
                     QStringLiteral("Ruhepegel zu hoch bei 1000 Hz (beide Ohren), 2000 Hz (rechts): "
                                    "Hörschwelle möglicherweise zu hoch gemessen")),
                 qPrintable(form()->Hohe_Frequenzen_Label->text()));
        // ... and carry a dark red sign beside their point, the others none.
        auto zeichen = [&](int zeile, bool links) {
            const double f = Frequenz(zeile);
            const int x = int(std::lround(a.x_von_Frequenz(f)));
            const int y = int(std::lround(a.y_von_Pegel(Rechts[zeile - 1] + (links ? Links_tiefer : 0))));
            int n = 0;
            for (int u = x + r; u < x + r + 12; ++u)
                for (int v = y - r - 12; v < y - r + 2; ++v) {
                    const QColor c = b.pixelColor(u, v);
                    n += c.red() >= 120 && c.red() <= 230 && c.green() < 80 && c.blue() < 80;
                }
            return n;
        };
        for (const auto& [links, zeile, dB] : Ruhepegel_Marken)
            QVERIFY2(zeichen(zeile, links) > 0, qPrintable(QString::number(zeile)));
        QCOMPARE(zeichen(7, true), 0);
        QCOMPARE(zeichen(9, false), 0);
        form()->grab().save(Ausgabe + QStringLiteral("/Audiogramm_Fenster.png"));
    }

    void Werte_am_Rand_mit_Pfeil()
    {
        // Values beyond -10 and 120 dB and bounds; (row, left ear, deviation, kind).
        struct Punkt {
            int zeile;
            bool links;
            int abweichung;
            Tonende ende;
        };
        const Punkt punkte[] = {
            {3, false, -25, Tonende::nach_abnehmendem}, // 200 Hz, held at the top, bound upward
            {4, true, -15, Tonende::waehrend},          // 500 Hz, held at the top
            {5, false, 130, Tonende::waehrend},         // 1000 Hz, held at the bottom
            {6, true, 125, Tonende::unter_Stufe},       // 1500 Hz, held at the bottom, bound downward
            {7, false, 60, Tonende::unter_Stufe},       // 2000 Hz, inside, bound downward
        };
        Druck_string_start();
        for (const Punkt& q : punkte) {
            const size_t i = size_t(Druck_index(q.links, q.zeile));
            Hoertest_Druck[i] = pa(double(Hoerschwelle_Funktion(Frequenz(q.zeile))) + q.abweichung);
            Hoertest_nach_Tonende[i] = q.ende;
        }
        zeigen();
        form()->resize(1100, 720);
        QTRY_VERIFY(form()->Audiogramm->width() >= 640);
        const QImage b = form()->Audiogramm->grab().toImage();
        b.save(Ausgabe + QStringLiteral("/Audiogramm_Rand.png"));
        const Audiogramm_Achsen a = Audiogramm_Achsen_in(form()->Audiogramm->rect(), 1.0);
        const int r = int(a.Markierung_Radius(1.0));
        const int oben = a.flaeche.top(), unten = a.flaeche.top() + a.flaeche.height();
        for (const Punkt& q : punkte) {
            const QRgb farbe = q.links ? Blau : Rot;
            const int x = int(std::lround(a.x_von_Frequenz(Frequenz(q.zeile))));
            const int y = int(std::lround(a.y_von_Pegel(q.abweichung)));
            const QString wo = QString::number(Frequenz(q.zeile));
            if (q.abweichung < -10 || q.abweichung > 120) {
                // Marker on the edge, the arrow beside it inside the plot,
                // its tip on the edge: left of a cross, right of a circle.
                QCOMPARE(y, q.abweichung < 0 ? oben : unten);
                const int xp = x + int(std::lround((q.links ? -1.8 : 1.8) * r));
                const QRect schaft = q.abweichung < 0 ? QRect(xp - 1, oben + 2, 3, 2 * r - 2)
                                                      : QRect(xp - 1, unten - 2 * r, 3, 2 * r - 2);
                QVERIFY2(zaehlen(b, farbe, schaft) >= r, qPrintable(wo));
            } else {
                // Inside: the arrow hangs below the marker, nothing above it.
                QVERIFY2(zaehlen(b, farbe, QRect(x - 1, y + r + 2, 3, 2 * r - 2)) >= r, qPrintable(wo));
                QCOMPARE(zaehlen(b, farbe, QRect(x - 1, y - 3 * r, 3, 2 * r - 2)), 0);
            }
        }
    }

    void Bericht_und_Werte_speichern()
    {
        Ergebnisse_setzen();
        zeigen();
        form()->Name_Edit->setText(QStringLiteral("Erika Mustermann"));
        const QString pdf = Ausgabe + QStringLiteral("/Audiogramm.pdf");
        speichern(form()->Button1, pdf);
        QVERIFY2(dlg_.meldungen.empty(), qPrintable(dlg_.letzter_text()));
        QCOMPARE(dlg_.dateidialoge.back().standard_endung, QStringLiteral("pdf"));
        const QStringList seiten = pdf_seiten(pdf);
        QCOMPARE(seiten.size(), 1);
        const QString text = seiten.front().simplified();
        for (const QString& t :
             {QStringLiteral("Audiogramm"), QStringLiteral("Name: Erika Mustermann"),
              QStringLiteral("Pulsierender Ton"), QStringLiteral("Amplitude abnehmend"),
              QStringLiteral("Kalibrierung linkes Ohr: nicht kalibriert (Grundwerte)"),
              QStringLiteral("Kein klinisches Audiogramm"), QStringLiteral("125 250 500 1k 2k 4k 8k 16k"),
              QStringLiteral("Rechtes Ohr: 25,0 dB – Geringgradig"),
              QStringLiteral("Linkes Ohr: 55,0 dB – Mittel- bis hochgradig"),
              QStringLiteral("An Taubheit grenzend"), QStringLiteral("2500 "), QStringLiteral("≤ 65"),
              QStringLiteral("≥ 42"), QStringLiteral("16000 ")})
            QVERIFY2(text.contains(t), qPrintable(t + QStringLiteral(" | ") + text));

        // CSV: header, one line per frequency and ear, left ear first.
        const QString csv = Ausgabe + QStringLiteral("/Audiogramm.csv");
        speichern(form()->Button2, csv);
        QVERIFY(dlg_.meldungen.empty());
        const QByteArray roh = datei_inhalt(csv);
        QVERIFY(roh.startsWith("\xEF\xBB\xBF"));
        const QStringList zeilen =
            QString::fromUtf8(roh.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 1 + 2 * 20);
        QCOMPARE(zeilen[0], QStringLiteral("Ohr;Frequenz (Hz);Hörschwelle (dB);Normhörschwelle (dB);"
                                           "Abweichung (dB);Grenze;Name;Datum;Uhrzeit"));
        // Every line names the person tested and when: "...;Erika Mustermann;09.12.2026;14:05:33".
        const QRegularExpression person(
            QStringLiteral(";Erika Mustermann;\\d\\d\\.\\d\\d\\.\\d{4};\\d\\d:\\d\\d:\\d\\d$"));
        for (int i = 1; i < zeilen.size(); ++i) {
            QCOMPARE(zeilen[i].count(u';'), 8);
            QVERIFY2(person.match(zeilen[i]).hasMatch(), qPrintable(zeilen[i]));
        }
        // Left 1000 Hz: 2.4 + 50 dB; left 2500 Hz a bound; right 16000 Hz absolute.
        QVERIFY(zeilen[5].startsWith(QStringLiteral("links;1000;52,4;2,4;50;;Erika")));
        QVERIFY(zeilen[Zeile_Grenze_links].contains(QStringLiteral(";65;≤;")));
        QVERIFY(zeilen[20 + 20].startsWith(QStringLiteral("rechts;16000;80,0;;;;Erika")));
        // Names that would break a line or run as a formula.
        const std::pair<QString, QString> namen[] = {
            {QStringLiteral("Muster; \"Erika\""), QStringLiteral("\"Muster; \"\"Erika\"\"\"")},
            {QStringLiteral("=1+1"), QStringLiteral("'=1+1")}};
        for (const auto& [name, feld] : namen) {
            form()->Name_Edit->setText(name);
            speichern(form()->Button2, csv);
            const QString erste = QString::fromUtf8(datei_inhalt(csv).mid(3)).section(QStringLiteral("\r\n"), 1, 1);
            QVERIFY2(erste.startsWith(QStringLiteral("links;50;")) && erste.contains(u';' + feld + u';'),
                     qPrintable(erste));
        }

        // A file that cannot be written: the program's save warning.
        speichern(form()->Button2, Ausgabe + QStringLiteral("/fehlt/Audiogramm.csv"));
        QCOMPARE(dlg_.letzter_text(), Text_Fehler_bei_abspeichern());
    }
};

QTEST_MAIN(TestAudiogrammFenster)
#include "audiogramm_fenster.moc"
