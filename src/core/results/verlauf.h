#pragma once
// The history of hearing tests: every ear's results accepted with
// "Übernehmen" are kept as one test in the SQLite database "Verlauf.sqlite"
// in the settings folder, so that the user can compare tests over months.
//
// The file carries its layout version in PRAGMA user_version (4; files of
// versions 1 to 3 are brought up to date when opened, inside the same write
// transaction that reads the version and the layout again, so that two
// programs opening a new or old file at once neither create it twice nor take
// the other's fresh file for a foreign one). Only the program's own tables and
// index are accepted, with their columns' types and keys: a file with other
// objects (triggers, views) or another layout is foreign and is set aside.
//
// The file runs in WAL mode and every write is one transaction: a program
// killed while writing loses at most the test it was writing. Nothing is kept
// open between commands: a Verlauf object opens the file, works and closes it
// when it goes away. After every write the journal "Verlauf.sqlite-wal" is
// copied into the file (without waiting for another program that is reading
// it), so that a copy of the file alone is normally the whole history. A
// journal can still be left over (a program killed between its write and the
// copy-in, a reader in the way): the file keeps its own identity (PRAGMA
// application_id, new with every write) and the journal's writes record the
// identities the file may have under it, so that a journal beside a file it
// does not belong to (a backup copied back, another history's file) is set
// aside instead of being mixed into the file. A symbolic link in place of the
// file is followed: the file and its journal lie at the link's target.
//
// A file that is damaged, no database or another program's database is moved
// aside with the date in its name and a new history started; the object then
// says why (zustand(), grund()). A file that cannot be written because another
// program holds it leaves the history as it is ("gesperrt" after 1 s). Where
// the file or its folder cannot be written (read-only medium), the history is
// read from a private copy and only storing and deleting are refused.
//
// Values are checked when they are stored and when they are read: a test with
// values the program never writes (text or NULL in a number column, a time
// outside years 1970..9999, an unknown ear, unit or calibration kind) is not
// shown as a measurement but counted as unreadable; names are cut to 200
// characters.
#include "core/results/hoertest_druck.h"
#include "core/settings/eichzustand.h"
#include "core/settings/records.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;
class QTemporaryDir;

inline constexpr const char* Name_Verlaufsdatei = "Verlauf.sqlite";
inline constexpr int Verlauf_Version = 4;
// Longest name kept with a test (characters); longer names are cut.
inline constexpr int Name_hoechstens = 200;
// Calibration kind of a test stored by version 1, which did not keep it.
inline constexpr int Eichung_unbekannt = -1;
// Calibration state of a test stored before version 4, which did not keep it.
inline constexpr int Eichart_unbekannt = -1;
// Unit of a calibration value that is a voltage (no sound level meter).
inline constexpr int Einheit_Spannung = -1;

// One frequency row of a test.
struct Verlauf_Zeile {
    uint16_t frequenz = 0; // Hz
    bool gemessen = false;
    double dB = 0;  // threshold in dB, unrounded (only when gemessen)
    double dBA = 0; // threshold in dB(A), unrounded (only when gemessen)
    // "Stopp" came only after the tone had ended: the value is a bound (only when gemessen).
    Tonende grenze = Tonende::waehrend;
    // By how many dB the room noise exceeded its limit while the tone played,
    // 0..Ruhepegel_hoechstens_dB (0 = not; only when gemessen).
    double ruhepegel = 0;
    // The ear's calibration of this row at the time of the test:
    double anfangsdruck = 0;       // Pa at the start volume
    uint32_t startvolumen = 0;     // 0..65535
    double kalibrierwert = 0;      // meter reading (dB, dB(A) or dB(C)) or microphone voltage (V)
    int32_t einheit = 0;           // 0 dB, 1 dB(A), 2 dB(C), Einheit_Spannung for a voltage
    uint32_t kalibriervolumen = 0; // volume the calibration value was taken at
    double umrechnungsfaktor = 0;  // Pa per volt of the microphone (voltage calibration)
};

// One stored test: one ear's results of one hearing test.
struct Verlauf_Test {
    int64_t id = 0; // given by speichern()
    QDateTime zeitpunkt;
    bool links = true;
    bool pulsierend = false;
    bool zunehmend = false;
    int eichung = Schall_messer; // Eichungstyp, or Eichung_unbekannt
    // The ear's calibration state when the test was stored: an Eichart (0..4)
    // or Eichart_unbekannt, and its date (invalid: not known; always invalid
    // for Grundwerte and Eichart_unbekannt).
    int eichart = Eichart_unbekannt;
    QDate eichdatum;
    QString name;
    std::array<Verlauf_Zeile, Zeilen> zeilen{};

    int gemessene_Zeilen() const;
};

// What the history list shows of a test.
struct Verlauf_Eintrag {
    int64_t id = 0;
    int64_t zeitpunkt_ms = 0; // milliseconds since 1970 UTC; turned into local time when shown
    bool links = true;
    bool pulsierend = false;
    bool zunehmend = false;
    int gemessen = 0; // number of measured rows
    QString name;
};

// "Linkes Ohr" / "Rechtes Ohr".
QString Ohr_text(bool links);
// "abnehmend", "zunehmend", with ", pulsierend" for the pulsing tone.
QString Tonart_text(bool zunehmend, bool pulsierend);

// One ear's test from the results store and the current settings record (the
// frequencies, tone options and the ear's calibration of `e` with its state
// (Eichzustand_holen), the unrounded levels of `druck`, the bounds of
// `tonende`, the room-noise marks of `ruhepegel`; all indexed like Hoertest_Druck).
Verlauf_Test Verlauf_Test_aus_Ergebnissen(bool links, const std::array<double, 43>& druck,
                                          const Einstellungstyp& e, const QDateTime& zeitpunkt,
                                          const QString& name,
                                          const std::array<Tonende, 43>& tonende = Hoertest_nach_Tonende,
                                          const std::array<double, 43>& ruhepegel = Hoertest_Ruhepegel);

// The calibration of a test as the history shows it: the stored state in the
// words of the main window ("Bezugshörer (12.03.2025)"); for a test stored
// before the state was kept, the kind ("Schallpegelmesser",
// "Mikrofonspannung", "unbekannt"), or "keine eigene Kalibrierung
// (Grundwerte)" for a sound level calibration still at the default values.
QString Verlauf_Kalibrierung_text(const Verlauf_Test& t);

// A name as it is stored and shown: control characters dropped, at most
// Name_hoechstens characters.
QString Verlauf_Name(const QString& name);

class Verlauf
{
public:
    enum class Zustand {
        bereit,          // open, readable and writable
        ersetzt,         // damaged or foreign: moved aside, a new history started
        nicht_lesbar,    // cannot be opened or read at all (locked, no permission, newer version)
        nicht_schreibbar // readable, but writing failed or is impossible (read-only medium, locked)
    };

    // Opens (and if need be creates or updates) the history at `pfad`.
    explicit Verlauf(const QString& pfad);
    ~Verlauf();
    Verlauf(const Verlauf&) = delete;
    Verlauf& operator=(const Verlauf&) = delete;

    Zustand zustand() const { return zustand_; }
    bool lesbar() const { return zustand_ != Zustand::nicht_lesbar; }
    // Why the file could not be read, as the end of the sentence "Der Verlauf
    // kann nicht gelesen werden, weil …" ("die Datei beschädigt ist").
    QString grund() const { return grund_; }
    // Where a damaged file was moved (Zustand::ersetzt), or a journal that did
    // not belong to the file (the history is then the file's own).
    QString verschoben_nach() const { return verschoben_; }
    // Tests the last liste() or csv() left out because they hold values the
    // program never writes.
    int unlesbare_Tests() const { return unlesbar_; }

    // Stores the test in one transaction; its id is set and its name becomes
    // the stored one (Verlauf_Name). False when the history cannot be written
    // or the test holds values that are never stored (grund() says why).
    bool speichern(Verlauf_Test& t);
    // All tests, newest first.
    std::vector<Verlauf_Eintrag> liste();
    // The test; none when it is missing or holds values the program never writes.
    std::optional<Verlauf_Test> laden(int64_t id);
    // The newest stored test of the ear.
    std::optional<Verlauf_Test> neuester(bool links);
    bool loeschen(int64_t id);
    int anzahl();
    // The whole history as CSV text: UTF-8 with byte order mark, semicolons,
    // decimal comma, CR LF; one line per measured frequency of each test,
    // oldest test first, a bound marked "≤" or "≥" in the column "Grenze", the
    // room noise's excess over its limit (empty: none) in the last; names
    // without control characters and never taken for a formula. Empty when
    // the history cannot be read.
    std::optional<QByteArray> csv();

    // Copies the journal into the file, waiting up to 1 s for readers; when
    // this object closes the file last, the journal and its index are removed.
    // Empty when that worked, else why not (end of "... weil ").
    QString Journal_einarbeiten();

    // Runs inside speichern()'s transaction after the test's own line is
    // written and before its rows are: lets a test stop a writer there.
    std::function<void()> Schreibhaken;

private:
    void oeffnen();
    bool verbinden();
    void trennen();
    // Works on a private copy of a file that cannot be written.
    bool Kopie_anlegen();
    // A journal with writes beside the file: does it belong to the file?
    // Else it is moved aside (true: the file can be opened on).
    bool Journal_pruefen();
    bool Journal_beiseite_legen();
    // Checks the layout, creates or updates it; false with grund_ set.
    bool Schema_pruefen_anlegen(bool& fremd);
    // Inside a write transaction: the file's new identity and the ones the
    // journal may lie on.
    bool Kennung_fortschreiben(QSqlQuery& q);
    // After a write: the journal into the file, without waiting.
    void nach_dem_Schreiben();
    // Moves a damaged file aside and starts a new history.
    void beiseite_legen_und_neu(const QString& grund);
    // After a failed command: a damaged file is replaced (true: try again),
    // any other failure only recorded.
    bool Fehler_behandeln(int code, bool beim_schreiben);
    // The file (or, before it exists, its folder) and its journal can be written.
    bool schreibbar();

    QString pfad_;        // the file, a symbolic link followed
    QString arbeitspfad_; // what SQLite opens: the file or its private copy
    QString verbindung_;
    Zustand zustand_ = Zustand::nicht_lesbar;
    QString grund_;
    QString verschoben_;
    int unlesbar_ = 0;
    bool nur_lesen_ = false;
    bool Journal_loeschen_ = false;
    std::unique_ptr<QTemporaryDir> kopie_;
};

// How far the difference of two values holds when a value is only a bound.
enum class Verlauf_Grenze : uint8_t {
    genau,      // both values are thresholds
    hoechstens, // the difference is at most this
    mindestens, // the difference is at least this
    unbestimmt  // both values are bounds in the same direction: no difference can be given
};

// Result of comparing two tests of the history.
struct Verlauf_Differenz {
    uint16_t frequenz = 0;
    double dB_a = 0, dB_b = 0;   // unrounded
    double dBA_a = 0, dBA_b = 0; // unrounded
    Tonende grenze_a = Tonende::waehrend, grenze_b = Tonende::waehrend;
    // b - a from the unrounded values, each rounded to 0.1 dB; dB and dB(A)
    // differ only when the two tests' A-weightings do (never at one frequency).
    double dB = 0;
    double dBA = 0;
    Verlauf_Grenze grenze = Verlauf_Grenze::genau;
};

struct Verlauf_Vergleich {
    // Frequencies measured in both tests, in the order of test a's rows.
    std::vector<Verlauf_Differenz> differenzen;
    // Notes for the user: different ears, tone kinds, calibration kinds or
    // values, bounds among the values, what a reference listener's
    // calibration means, frequencies measured while the room was too loud.
    std::vector<QString> hinweise;
};

// Copies the journal beside the history into the file and removes it, so that
// after the program has ended "Verlauf.sqlite" alone holds every test (a copy
// of that file alone is a whole history). Does nothing when there is no file
// or no journal, or when another program holds the file. Empty when nothing
// was left to do, else why the copy-in failed (end of "... weil "): the
// journal then stays beside the file and belongs to it.
QString Verlauf_Journal_einarbeiten(const QString& pfad);

// True when b holds the same results as a: same ear, tone, calibration and
// thresholds with their bounds (the name and the time aside). An ear's
// results accepted once more without a new measurement are then not stored a
// second time.
bool Verlauf_gleiche_Ergebnisse(const Verlauf_Test& a, const Verlauf_Test& b);

// Differences b - a at every frequency both tests measured, and notes on what
// makes the two tests hard to compare.
Verlauf_Vergleich Verlauf_vergleichen(const Verlauf_Test& a, const Verlauf_Test& b);

// A value as the comparison and the CSV show it: "23,4", "≤ 23,4" after the
// end of a falling tone, "≥ 23,4" after the end of a rising one.
QString Verlauf_Wert_text(double dB, Tonende grenze);
// A difference: "+7,3", "≤ +7,3", "≥ -2,0", "–" when it cannot be given.
QString Verlauf_Differenz_text(double dB, Verlauf_Grenze grenze);
