#pragma once
// The history of hearing tests: every ear's results accepted with
// "Übernehmen" are kept as one test in the SQLite database "Verlauf.sqlite"
// in the settings folder, so that the user can compare tests over months.
//
// The file carries its layout version in PRAGMA user_version (2; files of
// version 1 are brought up to date when opened). It runs in WAL mode and
// every write is one transaction: a program killed while writing loses at
// most the test it was writing. Nothing is kept open between commands: a
// Verlauf object opens the file, works and closes it when it goes away. The
// journal "Verlauf.sqlite-wal" beside the file is part of the history: SQLite
// copies it into the file every 1000 pages, not at every close.
//
// A file that is damaged, no database or another program's database is moved
// aside with the date in its name and a new history is started; the object
// then says why (zustand(), grund()). A file that cannot be written (locked by
// another program, read-only medium) leaves the history as it is.
#include "core/settings/records.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

inline constexpr const char* Name_Verlaufsdatei = "Verlauf.sqlite";
inline constexpr int Verlauf_Version = 2;
// Calibration kind of a test stored by version 1, which did not keep it.
inline constexpr int Eichung_unbekannt = -1;
// Unit of a calibration value that is a voltage (no sound level meter).
inline constexpr int Einheit_Spannung = -1;

// One frequency row of a test.
struct Verlauf_Zeile {
    uint16_t frequenz = 0; // Hz
    bool gemessen = false;
    double dB = 0;  // threshold in dB, one decimal (only when gemessen)
    double dBA = 0; // threshold in dB(A), one decimal (only when gemessen)
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

// One ear's test from the results store, the current settings record and the
// levels the results table shows (the frequencies, tone options and the
// ear's calibration of `e`, the levels of `druck`).
Verlauf_Test Verlauf_Test_aus_Ergebnissen(bool links, const std::array<double, 43>& druck,
                                          const Einstellungstyp& e, const QDateTime& zeitpunkt,
                                          const QString& name);

class Verlauf
{
public:
    enum class Zustand {
        bereit,          // open, readable and writable
        ersetzt,         // damaged or foreign: moved aside, a new history started
        nicht_lesbar,    // cannot be opened or read at all (locked, no permission, newer version)
        nicht_schreibbar // readable, but writing failed (read-only medium, locked)
    };

    // Opens (and if need be creates or updates) the history at `pfad`.
    explicit Verlauf(const QString& pfad);
    ~Verlauf();
    Verlauf(const Verlauf&) = delete;
    Verlauf& operator=(const Verlauf&) = delete;

    Zustand zustand() const { return zustand_; }
    bool lesbar() const { return zustand_ == Zustand::bereit || zustand_ == Zustand::ersetzt; }
    // Why the file could not be read, as the end of the sentence "Der Verlauf
    // kann nicht gelesen werden, weil …" ("die Datei beschädigt ist").
    QString grund() const { return grund_; }
    // Where a damaged file was moved (Zustand::ersetzt).
    QString verschoben_nach() const { return verschoben_; }

    // Stores the test in one transaction; its id is set. False when the
    // history cannot be written (grund() says why).
    bool speichern(Verlauf_Test& t);
    // All tests, newest first.
    std::vector<Verlauf_Eintrag> liste();
    std::optional<Verlauf_Test> laden(int64_t id);
    // The newest stored test of the ear.
    std::optional<Verlauf_Test> neuester(bool links);
    bool loeschen(int64_t id);
    int anzahl();
    // The whole history as CSV text: UTF-8 with byte order mark, semicolons,
    // decimal comma, CR LF; one line per measured frequency of each test,
    // oldest test first. Empty when the history cannot be read.
    std::optional<QByteArray> csv();

    // Runs inside speichern()'s transaction after the test's own line is
    // written and before its rows are: lets a test stop a writer there.
    std::function<void()> Schreibhaken;

private:
    enum class Fehlerart { beschaedigt, fremd, gesperrt, schreibgeschuetzt, sonstig };
    void oeffnen();
    bool verbinden();
    void trennen();
    // Checks the layout, creates or updates it; false with grund_ set.
    bool Schema_pruefen_anlegen(bool& fremd);
    // Moves a damaged file aside and starts a new history.
    void beiseite_legen_und_neu(const QString& grund);
    // After a failed command: a damaged file is replaced (true: try again),
    // any other failure only recorded.
    bool Fehler_behandeln(int code, const QString& text, bool beim_schreiben);

    QString pfad_;
    QString verbindung_;
    Zustand zustand_ = Zustand::nicht_lesbar;
    QString grund_;
    QString verschoben_;
};

// Result of comparing two tests of the history.
struct Verlauf_Differenz {
    uint16_t frequenz = 0;
    double dB_a = 0, dB_b = 0;
    double dBA_a = 0, dBA_b = 0;
    double dB = 0;  // b - a
    double dBA = 0; // b - a
};

struct Verlauf_Vergleich {
    // Frequencies measured in both tests, in the order of test a's rows.
    std::vector<Verlauf_Differenz> differenzen;
    // Notes for the user: different ears, tone kinds, calibration kinds or values.
    std::vector<QString> hinweise;
};

// True when b holds the same results as a: same ear, tone, calibration and
// thresholds (the name and the time aside). An ear's results accepted once
// more without a new measurement are then not stored a second time.
// Copies the journal beside the history into the file and removes it, so that
// after the program has ended "Verlauf.sqlite" alone holds every test (a copy
// of that file alone is a whole history). Does nothing when there is no file.
void Verlauf_Journal_einarbeiten(const QString& pfad);

bool Verlauf_gleiche_Ergebnisse(const Verlauf_Test& a, const Verlauf_Test& b);

// Differences b - a at every frequency both tests measured, and notes on what
// makes the two tests hard to compare.
Verlauf_Vergleich Verlauf_vergleichen(const Verlauf_Test& a, const Verlauf_Test& b);
