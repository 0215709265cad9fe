#include "core/results/verlauf.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"
#include "core/shell/sprache.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <sqlite3.h>
#include <unistd.h>

namespace
{

QAtomicInt Verbindungszaehler;

// A journal of this size holds only its header, no writes.
constexpr qint64 Journal_kopf = 32;
// Milliseconds since 1970 of 31.12.9999 23:59:59.999 UTC: the latest time stored.
constexpr int64_t Zeitpunkt_hoechstens_ms = 253402300799999;
// Largest threshold level (dB) taken for a measurement.
constexpr double Pegel_hoechstens = 1000;
constexpr int Busy_ms = 1000;

// Why the history cannot be read or written, as the end of the sentence
// "Der Verlauf kann nicht gelesen werden, weil …" (the window puts the start).
QString Text_schreibgeschuetzt()
{
    //: End of a sentence: "The history cannot be read/written because …"
    return QCoreApplication::translate("verlauf", "der Datenträger schreibgeschützt ist");
}

QString Text_fremd()
{
    //: End of a sentence: "The history cannot be read because …"
    return QCoreApplication::translate("verlauf", "die Datei von einem anderen Programm stammt");
}

QString Text_keine_Datenbank()
{
    //: End of a sentence: "The history cannot be read because …"
    return QCoreApplication::translate("verlauf", "die Datei keine Datenbank ist");
}

QString Text_nicht_anzulegen()
{
    //: End of a sentence: "The history cannot be read because …"
    return QCoreApplication::translate("verlauf", "die Datei nicht geöffnet oder angelegt werden kann");
}

int Fehlercode(const QSqlError& e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// A failure as the end of "... weil ".
QString Fehler_text(int code, bool beim_schreiben)
{
    switch (code) {
    case SQLITE_CORRUPT:
        //: End of a sentence: "The history cannot be read because …"
        return QCoreApplication::translate("verlauf", "die Datei beschädigt ist");
    case SQLITE_NOTADB:
        return Text_keine_Datenbank();
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        //: End of a sentence: "The history cannot be read because …"
        return QCoreApplication::translate("verlauf", "die Datei von einem anderen Programm gesperrt ist");
    case SQLITE_READONLY:
        return Text_schreibgeschuetzt();
    case SQLITE_CANTOPEN:
        return beim_schreiben ? Text_schreibgeschuetzt() : Text_nicht_anzulegen();
    case SQLITE_FULL:
        //: End of a sentence: "The history cannot be read because …"
        return QCoreApplication::translate("verlauf", "der Datenträger voll ist");
    case SQLITE_IOERR:
        //: End of a sentence: "The history cannot be read because …"
        return QCoreApplication::translate("verlauf", "ein Schreib- oder Lesefehler auftrat");
    default:
        //: End of a sentence: "The history cannot be read because …"; %1: the database's error number.
        return QCoreApplication::translate("verlauf", "die Datenbank den Fehler %1 meldet").arg(code);
    }
}

// ---- Layout ------------------------------------------------------------------------

// Layout of version 4.
const char* const Schema_4[] = {
    "CREATE TABLE test ("
    " id INTEGER PRIMARY KEY,"
    " zeitpunkt INTEGER NOT NULL," // ms since 1970 UTC
    " ohr INTEGER NOT NULL,"       // 0 left, 1 right
    " pulsierend INTEGER NOT NULL,"
    " zunehmend INTEGER NOT NULL,"
    " name TEXT NOT NULL DEFAULT '',"
    " eichung INTEGER NOT NULL DEFAULT -1,"
    " gemessen INTEGER NOT NULL DEFAULT 0,"
    " eichart INTEGER NOT NULL DEFAULT -1," // Eichart, -1 not kept
    " eichdatum TEXT NOT NULL DEFAULT '')", // yyyy-MM-dd, '' not known
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
    " grenze INTEGER NOT NULL DEFAULT 0," // Tonende
    " ruhepegel REAL NOT NULL DEFAULT 0," // dB above the room-noise limit, 0 none
    " PRIMARY KEY (test, zeile)) WITHOUT ROWID",
    "CREATE INDEX test_zeitpunkt ON test(zeitpunkt)",
    // The identities the file may have under its journal (see the header).
    "CREATE TABLE kennung (wert INTEGER NOT NULL)",
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
};
// Version 3 adds the bounds and the file's identities.
const char* const Schritt_2_zu_3[] = {
    "ALTER TABLE zeile ADD COLUMN grenze INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE kennung (wert INTEGER NOT NULL)",
};
// Version 4 adds the ear's calibration state (kind and date) of each test and
// the room-noise mark of each row; earlier tests keep "not kept" and "none"
// and are shown as before.
const char* const Schritt_3_zu_4[] = {
    "ALTER TABLE test ADD COLUMN eichart INTEGER NOT NULL DEFAULT -1",
    "ALTER TABLE test ADD COLUMN eichdatum TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE zeile ADD COLUMN ruhepegel REAL NOT NULL DEFAULT 0",
};

// A column as PRAGMA table_xinfo reports it.
struct Spalte {
    const char* name;
    const char* typ;
    bool nicht_null;
    int schluessel; // position in the primary key, 0 = none
};
const Spalte Spalten_test[] = {
    {"id", "INTEGER", false, 1},        {"zeitpunkt", "INTEGER", true, 0}, {"ohr", "INTEGER", true, 0},
    {"pulsierend", "INTEGER", true, 0}, {"zunehmend", "INTEGER", true, 0}, {"name", "TEXT", true, 0},
    {"eichung", "INTEGER", true, 0},    {"gemessen", "INTEGER", true, 0},  {"eichart", "INTEGER", true, 0},
    {"eichdatum", "TEXT", true, 0},
};
const Spalte Spalten_zeile[] = {
    {"test", "INTEGER", true, 1},
    {"zeile", "INTEGER", true, 2},
    {"frequenz", "INTEGER", true, 0},
    {"dB", "REAL", false, 0},
    {"dBA", "REAL", false, 0},
    {"anfangsdruck", "REAL", true, 0},
    {"startvolumen", "INTEGER", true, 0},
    {"kalibrierwert", "REAL", true, 0},
    {"einheit", "INTEGER", true, 0},
    {"kalibriervolumen", "INTEGER", true, 0},
    {"umrechnungsfaktor", "REAL", true, 0},
    {"grenze", "INTEGER", true, 0},
    {"ruhepegel", "REAL", true, 0},
};
const Spalte Spalten_kennung[] = {{"wert", "INTEGER", true, 0}};
// Columns of each table in versions 1 to 4 (index: version).
constexpr int Anzahl_test[] = {0, 6, 8, 8, 10};
constexpr int Anzahl_zeile[] = {0, 5, 11, 12, 13};
static_assert(std::size(Anzahl_test) == Verlauf_Version + 1 &&
              std::size(Anzahl_zeile) == Verlauf_Version + 1);
static_assert(std::size(Spalten_test) == Anzahl_test[Verlauf_Version] &&
              std::size(Spalten_zeile) == Anzahl_zeile[Verlauf_Version]);

enum class Aufbau { passt, leer, fremd, fehler };

struct Aufbau_Befund {
    Aufbau art = Aufbau::fehler;
    int version = 0;
    int code = 0; // Aufbau::fehler
};

// Reads the version and checks the file's objects against the layout of that
// version: the tables with their columns' names, types, NOT NULL and keys, the
// index, the foreign key and nothing else (no trigger, view or other table;
// SQLite's statistics aside).
Aufbau_Befund Aufbau_lesen(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    Aufbau_Befund b;
    auto fehler = [&]() {
        b.art = Aufbau::fehler;
        b.code = Fehlercode(q.lastError());
        return b;
    };
    auto ergebnis = [&](Aufbau a) {
        b.art = a;
        return b;
    };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return fehler();
    b.version = q.value(0).toInt();
    q.finish();
    struct Objekt {
        QString typ, name, tabelle, sql;
    };
    std::vector<Objekt> objekte;
    if (!q.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master")))
        return fehler();
    while (q.next())
        objekte.push_back(
            {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    if (q.lastError().isValid())
        return fehler();
    q.finish();
    if (b.version == 0)
        return ergebnis(objekte.empty() ? Aufbau::leer : Aufbau::fremd);
    if (b.version < 0)
        return ergebnis(Aufbau::fremd);
    if (b.version > Verlauf_Version)
        return ergebnis(Aufbau::passt); // the caller refuses it as newer

    struct Erwartet {
        const char* typ;
        const char* name;
        const char* tabelle;
        bool gefunden = false;
    };
    std::vector<Erwartet> erwartet = {{"table", "test", "test"}, {"table", "zeile", "zeile"}};
    if (b.version >= 2)
        erwartet.push_back({"index", "test_zeitpunkt", "test"});
    if (b.version >= 3)
        erwartet.push_back({"table", "kennung", "kennung"});
    for (const Objekt& o : objekte) {
        if (o.typ == QLatin1String("table") && o.name.startsWith(QLatin1String("sqlite_stat")))
            continue;
        auto it = std::find_if(erwartet.begin(), erwartet.end(), [&](const Erwartet& e) {
            return !e.gefunden && o.typ == QLatin1String(e.typ) &&
                   o.name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0 &&
                   o.tabelle.compare(QLatin1String(e.tabelle), Qt::CaseInsensitive) == 0;
        });
        // A CHECK constraint could refuse what the program writes.
        if (it == erwartet.end() || o.sql.contains(QLatin1String("CHECK"), Qt::CaseInsensitive))
            return ergebnis(Aufbau::fremd);
        it->gefunden = true;
    }
    for (const Erwartet& e : erwartet)
        if (!e.gefunden)
            return ergebnis(Aufbau::fremd);

    auto spalten_passen = [&](const char* tabelle, const Spalte* soll, int anzahl) {
        q.prepare(QStringLiteral("SELECT name, type, \"notnull\", pk, hidden FROM pragma_table_xinfo(?)"));
        q.addBindValue(QString::fromLatin1(tabelle));
        if (!q.exec())
            return false;
        int n = 0;
        while (q.next()) {
            if (n >= anzahl)
                return false;
            const Spalte& s = soll[n++];
            if (q.value(0).toString() != QLatin1String(s.name) ||
                q.value(1).toString().compare(QLatin1String(s.typ), Qt::CaseInsensitive) != 0 ||
                (q.value(2).toInt() != 0) != s.nicht_null || q.value(3).toInt() != s.schluessel ||
                q.value(4).toInt() != 0)
                return false;
        }
        return n == anzahl && !q.lastError().isValid();
    };
    // Indexes as SQLite keeps them: origin "c" for CREATE INDEX, "pk" for the
    // key of a table without rowid.
    auto indizes = [&](const char* tabelle) {
        std::vector<std::pair<QString, QString>> liste;
        q.prepare(QStringLiteral("SELECT name, origin FROM pragma_index_list(?)"));
        q.addBindValue(QString::fromLatin1(tabelle));
        if (q.exec())
            while (q.next())
                liste.emplace_back(q.value(0).toString(), q.value(1).toString());
        return liste;
    };
    auto fremdschluessel = [&](const char* tabelle) {
        std::vector<QStringList> liste;
        q.prepare(QStringLiteral("SELECT \"table\", \"from\", \"to\" FROM pragma_foreign_key_list(?)"));
        q.addBindValue(QString::fromLatin1(tabelle));
        if (q.exec())
            while (q.next())
                liste.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
        return liste;
    };
    if (!spalten_passen("test", Spalten_test, Anzahl_test[b.version]) ||
        !spalten_passen("zeile", Spalten_zeile, Anzahl_zeile[b.version]) ||
        (b.version >= 3 && !spalten_passen("kennung", Spalten_kennung, 1)))
        return ergebnis(Aufbau::fremd);
    const auto i_test = indizes("test");
    const auto i_zeile = indizes("zeile");
    if (i_test.size() != (b.version >= 2 ? 1u : 0u) ||
        (!i_test.empty() &&
         (i_test[0].first != QLatin1String("test_zeitpunkt") || i_test[0].second != QLatin1String("c"))) ||
        i_zeile.size() != 1 || i_zeile[0].second != QLatin1String("pk") ||
        (b.version >= 3 && !indizes("kennung").empty()))
        return ergebnis(Aufbau::fremd);
    if (b.version >= 2) {
        if (!q.exec(QStringLiteral("SELECT name FROM pragma_index_info('test_zeitpunkt')")))
            return fehler();
        QStringList spalten;
        while (q.next())
            spalten << q.value(0).toString();
        if (spalten != QStringList{QStringLiteral("zeitpunkt")})
            return ergebnis(Aufbau::fremd);
    }
    if (!fremdschluessel("test").empty() || (b.version >= 3 && !fremdschluessel("kennung").empty()))
        return ergebnis(Aufbau::fremd);
    for (const QStringList& f : fremdschluessel("zeile"))
        if (f[0].compare(QLatin1String("test"), Qt::CaseInsensitive) != 0 || f[1] != QLatin1String("test") ||
            !(f[2].isEmpty() || f[2] == QLatin1String("id")))
            return ergebnis(Aufbau::fremd);
    return ergebnis(Aufbau::passt);
}

// ---- The file beside SQLite ----------------------------------------------------------

// The file a symbolic link leads to (also when it does not exist yet).
QString Verweis_folgen(const QString& pfad)
{
    const QFileInfo i(pfad);
    if (!i.isSymLink())
        return pfad;
    const QString ziel = i.canonicalFilePath();
    if (!ziel.isEmpty())
        return ziel;
    const QString ende = i.symLinkTarget();
    return ende.isEmpty() ? pfad : ende;
}

bool beschreibbar(const QString& pfad)
{
    return ::access(QFile::encodeName(pfad).constData(), W_OK) == 0;
}

// Layout version and identity as the file itself holds them, without its
// journal: the database header's user_version and application_id.
struct Dateikopf {
    int version = 0;
    qint32 kennung = 0;
    bool wal = false; // the file runs in WAL mode
};

Dateikopf Dateikopf_lesen(const QString& pfad)
{
    Dateikopf k;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return k;
    const QByteArray b = f.read(100);
    k.wal = b.size() >= 20 && b[18] == 2 && b[19] == 2;
    if (b.size() >= 64)
        k.version = qFromBigEndian<qint32>(b.constData() + 60);
    if (b.size() >= 72)
        k.kennung = qFromBigEndian<qint32>(b.constData() + 68);
    return k;
}

// A free name for a file set aside: "<pfad>.<date and time>[_n]", also free
// with the journal's and its index's endings.
QString Beiseite_Name(const QString& pfad)
{
    const QString stempel = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    auto frei = [](const QString& z) {
        return !QFileInfo::exists(z) && !QFileInfo::exists(z + QStringLiteral("-wal")) &&
               !QFileInfo::exists(z + QStringLiteral("-shm"));
    };
    QString ziel = pfad + QLatin1Char('.') + stempel;
    for (int n = 2; !frei(ziel); ++n)
        ziel = pfad + QLatin1Char('.') + stempel + QLatin1Char('_') + QString::number(n);
    return ziel;
}

// ---- Values ------------------------------------------------------------------------

// The columns of one result row as the checks take them: from a Qt query ...
class Qt_Spalten
{
public:
    explicit Qt_Spalten(const QSqlQuery& q) : q_(q) {}
    bool leer(int i) const { return q_.value(i).isNull(); }
    // An integer (not a real number, text or NULL) within von..bis.
    bool ganz(int i, int64_t von, int64_t bis, int64_t& x) const
    {
        const QVariant v = q_.value(i);
        if (v.isNull() || v.typeId() != QMetaType::LongLong)
            return false;
        x = v.toLongLong();
        return x >= von && x <= bis;
    }
    // A finite number.
    bool reell(int i, double& x) const
    {
        const QVariant v = q_.value(i);
        if (v.isNull() || (v.typeId() != QMetaType::Double && v.typeId() != QMetaType::LongLong))
            return false;
        x = v.toDouble();
        return std::isfinite(x);
    }
    bool text(int i, QString& s) const
    {
        const QVariant v = q_.value(i);
        if (v.isNull() || v.typeId() != QMetaType::QString)
            return false;
        s = v.toString();
        return true;
    }

private:
    const QSqlQuery& q_;
};

// ... or from SQLite's own statement, for the CSV's scan of every row: no
// QVariant for each of its millions of values.
class Sqlite_Spalten
{
public:
    explicit Sqlite_Spalten(sqlite3_stmt* s) : s_(s) {}
    bool leer(int i) const { return sqlite3_column_type(s_, i) == SQLITE_NULL; }
    bool ganz(int i, int64_t von, int64_t bis, int64_t& x) const
    {
        if (sqlite3_column_type(s_, i) != SQLITE_INTEGER)
            return false;
        x = sqlite3_column_int64(s_, i);
        return x >= von && x <= bis;
    }
    bool reell(int i, double& x) const
    {
        const int typ = sqlite3_column_type(s_, i);
        if (typ != SQLITE_FLOAT && typ != SQLITE_INTEGER)
            return false;
        x = sqlite3_column_double(s_, i);
        return std::isfinite(x);
    }
    bool text(int i, QString& s) const
    {
        if (sqlite3_column_type(s_, i) != SQLITE_TEXT)
            return false;
        const void* z = sqlite3_column_text16(s_, i);
        s = QString(static_cast<const QChar*>(z), sqlite3_column_bytes16(s_, i) / 2);
        return true;
    }

private:
    sqlite3_stmt* s_;
};

bool Tonende_gueltig(int64_t g)
{
    return g == int64_t(Tonende::waehrend) || g == int64_t(Tonende::nach_abnehmendem) ||
           g == int64_t(Tonende::nach_zunehmendem) || g == int64_t(Tonende::unter_Stufe);
}

// What the program writes into a row.
bool Zeile_gueltig(const Verlauf_Zeile& z)
{
    const bool pegel =
        !z.gemessen || (std::isfinite(z.dB) && std::isfinite(z.dBA) && std::fabs(z.dB) <= Pegel_hoechstens &&
                        std::fabs(z.dBA) <= Pegel_hoechstens);
    const bool ruhe = std::isfinite(z.ruhepegel) && z.ruhepegel >= 0 &&
                      z.ruhepegel <= Ruhepegel_hoechstens_dB && (z.gemessen || z.ruhepegel == 0);
    return pegel && ruhe && (z.gemessen || z.grenze == Tonende::waehrend) &&
           Tonende_gueltig(int64_t(z.grenze)) && std::isfinite(z.anfangsdruck) && z.anfangsdruck >= 0 &&
           z.startvolumen <= 65535 && std::isfinite(z.kalibrierwert) && z.einheit >= Einheit_Spannung &&
           z.einheit <= 2 && z.kalibriervolumen <= 65535 && std::isfinite(z.umrechnungsfaktor) &&
           z.umrechnungsfaktor >= 0;
}

// A calibration state as the program keeps it: a kind 0..4 of the test's
// calibration (the microphone voltage exactly for a voltage calibration), a
// date only for a calibration of its own; none for a test without a known
// calibration.
bool Eichzustand_gueltig(int eichung, int64_t eichart, const QDate& datum)
{
    if (eichart == Eichart_unbekannt)
        return !datum.isValid();
    if (eichart < int64_t(Eichart::Grundwerte) || eichart > int64_t(Eichart::Bezugshoerer) ||
        eichung == Eichung_unbekannt ||
        (eichart == int64_t(Eichart::Mikrofonspannung)) != (eichung == Span_nung))
        return false;
    if (eichart == int64_t(Eichart::Grundwerte))
        return !datum.isValid();
    return !datum.isValid() || (datum.year() >= 1970 && datum.year() <= 9999);
}

bool Test_gueltig(const Verlauf_Test& t)
{
    if (!t.zeitpunkt.isValid())
        return false;
    const int64_t ms = t.zeitpunkt.toMSecsSinceEpoch();
    if (ms < 0 || ms > Zeitpunkt_hoechstens_ms || t.eichung < Eichung_unbekannt ||
        t.eichung > Schall_messer || !Eichzustand_gueltig(t.eichung, t.eichart, t.eichdatum))
        return false;
    return std::all_of(t.zeilen.begin(), t.zeilen.end(), Zeile_gueltig);
}

// The columns zeitpunkt, ohr, pulsierend, zunehmend, name, eichung from
// column `s` on; false when one holds what the program never writes.
template <class Spalten> bool Kopf_aus(const Spalten& q, int s, Verlauf_Test& t)
{
    int64_t ms = 0, ohr = 0, puls = 0, zun = 0, eichung = 0;
    QString name;
    if (!q.ganz(s, 0, Zeitpunkt_hoechstens_ms, ms) || !q.ganz(s + 1, 0, 1, ohr) ||
        !q.ganz(s + 2, 0, 1, puls) || !q.ganz(s + 3, 0, 1, zun) || !q.text(s + 4, name) ||
        !q.ganz(s + 5, Eichung_unbekannt, Schall_messer, eichung))
        return false;
    t.zeitpunkt = QDateTime::fromMSecsSinceEpoch(ms);
    t.links = ohr == 0;
    t.pulsierend = puls != 0;
    t.zunehmend = zun != 0;
    t.name = Verlauf_Name(name);
    t.eichung = int(eichung);
    return true;
}

// The columns eichart, eichdatum from column `s` on (after Kopf_aus: the
// test's eichung is known); false when one holds what the program never writes.
template <class Spalten> bool Eichzustand_aus(const Spalten& q, int s, Verlauf_Test& t)
{
    int64_t art = 0;
    QString datum;
    if (!q.ganz(s, Eichart_unbekannt, int64_t(Eichart::Bezugshoerer), art) || !q.text(s + 1, datum))
        return false;
    QDate d;
    if (!datum.isEmpty()) {
        d = QDate::fromString(datum, Qt::ISODate);
        if (!d.isValid() || d.toString(Qt::ISODate) != datum)
            return false;
    }
    if (!Eichzustand_gueltig(t.eichung, art, d))
        return false;
    t.eichart = int(art);
    t.eichdatum = d;
    return true;
}

// The date as a column: text only, never read longer than a date can be.
const char* const Eichdatum_spalte = "CASE WHEN typeof(eichdatum) = 'text' THEN substr(eichdatum, 1, 11) END";

// The name as a column: text only (a number or blob is no name), cut in the
// database so that a huge name is never read whole.
// (SQLite's text functions end at a NUL character: a short name is read whole
// and its control characters dropped here.)
const char* const Name_spalte =
    "CASE WHEN typeof(name) = 'text' THEN"
    " CASE WHEN length(CAST(name AS BLOB)) <= 800 THEN name ELSE substr(name, 1, 200) END"
    " END";

// The columns zeile, frequenz, dB, dBA, anfangsdruck, startvolumen,
// kalibrierwert, einheit, kalibriervolumen, umrechnungsfaktor, grenze, ruhepegel from
// column `s` on; -1 when one holds what the program never writes, else the
// row number 1..21.
template <class Spalten> int Zeile_aus(const Spalten& q, int s, Verlauf_Zeile& r)
{
    int64_t zeile = 0, f = 0, sv = 0, einheit = 0, kv = 0, grenze = 0;
    if (!q.ganz(s, 1, Zeilen, zeile) || !q.ganz(s + 1, 0, 65535, f) || !q.reell(s + 4, r.anfangsdruck) ||
        !q.ganz(s + 5, 0, 65535, sv) || !q.reell(s + 6, r.kalibrierwert) ||
        !q.ganz(s + 7, Einheit_Spannung, 2, einheit) || !q.ganz(s + 8, 0, 65535, kv) ||
        !q.reell(s + 9, r.umrechnungsfaktor) || !q.ganz(s + 10, 0, 255, grenze) || !Tonende_gueltig(grenze) ||
        !q.reell(s + 11, r.ruhepegel))
        return -1;
    r.gemessen = !q.leer(s + 2);
    if (r.gemessen == q.leer(s + 3))
        return -1;
    r.dB = r.dBA = 0;
    if (r.gemessen && (!q.reell(s + 2, r.dB) || !q.reell(s + 3, r.dBA)))
        return -1;
    r.frequenz = uint16_t(f);
    r.startvolumen = uint32_t(sv);
    r.einheit = int32_t(einheit);
    r.kalibriervolumen = uint32_t(kv);
    r.grenze = Tonende(grenze);
    return Zeile_gueltig(r) ? int(zeile) : -1;
}

const char* const Zeilen_spalten =
    "zeile, frequenz, dB, dBA, anfangsdruck, startvolumen, kalibrierwert, einheit,"
    " kalibriervolumen, umrechnungsfaktor, grenze, ruhepegel";

// ---- Texts -------------------------------------------------------------------------

QString Zahl(double x)
{
    return Zahltext(1, 1, x);
}

// The text of Zahl(x) appended as UTF-8, without its allocations: the CSV
// writes two for every row.
void Zahl_anhaengen(QByteArray& a, double x)
{
    char p[32];
    const int n = std::snprintf(p, sizeof p, "%.1f", x);
    if (n <= 0 || n >= int(sizeof p)) {
        a += Zahl(x).toUtf8();
        return;
    }
    // A value that rounds to zero has no sign ("0,0", not "-0,0").
    const bool null = std::none_of(p, p + n, [](char c) { return c >= '1' && c <= '9'; });
    const char dezimalzeichen = Oberflaechensprache() == Sprache::Englisch ? '.' : ',';
    for (int i = null && p[0] == '-' ? 1 : 0; i < n; ++i)
        a += p[i] == '.' ? dezimalzeichen : p[i];
}

// The SQLite connection under a Qt one.
sqlite3* Griff(const QSqlDatabase& db)
{
    const QVariant griff = db.driver()->handle();
    if (griff.isValid() && qstrcmp(griff.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(griff.constData());
    return nullptr;
}

// The bound's mark of the results table ("≤", "≥" or none).
QString Grenze_text(Tonende t)
{
    return Grenzzeichen(t);
}

// The column headings of the CSV file, in the order of its fields.
const char* const Csv_Spalten[] = {
    //: Column heading of the history's CSV file: the test's running number.
    QT_TRANSLATE_NOOP("verlauf", "Nr"),
    QT_TRANSLATE_NOOP("verlauf", "Datum"),
    QT_TRANSLATE_NOOP("verlauf", "Uhrzeit"),
    QT_TRANSLATE_NOOP("verlauf", "Ohr"),
    QT_TRANSLATE_NOOP("verlauf", "Ton"),
    QT_TRANSLATE_NOOP("verlauf", "Name"),
    QT_TRANSLATE_NOOP("verlauf", "Kalibrierung"),
    QT_TRANSLATE_NOOP("verlauf", "Frequenz in Hz"),
    QT_TRANSLATE_NOOP("verlauf", "Hörschwelle in dB"),
    QT_TRANSLATE_NOOP("verlauf", "Hörschwelle in dB(A)"),
    //: Column heading of the history's CSV file: "≤" or "≥" when the value is only a bound.
    QT_TRANSLATE_NOOP("verlauf", "Grenze"),
    QT_TRANSLATE_NOOP("verlauf", "Ruhepegel über der Grenze in dB"),
};

// A CSV field: control characters dropped; a field that a spreadsheet would
// take for a formula (its first character after blanks one of = + - @) gets a
// leading apostrophe; quoted when it holds a separator or a quote.
QString Csv_Feld(QString s)
{
    s.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    qsizetype i = 0;
    while (i < s.size() && s[i].isSpace())
        ++i;
    if (i < s.size() && QStringLiteral("=+-@").contains(s[i]))
        s.prepend(QLatin1Char('\''));
    if (s.contains(QLatin1Char(';')) || s.contains(QLatin1Char('"'))) {
        s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        s = QLatin1Char('"') + s + QLatin1Char('"');
    }
    return s;
}

QString Eichung_text(int eichung)
{
    switch (eichung) {
    case Span_nung:
        //: Kind of calibration of a test: with the microphone voltage.
        return QCoreApplication::translate("verlauf", "Mikrofonspannung");
    case Schall_messer:
        //: Kind of calibration of a test: with a sound level meter.
        return QCoreApplication::translate("verlauf", "Schallpegelmesser");
    default:
        //: Kind of calibration of a test that was stored without it.
        return QCoreApplication::translate("verlauf", "unbekannt");
    }
}

// The stored calibration state, else the kind of calibration.
QString Eichart_text(const Verlauf_Test& t)
{
    if (t.eichart == Eichart_unbekannt)
        return Eichung_text(t.eichung);
    return Eichzustand_text(Eichzustand{Eichart(t.eichart), t.eichdatum});
}

QString Text_verschiedene_Kalibrierungen(const Verlauf_Test& a, const Verlauf_Test& b)
{
    //: %1, %2: the calibrations of the two tests, e.g. "Schallpegelmesser (12.03.2025)".
    return QCoreApplication::translate("verlauf",
                                       "Die Tests beruhen auf verschiedenen Kalibrierungen: %1 und %2.")
        .arg(Eichart_text(a), Eichart_text(b));
}

// The calibration of a test; for one stored without its state a sound level
// calibration still at the values of a new settings file in the words of the
// audiogram.
QString Kalibrierung_text(const Verlauf_Test& t, bool grundwerte)
{
    if (t.eichart == Eichart_unbekannt && t.eichung == Schall_messer && grundwerte)
        return QCoreApplication::translate("verlauf", "keine eigene Kalibrierung (Grundwerte)");
    return Eichart_text(t);
}

// The CSV's calibration field: a reference listener's with what it means.
QString Kalibrierung_feld(const Verlauf_Test& t, bool grundwerte)
{
    QString s = Kalibrierung_text(t, grundwerte);
    if (t.eichart == int(Eichart::Bezugshoerer))
        s += QStringLiteral(" – ") + Bezugshoerer_Hinweis();
    return Csv_Feld(s);
}

bool Grundwerte(const Verlauf_Zeile& z)
{
    return z.kalibrierwert == Grund_Eichpegel_dB && z.kalibriervolumen == Grund_Lautstaerke;
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

// Rounded to 0.1 dB, halves away from zero; first to 1e-6 dB, so that two
// differences equal but for the last bits of the arithmetic round alike.
double Auf_Zehntel(double x)
{
    return std::round(std::round(x * 1e6) / 1e5) / 10.0;
}

// -1 for a value at or above the threshold ("≤": the threshold lies below),
// +1 for one at or below it ("≥"), 0 for a threshold.
int Richtung(Tonende t)
{
    // A press after a falling tone had gone below one output step: the
    // threshold lies at or below the last level played.
    return t == Tonende::nach_abnehmendem                                       ? -1
           : t == Tonende::nach_zunehmendem || t == Tonende::unter_Stufe ? 1
                                                                              : 0;
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
    return links ? QCoreApplication::translate("verlauf", "Linkes Ohr")
                 : QCoreApplication::translate("verlauf", "Rechtes Ohr");
}

QString Tonart_text(bool zunehmend, bool pulsierend)
{
    //: The tone of a test: its amplitude rises ("zunehmend") or falls ("abnehmend").
    QString s = zunehmend ? QCoreApplication::translate("verlauf", "zunehmend")
                          : QCoreApplication::translate("verlauf", "abnehmend");
    if (pulsierend)
        //: Added to "zunehmend" or "abnehmend" for a pulsing tone.
        s += QCoreApplication::translate("verlauf", ", pulsierend");
    return s;
}

QString Verlauf_Kalibrierung_text(const Verlauf_Test& t)
{
    return Kalibrierung_text(t, std::all_of(t.zeilen.begin(), t.zeilen.end(), Grundwerte));
}

QString Verlauf_Name(const QString& name)
{
    const bool steuerzeichen =
        std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!steuerzeichen && name.size() <= Name_hoechstens)
        return name;
    QString s = name;
    s.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (s.size() > Name_hoechstens) {
        // Never half of a character outside the basic plane.
        const qsizetype n = s[Name_hoechstens - 1].isHighSurrogate() ? Name_hoechstens - 1 : Name_hoechstens;
        s.truncate(n);
    }
    return s;
}

Verlauf_Test Verlauf_Test_aus_Ergebnissen(bool links, const std::array<double, 43>& druck,
                                          const Einstellungstyp& e, const QDateTime& zeitpunkt,
                                          const QString& name, const std::array<Tonende, 43>& tonende,
                                          const std::array<double, 43>& ruhepegel)
{
    Verlauf_Test t;
    t.zeitpunkt = zeitpunkt;
    t.links = links;
    t.pulsierend = e.pulsierend != 0;
    t.zunehmend = e.zunehmend != 0;
    t.eichung = e.Eichung == Span_nung ? Span_nung : Schall_messer;
    const Eichzustand zustand = Eichzustand_holen(e, links);
    t.eichart = int(zustand.art);
    if (zustand.art != Eichart::Grundwerte)
        t.eichdatum = zustand.datum;
    t.name = Verlauf_Name(name.trimmed());
    const int ohr = links ? 0 : 1;
    const auto& volumen = links ? e.Links_Volume1 : e.Rechts_Volume1;
    for (int i = 1; i <= Zeilen; ++i) {
        Verlauf_Zeile& z = t.zeilen[size_t(i - 1)];
        const size_t k = size_t(Druck_index(links, i));
        z.frequenz = e.Frequenzen[size_t(i - 1)];
        // The results displays' rule: at or below 1e-15 Pa nothing was measured.
        z.gemessen = druck[k] > Druck_nicht_gemessen;
        if (z.gemessen) {
            // Unrounded: a comparison rounds only its differences.
            z.dB = double(Pa_in_dB(druck[k]));
            z.dBA = double(Pa_in_dBA(druck[k], z.frequenz));
            z.grenze = tonende[k];
            // The store's mark as the history keeps it: none unless a finite excess.
            z.ruhepegel = std::isfinite(ruhepegel[k]) && ruhepegel[k] > 0
                              ? std::min(ruhepegel[k], Ruhepegel_hoechstens_dB)
                              : 0.0;
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

QString Verlauf_Journal_einarbeiten(const QString& pfad)
{
    const QString datei = Verweis_folgen(pfad);
    const QFileInfo journal(datei + QStringLiteral("-wal"));
    if (!QFileInfo(datei).isFile() || !journal.exists())
        return {};
    Verlauf v(datei);
    if (v.zustand() != Verlauf::Zustand::bereit)
        return {};
    return v.Journal_einarbeiten();
}

Verlauf::Verlauf(const QString& pfad)
    : pfad_(Verweis_folgen(pfad)),
      verbindung_(QStringLiteral("Verlauf_%1").arg(Verbindungszaehler.fetchAndAddRelaxed(1)))
{
    oeffnen();
}

Verlauf::~Verlauf()
{
    trennen();
}

bool Verlauf::schreibbar()
{
    const QFileInfo info(pfad_);
    if (!beschreibbar(info.absolutePath()))
        return false;
    for (const QString& p : {pfad_, pfad_ + QStringLiteral("-wal"), pfad_ + QStringLiteral("-shm")})
        if (QFileInfo::exists(p) && !beschreibbar(p))
            return false;
    return true;
}

bool Verlauf::Kopie_anlegen()
{
    kopie_ = std::make_unique<QTemporaryDir>();
    if (!kopie_->isValid())
        return false;
    const QString ziel = kopie_->filePath(QLatin1String(Name_Verlaufsdatei));
    const QString journal = pfad_ + QStringLiteral("-wal");
    const auto rechte = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!QFile::copy(pfad_, ziel) || !QFile::setPermissions(ziel, rechte))
        return false;
    if (QFileInfo(journal).size() > 0 && (!QFile::copy(journal, ziel + QStringLiteral("-wal")) ||
                                          !QFile::setPermissions(ziel + QStringLiteral("-wal"), rechte)))
        return false;
    arbeitspfad_ = ziel;
    return true;
}

bool Verlauf::verbinden()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung_);
    db.setDatabaseName(arbeitspfad_);
    // Another program holding the file waits at most this long; the
    // hearing test must not hang on it.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(Busy_ms));
    if (db.open()) {
        // Closing does not copy the journal in: every write does that
        // itself, and a journal found beside the file must be checked
        // (Journal_pruefen) before anything of it goes into the file.
        if (sqlite3* s = Griff(db))
            sqlite3_db_config(s, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        return true;
    }
    grund_ = Fehler_text(Fehlercode(db.lastError()), false);
    return false;
}

void Verlauf::trennen()
{
    if (!QSqlDatabase::contains(verbindung_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
        if (Journal_loeschen_) {
            // The last connection to close now copies the (empty) journal in
            // and removes it with its index.
            if (sqlite3* s = Griff(db))
                sqlite3_db_config(s, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(verbindung_);
}

void Verlauf::oeffnen()
{
    grund_.clear();
    arbeitspfad_ = pfad_;
    const QFileInfo info(pfad_);
    if (info.exists() && !info.isFile()) {
        //: End of a sentence: "The history cannot be read because …"
        grund_ = QCoreApplication::translate("verlauf", "an ihrer Stelle keine gewöhnliche Datei liegt");
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    const bool schreiben = schreibbar();
    if (!info.exists()) {
        if (!schreiben) {
            grund_ = Text_nicht_anzulegen();
            zustand_ = Zustand::nicht_lesbar;
            return;
        }
        // A journal without its file belongs to no history here: SQLite
        // would lay it over the new file.
        if (QFileInfo::exists(pfad_ + QStringLiteral("-wal")) && !Journal_beiseite_legen()) {
            zustand_ = Zustand::nicht_lesbar;
            return;
        }
    }
    // A file that does not start like a database is refused before SQLite
    // sees it: its journal could otherwise show pages of the earlier file
    // in place of what now lies there.
    {
        QFile f(pfad_);
        if (f.size() > 0 && f.open(QIODevice::ReadOnly) && f.read(16) != QByteArray("SQLite format 3", 16)) {
            f.close();
            if (!schreiben) {
                grund_ = Text_keine_Datenbank();
                zustand_ = Zustand::nicht_lesbar;
                return;
            }
            beiseite_legen_und_neu(Text_keine_Datenbank());
            return;
        }
    }
    // Where nothing can be written, not even SQLite's index of the journal,
    // the history is read from a copy.
    if (!schreiben) {
        nur_lesen_ = true;
        if (!Kopie_anlegen()) {
            //: End of a sentence: "The history cannot be read because …"
            grund_ = QCoreApplication::translate("verlauf", "die Datei nicht gelesen werden kann");
            zustand_ = Zustand::nicht_lesbar;
            return;
        }
    }
    if (!verbinden() || !Journal_pruefen()) {
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    bool fremd = false;
    if (Schema_pruefen_anlegen(fremd)) {
        zustand_ = nur_lesen_ ? Zustand::nicht_schreibbar : Zustand::bereit;
        if (nur_lesen_)
            grund_ = Text_schreibgeschuetzt();
        return;
    }
    if (fremd)
        beiseite_legen_und_neu(grund_);
    else
        zustand_ = Zustand::nicht_lesbar;
}

bool Verlauf::Journal_pruefen()
{
    if (QFileInfo(arbeitspfad_ + QStringLiteral("-wal")).size() <= Journal_kopf)
        return true;
    bool gehoert = false;
    for (int versuch = 0; versuch < 2 && !gehoert; ++versuch) {
        QSqlQuery q(QSqlDatabase::database(verbindung_, false));
        q.setForwardOnly(true);
        std::vector<qint64> kennungen;
        bool mit_kennung = false;
        // The journal as SQLite lays it over the file, in one snapshot; the
        // file's own header is read inside it, when no other program can
        // copy more than this snapshot into the file.
        bool gelesen = q.exec(QStringLiteral("BEGIN")) &&
                       q.exec(QStringLiteral(
                           "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'kennung'")) &&
                       q.next();
        if (gelesen) {
            mit_kennung = q.value(0).toInt() > 0;
            q.finish();
            if (mit_kennung) {
                gelesen = q.exec(QStringLiteral("SELECT wert FROM kennung"));
                while (gelesen && q.next())
                    kennungen.push_back(q.value(0).toLongLong());
                gelesen = gelesen && !q.lastError().isValid();
            }
        }
        const int code = gelesen ? 0 : Fehlercode(q.lastError());
        const Dateikopf kopf = Dateikopf_lesen(arbeitspfad_);
        q.finish();
        q.exec(QStringLiteral("ROLLBACK"));
        if (!gelesen) {
            // Locked: the layout check says so. Anything else: a journal that
            // leaves the file unreadable does not belong to it.
            if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
                return true;
            break;
        }
        // A journal of an older version holds no identities; a file of this
        // version never has such a journal.
        gehoert = mit_kennung
                      ? std::find(kennungen.begin(), kennungen.end(), qint64(kopf.kennung)) != kennungen.end()
                      : kopf.version < 3;
    }
    if (gehoert)
        return true;
    return Journal_beiseite_legen() && verbinden();
}

bool Verlauf::Journal_beiseite_legen()
{
    trennen();
    const QString journal = arbeitspfad_ + QStringLiteral("-wal");
    const QString index = arbeitspfad_ + QStringLiteral("-shm");
    if (nur_lesen_) {
        // Only the private copy's: the medium keeps its journal.
        QFile::remove(journal);
        QFile::remove(index);
        return true;
    }
    const QString ziel = Beiseite_Name(pfad_) + QStringLiteral("-wal");
    if (!QFile::rename(journal, ziel)) {
        //: End of a sentence: "The history cannot be read because …"
        grund_ = QCoreApplication::translate("verlauf", "das Journal neben der Datei nicht zu ihr gehört und "
                                                        "nicht beiseitegelegt werden kann");
        return false;
    }
    QFile::remove(index);
    verschoben_ = ziel;
    return true;
}

bool Verlauf::Schema_pruefen_anlegen(bool& fremd)
{
    fremd = false;
    QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
    QSqlQuery q(db);
    auto gescheitert = [&](int code) {
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            fremd = true;
        grund_ = Fehler_text(code, false);
        return false;
    };
    // WAL: a writer killed in the middle leaves the previous state readable,
    // and the list can be read while a test is written. Switched on only in
    // a file found to be the program's own, and outside any transaction,
    // without waiting: when another program holds the file just then, a
    // later open does it.
    auto wal_einschalten = [&]() {
        if (!Dateikopf_lesen(arbeitspfad_).wal) {
            q.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
            q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
            q.finish();
            q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(Busy_ms));
        }
    };
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    q.finish();

    // Version and layout are read in one snapshot: a file another program is
    // creating is seen either empty or whole.
    auto befund = [&](const char* beginn) {
        Aufbau_Befund b;
        if (!q.exec(QString::fromLatin1(beginn))) {
            b.code = Fehlercode(q.lastError());
            return b;
        }
        return Aufbau_lesen(db);
    };
    auto beurteilen = [&](const Aufbau_Befund& b) {
        if (b.art == Aufbau::fehler)
            return gescheitert(b.code);
        if (b.version > Verlauf_Version) {
            //: End of a sentence: "The history cannot be read because …"
            grund_ =
                QCoreApplication::translate("verlauf", "die Datei von einer neueren Programmversion stammt");
            return false;
        }
        if (b.art == Aufbau::fremd) {
            fremd = true;
            grund_ = Text_fremd();
            return false;
        }
        return true;
    };
    Aufbau_Befund b = befund("BEGIN");
    q.exec(QStringLiteral("ROLLBACK"));
    if (!beurteilen(b))
        return false;
    if (b.art == Aufbau::passt && b.version == Verlauf_Version) {
        wal_einschalten();
        return true;
    }

    // Create or update in one write transaction, after reading version and
    // layout again: another program may have done it meanwhile.
    b = befund("BEGIN IMMEDIATE");
    if (b.art == Aufbau::fehler && b.code == SQLITE_BUSY)
        return gescheitert(b.code);
    bool ok = beurteilen(b);
    if (ok && !(b.art == Aufbau::passt && b.version == Verlauf_Version)) {
        auto schritte = [&](auto const& liste) {
            for (const char* sql : liste)
                if (!q.exec(QString::fromLatin1(sql)))
                    return false;
            return true;
        };
        bool geschrieben = b.art == Aufbau::leer
                               ? schritte(Schema_4)
                               : (b.version >= 2 || schritte(Schritt_1_zu_2)) &&
                                     (b.version >= 3 || schritte(Schritt_2_zu_3)) && schritte(Schritt_3_zu_4);
        geschrieben = geschrieben &&
                      q.exec(QStringLiteral("PRAGMA user_version = %1").arg(Verlauf_Version)) &&
                      Kennung_fortschreiben(q) && q.exec(QStringLiteral("COMMIT"));
        if (!geschrieben) {
            const int code = Fehlercode(q.lastError());
            q.exec(QStringLiteral("ROLLBACK"));
            gescheitert(code);
            if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN)
                grund_ = Text_schreibgeschuetzt();
            return false;
        }
        nach_dem_Schreiben();
        wal_einschalten();
        return true;
    }
    q.exec(ok ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
    if (ok)
        wal_einschalten();
    return ok;
}

bool Verlauf::Kennung_fortschreiben(QSqlQuery& q)
{
    // A journal that was emptied into the file starts anew with this
    // write: the file's present identity is the one it lies on.
    const QFileInfo journal(arbeitspfad_ + QStringLiteral("-wal"));
    const bool neu = !journal.exists() || journal.size() == 0;
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        return false;
    const qint32 alt = q.value(0).toInt();
    q.finish();
    qint32 kennung = 0;
    while (kennung == 0 || kennung == alt)
        kennung = qint32(QRandomGenerator::system()->generate());
    if (neu && !q.exec(QStringLiteral("DELETE FROM kennung")))
        return false;
    for (const qint32 k : neu ? std::vector<qint32>{alt, kennung} : std::vector<qint32>{kennung}) {
        q.prepare(QStringLiteral("INSERT INTO kennung (wert) VALUES (?)"));
        q.addBindValue(k);
        if (!q.exec())
            return false;
    }
    return q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kennung));
}

void Verlauf::nach_dem_Schreiben()
{
    // Without waiting: a program reading the history now copies it in after
    // its own next write, or at its end.
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    q.finish();
    q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(Busy_ms));
}

QString Verlauf::Journal_einarbeiten()
{
    if (zustand_ != Zustand::bereit)
        return {};
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    if (!q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) || !q.next())
        return Fehler_text(Fehlercode(q.lastError()), true);
    // Another program still reading: it is not this program's end.
    if (q.value(0).toInt() == 0)
        Journal_loeschen_ = true;
    return {};
}

void Verlauf::beiseite_legen_und_neu(const QString& grund)
{
    trennen();
    if (nur_lesen_) {
        grund_ = grund;
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    const QString ziel = Beiseite_Name(pfad_);
    // The journal belongs to the damaged file: it goes along under the name
    // SQLite looks for, so that it never meets the new file.
    if (!QFile::rename(pfad_, ziel)) {
        //: %1: why the file was to be moved aside ("die Datei beschädigt ist"); the whole ends a sentence.
        grund_ =
            QCoreApplication::translate("verlauf", "%1 und sie nicht beiseitegelegt werden kann").arg(grund);
        zustand_ = Zustand::nicht_lesbar;
        return;
    }
    for (const char* endung : {"-wal", "-shm"}) {
        const QString alt = pfad_ + QLatin1String(endung);
        if (QFileInfo::exists(alt) && !QFile::rename(alt, ziel + QLatin1String(endung)))
            QFile::remove(alt);
    }
    verschoben_ = ziel;
    bool fremd = false;
    if (verbinden() && Schema_pruefen_anlegen(fremd)) {
        grund_ = grund;
        zustand_ = Zustand::ersetzt;
        return;
    }
    zustand_ = Zustand::nicht_lesbar;
}

bool Verlauf::Fehler_behandeln(int code, bool beim_schreiben)
{
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
        beiseite_legen_und_neu(Fehler_text(code, beim_schreiben));
        return zustand_ == Zustand::ersetzt;
    }
    grund_ = Fehler_text(code, beim_schreiben);
    if (beim_schreiben)
        zustand_ = Zustand::nicht_schreibbar;
    return false;
}

bool Verlauf::speichern(Verlauf_Test& t)
{
    t.name = Verlauf_Name(t.name);
    if (!lesbar())
        return false;
    if (nur_lesen_) {
        grund_ = Text_schreibgeschuetzt();
        return false;
    }
    if (!Test_gueltig(t)) {
        //: End of a sentence: "The test cannot be stored because …"
        grund_ = QCoreApplication::translate("verlauf",
                                             "der Test Werte enthält, die nicht gespeichert werden können");
        return false;
    }
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (!lesbar())
            return false;
        QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
        int code = 0;
        qint64 id = 0;
        bool geschrieben = false;
        {
            QSqlQuery q(db);
            QSqlQuery z(db);
            auto fehler = [&](QSqlQuery& qq) {
                code = Fehlercode(qq.lastError());
                return false;
            };
            auto schreiben = [&]() {
                if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")) || !Kennung_fortschreiben(q))
                    return fehler(q);
                q.prepare(
                    QStringLiteral("INSERT INTO test (zeitpunkt, ohr, pulsierend, zunehmend, name, eichung,"
                                   " gemessen, eichart, eichdatum) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
                q.addBindValue(qint64(t.zeitpunkt.toMSecsSinceEpoch()));
                q.addBindValue(t.links ? 0 : 1);
                q.addBindValue(t.pulsierend ? 1 : 0);
                q.addBindValue(t.zunehmend ? 1 : 0);
                // A null text would be bound as NULL.
                q.addBindValue(t.name.isNull() ? QString(QLatin1String("")) : t.name);
                q.addBindValue(t.eichung);
                q.addBindValue(t.gemessene_Zeilen());
                q.addBindValue(t.eichart);
                q.addBindValue(t.eichdatum.isValid() ? t.eichdatum.toString(Qt::ISODate)
                                                     : QString(QLatin1String("")));
                if (!q.exec())
                    return fehler(q);
                id = q.lastInsertId().toLongLong();
                if (Schreibhaken)
                    Schreibhaken();
                z.prepare(QStringLiteral(
                    "INSERT INTO zeile (test, zeile, frequenz, dB, dBA, anfangsdruck,"
                    " startvolumen, kalibrierwert, einheit, kalibriervolumen,"
                    " umrechnungsfaktor, grenze, ruhepegel) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
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
                    z.addBindValue(r.gemessen ? int(r.grenze) : 0);
                    z.addBindValue(r.gemessen ? r.ruhepegel : 0.0);
                    if (!z.exec())
                        return fehler(z);
                }
                if (!q.exec(QStringLiteral("COMMIT")))
                    return fehler(q);
                return true;
            };
            geschrieben = schreiben();
            if (!geschrieben)
                q.exec(QStringLiteral("ROLLBACK"));
        }
        if (geschrieben) {
            t.id = id;
            nach_dem_Schreiben();
            return true;
        }
        if (!Fehler_behandeln(code, true))
            return false;
    }
    return false;
}

std::vector<Verlauf_Eintrag> Verlauf::liste()
{
    std::vector<Verlauf_Eintrag> ergebnis;
    unlesbar_ = 0;
    for (int versuch = 0; versuch < 2 && lesbar(); ++versuch) {
        int code = 0;
        {
            QSqlQuery q(QSqlDatabase::database(verbindung_, false));
            q.setForwardOnly(true);
            if (q.exec(
                    QStringLiteral("SELECT id, zeitpunkt, ohr, pulsierend, zunehmend, gemessen, %1 FROM test"
                                   " ORDER BY zeitpunkt DESC, id DESC")
                        .arg(QLatin1String(Name_spalte)))) {
                ergebnis.reserve(size_t(std::max(0, anzahl())));
                const Qt_Spalten w(q);
                while (q.next()) {
                    Verlauf_Eintrag e;
                    int64_t id = 0, ms = 0, ohr = 0, puls = 0, zun = 0, gemessen = 0;
                    QString name;
                    if (!w.ganz(0, 1, INT64_MAX, id) || !w.ganz(1, 0, Zeitpunkt_hoechstens_ms, ms) ||
                        !w.ganz(2, 0, 1, ohr) || !w.ganz(3, 0, 1, puls) || !w.ganz(4, 0, 1, zun) ||
                        !w.ganz(5, 0, Zeilen, gemessen) || !w.text(6, name)) {
                        ++unlesbar_;
                        continue;
                    }
                    e.id = id;
                    e.zeitpunkt_ms = ms;
                    e.links = ohr == 0;
                    e.pulsierend = puls != 0;
                    e.zunehmend = zun != 0;
                    e.gemessen = int(gemessen);
                    e.name = Verlauf_Name(name);
                    ergebnis.push_back(std::move(e));
                }
                if (!q.lastError().isValid())
                    return ergebnis;
            }
            code = Fehlercode(q.lastError());
        }
        ergebnis.clear();
        unlesbar_ = 0;
        if (!Fehler_behandeln(code, false))
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
    {
        QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("SELECT zeitpunkt, ohr, pulsierend, zunehmend, %1, eichung, gemessen, eichart, %2"
                           " FROM test WHERE id = ?")
                .arg(QLatin1String(Name_spalte), QLatin1String(Eichdatum_spalte)));
        q.addBindValue(qint64(id));
        if (q.exec()) {
            if (!q.next())
                return std::nullopt;
            Verlauf_Test t;
            t.id = id;
            int64_t gemessen = 0;
            bool gueltig = Kopf_aus(Qt_Spalten(q), 0, t) && Qt_Spalten(q).ganz(6, 0, Zeilen, gemessen) &&
                           Eichzustand_aus(Qt_Spalten(q), 7, t);
            QSqlQuery z(db);
            z.setForwardOnly(true);
            z.prepare(
                QStringLiteral("SELECT %1 FROM zeile WHERE test = ?").arg(QLatin1String(Zeilen_spalten)));
            z.addBindValue(qint64(id));
            if (z.exec()) {
                while (gueltig && z.next()) {
                    Verlauf_Zeile r;
                    const int i = Zeile_aus(Qt_Spalten(z), 0, r);
                    gueltig = i >= 1;
                    if (gueltig)
                        t.zeilen[size_t(i - 1)] = r;
                }
                if (!z.lastError().isValid()) {
                    if (gueltig && t.gemessene_Zeilen() == gemessen)
                        return t;
                    //: End of a sentence: "The test cannot be read because …"
                    grund_ = QCoreApplication::translate(
                        "verlauf", "der Test Werte enthält, die das Programm nie schreibt");
                    return std::nullopt;
                }
            }
            code = Fehlercode(z.lastError());
        } else {
            code = Fehlercode(q.lastError());
        }
    }
    Fehler_behandeln(code, false);
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
    if (nur_lesen_) {
        grund_ = Text_schreibgeschuetzt();
        return false;
    }
    int code = 0;
    {
        QSqlQuery q(QSqlDatabase::database(verbindung_, false));
        auto ausfuehren = [&]() {
            if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")) || !Kennung_fortschreiben(q))
                return false;
            q.prepare(QStringLiteral("DELETE FROM zeile WHERE test = ?"));
            q.addBindValue(qint64(id));
            if (!q.exec())
                return false;
            q.prepare(QStringLiteral("DELETE FROM test WHERE id = ?"));
            q.addBindValue(qint64(id));
            return q.exec() && q.exec(QStringLiteral("COMMIT"));
        };
        if (ausfuehren()) {
            q.finish();
            nach_dem_Schreiben();
            return true;
        }
        code = Fehlercode(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
    }
    Fehler_behandeln(code, true);
    return false;
}

std::optional<QByteArray> Verlauf::csv()
{
    unlesbar_ = 0;
    if (!lesbar())
        return std::nullopt;
    QStringList spalten;
    for (const char* s : Csv_Spalten)
        spalten << Csv_Feld(QCoreApplication::translate("verlauf", s));
    QByteArray aus =
        (QStringLiteral("\uFEFF") + spalten.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8();
    // Every row, measured or not: a test is written only when all its values
    // are what the program writes.
    const QByteArray sql =
        QStringLiteral(
            "SELECT t.id, t.zeitpunkt, t.ohr, t.pulsierend, t.zunehmend, %1, t.eichung, t.gemessen,"
            " t.eichart, %2, %3 FROM test t JOIN zeile z ON z.test = t.id ORDER BY t.zeitpunkt, t.id, "
            "z.zeile")
            .arg(QString::fromLatin1(Name_spalte).replace(QLatin1String("name"), QLatin1String("t.name")),
                 QString::fromLatin1(Eichdatum_spalte)
                     .replace(QLatin1String("eichdatum"), QLatin1String("t.eichdatum")),
                 QString::fromLatin1(Zeilen_spalten))
            .toUtf8();
    sqlite3* db = Griff(QSqlDatabase::database(verbindung_, false));
    sqlite3_stmt* s = nullptr;
    int code = db ? sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &s, nullptr) : SQLITE_MISUSE;
    int64_t letzte_id = -1;
    int nr = 0;
    Verlauf_Test t;
    bool gueltig = false;
    bool grundwerte = true;
    int64_t anzahl_gemessen = 0;
    std::vector<Verlauf_Zeile> gemessen;
    auto abschliessen = [&]() {
        if (letzte_id < 0)
            return;
        if (!gueltig || int64_t(gemessen.size()) != anzahl_gemessen) {
            ++unlesbar_;
            return;
        }
        if (gemessen.empty())
            return;
        ++nr;
        const QByteArray kopf =
            (QString::number(nr) + QLatin1Char(';') + Datum_text(t.zeitpunkt.date()) +
             QLatin1Char(';') + t.zeitpunkt.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(';') +
             Ohr_text(t.links) + QLatin1Char(';') + Tonart_text(t.zunehmend, t.pulsierend) +
             QLatin1Char(';') + Csv_Feld(t.name) + QLatin1Char(';') + Kalibrierung_feld(t, grundwerte) +
             QLatin1Char(';'))
                .toUtf8();
        for (const Verlauf_Zeile& z : gemessen) {
            aus += kopf;
            aus += QByteArray::number(z.frequenz);
            aus += ';';
            Zahl_anhaengen(aus, z.dB);
            aus += ';';
            Zahl_anhaengen(aus, z.dBA);
            aus += ';';
            if (z.grenze != Tonende::waehrend)
                aus += Grenze_text(z.grenze).toUtf8();
            aus += ';';
            if (z.ruhepegel > 0)
                Zahl_anhaengen(aus, z.ruhepegel);
            aus += "\r\n";
        }
    };
    if (code == SQLITE_OK) {
        const Sqlite_Spalten w(s);
        while ((code = sqlite3_step(s)) == SQLITE_ROW) {
            const int64_t id = sqlite3_column_int64(s, 0); // the rowid: always a number
            if (id != letzte_id) {
                abschliessen();
                letzte_id = id;
                gemessen.clear();
                grundwerte = true;
                gueltig =
                    Kopf_aus(w, 1, t) && w.ganz(7, 0, Zeilen, anzahl_gemessen) && Eichzustand_aus(w, 8, t);
            }
            Verlauf_Zeile r;
            gueltig = gueltig && Zeile_aus(w, 10, r) >= 1;
            if (gueltig && r.gemessen)
                gemessen.push_back(r);
            grundwerte = grundwerte && Grundwerte(r);
        }
    }
    sqlite3_finalize(s);
    if (code == SQLITE_DONE) {
        abschliessen();
        return aus;
    }
    unlesbar_ = 0;
    Fehler_behandeln(code & 0xff, false);
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
        if (x.gemessen && (verschieden(x.dB, y.dB) || verschieden(x.dBA, y.dBA) || x.grenze != y.grenze ||
                           verschieden(x.ruhepegel, y.ruhepegel)))
            return false;
    }
    return true;
}

Verlauf_Vergleich Verlauf_vergleichen(const Verlauf_Test& a, const Verlauf_Test& b)
{
    Verlauf_Vergleich v;
    int kalibrierung_anders = 0;
    int grenzen = 0, unbestimmt = 0;
    bool frequenzen_anders = false;
    QStringList ruhepegel; // compared frequencies measured while the room was too loud

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
        d.grenze_a = za.grenze;
        d.grenze_b = zb->grenze;
        d.dB = Auf_Zehntel(zb->dB - za.dB);
        d.dBA = Auf_Zehntel(zb->dBA - za.dBA);
        // b - a: a bound of b holds for the difference as it is, one of a
        // turned round; two bounds the same way leave nothing.
        const int ra = Richtung(za.grenze), rb = Richtung(zb->grenze);
        if (ra != 0 && ra == rb)
            d.grenze = Verlauf_Grenze::unbestimmt;
        else if (rb - ra > 0)
            d.grenze = Verlauf_Grenze::mindestens;
        else if (rb - ra < 0)
            d.grenze = Verlauf_Grenze::hoechstens;
        grenzen += d.grenze != Verlauf_Grenze::genau ? 1 : 0;
        unbestimmt += d.grenze == Verlauf_Grenze::unbestimmt ? 1 : 0;
        v.differenzen.push_back(d);
        if (za.ruhepegel > 0 || zb->ruhepegel > 0)
            //: %1: a frequency; which of the two compared tests was measured while the room was too loud.
            ruhepegel << (za.ruhepegel > 0 && zb->ruhepegel > 0
                              ? QCoreApplication::translate("verlauf", "%1 Hz (beide Tests)")
                          : za.ruhepegel > 0 ? QCoreApplication::translate("verlauf", "%1 Hz (Test 1)")
                                             : QCoreApplication::translate("verlauf", "%1 Hz (Test 2)"))
                             .arg(QString::number(za.frequenz));
    }
    if (a.links != b.links)
        v.hinweise.push_back(
            QCoreApplication::translate("verlauf", "Die beiden Tests betreffen verschiedene Ohren."));
    if (a.zunehmend != b.zunehmend || a.pulsierend != b.pulsierend)
        v.hinweise.push_back(
            //: %1, %2: the tones of the two tests, e.g. "abnehmend, pulsierend".
            QCoreApplication::translate("verlauf",
                                        "Die Tests wurden mit verschiedenen Tönen gemacht: %1 und %2.")
                .arg(Tonart_text(a.zunehmend, a.pulsierend), Tonart_text(b.zunehmend, b.pulsierend)));
    if (a.eichung == Eichung_unbekannt || b.eichung == Eichung_unbekannt)
        v.hinweise.push_back(QCoreApplication::translate(
            "verlauf", "Für einen der Tests ist keine Kalibrierung gespeichert; die Kalibrierungen können "
                       "nicht verglichen werden."));
    else if (a.eichung != b.eichung)
        v.hinweise.push_back(Text_verschiedene_Kalibrierungen(a, b));
    else {
        // The same kind of values, but calibrated another way (a sound level
        // meter, by ear, automatically).
        if (a.eichart != Eichart_unbekannt && b.eichart != Eichart_unbekannt && a.eichart != b.eichart)
            v.hinweise.push_back(Text_verschiedene_Kalibrierungen(a, b));
        if (kalibrierung_anders > 0)
            v.hinweise.push_back(
                (kalibrierung_anders == 1
                     ? QCoreApplication::translate(
                           "verlauf", "Die Kalibrierwerte der beiden Tests unterscheiden sich bei "
                                      "%1 Frequenz.")
                     : QCoreApplication::translate(
                           "verlauf", "Die Kalibrierwerte der beiden Tests unterscheiden sich bei "
                                      "%1 Frequenzen."))
                    .arg(kalibrierung_anders));
    }
    if (a.eichart == int(Eichart::Bezugshoerer) || b.eichart == int(Eichart::Bezugshoerer))
        v.hinweise.push_back(Bezugshoerer_Hinweis());
    if (frequenzen_anders)
        v.hinweise.push_back(
            QCoreApplication::translate("verlauf", "Die Testfrequenzen der beiden Tests sind verschieden; "
                                                   "verglichen werden nur gleiche Frequenzen."));
    if (grenzen > 0)
        v.hinweise.push_back(QCoreApplication::translate(
            "verlauf",
            "Werte mit ≤ oder ≥ sind Grenzen: der Ton war schon zu Ende, die Schwelle liegt darunter "
            "(≤) oder darüber (≥); die Differenz ist dann ebenfalls nur eine Grenze."));
    if (unbestimmt > 0)
        v.hinweise.push_back((unbestimmt == 1
                                  ? QCoreApplication::translate(
                                        "verlauf", "Bei %1 Frequenz sind beide Werte Grenzen in dieselbe "
                                                   "Richtung: die Differenz lässt sich nicht angeben (–).")
                                  : QCoreApplication::translate(
                                        "verlauf", "Bei %1 Frequenzen sind beide Werte Grenzen in dieselbe "
                                                   "Richtung: die Differenz lässt sich nicht angeben (–)."))
                                 .arg(unbestimmt));
    if (!ruhepegel.isEmpty())
        //: %1: the frequencies, e.g. "1000 Hz (Test 1), 2000 Hz (beide Tests)".
        v.hinweise.push_back(
            QCoreApplication::translate(
                "verlauf", "Ruhepegel zu hoch bei %1: Hörschwelle möglicherweise zu hoch gemessen.")
                .arg(ruhepegel.join(QStringLiteral(", "))));
    return v;
}

QString Verlauf_Wert_text(double dB, Tonende grenze)
{
    const QString z = Grenze_text(grenze);
    return (z.isEmpty() ? z : z + QLatin1Char(' ')) + Zahl(dB);
}

QString Verlauf_Differenz_text(double dB, Verlauf_Grenze grenze)
{
    if (grenze == Verlauf_Grenze::unbestimmt)
        return QStringLiteral("–");
    const QString s = dB > 0.0 ? QLatin1Char('+') + Zahl(dB) : Zahl(dB);
    switch (grenze) {
    case Verlauf_Grenze::hoechstens:
        return QStringLiteral("≤ ") + s;
    case Verlauf_Grenze::mindestens:
        return QStringLiteral("≥ ") + s;
    default:
        return s;
    }
}
