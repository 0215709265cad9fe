// The history under faults: a journal left beside a file it does not belong
// to, two programs creating or updating the file at once, foreign objects and
// layouts in the file, a read-only medium, a full medium and a symbolic link
// when the journal is copied in, names that a spreadsheet would run or that
// hold control characters, values the program never writes; and what the
// comparison and the CSV make of bounds, unrounded levels and calibrations.
#include "core/acoustics/physik_hoertest.h"
#include "core/results/verlauf.h"
#include "verlauf_hilfen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using namespace verlauf_hilfen;

class VerlaufFehler : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    // A file in a folder of its own below the test's folder.
    QString datei(const QString& unterordner) const
    {
        const QString o = ordner.filePath(unterordner);
        QDir().mkpath(o);
        return o + QStringLiteral("/Verlauf.sqlite");
    }
    // An empty folder for one case.
    QString neu(const QString& unterordner) const
    {
        QDir(ordner.filePath(unterordner)).removeRecursively();
        return datei(unterordner);
    }
};

QStringList csv_zeilen(Verlauf& v)
{
    const auto csv = v.csv();
    if (!csv)
        return {};
    EXPECT_FALSE(csv->contains('\0'));
    return QString::fromUtf8(csv->mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1);
}

QStringList beiseitegelegt(const QString& pfad)
{
    return QDir(QFileInfo(pfad).path()).entryList({QStringLiteral("Verlauf.sqlite.*")}, QDir::Files);
}

void rechte(const QString& pfad, mode_t modus)
{
    ASSERT_EQ(::chmod(QFile::encodeName(pfad).constData(), modus), 0) << qPrintable(pfad);
}

// What im_Kind returns when it cannot give up root's rights (a container
// without that user), or the user cannot reach the test's folder.
constexpr const char* Ohne_Rechte = "ohne Rechte";

// Runs `f` in a child process (as an unprivileged user when `fremd` and this
// runs as root, so that file permissions hold) and returns what it returned.
QString im_Kind(const std::function<QString()>& f, bool fremd = false)
{
    int rohr[2];
    if (pipe(rohr) != 0)
        return QStringLiteral("pipe");
    const pid_t kind = fork();
    if (kind == 0) {
        close(rohr[0]);
        const bool ohne_Rechte = fremd && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0);
        const QByteArray b = ohne_Rechte ? QByteArray(Ohne_Rechte) : f().toUtf8();
        if (write(rohr[1], b.constData(), size_t(b.size())) != b.size())
            _exit(3);
        _exit(0);
    }
    close(rohr[1]);
    QByteArray b;
    char puffer[4096];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;)
        b.append(puffer, n);
    close(rohr[0]);
    int status = 0;
    waitpid(kind, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("Kind endete mit %1").arg(status);
    return QString::fromUtf8(b);
}

} // namespace

TEST_F(VerlaufFehler, JournalWirdNurMitSeinerDateiGelesen)
{
    // History a: 20 tests copied into the file, a backup of the file alone,
    // 20 more, then 3 more left in the journal.
    const QString a = datei(QStringLiteral("a"));
    speichern(a, 20, 0);
    const QString sicherung = ordner.filePath(QStringLiteral("sicherung.sqlite"));
    ASSERT_TRUE(QFile::copy(a, sicherung));
    speichern(a, 20, 20);
    const QString bild = ordner.filePath(QStringLiteral("bild.sqlite"));
    Journal_stehen_lassen(a, 3, 40, bild);
    // History b: 5 tests of another user.
    const QString b = datei(QStringLiteral("b"));
    speichern(b, 5, 100);
    // History c: a backup taken just before its journal's 3 tests.
    const QString c = datei(QStringLiteral("c"));
    speichern(c, 10, 200);
    const QString c_sicherung = ordner.filePath(QStringLiteral("c_sicherung.sqlite"));
    ASSERT_TRUE(QFile::copy(c, c_sicherung));
    const QString c_bild = ordner.filePath(QStringLiteral("c_bild.sqlite"));
    Journal_stehen_lassen(c, 3, 210, c_bild);

    struct Fall {
        const char* name;
        QString datei;   // copied to Verlauf.sqlite; empty: none
        QString journal; // copied to Verlauf.sqlite-wal
        int anzahl;
        bool journal_beiseite;
    };
    const QString wal = QStringLiteral("-wal");
    const Fall faelle[] = {
        {"die Datei mit ihrem Journal", bild, bild + wal, 43, false},
        {"Sicherung zurückgespielt", sicherung, bild + wal, 20, true},
        {"Datei eines anderen Verlaufs", b, bild + wal, 5, true},
        {"Journal ohne Datei", QString(), bild + wal, 0, true},
        {"Sicherung, auf der das Journal liegt", c_sicherung, c_bild + wal, 13, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString p = neu(QStringLiteral("fall"));
        if (!f.datei.isEmpty()) {
            ASSERT_TRUE(QFile::copy(f.datei, p));
        }
        ASSERT_TRUE(QFile::copy(f.journal, p + wal));
        {
            Verlauf v(p);
            ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
            const auto liste = v.liste();
            EXPECT_EQ(int(liste.size()), f.anzahl);
            for (const auto& e : liste)
                EXPECT_TRUE(v.laden(e.id)) << e.id;
            EXPECT_EQ(!v.verschoben_nach().isEmpty(), f.journal_beiseite) << qPrintable(v.verschoben_nach());
            if (f.journal_beiseite) {
                EXPECT_TRUE(v.verschoben_nach().endsWith(wal));
                EXPECT_EQ(lesen(v.verschoben_nach()), lesen(f.journal));
            }
            Verlauf_Test t = Beispiel(true, 300);
            EXPECT_TRUE(v.speichern(t)) << qPrintable(v.grund());
        }
        // The file alone is the whole history, also a copy of it.
        EXPECT_EQ(Verlauf_Journal_einarbeiten(p), QString());
        EXPECT_FALSE(QFileInfo::exists(p + wal));
        const QString kopie = datei(QStringLiteral("kopie"));
        QFile::remove(kopie);
        ASSERT_TRUE(QFile::copy(p, kopie));
        EXPECT_EQ(Verlauf(kopie).anzahl(), f.anzahl + 1);
    }
}

TEST_F(VerlaufFehler, ZweiProgrammeLegenAnOderBringenAufDenStand)
{
    struct Fall {
        const char* name;
        QStringList vorher;
        int vorhanden;
    };
    const Fall faelle[] = {
        {"leerer Ordner", {}, 0},
        {"Datei der Fassung 1", Fassung_1, 1},
        {"Datei der Fassung 2", Fassung_2, 1},
        {"Datei der Fassung 3", Fassung_3, 2},
    };
    constexpr int Programme = 3, Tests = 4, Runden = 4;
    for (const Fall& f : faelle)
        for (int runde = 0; runde < Runden; ++runde) {
            SCOPED_TRACE(testing::Message() << f.name << ", Runde " << runde);
            const QString p = neu(QStringLiteral("zwei"));
            if (!f.vorher.isEmpty()) {
                ASSERT_TRUE(sql(p, f.vorher));
            }
            // All start together when the parent closes the pipe.
            int start[2];
            ASSERT_EQ(pipe(start), 0);
            std::vector<pid_t> kinder;
            for (int k = 0; k < Programme; ++k) {
                const pid_t kind = fork();
                ASSERT_GE(kind, 0);
                if (kind == 0) {
                    close(start[1]);
                    char c;
                    if (read(start[0], &c, 1) != 0)
                        _exit(200);
                    int gespeichert = 0;
                    for (int i = 0; i < Tests; ++i) {
                        Verlauf v(p);
                        if (v.zustand() == Verlauf::Zustand::ersetzt)
                            _exit(100);
                        Verlauf_Test t = Beispiel(i % 2 == 0, 10 * k + i);
                        gespeichert += v.speichern(t) ? 1 : 0;
                    }
                    _exit(gespeichert);
                }
                kinder.push_back(kind);
            }
            close(start[0]);
            close(start[1]);
            int gespeichert = 0;
            for (const pid_t kind : kinder) {
                int status = 0;
                ASSERT_EQ(waitpid(kind, &status, 0), kind);
                ASSERT_TRUE(WIFEXITED(status));
                EXPECT_LE(WEXITSTATUS(status), Tests);
                gespeichert += WEXITSTATUS(status);
            }
            // Every test reported as stored is in the file; none was lost.
            EXPECT_EQ(gespeichert, Programme * Tests);
            EXPECT_EQ(zahl(p, QStringLiteral("SELECT count(*) FROM test")), gespeichert + f.vorhanden);
            EXPECT_EQ(zahl(p, QStringLiteral("PRAGMA user_version")), Verlauf_Version);
            EXPECT_TRUE(beiseitegelegt(p).isEmpty()) << qPrintable(beiseitegelegt(p).join(u' '));
        }
}

TEST_F(VerlaufFehler, FremdeObjekteUndFalscherAufbauWerdenBeiseitegelegt)
{
    // The program's own file, and its layout as SQL to be altered.
    const QString eigen = datei(QStringLiteral("eigen"));
    speichern(eigen, 2, 0);
    QStringList aufbau;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("aufbau"));
        db.setDatabaseName(eigen);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY rowid")));
        while (q.next())
            aufbau << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("aufbau"));
    ASSERT_EQ(aufbau.size(), 4);
    auto geaendert = [&](const char* alt, const char* neu) {
        QStringList l = aufbau;
        bool gefunden = false;
        for (QString& s : l)
            if (s.contains(QLatin1String(alt))) {
                s.replace(QLatin1String(alt), QLatin1String(neu));
                gefunden = true;
            }
        EXPECT_TRUE(gefunden) << alt;
        return l << QStringLiteral("PRAGMA user_version = %1").arg(Verlauf_Version);
    };
    auto fassung = [](QStringList l, int version) {
        l.last() = QStringLiteral("PRAGMA user_version = %1").arg(version);
        return l;
    };

    struct Fall {
        const char* name;
        bool auf_eigener_Datei; // the SQL changes the program's file, else makes a new one
        QStringList befehle;
    };
    const Fall faelle[] = {
        {"Trigger, der frühere Tests löscht",
         true,
         {QStringLiteral(
             "CREATE TRIGGER weg AFTER INSERT ON test BEGIN DELETE FROM test WHERE id <> NEW.id; END")}},
        {"Sicht mit INSTEAD-OF-Trigger",
         true,
         {QStringLiteral("CREATE VIEW v AS SELECT * FROM test"),
          QStringLiteral("CREATE TRIGGER vt INSTEAD OF INSERT ON v BEGIN SELECT 1; END")}},
        {"fremde Tabelle", true, {QStringLiteral("CREATE TABLE notizen (x)")}},
        {"fremder Index", true, {QStringLiteral("CREATE INDEX z_f ON zeile(frequenz)")}},
        {"Text als Schlüssel", false, geaendert("id INTEGER PRIMARY KEY", "id TEXT PRIMARY KEY")},
        {"Text als Frequenz", false, geaendert("frequenz INTEGER NOT NULL", "frequenz TEXT NOT NULL")},
        {"Prüfbedingung", false, geaendert(" dB REAL,", " dB REAL CHECK (dB < 0),")},
        {"Zeilen ohne Schlüssel", false, geaendert(", PRIMARY KEY (test, zeile)) WITHOUT ROWID", ")")},
        {"Test ohne rowid", false,
         geaendert("eichdatum TEXT NOT NULL DEFAULT '')",
                   "eichdatum TEXT NOT NULL DEFAULT '') WITHOUT ROWID")},
        {"Zahl als Kalibrierdatum", false,
         geaendert("eichdatum TEXT NOT NULL", "eichdatum INTEGER NOT NULL")},
        {"Kalibrierart ohne NOT NULL", false, geaendert("eichart INTEGER NOT NULL", "eichart INTEGER")},
        {"Ruhepegel ohne NOT NULL", false, geaendert("ruhepegel REAL NOT NULL", "ruhepegel REAL")},
        {"Text als Ruhepegel", false, geaendert("ruhepegel REAL NOT NULL", "ruhepegel TEXT NOT NULL")},
        {"Fassung 4 ohne Ruhepegel", false,
         fassung(QStringList(Fassung_3)
                     << QStringLiteral("ALTER TABLE test ADD COLUMN eichart INTEGER NOT NULL DEFAULT -1")
                     << QStringLiteral("ALTER TABLE test ADD COLUMN eichdatum TEXT NOT NULL DEFAULT ''")
                     << QString(),
                 4)},
        {"Fassung 1 über dem Aufbau der Fassung 2", false, fassung(Fassung_2, 1)},
        {"Fassung 2 über dem Aufbau der Fassung 1", false, fassung(Fassung_1, 2)},
        {"Fassung 3 über dem Aufbau der Fassung 2", false, fassung(Fassung_2, 3)},
        {"Fassung 4 über dem Aufbau der Fassung 3", false, fassung(Fassung_3, 4)},
        {"Fassung 3 über dem Aufbau der Fassung 4", false, fassung(QStringList(aufbau) << QString(), 3)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString p = neu(QStringLiteral("fall"));
        if (f.auf_eigener_Datei) {
            ASSERT_TRUE(QFile::copy(eigen, p));
        }
        ASSERT_TRUE(sql(p, f.befehle));
        const QByteArray vorher = lesen(p);
        const qint64 tests = zahl(p, QStringLiteral("SELECT count(*) FROM test"));
        {
            Verlauf v(p);
            EXPECT_EQ(v.zustand(), Verlauf::Zustand::ersetzt);
            EXPECT_EQ(v.grund(), QStringLiteral("die Datei von einem anderen Programm stammt"));
            EXPECT_EQ(lesen(v.verschoben_nach()), vorher);
            Verlauf_Test t = Beispiel(true, 5);
            EXPECT_TRUE(v.speichern(t)) << qPrintable(v.grund());
            // Nothing of the foreign file ran.
            EXPECT_EQ(zahl(v.verschoben_nach(), QStringLiteral("SELECT count(*) FROM test")), tests);
        }
        Verlauf v(p);
        EXPECT_EQ(v.zustand(), Verlauf::Zustand::bereit);
        EXPECT_EQ(v.liste().size(), 1u);
    }
}

TEST_F(VerlaufFehler, SchreibgeschuetztWirdGelesenUndNurSchreibenVerweigert)
{
    struct Fall {
        const char* name;
        std::function<void(const QString&)> anlegen;
        bool ordner_schreibbar; // only the file is read-only
        int anzahl;
    };
    const QString bild = ordner.filePath(QStringLiteral("bild.sqlite"));
    {
        const QString q = datei(QStringLiteral("quelle"));
        speichern(q, 3, 0);
        Journal_stehen_lassen(q, 2, 3, bild);
    }
    // A history the program closed: its journal copied in and removed.
    auto geschlossen = [](const QString& p) {
        speichern(p, 3, 0);
        ASSERT_EQ(Verlauf_Journal_einarbeiten(p), QString());
    };
    const Fall faelle[] = {
        {"Ordner schreibgeschützt", geschlossen, false, 3},
        {"Ordner schreibgeschützt, Journal daneben",
         [&](const QString& p) {
             ASSERT_TRUE(QFile::copy(bild, p));
             ASSERT_TRUE(QFile::copy(bild + QStringLiteral("-wal"), p + QStringLiteral("-wal")));
         },
         false, 5},
        {"Ordner schreibgeschützt, Fassung 2", [](const QString& p) { ASSERT_TRUE(sql(p, Fassung_2)); },
         false, 1},
        {"Datei schreibgeschützt", geschlossen, true, 3},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString p = neu(QStringLiteral("nur_lesen"));
        f.anlegen(p);
        const QString o = QFileInfo(p).path();
        const QStringList inhalt = QDir(o).entryList(QDir::Files);
        const QByteArray vorher = lesen(p);
        rechte(ordner.path(), 0755);
        for (const QString& d : inhalt)
            rechte(o + u'/' + d, 0444);
        rechte(o, f.ordner_schreibbar ? 0777 : 0555);
        const QString ergebnis = im_Kind(
            [&] {
                if (::access(QFile::encodeName(p).constData(), R_OK) != 0)
                    return QString::fromLatin1(Ohne_Rechte);
                Verlauf v(p);
                const auto liste = v.liste();
                bool geladen = !liste.empty();
                for (const auto& e : liste)
                    geladen = geladen && v.laden(e.id).has_value();
                Verlauf_Test t = Beispiel(true, 9);
                const bool gespeichert = v.speichern(t);
                const bool geloescht = !liste.empty() && v.loeschen(liste[0].id);
                return QStringLiteral("%1|%2|%3|%4|%5|%6")
                    .arg(int(v.zustand()))
                    .arg(liste.size())
                    .arg(geladen)
                    .arg(gespeichert)
                    .arg(geloescht)
                    .arg(v.grund());
            },
            true);
        rechte(o, 0700);
        if (ergebnis == QLatin1String(Ohne_Rechte))
            GTEST_SKIP() << "Die Rechte eines gewöhnlichen Benutzers lassen sich hier nicht annehmen.";
        EXPECT_EQ(ergebnis, QStringLiteral("%1|%2|1|0|0|der Datenträger schreibgeschützt ist")
                                .arg(int(Verlauf::Zustand::nicht_schreibbar))
                                .arg(f.anzahl));
        EXPECT_EQ(lesen(p), vorher);
        EXPECT_EQ(QDir(o).entryList(QDir::Files), inhalt);
    }
}

TEST_F(VerlaufFehler, JournalEinarbeitenMeldetVollenDatentraegerUndFolgtVerweis)
{
    // 60 tests in the file (larger than SQLite's index of the journal), 40 in the journal.
    const QString q = datei(QStringLiteral("quelle"));
    speichern(q, 60, 0);
    const QString bild = ordner.filePath(QStringLiteral("bild.sqlite"));
    Journal_stehen_lassen(q, 40, 60, bild);
    const QString wal = QStringLiteral("-wal");

    // Full medium: the file cannot grow by a page (a limit of the file size:
    // SQLite sees a failed write where a full disk gives "voll"). Told once;
    // the journal stays and the history keeps every test.
    {
        const QString p = datei(QStringLiteral("voll"));
        ASSERT_TRUE(QFile::copy(bild, p));
        ASSERT_TRUE(QFile::copy(bild + wal, p + wal));
        const QByteArray journal = lesen(p + wal);
        const qint64 groesse = QFileInfo(p).size();
        const QString grund = im_Kind([&] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit grenze{rlim_t(groesse + 100), rlim_t(groesse + 100)};
            setrlimit(RLIMIT_FSIZE, &grenze);
            return Verlauf_Journal_einarbeiten(p);
        });
        EXPECT_TRUE(grund == QStringLiteral("der Datenträger voll ist") ||
                    grund == QStringLiteral("ein Schreib- oder Lesefehler auftrat"))
            << qPrintable(grund);
        EXPECT_EQ(lesen(p + wal), journal);
        Verlauf v(p);
        const auto liste = v.liste();
        EXPECT_EQ(liste.size(), 100u);
        for (const auto& e : liste)
            EXPECT_TRUE(v.laden(e.id));
    }

    // A symbolic link in place of the file: the journal beside its target is
    // copied in, and a link to a file not yet made gets its file there.
    struct Fall {
        const char* name;
        bool ziel_vorhanden;
        int anzahl;
    };
    for (const Fall& f :
         {Fall{"Verweis auf den Verlauf", true, 100}, Fall{"Verweis auf eine neue Datei", false, 1}}) {
        SCOPED_TRACE(f.name);
        const QString ziel = neu(QStringLiteral("ziel"));
        const QString link = neu(QStringLiteral("link"));
        if (f.ziel_vorhanden) {
            ASSERT_TRUE(QFile::copy(bild, ziel));
            ASSERT_TRUE(QFile::copy(bild + wal, ziel + wal));
        }
        ASSERT_TRUE(QFile::link(ziel, link));
        if (!f.ziel_vorhanden) {
            Verlauf v(link);
            Verlauf_Test t = Beispiel(true, 0);
            ASSERT_TRUE(v.speichern(t)) << qPrintable(v.grund());
        }
        EXPECT_EQ(Verlauf_Journal_einarbeiten(link), QString());
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_FALSE(QFileInfo::exists(ziel + wal));
        EXPECT_FALSE(QFileInfo::exists(link + wal));
        const QString kopie = neu(QStringLiteral("kopie"));
        ASSERT_TRUE(QFile::copy(ziel, kopie));
        EXPECT_EQ(Verlauf(kopie).anzahl(), f.anzahl);
    }
}

TEST_F(VerlaufFehler, NamenOhneSteuerzeichenBegrenztUndNieAlsFormel)
{
    const QString p = datei(QStringLiteral("namen"));
    Verlauf_Test t = Beispiel(true, 0);
    {
        Verlauf v(p);
        ASSERT_TRUE(v.speichern(t));
    }
    const QString x200(200, u'x');
    struct Fall {
        const char* name;
        QString sql_wert; // the name as another program may have put it there
        QString gezeigt;  // in the list
        QString csv;      // the CSV field
    };
    const Fall faelle[] = {
        {"Formel", QStringLiteral("'=SUMME(A1)'"), QStringLiteral("=SUMME(A1)"),
         QStringLiteral("'=SUMME(A1)")},
        {"Tabulator vor der Formel", QStringLiteral("char(9) || '=1+1'"), QStringLiteral("=1+1"),
         QStringLiteral("'=1+1")},
        {"Zeilenende vor dem Plus", QStringLiteral("char(13, 10) || '+41 1234'"), QStringLiteral("+41 1234"),
         QStringLiteral("'+41 1234")},
        {"Leerzeichen vor dem Minus", QStringLiteral("'   -2'"), QStringLiteral("   -2"),
         QStringLiteral("'   -2")},
        {"At-Zeichen", QStringLiteral("'@Anna'"), QStringLiteral("@Anna"), QStringLiteral("'@Anna")},
        {"NUL-Zeichen", QStringLiteral("'A' || char(0) || 'B'"), QStringLiteral("AB"), QStringLiteral("AB")},
        {"Trenner und Anführungszeichen", QStringLiteral("'Jörg; \"M\"'"), QStringLiteral("Jörg; \"M\""),
         QStringLiteral("\"Jörg; \"\"M\"\"\"")},
        {"Bindestrich in der Mitte", QStringLiteral("'Anna-Lena'"), QStringLiteral("Anna-Lena"),
         QStringLiteral("Anna-Lena")},
        {"10.000 Zeichen", QStringLiteral("replace(hex(zeroblob(5000)), '0', 'x')"), x200, x200},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(sql(p, {QStringLiteral("UPDATE test SET name = %1").arg(f.sql_wert)}));
        Verlauf v(p);
        const auto liste = v.liste();
        ASSERT_EQ(liste.size(), 1u);
        EXPECT_EQ(liste[0].name, f.gezeigt);
        EXPECT_EQ(v.laden(t.id).value_or(Verlauf_Test{}).name, f.gezeigt);
        const QStringList zeilen = csv_zeilen(v);
        ASSERT_EQ(zeilen.size(), 14);
        EXPECT_EQ(zeilen[0], QStringLiteral("1;01.03.2026;10:15:30;Linkes Ohr;abnehmend;") + f.csv +
                                 QStringLiteral(";Schallpegelmesser;50;10,5;-3,2;;"));
    }
    // Stored: control characters dropped, cut to 200 characters.
    Verlauf v(p);
    Verlauf_Test lang = Beispiel(false, 1);
    lang.name = QStringLiteral("\t") + QString(300, u'ä');
    ASSERT_TRUE(v.speichern(lang));
    EXPECT_EQ(lang.name, QString(200, u'ä'));
    EXPECT_EQ(zahl(p, QStringLiteral("SELECT length(name) FROM test WHERE id = %1").arg(lang.id)), 200);
}

TEST_F(VerlaufFehler, WerteDieDasProgrammNieSchreibtMachenDenTestUnlesbar)
{
    const QString basis = datei(QStringLiteral("basis"));
    Verlauf_Test a = Beispiel(true, 0), b = Beispiel(false, 1);
    {
        Verlauf v(basis);
        ASSERT_TRUE(v.speichern(a));
        ASSERT_TRUE(v.speichern(b));
    }
    struct Fall {
        const char* name;
        const char* sql; // %1: test a
        int in_der_liste;
    };
    const Fall faelle[] = {
        {"Text als Hörschwelle", "UPDATE zeile SET dB = 'zwanzig' WHERE test = %1 AND zeile = 1", 2},
        {"Hörschwelle ohne dB(A)", "UPDATE zeile SET dBA = NULL WHERE test = %1 AND zeile = 1", 2},
        {"unendliche Hörschwelle", "UPDATE zeile SET dB = 9e999 WHERE test = %1 AND zeile = 2", 2},
        {"Text als Kalibrierwert", "UPDATE zeile SET kalibrierwert = 'x' WHERE test = %1 AND zeile = 3", 2},
        {"Kommazahl als Lautstärke", "UPDATE zeile SET startvolumen = 1.5 WHERE test = %1 AND zeile = 1", 2},
        {"Frequenz über 65535", "UPDATE zeile SET frequenz = 70000 WHERE test = %1 AND zeile = 4", 2},
        {"unbekannte Einheit", "UPDATE zeile SET einheit = 7 WHERE test = %1", 2},
        {"unbekannte Grenze", "UPDATE zeile SET grenze = 9 WHERE test = %1 AND zeile = 1", 2},
        {"Grenze ohne Messung", "UPDATE zeile SET grenze = 1 WHERE test = %1 AND zeile = 3", 2},
        {"Zeile 22", "UPDATE zeile SET zeile = 22 WHERE test = %1 AND zeile = 21", 2},
        {"negativer Ruhepegel", "UPDATE zeile SET ruhepegel = -0.5 WHERE test = %1 AND zeile = 1", 2},
        {"Ruhepegel über 150 dB", "UPDATE zeile SET ruhepegel = 150.5 WHERE test = %1 AND zeile = 1", 2},
        {"unendlicher Ruhepegel", "UPDATE zeile SET ruhepegel = 9e999 WHERE test = %1 AND zeile = 2", 2},
        {"Ruhepegel als Text", "UPDATE zeile SET ruhepegel = 'laut' WHERE test = %1 AND zeile = 1", 2},
        {"Ruhepegel ohne Messung", "UPDATE zeile SET ruhepegel = 3 WHERE test = %1 AND zeile = 3", 2},
        {"falsche Zahl gemessener Zeilen", "UPDATE test SET gemessen = 5 WHERE id = %1", 2},
        {"kleinste Zeit", "UPDATE test SET zeitpunkt = -9223372036854775808 WHERE id = %1", 1},
        {"Text als Zeit", "UPDATE test SET zeitpunkt = 'gestern' WHERE id = %1", 1},
        {"drittes Ohr", "UPDATE test SET ohr = 2 WHERE id = %1", 1},
        {"Name als Bytes", "UPDATE test SET name = x'00ff' WHERE id = %1", 1},
        {"unbekannte Kalibrierart", "UPDATE test SET eichart = 5 WHERE id = %1", 2},
        {"Kalibrierart als Text", "UPDATE test SET eichart = 'Bezugshörer' WHERE id = %1", 2},
        {"Mikrofonspannung bei Schallpegelmesser", "UPDATE test SET eichart = 2 WHERE id = %1", 2},
        {"Kalibrierart ohne Kalibrierung", "UPDATE test SET eichung = -1, eichart = 1 WHERE id = %1", 2},
        {"Datum der Grundwerte", "UPDATE test SET eichart = 0, eichdatum = '2026-03-01' WHERE id = %1", 2},
        {"Kalibrierdatum als Zahl", "UPDATE test SET eichart = 1, eichdatum = 20260301 WHERE id = %1", 2},
        {"30. Februar", "UPDATE test SET eichart = 4, eichdatum = '2026-02-30' WHERE id = %1", 2},
        {"Datum mit Uhrzeit", "UPDATE test SET eichart = 3, eichdatum = '2026-02-03T10:00' WHERE id = %1", 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString p = neu(QStringLiteral("fall"));
        ASSERT_TRUE(QFile::copy(basis, p));
        ASSERT_TRUE(sql(p, {QString::fromUtf8(f.sql).arg(a.id)}));
        Verlauf v(p);
        ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
        EXPECT_EQ(int(v.liste().size()), f.in_der_liste);
        EXPECT_EQ(v.unlesbare_Tests(), 2 - f.in_der_liste);
        EXPECT_FALSE(v.laden(a.id));
        EXPECT_TRUE(v.laden(b.id));
        // The CSV holds test b only and says that one test was left out.
        const QStringList zeilen = csv_zeilen(v);
        EXPECT_EQ(zeilen.size(), 14);
        for (const QString& z : zeilen)
            EXPECT_TRUE(z.startsWith(QStringLiteral("1;02.03.2026;10:15:30;Rechtes Ohr;"))) << qPrintable(z);
        EXPECT_EQ(v.unlesbare_Tests(), 1);
    }
    // What would be refused when read is not stored either.
    Verlauf v(basis);
    Verlauf_Test nan = Beispiel(true, 2);
    nan.zeilen[0].dB = std::nan("");
    EXPECT_FALSE(v.speichern(nan));
    EXPECT_EQ(v.grund(), QStringLiteral("der Test Werte enthält, die nicht gespeichert werden können"));
    for (const double ruhe : {-1.0, 150.1, std::nan(""), HUGE_VAL}) {
        Verlauf_Test laut = Beispiel(true, 2);
        laut.zeilen[0].ruhepegel = ruhe;
        EXPECT_FALSE(v.speichern(laut)) << ruhe;
    }
    EXPECT_EQ(v.anzahl(), 2);
}

TEST_F(VerlaufFehler, DifferenzenAusUngerundetenWertenUndGrenzenGespeichert)
{
    Einstellungstyp e{};
    for (int i = 0; i < Zeilen; ++i)
        e.Frequenzen[size_t(i)] = Frequenzen[i];
    e.Eichung = Schall_messer;
    // Levels whose rounded values differ by 0.1 dB more or less than the
    // levels themselves (row, test a, test b, b - a to 0.1 dB).
    struct Paar {
        int zeile;
        double a, b, differenz;
    };
    const Paar paare[] = {{5, 20.04, 30.06, 10.0}, {6, 33.36, 20.24, -13.1}, {9, 47.96, 48.04, 0.1}};
    std::array<double, 43> druck_a{}, druck_b{};
    for (const Paar& p : paare) {
        druck_a[size_t(Druck_index(true, p.zeile))] = double(dB_in_Pa(p.a));
        druck_b[size_t(Druck_index(true, p.zeile))] = double(dB_in_Pa(p.b));
    }
    // Row 9 of test a: "Stopp" after the end of the falling tone.
    std::array<Tonende, 43> ende{};
    ende[size_t(Druck_index(true, 9))] = Tonende::nach_abnehmendem;
    const QDateTime t0(QDate(2026, 5, 4), QTime(9, 0));
    // The room-noise marks of the store go with the rows; an excess above the
    // largest kept is kept as that, one that is no number as none.
    std::array<double, 43> ruhe{};
    ruhe[size_t(Druck_index(true, 9))] = 5;
    ruhe[size_t(Druck_index(true, 5))] = 400;
    ruhe[size_t(Druck_index(true, 6))] = std::nan("");
    Verlauf_Test a = Verlauf_Test_aus_Ergebnissen(true, druck_a, e, t0, QStringLiteral("A"), ende, ruhe);
    Verlauf_Test b = Verlauf_Test_aus_Ergebnissen(true, druck_b, e, t0.addDays(30), QStringLiteral("A"), {});
    const QString p = datei(QStringLiteral("ungerundet"));
    Verlauf v(p);
    ASSERT_TRUE(v.speichern(a));
    ASSERT_TRUE(v.speichern(b));
    const auto ga = v.laden(a.id), gb = v.laden(b.id);
    ASSERT_TRUE(ga && gb);
    const Verlauf_Vergleich vergleich = Verlauf_vergleichen(*ga, *gb);
    ASSERT_EQ(vergleich.differenzen.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const Verlauf_Differenz& d = vergleich.differenzen[i];
        EXPECT_EQ(d.frequenz, Frequenzen[paare[i].zeile - 1]);
        EXPECT_DOUBLE_EQ(d.dB, paare[i].differenz) << d.frequenz;
        EXPECT_DOUBLE_EQ(d.dBA, d.dB) << d.frequenz;
    }
    EXPECT_EQ(vergleich.differenzen[2].grenze, Verlauf_Grenze::mindestens);
    EXPECT_EQ(Verlauf_Differenz_text(vergleich.differenzen[2].dB, vergleich.differenzen[2].grenze),
              QStringLiteral("≥ +0,1"));
    EXPECT_EQ(ga->zeilen[4].ruhepegel, Ruhepegel_hoechstens_dB);
    EXPECT_EQ(ga->zeilen[5].ruhepegel, 0.0);
    EXPECT_EQ(vergleich.hinweise.back(),
              QStringLiteral("Ruhepegel zu hoch bei 1000 Hz (Test 1), 4000 Hz (Test 1): "
                             "Hörschwelle möglicherweise zu hoch gemessen."));
    // The CSV keeps the marks.
    const QStringList zeilen = csv_zeilen(v);
    ASSERT_EQ(zeilen.size(), 6);
    EXPECT_TRUE(zeilen[2].contains(QStringLiteral(";4000;48,0;")) &&
                zeilen[2].endsWith(QStringLiteral(";≤;5,0")))
        << qPrintable(zeilen[2]);
    EXPECT_TRUE(zeilen[5].contains(QStringLiteral(";4000;48,0;")) && zeilen[5].endsWith(QStringLiteral(";;")))
        << qPrintable(zeilen[5]);
}

TEST(VerlaufVergleich, GrenzenMachenDieDifferenzZurGrenze)
{
    using T = Tonende;
    struct Fall {
        Tonende a, b;
        Verlauf_Grenze grenze;
        const char* differenz;
        const char* wert_b;
    };
    const Fall faelle[] = {
        {T::waehrend, T::waehrend, Verlauf_Grenze::genau, "+7,3", "21,8"},
        {T::waehrend, T::nach_abnehmendem, Verlauf_Grenze::hoechstens, "≤ +7,3", "≤ 21,8"},
        {T::waehrend, T::nach_zunehmendem, Verlauf_Grenze::mindestens, "≥ +7,3", "≥ 21,8"},
        {T::nach_abnehmendem, T::waehrend, Verlauf_Grenze::mindestens, "≥ +7,3", "21,8"},
        {T::nach_zunehmendem, T::waehrend, Verlauf_Grenze::hoechstens, "≤ +7,3", "21,8"},
        {T::nach_zunehmendem, T::nach_abnehmendem, Verlauf_Grenze::hoechstens, "≤ +7,3", "≤ 21,8"},
        {T::nach_abnehmendem, T::nach_zunehmendem, Verlauf_Grenze::mindestens, "≥ +7,3", "≥ 21,8"},
        {T::nach_abnehmendem, T::nach_abnehmendem, Verlauf_Grenze::unbestimmt, "–", "≤ 21,8"},
        {T::nach_zunehmendem, T::nach_zunehmendem, Verlauf_Grenze::unbestimmt, "–", "≥ 21,8"},
    };
    const Verlauf_Test basis = Beispiel(true, 0);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << int(f.a) << " " << int(f.b));
        Verlauf_Test a = basis, b = basis;
        a.zeilen[4].grenze = f.a;
        b.zeilen[4].grenze = f.b;
        // A bound is another result than a threshold of the same value.
        EXPECT_EQ(Verlauf_gleiche_Ergebnisse(basis, a), f.a == T::waehrend);
        b.zeilen[4].dB += 7.3;
        b.zeilen[4].dBA += 7.3;
        const Verlauf_Vergleich v = Verlauf_vergleichen(a, b);
        const auto d = std::find_if(v.differenzen.begin(), v.differenzen.end(),
                                    [](const Verlauf_Differenz& x) { return x.frequenz == 1000; });
        ASSERT_NE(d, v.differenzen.end());
        EXPECT_EQ(d->grenze_a, f.a);
        EXPECT_EQ(d->grenze_b, f.b);
        EXPECT_EQ(d->grenze, f.grenze);
        EXPECT_EQ(Verlauf_Differenz_text(d->dB, d->grenze), QString::fromUtf8(f.differenz));
        EXPECT_EQ(Verlauf_Differenz_text(d->dBA, d->grenze), QString::fromUtf8(f.differenz));
        EXPECT_EQ(Verlauf_Wert_text(d->dB_b, d->grenze_b), QString::fromUtf8(f.wert_b));
        const bool grenze = f.grenze != Verlauf_Grenze::genau;
        const bool unbestimmt = f.grenze == Verlauf_Grenze::unbestimmt;
        ASSERT_EQ(v.hinweise.size(), size_t(grenze) + size_t(unbestimmt));
        if (grenze) {
            EXPECT_TRUE(v.hinweise[0].startsWith(QStringLiteral("Werte mit ≤ oder ≥ sind Grenzen")));
        }
        if (unbestimmt) {
            EXPECT_EQ(v.hinweise[1], QStringLiteral("Bei 1 Frequenz sind beide Werte Grenzen in dieselbe "
                                                    "Richtung: die Differenz lässt sich nicht angeben (–)."));
        }
    }
}
