// A user's journey in each language, as the desktop's language starts it: the
// main menu, a hearing test of the left ear on the simulated player, the
// results table saved as a text file and the audiogram saved as report and as
// values. The outputs must equal tests/data/reise/<language>/ with dates and
// times masked: the German ones are the program's outputs before the English
// translation came in, so the German program stays what it was. With
// VAZOZEZ_REISE_SCHREIBEN=1 the test writes those files anew instead.
// Leaves Englisch_Hauptfenster.png and Englisch_Messfenster.png in test-output/.
#include "app/frisches_heim.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/results/audiogramm_unit.h"
#include "app/results/testergebnis_unit.h"
#include "app/shell/fenster.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "app/programm_starten.h"
#include "app/tabellen_pruefung.h"
#include "app/tones/alle_wave.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace
{

const QString Ausgabe = QStringLiteral(VAZOZEZ_TEST_OUTPUT);

// Dates ("03.12.2026", "12/3/2026") and times ("14:03", "14:03:07") as markers,
// so that the outputs of any day compare equal. Bytes stay bytes.
QByteArray maskiert(const QByteArray& b)
{
    QString t = QString::fromLatin1(b);
    t.replace(QRegularExpression(QStringLiteral("\\b\\d{1,2}[./]\\d{1,2}[./]\\d{4}\\b")), QStringLiteral("<Datum>"));
    t.replace(QRegularExpression(QStringLiteral("\\b\\d\\d:\\d\\d(:\\d\\d)?\\b")), QStringLiteral("<Zeit>"));
    return t.toLatin1();
}

} // namespace

class Sprachen_Reise_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void reise_data();
    void reise();

private:
    QAction* aktion(const char* name) const
    {
        return programm_->hauptfenster()->findChild<QAction*>(QString::fromLatin1(name));
    }
    void vergleichen(const QString& sprache, const QString& name, const QByteArray& inhalt);

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<Programm> programm_;
};

void Sprachen_Reise_Test::initTestCase()
{
    QDir().mkpath(Ausgabe);
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
}

void Sprachen_Reise_Test::cleanupTestCase()
{
    programm_.reset();
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Sprachen_Reise_Test::vergleichen(const QString& sprache, const QString& name, const QByteArray& inhalt)
{
    const QString soll = QStringLiteral(VAZOZEZ_TEST_DATA "/reise/") + sprache + QLatin1Char('/') + name;
    if (qEnvironmentVariableIsSet("VAZOZEZ_REISE_SCHREIBEN")) {
        QDir().mkpath(QFileInfo(soll).path());
        QFile f(soll);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(maskiert(inhalt));
        return;
    }
    const QByteArray erwartet = datei_inhalt(soll);
    QVERIFY2(!erwartet.isEmpty(), qPrintable(soll));
    const QByteArray ist = maskiert(inhalt);
    if (ist != erwartet) {
        QFile f(Ausgabe + QStringLiteral("/Reise_") + sprache + QLatin1Char('_') + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(ist);
    }
    QVERIFY2(ist == erwartet, qPrintable(name + QStringLiteral(" differs from ") + soll));
}

void Sprachen_Reise_Test::reise_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QStringList>("menue");
    QTest::newRow("deutsch") << QStringLiteral("C.UTF-8") << QStringLiteral("deutsch")
                             << QStringList{QStringLiteral("Vazozez"), QStringLiteral("Testergebnisse"),
                                            QStringLiteral("Einstellungen"), QStringLiteral("Info")};
    QTest::newRow("englisch") << QStringLiteral("en_US.UTF-8") << QStringLiteral("englisch")
                              << QStringList{QStringLiteral("Vazozez"), QStringLiteral("Test results"),
                                             QStringLiteral("Settings"), QStringLiteral("Info")};
}

void Sprachen_Reise_Test::reise()
{
    QFETCH(QString, lang);
    QFETCH(QString, sprache);
    QFETCH(QStringList, menue);
    const bool englisch = sprache == QLatin1String("englisch");

    programm_.reset();
    qputenv("LANG", lang.toLatin1());
    dlg_.leeren();
    QVERIFY(Programm_starten(programm_, &player_, &dlg_));
    TForm1* haupt = programm_->hauptfenster();
    QVERIFY(haupt->isVisible());
    QTRY_VERIFY(haupt->isEnabled());

    QStringList titel;
    for (const QAction* a : haupt->menuBar()->actions())
        if (a->isVisible())
            titel << a->text();
    QCOMPARE(titel, menue);
    if (englisch)
        QVERIFY(haupt->grab().save(Ausgabe + QStringLiteral("/Englisch_Hauptfenster.png")));

    // The left ear, every row stopped a little later than the one before.
    aktion("HoertestLinkesOhr1")->trigger();
    TForm2* f2 = programm_->messfenster();
    QVERIFY(QTest::qWaitForWindowExposed(f2));
    for (int zeile = 1; zeile <= 21; ++zeile) {
        QTest::mouseClick(f2->Button[size_t(zeile)], Qt::LeftButton);
        QVERIFY(player_.laeuft());
        player_.vorruecken(2000.0 + 150.0 * zeile);
        QTest::mouseClick(f2->Button[size_t(zeile)], Qt::LeftButton);
    }
    if (englisch)
        QVERIFY(f2->grab().save(Ausgabe + QStringLiteral("/Englisch_Messfenster.png")));
    f2->EinstellungenSpeichern1->trigger();
    QVERIFY(!f2->isVisible());

    // The results table as a text file.
    aktion("abelle1")->trigger();
    auto* tabelle = qobject_cast<TForm3*>(Fenster.Form3);
    QVERIFY(tabelle && QTest::qWaitForWindowExposed(tabelle));
    const QString txt = heim_->filePath(QStringLiteral("Ergebnisse_") + sprache + QStringLiteral(".txt"));
    dlg_.leeren();
    dlg_.dateiwahlen.push_back({txt, 2});
    tabelle->Speichern1Click();
    QVERIFY2(dlg_.meldungen.empty(), qPrintable(dlg_.letzter_text()));
    vergleichen(sprache, QStringLiteral("Ergebnisse.txt"), datei_inhalt(txt));
    tabelle->close();

    // The audiogram: report and values.
    aktion("Audiogramm1")->trigger();
    auto* audiogramm = qobject_cast<TAudiogramm_Form*>(Fenster.Audiogramm_Form);
    QVERIFY(audiogramm && QTest::qWaitForWindowExposed(audiogramm));
    audiogramm->Name_Edit->setText(QStringLiteral("Erika Mustermann"));
    const QString pdf = heim_->filePath(QStringLiteral("Audiogramm_") + sprache + QStringLiteral(".pdf"));
    const QString csv = heim_->filePath(QStringLiteral("Audiogramm_") + sprache + QStringLiteral(".csv"));
    dlg_.leeren();
    dlg_.dateiwahlen.push_back({pdf, 1});
    audiogramm->Button1->click();
    dlg_.dateiwahlen.push_back({csv, 1});
    audiogramm->Button2->click();
    QVERIFY2(dlg_.meldungen.empty(), qPrintable(dlg_.letzter_text()));
    const QStringList seiten = pdf_seiten(pdf);
    QCOMPARE(seiten.size(), 1);
    QStringList zeilen;
    for (const QString& z : seiten.front().split(QLatin1Char('\n')))
        if (!z.simplified().isEmpty())
            zeilen << z.simplified();
    vergleichen(sprache, QStringLiteral("Audiogramm_Bericht.txt"), zeilen.join(QLatin1Char('\n')).toUtf8());
    vergleichen(sprache, QStringLiteral("Audiogramm.csv"), datei_inhalt(csv));
    audiogramm->close();
}

QTEST_MAIN(Sprachen_Reise_Test)
#include "sprachen_reise_test.moc"
