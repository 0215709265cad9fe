#pragma once
// What the history's tests share: a sample test, raw access to the file as
// another program (or an earlier version) has it, and the state a program
// leaves when it is killed before its journal is copied in.
#include "core/results/verlauf.h"
#include "core/settings/einstellungen.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace verlauf_hilfen
{

inline const uint16_t Frequenzen[Zeilen] = {50,    100,   200,   500,   1000,  1500,  2000,
                                            3000,  4000,  5000,  6000,  7000,  8000,  9000,
                                            10000, 11000, 12000, 13000, 14000, 16000, 18000};

inline Verlauf_Test Beispiel(bool links, int versatz, int eichung = Schall_messer)
{
    Verlauf_Test t;
    t.zeitpunkt = QDateTime(QDate(2026, 3, 1), QTime(10, 15, 30)).addDays(versatz);
    t.links = links;
    t.pulsierend = versatz % 2 == 1;
    t.zunehmend = false;
    t.eichung = eichung;
    for (int i = 0; i < Zeilen; ++i) {
        Verlauf_Zeile& z = t.zeilen[size_t(i)];
        z.frequenz = Frequenzen[i];
        z.gemessen = i % 3 != 2;
        if (z.gemessen) {
            z.dB = 10.5 + i + versatz;
            z.dBA = -3.2 + i * 0.5 - versatz;
        }
        z.anfangsdruck = 0.0123 * (i + 1);
        z.startvolumen = 30000u + uint32_t(i);
        z.kalibrierwert = 80.25 + i;
        z.einheit = eichung == Span_nung ? Einheit_Spannung : i % 3;
        z.kalibriervolumen = 40000u + uint32_t(i);
        z.umrechnungsfaktor = eichung == Span_nung ? 12.5 + i : 0.0;
    }
    return t;
}

inline QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool schreiben(const QString& pfad, const QByteArray& b)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

// Runs SQL on a connection of its own (another program, or the first layout).
inline bool sql(const QString& pfad, const QStringList& befehle)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("roh"));
        db.setDatabaseName(pfad);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& s : befehle) {
            ok = ok && q.exec(s);
            EXPECT_TRUE(ok) << qPrintable(s) << ": " << qPrintable(q.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("roh"));
    return ok;
}

// The first number of a query on a connection of its own.
inline qint64 zahl(const QString& pfad, const QString& abfrage)
{
    qint64 n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("roh"));
        db.setDatabaseName(pfad);
        QSqlQuery q(db);
        if (db.open() && q.exec(abfrage) && q.next())
            n = q.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("roh"));
    return n;
}

// Another program reading the history: while it holds its snapshot, no
// write can be copied into the file.
class Leser
{
public:
    explicit Leser(const QString& pfad)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("leser"));
        db.setDatabaseName(pfad);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("BEGIN")) && q.exec(QStringLiteral("SELECT count(*) FROM test")) &&
                    q.next());
    }
    ~Leser()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(QStringLiteral("leser"), false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("leser"));
    }
    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;
};

// Stores `n` tests from day `versatz` on, each by its own Verlauf object as
// the program does.
inline void speichern(const QString& pfad, int n, int versatz)
{
    for (int i = 0; i < n; ++i) {
        Verlauf v(pfad);
        Verlauf_Test t = Beispiel(i % 2 == 0, versatz + i);
        ASSERT_TRUE(v.speichern(t)) << qPrintable(v.grund());
    }
}

// Stores `n` tests while another program reads, so that they stay in the
// journal, and copies the file and its journal to `ziel`: what a program
// killed before the copy-in leaves behind.
inline void Journal_stehen_lassen(const QString& pfad, int n, int versatz, const QString& ziel)
{
    Leser leser(pfad);
    speichern(pfad, n, versatz);
    ASSERT_GT(QFile(pfad + QStringLiteral("-wal")).size(), 32);
    QFile::remove(ziel);
    QFile::remove(ziel + QStringLiteral("-wal"));
    ASSERT_TRUE(QFile::copy(pfad, ziel));
    ASSERT_TRUE(QFile::copy(pfad + QStringLiteral("-wal"), ziel + QStringLiteral("-wal")));
}

// Layout of version 2, as the program wrote it before the bounds.
inline const QStringList Fassung_2 = {
    QStringLiteral(
        "CREATE TABLE test (id INTEGER PRIMARY KEY, zeitpunkt INTEGER NOT NULL, ohr INTEGER NOT "
        "NULL, pulsierend INTEGER NOT NULL, zunehmend INTEGER NOT NULL, name TEXT NOT NULL DEFAULT '',"
        " eichung INTEGER NOT NULL DEFAULT -1, gemessen INTEGER NOT NULL DEFAULT 0)"),
    QStringLiteral(
        "CREATE TABLE zeile (test INTEGER NOT NULL REFERENCES test(id) ON DELETE CASCADE, zeile "
        "INTEGER NOT NULL, frequenz INTEGER NOT NULL, dB REAL, dBA REAL, anfangsdruck REAL NOT NULL "
        "DEFAULT 0, startvolumen INTEGER NOT NULL DEFAULT 0, kalibrierwert REAL NOT NULL DEFAULT 0, "
        "einheit INTEGER NOT NULL DEFAULT 0, kalibriervolumen INTEGER NOT NULL DEFAULT 0, "
        "umrechnungsfaktor REAL NOT NULL DEFAULT 0, PRIMARY KEY (test, zeile)) WITHOUT ROWID"),
    QStringLiteral("CREATE INDEX test_zeitpunkt ON test(zeitpunkt)"),
    QStringLiteral("INSERT INTO test VALUES (4, 1700000000000, 0, 1, 0, 'Zwei', 1, 1)"),
    QStringLiteral("INSERT INTO zeile VALUES (4, 1, 1000, 25.5, 25.5, 0.1, 300, 80, 1, 400, 0)"),
    QStringLiteral("INSERT INTO zeile VALUES (4, 2, 2000, NULL, NULL, 0.1, 300, 80, 1, 400, 0)"),
    QStringLiteral("PRAGMA user_version = 2"),
};

// Layout of version 3, as the program wrote it before the calibration state:
// test 4 of version 2 with a bound, and test 5 still at the default values.
inline const QStringList Fassung_3 = [] {
    QStringList l = Fassung_2;
    l.removeLast();
    l << QStringLiteral("ALTER TABLE zeile ADD COLUMN grenze INTEGER NOT NULL DEFAULT 0")
      << QStringLiteral("CREATE TABLE kennung (wert INTEGER NOT NULL)")
      << QStringLiteral("UPDATE zeile SET grenze = 1 WHERE test = 4 AND zeile = 1")
      << QStringLiteral("INSERT INTO test VALUES (5, 1700000100000, 1, 0, 0, 'Drei', 1, 1)")
      << QStringLiteral("INSERT INTO zeile VALUES (5, 1, 1000, 30.0, 30.0, 0.1, 300, %1, 0, %2, 0, 0)")
             .arg(Grund_Eichpegel_dB)
             .arg(Grund_Lautstaerke)
      << QStringLiteral("PRAGMA user_version = 3");
    return l;
}();

// Layout of version 1: thresholds and tone options, no calibration.
inline const QStringList Fassung_1 = {
    QStringLiteral(
        "CREATE TABLE test (id INTEGER PRIMARY KEY, zeitpunkt INTEGER NOT NULL, ohr INTEGER NOT "
        "NULL, pulsierend INTEGER NOT NULL, zunehmend INTEGER NOT NULL, name TEXT NOT NULL DEFAULT '')"),
    QStringLiteral("CREATE TABLE zeile (test INTEGER NOT NULL, zeile INTEGER NOT NULL, frequenz INTEGER NOT "
                   "NULL, dB REAL, dBA REAL, PRIMARY KEY (test, zeile)) WITHOUT ROWID"),
    QStringLiteral("INSERT INTO test VALUES (7, 1700000000000, 1, 0, 1, 'Alt')"),
    QStringLiteral("INSERT INTO zeile VALUES (7, 1, 125, 20.5, 4.1)"),
    QStringLiteral("INSERT INTO zeile VALUES (7, 2, 250, NULL, NULL)"),
    QStringLiteral("INSERT INTO zeile VALUES (7, 3, 1000, 12.0, 12.0)"),
    QStringLiteral("PRAGMA user_version = 1"),
};

} // namespace verlauf_hilfen
