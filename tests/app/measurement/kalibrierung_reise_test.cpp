// A user's whole journey through the calibration, with a known truth: a
// headphone whose sound pressure per frequency is known, a sound level meter
// that reads the true level at the ear in the row's unit, a measuring
// microphone of known sensitivity and frequency response, and a listener with
// known thresholds per ear and frequency.
//
// Driven through the windows as a user drives them: the options window
// chooses the tone, the manual calibration is done with the track bars and by
// typing what the meter shows, the start volumes are set with the track bars,
// then both ears are tested; each step saves into the settings file. Every
// measured threshold must equal the listener's within 0.05 dB, in dB and in
// dB(A), for falling and rising, pulsing and pure tones. Then the same with
// the calibration over the microphone voltage and G(f) typed into the
// frequency-response window.
#include "app/measurement/einstellungen_messungen.h"
#include "app/settings/frequenzgang_unit.h"
#include "app/frisches_heim.h"
#include "app/settings/optionen_unit.h"
#include "app/shell/unit1.h"
#include "core/acoustics/kvhoerschwelle.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/tones/wave_volume.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

namespace
{

// ---- The truth -----------------------------------------------------------------

constexpr long double p0_Pa = 0.00002L;

// The headphone: RMS sound pressure in Pa per unit of RMS full scale (a sample
// value of 32768 at volume 65535 is 1).
long double Kopfhoerer(bool links, long double f)
{
    return (links ? 2.6L : 3.1L) * (1.0L + 0.3L * std::sin(f / 1500.0L));
}

// Weighting curves of the meter (the analytic A and C curves, 0 dB at 1 kHz).
long double A_Gewichtung(long double f)
{
    const long double f2 = f * f;
    const long double r = 12194.0L * 12194.0L * f2 * f2 /
                          ((f2 + 20.6L * 20.6L) * std::sqrt((f2 + 107.7L * 107.7L) * (f2 + 737.9L * 737.9L)) *
                           (f2 + 12194.0L * 12194.0L));
    return 20.0L * std::log10(r) + 2.0L;
}

long double C_Gewichtung(long double f)
{
    const long double f2 = f * f;
    const long double r = 12194.0L * 12194.0L * f2 / ((f2 + 20.6L * 20.6L) * (f2 + 12194.0L * 12194.0L));
    return 20.0L * std::log10(r) + 0.062L;
}

// The listener's threshold in dB re 20 uPa.
long double Schwelle_dB(bool links, int zeile)
{
    return 8.0L + 1.7L * zeile + (links ? 0.0L : 4.5L);
}

// The measuring microphone: volts per Pa at 1 kHz and its response in dB.
constexpr long double Mikrofon_V_pro_Pa = 0.0125L;
long double Mikrofon_G(int zeile)
{
    return zeile == 5 ? 0.0L : std::round(20.0L * std::sin(zeile * 0.7L)) / 10.0L;
}

// Tone law of the hearing test: peak amplitude (sample units) t s into the tone.
long double Amplitude(bool zunehmend, long double t)
{
    const long double ln_voll = std::log(32700.0L);
    if (zunehmend)
        return t < 15.0L ? std::exp(ln_voll * t / 15.0L) : 32700.0L;
    return t < 30.0L ? 32700.0L * std::exp(-ln_voll * t / 30.0L) : 1.0L;
}

long double Zeitpunkt(bool zunehmend, long double a)
{
    const long double ln_voll = std::log(32700.0L);
    return zunehmend ? 15.0L * std::log(a) / ln_voll : 30.0L * std::log(32700.0L / a) / ln_voll;
}

QString Text(long double x, int stellen)
{
    return QString::number(double(x), 'f', stellen).replace('.', ',');
}

struct Tonart {
    bool zunehmend;
    bool pulsierend;
    const char* name;
};

} // namespace

class Kalibrierung_Reise_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void manuelleKalibrierungUndHoertest();
    void mikrofonspannungUndHoertest();

private:
    QAction* aktion(const char* name) const { return form1_->findChild<QAction*>(QString::fromLatin1(name)); }
    void speichern_bestaetigen(const QString& pfad);
    void tonart_waehlen(const Tonart& art);
    void lautstaerke_stellen(uint32_t V);
    uint16_t kanal_lautstaerke(bool links) const;
    long double gemessener_Druck(bool links, int zeile);
    void manuell_kalibrieren(bool links);
    void mikrofon_kalibrieren(bool links);
    void startlautstaerken(bool links);
    void hoertest(bool links, const Tonart& art, bool mikrofon);
    void pruefen(const Tonart& art, const QString& weg);

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm6> form6_;
    std::map<QString, double> schlimmster_;
};

void Kalibrierung_Reise_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    Einstellungen_zuruecksetzen();
    dialoge_setzen(&dlg_);
    Wellenlautstaerke_einsetzen(&player_);
    Hoerschwelle_Tabellen_erzeugen();
    form1_ = std::make_unique<TForm1>();
    form1_->FormCreate();
    form2_ = std::make_unique<TForm2>();
    form2_->Abspieler_setzen(&player_);
    form4_ = std::make_unique<TForm4>();
    form6_ = std::make_unique<TForm6>();
    form1_->show();
}

void Kalibrierung_Reise_Test::cleanupTestCase()
{
    for (const auto& [art, fehler] : schlimmster_)
        qInfo("worst threshold error, %s: %.4f dB", qPrintable(art), fehler);
    form6_.reset();
    form4_.reset();
    form2_.reset();
    form1_.reset();
    Wellenlautstaerke_einsetzen(nullptr);
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

// Saving under the current file: the dialog proposes it, the user confirms
// and answers "Ja" to overwriting.
void Kalibrierung_Reise_Test::speichern_bestaetigen(const QString& pfad)
{
    dlg_.leeren();
    dlg_.dateiwahlen.push_back({pfad, 1});
    dlg_.antworten.push_back(Antwort::Ja);
}

// The options window: every tone made anew (no stored set to wait for) and the tone kind.
void Kalibrierung_Reise_Test::tonart_waehlen(const Tonart& art)
{
    aktion("Optionen1")->trigger();
    QVERIFY(form4_->isVisible());
    if (!form4_->CheckBox[2]->isChecked())
        form4_->CheckBox[2]->click();
    if (form4_->CheckBox[3]->isChecked() != art.pulsierend)
        form4_->CheckBox[3]->click();
    if (form4_->CheckBox[6]->isChecked() != art.zunehmend)
        form4_->CheckBox[6]->click();
    QCOMPARE(form4_->CheckBox[1]->isChecked(), false);
    QCOMPARE(form4_->CheckBox[4]->isChecked(), !art.pulsierend);
    QCOMPARE(form4_->CheckBox[5]->isChecked(), !art.zunehmend);
    speichern_bestaetigen(Dateiname1_6_zu_string());
    form4_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form4_->isVisible());
    QCOMPARE(bool(Einstellungen.pulsierend), art.pulsierend);
    QCOMPARE(bool(Einstellungen.zunehmend), art.zunehmend);
    QCOMPARE(bool(Einstellungen.wave_immer_neu), true);
}

// The two bars as a user moves them: coarse first, then fine.
void Kalibrierung_Reise_Test::lautstaerke_stellen(uint32_t V)
{
    const int grob = V > 3000 ? int((V - 3000) / 10) : 0;
    const int fein = int(V) - 10 * grob;
    // From the file's volume the coarse bar rises by far more than 20 dB, and
    // above 100 dB(A) every rise asks: the user confirms the loud-tone questions.
    dlg_.antworten.push_back(Antwort::Ok);
    dlg_.antworten.push_back(Antwort::Ok);
    form2_->TrackBar2->setValue(grob);
    form2_->TrackBar1->setValue(fein);
    dlg_.antworten.clear();
    QCOMPARE(uint32_t(form2_->TrackBar1->value() + 10 * form2_->TrackBar2->value()), V);
}

uint16_t Kalibrierung_Reise_Test::kanal_lautstaerke(bool links) const
{
    uint16_t l = 0;
    uint16_t r = 0;
    player_.lautstaerke(l, r);
    return links ? l : r;
}

// What reaches the ear now (RMS Pa over one second of the playing tone); the
// other channel must be silent.
long double Kalibrierung_Reise_Test::gemessener_Druck(bool links, int zeile)
{
    std::vector<float> stereo;
    player_.gehoerte_frames(44100, stereo);
    long double summe = 0;
    long double anderes = 0;
    for (size_t j = 0; j < 44100; ++j) {
        const long double x = stereo[2 * j + (links ? 0 : 1)];
        summe += x * x;
        anderes += std::fabs(stereo[2 * j + (links ? 1 : 0)]);
    }
    if (anderes != 0)
        qWarning("the other ear hears something");
    return Kopfhoerer(links, Frequenz(zeile)) * std::sqrt(summe / 44100.0L);
}

void Kalibrierung_Reise_Test::manuell_kalibrieren(bool links)
{
    aktion(links ? "Schalldruckpegellinks1" : "Schalldruckpegelrechts1")->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(3));
    for (int i = 1; i <= Zeilen; ++i) {
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
        QCOMPARE(aktive_Zeile, i);
        QVERIFY(player_.laeuft());
        const uint32_t V5 = 9000 + 2500 * uint32_t(i) + (links ? 0 : 777);
        lautstaerke_stellen(V5);
        QCOMPARE(kanal_lautstaerke(links), uint16_t(V5));
        QCOMPARE(kanal_lautstaerke(!links), uint16_t(0));
        // The meter, switched to the unit the user chose for this row.
        const int einheit = i % 3;
        const long double f = Frequenz(i);
        const long double L =
            20.0L * std::log10(gemessener_Druck(links, i) / p0_Pa) + (einheit == 1   ? A_Gewichtung(f)
                                                                      : einheit == 2 ? C_Gewichtung(f)
                                                                                     : 0.0L);
        QLineEdit* e = form2_->Edit[size_t(i)];
        QVERIFY(!e->isReadOnly());
        e->clear();
        QTest::keyClicks(e, Text(L, 4));
        form2_->ComboBox[size_t(i)]->setCurrentIndex(einheit);
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
        QCOMPARE(aktive_Zeile, 0);
    }
    speichern_bestaetigen(Dateiname1_6_zu_string());
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form2_->isVisible());
    QVERIFY(dlg_.meldungen.size() == 1); // only the overwrite question
}

void Kalibrierung_Reise_Test::mikrofon_kalibrieren(bool links)
{
    aktion(links ? "Mikrofonspannunglinks1" : "Mikrofonspannungrechts1")->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(2));
    for (int i = 1; i <= Zeilen; ++i) {
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
        const uint32_t V4 = 60000 - 2100 * uint32_t(i) - (links ? 0 : 333);
        lautstaerke_stellen(V4);
        const long double p = gemessener_Druck(links, i);
        // Millivolts, as the column heading asks.
        const long double U_mV = 1000.0L * p * Mikrofon_V_pro_Pa * std::pow(10.0L, Mikrofon_G(i) / 20.0L);
        QLineEdit* e = form2_->Edit[size_t(i)];
        e->clear();
        QTest::keyClicks(e, Text(U_mV, 6));
        if (i == 5) {
            QVERIFY(!form2_->Edit[22]->isReadOnly());
            form2_->Edit[22]->clear();
            QTest::keyClicks(form2_->Edit[22], Text(20.0L * std::log10(p / p0_Pa), 4));
            form2_->Edit22Exit();
        }
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
    }
    speichern_bestaetigen(Dateiname1_6_zu_string());
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form2_->isVisible());
    QVERIFY(dlg_.meldungen.size() == 1);
}

// Start volumes: the tone starts 40 dB above the listener's threshold.
void Kalibrierung_Reise_Test::startlautstaerken(bool links)
{
    aktion(links ? "Lautstaerkelinks1" : "Lautstaerkerechts1")->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(1));
    for (int i = 1; i <= Zeilen; ++i) {
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
        const long double f = Frequenz(i);
        const long double ziel = p0_Pa * std::pow(10.0L, (Schwelle_dB(links, i) + 40.0L) / 20.0L);
        // RMS at full scale and volume 65535 is the headphone's factor times 32700/32768/sqrt(2).
        const long double voll = Kopfhoerer(links, f) * 32700.0L / 32768.0L / std::sqrt(2.0L);
        const uint32_t V3 = uint32_t(std::lround(65535.0L * ziel / voll));
        QVERIFY(V3 >= 1 && V3 <= 65530);
        lautstaerke_stellen(V3);
        // The edit follows the bar: the start level in dB(A), one decimal.
        const long double LA = 20.0L * std::log10(gemessener_Druck(links, i) / p0_Pa) + A_Gewichtung(f);
        double gezeigt = 0;
        QVERIFY(form2_->Edit[size_t(i)]->text().contains(QLatin1Char(',')));
        gezeigt = form2_->Edit[size_t(i)]->text().trimmed().replace(',', '.').toDouble();
        QVERIFY2(std::fabs(gezeigt - double(LA)) <= 0.06,
                 qPrintable(QStringLiteral("row %1: shown %2, true %3").arg(i).arg(gezeigt).arg(double(LA))));
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
    }
    speichern_bestaetigen(Dateiname1_6_zu_string());
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form2_->isVisible());
}

// The listener presses "Stopp" when the tone's level at the ear crosses the threshold.
void Kalibrierung_Reise_Test::hoertest(bool links, const Tonart& art, bool mikrofon)
{
    aktion(links ? "HoertestLinkesOhr1" : "HoertestRechtesOhr1")->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(Form2_Modus, uint8_t(0));
    if (mikrofon)
        Einstellungen.Eichung = Span_nung; // the hidden path: thresholds from the voltage calibration
    for (int i = 1; i <= Zeilen; ++i) {
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
        QVERIFY(player_.laeuft());
        const long double g = kanal_lautstaerke(links) / 65535.0L;
        QCOMPARE(kanal_lautstaerke(!links), uint16_t(0));
        const long double p_T = p0_Pa * std::pow(10.0L, Schwelle_dB(links, i) / 20.0L);
        // Peak amplitude (sample units) whose RMS pressure at the ear is the threshold.
        const long double a = p_T * std::sqrt(2.0L) * 32768.0L / (Kopfhoerer(links, Frequenz(i)) * g);
        QVERIFY(a > 30.0L && a < 32000.0L);
        const long double t = Zeitpunkt(art.zunehmend, a);
        QVERIFY(std::fabs(Amplitude(art.zunehmend, t) / a - 1.0L) < 1e-12L);
        player_.vorruecken(double(t * 1000.0L));
        QTest::mouseClick(form2_->Button[size_t(i)], Qt::LeftButton);
        QCOMPARE(aktive_Zeile, 0);
    }
    form2_->EinstellungenSpeichern1->trigger(); // "Übernehmen"
    QVERIFY(!form2_->isVisible());
    Einstellungen.Eichung = Schall_messer;
}

void Kalibrierung_Reise_Test::pruefen(const Tonart& art, const QString& weg)
{
    double schlimmster = 0;
    for (const bool links : {true, false}) {
        for (int i = 1; i <= Zeilen; ++i) {
            const double p = Hoertest_Druck[size_t(Druck_index(links, i))];
            QVERIFY2(p > 0, qPrintable(QStringLiteral("row %1 not measured").arg(i)));
            const long double f = Frequenz(i);
            const long double fehler_dB = 20.0L * std::log10(p / p0_Pa) - Schwelle_dB(links, i);
            const long double fehler_dBA = Pa_in_dBA(p, f) - (Schwelle_dB(links, i) + A_Gewichtung(f));
            schlimmster =
                std::max({schlimmster, double(std::fabs(fehler_dB)), double(std::fabs(fehler_dBA))});
            QVERIFY2(std::fabs(fehler_dB) <= 0.05L && std::fabs(fehler_dBA) <= 0.05L,
                     qPrintable(QStringLiteral("%1 %2 ear, row %3 (%4 Hz): %5 dB, %6 dB(A) off")
                                    .arg(weg, links ? QStringLiteral("left") : QStringLiteral("right"))
                                    .arg(i)
                                    .arg(double(f))
                                    .arg(double(fehler_dB))
                                    .arg(double(fehler_dBA))));
        }
    }
    const QString name = weg + QStringLiteral(", ") + QString::fromLatin1(art.name);
    schlimmster_[name] = std::max(schlimmster_[name], schlimmster);
}

void Kalibrierung_Reise_Test::manuelleKalibrierungUndHoertest()
{
    const Tonart arten[] = {{false, true, "falling pulsing"},
                            {false, false, "falling pure"},
                            {true, true, "rising pulsing"},
                            {true, false, "rising pure"}};
    tonart_waehlen(arten[0]);
    manuell_kalibrieren(true);
    manuell_kalibrieren(false);
    startlautstaerken(true);
    startlautstaerken(false);
    for (const Tonart& art : arten) {
        tonart_waehlen(art);
        hoertest(true, art, false);
        hoertest(false, art, false);
        pruefen(art, QStringLiteral("sound level meter"));
    }
}

void Kalibrierung_Reise_Test::mikrofonspannungUndHoertest()
{
    // G(f) typed as the microphone's data sheet gives it, with a point or a comma.
    aktion("FrequenzgangMikrofon1")->trigger();
    QVERIFY(form6_->isVisible());
    for (int i = 1; i <= Zeilen; ++i) {
        QLineEdit* e = form6_->Edit[size_t(i)];
        e->clear();
        QString t = QString::number(double(Mikrofon_G(i)), 'f', 1);
        if (i % 2)
            t.replace('.', ',');
        QTest::keyClicks(e, t);
        form6_->EditExit(i);
        QVERIFY(!form6_->Eingabe_falsch());
    }
    speichern_bestaetigen(Dateiname1_6_zu_string());
    form6_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form6_->isVisible());
    mikrofon_kalibrieren(true);
    mikrofon_kalibrieren(false);
    const Tonart arten[] = {{false, true, "falling pulsing"},
                            {false, false, "falling pure"},
                            {true, true, "rising pulsing"},
                            {true, false, "rising pure"}};
    for (const Tonart& art : arten) {
        tonart_waehlen(art);
        hoertest(true, art, true);
        hoertest(false, art, true);
        pruefen(art, QStringLiteral("microphone voltage"));
    }
}

QTEST_MAIN(Kalibrierung_Reise_Test)
#include "kalibrierung_reise_test.moc"
