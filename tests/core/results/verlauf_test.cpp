// The history of hearing tests: what is stored comes back, a file of the
// first layout is brought up to date, a damaged or foreign file is put
// aside without taking the history down, a newer file is left alone, a
// writer killed in the middle of a test leaves the earlier tests intact,
// and the comparison of two tests.
#include "core/results/verlauf.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "verlauf_hilfen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using namespace verlauf_hilfen;

void erwarte_gleich(const Verlauf_Test& a, const Verlauf_Test& b)
{
    EXPECT_EQ(a.zeitpunkt, b.zeitpunkt);
    EXPECT_EQ(a.links, b.links);
    EXPECT_EQ(a.pulsierend, b.pulsierend);
    EXPECT_EQ(a.zunehmend, b.zunehmend);
    EXPECT_EQ(a.eichung, b.eichung);
    EXPECT_EQ(a.eichart, b.eichart);
    EXPECT_EQ(a.eichdatum, b.eichdatum);
    EXPECT_EQ(a.name, b.name);
    for (size_t i = 0; i < a.zeilen.size(); ++i) {
        const Verlauf_Zeile &x = a.zeilen[i], &y = b.zeilen[i];
        EXPECT_EQ(x.frequenz, y.frequenz) << i;
        EXPECT_EQ(x.gemessen, y.gemessen) << i;
        if (x.gemessen) {
            EXPECT_DOUBLE_EQ(x.dB, y.dB) << i;
            EXPECT_DOUBLE_EQ(x.dBA, y.dBA) << i;
            EXPECT_EQ(x.grenze, y.grenze) << i;
            EXPECT_DOUBLE_EQ(x.ruhepegel, y.ruhepegel) << i;
        }
        EXPECT_DOUBLE_EQ(x.anfangsdruck, y.anfangsdruck) << i;
        EXPECT_EQ(x.startvolumen, y.startvolumen) << i;
        EXPECT_DOUBLE_EQ(x.kalibrierwert, y.kalibrierwert) << i;
        EXPECT_EQ(x.einheit, y.einheit) << i;
        EXPECT_EQ(x.kalibriervolumen, y.kalibriervolumen) << i;
        EXPECT_DOUBLE_EQ(x.umrechnungsfaktor, y.umrechnungsfaktor) << i;
    }
}

class VerlaufTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString pfad() const { return ordner.filePath(QStringLiteral("Verlauf.sqlite")); }
};

} // namespace

TEST_F(VerlaufTest, GespeichertesKommtZurueckNeuesteZuerstUndLoeschenEntferntEs)
{
    Verlauf_Test a = Beispiel(true, 0);
    a.name = QStringLiteral("Jörg; \"Müller\"");
    // Bounds: "Stopp" only after the end of the tone.
    a.zeilen[0].grenze = Tonende::nach_abnehmendem;
    a.zeilen[4].grenze = Tonende::nach_zunehmendem;
    // Rows measured while the room was too loud, up to the largest excess kept.
    a.zeilen[4].ruhepegel = 6.5;
    a.zeilen[7].ruhepegel = Ruhepegel_hoechstens_dB;
    Verlauf_Test b = Beispiel(false, 5, Span_nung);
    Verlauf_Test c = Beispiel(true, 2);
    // Test c has the calibration values of a new settings file.
    for (Verlauf_Zeile& z : c.zeilen) {
        z.kalibrierwert = Grund_Eichpegel_dB;
        z.kalibriervolumen = Grund_Lautstaerke;
    }
    {
        Verlauf v(pfad());
        ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
        for (Verlauf_Test* t : {&a, &b, &c})
            ASSERT_TRUE(v.speichern(*t)) << qPrintable(v.grund());
    }
    // At the program's end the journal goes into the file: a copy of the file
    // alone (a user's backup) holds every test.
    Verlauf_Journal_einarbeiten(pfad());
    EXPECT_FALSE(QFileInfo::exists(pfad() + QStringLiteral("-wal")));
    const QString kopie = pfad() + QStringLiteral(".kopie");
    ASSERT_TRUE(QFile::copy(pfad(), kopie));
    EXPECT_EQ(Verlauf(kopie).liste().size(), 3u);
    // A later run of the program finds them again.
    Verlauf v(pfad());
    const auto liste = v.liste();
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[0].id, b.id);
    EXPECT_EQ(liste[1].id, c.id);
    EXPECT_EQ(liste[2].id, a.id);
    EXPECT_EQ(liste[0].gemessen, 14);
    EXPECT_FALSE(liste[0].links);
    EXPECT_EQ(liste[2].name, a.name);
    for (const Verlauf_Test* t : {&a, &b, &c}) {
        const auto gelesen = v.laden(t->id);
        ASSERT_TRUE(gelesen);
        erwarte_gleich(*t, *gelesen);
    }

    // CSV: one line per measured frequency, oldest first, decimal comma, the
    // name quoted so that its semicolon and quotes survive.
    const auto csv = v.csv();
    ASSERT_TRUE(csv);
    ASSERT_TRUE(csv->startsWith("\xEF\xBB\xBF"));
    const QStringList zeilen =
        QString::fromUtf8(csv->mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1 + 3 * 14);
    EXPECT_EQ(zeilen[0], QStringLiteral("Nr;Datum;Uhrzeit;Ohr;Ton;Name;Kalibrierung;Frequenz in Hz;"
                                        "Hörschwelle in dB;Hörschwelle in dB(A);Grenze;"
                                        "Ruhepegel über der Grenze in dB"));
    EXPECT_EQ(zeilen[1], QStringLiteral("1;01.03.2026;10:15:30;Linkes Ohr;abnehmend;\"Jörg; \"\"Müller\"\"\";"
                                        "Schallpegelmesser;50;10,5;-3,2;≤;"));
    EXPECT_EQ(zeilen[4], QStringLiteral("1;01.03.2026;10:15:30;Linkes Ohr;abnehmend;\"Jörg; \"\"Müller\"\"\";"
                                        "Schallpegelmesser;1000;14,5;-1,2;≥;6,5"));
    EXPECT_EQ(zeilen.last(), QStringLiteral("3;06.03.2026;10:15:30;Rechtes Ohr;abnehmend, pulsierend;;"
                                            "Mikrofonspannung;16000;34,5;1,3;;"));
    // The calibration in the audiogram's words when it is still the default one.
    EXPECT_EQ(zeilen[15].section(u';', 6, 6), QStringLiteral("keine eigene Kalibrierung (Grundwerte)"));

    ASSERT_TRUE(v.loeschen(c.id));
    EXPECT_FALSE(v.laden(c.id));
    EXPECT_EQ(v.liste().size(), 2u);
}

TEST_F(VerlaufTest, ErsteFassungWirdAufDenStandGebracht)
{
    ASSERT_TRUE(sql(pfad(), Fassung_1));
    Verlauf_Test neu = Beispiel(false, 1);
    {
        Verlauf v(pfad());
        ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
        const auto liste = v.liste();
        ASSERT_EQ(liste.size(), 1u);
        EXPECT_EQ(liste[0].gemessen, 2);
        EXPECT_FALSE(liste[0].links);
        EXPECT_TRUE(liste[0].zunehmend);
        const auto alt = v.laden(7);
        ASSERT_TRUE(alt);
        EXPECT_EQ(alt->eichung, Eichung_unbekannt);
        EXPECT_EQ(alt->name, QStringLiteral("Alt"));
        EXPECT_TRUE(alt->zeilen[0].gemessen);
        EXPECT_DOUBLE_EQ(alt->zeilen[0].dB, 20.5);
        EXPECT_FALSE(alt->zeilen[1].gemessen);
        ASSERT_TRUE(v.speichern(neu)) << qPrintable(v.grund());
        EXPECT_TRUE(v.loeschen(7));
    }
    // Opened again as a file of the current version, not updated a second time.
    Verlauf v(pfad());
    ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
    const auto wieder = v.laden(neu.id);
    ASSERT_TRUE(wieder);
    erwarte_gleich(neu, *wieder);
}

TEST_F(VerlaufTest, EichzustandDesOhrsWirdMitJedemTestGespeichert)
{
    // A file of version 3 first: its tests keep the words derived from their values.
    ASSERT_TRUE(sql(pfad(), Fassung_3));
    const QString vorher = Einstellungsordner;
    Einstellungsordner = ordner.path() + QLatin1Char('/');
    struct Fall {
        Eichart art;
        QDate datum;
        QString worte;
    };
    const QDate d(2026, 2, 14);
    const Fall faelle[] = {
        {Eichart::Grundwerte, {}, QStringLiteral("nicht kalibriert (Grundwerte)")},
        {Eichart::Schallpegelmesser, d, QStringLiteral("Schallpegelmesser (14.02.2026)")},
        {Eichart::Schallpegelmesser, {}, QStringLiteral("Schallpegelmesser (Datum unbekannt)")},
        {Eichart::Mikrofonspannung, d, QStringLiteral("Mikrofonspannung (14.02.2026)")},
        {Eichart::automatisch, d.addDays(1), QStringLiteral("automatisch (15.02.2026)")},
        {Eichart::Bezugshoerer, d, QStringLiteral("Bezugshörer (14.02.2026)")},
    };
    std::vector<Verlauf_Test> gespeichert;
    {
        Verlauf v(pfad());
        ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
        for (int i = 0; i < int(std::size(faelle)); ++i) {
            const Fall& f = faelle[i];
            SCOPED_TRACE(qPrintable(f.worte));
            // The state comes from the settings folder's record of the ear's values.
            Einstellungstyp e{};
            for (int z = 1; z <= Zeilen; ++z) {
                e.Frequenzen[size_t(z - 1)] = Frequenzen[z - 1];
                Spannung(e, 6, 0, z) = Grund_Eichpegel_dB;
                e.Links_Volume1[5 - 3][size_t(z - 1)] = Grund_Lautstaerke;
            }
            e.Eichung = f.art == Eichart::Mikrofonspannung ? Span_nung : Schall_messer;
            if (f.art != Eichart::Grundwerte)
                Spannung(e, e.Eichung == Span_nung ? 4 : 6, 0, 1) = 70.0 + i;
            if (f.datum.isValid()) {
                ASSERT_TRUE(Eichzustand_merken(e, true, f.art, f.datum));
            }
            std::array<double, 43> druck{};
            druck[size_t(Druck_index(true, 1))] = 0.01;
            Verlauf_Test t =
                Verlauf_Test_aus_Ergebnissen(true, druck, e, QDateTime(d.addDays(i), QTime(9, 0)), {});
            EXPECT_EQ(t.eichart, int(f.art));
            EXPECT_EQ(t.eichdatum, f.datum);
            ASSERT_TRUE(v.speichern(t)) << qPrintable(v.grund());
            gespeichert.push_back(t);
        }
        // A kind or date the program never keeps is not stored.
        Verlauf_Test falsch = gespeichert[1];
        for (auto aendern : std::initializer_list<std::function<void(Verlauf_Test&)>>{
                 [](Verlauf_Test& t) { t.eichart = 5; },
                 [](Verlauf_Test& t) { t.eichart = int(Eichart::Mikrofonspannung); },
                 [&](Verlauf_Test& t) { t = gespeichert[0], t.eichdatum = d; },
                 [](Verlauf_Test& t) { t.eichdatum = QDate(1969, 12, 31); }}) {
            Verlauf_Test t = falsch;
            aendern(t);
            EXPECT_FALSE(v.speichern(t));
        }
    }
    Einstellungsordner = vorher;

    Verlauf v(pfad());
    ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
    EXPECT_EQ(v.anzahl(), 2 + int(std::size(faelle)));
    for (size_t i = 0; i < gespeichert.size(); ++i) {
        const auto t = v.laden(gespeichert[i].id);
        ASSERT_TRUE(t);
        erwarte_gleich(gespeichert[i], *t);
        EXPECT_EQ(Verlauf_Kalibrierung_text(*t), faelle[i].worte);
    }
    const auto alt = v.laden(4);
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->eichart, Eichart_unbekannt);
    EXPECT_EQ(alt->zeilen[0].grenze, Tonende::nach_abnehmendem);
    // The CSV: the old tests' words, then one line for each kind; the
    // reference listener's with what it means.
    const auto csv = v.csv();
    ASSERT_TRUE(csv);
    QStringList zeilen = QString::fromUtf8(csv->mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1 + 2 + int(std::size(faelle)));
    EXPECT_EQ(zeilen[1].section(u';', 6, 6), QStringLiteral("Schallpegelmesser"));
    EXPECT_EQ(zeilen[2].section(u';', 6, 6), QStringLiteral("keine eigene Kalibrierung (Grundwerte)"));
    for (size_t i = 0; i < std::size(faelle); ++i) {
        QString wort = faelle[i].worte;
        if (faelle[i].art == Eichart::Bezugshoerer)
            wort += QStringLiteral(" – ") + Bezugshoerer_Hinweis();
        EXPECT_EQ(zeilen[int(i) + 3].section(u';', 6, 6), wort);
    }
    // The comparison names two kinds of the same values and what a reference
    // listener's calibration means.
    const Verlauf_Vergleich w = Verlauf_vergleichen(gespeichert[1], gespeichert.back());
    EXPECT_EQ(w.hinweise,
              (std::vector<QString>{
                  QStringLiteral("Die Tests beruhen auf verschiedenen Kalibrierungen: "
                                 "Schallpegelmesser (14.02.2026) und Bezugshörer (14.02.2026)."),
                  QStringLiteral("Die Kalibrierwerte der beiden Tests unterscheiden sich bei 1 Frequenz."),
                  Bezugshoerer_Hinweis()}));
}

TEST_F(VerlaufTest, BeschaedigteOderFremdeDateiWirdBeiseitegelegt)
{
    // A working history whose first page is then overwritten.
    QByteArray zerstoert;
    {
        Verlauf v(pfad());
        Verlauf_Test t = Beispiel(true, 0);
        ASSERT_TRUE(v.speichern(t));
    }
    zerstoert = lesen(pfad());
    ASSERT_GT(zerstoert.size(), 200);
    for (int i = 100; i < 200; ++i)
        zerstoert[i] = char(0xA5);

    struct Fall {
        const char* name;
        std::function<void(const QString&)> anlegen;
        QString grund;
    };
    const QString p = pfad();
    const std::vector<Fall> faelle = {
        {"Text statt Datenbank",
         [&](const QString& z) {
             ASSERT_TRUE(schreiben(z, QByteArray("Nr;Datum\r\n1;01.01.2020\r\n").repeated(50)));
         },
         QStringLiteral("die Datei keine Datenbank ist")},
        {"erste Seite zerstört", [&](const QString& z) { ASSERT_TRUE(schreiben(z, zerstoert)); },
         QStringLiteral("die Datei beschädigt ist")},
        {"Datenbank eines anderen Programms",
         [&](const QString& z) {
             ASSERT_TRUE(sql(z, {QStringLiteral("CREATE TABLE kunden (nr INTEGER, name TEXT)"),
                                 QStringLiteral("INSERT INTO kunden VALUES (1, 'x')")}));
         },
         QStringLiteral("die Datei von einem anderen Programm stammt")},
        {"fremde Tabelle test in Version 2",
         [&](const QString& z) {
             ASSERT_TRUE(sql(z, {QStringLiteral("CREATE TABLE test (a INTEGER)"),
                                 QStringLiteral("PRAGMA user_version = 2")}));
         },
         QStringLiteral("die Datei von einem anderen Programm stammt")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QDir(ordner.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(ordner.path()));
        f.anlegen(p);
        // A journal left beside the damaged file must not meet the new one.
        ASSERT_TRUE(schreiben(p + QStringLiteral("-wal"), QByteArray(5000, 'w')));
        const QByteArray vorher = lesen(p);
        {
            Verlauf v(p);
            EXPECT_EQ(v.zustand(), Verlauf::Zustand::ersetzt);
            EXPECT_EQ(v.grund(), f.grund);
            EXPECT_EQ(lesen(v.verschoben_nach()), vorher);
            EXPECT_NE(lesen(p + QStringLiteral("-wal")), QByteArray(5000, 'w'));
            EXPECT_TRUE(v.liste().empty());
            Verlauf_Test t = Beispiel(false, 3);
            EXPECT_TRUE(v.speichern(t)) << qPrintable(v.grund());
        }
        // Only once: the new file is a sound history.
        Verlauf v(p);
        EXPECT_EQ(v.zustand(), Verlauf::Zustand::bereit);
        EXPECT_EQ(v.liste().size(), 1u);
    }
}

TEST_F(VerlaufTest, NeuereFassungUndUnerreichbarerOrdnerBleibenUnberuehrt)
{
    {
        Verlauf v(pfad());
        Verlauf_Test t = Beispiel(true, 0);
        ASSERT_TRUE(v.speichern(t));
    }
    // A file of a newer version is neither changed nor put aside.
    ASSERT_TRUE(sql(pfad(), {QStringLiteral("PRAGMA user_version = %1").arg(Verlauf_Version + 1)}));
    const QByteArray vorher = lesen(pfad());
    {
        Verlauf v(pfad());
        EXPECT_EQ(v.zustand(), Verlauf::Zustand::nicht_lesbar);
        EXPECT_EQ(v.grund(), QStringLiteral("die Datei von einer neueren Programmversion stammt"));
        Verlauf_Test t = Beispiel(true, 1);
        EXPECT_FALSE(v.speichern(t));
    }
    EXPECT_EQ(lesen(pfad()), vorher);
    EXPECT_TRUE(QDir(ordner.path()).entryList({QStringLiteral("Verlauf.sqlite.*")}, QDir::Files).isEmpty());

    // A folder that cannot hold the file (here: a file in its place).
    Verlauf unerreichbar(pfad() + QStringLiteral("/Verlauf.sqlite"));
    EXPECT_EQ(unerreichbar.zustand(), Verlauf::Zustand::nicht_lesbar);
    EXPECT_EQ(unerreichbar.grund(), QStringLiteral("die Datei nicht geöffnet oder angelegt werden kann"));
    Verlauf_Test t = Beispiel(true, 1);
    EXPECT_FALSE(unerreichbar.speichern(t));
}

TEST_F(VerlaufTest, AbgebrochenerSchreiberVerliertHoechstensSeinenTest)
{
    std::vector<int64_t> fruehere;
    {
        Verlauf v(pfad());
        for (int i = 0; i < 3; ++i) {
            Verlauf_Test t = Beispiel(i % 2 == 0, i);
            ASSERT_TRUE(v.speichern(t));
            fruehere.push_back(t.id);
        }
    }
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        // The writer: its test's own line is written, its rows are not yet.
        close(rohr[0]);
        Verlauf v(pfad());
        v.Schreibhaken = [&] {
            const char c = 'x';
            if (write(rohr[1], &c, 1) != 1)
                _exit(2);
            for (;;)
                pause();
        };
        Verlauf_Test t = Beispiel(true, 9);
        v.speichern(t);
        _exit(3);
    }
    close(rohr[1]);
    char c = 0;
    ASSERT_EQ(read(rohr[0], &c, 1), 1);
    close(rohr[0]);
    kill(kind, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFSIGNALED(status));

    Verlauf v(pfad());
    ASSERT_EQ(v.zustand(), Verlauf::Zustand::bereit) << qPrintable(v.grund());
    const auto liste = v.liste();
    ASSERT_EQ(liste.size(), 3u);
    for (const auto& e : liste) {
        const auto t = v.laden(e.id);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->gemessene_Zeilen(), e.gemessen);
        EXPECT_EQ(t->zeilen[20].frequenz, 18000);
    }
    Verlauf_Test weiter = Beispiel(false, 4);
    EXPECT_TRUE(v.speichern(weiter));
}

TEST(VerlaufVergleich, DifferenzenNurWoBeideGemessenUndHinweise)
{
    Verlauf_Test a = Beispiel(true, 0);
    Verlauf_Test b = Beispiel(true, 2);
    b.pulsierend = a.pulsierend;
    b.zeilen[0].gemessen = false; // 50 Hz only in a
    a.zeilen[3].gemessen = false; // 500 Hz only in b
    b.zeilen[4].dB = a.zeilen[4].dB - 7.25;
    b.zeilen[4].dBA = a.zeilen[4].dBA + 0.04;
    // A frequency of a that b did not test.
    a.zeilen[5].frequenz = 1400;

    Verlauf_Vergleich v = Verlauf_vergleichen(a, b);
    std::vector<uint16_t> frequenzen;
    for (const auto& d : v.differenzen)
        frequenzen.push_back(d.frequenz);
    std::vector<uint16_t> erwartet;
    for (int i = 0; i < Zeilen; ++i)
        if (i % 3 != 2 && i != 0 && i != 3 && i != 5)
            erwartet.push_back(Frequenzen[i]);
    EXPECT_EQ(frequenzen, erwartet);
    const auto& tausend = v.differenzen[1];
    ASSERT_EQ(tausend.frequenz, 1000);
    EXPECT_DOUBLE_EQ(tausend.dB, -7.3);
    EXPECT_DOUBLE_EQ(tausend.dBA, 0.0);
    EXPECT_DOUBLE_EQ(v.differenzen[2].dB, 2.0); // 2000 Hz: b is 2 dB higher
    EXPECT_DOUBLE_EQ(v.differenzen[2].dBA, -2.0);
    ASSERT_EQ(v.hinweise.size(), 1u);
    EXPECT_TRUE(v.hinweise[0].contains(QStringLiteral("Testfrequenzen"))) << qPrintable(v.hinweise[0]);

    struct Fall {
        const char* name;
        std::function<void(Verlauf_Test&)> aendern;
        QString hinweis;
    };
    const std::vector<Fall> faelle = {
        {"anderes Ohr", [](Verlauf_Test& t) { t.links = false; },
         QStringLiteral("Die beiden Tests betreffen verschiedene Ohren.")},
        {"anderer Ton",
         [](Verlauf_Test& t) {
             t.zunehmend = true;
             t.pulsierend = true;
         },
         QStringLiteral(
             "Die Tests wurden mit verschiedenen Tönen gemacht: abnehmend und zunehmend, pulsierend.")},
        {"andere Kalibrierart", [](Verlauf_Test& t) { t.eichung = Span_nung; },
         QStringLiteral("Die Tests beruhen auf verschiedenen Kalibrierungen: Schallpegelmesser und "
                        "Mikrofonspannung.")},
        {"Kalibrierung unbekannt", [](Verlauf_Test& t) { t.eichung = Eichung_unbekannt; },
         QStringLiteral("Für einen der Tests ist keine Kalibrierung gespeichert; die Kalibrierungen können "
                        "nicht verglichen werden.")},
        {"andere Kalibrierwerte",
         [](Verlauf_Test& t) {
             t.zeilen[2].kalibrierwert += 1.0;
             t.zeilen[7].kalibriervolumen += 1;
             t.zeilen[9].einheit = 2;
         },
         QStringLiteral("Die Kalibrierwerte der beiden Tests unterscheiden sich bei 3 Frequenzen.")},
        {"andere Startlautstärke", [](Verlauf_Test& t) { t.zeilen[20].startvolumen += 100; },
         QStringLiteral("Die Kalibrierwerte der beiden Tests unterscheiden sich bei 1 Frequenz.")},
        {"Ruhepegel zu hoch",
         [](Verlauf_Test& t) {
             t.zeilen[4].ruhepegel = 3; // 1000 Hz, measured
             t.zeilen[5].ruhepegel = 0; // 1500 Hz, no mark
         },
         QStringLiteral(
             "Ruhepegel zu hoch bei 1000 Hz (Test 2): Hörschwelle möglicherweise zu hoch gemessen.")},
    };
    const Verlauf_Test basis = Beispiel(true, 0);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Verlauf_Test anders = basis;
        f.aendern(anders);
        const Verlauf_Vergleich w = Verlauf_vergleichen(basis, anders);
        EXPECT_EQ(w.hinweise, std::vector<QString>{f.hinweis});
        EXPECT_EQ(w.differenzen.size(), 14u);
    }
    EXPECT_TRUE(Verlauf_vergleichen(basis, basis).hinweise.empty());
}
