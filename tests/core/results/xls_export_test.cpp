// Spreadsheet writer: the exact bytes of every record kind, and that a target
// that is in use or cannot be created is reported and left as it was; both
// export writers when the medium refuses the data.
#include "core/results/gitter.h"
#include "core/results/inexcel.h"
#include "core/results/testergebnis_layout.h"
#include "core/results/textdatei.h"
#include "core/shell/dialoge.h"
#include "core/shell/meldungen.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

namespace
{
QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

uint16_t u16(const QByteArray& b, int i)
{
    return uint16_t(uint8_t(b[i]) | (uint8_t(b[i + 1]) << 8));
}
uint32_t u32(const QByteArray& b, int i)
{
    return uint32_t(u16(b, i)) | (uint32_t(u16(b, i + 2)) << 16);
}

const QByteArray bof = QByteArray::fromHex("090808000000100001000000");
const QByteArray eof = QByteArray::fromHex("0a000000");
} // namespace

TEST(TXLSExport, RecordBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // No cells: begin and end record only, 16 bytes.
    const QString leer = dir.filePath("leer.xls");
    {
        bool fehler = true;
        TXLSExport x(leer, fehler);
        ASSERT_FALSE(fehler);
        EXPECT_TRUE(x.Endteil());
    }
    EXPECT_EQ(lesen(leer), bof + eof);

    const QString pfad = dir.filePath("zellen.xls");
    {
        bool fehler = true;
        TXLSExport x(pfad, fehler);
        ASSERT_FALSE(fehler);
        x.Write(uint16_t(1), uint16_t(18), int32_t(1000));
        x.Write(uint16_t(2), uint16_t(3), int32_t(0));
        x.Write(uint16_t(3), uint16_t(300), -7);
        x.Write(uint16_t(4), uint16_t(5), 23.4);
        x.Write(uint16_t(0), uint16_t(0), QString());
        x.Write(uint16_t(2), uint16_t(1), QStringLiteral("zwanzig Zeichen: äöü"));
        EXPECT_TRUE(x.Endteil());
    }
    const QByteArray b = lesen(pfad);
    ASSERT_EQ(b.size(), 12 + 14 * 3 + 18 + 12 + 32 + 4);
    EXPECT_EQ(b.left(12), bof);
    int i = 12;
    // Integer cells: code 027E, length 10, row, column, format 0, value * 4 + 2.
    EXPECT_EQ(b.mid(i, 10), QByteArray::fromHex("7e020a00120001000000"));
    EXPECT_EQ(u32(b, i + 10), 4002u);
    i += 14;
    EXPECT_EQ(u16(b, i + 4), 3);
    EXPECT_EQ(u16(b, i + 6), 2);
    EXPECT_EQ(u32(b, i + 10), 2u);
    i += 14;
    EXPECT_EQ(u16(b, i + 4), 300);
    EXPECT_EQ(int32_t(u32(b, i + 10)) >> 2, -7);
    i += 14;
    // Number cell: code 0203, length 14, then the IEEE double.
    EXPECT_EQ(b.mid(i, 10), QByteArray::fromHex("03020e00050004000000"));
    double d = 0;
    std::memcpy(&d, b.constData() + i + 10, 8);
    EXPECT_EQ(d, 23.4);
    i += 18;
    // Empty text: length field 8, character count 0.
    EXPECT_EQ(b.mid(i, 12), QByteArray::fromHex("040208000000000000000000"));
    i += 12;
    // 20 characters: 32 bytes, CP1252 text without terminator.
    EXPECT_EQ(u16(b, i), 0x0204);
    EXPECT_EQ(u16(b, i + 2), 28);
    EXPECT_EQ(u16(b, i + 10), 20);
    EXPECT_EQ(b.mid(i + 12, 20), QByteArray("zwanzig Zeichen: \xe4\xf6\xfc"));
    i += 32;
    EXPECT_EQ(b.mid(i), eof);
}

TEST(TXLSExport, TargetNotFreeStaysUnchanged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pfad = dir.filePath("offen.xls");
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alter Inhalt");
    }
    // Another handle holds the file open for writing.
    QFile halter(pfad);
    ASSERT_TRUE(halter.open(QIODevice::ReadWrite));
    {
        bool fehler = false;
        TXLSExport x(pfad, fehler);
        EXPECT_TRUE(fehler);
        EXPECT_FALSE(x.offen());
        EXPECT_FALSE(x.Endteil());
    }
    halter.close();
    EXPECT_EQ(lesen(pfad), QByteArray("alter Inhalt"));

    // A folder that does not exist, and a path below a regular file.
    for (const QString& p : {dir.filePath("fehlt/x.xls"), pfad + "/x.xls"}) {
        bool fehler = false;
        TXLSExport x(p, fehler);
        EXPECT_TRUE(fehler) << p.toStdString();
    }
    EXPECT_FALSE(Blatt_schreiben({Blattzelle::Text(0, 0, "x")}, dir.filePath("fehlt/y.xls")));

    // A writer dropped without its end record leaves the old file as it was.
    {
        bool fehler = true;
        TXLSExport x(pfad, fehler);
        ASSERT_FALSE(fehler);
        x.Write(uint16_t(0), uint16_t(0), 1);
    }
    EXPECT_EQ(lesen(pfad), QByteArray("alter Inhalt"));
}

TEST(Exportdateien, FailedWriteIsReportedAndLeavesTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Aufzeichnende_Dialoge dlg;
    dialoge_setzen(&dlg);
    // Both files stay below the write buffer, where a failed write shows only
    // when the buffer is flushed.
    Gitter zwei_zeilen(6, 2);
    zwei_zeilen.setzen(1, 0, QStringLiteral("Frequenz"));
    const struct {
        const char* name;
        std::function<bool(const QString&)> schreiben;
    } schreiber[] = {
        {"alt.txt", [&](const QString& p) { return Speichere_Stringgrid_als_txt(zwei_zeilen, p); }},
        {"alt.xls", [](const QString& p) { return Ergebnisse_Excel(Testergebnis_Angaben{}, p); }},
    };
    const QByteArray alt = "alter Inhalt";
    for (const auto& w : schreiber) {
        SCOPED_TRACE(w.name);
        dlg.leeren();
        const QString pfad = dir.filePath(QString::fromLatin1(w.name));
        {
            QFile f(pfad);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(alt), alt.size());
        }
        // Every write beyond 256 bytes fails, as on a full medium.
        rlimit vorher{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const auto alter_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit eng = vorher;
        eng.rlim_cur = 256;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
        const bool ok = w.schreiben(pfad);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alter_handler);

        EXPECT_FALSE(ok);
        EXPECT_EQ(lesen(pfad), alt);
        ASSERT_EQ(dlg.meldungen.size(), 1u);
        EXPECT_EQ(dlg.meldungen[0].text, Text_Fehler_bei_abspeichern());
        EXPECT_EQ(dlg.meldungen[0].titel, QStringLiteral("Problem"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file is left";
    dialoge_setzen(nullptr);
}
