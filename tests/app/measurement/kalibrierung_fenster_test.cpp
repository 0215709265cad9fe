// The windows of the calibration by hand, their edge cases: the track bars
// and the input checks of the measurement window, copying one ear and
// cancelling, saving with "No" to overwriting; the options window's frequency
// check, check-box pairs, extension and tone files; the frequency-response
// window's numbers, extension rule and deactivation question; and the two
// mixer commands of the main window with their fixed confirmations.
#include "app/tones/alle_wave.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/settings/frequenzgang_unit.h"
#include "app/frisches_heim.h"
#include "app/settings/optionen_unit.h"
#include "app/shell/unit1.h"
#include "core/settings/einstellungen.h"
#include "core/settings/records_io.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/tones/wave_volume.h"
#include "platform/audio/simulierter_abspieler.h"
#include "platform/mixer/mischpult.h"
#include "platform/mixer/simuliertes_mischpult.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace
{
QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
const QString Eingabefehler = QStringLiteral("Eingabefehler");
} // namespace

class Kalibrierung_Fenster_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void trackbarGrenzen_data();
    void trackbarGrenzen();
    void trackbarOhneAktiveZeile();
    void dezibeleingabe_data();
    void dezibeleingabe();
    void zahleneingabeNurModi1bis3();
    void spannungMitPunktGespeichert();
    void vonRechtsUebernehmenDannAbbrechen();
    void speichernNeinSchreibtNichts();
    void fremdeEinheitBleibtGespeichert();

    void optionenFrequenzpruefung_data();
    void optionenFrequenzpruefung();
    void optionenKontrollkaestchenpaare();
    void optionenEndungErzwungenUndImmerNeuLoescht();
    void optionenBehaltenErzeugtNeu();
    void optionenFalscheEingabeVerhindertSpeichern();

    void frequenzgangEingaben();
    void frequenzgangEndungUndFaktoren();
    void frequenzgangDeaktivierungsfrage();

    void mischpultBefehle();

private:
    QAction* aktion(const char* name) const { return form1_->findChild<QAction*>(QString::fromLatin1(name)); }
    void modus(uint8_t m, bool links);
    QString datei(const char* name) const { return Einstellungsordner + QString::fromLatin1(name); }

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    Simuliertes_Mischpult pult_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm6> form6_;
};

void Kalibrierung_Fenster_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    Einstellungen_zuruecksetzen();
    dialoge_setzen(&dlg_);
    Wellenlautstaerke_einsetzen(&player_);
    Mischpult_einsetzen(&pult_);
    form1_ = std::make_unique<TForm1>();
    form1_->FormCreate();
    form2_ = std::make_unique<TForm2>();
    form2_->Abspieler_setzen(&player_);
    form4_ = std::make_unique<TForm4>();
    form6_ = std::make_unique<TForm6>();
    // No stored tone set to wait for.
    Einstellungen.wave_immer_neu = 1;
    QVERIFY(Einstellungen_speichern_Festplatte());
}

void Kalibrierung_Fenster_Test::cleanupTestCase()
{
    form6_.reset();
    form4_.reset();
    form2_.reset();
    form1_.reset();
    Mischpult_einsetzen(nullptr);
    Wellenlautstaerke_einsetzen(nullptr);
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Kalibrierung_Fenster_Test::init()
{
    dlg_.leeren();
}

void Kalibrierung_Fenster_Test::cleanup()
{
    for (QWidget* w : {static_cast<QWidget*>(form2_.get()), static_cast<QWidget*>(form4_.get()),
                       static_cast<QWidget*>(form6_.get())})
        if (w->isVisible())
            w->close();
    Wave_erzeugen_beenden();
}

void Kalibrierung_Fenster_Test::modus(uint8_t m, bool links)
{
    static const char* namen[5][2] = {{"HoertestRechtesOhr1", "HoertestLinkesOhr1"},
                                      {"Lautstaerkerechts1", "Lautstaerkelinks1"},
                                      {"Mikrofonspannungrechts1", "Mikrofonspannunglinks1"},
                                      {"Schalldruckpegelrechts1", "Schalldruckpegellinks1"},
                                      {"Autorechts1", "Autolinks1"}};
    aktion(namen[m][links ? 1 : 0])->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(Form2_Modus, m);
}

// ---- Measurement window -------------------------------------------------------------

void Kalibrierung_Fenster_Test::trackbarGrenzen_data()
{
    QTest::addColumn<uint>("V");
    QTest::addColumn<int>("fein");
    QTest::addColumn<int>("grob");
    QTest::newRow("3000") << 3000u << 3000 << 0;
    QTest::newRow("3005") << 3005u << 3000 << 0;
    QTest::newRow("3019") << 3019u << 3000 << 1;
    QTest::newRow("59530") << 59530u << 3000 << 5653;
    QTest::newRow("59531") << 59531u << 1 << 5953;
    QTest::newRow("65530") << 65530u << 6000 << 5953;
    QTest::newRow("0") << 0u << 1 << 0;
}

void Kalibrierung_Fenster_Test::trackbarGrenzen()
{
    QFETCH(uint, V);
    QFETCH(int, fein);
    QFETCH(int, grob);
    modus(3, true);
    QTest::mouseClick(form2_->Button[7], Qt::LeftButton);
    form2_->Lautstaerke_in_Trackbar(V);
    QCOMPARE(form2_->TrackBar1->value(), fein);
    QCOMPARE(form2_->TrackBar2->value(), grob);
    const uint32_t gespeichert = uint32_t(fein + 10 * grob);
    QCOMPARE(Lautstaerke_links[5][7], gespeichert);
    uint16_t l = 0;
    uint16_t r = 0;
    player_.lautstaerke(l, r);
    QCOMPARE(uint32_t(l), gespeichert);
    QCOMPARE(r, uint16_t(0));
    // The tone follows the fine bar at once.
    form2_->TrackBar1->setValue(fein == 6000 ? 5999 : fein + 1);
    player_.lautstaerke(l, r);
    QCOMPARE(uint32_t(l), Lautstaerke_links[5][7]);
}

void Kalibrierung_Fenster_Test::trackbarOhneAktiveZeile()
{
    modus(1, false);
    QCOMPARE(aktive_Zeile, 0);
    form2_->TrackBar2->setValue(100);
    QCOMPARE(Lautstaerke_rechts[3][0], uint32_t(form2_->TrackBar1->value() + 1000));
    uint16_t l = 9;
    uint16_t r = 0;
    player_.lautstaerke(l, r);
    QCOMPARE(l, uint16_t(0));
    QCOMPARE(uint32_t(r), Lautstaerke_rechts[3][0]);
}

void Kalibrierung_Fenster_Test::dezibeleingabe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("falsch");
    QTest::newRow("120") << QStringLiteral("120") << false;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("120,1") << QStringLiteral("120,1") << true;
    QTest::newRow("-1") << QStringLiteral("-1") << true;
    QTest::newRow("Buchstaben") << QStringLiteral("laut") << true;
}

void Kalibrierung_Fenster_Test::dezibeleingabe()
{
    QFETCH(QString, text);
    QFETCH(bool, falsch);
    modus(2, true);
    QTest::mouseClick(form2_->Button[5], Qt::LeftButton);
    QVERIFY(!form2_->Edit[22]->isReadOnly());
    form2_->Edit[22]->setText(text);
    form2_->Edit22Exit();
    QCOMPARE(dlg_.meldungen.size(), size_t(falsch ? 1 : 0));
    if (falsch) {
        QCOMPARE(dlg_.meldungen[0].text,
                 QStringLiteral("Geben Sie eine Zahl im Bereich \r zwischen 0 und 120 ein"));
        QCOMPARE(dlg_.meldungen[0].titel, Eingabefehler);
        QCOMPARE(form2_->Edit[22]->text(), text); // not corrected
    }
}

void Kalibrierung_Fenster_Test::zahleneingabeNurModi1bis3()
{
    modus(3, false);
    form2_->Edit[4]->setText(QStringLiteral("zehn"));
    form2_->EditExit(4);
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, QStringLiteral("Geben Sie eine Zahl ein (z.B. 3,45)"));
    QCOMPARE(dlg_.meldungen[0].titel, Eingabefehler);
    form2_->close();
    dlg_.leeren();
    modus(0, false);
    form2_->Edit[4]->setText(QStringLiteral("zehn"));
    form2_->EditExit(4);
    QVERIFY(dlg_.meldungen.empty());
}

void Kalibrierung_Fenster_Test::spannungMitPunktGespeichert()
{
    modus(2, true);
    QTest::mouseClick(form2_->Button[3], Qt::LeftButton);
    form2_->Edit[3]->setText(QStringLiteral("3.45"));
    form2_->EditExit(3);
    QVERIFY(dlg_.meldungen.empty());
    QTest::mouseClick(form2_->Button[3], Qt::LeftButton);
    const QString pfad = datei("spannung.qvl");
    dlg_.dateiwahlen.push_back({datei("spannung.txt"), 1});
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form2_->isVisible());
    QCOMPARE(Dateiname1_6_zu_string(), pfad);
    const QByteArray b = lesen(pfad);
    QCOMPARE(b.size(), Groesse_Einstellungsdatei);
    Einstellungstyp gelesen{};
    QVERIFY(::lesen(gelesen, b.left(9256)));
    QCOMPARE(Spannung(gelesen, 4, 0, 3), 3.45);
    QCOMPARE(Spannung_string(gelesen, 4, 0, 3).text(), QStringLiteral("3,45"));
}

void Kalibrierung_Fenster_Test::vonRechtsUebernehmenDannAbbrechen()
{
    // The right ear calibrated and saved.
    modus(3, false);
    QTest::mouseClick(form2_->Button[2], Qt::LeftButton);
    form2_->Lautstaerke_in_Trackbar(12345);
    form2_->Edit[2]->setText(QStringLiteral("77,7"));
    form2_->ComboBox[2]->setCurrentIndex(2);
    QTest::mouseClick(form2_->Button[2], Qt::LeftButton);
    const QString pfad = Dateiname1_6_zu_string();
    dlg_.dateiwahlen.push_back({pfad, 1});
    dlg_.antworten.push_back(Antwort::Ja);
    form2_->EinstellungenSpeichern1->trigger();
    const QByteArray gespeichert = lesen(pfad);
    const double links_vorher = Spannung(Einstellungen, 6, 0, 2);
    const uint32_t vol_vorher = Links_Volume(Einstellungen, 5, 2);
    QVERIFY(links_vorher != 77.7);

    modus(3, true);
    QCOMPARE(form2_->Rechtsuebernehmen1->text(), QStringLiteral("Von rechts übernehmen"));
    form2_->Rechtsuebernehmen1->trigger();
    QCOMPARE(form2_->Edit[2]->text(), QStringLiteral("77,7"));
    QCOMPARE(form2_->ComboBox[2]->currentIndex(), 2);
    QCOMPARE(Spannung(Einstellungen, 6, 0, 2), 77.7);
    QCOMPARE(Links_Volume(Einstellungen, 5, 2), 12340u); // the bars hold 12345 as 3000 + 10 x 934
    QCOMPARE(Lautstaerke_links[5][2], 12340u);
    form2_->Abbrechen2->trigger();
    QVERIFY(!form2_->isVisible());
    QCOMPARE(Spannung(Einstellungen, 6, 0, 2), links_vorher);
    QCOMPARE(Links_Volume(Einstellungen, 5, 2), vol_vorher);
    QCOMPARE(Lautstaerke_links[5][2], vol_vorher);
    QCOMPARE(lesen(pfad), gespeichert);
}

void Kalibrierung_Fenster_Test::speichernNeinSchreibtNichts()
{
    modus(3, true);
    const QString pfad = Dateiname1_6_zu_string();
    const QByteArray vorher = lesen(pfad);
    form2_->Edit[1]->setText(QStringLiteral("99,9"));
    dlg_.dateiwahlen.push_back({pfad, 1});
    dlg_.antworten.push_back(Antwort::Nein);
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, QStringLiteral("Datei existiert bereits. Möchten Sie \r") + pfad +
                                         QStringLiteral("\rüberschreiben?"));
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Information"));
    QCOMPARE(lesen(pfad), vorher);
    // Cancelling the dialog does nothing either.
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(form2_->isVisible());
    QCOMPARE(lesen(pfad), vorher);
    QCOMPARE(dlg_.dateidialoge.back().verzeichnis, Verzeichnis_von_Datei(pfad));
    QCOMPARE(dlg_.dateidialoge.back().dateiname, Dateiname_ohne_Verzeichnis(pfad));
    QCOMPARE(dlg_.dateidialoge.back().standard_endung, QStringLiteral("qvl"));
}

void Kalibrierung_Fenster_Test::fremdeEinheitBleibtGespeichert()
{
    // A file whose units of rows 3 and 4 are none of dB, dB(A), dB(C): the
    // level is then taken as it stands.
    Einstellungen.Schallmesser[0][2] = 7;
    Einstellungen.Schallmesser[0][3] = -1;
    QVERIFY(Einstellungen_speichern_Festplatte());
    const QString pfad = Dateiname1_6_zu_string();
    const double druck3 = Spannung(Einstellungen, 5, 0, 3);
    modus(3, true);
    QCOMPARE(form2_->ComboBox[3]->currentIndex(), -1);
    QCOMPARE(form2_->ComboBox[4]->currentIndex(), -1);
    QCOMPARE(form2_->ComboBox[5]->currentIndex(), 1);
    // Saved with only row 4's unit chosen: row 3 keeps its value.
    form2_->ComboBox[4]->setCurrentIndex(2);
    dlg_.dateiwahlen.push_back({pfad, 1});
    dlg_.antworten.push_back(Antwort::Ja);
    form2_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form2_->isVisible());
    Einstellungstyp gelesen{};
    QVERIFY(::lesen(gelesen, lesen(pfad).left(9256)));
    QCOMPARE(gelesen.Schallmesser[0][2], 7);
    QCOMPARE(gelesen.Schallmesser[0][3], 2);
    QCOMPARE(gelesen.Schallmesser[0][4], 1);
    QCOMPARE(Spannung(gelesen, 5, 0, 3), druck3);
    Einstellungen.Schallmesser[0].fill(1);
    QVERIFY(Einstellungen_speichern_Festplatte());
}

// ---- Options window -------------------------------------------------------------------

void Kalibrierung_Fenster_Test::optionenFrequenzpruefung_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("falsch");
    QTest::newRow("19") << QStringLiteral("19") << true;
    QTest::newRow("20") << QStringLiteral("20") << false;
    QTest::newRow("20000") << QStringLiteral("20000") << false;
    QTest::newRow("20001") << QStringLiteral("20001") << true;
    QTest::newRow("440,5") << QStringLiteral("440,5") << true;
}

void Kalibrierung_Fenster_Test::optionenFrequenzpruefung()
{
    QFETCH(QString, text);
    QFETCH(bool, falsch);
    aktion("Optionen1")->trigger();
    QVERIFY(form4_->isVisible());
    form4_->PageControl1->setCurrentIndex(2);
    form4_->EditEnter(9);
    form4_->Edit[9]->setText(text);
    form4_->EditExit(9);
    QCOMPARE(form4_->Eingabe_falsch(), falsch);
    QCOMPARE(dlg_.meldungen.size(), size_t(falsch ? 1 : 0));
    if (falsch) {
        QCOMPARE(dlg_.meldungen[0].text,
                 QStringLiteral("Geben Sie eine natürliche Zahl \rim Bereich zwischen 20 und 20000 ein"));
        QCOMPARE(dlg_.meldungen[0].titel, Eingabefehler);
        QCOMPARE(form4_->PageControl1->currentWidget(), form4_->FreqTabSheet);
    }
}

void Kalibrierung_Fenster_Test::optionenKontrollkaestchenpaare()
{
    aktion("Optionen1")->trigger();
    QCOMPARE(form4_->Memo[3]->toPlainText().count(QStringLiteral("4 Hz")), 3);
    QVERIFY(form4_->Memo[5]->toPlainText().endsWith(QStringLiteral("exponentiell ab. ")));
    // Disk space, in MB of 10^6 bytes: 42 tone files of 30 s (15 s when
    // rising) at 176400 bytes per second plus a 46-byte header each, and the
    // pair of the 30-s constant tone; written anew, only that pair.
    const auto bedarf = [this](int memo) {
        return form4_->Memo[size_t(memo)]->toPlainText().section(QLatin1Char('\n'), 1);
    };
    const QString Text_gespeichert = QStringLiteral("Gesamter Speicherplatzbedarf auf Festplatte: ca. %1 MB.");
    QVERIFY(form4_->CheckBox[5]->isChecked());
    QCOMPARE(bedarf(1), Text_gespeichert.arg(QStringLiteral("233")));
    QCOMPARE(bedarf(2), Text_gespeichert.arg(QStringLiteral("10,6")));
    form4_->CheckBox[6]->click();
    QCOMPARE(bedarf(1), Text_gespeichert.arg(QStringLiteral("122")));
    QCOMPARE(bedarf(2), Text_gespeichert.arg(QStringLiteral("10,6")));
    form4_->CheckBox[5]->click();
    QCOMPARE(bedarf(1), Text_gespeichert.arg(QStringLiteral("233")));
    for (int a : {1, 3, 5}) {
        const int b = a + 1;
        form4_->CheckBox[size_t(a)]->setChecked(true);
        form4_->CheckBox[size_t(b)]->setChecked(false);
        form4_->CheckBox[size_t(b)]->click();
        QVERIFY(form4_->CheckBox[size_t(b)]->isChecked());
        QVERIFY(!form4_->CheckBox[size_t(a)]->isChecked());
        form4_->CheckBox[size_t(a)]->click();
        QVERIFY(form4_->CheckBox[size_t(a)]->isChecked());
        QVERIFY(!form4_->CheckBox[size_t(b)]->isChecked());
        form4_->CheckBox[size_t(a)]->click(); // unchecking one checks the other
        QVERIFY(!form4_->CheckBox[size_t(a)]->isChecked());
        QVERIFY(form4_->CheckBox[size_t(b)]->isChecked());
    }
}

void Kalibrierung_Fenster_Test::optionenEndungErzwungenUndImmerNeuLoescht()
{
    // A stored set on disk, kept so far.
    Einstellungen.wave_immer_neu = 0;
    QVERIFY(Einstellungen_speichern_Festplatte());
    QDir().mkpath(Wave_ordner());
    for (int i = 1; i <= Zeilen; ++i)
        for (const QString& p : {Tondatei_links(i), Tondatei_rechts(i)}) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    aktion("Optionen1")->trigger();
    QVERIFY(form4_->CheckBox[1]->isChecked());
    form4_->CheckBox[2]->click();
    for (const char* name : {"optionen", "optionen.txt"}) {
        dlg_.leeren();
        dlg_.dateiwahlen.push_back({datei(name), 1});
        if (!form4_->isVisible())
            aktion("Optionen1")->trigger();
        form4_->CheckBox[2]->setChecked(true);
        form4_->CheckBox[1]->setChecked(false);
        form4_->EinstellungenSpeichern1->trigger();
        QVERIFY(!form4_->isVisible());
        QCOMPARE(Dateiname1_6_zu_string(), datei("optionen.qvl"));
    }
    QVERIFY(QFile::exists(datei("optionen.qvl")));
    QVERIFY(!QFile::exists(datei("optionen.txt")));
    // The second save asked before overwriting.
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(Einstellungen.wave_immer_neu, uint8_t(1));
    QVERIFY(QDir(Wave_ordner()).entryList({QStringLiteral("abn_*.wav")}, QDir::Files).isEmpty());
    QVERIFY(Wave_erzeugen == nullptr); // no generation started
}

void Kalibrierung_Fenster_Test::optionenBehaltenErzeugtNeu()
{
    aktion("Optionen1")->trigger();
    form4_->CheckBox[1]->setChecked(true);
    form4_->CheckBox[2]->setChecked(false);
    Einstellungen.Freq_geaendert = 0;
    dlg_.dateiwahlen.push_back({Dateiname1_6_zu_string(), 1});
    dlg_.antworten.push_back(Antwort::Ja);
    form4_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form4_->isVisible());
    QCOMPARE(Einstellungen.wave_immer_neu, uint8_t(0));
    // Saving with the files kept renews the whole stored set.
    QVERIFY(Wave_erzeugen != nullptr);
    Wave_erzeugen_beenden();
    // Back to making every tone anew for the other tests.
    Einstellungen.wave_immer_neu = 1;
    QVERIFY(Einstellungen_speichern_Festplatte());
}

void Kalibrierung_Fenster_Test::optionenFalscheEingabeVerhindertSpeichern()
{
    aktion("Optionen1")->trigger();
    form4_->EditEnter(21);
    form4_->Edit[21]->setText(QStringLiteral("20001"));
    form4_->EinstellungenSpeichern1->trigger();
    QVERIFY(form4_->isVisible());
    QVERIFY(dlg_.dateidialoge.empty());
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    form4_->Abbrechen1->trigger();
    QVERIFY(!form4_->isVisible());
    QVERIFY(Einstellungen.Frequenzen[20] != 20001 % 65536);
}

// ---- Frequency-response window ------------------------------------------------------

void Kalibrierung_Fenster_Test::frequenzgangEingaben()
{
    aktion("FrequenzgangMikrofon1")->trigger();
    QVERIFY(form6_->isVisible());
    QVERIFY(!form1_->Einstellungen1->menuAction()->isEnabled());
    QCOMPARE(form6_->StaticText[5]->text(), QStringLiteral("1000 Hz"));
    QCOMPARE(form6_->Edit[1]->text(), QStringLiteral("0,0"));
    for (const auto& [text, falsch] :
         {std::pair{QStringLiteral("1.5"), false}, std::pair{QStringLiteral("-3"), false},
          std::pair{QString(), true}, std::pair{QStringLiteral("abc"), true}}) {
        dlg_.leeren();
        form6_->Edit[2]->setText(text);
        form6_->EditExit(2);
        QCOMPARE(form6_->Eingabe_falsch(), falsch);
        QCOMPARE(dlg_.meldungen.size(), size_t(falsch ? 1 : 0));
        if (falsch)
            QCOMPARE(dlg_.meldungen[0].text, QStringLiteral("Geben Sie eine Zahl ein (z.B. 3,45)"));
    }
    form6_->Abbrechen1->trigger();
    QVERIFY(!form6_->isVisible());
    QVERIFY(form1_->Einstellungen1->menuAction()->isEnabled());
}

void Kalibrierung_Fenster_Test::frequenzgangEndungUndFaktoren()
{
    Einstellungen.Um_Fak_U_p_1000_links = 2.0;
    Einstellungen.Um_Fak_U_p_1000_rechts = 5.0;
    QVERIFY(Einstellungen_speichern_Festplatte());
    aktion("FrequenzgangMikrofon1")->trigger();
    form6_->EditEnter(1);
    form6_->Edit[1]->setText(QStringLiteral("1.5"));
    form6_->Edit[2]->setText(QStringLiteral("-3"));
    // An extension the user typed stays; a name without one gets ".qvl".
    dlg_.dateiwahlen.push_back({datei("mikrofon.dat"), 1});
    form6_->EinstellungenSpeichern1->trigger();
    QVERIFY(!form6_->isVisible());
    QCOMPARE(Dateiname1_6_zu_string(), datei("mikrofon.dat"));
    QCOMPARE(Einstellungen.Frequenzgang[0], 1.5);
    QCOMPARE(Einstellungen.Frequenzgang_string[0].text(), QStringLiteral("1,5"));
    QCOMPARE(Einstellungen.Frequenzgang[1], -3.0);
    QVERIFY(qAbs(Einstellungen.Um_Fak_U_p_links[0] - 2.0 * std::pow(10.0, -1.5 / 20)) < 1e-12);
    QVERIFY(qAbs(Einstellungen.Um_Fak_U_p_rechts[1] - 5.0 * std::pow(10.0, 3.0 / 20)) < 1e-12);
    QCOMPARE(lesen(datei("mikrofon.dat")).size(), Groesse_Einstellungsdatei);
    aktion("FrequenzgangMikrofon1")->trigger();
    QCOMPARE(form6_->Edit[1]->text(), QStringLiteral("1,5"));
    dlg_.dateiwahlen.push_back({datei("mikrofon"), 1});
    form6_->EinstellungenSpeichern1->trigger();
    QCOMPARE(Dateiname1_6_zu_string(), datei("mikrofon.qvl"));
}

void Kalibrierung_Fenster_Test::frequenzgangDeaktivierungsfrage()
{
    aktion("FrequenzgangMikrofon1")->trigger();
    form6_->Edit[3]->setText(QStringLiteral("2,5"));
    dlg_.antworten.push_back(Antwort::Nein);
    form6_->FormDeactivate();
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, QStringLiteral("Soll die Frequenzgangeinstellung abgebrochen werden?"));
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Frage"));
    QVERIFY(form6_->isVisible());
    QCOMPARE(form6_->Edit[3]->text(), QStringLiteral("2,5"));
    dlg_.antworten.push_back(Antwort::Ja);
    form6_->FormDeactivate();
    QVERIFY(!form6_->isVisible());
    QVERIFY(Einstellungen.Frequenzgang[2] != 2.5);
    // Once a save passed the input check, leaving no longer asks.
    aktion("FrequenzgangMikrofon1")->trigger();
    dlg_.leeren();
    form6_->EinstellungenSpeichern1->trigger(); // dialog cancelled
    QVERIFY(form6_->isVisible());
    form6_->FormDeactivate();
    QCOMPARE(dlg_.meldungen.size(), size_t(0));
}

// ---- Mixer commands ---------------------------------------------------------------------

void Kalibrierung_Fenster_Test::mischpultBefehle()
{
    pult_ = Simuliertes_Mischpult{};
    aktion("MaximaleGesamtlautstrke1")->trigger();
    QCOMPARE(pult_.gesamtlautstaerke, uint16_t(0xFFFF));
    QVERIFY(!pult_.gesamt_stumm);
    QVERIFY(!pult_.wiedergabe_stumm);
    aktion("VermeidungvonRckkopplungenbeiMikrofonaufnahmenurXP1")->trigger();
    QVERIFY(pult_.mikrofon_stumm);
    // Without the controls the confirmations come all the same.
    Mischpult_einsetzen(nullptr);
    aktion("VermeidungvonRckkopplungenbeiMikrofonaufnahmenurXP1")->trigger();
    aktion("MaximaleGesamtlautstrke1")->trigger();
    Mischpult_einsetzen(&pult_);
    QCOMPARE(dlg_.meldungen.size(), size_t(4));
    for (int k : {1, 2})
        QCOMPARE(dlg_.meldungen[size_t(k)].text,
                 QStringLiteral(
                     "Rückkopplung (direkte Mikrofonwiedergabe über Lautsprecher) erfolgreich deaktiviert."));
    QCOMPARE(dlg_.meldungen[3].text,
             QStringLiteral("Lautsprecher (Gesamtlautstärke) aktiviert.\rGesamtregler auf "
                            "maximale Lautstärke eingestellt."));
    QCOMPARE(dlg_.meldungen[0].text, dlg_.meldungen[3].text);
}

QTEST_MAIN(Kalibrierung_Fenster_Test)
#include "kalibrierung_fenster_test.moc"
