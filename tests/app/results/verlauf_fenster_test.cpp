// The history as the user meets it: two hearing tests of the left ear run
// through the measurement window and accepted with "Übernehmen" (the second
// after the calibration of one row was changed), then "Testergebnisse" ->
// "Verlauf": both listed newest first, compared (charts per ear, the
// differences per frequency as the tone law predicts them, the note on the
// changed calibration), one deleted after the question, the rest exported.
// Then a history that is locked or damaged when a test is accepted: the
// result stays, the user is told once, the next test is stored again.
#include "app/tones/alle_wave.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "app/results/audiogramm_unit.h"
#include "app/results/testergebnis_unit.h"
#include "app/results/verlauf_unit.h"
#include "app/programm_starten.h"
#include "core/results/testergebnis_layout.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <cmath>
#include <memory>

namespace
{

// The falling tone loses 20 lg 32700 dB in 30 s.
double Abfall_dB(double t_s)
{
    return 20.0 * std::log10(32700.0) * t_s / 30.0;
}

double Zahl(const QString& s)
{
    QString t = s.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

} // namespace

class Verlauf_Fenster_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void zweiTestsSpeichernUndVergleichen();
    void verlaufGesperrtOderBeschaedigt_data();
    void verlaufGesperrtOderBeschaedigt();
    void nameGehoertZuSeinenTests();

private:
    TForm2* f2() const { return programm_->messfenster(); }
    QAction* aktion(const char* name) const
    {
        return programm_->hauptfenster()->findChild<QAction*>(QString::fromLatin1(name));
    }
    void test_machen(const std::vector<std::pair<int, double>>& zeilen_zeiten, bool neu = true,
                     bool links = true);
    std::vector<QString> namen() const; // the stored tests' names, newest first

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<Programm> programm_;
};

void Verlauf_Fenster_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    QVERIFY(Programm_starten(programm_, &player_, &dlg_));
    // A manual calibration in dB for every row of the left ear.
    Einstellungen.Eichung = Schall_messer;
    for (int i = 1; i <= 21; ++i) {
        Links_Volume(Einstellungen, 3, i) = 30000;
        Links_Volume(Einstellungen, 5, i) = 30000;
        Einstellungen.Schallmesser[0][size_t(i - 1)] = 0;
        Spannung(Einstellungen, 6, 0, i) = 90.0;
    }
    QVERIFY(Einstellungen_speichern_Festplatte());
}

void Verlauf_Fenster_Test::cleanupTestCase()
{
    programm_.reset();
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Verlauf_Fenster_Test::init()
{
    dlg_.leeren();
    QFile::remove(Verlaufsdatei());
}

// One hearing test of the left ear (or the right): the rows stopped after
// the given seconds, then "Übernehmen".
void Verlauf_Fenster_Test::test_machen(const std::vector<std::pair<int, double>>& zeilen_zeiten, bool neu,
                                       bool links)
{
    QAction* a = aktion(links ? "HoertestLinkesOhr1" : "HoertestRechtesOhr1");
    QVERIFY(a && a->isEnabled());
    a->trigger();
    QVERIFY(f2()->isVisible());
    if (neu) {
        // Results accepted before go only after a question, answered "Ja".
        const size_t vorher = dlg_.meldungen.size();
        dlg_.antworten.push_back(Antwort::Ja);
        f2()->Neu1->trigger();
        if (dlg_.meldungen.size() == vorher)
            dlg_.antworten.pop_back();
        else
            dlg_.meldungen.pop_back();
    }
    for (const auto& [zeile, t] : zeilen_zeiten) {
        QTest::mouseClick(f2()->Button[size_t(zeile)], Qt::LeftButton);
        QVERIFY(player_.laeuft());
        player_.vorruecken(t * 1000.0);
        QTest::mouseClick(f2()->Button[size_t(zeile)], Qt::LeftButton);
    }
    f2()->EinstellungenSpeichern1->trigger();
    QVERIFY(!f2()->isVisible());
}

void Verlauf_Fenster_Test::zweiTestsSpeichernUndVergleichen()
{
    test_machen({{5, 10.0}, {10, 12.0}, {15, 8.0}});
    // Reopened and accepted again without measuring: no second copy.
    test_machen({}, false);
    QCOMPARE(Verlauf(Verlaufsdatei()).anzahl(), 1);
    // Row 10 recalibrated: the meter now reads 3 dB more at the same volume.
    Spannung(Einstellungen, 6, 0, 10) = 93.0;
    QVERIFY(Einstellungen_speichern_Festplatte());
    // ... by a reference listener: the test keeps the ear's calibration state.
    QVERIFY(Eichzustand_merken(Einstellungen, true, Eichart::Bezugshoerer, QDate(2026, 12, 1)));
    test_machen({{5, 11.0}, {10, 12.0}, {15, 6.5}, {20, 3.0}});
    QVERIFY(dlg_.meldungen.empty());

    // The entry is the last of "Testergebnisse".
    const QList<QAction*> eintraege = programm_->hauptfenster()->Testergebnisse1->actions();
    QCOMPARE(eintraege.last()->objectName(), QStringLiteral("Verlauf1"));
    QCOMPARE(eintraege.last()->text(), QStringLiteral("Verlauf"));
    eintraege.last()->trigger();
    TVerlauf_Form* f = Verlauf_Fenster();
    QVERIFY(f->isVisible());
    QAbstractItemModel* m = f->Liste->model();
    QCOMPARE(m->rowCount(), 2);
    // Newest first: the second test measured four rows.
    QCOMPARE(m->data(m->index(0, 3)).toInt(), 4);
    QCOMPARE(m->data(m->index(1, 3)).toInt(), 3);
    QCOMPARE(m->data(m->index(0, 1)).toString(), QStringLiteral("Linkes Ohr"));
    QCOMPARE(m->data(m->index(0, 2)).toString(), QStringLiteral("abnehmend, pulsierend"));
    QVERIFY(!f->Vergleichen->isEnabled());

    f->Liste->selectAll();
    QVERIFY(f->Vergleichen->isEnabled());
    QTest::mouseClick(f->Vergleichen, Qt::LeftButton);
    // Three frequencies measured in both; test 2 minus test 1 is the tone
    // law's fall over the difference of the reaction times, plus the 3 dB of
    // the recalibrated row.
    const struct {
        int zeile;
        double differenz;
    } erwartet[] = {{5, -Abfall_dB(1.0)}, {10, 3.0}, {15, Abfall_dB(1.5)}};
    QCOMPARE(f->Differenzen->rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(f->Differenzen->item(r, 0)->text(), QString::number(Frequenz(erwartet[r].zeile)));
        const double dB = Zahl(f->Differenzen->item(r, 3)->text());
        const double dBA = Zahl(f->Differenzen->item(r, 4)->text());
        QVERIFY2(std::fabs(dB - erwartet[r].differenz) < 0.11,
                 qPrintable(f->Differenzen->item(r, 3)->text()));
        QVERIFY2(std::fabs(dBA - erwartet[r].differenz) < 0.11,
                 qPrintable(f->Differenzen->item(r, 4)->text()));
        // The difference comes from the unrounded values: it may differ from
        // the difference of the two rounded texts by one last digit.
        const double gezeigt = Zahl(f->Differenzen->item(r, 2)->text()) - Zahl(f->Differenzen->item(r, 1)->text());
        QVERIFY2(std::fabs(gezeigt - dB) < 0.11, qPrintable(f->Differenzen->item(r, 3)->text()));
        QCOMPARE(dB, dBA);
    }
    QCOMPARE(f->Hinweise->text(),
             QStringLiteral("Die Tests beruhen auf verschiedenen Kalibrierungen: Schallpegelmesser (Datum "
                            "unbekannt) und Bezugshörer (01.12.2026).\n"
                            "Die Kalibrierwerte der beiden Tests unterscheiden sich bei 1 Frequenz.\n") +
                 Bezugshoerer_Hinweis());
    QVERIFY2(f->Legende->text().contains(QStringLiteral("Test 1: ")) &&
                 f->Legende->text().contains(QStringLiteral(", Schallpegelmesser (Datum unbekannt)</span>")) &&
                 f->Legende->text().contains(QStringLiteral(", Bezugshörer (01.12.2026)</span>")),
             qPrintable(f->Legende->text()));
    // Both tests over each other in the left ear's chart, none in the right.
    QCOMPARE(f->Schaubild_links->kurven().size(), size_t(2));
    QCOMPARE(f->Schaubild_links->kurven()[0].pegel.size(), size_t(3));
    QCOMPARE(f->Schaubild_links->kurven()[1].pegel.size(), size_t(4));
    QVERIFY(f->Schaubild_rechts->kurven().empty());
    QCoreApplication::processEvents();
    f->grab().save(QStringLiteral(VAZOZEZ_TEST_OUTPUT "/verlauf_vergleich.png"));

    // Deleting asks first; "Nein" keeps the test.
    f->Liste->selectRow(0);
    dlg_.antworten = {Antwort::Nein};
    QTest::mouseClick(f->Loeschen, Qt::LeftButton);
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(dlg_.letzter_text(),
             QStringLiteral("Soll der ausgewählte Test aus dem Verlauf gelöscht werden?"));
    f->Liste->selectRow(0);
    dlg_.antworten = {Antwort::Ja};
    QTest::mouseClick(f->Loeschen, Qt::LeftButton);
    QCOMPARE(m->rowCount(), 1);
    QCOMPARE(m->data(m->index(0, 3)).toInt(), 3);

    // Export of what is left: one line per measured frequency.
    const QString ziel = heim_->filePath(QStringLiteral("verlauf_export"));
    dlg_.dateiwahlen = {Dateiwahl{ziel, 1}};
    QTest::mouseClick(f->Exportieren, Qt::LeftButton);
    QFile datei(ziel + QStringLiteral(".csv"));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    QVERIFY(inhalt.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(inhalt.count("\r\n"), 4);
    QVERIFY(inhalt.contains(";Linkes Ohr;abnehmend, pulsierend;;Schallpegelmesser (Datum unbekannt);" +
                            QByteArray::number(Frequenz(5)) + ";"));
    f->close();
}

void Verlauf_Fenster_Test::verlaufGesperrtOderBeschaedigt_data()
{
    QTest::addColumn<bool>("gesperrt");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("gesperrt") << true
                              << QStringLiteral(
                                     "Der Hörtest wurde nicht in den Verlauf geschrieben, weil die Datei "
                                     "von einem anderen Programm gesperrt ist.");
    QTest::newRow("keine Datenbank") << false
                                     << QStringLiteral(
                                            "Der Verlauf kann nicht gelesen werden, weil die Datei keine "
                                            "Datenbank ist.");
}

void Verlauf_Fenster_Test::verlaufGesperrtOderBeschaedigt()
{
    QFETCH(bool, gesperrt);
    QFETCH(QString, meldung);
    test_machen({{7, 9.0}});
    QCOMPARE(Verlauf(Verlaufsdatei()).anzahl(), 1);
    if (gesperrt) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sperre"));
        db.setDatabaseName(Verlaufsdatei());
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        QFile datei(Verlaufsdatei());
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(QByteArray("kein Verlauf ").repeated(400));
    }
    dlg_.leeren();
    test_machen({{7, 9.0}, {8, 10.0}});
    // Told once, as a warning; the result is still there for the table.
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QVERIFY2(dlg_.meldungen[0].text.startsWith(meldung), qPrintable(dlg_.meldungen[0].text));
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Problem"));
    QVERIFY(Hoertest_Druck[size_t(Druck_index(true, 8))] > 0.0);
    QVERIFY(programm_->hauptfenster()->Testergebnisse1->menuAction()->isEnabled());
    if (gesperrt) {
        QSqlDatabase::database(QStringLiteral("sperre")).close();
        QSqlDatabase::removeDatabase(QStringLiteral("sperre"));
    }
    // The history takes the next test; a replaced history holds only the tests after it.
    dlg_.leeren();
    test_machen({{9, 9.0}});
    QVERIFY(dlg_.meldungen.empty());
    QCOMPARE(Verlauf(Verlaufsdatei()).anzahl(), 2);
}

std::vector<QString> Verlauf_Fenster_Test::namen() const
{
    std::vector<QString> n;
    for (const Verlauf_Eintrag& e : Verlauf(Verlaufsdatei()).liste())
        n.push_back(e.name);
    return n;
}

void Verlauf_Fenster_Test::nameGehoertZuSeinenTests()
{
    Druck_string_start();
    const QString erika = QStringLiteral("Erika Mustermann"), max = QStringLiteral("Max Muster");
    auto* tabelle = qobject_cast<TForm3*>(Fenster.Form3);
    auto* audiogramm = qobject_cast<TAudiogramm_Form*>(Fenster.Audiogramm_Form);
    QVERIFY(tabelle && audiogramm);

    // Test 1, then the name typed in the audiogram: it belongs to test 1.
    test_machen({{5, 10.0}});
    aktion("Audiogramm1")->trigger();
    QVERIFY(audiogramm->Name_Edit->text().isEmpty());
    audiogramm->Name_Edit->setText(erika);
    emit audiogramm->Name_Edit->editingFinished();
    QCOMPARE(namen(), std::vector<QString>{erika});
    // The results table shows the same one name.
    aktion("abelle1")->trigger();
    QCOMPARE(tabelle->StringGrid1->item(Name_Zeile, Name_Spalte)->text(), erika);
    audiogramm->close();
    tabelle->close();

    // Test 2 of the other ear is stored with it; a name typed into the table
    // afterwards goes to both tests the store holds.
    test_machen({{6, 9.0}}, true, false);
    QCOMPARE(namen(), (std::vector<QString>{erika, erika}));
    aktion("abelle1")->trigger();
    tabelle->StringGrid1->item(Name_Zeile, Name_Spalte)->setText(max);
    QCOMPARE(namen(), (std::vector<QString>{max, max}));
    aktion("Audiogramm1")->trigger();
    QCOMPARE(audiogramm->Name_Edit->text(), max);
    audiogramm->close();
    tabelle->close();

    // Once neither ear holds a result, the next person's test has no name.
    for (const bool links : {true, false}) {
        aktion(links ? "HoertestLinkesOhr1" : "HoertestRechtesOhr1")->trigger();
        dlg_.antworten.push_back(Antwort::Ja);
        f2()->Neu1->trigger();
        f2()->close();
    }
    QCOMPARE(Testperson_Name, QString());
    test_machen({{7, 8.0}});
    QCOMPARE(namen(), (std::vector<QString>{QString(), max, max}));
}

QTEST_MAIN(Verlauf_Fenster_Test)
#include "verlauf_fenster_test.moc"
