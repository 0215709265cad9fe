// The automatic calibration as a user runs it, on a simulated headphone and
// microphone with a known truth, on a clock the test steps: the meter's
// settings are imported through the menu, both ears are calibrated row by
// row and saved. Every row's stored level must be the true level at its
// stored volume within 0.5 dB, in dB and in dB(A); rows whose headphone is
// too weak for the background are yellow, and no others; rows with strong
// harmonics are not clean but still right.
//
// Also: a machine without a microphone (nothing ends, mode 4 and the meter's
// calibration stay unavailable, the rest works), a run that must stop
// (headphone silent, tone never heard), and closing the window in the middle
// of a run, also inside one of its pauses.
#include "app/tones/alle_wave.h"
#include "app/measurement/aufnahme.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "app/programm_starten.h"
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/calibration/auto_kalibrierung.h"
#include "core/settings/einstellungen.h"
#include "core/settings/schallpegel.h"
#include "core/shell/dialoge.h"
#include "platform/audio/pegelmesser.h"
#include "platform/audio/simulierter_abspieler.h"
#include "platform/audio/simulierter_aufnehmer.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <set>

namespace
{

constexpr int N = 4096;
constexpr double Hintergrund_dB = 30.0;

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ---- The truth --------------------------------------------------------------

// Rows whose headphone is too weak: at the largest volume the tone is only
// about as loud as the background. Rows with strong 2nd and 3rd harmonics.
bool schwach(bool links, int zeile)
{
    return links ? (zeile == 2 || zeile == 21) : (zeile == 1 || zeile == 19);
}
bool verzerrt(bool links, int zeile)
{
    return links ? (zeile == 3 || zeile == 7) : (zeile == 4 || zeile == 9);
}

// Microphone and sound card: sample counts per Pa.
double Mikrofon(double f)
{
    return 20000.0 * (1.0 + 0.2 * std::cos(f / 2500.0));
}

double Oberton(bool links, int zeile, int k)
{
    if (verzerrt(links, zeile))
        return k == 2 ? 0.6 : 0.4;
    return k == 2 ? 0.003 : 0.0;
}

// Headphone: Pa amplitude of a full-scale sine.
double Kopfhoerer(bool links, int zeile, double f)
{
    if (schwach(links, zeile)) {
        // At the largest volume 1 dB above the background, in the row's unit.
        const double p_rms =
            f > 800 ? double(dBA_in_Pa(Hintergrund_dB + 1, f)) : double(dB_in_Pa(Hintergrund_dB + 1));
        return p_rms * std::sqrt(2.0) / (32700.0 / 32768.0) / (65530.0 / 65535.0);
    }
    return (links ? 1.2 : 1.6) * (1.0 + 0.3 * std::sin(f / 1500.0));
}

// The level a meter reads at the ear (fundamental and the harmonics below
// 22050 Hz) at channel volume V, in dB or dB(A).
double Wahrheit(bool links, int zeile, double f, uint32_t V, bool dBA)
{
    const double amplitude = Kopfhoerer(links, zeile, f) * 32700.0 / 32768.0 * V / 65535.0;
    double summe = 0;
    for (int k = 1; k <= 3; ++k) {
        if (k * f >= 22050.0)
            continue;
        const double a = amplitude * (k == 1 ? 1.0 : Oberton(links, zeile, k));
        const double bezug = dBA ? double(p0A(k * f)) : p0;
        summe += (a * a / 2.0) / (bezug * bezug);
    }
    return 10.0 * std::log10(summe);
}

// ---- The meter's files ----------------------------------------------------------

void extended(QByteArray& b, long double x)
{
    Extended10 e;
    e.setzen(x);
    b.append(reinterpret_cast<const char*>(e.bytes), 10);
}

void kurztext(QByteArray& b, int pos, const QByteArray& text)
{
    b[pos] = char(text.size());
    std::memcpy(b.data() + pos + 1, text.constData(), size_t(text.size()));
}

// Base settings: the window, twiddle seeds, frequencies and frequency axis
// as the meter computes them, and the path of its settings file.
QByteArray sch_datei(const QString& mes_pfad)
{
    QByteArray b(307, '\0');
    kurztext(b, 0, "Vidizedazevadadev Version 1.6");
    kurztext(b, 51, QFile::encodeName(mes_pfad));
    for (int i = 0; i <= N; ++i)
        extended(b, FFT_Tabellen.Fenster[size_t(i)]);
    for (int i = 0; i <= 12; ++i) {
        extended(b, FFT_Tabellen.wpr[size_t(i)]);
        extended(b, FFT_Tabellen.wpi[size_t(i)]);
    }
    for (int i = 0; i < 21; ++i)
        extended(b, FFT_Tabellen.Messgeraet_Frequenzen[size_t(i)]);
    for (int k = 0; k <= N / 2; ++k)
        extended(b, FFT_Tabellen.Frequenzachse[size_t(k)]);
    return b;
}

// Settings of version 1.9: weights of a meter calibrated for this
// microphone (10 blocks of N samples, Hamming window), recording device
// "default" and input "Capture" at volume 0.8.
QByteArray mes_datei()
{
    long double fenster2 = 0;
    for (int i = 1; i <= N; ++i)
        fenster2 += FFT_Tabellen.Fenster[size_t(i)] * FFT_Tabellen.Fenster[size_t(i)];
    QByteArray b(456, '\0');
    kurztext(b, 0, "Vidizedazevadadev Version 1.9");
    for (int k = 0; k <= N / 2; ++k) {
        const long double f = 44100.0L / N * k;
        const long double M = Mikrofon(double(f));
        const long double W = k == 0 ? 0.0L : 2.0L / (10.0L * N * fenster2 * M * M);
        const long double WA = k == 0 ? 0.0L : W / (p0A(f) * p0A(f));
        for (long double x : {W, W, WA, WA, 0.0L, 0.0L, 0.0L})
            extended(b, x);
    }
    b.append(QByteArray(16 + 8 + 64 + 536 + 10004, '\0'));
    QByteArray b19(524, '\0');
    kurztext(b19, 0, "default");
    kurztext(b19, 256, "Capture");
    const float volume = 0.8f;
    std::memcpy(b19.data() + 516, &volume, 4);
    b19[520] = 1;
    return b + b19;
}

} // namespace

class Automatische_Kalibrierung_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void beideOhrenMitBekannterWahrheit();
    void laufEndetOhneTon_data();
    void laufEndetOhneTon();
    void schliessenMittenImLauf_data();
    void schliessenMittenImLauf();
    void ohneMikrofonBleibtAllesAndereBenutzbar();

private:
    TForm1* f1() const { return programm_->hauptfenster(); }
    TForm2* f2() const { return programm_->messfenster(); }
    void importieren();
    void ruhig_warten();
    void laufen_lassen(int hoechstens_puffer = 20000);
    void starten(bool links);
    bool gelb(int zeile) const;

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    Simulierter_Aufnehmer aufnehmer_{&player_};
    std::unique_ptr<Programm> programm_;
    double rauschen_ = 0;
};

void Automatische_Kalibrierung_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    QVERIFY(Programm_starten(programm_, &player_, &dlg_, &aufnehmer_));
    uhr_setzen(&aufnehmer_);

    // White background noise that reads 30 dB through the meter's weights.
    double summe = 0;
    for (int k = 1; k <= N / 2; ++k)
        summe += 1.0 / std::pow(Mikrofon(44100.0 / N * k), 2);
    rauschen_ = double(dB_in_Pa(Hintergrund_dB)) / std::sqrt(2.0 / N * summe);
    aufnehmer_.strecke.frequenz = [] { return aktive_Zeile >= 1 ? double(Frequenz(aktive_Zeile)) : 1000.0; };
    aufnehmer_.strecke.mikrofon = Mikrofon;
    aufnehmer_.strecke.kopfhoerer = [](bool links, double f) { return Kopfhoerer(links, aktive_Zeile, f); };
    aufnehmer_.strecke.oberton = [](int k, double) { return Oberton(Ohr_links == 1, aktive_Zeile, k); };
    aufnehmer_.strecke.rauschen = rauschen_;
    importieren();
}

void Automatische_Kalibrierung_Test::cleanupTestCase()
{
    programm_.reset();
    uhr_setzen(nullptr);
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Automatische_Kalibrierung_Test::init()
{
    dlg_.leeren();
    if (f2()->isVisible())
        f2()->close();
}

// The meter's settings through the menu: found in the documents folder,
// the recording set up, device and input chosen by their names.
void Automatische_Kalibrierung_Test::importieren()
{
    const QString ordner = Dokumente_pfad + QStringLiteral("Grundeinstellungen_Quarvel_Schallpegelmesser");
    QVERIFY(QDir().mkpath(ordner));
    const QString mes = ordner + QStringLiteral("/Kalibrierung.mes");
    QFile m(mes);
    QVERIFY(m.open(QIODevice::WriteOnly));
    m.write(mes_datei());
    m.close();
    QFile s(ordner + QStringLiteral("/Grundeinstellungen.sch"));
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write(sch_datei(mes));
    s.close();
    dlg_.leeren();
    f1()->EinstellungenQuarvelSchallpegelmesserladen1Click();
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Erfolgsmeldung"));
    QVERIFY(f1()->Autolinks1->isEnabled());
    QVERIFY(f1()->Autorechts1->isEnabled());
    QVERIFY(Aufnahme_bereit);
    QCOMPARE(aufnehmer_.eingerichtet, 0); // "default", chosen by name
    QCOMPARE(aufnehmer_.gesetzte_eingaenge.back(), (QPair<int, float>(0, 0.8f)));
}

// Lets the program finish what it does now: no timer of the main window pending.
void Automatische_Kalibrierung_Test::ruhig_warten()
{
    for (int i = 0; i < 2000; ++i) {
        QCoreApplication::processEvents();
        if (!f1()->Timer1->isActive() && !f1()->Timer2->isActive() && !f1()->Timer3->isActive())
            return;
        QThread::usleep(300);
    }
}

// Steps the clock buffer by buffer until the run has ended.
void Automatische_Kalibrierung_Test::laufen_lassen(int hoechstens_puffer)
{
    for (int i = 0; i < hoechstens_puffer && Automatik.Auto_laeuft; ++i) {
        ruhig_warten();
        aufnehmer_.bis_zum_naechsten_Puffer();
    }
    ruhig_warten();
}

void Automatische_Kalibrierung_Test::starten(bool links)
{
    (links ? f1()->Autolinks1 : f1()->Autorechts1)->trigger();
    QVERIFY(f2()->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(4));
    QVERIFY(f2()->StartKalibrierung1->isEnabled());
    f2()->StartKalibrierung1->trigger();
}

bool Automatische_Kalibrierung_Test::gelb(int zeile) const
{
    return f2()->Edit[size_t(zeile)]->palette().color(QPalette::Base) == QColor(255, 255, 0);
}

void Automatische_Kalibrierung_Test::beideOhrenMitBekannterWahrheit()
{
    std::map<QString, double> schlimmster;
    for (const bool links : {true, false}) {
        dlg_.leeren();
        const int starts_vorher = aufnehmer_.starts;
        std::map<int, std::vector<Messergebnis>> je_zeile;
        const auto beobachter = connect(Aufnahme_Messung(), &Pegelmesser::Messung_fertig, this, [&] {
            je_zeile[aktive_Zeile].push_back(Aufnahme_Messung()->ergebnis());
        });
        starten(links);
        QVERIFY(Automatik.Auto_laeuft);
        QCOMPARE(f2()->panel0(), QStringLiteral("Aktiv"));
        QCOMPARE(f2()->panel1(), QStringLiteral("Automatische Kalibrierung: 1000 Hz"));
        QVERIFY(!f2()->EinstellungenSpeichern1->isEnabled());
        laufen_lassen();
        disconnect(beobachter);
        QVERIFY(!Automatik.Auto_laeuft);
        QVERIFY(!aufnehmer_.laeuft());
        // The weak and the distorted rows never sounded clean: each took the
        // fine search's five measurements.
        for (int i = 1; i <= Zeilen; ++i) {
            if (!schwach(links, i) && !verzerrt(links, i))
                continue;
            const auto& m = je_zeile[i];
            QVERIFY(m.size() >= 1 + 1 + 5);
            QVERIFY(std::none_of(m.begin(), m.end(), [](const Messergebnis& x) { return x.echter_Ton; }));
        }
        QVERIFY(!player_.laeuft());

        // One final message, the one about the yellow rows.
        QCOMPARE(dlg_.meldungen.size(), size_t(1));
        QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Information"));
        QVERIFY(dlg_.meldungen[0].text.startsWith(QStringLiteral("Die gelb unterlegten Frequenzen")));
        QCOMPARE(f2()->panel0(), QStringLiteral("Bereit"));
        QCOMPARE(f2()->panel1(),
                 QStringLiteral("Die Ergebnisse der Kalibrierung können nun abgespeichert werden."));
        QVERIFY(f2()->EinstellungenSpeichern1->isEnabled());
        QVERIFY(f2()->StartKalibrierung1->isEnabled());
        // Per row: background, 1..6 coarse and 1..5 fine measurements.
        const int messungen = aufnehmer_.starts - starts_vorher;
        QVERIFY2(messungen >= 21 * 3 && messungen <= 21 * 12, qPrintable(QString::number(messungen)));
        for (int i = 1; i <= Zeilen; ++i) {
            QCOMPARE(gelb(i), schwach(links, i));
            QCOMPARE(f2()->ComboBox[size_t(i)]->currentIndex(), Frequenz(i) > 800 ? 1 : 0);
        }
        if (links) {
            const QImage bild = f2()->grab().toImage();
            bild.save(QStringLiteral(VAZOZEZ_TEST_OUTPUT "/automatische_kalibrierung_links.png"));
        }

        // "Speichern" under the current file.
        const QString datei = Dateiname1_6_zu_string();
        dlg_.leeren();
        dlg_.dateiwahlen.push_back({datei, 1});
        dlg_.antworten.push_back(Antwort::Ja);
        f2()->EinstellungenSpeichern1->trigger();
        QVERIFY(!f2()->isVisible());
        QVERIFY(Einstellungen_von_Festplatte_holen());

        const int e = links ? 0 : 1;
        for (int i = 1; i <= Zeilen; ++i) {
            const double f = Frequenz(i);
            const bool dBA = Einstellungen.Schallmesser[size_t(e)][size_t(i - 1)] == 1;
            QCOMPARE(dBA, f > 800);
            const uint32_t V = links ? Links_Volume(Einstellungen, 5, i) : Rechts_Volume(Einstellungen, 5, i);
            QVERIFY(V >= 1 && V <= 65530);
            const double gespeichert = Spannung(Einstellungen, 6, e, i);
            const double fehler = gespeichert - Wahrheit(links, i, f, V, dBA);
            if (schwach(links, i))
                continue; // yellow: the background is in it
            QVERIFY2(std::fabs(fehler) <= 0.5,
                     qPrintable(QString::asprintf("ear %d row %d: %.2f at %u, error %.3f dB", e, i,
                                                  gespeichert, V, fehler)));
            const QString art = QString::fromLatin1(verzerrt(links, i) ? "strong harmonics, " : "") +
                                QString::fromLatin1(dBA ? "dB(A) rows" : "dB rows");
            schlimmster[art] = std::max(schlimmster[art], std::fabs(fehler));
        }
    }
    for (const auto& [art, fehler] : schlimmster)
        qInfo("worst stored-level error, %s: %.3f dB", qPrintable(art), fehler);
}

// A run that cannot go on: a silent headphone at row 5 (the microphone
// message) or a tone that is never heard (the headphone message, after 2 s).
// Either way the run stops, nothing records or plays, the window is idle.
void Automatische_Kalibrierung_Test::laufEndetOhneTon_data()
{
    QTest::addColumn<bool>("stumm");
    QTest::addColumn<QString>("meldung");
    QTest::addRow("kopfhoerer_stumm")
        << true
        << QStringLiteral(
               "Das Mikrofon oder der Kopfhörer sind nicht richtig eingesteckt oder der Lautstärke- oder "
               "Empfindlichkeitsregler ist nicht ganz aufgedreht. Bitte beheben Sie den Fehler und "
               "führen Sie danach die Kalibrierung erneut durch.");
    QTest::addRow("ton_erklingt_nicht") << false << QStringLiteral("Bitte schließen Sie einen Kopfhörer an.");
}

namespace
{
// A player whose sound never arrives: its position stays at the start.
class Stummer_Abspieler : public Simulierter_Abspieler
{
public:
    double position_ms() const override { return 0.0; }
};
} // namespace

void Automatische_Kalibrierung_Test::laufEndetOhneTon()
{
    QFETCH(bool, stumm);
    QFETCH(QString, meldung);
    const auto kopf = aufnehmer_.strecke.kopfhoerer;
    Stummer_Abspieler still;
    if (stumm)
        aufnehmer_.strecke.kopfhoerer = [](bool, double) { return 0.0; };
    else
        f2()->Abspieler_setzen(&still);
    starten(true);
    const double beginn = aufnehmer_.jetzt_ms();
    laufen_lassen(400);
    const double dauer = aufnehmer_.jetzt_ms() - beginn;
    aufnehmer_.strecke.kopfhoerer = kopf;
    f2()->Abspieler_setzen(&player_);

    QVERIFY(!Automatik.Auto_laeuft);
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, meldung);
    QVERIFY(!aufnehmer_.laeuft());
    QVERIFY(!player_.laeuft() && !still.laeuft());
    QVERIFY(f2()->isVisible());
    QVERIFY(f2()->StartKalibrierung1->isEnabled());
    QVERIFY(!f2()->EinstellungenSpeichern1->isEnabled());
    QCOMPARE(f2()->panel0(), QStringLiteral("Bereit"));
    QCOMPARE(f2()->panel1(), QStringLiteral(" "));
    if (!stumm) // background measurement, then at most 2 s of waiting
        QVERIFY2(dauer < 1300 + 2100, qPrintable(QString::number(dauer)));
    f2()->close();
}

// Closing the window: from the menu between two measurements, or while the
// run waits in one of its pauses. Afterwards nothing records, nothing plays,
// no further measurement starts, and the settings file is as it was.
void Automatische_Kalibrierung_Test::schliessenMittenImLauf_data()
{
    QTest::addColumn<bool>("in_pause");
    QTest::addRow("zwischen_messungen") << false;
    QTest::addRow("in_einer_pause") << true;
}

namespace
{
// The program's clock, with the window closed during its n-th pause.
class Schliessende_Uhr : public Uhr
{
public:
    Schliessende_Uhr(Uhr& u, int n) : uhr_(u), n_(n) {}
    void pause(int ms) override
    {
        if (--n_ == 0 && Form2)
            Form2->close();
        uhr_.pause(ms);
    }
    double jetzt_ms() const override { return uhr_.jetzt_ms(); }

private:
    Uhr& uhr_;
    int n_;
};
} // namespace

void Automatische_Kalibrierung_Test::schliessenMittenImLauf()
{
    QFETCH(bool, in_pause);
    const QByteArray datei = lesen(Dateiname1_6_zu_string());
    Schliessende_Uhr schliessend(aufnehmer_, 25);
    if (in_pause)
        uhr_setzen(&schliessend);
    starten(false);
    if (in_pause) {
        laufen_lassen(3000);
    } else {
        for (int i = 0; i < 60; ++i) {
            ruhig_warten();
            aufnehmer_.bis_zum_naechsten_Puffer();
        }
        QVERIFY(Automatik.Auto_laeuft);
        f2()->close();
    }
    uhr_setzen(&aufnehmer_);
    QVERIFY(!f2()->isVisible());
    QVERIFY(!Automatik.Auto_laeuft);
    QVERIFY(!aufnehmer_.laeuft());
    QVERIFY(!player_.laeuft());
    const int starts = aufnehmer_.starts;
    for (int i = 0; i < 30; ++i) {
        ruhig_warten();
        aufnehmer_.bis_zum_naechsten_Puffer();
    }
    QCOMPARE(aufnehmer_.starts, starts);
    QVERIFY(!aufnehmer_.laeuft());
    QVERIFY(f1()->Hrtest1->menuAction()->isEnabled());
    QCOMPARE(lesen(Dateiname1_6_zu_string()), datei);
    QVERIFY(dlg_.meldungen.empty());
}

// No microphone, or a capture interface of the wrong kind: the user is told,
// the program keeps running, mode 4 does not open and the meter import reads
// nothing; the hearing test still opens.
void Automatische_Kalibrierung_Test::ohneMikrofonBleibtAllesAndereBenutzbar()
{
    Simulierter_Aufnehmer ohne;
    ohne.geraete_liste.clear();
    Aufnehmer_einsetzen(&ohne);
    QVERIFY(!Aufnahme_bereit);
    const QString kein = QStringLiteral(
        "Bitte verbinden Sie ein Mikrofon mit dem PC. Starten Sie anschließend die Vazozez-Software erneut.");

    f1()->Autorechts1->setEnabled(true); // enabled by an earlier import
    f1()->Autorechts1->trigger();
    QVERIFY(!f2()->isVisible());
    QVERIFY(f1()->Einstellungen1->menuAction()->isEnabled());
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, kein);
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Hinweis"));

    f1()->Autolinks1->setEnabled(false);
    f1()->Autorechts1->setEnabled(false);
    f1()->EinstellungenQuarvelSchallpegelmesserladen1Click();
    QCOMPARE(dlg_.meldungen.size(), size_t(2));
    QCOMPARE(dlg_.meldungen[1].text, kein);
    QVERIFY(dlg_.dateidialoge.empty());
    QVERIFY(!f1()->Autolinks1->isEnabled());

    ohne.version_ok = false;
    f1()->Autolinks1->setEnabled(true);
    f1()->Autolinks1->trigger();
    QVERIFY(!f2()->isVisible());
    QCOMPARE(dlg_.meldungen.size(), size_t(3));
    QCOMPARE(dlg_.meldungen[2].text, QStringLiteral("Falsche Version der BASS.dll geladen!"));
    QCOMPARE(dlg_.meldungen[2].symbol, Symbol::Fehler);

    f1()->HoertestLinkesOhr1Click();
    QVERIFY(f2()->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(0));
    f2()->close();

    Aufnehmer_einsetzen(&aufnehmer_);
    QVERIFY(Bass_Aufnahme_Initialisierung());
    f1()->Autolinks1->setEnabled(true);
}

QTEST_MAIN(Automatische_Kalibrierung_Test)
#include "automatische_kalibrierung_test.moc"
