// The program's start in a process of its own, as a user meets it: with a
// FIFO or a folder where a settings file should be, under a file-size limit,
// and after a tone generation that was killed half-way. A start that hangs or
// dies shows up as a child that does not end or ends by a signal.
//
// The test program starts itself again with "--start" (a whole program start
// on the simulated sound card, waiting until the tone set is written, every
// message printed one per line) or "--abgebrochen" (a tone file write that
// the process kills itself in the middle of).
#include "app/tones/alle_wave.h"
#include "app/shell/programm.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/meldungen.h"
#include "core/shell/programmstart.h"
#include "core/tones/alle_tondateien.h"
#include "core/tones/wave_datei.h"
#include "platform/audio/simulierter_abspieler.h"
#include "platform/audio/simulierter_aufnehmer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace
{

int kind_start()
{
    Aufzeichnende_Dialoge dlg;
    Simulierter_Abspieler abspieler;
    Simulierter_Aufnehmer aufnehmer(&abspieler);
    {
        Programm programm(&abspieler, &dlg, &aufnehmer);
        programm.starten();
        QElapsedTimer uhr;
        uhr.start();
        while (Wave_erzeugen && uhr.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        programm.beenden();
    }
    for (const auto& m : dlg.meldungen) {
        QString zeile = m.text;
        zeile.replace(QLatin1Char('\r'), QLatin1Char(' '));
        std::printf("%s\n", zeile.toUtf8().constData());
    }
    return 0;
}

// Writes row 1's pair and kills the process after a few blocks of the left file.
int kind_abgebrochen()
{
    Einstellungsordner_festlegen();
    int bloecke = 0;
    Wave_Paar_schreiben(3000, Tondatei_links(Wave_ordner(), 1), Tondatei_rechts(Wave_ordner(), 1),
                        [&](uint32_t, uint32_t anzahl, int16_t* ziel) {
                            if (++bloecke == 3)
                                std::raise(SIGKILL);
                            std::memset(ziel, 0, anzahl * sizeof(int16_t));
                        });
    return 1;
}

} // namespace

class Start_Prozess_Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sonderdateienUndGrenzen_data();
    void sonderdateienUndGrenzen();
    void abgebrocheneErzeugungHinterlaesstNichts();

private:
    struct Ergebnis {
        bool normal_beendet = false;
        int code = -1;
        QStringList meldungen;
    };
    Ergebnis kind(const QString& art, rlim_t dateigrenze = RLIM_INFINITY);
    QString ordner() const { return heim_->filePath(QLatin1String(Name_Einstellungsordner)) + QLatin1Char('/'); }
    QStringList wave_dateien() const
    {
        return QDir(ordner() + QStringLiteral("wave")).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    std::unique_ptr<QTemporaryDir> heim_;
};

void Start_Prozess_Test::init()
{
    heim_ = std::make_unique<QTemporaryDir>();
    QVERIFY(heim_->isValid());
}

void Start_Prozess_Test::cleanup()
{
    heim_.reset();
}

Start_Prozess_Test::Ergebnis Start_Prozess_Test::kind(const QString& art, rlim_t dateigrenze)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), heim_->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), heim_->filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setChildProcessModifier([dateigrenze] {
        const rlimit r{dateigrenze, dateigrenze};
        ::setrlimit(RLIMIT_FSIZE, &r);
        std::signal(SIGXFSZ, SIG_DFL);
    });
    p.start(QCoreApplication::applicationFilePath(), {art});
    Ergebnis e;
    if (!p.waitForStarted(10000))
        return e;
    if (!p.waitForFinished(90000)) {
        p.kill();
        p.waitForFinished(5000);
        qWarning("the child did not end within 90 s");
        return e;
    }
    e.normal_beendet = p.exitStatus() == QProcess::NormalExit;
    e.code = p.exitCode();
    for (const QByteArray& z : p.readAllStandardOutput().split('\n'))
        if (!z.isEmpty())
            e.meldungen << QString::fromUtf8(z);
    return e;
}

void Start_Prozess_Test::sonderdateienUndGrenzen_data()
{
    QTest::addColumn<QString>("datei");   // in the settings folder; empty: none
    QTest::addColumn<QString>("art");     // "fifo", "ordner"
    QTest::addColumn<bool>("vorher_start"); // a normal first start before
    QTest::addColumn<qlonglong>("grenze"); // file-size limit in bytes, 0: none
    QTest::addColumn<int>("speicherwarnungen");

    const QString hoe = QLatin1String(Name_Grundeinstellungsdatei);
    const QString qvl = QLatin1String(Name_Standard_Einstellungsdatei);
    // A FIFO blocked the start before any window appeared; it is not read, and
    // the save replaces it with a real file.
    QTest::newRow("Grundeinstellungen als FIFO") << hoe << "fifo" << false << 0LL << 0;
    QTest::newRow("Einstellungsdatei als FIFO") << qvl << "fifo" << true << 0LL << 0;
    // A folder cannot be written: one warning for the whole start.
    QTest::newRow("Einstellungsdatei als Ordner") << qvl << "ordner" << true << 0LL << 1;
    // SIGXFSZ ended the program without a word, and the tone generation
    // reported files as written that were not.
    QTest::newRow("Dateigrößen-Grenze 4 KB") << QString() << QString() << false << 4096LL << 1;
}

void Start_Prozess_Test::sonderdateienUndGrenzen()
{
    QFETCH(QString, datei);
    QFETCH(QString, art);
    QFETCH(bool, vorher_start);
    QFETCH(qlonglong, grenze);
    QFETCH(int, speicherwarnungen);

    if (vorher_start) {
        const Ergebnis e = kind(QStringLiteral("--start"));
        QVERIFY(e.normal_beendet && e.code == 0);
        QCOMPARE(wave_dateien().size(), 42);
    }
    QVERIFY(QDir().mkpath(ordner()));
    if (!datei.isEmpty()) {
        const QString pfad = ordner() + datei;
        QFile::remove(pfad);
        if (art == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0644), 0);
        else
            QVERIFY(QDir().mkdir(pfad));
    }

    const Ergebnis e = kind(QStringLiteral("--start"), grenze > 0 ? rlim_t(grenze) : RLIM_INFINITY);
    QVERIFY2(e.normal_beendet, "the start hung or was ended by a signal");
    QCOMPARE(e.code, 0);
    QCOMPARE(int(e.meldungen.count(Text_Fehler_bei_abspeichern())), speicherwarnungen);
    if (art == QLatin1String("fifo"))
        QVERIFY(QFileInfo(ordner() + datei).isFile());
    // Tone files that could not be written are not reported as written.
    if (grenze > 0)
        QVERIFY(e.meldungen.contains(
            QStringLiteral("Die Wave-Dateien für den Vazozez  konnten nicht abgespeichert werden.")));
}

// A generation killed half-way leaves a temporary file; the next start
// removes it, and only the 42 tone files remain.
void Start_Prozess_Test::abgebrocheneErzeugungHinterlaesstNichts()
{
    Ergebnis e = kind(QStringLiteral("--start"));
    QVERIFY(e.normal_beendet && e.code == 0);
    QCOMPARE(wave_dateien().size(), 42);

    for (int i = 0; i < 2; ++i) {
        e = kind(QStringLiteral("--abgebrochen"));
        QVERIFY(!e.normal_beendet);
    }
    QVERIFY(wave_dateien().size() > 42);

    e = kind(QStringLiteral("--start"));
    QVERIFY(e.normal_beendet && e.code == 0);
    const QStringList uebrig = wave_dateien();
    QCOMPARE(uebrig.size(), 42);
    for (const QString& name : uebrig)
        QVERIFY2(name.startsWith(QLatin1String("abn_")) && name.endsWith(QLatin1String(".wav")), qPrintable(name));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc > 1 && std::strcmp(argv[1], "--start") == 0)
        return kind_start();
    if (argc > 1 && std::strcmp(argv[1], "--abgebrochen") == 0)
        return kind_abgebrochen();
    Start_Prozess_Test t;
    return QTest::qExec(&t, argc, argv);
}

#include "start_prozess_test.moc"
