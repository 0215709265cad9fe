// File and folder helpers, the documents folder, code page 1252 and LangePause.
#include "core/shell/cp1252.h"
#include "core/shell/kvhilf.h"
#include "core/shell/programmstart.h"

#include "core/shell/umgebung.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace
{

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

} // namespace

TEST(Dateien, DateiFrei)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath(QStringLiteral("belegt.qvl"));
    EXPECT_TRUE(Datei_frei(pfad)) << "a missing file is free";

    schreiben(pfad, "abc");
    EXPECT_TRUE(Datei_frei(pfad));

    {
        QFile anderer(pfad);
        ASSERT_TRUE(anderer.open(QIODevice::WriteOnly | QIODevice::Append));
        EXPECT_FALSE(Datei_frei(pfad)) << "another handle holds the file open for writing";
    }
    EXPECT_TRUE(Datei_frei(pfad)) << "free again once the other handle is closed";
    {
        QFile leser(pfad);
        ASSERT_TRUE(leser.open(QIODevice::ReadOnly));
        EXPECT_TRUE(Datei_frei(pfad)) << "a reader does not block writing";
    }
    // The check must not change the file.
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("abc"));
}

TEST(Dateien, ExistiertUndLoeschen)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("a.wav"));
    EXPECT_FALSE(Datei_existiert(datei));
    EXPECT_FALSE(Datei_existiert(QString()));
    EXPECT_FALSE(Datei_existiert(dir.path())) << "a folder is no file";
    EXPECT_TRUE(Verzeichnis_existiert(dir.path()));
    EXPECT_FALSE(Verzeichnis_existiert(QString()));

    bool vorhanden = true;
    bool geloescht = true;
    Datei_loeschen(datei, vorhanden, geloescht);
    EXPECT_FALSE(vorhanden);
    EXPECT_FALSE(geloescht);

    schreiben(datei, "x");
    EXPECT_TRUE(Datei_existiert(datei));
    EXPECT_FALSE(Verzeichnis_existiert(datei)) << "a file is no folder";
    Datei_loeschen(datei, vorhanden, geloescht);
    EXPECT_TRUE(vorhanden);
    EXPECT_TRUE(geloescht);
    EXPECT_FALSE(QFileInfo::exists(datei));
}

TEST(Dateien, VerzeichnisAnlegenNurEineEbene)
{
    QTemporaryDir dir;
    bool vorhanden = false;
    bool fehler = true;
    Verzeichnis_anlegen(dir.path(), vorhanden, fehler);
    EXPECT_TRUE(vorhanden);
    EXPECT_FALSE(fehler);

    const QString neu = dir.filePath(QStringLiteral("neu"));
    Verzeichnis_anlegen(neu, vorhanden, fehler);
    EXPECT_FALSE(vorhanden);
    EXPECT_FALSE(fehler);
    EXPECT_TRUE(QFileInfo(neu).isDir());

    const QString tief = dir.filePath(QStringLiteral("fehlt/auch"));
    Verzeichnis_anlegen(tief, vorhanden, fehler);
    EXPECT_FALSE(vorhanden);
    EXPECT_TRUE(fehler);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("fehlt"))));

    // A regular file in the way cannot become a folder.
    const QString datei = dir.filePath(QStringLiteral("datei"));
    schreiben(datei, "x");
    Verzeichnis_anlegen(datei, vorhanden, fehler);
    EXPECT_FALSE(vorhanden);
    EXPECT_TRUE(fehler);
}

TEST(Dateien, DateinameUndVerzeichnis)
{
    const QString p =
        QStringLiteral("/home/nutzer/Grundeinstellungen_Quarvel_Hoertest/Einstellungen_Hoertest_1_6.qvl");
    EXPECT_EQ(Dateiname_ohne_Verzeichnis(p), QStringLiteral("Einstellungen_Hoertest_1_6.qvl"));
    EXPECT_EQ(Verzeichnis_von_Datei(p), QStringLiteral("/home/nutzer/Grundeinstellungen_Quarvel_Hoertest/"));
    EXPECT_EQ(Dateiname_ohne_Verzeichnis(QStringLiteral("nur.qvl")), QStringLiteral("nur.qvl"));
    EXPECT_EQ(Verzeichnis_von_Datei(QStringLiteral("nur.qvl")), QString());
    EXPECT_EQ(Dateiname_ohne_Verzeichnis(QStringLiteral("/ordner/")), QString());
    EXPECT_EQ(Verzeichnis_von_Datei(QStringLiteral("/ordner/")), QStringLiteral("/ordner/"));
    EXPECT_EQ(Verzeichnis_von_Datei(QStringLiteral("/wurzel.qvl")), QStringLiteral("/"));
}

TEST(Dateien, Programmordner)
{
    const QString p = exepfad();
    ASSERT_TRUE(p.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(Verzeichnis_existiert(p));
    EXPECT_EQ(
        QFileInfo(p).canonicalFilePath(),
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2));
}

TEST(Dateien, DokumentenordnerOderHeimordner)
{
    QTemporaryDir heim;
    Umgebung home("HOME", QFile::encodeName(heim.path()));
    Umgebung xdg("XDG_CONFIG_HOME", QFile::encodeName(heim.filePath(QStringLiteral(".config"))));
    QString p;
    ASSERT_TRUE(Get_Eigene_Dateien_pfad(p));
    EXPECT_EQ(p, QDir::cleanPath(heim.path())) << "without Documents the home folder";
    ASSERT_TRUE(QDir(heim.path()).mkdir(QStringLiteral("Documents")));
    ASSERT_TRUE(Get_Eigene_Dateien_pfad(p));
    EXPECT_EQ(p, QDir::cleanPath(heim.filePath(QStringLiteral("Documents"))));
}

TEST(Cp1252, UmlauteHinUndZurueck)
{
    const QString text = QStringLiteral("Hörtest ÄÖÜ äöü ß € 10,0");
    const QByteArray b = nach_cp1252(text);
    ASSERT_EQ(b.size(), text.size()) << "one byte per character";
    EXPECT_EQ(uint8_t(b[1]), 0xF6);  // ö
    EXPECT_EQ(uint8_t(b[8]), 0xC4);  // Ä
    EXPECT_EQ(uint8_t(b[16]), 0xDF); // ß
    EXPECT_EQ(uint8_t(b[18]), 0x80); // €
    EXPECT_EQ(von_cp1252(b), text);
    EXPECT_TRUE(nach_cp1252(QString()).isEmpty());
    EXPECT_TRUE(von_cp1252(QByteArray()).isEmpty());
}

TEST(Cp1252, NichtDarstellbareZeichenWerdenFragezeichen)
{
    EXPECT_EQ(nach_cp1252(QStringLiteral("a中b")), QByteArray("a?b"));
    EXPECT_EQ(nach_cp1252(QString::fromUtf8("x\xF0\x9F\x8E\xB5y")), QByteArray("x?y"))
        << "one mark for a surrogate pair";
    // Bytes without a character in the code page.
    EXPECT_EQ(von_cp1252(QByteArray("a\x81z", 3)), QStringLiteral("a?z"));
    // Every byte converts to something and the length stays.
    QByteArray alle;
    for (int i = 1; i < 256; ++i)
        alle.append(char(i));
    EXPECT_EQ(von_cp1252(alle).size(), 255);
}

TEST(LangePause, NullKehrtZurueck)
{
    QElapsedTimer uhr;
    uhr.start();
    LangePause(0);
    EXPECT_GE(uhr.elapsed(), 1) << "more than 0 ms passed";
}

TEST(LangePause, BearbeitetEreignisseWaehrendDesWartens)
{
    int argc = 1;
    char name[] = "test_core_shell";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    bool gelaufen = false;
    QTimer::singleShot(0, &app, [&] { gelaufen = true; });
    QElapsedTimer uhr;
    uhr.start();
    LangePause(20);
    EXPECT_TRUE(gelaufen);
    EXPECT_GT(uhr.elapsed(), 20);
}
