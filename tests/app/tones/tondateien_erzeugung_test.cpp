// The stored set of hearing-test tone files: written in the background at the
// first start and whenever it is stale, behind the notice window with its
// progress bar while the main window is disabled; the flags that mark it
// stale cleared in memory and in the files afterwards; nothing done when
// tones are made anew each time; deleting the set; a folder that cannot be
// made; closing the program in the middle of a generation.
#include "app/tones/alle_wave.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/frisches_heim.h"
#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "platform/audio/simulierter_abspieler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <memory>

namespace
{

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

const QDateTime Alte_Zeit(QDate(2001, 1, 1), QTime(12, 0), QTimeZone::utc());

bool alt_machen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(Alte_Zeit, QFileDevice::FileModificationTime);
}

QDateTime geaendert(const QString& pfad)
{
    return QFileInfo(pfad).fileTime(QFileDevice::FileModificationTime);
}

const QString Erfolg =
    QStringLiteral("Die Wave-Dateien für den Vazozez \rwurden erfolgreich erzeugt\rund abgespeichert.");
const QString Schreibfehler_Text =
    QStringLiteral("Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm verwendet.");

// Byte offsets of the stale flags in the settings file and in the base settings file.
constexpr int Qvl_Freq_geaendert = 8236;
constexpr int Hoe_Freq_geaendert = 351;

} // namespace

class Tondateien_Erzeugung_Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void ersterStartErzeugtAlle42();
    void ohneOrdnerOhneMerkerAlleNeu();
    void eineGeaenderteFrequenzSchreibtAlle21Paare();
    void waveImmerNeuTutNichts();
    void ordnerNichtAnlegbar();
    void loeschen();
    void programmEndeWaehrendDerErzeugung();

private:
    QString wave() const { return Wave_ordner(); }
    QStringList abn_dateien() const
    {
        QStringList l;
        for (int i = 1; i <= 21; ++i)
            l << Tondatei_links(i) << Tondatei_rechts(i);
        return l;
    }
    void pruefe_Merker_geloescht();
    void erzeugung_abwarten();

    std::unique_ptr<Frisches_Heim> heim_;
    Aufzeichnende_Dialoge dlg_;
    Simulierter_Abspieler player_;
    std::unique_ptr<Programm> programm_;
};

void Tondateien_Erzeugung_Test::initTestCase()
{
    heim_ = std::make_unique<Frisches_Heim>();
    QVERIFY(heim_->isValid());
    Einstellungen_zuruecksetzen();
}

void Tondateien_Erzeugung_Test::cleanupTestCase()
{
    programm_.reset();
    QVERIFY(Wave_erzeugen == nullptr);
    dialoge_setzen(nullptr);
    Einstellungen_zuruecksetzen();
    heim_.reset();
}

void Tondateien_Erzeugung_Test::init()
{
    dlg_.leeren();
}

void Tondateien_Erzeugung_Test::pruefe_Merker_geloescht()
{
    QVERIFY(!Einstellungen.Freq_geaendert);
    for (int i = 0; i < 21; ++i)
        QVERIFY(!Einstellungen.Freq_welche_geaendert[size_t(i)]);
    const QByteArray qvl = lesen(Dateiname1_6_zu_string());
    QCOMPARE(qvl.size(), 9260);
    QCOMPARE(qvl.mid(Qvl_Freq_geaendert, 22), QByteArray(22, '\0'));
    const QByteArray hoe = lesen(Grundeinstellungsdatei);
    QCOMPARE(hoe.size(), 10548);
    QCOMPARE(hoe.mid(Hoe_Freq_geaendert, 22), QByteArray(22, '\0'));
}

// The generation runs: main window disabled, notice window with its texts
// shown; then it ends with the bar full and the success message.
void Tondateien_Erzeugung_Test::erzeugung_abwarten()
{
    QVERIFY(Wave_erzeugen != nullptr);
    QVERIFY(!programm_->hauptfenster()->isEnabled());
    QVERIFY(Form5 && Form5->isVisible());
    QCOMPARE(Form5->windowTitle(), QStringLiteral("Vazozez Vorbereitung"));
    QVERIFY(Form5->windowFlags() & Qt::WindowStaysOnTopHint);
    // A fixed border with its title and no system buttons.
    QVERIFY(Form5->windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(Form5->windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                      Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint)));
    QCOMPARE(Form5->minimumSize(), Form5->maximumSize());
    QCOMPARE(Form5->StaticText1->text(), QStringLiteral("Die für den Vazozez benötigten Wave-Dateien"));
    QCOMPARE(Form5->StaticText2->text(), QStringLiteral("werden erzeugt und abgespeichert."));
    QCOMPARE(Form5->StaticText3->text(), QStringLiteral("Dieser Vorgang kann einige Sekunden dauern."));
    QCOMPARE(Form5->StaticText4->text(), QStringLiteral("Bitte haben Sie etwas Geduld."));
    QCOMPARE(Form5->StaticText5->text(), QStringLiteral("0%"));
    QCOMPARE(Form5->StaticText6->text(), QStringLiteral("100%"));
    QCOMPARE(Form5->ProgressBar1->maximum(), 22);
    QVERIFY(Form5->ProgressBar1->value() >= 1);

    QTRY_VERIFY_WITH_TIMEOUT(Wave_erzeugen == nullptr, 60000);
    QVERIFY(!Form5->isVisible());
    QCOMPARE(Form5->ProgressBar1->value(), 22);
    QVERIFY(programm_->hauptfenster()->isEnabled());
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, Erfolg);
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Erfolgsmeldung"));
    QVERIFY(dlg_.meldungen[0].symbol == Symbol::Information);
    QVERIFY(dlg_.meldungen[0].knoepfe == Knoepfe::Ok);
    const qint64 groesse = Einstellungen.zunehmend ? 2646046 : 5292046;
    for (const QString& d : abn_dateien())
        QVERIFY2(QFileInfo(d).size() == groesse, qPrintable(d));
    // Only the set is there: nothing half-written is left behind.
    QCOMPARE(QDir(wave()).entryList(QDir::Files | QDir::Hidden).size(), 42);
    pruefe_Merker_geloescht();
}

void Tondateien_Erzeugung_Test::ersterStartErzeugtAlle42()
{
    programm_ = std::make_unique<Programm>(&player_, &dlg_);
    programm_->starten();
    QVERIFY(QFileInfo(wave()).isDir());
    erzeugung_abwarten();
    // Left file: tone on the left channel, right channel silent; and the other way round.
    const QByteArray l = lesen(Tondatei_links(4));
    const QByteArray r = lesen(Tondatei_rechts(4));
    bool links_laut = false;
    for (qsizetype i = 46; i + 3 < l.size(); i += 4) {
        const int16_t ll = int16_t(uint8_t(l[i]) | (uint8_t(l[i + 1]) << 8));
        const int16_t lr = int16_t(uint8_t(l[i + 2]) | (uint8_t(l[i + 3]) << 8));
        QCOMPARE(lr, int16_t(0));
        QCOMPARE(int16_t(uint8_t(r[i]) | (uint8_t(r[i + 1]) << 8)), int16_t(0));
        QCOMPARE(int16_t(uint8_t(r[i + 2]) | (uint8_t(r[i + 3]) << 8)), ll);
        links_laut = links_laut || ll != 0;
    }
    QVERIFY(links_laut);
}

void Tondateien_Erzeugung_Test::ohneOrdnerOhneMerkerAlleNeu()
{
    QVERIFY(QDir(wave()).removeRecursively());
    QVERIFY(!Einstellungen.Freq_geaendert);
    alle_wave_Dat_erz();
    erzeugung_abwarten();
}

void Tondateien_Erzeugung_Test::eineGeaenderteFrequenzSchreibtAlle21Paare()
{
    Einstellungen.Frequenzen[6] = 2100;
    Einstellungen.Frequenzen_string[6].setzen(QStringLiteral("2100"));
    Einstellungen.Freq_geaendert = 1;
    Einstellungen.Freq_welche_geaendert[6] = 1;
    QVERIFY(Einstellungen_speichern_Festplatte());
    QCOMPARE(lesen(Dateiname1_6_zu_string()).at(Qvl_Freq_geaendert), char(1));
    for (const QString& d : abn_dateien())
        QVERIFY(alt_machen(d));
    // Through the main window's command, as after loading a settings file.
    alle_wave_Dat_erz();
    erzeugung_abwarten();
    for (const QString& d : abn_dateien())
        QVERIFY2(geaendert(d) != Alte_Zeit, qPrintable(d));
    // The base settings now describe the stored set.
    QCOMPARE(Grundeinstellungen.Frequenzen[6], uint16_t(2100));
}

void Tondateien_Erzeugung_Test::waveImmerNeuTutNichts()
{
    Einstellungen.wave_immer_neu = 1;
    Einstellungen.Freq_geaendert = 1;
    Einstellungen.Freq_welche_geaendert.fill(1);
    for (const QString& d : abn_dateien())
        QVERIFY(alt_machen(d));
    alle_wave_Dat_erz();
    QVERIFY(Wave_erzeugen == nullptr);
    QVERIFY(!Form5->isVisible());
    QVERIFY(programm_->hauptfenster()->isEnabled());
    QCoreApplication::processEvents();
    QVERIFY(dlg_.meldungen.empty());
    for (const QString& d : abn_dateien())
        QCOMPARE(geaendert(d), Alte_Zeit);
    // Nothing was cleared either.
    QVERIFY(Einstellungen.Freq_geaendert);
    QVERIFY(Einstellungen.Freq_welche_geaendert[20]);
    // With the missing folder too: no generation.
    QVERIFY(QDir(wave()).removeRecursively());
    alle_wave_Dat_erz();
    QVERIFY(Wave_erzeugen == nullptr);
    QVERIFY(QDir(wave()).entryList(QDir::Files).isEmpty());
    QVERIFY(dlg_.meldungen.empty());
    Einstellungen.wave_immer_neu = 0;
}

void Tondateien_Erzeugung_Test::ordnerNichtAnlegbar()
{
    QDir(wave()).removeRecursively();
    QVERIFY(schreiben(wave(), QByteArray("eine Datei, kein Ordner")));
    Einstellungen.Freq_geaendert = 1;
    alle_wave_Dat_erz();
    QVERIFY(Wave_erzeugen == nullptr);
    QCOMPARE(dlg_.meldungen.size(), size_t(1));
    QCOMPARE(dlg_.meldungen[0].text, Schreibfehler_Text);
    QCOMPARE(dlg_.meldungen[0].titel, QStringLiteral("Problem"));
    QVERIFY(programm_->hauptfenster()->isEnabled());
    QVERIFY(!Form5->isVisible());
    // The flags stay, so the next request tries again.
    QVERIFY(Einstellungen.Freq_geaendert);
    QVERIFY(QFile::remove(wave()));
    dlg_.leeren();
    alle_wave_Dat_erz();
    erzeugung_abwarten();
}

void Tondateien_Erzeugung_Test::loeschen()
{
    // Deletes the stored set, and only that.
    const QString ton_l = wave() + QStringLiteral("/Ton_l.wav");
    const QString andere = wave() + QStringLiteral("/notiz.txt");
    QVERIFY(schreiben(ton_l, QByteArray("Ton")));
    QVERIFY(schreiben(andere, QByteArray("Notiz")));
    QFile::remove(Tondatei_rechts(13)); // a missing file is skipped
    alle_wave_loeschen();
    for (const QString& d : abn_dateien())
        QVERIFY2(!QFileInfo::exists(d), qPrintable(d));
    QVERIFY(QFileInfo::exists(ton_l));
    QVERIFY(QFileInfo::exists(andere));
    QVERIFY(dlg_.meldungen.empty());

    // Without a folder: nothing happens, nothing is said.
    QVERIFY(QDir(wave()).removeRecursively());
    alle_wave_loeschen();
    QVERIFY(!QFileInfo::exists(wave()));
    QVERIFY(dlg_.meldungen.empty());
}

void Tondateien_Erzeugung_Test::programmEndeWaehrendDerErzeugung()
{
    Einstellungen.Freq_geaendert = 1;
    QVERIFY(Einstellungen_speichern_Festplatte());
    alle_wave_Dat_erz();
    QPointer<TWave_erzeugen> faden = Wave_erzeugen;
    QVERIFY(faden);
    QVERIFY(faden->isRunning());
    // The user closes the main window (the hearing-test window is open too).
    programm_->messfenster()->show();
    programm_->hauptfenster()->close();
    QVERIFY(Wave_erzeugen == nullptr);
    QVERIFY(!faden); // stopped, waited for and released
    QVERIFY(!programm_->messfenster()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(dlg_.meldungen.empty());
    // No half-written file is left behind.
    const QRegularExpression name(QStringLiteral("^abn_[lr]([1-9]|1[0-9]|2[01])\\.wav$"));
    for (const QString& d : QDir(wave()).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name.match(d).hasMatch(), qPrintable(d));
    // Not finished: the set stays marked stale for the next start.
    QCOMPARE(lesen(Dateiname1_6_zu_string()).at(Qvl_Freq_geaendert), char(1));
    programm_.reset();
    QVERIFY(Wave_erzeugen == nullptr);
}

QTEST_MAIN(Tondateien_Erzeugung_Test)
#include "tondateien_erzeugung_test.moc"
