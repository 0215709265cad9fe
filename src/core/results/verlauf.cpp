#include "core/results/verlauf.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/shell/kvhilf.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <cmath>
#include <sqlite3.h>

namespace
{

QAtomicInt Verbindungszaehler;

int Fehlercode(const QSqlError& e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// Layout of version 2.
const char* const Schema_2[] = {
    "CREATE TABLE test ("
    " id INTEGER PRIMARY KEY,"
    " zeitpunkt INTEGER NOT NULL," // ms since 1970 UTC
    " ohr INTEGER NOT NULL,"       // 0 left, 1 right
    " pulsierend INTEGER NOT NULL,"
    " zunehmend INTEGER NOT NULL,"
    " name TEXT NOT NULL DEFAULT '',"
    " eichung INTEGER NOT NULL DEFAULT -1,"
    " gemessen INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE zeile ("
    " test INTEGER NOT NULL REFERENCES test(id) ON DELETE CASCADE,"
    " zeile INTEGER NOT NULL,"
    " frequenz INTEGER NOT NULL,"
    " dB REAL," // NULL: not measured
    " dBA REAL,"
    " anfangsdruck REAL NOT NULL DEFAULT 0,"
    " startvolumen INTEGER NOT NULL DEFAULT 0,"
    " kalibrierwert REAL NOT NULL DEFAULT 0,"
    " einheit INTEGER NOT NULL DEFAULT 0,"
    " kalibriervolumen INTEGER NOT NULL DEFAULT 0,"
    " umrechnungsfaktor REAL NOT NULL DEFAULT 0,"
    " PRIMARY KEY (test, zeile)) WITHOUT ROWID",
    "CREATE INDEX test_zeitpunkt ON test(zeitpunkt)",
    "PRAGMA user_version = 2",
};

// Version 1 kept the thresholds and tone options only; version 2 adds the
// calibration, the count of measured rows and the index of the list.
const char* const Schritt_1_zu_2[] = {
    "ALTER TABLE test ADD COLUMN eichung INTEGER NOT NULL DEFAULT -1",
    "ALTER TABLE test ADD COLUMN gemessen INTEGER NOT NULL DEFAULT 0",
    "UPDATE test SET gemessen = (SELECT count(*) FROM zeile WHERE zeile.test = test.id AND dB IS NOT NULL)",
    "ALTER TABLE zeile ADD COLUMN anfangsdruck REAL NOT NULL DEFAULT 0",
    "ALTER TABLE zeile ADD COLUMN startvolumen INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE zeile ADD COLUMN kalibrierwert REAL NOT NULL DEFAULT 0",
    "ALTER TABLE zeile ADD COLUMN einheit INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE zeile ADD COLUMN kalibriervolumen INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE zeile ADD COLUMN umrechnungsfaktor REAL NOT NULL DEFAULT 0",
    "CREATE INDEX test_zeitpunkt ON test(zeitpunkt)",
    "PRAGMA user_version = 2",
};

// What every version must offer to be read: a file whose tables lack these
// columns belongs to another program.
const char* const Pruefung_1[] = {
    "SELECT id, zeitpunkt, ohr, pulsierend, zunehmend, name FROM test LIMIT 0",
    "SELECT test, zeile, frequenz, dB, dBA FROM zeile LIMIT 0",
};
const char* const Pruefung_2[] = {
    "SELECT id, zeitpunkt, ohr, pulsierend, zunehmend, name, eichung, gemessen FROM test LIMIT 0",
    "SELECT test, zeile, frequenz, dB, dBA, anfangsdruck, startvolumen, kalibrierwert, einheit,"
    " kalibriervolumen, umrechnungsfaktor FROM zeile LIMIT 0",
};

QString Zahl(double x)
{
    return extendedzustring(1, 1, x);
}

// A CSV field: quoted when it holds a separator, a quote or a line break; a
// name that a spreadsheet would take for a formula gets a leading apostrophe.
QString Csv_Feld(QString s)
{
    if (!s.isEmpty() && QStringLiteral("=+-@").contains(s.front()))
        s.prepend(QLatin1Char('\''));
    if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n')) ||
        s.contains(QLatin1Char('\r'))) {
        s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        s = QLatin1Char('"') + s + QLatin1Char('"');
    }
    return s;
}

QString Eichung_text(int eichung)
{
    switch (eichung) {
    case Span_nung:
        return QStringLiteral("Mikrofonspannung");
    case Schall_messer:
        return QStringLiteral("Schallpegelmesser");
    default:
        return QStringLiteral("unbekannt");
    }
}

bool verschieden(double a, double b)
{
    return std::fabs(a - b) > 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

bool Kalibrierung_verschieden(const Verlauf_Zeile& a, const Verlauf_Zeile& b)
{
    return verschieden(a.anfangsdruck, b.anfangsdruck) || a.startvolumen != b.startvolumen ||
           verschieden(a.kalibrierwert, b.kalibrierwert) || a.einheit != b.einheit ||
           a.kalibriervolumen != b.kalibriervolumen || verschieden(a.umrechnungsfaktor, b.umrechnungsfaktor);
}

} // namespace

int Verlauf_Test::gemessene_Zeilen() const
{
    int n = 0;
    for (const auto& z : zeilen)
        n += z.gemessen ? 1 : 0;
    return n;
}

QString Ohr_text(bool links)
{
    return links ? QStringLiteral("Linkes Ohr") : QStringLiteral("Rechtes Ohr");
}

QString Tonart_text(bool zunehmend, bool pulsierend)
{
    QString s = zunehmend ? QStringLiteral("zunehmend") : QStringLiteral("abnehmend");
    if (pulsierend)
        s += QStringLiteral(", pulsierend");
    return s;
}

Verlauf_Test Verlauf_Test_aus_Ergebnissen(bool links, const std::array<double, 43>& druck,
                                          const Einstellungstyp& e, const QDateTime& zeitpunkt,
                                          const QString& name)
{
    Verlauf_Test t;
    t.zeitpunkt = zeitpunkt;
    t.links = links;
    t.pulsierend = e.pulsierend != 0;
    t.zunehmend = e.zunehmend != 0;
    t.eichung = e.Eichung == Span_nung ? Span_nung : Schall_messer;
    t.name = name.trimmed();
    const Dezibel_Ergebnis d = Hoertest_Dezibel_berechnen(druck, e.Frequenzen, false);
    const int ohr = links ? 0 : 1;
    const auto& volumen = links ? e.Links_Volume1 : e.Rechts_Volume1;
    for (int i = 1; i <= Zeilen; ++i) {
        Verlauf_Zeile& z = t.zeilen[size_t(i - 1)];
        const size_t k = size_t(Druck_index(links, i));
        z.frequenz = e.Frequenzen[size_t(i - 1)];
        z.gemessen = links ? d.gemessen_links[size_t(i)] : d.gemessen_rechts[size_t(i)];
        if (z.gemessen) {
            z.dB = d.dB_werte[k];
            z.dBA = d.dBA_werte[k];
        }
        z.startvolumen = volumen[0][size_t(i - 1)];
        if (t.eichung == Span_nung) {
            z.anfangsdruck = e.Spannung1[0][size_t(ohr)][size_t(i - 1)];
            z.kalibrierwert = e.Spannung1[1][size_t(ohr)][size_t(i - 1)];
            z.einheit = Einheit_Spannung;
            z.kalibriervolumen = volumen[1][size_t(i - 1)];
            z.umrechnungsfaktor =
                links ? e.Um_Fak_U_p_links[size_t(i - 1)] : e.Um_Fak_U_p_rechts[size_t(i - 1)];
        } else {
            z.anfangsdruck = e.Spannung1[2][size_t(ohr)][size_t(i - 1)];
            z.kalibrierwert = e.Spannung1[3][size_t(ohr)][size_t(i - 1)];
            z.einheit = e.Schallmesser[size_t(ohr)][size_t(i - 1)];
            z.kalibriervolumen = volumen[2][size_t(i - 1)];
        }
    }
    return t;
}

// ---- The database ------------------------------------------------------------------

void Verlauf_Journal_einarbeiten(const QString& pfad)
{
    if (!QFileInfo::exists(pfad + QStringLiteral("-wal")))
        return;
    const QString name = QStringLiteral("Verlauf_%1").arg(Verbindungszaehler.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(pfad);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
        // This connection keeps SQLite's own behaviour: the last connection
        // to close copies the journal in and deletes it.
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
}

Verlauf::Verlauf(const QString& pfad)
    : pfad_(pfad), verbindung_(QStringLiteral("Verlauf_%1").arg(Verbindungszaehler.fetchAndAddRelaxed(1)))
{
    oeffnen();
}

Verlauf::~Verlauf()
{
    trennen();
}

bool Verlauf::verbinden()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung_);
    db.setDatabaseName(pfad_);
    // Another program holding the file waits at most this long; the
    // hearing test must not hang on it.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (db.open()) {
        // Closing would copy the journal into the file each time, with two
        // waits for the disk; SQLite does that instead every 1000 pages
        // written, and the journal beside the file is part of the history.
        const QVariant griff = db.driver()->handle();
        if (griff.isValid() && qstrcmp(griff.typeName(), "sqlite3*") == 0)
            if (sqlite3* s = *static_cast<sqlite3* const*>(griff.constData()))
                sqlite3_db_config(s, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        return true;
    }
    const QSqlError e = db.lastError();
    grund_ = Fehlercode(e) == SQLITE_CANTOPEN
                 ? QStringLiteral("die Datei nicht geöffnet oder angelegt werden kann")
                 : QStringLiteral("die Datei nicht geöffnet werden kann (%1)").arg(e.text());
    return false;
}

void Verlauf::trennen()
{
    if (!QSqlDatabase::contains(verbindung_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(verbindung_);
}

void Verlauf::oeffnen()
{
    grund_.clear();
    const QFileInfo info(pfad_);
    if (info.exists() && !info.isFile()) {
        grund_ = QStringLiteral("an ihrer Stelle keine gewöhnliche Datei liegt");
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    // A file that does not start like a database is refused before SQLite
    // sees it: its journal could otherwise show pages of the earlier file
    // in place of what now lies there.
    {
        QFile f(pfad_);
        if (f.size() > 0 && f.open(QIODevice::ReadOnly) && f.read(16) != QByteArray("SQLite format 3", 16)) {
            f.close();
            beiseite_legen_und_neu(QStringLiteral("die Datei keine Datenbank ist"));
            return;
        }
    }
    if (!verbinden()) {
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    bool fremd = false;
    if (Schema_pruefen_anlegen(fremd)) {
        zustand_ = Zustand::bereit;
        return;
    }
    if (fremd)
        beiseite_legen_und_neu(grund_);
    else
        zustand_ = Zustand::nicht_lesbar;
}

bool Verlauf::Schema_pruefen_anlegen(bool& fremd)
{
    fremd = false;
    QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
    QSqlQuery q(db);
    auto gescheitert = [&](const QSqlError& e) {
        const int code = Fehlercode(e);
        if (code == SQLITE_NOTADB) {
            fremd = true;
            grund_ = QStringLiteral("die Datei keine Datenbank ist");
        } else if (code == SQLITE_CORRUPT) {
            fremd = true;
            grund_ = QStringLiteral("die Datei beschädigt ist");
        } else if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            grund_ = QStringLiteral("die Datei von einem anderen Programm gesperrt ist");
        } else if (code == SQLITE_CANTOPEN || code == SQLITE_READONLY) {
            grund_ = QStringLiteral("die Datei nicht geöffnet oder angelegt werden kann");
        } else {
            grund_ = QStringLiteral("die Datei nicht gelesen werden kann (%1)").arg(e.text());
        }
        return false;
    };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return gescheitert(q.lastError());
    const int version = q.value(0).toInt();
    q.finish();
    if (version > Verlauf_Version) {
        grund_ = QStringLiteral("die Datei von einer neueren Programmversion stammt");
        return false;
    }
    // WAL: a writer killed in the middle leaves the previous state readable,
    // and the list can be read while a test is written. On a read-only
    // medium the mode stays as it is; reading still works.
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.finish();
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    q.finish();

    if (version == 0) {
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
            return gescheitert(q.lastError());
        const int objekte = q.value(0).toInt();
        q.finish();
        if (objekte > 0) {
            fremd = true;
            grund_ = QStringLiteral("die Datei von einem anderen Programm stammt");
            return false;
        }
    } else {
        const auto& pruefung = version == 1 ? Pruefung_1 : Pruefung_2;
        for (const char* sql : pruefung) {
            if (!q.exec(QString::fromLatin1(sql))) {
                const int code = Fehlercode(q.lastError());
                if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_NOTADB ||
                    code == SQLITE_CORRUPT)
                    return gescheitert(q.lastError());
                fremd = true;
                grund_ = QStringLiteral("die Datei von einem anderen Programm stammt");
                return false;
            }
            q.finish();
        }
        if (version == Verlauf_Version)
            return true;
    }

    // Create (version 0) or update (version 1) in one transaction.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return gescheitert(q.lastError());
    auto schritte = [&](auto const& liste) {
        for (const char* sql : liste)
            if (!q.exec(QString::fromLatin1(sql)))
                return false;
        return true;
    };
    const bool ok = version == 0 ? schritte(Schema_2) : schritte(Schritt_1_zu_2);
    if (!ok || !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError e = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        const int code = Fehlercode(e);
        if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN) {
            grund_ = QStringLiteral("der Datenträger schreibgeschützt ist");
            return false;
        }
        return gescheitert(e);
    }
    return true;
}

void Verlauf::beiseite_legen_und_neu(const QString& grund)
{
    trennen();
    const QString stempel = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString ziel = pfad_ + QLatin1Char('.') + stempel;
    for (int n = 2; QFileInfo::exists(ziel); ++n)
        ziel = pfad_ + QLatin1Char('.') + stempel + QLatin1Char('_') + QString::number(n);
    // The journal belongs to the damaged file: it goes along under the name
    // SQLite looks for, so that it never meets the new file.
    if (!QFile::rename(pfad_, ziel)) {
        grund_ = grund + QStringLiteral(" und sie nicht beiseitegelegt werden kann");
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    for (const char* endung : {"-wal", "-shm"}) {
        const QString alt = pfad_ + QLatin1String(endung);
        if (QFileInfo::exists(alt) && !QFile::rename(alt, ziel + QLatin1String(endung)))
            QFile::remove(alt);
    }
    verschoben_ = ziel;
    grund_ = grund;
    bool fremd = false;
    const QString grund_alt = grund_;
    if (verbinden() && Schema_pruefen_anlegen(fremd)) {
        grund_ = grund_alt;
        zustand_ = Zustand::ersetzt;
        return;
    }
    zustand_ = Zustand::nicht_lesbar;
}

bool Verlauf::Fehler_behandeln(int code, const QString& text, bool beim_schreiben)
{
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        beiseite_legen_und_neu(code == SQLITE_NOTADB ? QStringLiteral("die Datei keine Datenbank ist")
                                                     : QStringLiteral("die Datei beschädigt ist"));
        return zustand_ == Zustand::ersetzt;
    }
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        grund_ = QStringLiteral("die Datei von einem anderen Programm gesperrt ist");
    else if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN)
        grund_ = QStringLiteral("der Datenträger schreibgeschützt ist");
    else if (code == SQLITE_FULL)
        grund_ = QStringLiteral("der Datenträger voll ist");
    else if (code == SQLITE_IOERR)
        grund_ = QStringLiteral("ein Schreib- oder Lesefehler auftrat");
    else
        grund_ = text;
    if (beim_schreiben)
        zustand_ = Zustand::nicht_schreibbar;
    return false;
}

bool Verlauf::speichern(Verlauf_Test& t)
{
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (!lesbar())
            return false;
        QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
        int code = 0;
        QString text;
        {
            QSqlQuery q(db);
            auto fehler = [&](QSqlQuery& qq) {
                code = Fehlercode(qq.lastError());
                text = qq.lastError().text();
                return false;
            };
            auto schreiben = [&]() {
                if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
                    return fehler(q);
                q.prepare(
                    QStringLiteral("INSERT INTO test (zeitpunkt, ohr, pulsierend, zunehmend, name, eichung,"
                                   " gemessen) VALUES (?, ?, ?, ?, ?, ?, ?)"));
                q.addBindValue(qint64(t.zeitpunkt.toMSecsSinceEpoch()));
                q.addBindValue(t.links ? 0 : 1);
                q.addBindValue(t.pulsierend ? 1 : 0);
                q.addBindValue(t.zunehmend ? 1 : 0);
                // A null text would be bound as NULL.
                q.addBindValue(t.name.isNull() ? QString(QLatin1String("")) : t.name);
                q.addBindValue(t.eichung);
                q.addBindValue(t.gemessene_Zeilen());
                if (!q.exec())
                    return fehler(q);
                const qint64 id = q.lastInsertId().toLongLong();
                if (Schreibhaken)
                    Schreibhaken();
                QSqlQuery z(db);
                z.prepare(QStringLiteral("INSERT INTO zeile (test, zeile, frequenz, dB, dBA, anfangsdruck,"
                                         " startvolumen, kalibrierwert, einheit, kalibriervolumen,"
                                         " umrechnungsfaktor) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
                for (int i = 0; i < Zeilen; ++i) {
                    const Verlauf_Zeile& r = t.zeilen[size_t(i)];
                    z.addBindValue(id);
                    z.addBindValue(i + 1);
                    z.addBindValue(int(r.frequenz));
                    z.addBindValue(r.gemessen ? QVariant(r.dB) : QVariant(QMetaType(QMetaType::Double)));
                    z.addBindValue(r.gemessen ? QVariant(r.dBA) : QVariant(QMetaType(QMetaType::Double)));
                    z.addBindValue(r.anfangsdruck);
                    z.addBindValue(qint64(r.startvolumen));
                    z.addBindValue(r.kalibrierwert);
                    z.addBindValue(r.einheit);
                    z.addBindValue(qint64(r.kalibriervolumen));
                    z.addBindValue(r.umrechnungsfaktor);
                    if (!z.exec())
                        return fehler(z);
                }
                if (!q.exec(QStringLiteral("COMMIT")))
                    return fehler(q);
                t.id = id;
                return true;
            };
            if (schreiben())
                return true;
            q.exec(QStringLiteral("ROLLBACK"));
        }
        if (!Fehler_behandeln(code, text, true))
            return false;
    }
    return false;
}

std::vector<Verlauf_Eintrag> Verlauf::liste()
{
    std::vector<Verlauf_Eintrag> ergebnis;
    for (int versuch = 0; versuch < 2 && lesbar(); ++versuch) {
        int code = 0;
        QString text;
        {
            QSqlQuery q(QSqlDatabase::database(verbindung_, false));
            q.setForwardOnly(true);
            if (q.exec(QStringLiteral(
                    "SELECT id, zeitpunkt, ohr, pulsierend, zunehmend, gemessen, name FROM test"
                    " ORDER BY zeitpunkt DESC, id DESC"))) {
                ergebnis.reserve(size_t(std::max(0, anzahl())));
                while (q.next()) {
                    Verlauf_Eintrag e;
                    e.id = q.value(0).toLongLong();
                    e.zeitpunkt_ms = q.value(1).toLongLong();
                    e.links = q.value(2).toInt() == 0;
                    e.pulsierend = q.value(3).toInt() != 0;
                    e.zunehmend = q.value(4).toInt() != 0;
                    e.gemessen = q.value(5).toInt();
                    e.name = q.value(6).toString();
                    ergebnis.push_back(std::move(e));
                }
                if (!q.lastError().isValid())
                    return ergebnis;
            }
            code = Fehlercode(q.lastError());
            text = q.lastError().text();
        }
        ergebnis.clear();
        if (!Fehler_behandeln(code, text, false))
            break;
    }
    return ergebnis;
}

int Verlauf::anzahl()
{
    if (!lesbar())
        return 0;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM test")) || !q.next())
        return 0;
    return q.value(0).toInt();
}

std::optional<Verlauf_Test> Verlauf::laden(int64_t id)
{
    if (!lesbar())
        return std::nullopt;
    int code = 0;
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "SELECT zeitpunkt, ohr, pulsierend, zunehmend, name, eichung FROM test WHERE id = ?"));
        q.addBindValue(qint64(id));
        if (q.exec()) {
            if (!q.next())
                return std::nullopt;
            Verlauf_Test t;
            t.id = id;
            t.zeitpunkt = QDateTime::fromMSecsSinceEpoch(q.value(0).toLongLong());
            t.links = q.value(1).toInt() == 0;
            t.pulsierend = q.value(2).toInt() != 0;
            t.zunehmend = q.value(3).toInt() != 0;
            t.name = q.value(4).toString();
            t.eichung = q.value(5).toInt();
            QSqlQuery z(db);
            z.prepare(
                QStringLiteral("SELECT zeile, frequenz, dB, dBA, anfangsdruck, startvolumen, kalibrierwert,"
                               " einheit, kalibriervolumen, umrechnungsfaktor FROM zeile WHERE test = ?"));
            z.addBindValue(qint64(id));
            if (z.exec()) {
                while (z.next()) {
                    const int i = z.value(0).toInt();
                    if (i < 1 || i > Zeilen)
                        continue;
                    Verlauf_Zeile& r = t.zeilen[size_t(i - 1)];
                    r.frequenz = uint16_t(z.value(1).toInt());
                    r.gemessen = !z.value(2).isNull();
                    r.dB = z.value(2).toDouble();
                    r.dBA = z.value(3).toDouble();
                    r.anfangsdruck = z.value(4).toDouble();
                    r.startvolumen = uint32_t(z.value(5).toLongLong());
                    r.kalibrierwert = z.value(6).toDouble();
                    r.einheit = z.value(7).toInt();
                    r.kalibriervolumen = uint32_t(z.value(8).toLongLong());
                    r.umrechnungsfaktor = z.value(9).toDouble();
                }
                if (!z.lastError().isValid())
                    return t;
            }
            code = Fehlercode(z.lastError());
            text = z.lastError().text();
        } else {
            code = Fehlercode(q.lastError());
            text = q.lastError().text();
        }
    }
    Fehler_behandeln(code, text, false);
    return std::nullopt;
}

std::optional<Verlauf_Test> Verlauf::neuester(bool links)
{
    if (!lesbar())
        return std::nullopt;
    int64_t id = 0;
    {
        QSqlQuery q(QSqlDatabase::database(verbindung_, false));
        q.prepare(
            QStringLiteral("SELECT id FROM test WHERE ohr = ? ORDER BY zeitpunkt DESC, id DESC LIMIT 1"));
        q.addBindValue(links ? 0 : 1);
        if (!q.exec() || !q.next())
            return std::nullopt;
        id = q.value(0).toLongLong();
    }
    return laden(id);
}

bool Verlauf::loeschen(int64_t id)
{
    if (!lesbar())
        return false;
    int code = 0;
    QString text;
    {
        QSqlQuery q(QSqlDatabase::database(verbindung_, false));
        auto ausfuehren = [&]() {
            if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
                return false;
            q.prepare(QStringLiteral("DELETE FROM zeile WHERE test = ?"));
            q.addBindValue(qint64(id));
            if (!q.exec())
                return false;
            q.prepare(QStringLiteral("DELETE FROM test WHERE id = ?"));
            q.addBindValue(qint64(id));
            return q.exec() && q.exec(QStringLiteral("COMMIT"));
        };
        if (ausfuehren())
            return true;
        code = Fehlercode(q.lastError());
        text = q.lastError().text();
        q.exec(QStringLiteral("ROLLBACK"));
    }
    Fehler_behandeln(code, text, true);
    return false;
}

std::optional<QByteArray> Verlauf::csv()
{
    if (!lesbar())
        return std::nullopt;
    QString s;
    s += QChar(0xFEFF);
    s += QStringLiteral("Nr;Datum;Uhrzeit;Ohr;Ton;Name;Kalibrierung;Frequenz in Hz;Hörschwelle in dB;"
                        "Hörschwelle in dB(A)\r\n");
    int code = 0;
    QString text;
    {
        QSqlQuery q(QSqlDatabase::database(verbindung_, false));
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral(
                "SELECT t.id, t.zeitpunkt, t.ohr, t.pulsierend, t.zunehmend, t.name, t.eichung,"
                " z.frequenz, z.dB, z.dBA FROM test t JOIN zeile z ON z.test = t.id"
                " WHERE z.dB IS NOT NULL ORDER BY t.zeitpunkt, t.id, z.zeile"))) {
            code = Fehlercode(q.lastError());
            text = q.lastError().text();
        }
        int64_t letzte_id = -1;
        int nr = 0;
        QString kopf;
        while (q.next()) {
            const int64_t id = q.value(0).toLongLong();
            if (id != letzte_id) {
                letzte_id = id;
                ++nr;
                const QDateTime zeit = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong());
                kopf = QString::number(nr) + QLatin1Char(';') + zeit.toString(QStringLiteral("dd.MM.yyyy")) +
                       QLatin1Char(';') + zeit.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(';') +
                       Ohr_text(q.value(2).toInt() == 0) + QLatin1Char(';') +
                       Tonart_text(q.value(4).toInt() != 0, q.value(3).toInt() != 0) + QLatin1Char(';') +
                       Csv_Feld(q.value(5).toString()) + QLatin1Char(';') + Eichung_text(q.value(6).toInt()) +
                       QLatin1Char(';');
            }
            s += kopf + QString::number(q.value(7).toInt()) + QLatin1Char(';') + Zahl(q.value(8).toDouble()) +
                 QLatin1Char(';') + Zahl(q.value(9).toDouble()) + QStringLiteral("\r\n");
        }
        if (!q.lastError().isValid())
            return s.toUtf8();
        code = Fehlercode(q.lastError());
        text = q.lastError().text();
    }
    Fehler_behandeln(code, text, false);
    return std::nullopt;
}

// ---- Comparison ------------------------------------------------------------------------

bool Verlauf_gleiche_Ergebnisse(const Verlauf_Test& a, const Verlauf_Test& b)
{
    if (a.links != b.links || a.pulsierend != b.pulsierend || a.zunehmend != b.zunehmend ||
        a.eichung != b.eichung)
        return false;
    for (size_t i = 0; i < a.zeilen.size(); ++i) {
        const Verlauf_Zeile &x = a.zeilen[i], &y = b.zeilen[i];
        if (x.frequenz != y.frequenz || x.gemessen != y.gemessen || Kalibrierung_verschieden(x, y))
            return false;
        if (x.gemessen && (verschieden(x.dB, y.dB) || verschieden(x.dBA, y.dBA)))
            return false;
    }
    return true;
}

Verlauf_Vergleich Verlauf_vergleichen(const Verlauf_Test& a, const Verlauf_Test& b)
{
    Verlauf_Vergleich v;
    int kalibrierung_anders = 0;
    bool frequenzen_anders = false;
    for (const Verlauf_Zeile& za : a.zeilen) {
        const Verlauf_Zeile* zb = nullptr;
        for (const Verlauf_Zeile& k : b.zeilen)
            if (k.frequenz == za.frequenz) {
                zb = &k;
                break;
            }
        if (!zb) {
            frequenzen_anders = true;
            continue;
        }
        if (a.eichung == b.eichung && a.eichung != Eichung_unbekannt && Kalibrierung_verschieden(za, *zb))
            ++kalibrierung_anders;
        if (!za.gemessen || !zb->gemessen)
            continue;
        Verlauf_Differenz d;
        d.frequenz = za.frequenz;
        d.dB_a = za.dB;
        d.dB_b = zb->dB;
        d.dBA_a = za.dBA;
        d.dBA_b = zb->dBA;
        d.dB = std::round((zb->dB - za.dB) * 10.0) / 10.0;
        d.dBA = std::round((zb->dBA - za.dBA) * 10.0) / 10.0;
        v.differenzen.push_back(d);
    }
    if (a.links != b.links)
        v.hinweise.push_back(QStringLiteral("Die beiden Tests betreffen verschiedene Ohren."));
    if (a.zunehmend != b.zunehmend || a.pulsierend != b.pulsierend)
        v.hinweise.push_back(
            QStringLiteral("Die Tests wurden mit verschiedenen Tönen gemacht: %1 und %2.")
                .arg(Tonart_text(a.zunehmend, a.pulsierend), Tonart_text(b.zunehmend, b.pulsierend)));
    if (a.eichung == Eichung_unbekannt || b.eichung == Eichung_unbekannt)
        v.hinweise.push_back(QStringLiteral(
            "Für einen der Tests ist keine Kalibrierung gespeichert; die Kalibrierungen können "
            "nicht verglichen werden."));
    else if (a.eichung != b.eichung)
        v.hinweise.push_back(QStringLiteral("Die Tests beruhen auf verschiedenen Kalibrierungen: %1 und %2.")
                                 .arg(Eichung_text(a.eichung), Eichung_text(b.eichung)));
    else if (kalibrierung_anders > 0)
        v.hinweise.push_back(
            QStringLiteral("Die Kalibrierwerte der beiden Tests unterscheiden sich bei %1 %2.")
                .arg(kalibrierung_anders)
                .arg(kalibrierung_anders == 1 ? QStringLiteral("Frequenz") : QStringLiteral("Frequenzen")));
    if (frequenzen_anders)
        v.hinweise.push_back(
            QStringLiteral("Die Testfrequenzen der beiden Tests sind verschieden; verglichen "
                           "werden nur gleiche Frequenzen."));
    return v;
}
