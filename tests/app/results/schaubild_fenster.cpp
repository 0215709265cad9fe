// The hearing-threshold chart window and the chart picture window in the
// running program: opened from the main menu, markers of both ears at their
// pixels, check boxes, units and scrolling, the crosshair, and pictures saved
// through the recorded dialog. Leaves Schaubild.jpg, Schaubild.bmp and grabs
// of both windows in test-output/.
#include "app/tones/alle_wave.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/results/schaubild_grafik_unit.h"
#include "app/results/schaubild_unit.h"
#include "app/shell/unit1.h"
#include "app/results/zeichenflaeche.h"
#include "app/programm_starten.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/meldungen.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace
{
const QString Ausgabe = QStringLiteral(VAZOZEZ_TEST_OUTPUT);
const QRgb Rot = qRgb(255, 0, 0), Blau = qRgb(0, 0, 255), Gruen = qRgb(0, 128, 0), Braun = qRgb(128, 0, 0),
           Magenta = qRgb(255, 0, 255);

double pa(double dB)
{
    return 0.00002 * std::pow(10.0, dB / 20.0);
}

int zaehlen(const QImage& b, QRgb farbe, QRect bereich = {})
{
    if (bereich.isNull())
        bereich = b.rect();
    bereich &= b.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += b.pixel(x, y) == farbe;
    return n;
}

// Rightmost column holding the colour, or -1.
int rechtester(const QImage& b, QRgb farbe)
{
    for (int x = b.width() - 1; x >= 0; --x)
        for (int y = 0; y < b.height(); ++y)
            if (b.pixel(x, y) == farbe)
                return x;
    return -1;
}

// Left rows 1..21 except 17 at 5 + row dB, right rows except 19 at 45 + row dB.
void beide_Ohren_messen()
{
    for (int k = 1; k <= 21; ++k) {
        Hoertest_Druck[size_t(Druck_index(true, k))] = k == 17 ? 0 : pa(5 + k);
        Hoertest_Druck[size_t(Druck_index(false, k))] = k == 19 ? 0 : pa(45 + k);
    }
}
} // namespace

class TestSchaubildFenster : public QObject
{
    Q_OBJECT
    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<Programm> programm_;

    THoerschwelle_Schaubild_Form* form() const { return Hoerschwelle_Schaubild_Form; }
    QImage plot() const { return form()->Schaubild->grab().toImage(); }
    // Shown anew: the window recomputes its markers.
    void zeigen()
    {
        form()->hide();
        programm_->hauptfenster()->findChild<QAction*>(QStringLiteral("Schaubild1"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
    }
    QRect um(long double f, long double L, int r = 6) const
    {
        const int x = Schaubild_Norm->xWert_in_xPixel_Schaubild(f);
        const int y = Schaubild_Norm->yWert_in_yPixel_Schaubild(L);
        return QRect(x - r, y - r, 2 * r + 1, 2 * r + 1);
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(Ausgabe);
        heim_ = std::make_unique<Frisches_Heim>();
        QVERIFY(Programm_starten(programm_, &player_, &dlg_));
        QVERIFY(form() && Oszi_Grafik);
    }
    void cleanupTestCase()
    {
        programm_.reset();
        Einstellungen_zuruecksetzen();
        heim_.reset();
    }
    void init()
    {
        dlg_.leeren();
        Druck_string_start();
        for (QCheckBox* c : {form()->CheckBox1, form()->CheckBox2, form()->CheckBox3})
            c->setChecked(true);
        form()->CheckBox4->setChecked(false);
    }

    void aus_dem_Menue_ohne_Ergebnisse()
    {
        zeigen();
        QVERIFY(form()->isMaximized());
        QCOMPARE(form()->windowTitle(), QStringLiteral("Hörschwelle"));
        QCOMPARE(form()->StatusBar1Panel[0]->text(), QStringLiteral("Fadenkreuz:"));
        QCOMPARE(form()->StatusBar1Panel[1]->text(), QStringLiteral("aus"));
        // No markers; the ISO 226 curve up to 12500 Hz, the 0-dB(A) curve to 20000 Hz once ticked.
        QImage b = plot();
        QCOMPARE(zaehlen(b, Rot) + zaehlen(b, Blau) + zaehlen(b, Braun), 0);
        QVERIFY(zaehlen(b, qRgb(128, 128, 128)) > 0);
        // The reduced curve ends with its last retained sample, at most one step before 12500 Hz.
        const int ende = Schaubild_Norm->xWert_in_xPixel_Schaubild(12500);
        const int schritt = int(std::ceil(double(Schaubild_Norm->dx * Schaubild_Norm->xSkala)));
        QVERIFY(rechtester(b, Gruen) <= ende && rechtester(b, Gruen) >= ende - schritt);
        form()->CheckBox4->setChecked(true);
        b = plot();
        const int schritt_dBA = int(std::ceil(double(Schaubild_NulldBA->dx * Schaubild_NulldBA->xSkala)));
        QVERIFY(rechtester(b, Braun) >= Schaubild_NulldBA->xWert_in_xPixel_Schaubild(20000) - schritt_dBA);
        form()->CheckBox4->setChecked(false);
        // The main menu's result windows closing takes the chart window along.
        programm_->hauptfenster()->ErgebnisFenster_schliessen();
        QVERIFY(!form()->isVisible());
    }

    void Markierungen_beider_Ohren()
    {
        beide_Ohren_messen();
        zeigen();
        const QImage b = plot();
        for (int k = 1; k <= 21; ++k) {
            const long double f = Einstellungen.Frequenzen[size_t(k - 1)];
            // A cross of 2 x 11 pixels each way; grid lines drawn later may cover a few.
            QVERIFY2((zaehlen(b, Rot, um(f, 5 + k)) >= 20) == (k != 17), qPrintable(QString::number(k)));
            QVERIFY2((zaehlen(b, Blau, um(f, 45 + k)) >= 20) == (k != 19), qPrintable(QString::number(k)));
        }
        b.save(Ausgabe + QStringLiteral("/Schaubild_Fenster_Plot.png"));
        form()->grab().save(Ausgabe + QStringLiteral("/Schaubild_Fenster.png"));
        form()->CheckBox1->setChecked(false);
        QCOMPARE(zaehlen(plot(), Rot), 0);
        QVERIFY(zaehlen(plot(), Blau) > 0);
        form()->CheckBox1->setChecked(true);
    }

    void Einheiten_Scrollen_Fadenkreuz()
    {
        zeigen();
        // "100 Hz": ten units from the start; one page of the scroll bar is one unit.
        form()->ZeiteinheitComboBox->setCurrentIndex(2);
        form()->ZeiteinheitComboBoxSelect();
        QCOMPARE(Schaubild_Norm->xmax - Schaubild_Norm->xmin, 1000.0L);
        const long double x0 = Schaubild_Norm->xmin;
        form()->ZeitScrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Schaubild_Norm->xmin, x0 + 100);
        QCOMPARE(Schaubild_NulldBA->xmin, x0 + 100);
        form()->DruckeinheitComboBox->setCurrentIndex(4); // "20 dB"
        form()->DruckeinheitComboBoxSelect();
        QCOMPARE(Schaubild_Norm->ymax - Schaubild_Norm->ymin, 200.0L);
        const long double y0 = Schaubild_Norm->ymin;
        form()->DruckScrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Schaubild_Norm->ymin, y0 - 20);
        form()->ZeiteinheitComboBox->setCurrentIndex(6);
        form()->ZeiteinheitComboBoxSelect();
        form()->DruckeinheitComboBox->setCurrentIndex(3);
        form()->DruckeinheitComboBoxSelect();
        QCOMPARE(Schaubild_Norm->xmin, 0.0L);

        // The right button leaves the crosshair off; the left one sets it and its
        // readout, in hundreds of hertz on a plot 800 pixels wide.
        form()->showNormal();
        form()->resize(1050, 600);
        QTRY_COMPARE(form()->Schaubild->width(), 801);
        const QPoint klick(137, 101);
        QTest::mouseClick(form()->Schaubild, Qt::RightButton, {}, klick);
        QCOMPARE(form()->StatusBar1Panel[1]->text(), QStringLiteral("aus"));
        QCOMPARE(zaehlen(plot(), Magenta), 0);
        QTest::mouseClick(form()->Schaubild, Qt::LeftButton, {}, klick);
        const QString f = form()->StatusBar1Panel[1]->text();
        QVERIFY2(f.startsWith(QStringLiteral("f = ")) && f.endsWith(QStringLiteral("00 Hz")), qPrintable(f));
        const double hz = f.mid(4, f.size() - 7).toDouble();
        QVERIFY(std::abs(hz - double(Schaubild_Norm->xPixel_in_xWert_Schaubild(klick.x()))) <= 50);
        QCOMPARE(form()->StatusBar1Panel[2]->text(),
                 QStringLiteral("Schallpegel = ") + Schaubild_Norm->yFadenkreuz_text + QStringLiteral(" dB"));
        QImage b = plot();
        QVERIFY(zaehlen(b, Magenta, QRect(klick.x(), 0, 1, b.height())) > b.height() / 2);
        // Without the ISO 226 curve the grid and the crosshair stay.
        form()->CheckBox3->setChecked(false);
        b = plot();
        QCOMPARE(zaehlen(b, Gruen), 0);
        QVERIFY(zaehlen(b, Magenta) > 0 && zaehlen(b, qRgb(128, 128, 128)) > 0);
        form()->CheckBox3->setChecked(true);
        form()->Button4Click();
        QCOMPARE(form()->StatusBar1Panel[1]->text(), QStringLiteral("bereit (linke Maustaste)"));
        QCOMPARE(zaehlen(plot(), Magenta), 0);
    }

    void Bildfenster_speichern()
    {
        beide_Ohren_messen();
        zeigen();
        QTest::mouseClick(form()->Schaubild, Qt::LeftButton, {}, QPoint(200, 150)); // never in the picture
        TOszi_Grafik* g = Oszi_Grafik;
        form()->Button2Click();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QVERIFY(!g->isMaximized());
        QCOMPARE(g->windowTitle(), QStringLiteral("Schaubilder zur Hörschwelle"));
        g->resize(701, 503);
        QTRY_COMPARE(g->StatusBar1Panel0->text(),
                     QStringLiteral("Pixel: %1 x %2").arg(g->PaintBox1->width()).arg(g->PaintBox1->height()));
        const QSize groesse = g->PaintBox1->size();

        // A cancelled colour dialog changes nothing; a chosen one the colour.
        g->Gitter1Click();
        QCOMPARE(dlg_.farbdialoge.back(), int32_t(0x808080));
        QCOMPARE(g->Bild_Norm.Gitterfarbe, int32_t(0x808080));
        QCOMPARE(g->Bild_NulldBA.Gitterfarbe, int32_t(0x808080));
        dlg_.farben.push_back(int32_t(0x404040));
        g->Gitter1Click();
        QCOMPARE(g->Bild_NulldBA.Gitterfarbe, int32_t(0x404040));

        const QString jpg = Ausgabe + QStringLiteral("/Schaubild.jpg");
        const QString bmp = Ausgabe + QStringLiteral("/Schaubild.bmp");
        QFile::remove(jpg);
        QFile::remove(bmp);
        dlg_.dateiwahlen.push_back({Ausgabe + QStringLiteral("/Schaubild.dat"), 1});
        g->Speichern1Click();
        QCOMPARE(g->SavePictureDialog1.filter, QStringLiteral("jpeg (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp"));
        dlg_.dateiwahlen.push_back({Ausgabe + QStringLiteral("/Schaubild"), 2});
        g->Speichern1Click();
        QVERIFY(!g->Bild_Typ_jpg);
        QCOMPARE(g->SavePictureDialog1.standard_endung, QStringLiteral("bmp"));
        QVERIFY(dlg_.meldungen.empty());

        const TkvSchaubild2c& s = g->Bild_Norm;
        const int mx = s.xWert_in_xPixel_Schaubild(Einstellungen.Frequenzen[4]); // 1000 Hz, left 10 dB
        const int my = s.yWert_in_yPixel_Schaubild(10);
        // Off the grid lines, which the 0-dB(A) object draws again over the ISO 226 curve.
        const QPoint kurve(s.xWert_in_xPixel_Schaubild(5000),
                           s.yWert_in_yPixel_Schaubild(Hoerschwelle_Kurve[5000]));
        for (const QString& datei : {bmp, jpg}) {
            const QImage r(datei);
            QCOMPARE(r.size(), groesse);
            const int t = datei == bmp ? 0 : 8;
            auto nahe = [t](QRgb a, QRgb b) {
                return std::abs(qRed(a) - qRed(b)) <= t && std::abs(qGreen(a) - qGreen(b)) <= t &&
                       std::abs(qBlue(a) - qBlue(b)) <= t;
            };
            QVERIFY2(nahe(r.pixel(3, 3), qRgb(255, 255, 255)), qPrintable(datei));
            // The cross's upper row: its lower one lies on the 10-dB grid line drawn later.
            QVERIFY2(nahe(r.pixel(mx - 3, my - 1), Rot), qPrintable(datei));
            bool gruen = false;
            for (int dy = -2; dy <= 2; ++dy)
                gruen = gruen || nahe(r.pixel(kurve.x(), kurve.y() + dy), Gruen);
            QVERIFY2(gruen, qPrintable(datei));
        }
        QCOMPARE(zaehlen(QImage(bmp), Magenta), 0);

        // JPEG again: the extension follows; the existing file is asked about first.
        const QByteArray vorher = [&] {
            QFile f(jpg);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        dlg_.dateiwahlen.push_back({bmp, 1});
        dlg_.antworten.push_back(Antwort::Nein);
        g->Speichern1Click();
        QVERIFY(g->Bild_Typ_jpg);
        QCOMPARE(g->SavePictureDialog1.dateiname, jpg);
        QVERIFY(dlg_.letzter_text().startsWith(QStringLiteral("Datei existiert bereits.")));
        QFile f(jpg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vorher);
        // A folder that does not exist: the save warning.
        dlg_.dateiwahlen.push_back({Ausgabe + QStringLiteral("/fehlt/Schaubild.jpg"), 1});
        g->Speichern1Click();
        QCOMPARE(dlg_.letzter_text(), Text_Fehler_bei_abspeichern());

        g->grab().save(Ausgabe + QStringLiteral("/Schaubild_Grafik_Fenster.png"));
        // Another window of the program becomes active: the picture window closes,
        // and so it does with the chart window.
        g->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g));
        form()->activateWindow();
        QTRY_VERIFY(!g->isVisible());
        form()->Button2Click();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        form()->close();
        QVERIFY(!g->isVisible());
    }
};

QTEST_MAIN(TestSchaubildFenster)
#include "schaubild_fenster.moc"
