// The history of hearing tests: storing one test as the program does after
// "Übernehmen" (open the file, one transaction, close), listing 10,000 stored
// tests as the history window does, opening the window itself with them, and
// for comparison writing a file of the database's size through the safe-save
// path (temporary file, flush, rename), which a history kept as one file
// would need for every test. Medians in milliseconds, wall time and the
// thread's processor time (which other programs on a busy machine do not
// inflate). Last, with 100,000 tests: opening, listing, the CSV and one store
// together, as a user with years of tests meets them.
#include "core/results/verlauf.h"
#include "app/results/verlauf_unit.h"
#include "core/settings/dateien.h"
#include "core/settings/einstellungen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace
{

double cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

double median_ms(int runden, const std::function<void()>& f, double& cpu)
{
    std::vector<double> wand, prozessor;
    for (int r = 0; r < runden; ++r) {
        const double c0 = cpu_ms();
        QElapsedTimer uhr;
        uhr.start();
        f();
        wand.push_back(double(uhr.nsecsElapsed()) / 1e6);
        prozessor.push_back(cpu_ms() - c0);
    }
    std::sort(wand.begin(), wand.end());
    std::sort(prozessor.begin(), prozessor.end());
    cpu = prozessor[prozessor.size() / 2];
    return wand[wand.size() / 2];
}

Verlauf_Test Beispiel(int n)
{
    Verlauf_Test t;
    t.zeitpunkt = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(qint64(n) * 3600);
    t.links = n % 2 == 0;
    t.pulsierend = n % 3 == 0;
    t.name = QStringLiteral("Proband %1").arg(n % 7);
    for (int i = 0; i < Zeilen; ++i) {
        Verlauf_Zeile& z = t.zeilen[size_t(i)];
        z.frequenz = uint16_t(50 + 850 * i);
        z.gemessen = true;
        z.dB = 10.0 + i + (n % 10) * 0.1;
        z.dBA = z.dB - 5.0;
        z.anfangsdruck = 0.5;
        z.startvolumen = 30000;
        z.kalibrierwert = 85.0;
        z.kalibriervolumen = 40000;
    }
    return t;
}

// Fills the history up to `soll` tests in one transaction of a connection of
// its own (the benchmark's set-up, not a figure).
void auffuellen(const QString& pfad, int soll)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuellen"));
        db.setDatabaseName(pfad);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT count(*) FROM test"));
        q.next();
        const int vorhanden = q.value(0).toInt();
        q.finish();
        q.exec(QStringLiteral("BEGIN"));
        QSqlQuery t(db), z(db);
        t.prepare(
            QStringLiteral("INSERT INTO test (zeitpunkt, ohr, pulsierend, zunehmend, name, eichung, gemessen)"
                           " VALUES (?, ?, ?, 0, ?, 1, 21)"));
        z.prepare(
            QStringLiteral("INSERT INTO zeile (test, zeile, frequenz, dB, dBA) VALUES (?, ?, ?, ?, ?)"));
        for (int n = vorhanden; n < soll; ++n) {
            const Verlauf_Test b = Beispiel(n);
            t.addBindValue(qint64(b.zeitpunkt.toMSecsSinceEpoch()));
            t.addBindValue(b.links ? 0 : 1);
            t.addBindValue(b.pulsierend ? 1 : 0);
            t.addBindValue(b.name);
            t.exec();
            const qint64 id = t.lastInsertId().toLongLong();
            for (int i = 0; i < Zeilen; ++i) {
                z.addBindValue(id);
                z.addBindValue(i + 1);
                z.addBindValue(int(b.zeilen[size_t(i)].frequenz));
                z.addBindValue(b.zeilen[size_t(i)].dB);
                z.addBindValue(b.zeilen[size_t(i)].dBA);
                z.exec();
            }
        }
        q.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fuellen"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // On the disk the program would use, not in memory.
    QTemporaryDir ordner(QDir::currentPath() + QStringLiteral("/bench_verlauf_XXXXXX"));
    const QString pfad = ordner.filePath(QLatin1String(Name_Verlaufsdatei));
    Einstellungsordner = ordner.path() + QLatin1Char('/');
    double cpu = 0;

    int n = 0;
    const double speichern = median_ms(
        41,
        [&] {
            Verlauf v(pfad);
            Verlauf_Test t = Beispiel(n++);
            v.speichern(t);
        },
        cpu);
    std::printf(
        "Einen Test speichern (öffnen, eine Transaktion, schließen), Median: %8.2f ms (Prozessor %.2f ms)\n",
        speichern, cpu);

    {
        std::vector<double> a, b, c;
        for (int r = 0; r < 21; ++r) {
            QElapsedTimer u;
            u.start();
            auto* v = new Verlauf(pfad);
            a.push_back(double(u.nsecsElapsed()) / 1e6);
            u.restart();
            Verlauf_Test t = Beispiel(n++);
            v->speichern(t);
            b.push_back(double(u.nsecsElapsed()) / 1e6);
            u.restart();
            delete v;
            c.push_back(double(u.nsecsElapsed()) / 1e6);
        }
        for (auto* x : {&a, &b, &c})
            std::sort(x->begin(), x->end());
        std::printf("  davon öffnen %.2f ms, Transaktion %.2f ms, schließen %.2f ms (Mediane)\n", a[10],
                    b[10], c[10]);
    }
    auffuellen(pfad, 10000);
    const double speichern_voll = median_ms(
        21,
        [&] {
            Verlauf v(pfad);
            Verlauf_Test t = Beispiel(n++);
            v.speichern(t);
        },
        cpu);
    std::printf("Einen Test speichern bei 10.000 Tests, Median:              %8.2f ms (Prozessor %.2f ms)\n",
                speichern_voll, cpu);

    size_t anzahl = 0;
    const double liste = median_ms(
        11,
        [&] {
            Verlauf v(pfad);
            anzahl = v.liste().size();
        },
        cpu);
    std::printf("Liste von %zu Tests lesen (öffnen, lesen, schließen):      %8.2f ms (Prozessor %.2f ms)\n",
                anzahl, liste, cpu);

    const double fenster = median_ms(
        7,
        [&] {
            TVerlauf_Form f;
            f.show();
            QCoreApplication::processEvents();
            f.repaint();
            anzahl = size_t(f.Liste->model()->rowCount());
        },
        cpu);
    std::printf("Verlaufsfenster mit %zu Tests öffnen und zeichnen:         %8.2f ms (Prozessor %.2f ms)\n",
                anzahl, fenster, cpu);

    const double csv = median_ms(
        5,
        [&] {
            Verlauf v(pfad);
            anzahl = size_t(v.csv().value_or(QByteArray()).size());
        },
        cpu);
    std::printf("CSV des ganzen Verlaufs bilden (%.1f MB):                  %8.2f ms (Prozessor %.2f ms)\n",
                double(anzahl) / 1e6, csv, cpu);

    // The same amount of data kept as one file, written safely for every test.
    const qint64 groesse = QFileInfo(pfad).size();
    const QByteArray daten(groesse, 'x');
    const QString datei = ordner.filePath(QStringLiteral("gleich_gross.bin"));
    const double sicher = median_ms(
        11, [&] { Datei_sicher_schreiben(datei, daten); }, cpu);
    std::printf("Zum Vergleich: sicheres Speichern einer Datei gleicher Größe (%.1f MB): %8.2f ms (Prozessor "
                "%.2f ms)\n",
                double(groesse) / 1e6, sicher, cpu);
    auffuellen(pfad, 100000);
    size_t csv_groesse = 0;
    const double gross = median_ms(
        3,
        [&] {
            Verlauf v(pfad);
            anzahl = v.liste().size();
            csv_groesse = size_t(v.csv().value_or(QByteArray()).size());
            Verlauf_Test t = Beispiel(n++);
            v.speichern(t);
        },
        cpu);
    std::printf(
        "%zu Tests: öffnen, Liste, CSV (%.1f MB) und ein Test speichern: %8.2f ms (Prozessor %.2f ms)\n",
        anzahl, double(csv_groesse) / 1e6, gross, cpu);
    std::printf(
        "Ziele: speichern <= 20 ms, Liste von 10.000 Tests <= 200 ms, 100.000 Tests zusammen <= 2,1 s\n");
    return 0;
}
