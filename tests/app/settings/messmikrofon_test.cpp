// The measurement microphone as a user sets it up, with a known truth on the
// simulated headphone and microphone: a microphone deviating +-6 dB across
// the band, its calibration file and sensitivity; "Messmikrofon einrichten …"
// loads the file and takes it over, then the automatic calibration of both
// ears runs on it: every stored level must be the true level within 0.3 dB.
// The calibrator route must find the sensitivity within 0.1 dB and refuse a
// clipped recording; broken calibration files are refused and the active
// calibration stays; the stored calibration comes back at start; the live
// level meter reads tones at 100 Hz, 1 kHz and 10 kHz within 0.2 dB.
#include "app/frisches_heim.h"
#include "app/measurement/aufnahme.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/measurement/schallpegel_fenster.h"
#include "app/settings/messmikrofon_unit.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "app/tones/alle_wave.h"
#include "app/programm_starten.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/calibration/auto_kalibrierung.h"
#include "core/calibration/messmikrofon.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/acoustics/kv_fft_daten.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_abspieler.h"
#include "platform/audio/simulierter_aufnehmer.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

namespace
{

constexpr double Empfindlichkeit = -19.23; // dBFS at 94 dB SPL
constexpr double Hintergrund_dB = 30.0;

double Abweichung(double f)
{
    return 6.0 * std::sin(1.7 * std::log(f / 20.0));
}

// Sample counts (RMS) per Pa (RMS) of the true microphone.
double Mikrofon(double f)
{
    return 32768.0 / std::sqrt(2.0) * std::pow(10.0, Empfindlichkeit / 20.0) / double(dB_in_Pa(94)) *
           std::pow(10.0, (Abweichung(f) - Abweichung(1000)) / 20.0);
}

double Kopfhoerer(bool links, double f)
{
    return (links ? 1.2 : 1.6) * (1.0 + 0.3 * std::sin(f / 1500.0));
}

// The background at the microphone in dB and dB(A) (white noise in the
// recording, set in initTestCase).
double Hintergrund[2] = {0, 0};

// What a meter at the ear reads at channel volume V: the tone and the background.
double Wahrheit(bool links, double f, uint32_t V, bool dBA)
{
    const double p = Kopfhoerer(links, f) * 32700.0 / 32768.0 * V / 65535.0; // RMS
    const double L = dBA ? double(Pa_in_dBA(p, f)) : double(Pa_in_dB(p));
    return 10.0 * std::log10(std::pow(10.0, L / 10) + std::pow(10.0, Hintergrund[dBA ? 1 : 0] / 10));
}

QByteArray Kalibrierdatei()
{
    QByteArray t = "\"Sens Factor =-1.23dB, AGain =18dB, SERNO: 7000123\"\n";
    for (int i = 0; i < 300; ++i) {
        const double f = 10.0 * std::pow(2400.0, i / 299.0);
        t += QByteArray::number(f, 'f', 3) + "\t" + QByteArray::number(Abweichung(f), 'f', 4) + "\n";
    }
    return t;
}

} // namespace

class Messmikrofon_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void einrichtenUndBeideOhrenKalibrieren();
    void kalibrator_data();
    void kalibrator();
    void kaputteDateienAbgelehnt_data();
    void kaputteDateienAbgelehnt();
    void schallpegelAnzeige_data();
    void schallpegelAnzeige();

private:
    TForm1* f1() const { return programm_->hauptfenster(); }
    TForm2* f2() const { return programm_->messfenster(); }
    TMessmikrofon_Form* einrichten();
    void ruhig_warten();
    QString datei(const QString& name, const QByteArray& inhalt);

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    Simulierter_Aufnehmer aufnehmer_{&player_};
    std::unique_ptr<Programm> programm_;
};

void Messmikrofon_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    QVERIFY(Programm_starten(programm_, &player_, &dlg_, &aufnehmer_));
    uhr_setzen(&aufnehmer_);
    // White background that reads 30 dB.
    double summe = 0;
    for (int k = 1; k <= 2048; ++k)
        summe += 1.0 / std::pow(Mikrofon(44100.0 / 4096 * k), 2);
    aufnehmer_.strecke.rauschen = double(dB_in_Pa(Hintergrund_dB)) / std::sqrt(2.0 / 4096 * summe);
    double summe_A = 0;
    for (int k = 1; k <= 2048; ++k) {
        const double f = 44100.0 / 4096 * k;
        summe_A += 1.0 / std::pow(Mikrofon(f) * double(p0A(f)), 2);
    }
    const double r2 = std::pow(aufnehmer_.strecke.rauschen, 2) * 2.0 / 4096;
    Hintergrund[0] = 10.0 * std::log10(r2 * summe / 4e-10);
    Hintergrund[1] = 10.0 * std::log10(r2 * summe_A);
    aufnehmer_.strecke.frequenz = [] { return aktive_Zeile >= 1 ? double(Frequenz(aktive_Zeile)) : 1000.0; };
    aufnehmer_.strecke.mikrofon = Mikrofon;
    aufnehmer_.strecke.kopfhoerer = [](bool links, double f) { return Kopfhoerer(links, f) * std::sqrt(2.0); };
}

void Messmikrofon_Test::cleanupTestCase()
{
    programm_.reset();
    uhr_setzen(nullptr);
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Messmikrofon_Test::init()
{
    dlg_.leeren();
    aufnehmer_.strecke.toene.clear();
}

QString Messmikrofon_Test::datei(const QString& name, const QByteArray& inhalt)
{
    const QString pfad = heim_->filePath(name);
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly))
        f.write(inhalt);
    return pfad;
}

TMessmikrofon_Form* Messmikrofon_Test::einrichten()
{
    f1()->findChild<QAction*>(QStringLiteral("Messmikrofoneinrichten1"))->trigger();
    auto* w = f1()->findChild<TMessmikrofon_Form*>();
    return w && w->isVisible() ? w : nullptr;
}

void Messmikrofon_Test::ruhig_warten()
{
    for (int i = 0; i < 2000; ++i) {
        QCoreApplication::processEvents();
        if (!f1()->Timer1->isActive() && !f1()->Timer2->isActive() && !f1()->Timer3->isActive())
            return;
        QThread::usleep(300);
    }
}

void Messmikrofon_Test::einrichtenUndBeideOhrenKalibrieren()
{
    auto* w = einrichten();
    QVERIFY(w);
    QVERIFY(!f1()->Autolinks1->isEnabled());
    dlg_.dateiwahlen.push_back({datei(QStringLiteral("Mikro 7000123.txt"), Kalibrierdatei()), 1});
    w->Datei_laden->click();
    QCOMPARE(w->Empfindlichkeit->text(), QStringLiteral("-19,23"));
    QVERIFY(w->Datei_Info->text().startsWith(QStringLiteral("Mikro 7000123.txt: 300 Punkte")));
    QVERIFY(w->grab().save(QStringLiteral(VAZOZEZ_TEST_OUTPUT "/Messmikrofon.png")));
    w->Uebernehmen->click();
    QVERIFY(!w->isVisible());
    QVERIFY(dlg_.meldungen.empty());
    QVERIFY(QFile::exists(Messmikrofon_Pfad()));
    auto* zeile = f1()->findChild<QLabel*>(QStringLiteral("Mikrofonkalibrierung"));
    QVERIFY(zeile);
    const QString beschreibung = QStringLiteral("Messmikrofon: Mikro 7000123.txt, -19,2 dBFS bei 94 dB SPL, vom ") +
                                 QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    QCOMPARE(zeile->text(), beschreibung);
    QVERIFY(f1()->Autolinks1->isEnabled() && f1()->Autorechts1->isEnabled());

    // At the next start the stored calibration is active again.
    Aktive_Mikrofon_Kalibrierung.reset();
    Messmikrofon_im_Hauptfenster(f1(), f1()->Autolinks1, f1()->Autorechts1);
    QVERIFY(Aktive_Mikrofon_Kalibrierung.has_value());
    QCOMPARE(zeile->text(), beschreibung);

    double schlimmster = 0;
    for (const bool links : {true, false}) {
        dlg_.leeren();
        (links ? f1()->Autolinks1 : f1()->Autorechts1)->trigger();
        QVERIFY(f2()->isVisible());
        f2()->StartKalibrierung1->trigger();
        for (int i = 0; i < 20000 && Automatik.Auto_laeuft; ++i) {
            ruhig_warten();
            aufnehmer_.bis_zum_naechsten_Puffer();
        }
        ruhig_warten();
        QVERIFY(!Automatik.Auto_laeuft);
        QCOMPARE(dlg_.meldungen.size(), size_t(1));
        QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Erfolgsmeldung"));
        dlg_.leeren();
        dlg_.dateiwahlen.push_back({Dateiname1_6_zu_string(), 1});
        dlg_.antworten.push_back(Antwort::Ja);
        f2()->EinstellungenSpeichern1->trigger();
        QVERIFY(!f2()->isVisible());
        QVERIFY(Einstellungen_von_Festplatte_holen());
        const int e = links ? 0 : 1;
        for (int i = 1; i <= Zeilen; ++i) {
            const double f = Frequenz(i);
            const bool dBA = Einstellungen.Schallmesser[size_t(e)][size_t(i - 1)] == 1;
            const uint32_t V = links ? Links_Volume(Einstellungen, 5, i) : Rechts_Volume(Einstellungen, 5, i);
            const double fehler = Spannung(Einstellungen, 6, e, i) - Wahrheit(links, f, V, dBA);
            QVERIFY2(std::fabs(fehler) <= 0.3,
                     qPrintable(QString::asprintf("ear %d row %d (%g Hz): error %.3f dB", e, i, f, fehler)));
            schlimmster = std::max(schlimmster, std::fabs(fehler));
        }
    }
    qInfo("microphone calibration route, worst stored-level error: %.3f dB", schlimmster);
}

void Messmikrofon_Test::kalibrator_data()
{
    QTest::addColumn<int>("auswahl");
    QTest::addColumn<double>("pegel");
    QTest::addColumn<bool>("gilt");
    QTest::addColumn<QString>("meldung");
    QTest::addRow("94_dB") << 0 << 94.0 << true << QString();
    // This microphone's -19 dBFS at 94 dB puts a 114-dB calibrator above full scale.
    QTest::addRow("114_dB_uebersteuert") << 1 << 114.0 << false << QStringLiteral("übersteuert");
    QTest::addRow("ohne_kalibrator") << 0 << 0.0 << false << QStringLiteral("kein sauberer Ton");
}

void Messmikrofon_Test::kalibrator()
{
    QFETCH(int, auswahl);
    QFETCH(double, pegel);
    QFETCH(bool, gilt);
    QFETCH(QString, meldung);
    auto* w = einrichten();
    QVERIFY(w);
    w->Empfindlichkeit->setText(QStringLiteral("-30"));
    if (pegel > 0)
        aufnehmer_.strecke.toene = {{1000.0, double(dB_in_Pa(pegel))}};
    w->Kalibrator->setCurrentIndex(auswahl);
    w->Kalibrator_messen->click();
    QVERIFY(w->misst());
    for (int i = 0; i < 200 && w->misst(); ++i) {
        aufnehmer_.bis_zum_naechsten_Puffer();
        QCoreApplication::processEvents();
    }
    QVERIFY(!w->misst());
    QVERIFY(!aufnehmer_.laeuft());
    if (gilt) {
        QVERIFY2(dlg_.meldungen.empty(), qPrintable(dlg_.letzter_text()));
        double s = 0;
        bool ok = false;
        StringzuDouble(w->Empfindlichkeit->text(), s, ok);
        QVERIFY(ok);
        QVERIFY2(std::fabs(s - Empfindlichkeit) <= 0.1, qPrintable(w->Empfindlichkeit->text()));
        qInfo("calibrator %g dB: sensitivity %s (true %.2f)", pegel, qPrintable(w->Empfindlichkeit->text()),
              Empfindlichkeit);
    } else {
        QCOMPARE(w->Empfindlichkeit->text(), QStringLiteral("-30"));
        QCOMPARE(dlg_.meldungen.size(), size_t(1));
        QVERIFY(dlg_.letzter_text().contains(meldung));
    }
    w->close();
}

void Messmikrofon_Test::kaputteDateienAbgelehnt_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung");
    QTest::addRow("leer") << QByteArray() << QStringLiteral("leer");
    QTest::addRow("binaer") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << QStringLiteral("keinen Text");
    QTest::addRow("absteigend") << QByteArray("2000 1\n1000 0\n") << QStringLiteral("aufsteigen");
    QTest::addRow("ohne_1khz") << QByteArray("20 0\n20000 0\n") << QStringLiteral("1000 Hz");
    QTest::addRow("zehn_mb") << QByteArray(10 * 1024 * 1024, '1') << QStringLiteral("zu groß");
}

// A refused file changes nothing: the sensitivity typed, the active
// calibration and its file stay.
void Messmikrofon_Test::kaputteDateienAbgelehnt()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    QVERIFY(Aktive_Mikrofon_Kalibrierung.has_value());
    const auto vorher = FFT_Tabellen.W_dB_slow;
    QFile gespeichert(Messmikrofon_Pfad());
    QVERIFY(gespeichert.open(QIODevice::ReadOnly));
    const QByteArray datei_vorher = gespeichert.readAll();
    gespeichert.close();
    auto* w = einrichten();
    QVERIFY(w);
    const QString info = w->Datei_Info->text();
    dlg_.dateiwahlen.push_back({datei(QStringLiteral("kaputt.txt"), inhalt), 1});
    w->Datei_laden->click();
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Eingabefehler"));
    QVERIFY2(dlg_.letzter_text().contains(meldung), qPrintable(dlg_.letzter_text()));
    QCOMPARE(w->Datei_Info->text(), info);
    w->close();
    QVERIFY(FFT_Tabellen.W_dB_slow == vorher);
    QVERIFY(gespeichert.open(QIODevice::ReadOnly));
    QCOMPARE(gespeichert.readAll(), datei_vorher);
}

void Messmikrofon_Test::schallpegelAnzeige_data()
{
    QTest::addColumn<double>("frequenz");
    QTest::addColumn<double>("pegel");
    QTest::addColumn<bool>("uebersteuert");
    QTest::addRow("100_Hz") << 100.0 << 70.0 << false;
    QTest::addRow("1_kHz") << 1000.0 << 70.0 << false;
    QTest::addRow("10_kHz") << 10000.0 << 70.0 << false;
    QTest::addRow("zu_laut") << 1000.0 << 125.0 << true;
}

void Messmikrofon_Test::schallpegelAnzeige()
{
    QFETCH(double, frequenz);
    QFETCH(double, pegel);
    QFETCH(bool, uebersteuert);
    aufnehmer_.strecke.rauschen = 0;
    aufnehmer_.strecke.toene = {{frequenz, double(dB_in_Pa(pegel))}};
    f1()->findChild<QAction*>(QStringLiteral("Schallpegel1"))->trigger();
    auto* w = f1()->findChild<TSchallpegel_Form*>();
    QVERIFY(w && w->isVisible() && w->laeuft());
    // About a second of recording, the display renewed four times.
    for (int schritt = 0; schritt < 4; ++schritt) {
        for (int i = 0; i < 3; ++i) {
            aufnehmer_.bis_zum_naechsten_Puffer();
            QCoreApplication::processEvents();
        }
        w->Anzeige_erneuern();
    }
    const Pegelwerte& m = w->letzte_Werte();
    const double p = double(dB_in_Pa(pegel));
    QCOMPARE(m.uebersteuert, uebersteuert);
    QCOMPARE(w->Uebersteuert->isVisibleTo(w), uebersteuert);
    if (!uebersteuert) {
        QVERIFY2(std::fabs(m.dB - pegel) <= 0.2, qPrintable(QString::number(m.dB)));
        QVERIFY2(std::fabs(m.dBA - double(Pa_in_dBA(p, frequenz))) <= 0.2, qPrintable(QString::number(m.dBA)));
        QVERIFY(std::fabs(m.Frequenz - frequenz) <= frequenz * 0.01);
        qInfo("live meter %g Hz: dB error %.3f, dB(A) error %.3f", frequenz, m.dB - pegel,
              m.dBA - double(Pa_in_dBA(p, frequenz)));
    }
    if (frequenz == 1000.0 && !uebersteuert) {
        QCOMPARE(w->Pegel_dB->text(), QStringLiteral("70,0 dB"));
        QVERIFY(w->grab().save(QStringLiteral(VAZOZEZ_TEST_OUTPUT "/Schallpegel.png")));
    }
    w->close();
    QVERIFY(!w->laeuft());
    QVERIFY(!aufnehmer_.laeuft());
}

QTEST_MAIN(Messmikrofon_Test)
#include "messmikrofon_test.moc"
