// The hearing test run through the measurement window as a user runs it, on
// the simulated player: a headphone whose sound pressure per frequency is
// known, a manual calibration written into the settings, and a listener with
// known thresholds who presses "Stopp" the moment the tone crosses them. The
// stored thresholds must come out as that truth. Then the run's edge cases:
// the silent other ear, reused and rewritten tone files, "Neu", closing with
// and without "Übernehmen", calibration modes clearing their ear, a player
// that cannot open and a tone file that cannot be written.
#include "app/tones/alle_wave.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

namespace
{

// ---- The truth, stated independently of the program ----------------------

// Tone law: peak amplitude (in sample units) t seconds into the tone.
// Falling: 32700 e^(-ln(32700) t / 30) for 30 s, then 1.
// Rising: e^(ln(32700) t / 15) for 15 s, then 32700.
long double Amplitude(bool zunehmend, long double t)
{
    const long double ln_voll = std::log(32700.0L);
    if (zunehmend)
        return t < 15.0L ? std::exp(ln_voll * t / 15.0L) : 32700.0L;
    return t < 30.0L ? 32700.0L * std::exp(-ln_voll * t / 30.0L) : 1.0L;
}

// The moment the tone has amplitude a.
long double Zeitpunkt(bool zunehmend, long double a)
{
    const long double ln_voll = std::log(32700.0L);
    if (zunehmend)
        return 15.0L * std::log(a) / ln_voll;
    return 30.0L * std::log(32700.0L / a) / ln_voll;
}

// Shape of the tone: pure cosine, or pulsing with 4 Hz (peaks every 0.25 s).
long double Form(bool pulsierend, long double t, long double f)
{
    const long double pi = 3.141592653589793238L;
    const long double traeger = std::cos(2.0L * pi * f * t);
    return pulsierend ? traeger * (std::cos(8.0L * pi * t) + 3.0L) / 4.0L : traeger;
}

// The headphone: peak sound pressure in Pa at gain 65535 and sample 32768.
long double Kopfhoerer_Pa(bool links, long double f)
{
    return (links ? 1.5L : 1.8L) + f / 12000.0L;
}

// What a sound level meter reads (RMS, Pa) for a tone of peak amplitude a at gain v.
long double Messgeraet_Pa(bool links, long double f, long double a, long double v)
{
    return Kopfhoerer_Pa(links, f) * (a / 32768.0L) * (v / 65535.0L) / std::sqrt(2.0L);
}

// Start volume (group 3) and calibration volume (group 5) of each row.
uint32_t V3(bool links, int zeile)
{
    return links ? 24000 + 700 * uint32_t(zeile) : 40000 - 900 * uint32_t(zeile);
}
uint32_t V5(bool links, int zeile)
{
    return links ? 30000 + 500 * uint32_t(zeile) : 20000 + 300 * uint32_t(zeile);
}

// Listener's threshold for a pure tone, in dB.
double Hoerschwelle_dB(bool links, int zeile)
{
    return 15.0 + 2.0 * zeile + (links ? 0.0 : 7.0);
}

double dB(long double p)
{
    return double(20.0L * std::log10(p / 0.00002L));
}

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

QDateTime geaendert(const QString& pfad)
{
    return QFileInfo(pfad).fileTime(QFileDevice::FileModificationTime);
}

bool zuruecksetzen_Zeit(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadWrite) &&
           f.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(12, 0), QTimeZone::utc()),
                         QFileDevice::FileModificationTime);
}

const QString Kopfhoerer_Text = QStringLiteral("Bitte schließen Sie einen Kopfhörer an.");
const QString Schreibfehler_Text =
    QStringLiteral("Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm verwendet.");

struct Tonart {
    bool zunehmend;
    bool pulsierend;
};

} // namespace

class Hoertest_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void schwellenWieDieWahrheit_data();
    void schwellenWieDieWahrheit();
    void gespeicherteTonpaareWiederverwendet();
    void waveImmerNeuSchreibtJedesMalNeu();
    void neuLeertNurDasAktuelleOhr();
    void schliessenOhneUebernehmenVerwirftDasOhr();
    void uebernehmenBehaeltDieErgebnisse();
    void uebernommeneNurNachFrageVerworfen_data();
    void uebernommeneNurNachFrageVerworfen();
    void einstellungenMenueLeertDasAktuelleOhr();
    void stoppNachWiederherstellen();
    void kalibrierungLinksLoeschtNurLinks_data();
    void kalibrierungLinksLoeschtNurLinks();
    void keinAusgabegeraet();
    void tondateiNichtSchreibbar();

private:
    TForm2* f2() const { return programm_->messfenster(); }
    QAction* aktion(const char* name) const
    {
        return programm_->hauptfenster()->findChild<QAction*>(QString::fromLatin1(name));
    }
    QString wave() const { return Wave_ordner(); }
    void einstellen(Tonart art, bool wave_immer_neu, bool dBA);
    void oeffnen(bool links);
    void starten(int zeile);
    void stoppen(int zeile);
    void messen(int zeile, double t_s);
    void pruefe_Gehoertes(bool links, int zeile, Tonart art, uint64_t frame);
    double ergebnis(bool links, int zeile) const { return Hoertest_Druck[size_t(Druck_index(links, zeile))]; }
    bool ohr_leer(bool links) const
    {
        for (int i = 1; i <= 21; ++i)
            if (ergebnis(links, i) != 0.0 ||
                Hoertest_Druck_string[size_t(Druck_index(links, i))] != QLatin1String(" ") ||
                Farben_Messung[links ? 1 : 2][i] != Farbe_Buttonface)
                return false;
        return true;
    }

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<Programm> programm_;
    std::map<QString, double> schlimmster_fehler_;
    Tonart gespeicherte_art_{false, true}; // the first start's set: falling, pulsing
};

void Hoertest_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    Einstellungen_zuruecksetzen();
    programm_ = std::make_unique<Programm>(&player_, &dlg_);
    programm_->starten();
    QVERIFY(programm_->hauptfenster()->isVisible());
    // The first start writes the stored set; everything below builds on it.
    QTRY_VERIFY_WITH_TIMEOUT(Wave_erzeugen == nullptr, 60000);
    QCOMPARE(QDir(wave()).entryList({QStringLiteral("abn_*.wav")}, QDir::Files).size(), 42);
    QVERIFY(programm_->hauptfenster()->isEnabled());
}

void Hoertest_Test::cleanupTestCase()
{
    for (const auto& [art, fehler] : schlimmster_fehler_)
        qInfo("worst threshold error, %s: %.6f dB", qPrintable(art), fehler);
    programm_.reset();
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Hoertest_Test::init()
{
    dlg_.leeren();
    player_.oeffnen_scheitern_lassen(false);
    player_.aufzeichnungen_loeschen();
    Druck_string_start();
    Farben_Messung_Start();
}

void Hoertest_Test::cleanup()
{
    if (f2()->isVisible())
        f2()->close();
    QVERIFY(Ton_gestoppt);
    QCOMPARE(aktive_Zeile, 0);
}

// Calibration and tone options for all rows of both ears, saved as the user's settings.
void Hoertest_Test::einstellen(Tonart art, bool wave_immer_neu, bool dBA)
{
    // A stored set of another kind is stale: deleted, each row is then
    // written when it is first played.
    if (!wave_immer_neu &&
        (art.zunehmend != gespeicherte_art_.zunehmend || art.pulsierend != gespeicherte_art_.pulsierend)) {
        alle_wave_loeschen();
        gespeicherte_art_ = art;
    }
    Einstellungen.zunehmend = art.zunehmend;
    Einstellungen.pulsierend = art.pulsierend;
    Einstellungen.wave_immer_neu = wave_immer_neu;
    for (const bool links : {true, false}) {
        const int ohr = links ? 0 : 1;
        for (int i = 1; i <= 21; ++i) {
            const long double f = Frequenz(i);
            (links ? Links_Volume(Einstellungen, 3, i) : Rechts_Volume(Einstellungen, 3, i)) = V3(links, i);
            (links ? Links_Volume(Einstellungen, 5, i) : Rechts_Volume(Einstellungen, 5, i)) = V5(links, i);
            // The meter held to the headphone during the constant tone (amplitude 32700) at V5.
            const long double p = Messgeraet_Pa(links, f, 32700.0L, V5(links, i));
            Einstellungen.Schallmesser[size_t(ohr)][size_t(i - 1)] = dBA ? 1 : 0;
            Spannung(Einstellungen, 6, ohr, i) = double(dBA ? Pa_in_dBA(p, f) : Pa_in_dB(p));
        }
    }
    QVERIFY(Einstellungen_speichern_Festplatte());
}

void Hoertest_Test::oeffnen(bool links)
{
    QAction* a = aktion(links ? "HoertestLinkesOhr1" : "HoertestRechtesOhr1");
    QVERIFY(a && a->isEnabled());
    a->trigger();
    QVERIFY(f2()->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(0));
    QCOMPARE(Ohr_links, uint8_t(links ? 1 : 0));
}

void Hoertest_Test::starten(int zeile)
{
    QCOMPARE(f2()->Button[size_t(zeile)]->text(), QStringLiteral("Start"));
    QTest::mouseClick(f2()->Button[size_t(zeile)], Qt::LeftButton);
}

void Hoertest_Test::stoppen(int zeile)
{
    QCOMPARE(f2()->Button[size_t(zeile)]->text(), QStringLiteral("Stopp"));
    QTest::mouseClick(f2()->Button[size_t(zeile)], Qt::LeftButton);
    QCOMPARE(f2()->Button[size_t(zeile)]->text(), QStringLiteral("Start"));
}

void Hoertest_Test::messen(int zeile, double t_s)
{
    starten(zeile);
    QVERIFY(player_.laeuft());
    player_.vorruecken(t_s * 1000.0);
    stoppen(zeile);
}

// What the player outputs from frame `frame` on: the tone law on the ear's
// channel, sample by sample within half a step of rounding, and digital
// silence on the other channel.
void Hoertest_Test::pruefe_Gehoertes(bool links, int zeile, Tonart art, uint64_t frame)
{
    const long double f = Frequenz(zeile);
    const uint32_t periode = uint32_t(std::ceil(44100.0L / f));
    const uint32_t anzahl = std::max<uint32_t>(periode, 64);
    std::vector<float> stereo;
    player_.gehoerte_frames(anzahl, stereo);
    const long double g = (long double)(V3(links, zeile)) / 65535.0L;
    const long double lsb = g / 32768.0L;
    const long double a_jetzt = Amplitude(art.zunehmend, (long double)frame / 44100.0L);
    long double spitze = 0;
    for (uint32_t j = 0; j < anzahl; ++j) {
        const long double t = (long double)(frame + j) / 44100.0L;
        const long double soll = Amplitude(art.zunehmend, t) * Form(art.pulsierend, t, f) * lsb;
        const float ohr = stereo[2 * j + (links ? 0 : 1)];
        const float anderes = stereo[2 * j + (links ? 1 : 0)];
        if (std::fabs(ohr - soll) > 0.52L * lsb + 1e-7L)
            QFAIL(qPrintable(QStringLiteral("row %1 frame %2: heard %3, tone law %4")
                                 .arg(zeile)
                                 .arg(frame + j)
                                 .arg(ohr)
                                 .arg(double(soll))));
        QCOMPARE(anderes, 0.0f);
        if (j < periode)
            spitze = std::max<long double>(spitze, std::fabs(ohr));
    }
    // The peak over one carrier period is the amplitude at the press, up to
    // the envelope's change within the period and the sampling of the peak.
    const long double aenderung =
        std::exp(std::log(32700.0L) / (art.zunehmend ? 15.0L : 30.0L) * periode / 44100.0L);
    const long double huelle =
        art.pulsierend ? (std::cos(8.0L * 3.14159265L * periode / 44100.0L) + 3.0L) / 4.0L : 1.0L;
    const long double abtastung = std::cos(3.14159265L * f / 44100.0L);
    QVERIFY2(spitze <= a_jetzt * lsb * aenderung + lsb,
             qPrintable(QString::number(double(spitze / (a_jetzt * lsb)))));
    QVERIFY2(spitze >= a_jetzt * lsb * abtastung * huelle / aenderung - lsb,
             qPrintable(QString::number(double(spitze / (a_jetzt * lsb)))));
}

void Hoertest_Test::schwellenWieDieWahrheit_data()
{
    QTest::addColumn<bool>("zunehmend");
    QTest::addColumn<bool>("pulsierend");
    QTest::addColumn<bool>("wave_immer_neu");
    QTest::addColumn<bool>("dBA");
    QTest::newRow("abnehmend rein, dB, gespeicherte Dateien") << false << false << false << false;
    QTest::newRow("abnehmend rein, dB(A), immer neu") << false << false << true << true;
    QTest::newRow("zunehmend rein, dB(A), gespeicherte Dateien") << true << false << false << true;
    QTest::newRow("zunehmend rein, dB, immer neu") << true << false << true << false;
    QTest::newRow("abnehmend pulsierend, dB(A), gespeicherte Dateien") << false << true << false << true;
    QTest::newRow("zunehmend pulsierend, dB, immer neu") << true << true << true << false;
}

void Hoertest_Test::schwellenWieDieWahrheit()
{
    QFETCH(bool, zunehmend);
    QFETCH(bool, pulsierend);
    QFETCH(bool, wave_immer_neu);
    QFETCH(bool, dBA);
    const Tonart art{zunehmend, pulsierend};
    einstellen(art, wave_immer_neu, dBA);
    const QString art_name = QString::fromLatin1(zunehmend ? "zunehmend" : "abnehmend") +
                             QString::fromLatin1(pulsierend ? " pulsierend" : " rein");
    const int zeilen[] = {1, 5, 14, 21};
    double& schlimmster = schlimmster_fehler_[art_name];

    for (const bool links : {true, false}) {
        oeffnen(links);
        for (int j = 0; j < 4; ++j) {
            const int zeile = zeilen[j];
            const long double f = Frequenz(zeile);
            // The moment the listener reacts, as a frame of the tone.
            long double wahr_Pa;
            uint64_t frame;
            if (!pulsierend) {
                wahr_Pa = 0.00002L * std::pow(10.0L, Hoerschwelle_dB(links, zeile) / 20.0L);
                const long double a = wahr_Pa / Messgeraet_Pa(links, f, 1.0L, V3(links, zeile));
                frame = uint64_t(std::llround(Zeitpunkt(zunehmend, a) * 44100.0L));
            } else {
                // The pulsing tone is judged at its loudest: a threshold that
                // the tone crosses at an envelope peak.
                frame = uint64_t(6 + 7 * j + (links ? 0 : 3)) * 11025;
                wahr_Pa = Messgeraet_Pa(links, f, Amplitude(zunehmend, frame / 44100.0L), V3(links, zeile));
            }
            player_.aufzeichnungen_loeschen();
            starten(zeile);
            QCOMPARE(f2()->Button[size_t(zeile)]->text(), QStringLiteral("Stopp"));
            QCOMPARE(aktive_Zeile, zeile);
            QCOMPARE(f2()->panel0(), QStringLiteral("Aktiv"));
            QVERIFY(player_.laeuft());
            const QString erwartet =
                wave_immer_neu
                    ? wave() + (links ? QStringLiteral("/Ton_l.wav") : QStringLiteral("/Ton_r.wav"))
                    : (links ? Tondatei_links(zeile) : Tondatei_rechts(zeile));
            QCOMPARE(player_.gespielte_dateien(), QStringList{erwartet});
            // The tone's ear at its start volume, the other ear at 0, before the tone starts.
            const auto& aenderungen = player_.lautstaerke_aenderungen();
            QVERIFY(!aenderungen.empty());
            for (const auto& a : aenderungen)
                QCOMPARE(links ? a.rechts : a.links, uint16_t(0));
            QCOMPARE(links ? aenderungen.back().links : aenderungen.back().rechts,
                     uint16_t(V3(links, zeile)));

            // Press a quarter frame after the reaction frame starts.
            player_.vorruecken((double(frame) + 0.25) / 44.1);
            pruefe_Gehoertes(links, zeile, art, frame);
            stoppen(zeile);
            QVERIFY(!player_.laeuft());

            const double p = ergebnis(links, zeile);
            const double fehler = std::fabs(dB(p) - dB(wahr_Pa));
            schlimmster = std::max(schlimmster, fehler);
            QVERIFY2(fehler < 0.05, qPrintable(QStringLiteral("%1 row %2: %3 dB, truth %4 dB")
                                                   .arg(links ? "left" : "right")
                                                   .arg(zeile)
                                                   .arg(dB(p))
                                                   .arg(dB(wahr_Pa))));
            // Shown as a level with one decimal in the ear's colour.
            const QLineEdit* e = f2()->Edit[size_t(zeile)];
            QCOMPARE(
                e->text().trimmed(),
                QString::number(double(Pa_in_dB(p)), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')));
            const QColor farbe = links ? QColor(255, 0, 0) : QColor(0, 0, 255);
            QCOMPARE(e->palette().color(QPalette::Base), farbe);
            QCOMPARE(Farben_Messung[links ? 1 : 2][zeile],
                     links ? Farbe_links_gemessen : Farbe_rechts_gemessen);
            QCOMPARE(f2()->panel0(), QStringLiteral("Bereit"));
            QCOMPARE(Hoertest_nach_Tonende[size_t(Druck_index(links, zeile))], Tonende::waehrend);
        }

        // Pressing after the tone's end yields its end amplitude, marked as a bound.
        // Until then the status line says that the tone is over.
        const int zeile = 9;
        const long double f = Frequenz(zeile);
        const QString einstellungen_zeile = f2()->panel1();
        starten(zeile);
        player_.vorruecken(zunehmend ? 14500.0 : 29500.0);
        QCOMPARE(f2()->panel1(), einstellungen_zeile);
        player_.vorruecken(zunehmend ? 2000.0 : 1500.0); // 16.5 s, 31 s
        QCOMPARE(f2()->panel1(), Text_Ton_zu_Ende());
        QCOMPARE(f2()->panel0(), QStringLiteral("Aktiv"));
        stoppen(zeile);
        QCOMPARE(f2()->panel1(), einstellungen_zeile);
        // A rising tone ends at its loudest: the threshold lies above. A
        // falling one below full volume has fallen below one step of the
        // output before its end (peak amplitude 65535 / volume in sample
        // units): nothing quieter was played, the threshold lies above that.
        QCOMPARE(Hoertest_nach_Tonende[size_t(Druck_index(links, zeile))],
                 zunehmend ? Tonende::nach_zunehmendem : Tonende::unter_Stufe);
        const long double ende = Messgeraet_Pa(
            links, f, zunehmend ? 32700.0L : 65535.0L / (long double)(V3(links, zeile)), V3(links, zeile));
        const double fehler = std::fabs(dB(ergebnis(links, zeile)) - dB(ende));
        QVERIFY2(fehler < 0.05, qPrintable(QString::number(fehler)));
        schlimmster = std::max(schlimmster, fehler);
        QVERIFY2(f2()->Edit[size_t(zeile)]->text().trimmed().startsWith(QStringLiteral("≥ ")),
                 qPrintable(f2()->Edit[size_t(zeile)]->text()));

        f2()->EinstellungenSpeichern1->trigger(); // "Übernehmen"
        QVERIFY(!f2()->isVisible());
    }
    // Both ears' results kept side by side.
    for (const int zeile : zeilen) {
        QVERIFY(ergebnis(true, zeile) > 0.0);
        QVERIFY(ergebnis(false, zeile) > 0.0);
    }
    // Reopened, the bound still carries its mark.
    oeffnen(true);
    QVERIFY(f2()->Edit[9]->text().trimmed().startsWith(QStringLiteral("≥ ")));
    f2()->close();
    QVERIFY(dlg_.meldungen.empty());
}

void Hoertest_Test::gespeicherteTonpaareWiederverwendet()
{
    einstellen({false, false}, false, false);
    QFile::remove(Tondatei_links(5));
    QVERIFY(!QFileInfo::exists(Tondatei_links(5)));
    oeffnen(true);
    messen(5, 3.0); // writes the missing pair
    const QString l = Tondatei_links(5);
    const QString r = Tondatei_rechts(5);
    QCOMPARE(QFileInfo(l).size(), qint64(5292046));
    const QByteArray inhalt_l = lesen(l);
    const QByteArray inhalt_r = lesen(r);
    QVERIFY(zuruecksetzen_Zeit(l));
    QVERIFY(zuruecksetzen_Zeit(r));
    const QDateTime alt = geaendert(l);

    player_.aufzeichnungen_loeschen();
    messen(5, 4.0);
    QCOMPARE(player_.gespielte_dateien(), QStringList{l});
    QCOMPARE(geaendert(l), alt);
    QCOMPARE(geaendert(r), alt);
    QCOMPARE(lesen(l), inhalt_l);
    QCOMPARE(lesen(r), inhalt_r);
    QVERIFY(ergebnis(true, 5) > 0.0);
}

void Hoertest_Test::waveImmerNeuSchreibtJedesMalNeu()
{
    einstellen({false, false}, true, false);
    const QString l = wave() + QStringLiteral("/Ton_l.wav");
    const QString r = wave() + QStringLiteral("/Ton_r.wav");
    oeffnen(false);
    for (const int zeile : {3, 3, 17}) {
        // Whatever the scratch pair held is replaced by the row's tone.
        QVERIFY(schreiben(l, QByteArray("alt")));
        QVERIFY(schreiben(r, QByteArray("alt")));
        QVERIFY(zuruecksetzen_Zeit(l));
        const QDateTime alt = geaendert(l);
        player_.aufzeichnungen_loeschen();
        starten(zeile);
        QCOMPARE(player_.gespielte_dateien(), QStringList{r});
        QCOMPARE(QFileInfo(l).size(), qint64(5292046));
        QCOMPARE(QFileInfo(r).size(), qint64(5292046));
        QVERIFY(geaendert(l) != alt);
        // The row's own tone: a falling cosine of its frequency in the right channel.
        player_.vorruecken(1000.0);
        pruefe_Gehoertes(false, zeile, {false, false}, 44100);
        stoppen(zeile);
    }
    // The stored pair of the row is not touched.
    QVERIFY(ergebnis(false, 17) > 0.0);
}

void Hoertest_Test::neuLeertNurDasAktuelleOhr()
{
    einstellen({false, false}, false, false);
    oeffnen(true);
    messen(2, 5.0);
    messen(20, 6.0);
    f2()->EinstellungenSpeichern1->trigger();
    oeffnen(false);
    messen(2, 7.0);
    const double rechts = ergebnis(false, 2);
    const QString rechts_text = Hoertest_Druck_string[size_t(Druck_index(false, 2))];
    f2()->EinstellungenSpeichern1->trigger();

    oeffnen(true);
    QVERIFY(!f2()->Edit[2]->text().trimmed().isEmpty());
    QVERIFY(f2()->Neu1->isVisible() && f2()->Neu1->isEnabled());
    dlg_.antworten.push_back(Antwort::Ja); // the accepted results may go
    f2()->Neu1->trigger();
    QVERIFY(ohr_leer(true));
    for (int i = 1; i <= 21; ++i) {
        QVERIFY(f2()->Edit[size_t(i)]->text().isEmpty());
        QCOMPARE(f2()->Edit[size_t(i)]->palette().color(QPalette::Base), QColor(240, 240, 240));
    }
    QCOMPARE(ergebnis(false, 2), rechts);
    QCOMPARE(Hoertest_Druck_string[size_t(Druck_index(false, 2))], rechts_text);
    QCOMPARE(Farben_Messung[2][2], Farbe_rechts_gemessen);
    f2()->EinstellungenSpeichern1->trigger();
    QVERIFY(ohr_leer(true));
    QCOMPARE(ergebnis(false, 2), rechts);
}

void Hoertest_Test::schliessenOhneUebernehmenVerwirftDasOhr()
{
    einstellen({false, false}, false, false);
    oeffnen(false);
    messen(6, 8.0);
    f2()->EinstellungenSpeichern1->trigger();
    const double rechts = ergebnis(false, 6);
    QVERIFY(rechts > 0.0);

    // "Abbrechen" after a measured row.
    oeffnen(true);
    messen(4, 2.0);
    QVERIFY(ergebnis(true, 4) > 0.0);
    QVERIFY(f2()->Abbrechen2->isEnabled());
    f2()->Abbrechen2->trigger();
    QVERIFY(!f2()->isVisible());
    QVERIFY(ohr_leer(true));
    QCOMPARE(ergebnis(false, 6), rechts);

    // Closing the window while a row runs: the row is stopped as by its
    // button, so its result is computed and shown first, then discarded.
    oeffnen(true);
    messen(4, 2.0);
    starten(8);
    QVERIFY(!f2()->EinstellungenSpeichern1->isEnabled());
    QVERIFY(f2()->Abbrechen2->isEnabled());
    player_.vorruecken(10000.0);
    f2()->close();
    QVERIFY(!f2()->isVisible());
    QVERIFY(!player_.laeuft());
    QVERIFY(Ton_gestoppt);
    QCOMPARE(aktive_Zeile, 0);
    QCOMPARE(f2()->Button[8]->text(), QStringLiteral("Start"));
    QVERIFY(!f2()->Edit[8]->text().trimmed().isEmpty()); // it was stored and shown ...
    QVERIFY(ohr_leer(true));                             // ... and then discarded with the ear
    QCOMPARE(ergebnis(false, 6), rechts);
    // The main menu is free again.
    QVERIFY(programm_->hauptfenster()->Hrtest1->menuAction()->isEnabled());
}

void Hoertest_Test::uebernehmenBehaeltDieErgebnisse()
{
    einstellen({false, false}, false, false);
    oeffnen(true);
    messen(10, 9.0);
    messen(11, 9.5);
    const double p10 = ergebnis(true, 10);
    const QString text10 = f2()->Edit[10]->text();
    QVERIFY(f2()->EinstellungenSpeichern1->isEnabled());
    QCOMPARE(f2()->EinstellungenSpeichern1->text(), QStringLiteral("Übernehmen"));
    f2()->EinstellungenSpeichern1->trigger();
    QVERIFY(!f2()->isVisible());
    QVERIFY(Ergebnisse_uebernommen);
    QCOMPARE(ergebnis(true, 10), p10);
    QVERIFY(ergebnis(true, 11) > 0.0);
    QVERIFY(programm_->hauptfenster()->Hrtest1->menuAction()->isEnabled());

    // Reopened: the rows show their levels in red, the others are empty.
    oeffnen(true);
    QCOMPARE(f2()->Edit[10]->text(), text10);
    QCOMPARE(f2()->Edit[10]->palette().color(QPalette::Base), QColor(255, 0, 0));
    QVERIFY(f2()->Edit[12]->text().isEmpty());
    QCOMPARE(f2()->Edit[12]->palette().color(QPalette::Base), QColor(240, 240, 240));
    // Reopened only to look: closing keeps them, without a question.
    f2()->close();
    QCOMPARE(ergebnis(true, 10), p10);
    QVERIFY(dlg_.meldungen.empty());
}

void Hoertest_Test::uebernommeneNurNachFrageVerworfen_data()
{
    // How the reopened window is left, whether a row was measured anew in it,
    // the answer to a question, and whether the question comes.
    QTest::addColumn<QString>("weg");
    QTest::addColumn<bool>("neu_gemessen");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("frage");
    QTest::newRow("angesehen, geschlossen") << QStringLiteral("schliessen") << false << false << false;
    QTest::newRow("angesehen, Abbrechen") << QStringLiteral("Abbrechen") << false << false << false;
    QTest::newRow("neu gemessen, geschlossen, Nein") << QStringLiteral("schliessen") << true << false << true;
    QTest::newRow("neu gemessen, Abbrechen, Nein") << QStringLiteral("Abbrechen") << true << false << true;
    QTest::newRow("neu gemessen, geschlossen, Ja") << QStringLiteral("schliessen") << true << true << true;
    QTest::newRow("Neu, Nein") << QStringLiteral("Neu") << false << false << true;
    QTest::newRow("Neu, Ja") << QStringLiteral("Neu") << false << true << true;
}

void Hoertest_Test::uebernommeneNurNachFrageVerworfen()
{
    QFETCH(QString, weg);
    QFETCH(bool, neu_gemessen);
    QFETCH(bool, ja);
    QFETCH(bool, frage);
    einstellen({false, false}, false, false);
    oeffnen(false);
    messen(4, 6.0);
    f2()->EinstellungenSpeichern1->trigger();
    oeffnen(true);
    messen(7, 5.0);
    messen(8, 5.5);
    f2()->EinstellungenSpeichern1->trigger();
    const Ohr_Ergebnisse uebernommen = Ohr_Ergebnisse_holen(true);
    const Ohr_Ergebnisse rechts = Ohr_Ergebnisse_holen(false);

    oeffnen(true);
    if (neu_gemessen) {
        messen(7, 9.0); // a row measured anew
        messen(9, 4.0); // and one more
    }
    if (ja)
        dlg_.antworten.push_back(Antwort::Ja);
    if (weg == QLatin1String("Neu"))
        f2()->Neu1->trigger();
    else if (weg == QLatin1String("Abbrechen"))
        f2()->Abbrechen2->trigger();
    else
        f2()->close();
    QCOMPARE(dlg_.meldungen.size(), size_t(frage ? 1 : 0));
    if (frage) {
        const auto& m = dlg_.meldungen.front();
        QVERIFY2(m.text.contains(QStringLiteral("übernommenen Ergebnisse des linken Ohrs verworfen werden?")),
                 qPrintable(m.text));
        QCOMPARE(m.titel, QStringLiteral("Frage"));
        QVERIFY(m.symbol == Symbol::Frage);
        QVERIFY(m.knoepfe == Knoepfe::JaNein);
    }
    if (weg == QLatin1String("Neu")) {
        // The window stays open, its rows showing what is left.
        QVERIFY(f2()->isVisible());
        QCOMPARE(f2()->Edit[7]->text().isEmpty(), ja);
        f2()->close();
        QCOMPARE(dlg_.meldungen.size(), size_t(1)); // no second question
    }
    QVERIFY(!f2()->isVisible());
    if (ja)
        QVERIFY(ohr_leer(true));
    else
        QVERIFY(Ohr_Ergebnisse_holen(true) == uebernommen); // exactly as accepted, the new rows dropped
    QVERIFY(Ohr_Ergebnisse_holen(false) == rechts);
}

void Hoertest_Test::einstellungenMenueLeertDasAktuelleOhr()
{
    einstellen({false, false}, false, false);
    oeffnen(false);
    messen(2, 7.0);
    f2()->EinstellungenSpeichern1->trigger();
    oeffnen(true);
    messen(2, 5.0);
    f2()->EinstellungenSpeichern1->trigger();
    const double rechts = ergebnis(false, 2);
    QVERIFY(ergebnis(true, 2) > 0.0);
    // Opening the "Einstellungen" menu starts the last ear anew.
    emit programm_->hauptfenster()->Einstellungen1->aboutToShow();
    QVERIFY(ohr_leer(true));
    QCOMPARE(ergebnis(false, 2), rechts);
}

void Hoertest_Test::stoppNachWiederherstellen()
{
    einstellen({false, false}, false, false);
    oeffnen(true);
    messen(6, 4.0);
    const double einmal = ergebnis(true, 6);
    // The same run once more, with the window minimised and restored meanwhile.
    starten(6);
    f2()->showMinimized();
    f2()->showNormal();
    QVERIFY(f2()->isVisible());
    player_.vorruecken(4000.0);
    stoppen(6);
    QVERIFY(!player_.laeuft());
    QCOMPARE(ergebnis(true, 6), einmal);
    f2()->EinstellungenSpeichern1->trigger();
    QCOMPARE(ergebnis(true, 6), einmal);
    QVERIFY(dlg_.meldungen.empty());
}

void Hoertest_Test::kalibrierungLinksLoeschtNurLinks_data()
{
    QTest::addColumn<QString>("menue");
    QTest::addColumn<bool>("abbrechen");
    QTest::newRow("Lautstärke, Abbrechen") << QStringLiteral("Lautstaerkelinks1") << true;
    QTest::newRow("Lautstärke, Fenster zu") << QStringLiteral("Lautstaerkelinks1") << false;
    QTest::newRow("manuelle Kalibrierung, Abbrechen") << QStringLiteral("Schalldruckpegellinks1") << true;
    QTest::newRow("manuelle Kalibrierung, Fenster zu, Ton läuft")
        << QStringLiteral("Schalldruckpegellinks1") << false;
    QTest::newRow("Mikrofonspannung, Fenster zu") << QStringLiteral("Mikrofonspannunglinks1") << false;
}

void Hoertest_Test::kalibrierungLinksLoeschtNurLinks()
{
    QFETCH(QString, menue);
    QFETCH(bool, abbrechen);
    einstellen({false, false}, false, false);
    for (const bool links : {true, false}) {
        oeffnen(links);
        messen(3, 4.0);
        f2()->EinstellungenSpeichern1->trigger();
    }
    const double rechts = ergebnis(false, 3);
    QVERIFY(ergebnis(true, 3) > 0.0);

    QAction* a = aktion(qPrintable(menue));
    QVERIFY(a);
    a->trigger();
    QVERIFY(f2()->isVisible());
    QCOMPARE(Ohr_links, uint8_t(1));
    if (!abbrechen) {
        starten(12); // a constant tone on the left ear
        QVERIFY(player_.laeuft());
        QVERIFY(player_.wiederholen());
        uint16_t gl = 0, gr = 1;
        player_.lautstaerke(gl, gr);
        QCOMPARE(gr, uint16_t(0));
        f2()->close();
    } else {
        f2()->Abbrechen2->trigger();
    }
    QVERIFY(!f2()->isVisible());
    QVERIFY(!player_.laeuft());
    QVERIFY(ohr_leer(true));
    QCOMPARE(ergebnis(false, 3), rechts);
    QCOMPARE(Farben_Messung[2][3], Farbe_rechts_gemessen);
}

void Hoertest_Test::keinAusgabegeraet()
{
    einstellen({false, false}, false, false);
    oeffnen(true);
    messen(2, 3.0);
    const double p2 = ergebnis(true, 2);
    player_.oeffnen_scheitern_lassen(true);
    starten(7);
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, Kopfhoerer_Text);
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Hinweis"));
    QVERIFY(dlg_.meldungen[0].symbol == Symbol::Information);
    QVERIFY(dlg_.meldungen[0].knoepfe == Knoepfe::OkAbbrechen);
    // The row is back at "Start", every row can be started, nothing was measured.
    QCOMPARE(f2()->Button[7]->text(), QStringLiteral("Start"));
    QCOMPARE(aktive_Zeile, 0);
    QVERIFY(Ton_gestoppt);
    for (int i = 1; i <= 21; ++i)
        QVERIFY(f2()->Button[size_t(i)]->isVisible());
    QVERIFY(f2()->EinstellungenSpeichern1->isEnabled());
    QCOMPARE(f2()->panel0(), QStringLiteral("Bereit"));
    QCOMPARE(ergebnis(true, 7), 0.0);
    QCOMPARE(ergebnis(true, 2), p2);
    // Each row shows the colour of its result again: none, or the measured one.
    QCOMPARE(f2()->Edit[7]->palette().color(QPalette::Base), QColor(240, 240, 240));
    starten(2);
    QCOMPARE(f2()->Button[2]->text(), QStringLiteral("Start"));
    QCOMPARE(f2()->Edit[2]->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(ergebnis(true, 2), p2);
    // The program keeps running: with the headphone back, the row measures.
    QVERIFY(f2()->isVisible());
    player_.oeffnen_scheitern_lassen(false);
    messen(7, 5.0);
    QVERIFY(ergebnis(true, 7) > 0.0);
    QCOMPARE(dlg_.meldungen.size(), size_t(2));
    f2()->EinstellungenSpeichern1->trigger();
    QCOMPARE(ergebnis(true, 2), p2);
}

void Hoertest_Test::tondateiNichtSchreibbar()
{
    einstellen({false, false}, false, false);
    // The missing left file of row 9 cannot be written: a folder holds its name.
    QFile::remove(Tondatei_links(9));
    QVERIFY(QDir().mkdir(Tondatei_links(9)));
    oeffnen(true);
    messen(2, 3.0);
    player_.aufzeichnungen_loeschen();
    starten(9);
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, Schreibfehler_Text);
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Problem"));
    QVERIFY(player_.gespielte_dateien().isEmpty());
    QVERIFY(!player_.laeuft());
    // The row waits silently for its "Stopp", which measures nothing.
    player_.vorruecken(4000.0);
    stoppen(9);
    QCOMPARE(ergebnis(true, 9), 0.0);
    QVERIFY(f2()->Edit[9]->text().trimmed().isEmpty());
    QCOMPARE(f2()->Edit[9]->palette().color(QPalette::Base), QColor(240, 240, 240));
    QVERIFY(ergebnis(true, 2) > 0.0);
    QVERIFY(QDir().rmdir(Tondatei_links(9)));

    // A wave folder that cannot be created: the same warning, nothing played.
    QVERIFY(QDir(wave()).removeRecursively());
    QVERIFY(schreiben(wave(), QByteArray("keine Ordner")));
    dlg_.leeren();
    starten(10);
    QCOMPARE(dlg_.letzter_text(), Schreibfehler_Text);
    QVERIFY(player_.gespielte_dateien().isEmpty());
    stoppen(10);
    QCOMPARE(ergebnis(true, 10), 0.0);
    f2()->EinstellungenSpeichern1->trigger();
    QVERIFY(QFile::remove(wave()));
}

QTEST_MAIN(Hoertest_Test)
#include "hoertest_test.moc"
