// The measurement window in its five modes, opened through the main window's
// commands for either ear: captions, colours, which controls and menu entries
// are there, the status line while idle and while a row runs, the question
// when the user turns to another window, the caption of the save entry from
// one mode to the next, and the tone-file check after the hearing-test window
// is shown.
#include "app/tones/alle_wave.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "app/programm_starten.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_abspieler.h"
#include "platform/audio/simulierter_aufnehmer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace
{

// A player that notes the status line at the moment a tone file is opened,
// i.e. while the tone is being prepared.
class Beobachtender_Abspieler : public Simulierter_Abspieler
{
public:
    QStringList status_beim_oeffnen;
    bool oeffnen(const QString& pfad) override
    {
        if (Form2)
            status_beim_oeffnen << Form2->panel0() + QStringLiteral(" | ") + Form2->panel1();
        return Simulierter_Abspieler::oeffnen(pfad);
    }
};

// Notes whether the measurement window was already visible when the notice
// window of the tone-file generation appeared.
class Zeigen_Beobachter : public QObject
{
public:
    int gezeigt = 0;
    bool messfenster_sichtbar = false;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            ++gezeigt;
            messfenster_sichtbar = Form2 && Form2->isVisible();
        }
        return QObject::eventFilter(o, e);
    }
};

using Befehl = void (TForm1::*)();

const QString Pulsierend_abnehmend = QStringLiteral(
    "Einstellungen: Pulsierender Ton (Amplitudenmodulation mit 4 Hz), Amplitude exponentiell abnehmend");

const QColor Blau(0, 0, 255);
const QColor Gruen(0, 128, 0);

} // namespace

class Messfenster_Modi_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void fensterJeModusUndOhr_data();
    void fensterJeModusUndOhr();
    void hoertestZeigtGespeicherteErgebnisse();
    void zeileLaeuftStatusUndSteuerung_data();
    void zeileLaeuftStatusUndSteuerung();
    void hoertestStatusJeTonart();
    void speichernBeschriftungVonModusZuModus();
    void fragebeimWechselZumHauptfenster_data();
    void fragebeimWechselZumHauptfenster();
    void keineFrageWennDerHinweisErscheint();
    void tondateienErstNachDemZeigenGeprueft();

private:
    TForm1* f1() const { return programm_->hauptfenster(); }
    TForm2* f2() const { return programm_->messfenster(); }
    void oeffnen(int modus, bool links);
    void anderes_Fenster_aktivieren();

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Beobachtender_Abspieler player_;
    Simulierter_Aufnehmer aufnehmer_{&player_};
    std::unique_ptr<Programm> programm_;
};

void Messfenster_Modi_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    QVERIFY(Programm_starten(programm_, &player_, &dlg_, &aufnehmer_));

    // Calibration values that tell the kinds and ears apart.
    for (int ohr = 0; ohr < 2; ++ohr)
        for (int i = 1; i <= 21; ++i) {
            Spannung_string(Einstellungen, 4, ohr, i).setzen(QStringLiteral("%1,%2").arg(ohr + 1).arg(i));
            Spannung(Einstellungen, 6, ohr, i) = 60.0 + i + 10.0 * ohr;
            Spannung_string(Einstellungen, 6, ohr, i).setzen(QStringLiteral("%1,0").arg(60 + i + 10 * ohr));
            Einstellungen.Schallmesser[size_t(ohr)][size_t(i - 1)] = (i + ohr) % 3;
        }
    Einstellungen.db_1000Hz_l_string.setzen(QStringLiteral("81,5"));
    Einstellungen.db_1000Hz_r_string.setzen(QStringLiteral("82,5"));
    QVERIFY(Einstellungen_speichern_Festplatte());
}

void Messfenster_Modi_Test::cleanupTestCase()
{
    programm_.reset();
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Messfenster_Modi_Test::init()
{
    dlg_.leeren();
    player_.status_beim_oeffnen.clear();
    Druck_string_start();
    Farben_Messung_Start();
}

void Messfenster_Modi_Test::cleanup()
{
    if (f2()->isVisible())
        f2()->close();
    QVERIFY(!player_.laeuft());
}

void Messfenster_Modi_Test::oeffnen(int modus, bool links)
{
    Befehl befehl = nullptr;
    switch (modus) {
    case 0:
        befehl = links ? &TForm1::HoertestLinkesOhr1Click : &TForm1::HoertestRechtesOhr1Click;
        break;
    case 1:
        befehl = links ? &TForm1::Lautstaerkelinks1Click : &TForm1::Lautstaerkerechts1Click;
        break;
    case 2:
        befehl = links ? &TForm1::Mikrofonspannunglinks1Click : &TForm1::Mikrofonspannungrechts1Click;
        break;
    case 3:
        befehl = links ? &TForm1::Schalldruckpegellinks1Click : &TForm1::Schalldruckpegelrechts1Click;
        break;
    default:
        befehl = links ? &TForm1::Autolinks1Click : &TForm1::Autorechts1Click;
        break;
    }
    (f1()->*befehl)();
    QVERIFY(f2()->isVisible());
    QCOMPARE(int(Form2_Modus), modus);
    QCOMPARE(Ohr_links, uint8_t(links ? 1 : 0));
    // The main menu is blocked while the window is open.
    QVERIFY(!f1()->Hrtest1->menuAction()->isEnabled());
    QVERIFY(!f1()->Einstellungen1->menuAction()->isEnabled());
}

void Messfenster_Modi_Test::anderes_Fenster_aktivieren()
{
    f1()->activateWindow();
    QApplication::setActiveWindow(f1());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void Messfenster_Modi_Test::fensterJeModusUndOhr_data()
{
    QTest::addColumn<int>("modus");
    QTest::addColumn<bool>("links");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("wertzeile");
    for (const bool links : {true, false}) {
        const QString kanal = links ? QStringLiteral("Linker Kanal: ") : QStringLiteral("Rechter Kanal: ");
        const char* ohr = links ? "links" : "rechts";
        QTest::addRow("Hörtest %s", ohr) << 0 << links
                                         << (links ? QStringLiteral("Hörschwelle: Linkes Ohr")
                                                   : QStringLiteral("Hörschwelle: Rechtes Ohr"))
                                         << QStringLiteral("Schallpegel in dB");
        QTest::addRow("Lautstärke %s", ohr)
            << 1 << links << kanal + QStringLiteral("Anfangs- bzw. Endlautstärke")
            << QStringLiteral("Schallpegel in dB(A)");
        QTest::addRow("Mikrofonspannung %s", ohr)
            << 2 << links << kanal + QStringLiteral("Kalibrierung über Mikrofonspannung")
            << QStringLiteral("Spannung in mV");
        QTest::addRow("manuell %s", ohr)
            << 3 << links << kanal + QStringLiteral("Manuelle Kalibrierung") << QStringLiteral("Schallpegel");
        QTest::addRow("automatisch %s", ohr)
            << 4 << links << kanal + QStringLiteral("Automatische Kalibrierung")
            << QStringLiteral("Schallpegel");
    }
}

void Messfenster_Modi_Test::fensterJeModusUndOhr()
{
    QFETCH(int, modus);
    QFETCH(bool, links);
    QFETCH(QString, titel);
    QFETCH(QString, wertzeile);
    oeffnen(modus, links);
    TForm2* f = f2();
    const int ohr = links ? 0 : 1;

    QCOMPARE(f->windowTitle(), titel);
    for (QLabel* l : {f->StaticText24, f->StaticText25, f->StaticText26})
        QCOMPARE(l->text(), wertzeile);
    // Frequency labels and their headings: blue in the hearing test, green otherwise.
    const QColor frequenzfarbe = modus == 0 ? Blau : Gruen;
    for (int i = 1; i <= 21; ++i) {
        QCOMPARE(f->StaticText[size_t(i)]->text(), QString::number(Frequenz(i)) + QStringLiteral(" Hz"));
        QCOMPARE(f->StaticText[size_t(i)]->palette().color(QPalette::WindowText), frequenzfarbe);
    }
    QCOMPARE(f->StaticText[1]->text(), QStringLiteral("50 Hz"));
    QCOMPARE(f->StaticText[21]->text(), QStringLiteral("18000 Hz"));
    for (QLabel* l : {f->StaticText28, f->StaticText29, f->StaticText30}) {
        QCOMPARE(l->text(), QStringLiteral("Frequenz"));
        QCOMPARE(l->palette().color(QPalette::WindowText), frequenzfarbe);
    }

    // Menu entries.
    QCOMPARE(f->Neu1->isVisible(), modus == 0);
    QCOMPARE(f->Neu1->isEnabled(), modus == 0);
    QCOMPARE(f->Rechtsuebernehmen1->isVisible(), modus >= 1 && modus <= 3);
    QCOMPARE(f->Rechtsuebernehmen1->isEnabled(), modus >= 1 && modus <= 3);
    if (modus >= 1 && modus <= 3)
        QCOMPARE(f->Rechtsuebernehmen1->text(),
                 links ? QStringLiteral("Von rechts übernehmen") : QStringLiteral("Von links übernehmen"));
    QCOMPARE(f->StartKalibrierung1->isVisible(), modus == 4);
    QCOMPARE(f->StartKalibrierung1->isEnabled(), modus == 4);
    QCOMPARE(f->StartKalibrierung1->text(), QStringLiteral("Start Kalibrierung"));
    QCOMPARE(f->EinstellungenSpeichern1->isEnabled(), modus != 4);
    if (modus != 2)
        QCOMPARE(f->EinstellungenSpeichern1->text(),
                 modus == 0 ? QStringLiteral("Übernehmen") : QStringLiteral("Speichern"));
    QVERIFY(f->Abbrechen2->isVisible() && f->Abbrechen2->isEnabled());
    QCOMPARE(f->Abbrechen2->text(), QStringLiteral("Abbrechen"));

    // Volume bars: only the automatic calibration shows them (disabled).
    QCOMPARE(f->TrackBar1->isVisible(), modus == 4);
    QCOMPARE(f->TrackBar2->isVisible(), modus == 4);
    QCOMPARE(f->TrackBar1->isEnabled(), modus >= 1 && modus <= 3);
    QCOMPARE(f->TrackBar2->isEnabled(), modus >= 1 && modus <= 3);
    for (QWidget* w : std::initializer_list<QWidget*>{f->StaticText22, f->StaticText32, f->Label2, f->Label3})
        QVERIFY(!w->isVisible());
    QCOMPARE(f->StaticText23->isVisible(), modus == 4);
    QCOMPARE(f->Label1->isVisible(), modus == 4);
    if (modus >= 1) {
        QCOMPARE(f->StaticText23->text(), QStringLiteral("Lautstärke Grobeinstellung"));
        QCOMPARE(f->Label1->text(), QStringLiteral("Lautstärke Feineinstellung"));
        QCOMPARE(f->TrackBar1->value(), 300);
        QCOMPARE(f->TrackBar2->value(), 1);
    }
    QCOMPARE(f->StaticText31->isVisible(), modus == 2);
    QCOMPARE(f->Edit[22]->isVisible(), modus == 2);
    if (modus == 2) {
        QCOMPARE(f->StaticText31->text(), QStringLiteral("Schallpegel in dB(A)"));
        QCOMPARE(f->Edit[22]->text(), links ? QStringLiteral("81,5") : QStringLiteral("82,5"));
    }

    // Rows: buttons, unit boxes, edits.
    for (int i = 1; i <= 21; ++i) {
        QCOMPARE(f->Button[size_t(i)]->isVisible(), modus != 4);
        QCOMPARE(f->Button[size_t(i)]->text(), QStringLiteral("Start"));
        QCOMPARE(f->ComboBox[size_t(i)]->isVisible(), modus >= 3);
        QVERIFY(f->Edit[size_t(i)]->isReadOnly());
        if (modus >= 3) {
            QVERIFY(!f->ComboBox[size_t(i)]->isEnabled());
            QCOMPARE(f->ComboBox[size_t(i)]->currentIndex(), (i + ohr) % 3);
            QCOMPARE(f->ComboBox[size_t(i)]->count(), 3);
            QCOMPARE(f->ComboBox[size_t(i)]->itemText(2), QStringLiteral("dB(C)"));
        }
        if (modus >= 1) {
            // The calibration kind of the mode, of this ear; greyed, black text.
            const int art = modus == 1 ? 5 : modus == 2 ? 4 : 6;
            QCOMPARE(f->Edit[size_t(i)]->text(), Spannung_string(Einstellungen, art, ohr, i).text());
            QVERIFY(f->Edit[size_t(i)]->palette().color(QPalette::Base) !=
                    QApplication::palette().color(QPalette::Base));
            QCOMPARE(f->Edit[size_t(i)]->palette().color(QPalette::Text), QColor(Qt::black));
        } else {
            QVERIFY(f->Edit[size_t(i)]->text().isEmpty());
        }
    }
    if (modus == 3 || modus == 4)
        QCOMPARE(f->Edit[7]->text(), QStringLiteral("%1,0").arg(67 + 10 * ohr));
    if (modus == 2)
        QCOMPARE(f->Edit[7]->text(), QStringLiteral("%1,7").arg(ohr + 1));

    // Status line.
    QCOMPARE(f->panel0(), QStringLiteral("Bereit"));
    QCOMPARE(f->panel1(), modus == 0 ? Pulsierend_abnehmend : QStringLiteral(" "));
    QCOMPARE(aktive_Zeile, 0);

    f->Abbrechen2->trigger();
    QVERIFY(!f->isVisible());
    QVERIFY(f1()->Hrtest1->menuAction()->isEnabled());
    QVERIFY(dlg_.meldungen.empty());
}

void Messfenster_Modi_Test::hoertestZeigtGespeicherteErgebnisse()
{
    Hoertest_Druck[size_t(Druck_index(true, 4))] = 0.002; // 40 dB
    Hoertest_Druck_string[size_t(Druck_index(true, 4))] = QStringLiteral("0,00200000");
    Farben_Messung[1][4] = Farbe_links_gemessen;
    Hoertest_Druck[size_t(Druck_index(false, 6))] = 0.2; // 80 dB, the other ear
    Farben_Messung[2][6] = Farbe_rechts_gemessen;
    oeffnen(0, true);
    QCOMPARE(f2()->Edit[4]->text().trimmed(), QStringLiteral("40,0"));
    QCOMPARE(f2()->Edit[4]->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(f2()->Edit[4]->palette().color(QPalette::Text), QColor(Qt::white));
    for (int i = 1; i <= 21; ++i)
        if (i != 4) {
            QVERIFY2(f2()->Edit[size_t(i)]->text().isEmpty(), qPrintable(QString::number(i)));
            QCOMPARE(f2()->Edit[size_t(i)]->palette().color(QPalette::Base), QColor(240, 240, 240));
        }
    f2()->EinstellungenSpeichern1->trigger();
    oeffnen(0, false);
    QCOMPARE(f2()->Edit[6]->text().trimmed(), QStringLiteral("80,0"));
    QCOMPARE(f2()->Edit[6]->palette().color(QPalette::Base), QColor(0, 0, 255));
    QVERIFY(f2()->Edit[4]->text().isEmpty());
    f2()->EinstellungenSpeichern1->trigger();
}

void Messfenster_Modi_Test::zeileLaeuftStatusUndSteuerung_data()
{
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("status");
    QTest::newRow("Hörtest") << 0 << 5 << Pulsierend_abnehmend;
    QTest::newRow("Lautstärke") << 1 << 8 << QStringLiteral("Lautstärke einstellen");
    QTest::newRow("Mikrofonspannung, Zeile 5")
        << 2 << 5
        << QStringLiteral("Lautstärke einstellen, Mikrofonspannung und Schallpegel messen und eingeben");
    QTest::newRow("Mikrofonspannung, Zeile 8")
        << 2 << 8 << QStringLiteral("Lautstärke einstellen, Mikrofonspannung messen und eingeben");
    QTest::newRow("manuell") << 3 << 8
                             << QStringLiteral("Lautstärke einstellen, Schalldruckpegel messen und eingeben");
}

void Messfenster_Modi_Test::zeileLaeuftStatusUndSteuerung()
{
    QFETCH(int, modus);
    QFETCH(int, zeile);
    QFETCH(QString, status);
    oeffnen(modus, true);
    TForm2* f = f2();
    const int hoehe = f->height();
    QTest::mouseClick(f->Button[size_t(zeile)], Qt::LeftButton);
    QVERIFY(player_.laeuft());
    QCOMPARE(player_.wiederholen(), modus != 0);
    // While the tone is prepared, then while it runs.
    QCOMPARE(player_.status_beim_oeffnen,
             QStringList{QStringLiteral("Aktiv | Ton wird erzeugt. Bitte warten.")});
    QCOMPARE(f->panel0(), QStringLiteral("Aktiv"));
    QCOMPARE(f->panel1(), status);
    QCOMPARE(f->Button[size_t(zeile)]->text(), QStringLiteral("Stopp"));
    for (int i = 1; i <= 21; ++i)
        QCOMPARE(f->Button[size_t(i)]->isVisible(), i == zeile);
    QVERIFY(!f->Neu1->isEnabled());
    QVERIFY(!f->Rechtsuebernehmen1->isEnabled());
    QVERIFY(!f->EinstellungenSpeichern1->isEnabled());
    QVERIFY(f->Abbrechen2->isEnabled());
    // The running row's edit in the window colour; writable only where a value is entered.
    QCOMPARE(f->Edit[size_t(zeile)]->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QCOMPARE(f->Edit[size_t(zeile)]->isReadOnly(), modus != 2 && modus != 3);
    QCOMPARE(f->Edit[22]->isReadOnly(), !(modus == 2 && zeile == 5));
    if (modus == 3) {
        QVERIFY(f->ComboBox[size_t(zeile)]->isEnabled());
        QVERIFY(!f->ComboBox[size_t(zeile) + 1]->isEnabled());
    }
    // The volume bars appear with the row's volume in modes 1 to 3.
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->TrackBar1, f->TrackBar2, f->StaticText22, f->StaticText32,
                                         f->StaticText23, f->Label1, f->Label2, f->Label3})
        QCOMPARE(w->isVisible(), modus != 0);
    uint16_t gl = 0, gr = 1;
    player_.lautstaerke(gl, gr);
    QCOMPARE(gr, uint16_t(0));
    if (modus != 0) {
        const int v = modus == 1 ? 3 : modus == 2 ? 4 : 5;
        QCOMPARE(uint32_t(f->TrackBar1->value() + 10 * f->TrackBar2->value()), Lautstaerke_links[v][zeile]);
        QCOMPARE(uint32_t(gl), Lautstaerke_links[v][zeile]);
        // Moving the fine bar changes the left channel only.
        f->TrackBar1->setValue(f->TrackBar1->value() + 7);
        player_.lautstaerke(gl, gr);
        QCOMPARE(uint32_t(gl), Lautstaerke_links[v][zeile]);
        QCOMPARE(gr, uint16_t(0));
    }

    player_.vorruecken(2000.0);
    QTest::mouseClick(f->Button[size_t(zeile)], Qt::LeftButton);
    QVERIFY(!player_.laeuft());
    QCOMPARE(f->Button[size_t(zeile)]->text(), QStringLiteral("Start"));
    QCOMPARE(aktive_Zeile, 0);
    for (int i = 1; i <= 21; ++i)
        QVERIFY(f->Button[size_t(i)]->isVisible());
    QVERIFY(f->EinstellungenSpeichern1->isEnabled());
    QCOMPARE(f->panel0(), QStringLiteral("Bereit"));
    QCOMPARE(f->panel1(), modus == 0 ? Pulsierend_abnehmend : QStringLiteral(" "));
    QVERIFY(f->Edit[size_t(zeile)]->isReadOnly());
    for (QWidget* w : std::initializer_list<QWidget*>{f->TrackBar1, f->TrackBar2, f->StaticText23, f->Label1})
        QVERIFY(!w->isVisible());
    // No empty band stays where the bars were.
    QCOMPARE(f->height(), hoehe);
    if (modus == 0)
        QVERIFY(!f->Edit[size_t(zeile)]->text().isEmpty());
    f->Abbrechen2->trigger();
    QVERIFY(dlg_.meldungen.empty());
}

void Messfenster_Modi_Test::hoertestStatusJeTonart()
{
    // Tones made anew for every row, so the options can change freely.
    const auto vorher = Einstellungen;
    struct Fall {
        bool pulsierend, zunehmend;
        const char* text;
    };
    for (const Fall& fall :
         {Fall{false, false, "Einstellungen: Nicht pulsierend, Amplitude exponentiell abnehmend"},
          Fall{false, true, "Einstellungen: Nicht pulsierend, Amplitude exponentiell zunehmend"},
          Fall{true, true,
               "Einstellungen: Pulsierender Ton (Amplitudenmodulation mit 4 Hz), Amplitude "
               "exponentiell zunehmend"}}) {
        Einstellungen.wave_immer_neu = 1;
        Einstellungen.pulsierend = fall.pulsierend;
        Einstellungen.zunehmend = fall.zunehmend;
        QVERIFY(Einstellungen_speichern_Festplatte());
        oeffnen(0, false);
        QCOMPARE(f2()->panel1(), QString::fromUtf8(fall.text));
        QTest::mouseClick(f2()->Button[3], Qt::LeftButton);
        QCOMPARE(f2()->panel1(), QString::fromUtf8(fall.text));
        QCOMPARE(player_.laenge_ms(), fall.zunehmend ? 15000.0 : 30000.0);
        QTest::mouseClick(f2()->Button[3], Qt::LeftButton);
        f2()->EinstellungenSpeichern1->trigger();
    }
    Einstellungen = vorher;
    QVERIFY(Einstellungen_speichern_Festplatte());
}

void Messfenster_Modi_Test::speichernBeschriftungVonModusZuModus()
{
    QAction* speichern = f2()->EinstellungenSpeichern1;
    oeffnen(0, true);
    QCOMPARE(speichern->text(), QStringLiteral("Übernehmen"));
    f2()->Abbrechen2->trigger();
    // The voltage calibration keeps the caption it finds.
    oeffnen(2, true);
    QCOMPARE(speichern->text(), QStringLiteral("Übernehmen"));
    f2()->Abbrechen2->trigger();
    for (const int modus : {1, 3, 4}) {
        oeffnen(0, false);
        f2()->Abbrechen2->trigger();
        oeffnen(modus, false);
        QCOMPARE(speichern->text(), QStringLiteral("Speichern"));
        f2()->Abbrechen2->trigger();
        oeffnen(2, false);
        QCOMPARE(speichern->text(), QStringLiteral("Speichern"));
        f2()->Abbrechen2->trigger();
    }
}

void Messfenster_Modi_Test::fragebeimWechselZumHauptfenster_data()
{
    QTest::addColumn<int>("modus");
    QTest::addColumn<QString>("frage");
    QTest::newRow("Hörtest") << 0 << QStringLiteral("Soll der Vazozez abgebrochen werden?");
    QTest::newRow("Lautstärke") << 1 << QStringLiteral("Soll die Lautstärkeeinstellung abgebrochen werden?");
    QTest::newRow("Mikrofonspannung") << 2 << QStringLiteral("Soll die Kalibrierung abgebrochen werden?");
    QTest::newRow("manuell") << 3 << QStringLiteral("Soll die Kalibrierung abgebrochen werden?");
}

void Messfenster_Modi_Test::fragebeimWechselZumHauptfenster()
{
    QFETCH(int, modus);
    QFETCH(QString, frage);
    oeffnen(modus, true);
    QCoreApplication::processEvents();
    QTRY_VERIFY(QGuiApplication::focusWindow() == f2()->windowHandle());
    dlg_.leeren();
    QTest::mouseClick(f2()->Button[2], Qt::LeftButton);
    QVERIFY(player_.laeuft());
    player_.vorruecken(1500.0);

    // "Nein": window, row and tone stay as they were.
    dlg_.antworten.push_back(Antwort::Nein);
    anderes_Fenster_aktivieren();
    QTRY_COMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, frage);
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Frage"));
    QVERIFY(dlg_.meldungen[0].symbol == Symbol::Frage);
    QVERIFY(dlg_.meldungen[0].knoepfe == Knoepfe::JaNein);
    QVERIFY(f2()->isVisible());
    QVERIFY(player_.laeuft());
    QCOMPARE(aktive_Zeile, 2);
    QCOMPARE(f2()->Button[2]->text(), QStringLiteral("Stopp"));
    QCOMPARE(player_.position_ms(), 1500.0);
    QCOMPARE(f2()->panel0(), QStringLiteral("Aktiv"));
    QTRY_VERIFY(QGuiApplication::focusWindow() == f2()->windowHandle());

    // "Ja": the window closes, the tone stops.
    dlg_.antworten.push_back(Antwort::Ja);
    anderes_Fenster_aktivieren();
    QTRY_COMPARE(dlg_.meldungen.size(), size_t(2));
    QTRY_VERIFY(!f2()->isVisible());
    QVERIFY(!player_.laeuft());
    QCOMPARE(aktive_Zeile, 0);
    if (modus == 0)
        QCOMPARE(Hoertest_Druck[size_t(Druck_index(true, 2))], 0.0); // closed without "Übernehmen"

    // A hidden window asks nothing.
    f2()->activateWindow();
    QCoreApplication::processEvents();
    anderes_Fenster_aktivieren();
    QCOMPARE(dlg_.meldungen.size(), size_t(2));
}

// The notice shown while the tone files are written is no window the user
// switches to: it must not ask whether the hearing test is to be cancelled.
void Messfenster_Modi_Test::keineFrageWennDerHinweisErscheint()
{
    oeffnen(0, true);
    QCoreApplication::processEvents();
    QTRY_VERIFY(QGuiApplication::focusWindow() == f2()->windowHandle());
    dlg_.leeren();
    Meldung_dauert_etwas();
    Form5->activateWindow();
    QApplication::setActiveWindow(Form5);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(dlg_.meldungen.empty());
    QVERIFY(f2()->isVisible());
    Form5->hide();
}

void Messfenster_Modi_Test::tondateienErstNachDemZeigenGeprueft()
{
    Zeigen_Beobachter beobachter;
    QVERIFY(Form5);
    Form5->installEventFilter(&beobachter);
    // Results of both ears, then frequencies marked as changed.
    Hoertest_Druck[size_t(Druck_index(true, 3))] = 0.01;
    Hoertest_Druck[size_t(Druck_index(false, 3))] = 0.02;
    Einstellungen.Freq_geaendert = 1;
    Einstellungen.Freq_welche_geaendert[2] = 1;
    QVERIFY(Einstellungen_speichern_Festplatte());

    // While the window is prepared nothing is generated; the check follows its showing.
    f1()->HoertestLinkesOhr1Click();
    QCOMPARE(beobachter.gezeigt, 1);
    QVERIFY(beobachter.messfenster_sichtbar);
    QVERIFY(Wave_erzeugen != nullptr || !Form5->isVisible());
    // The changed frequencies reset this ear's run; the other ear's results stay.
    QCOMPARE(Hoertest_Druck[size_t(Druck_index(true, 3))], 0.0);
    QCOMPARE(Hoertest_Druck[size_t(Druck_index(false, 3))], 0.02);
    QTRY_VERIFY_WITH_TIMEOUT(Wave_erzeugen == nullptr, 60000);
    QVERIFY(!Einstellungen.Freq_geaendert);
    QVERIFY(f2()->isVisible());
    Form5->removeEventFilter(&beobachter);
    f2()->EinstellungenSpeichern1->trigger();
    QVERIFY(!f2()->isVisible());
}

QTEST_MAIN(Messfenster_Modi_Test)
#include "messfenster_modi_test.moc"
