// Reading tone files: the program's own files, the common 44-byte variant,
// and every kind of damaged or foreign file refused without reading past
// the file's end.
#include "platform/audio/tondatei_lesen.h"
#include "core/settings/dateien.h"
#include "core/tones/kvwave.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sys/stat.h>

namespace
{

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString& pfad, const QByteArray& d)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(d), d.size());
}

void setze16(QByteArray& d, int pos, uint16_t v)
{
    qToLittleEndian(v, d.data() + pos);
}
void setze32(QByteArray& d, int pos, uint32_t v)
{
    qToLittleEndian(v, d.data() + pos);
}

class TondateiLesen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        // 0.1 s falling pure tone of the program's own format.
        ASSERT_TRUE(erzeuge_wave_stereo_l_r(false, false, 10, 1000.0f, links, rechts, false, true));
        original = lesen(links);
        ASSERT_EQ(original.size(), 46 + 10 * 441 * 4);
    }

    bool liest(const QByteArray& d, Tondatei_Inhalt& inhalt)
    {
        const QString pfad = ordner.filePath("probe.wav");
        schreiben(pfad, d);
        return Tondatei_lesen(pfad, inhalt);
    }

    QTemporaryDir ordner;
    const QString links = ordner.filePath("abn_l1.wav");
    const QString rechts = ordner.filePath("abn_r1.wav");
    QByteArray original;
};

TEST_F(TondateiLesen, ReadsTheProgramsOwnFilesFrameByFrame)
{
    Tondatei_Inhalt l, r;
    QString grund;
    ASSERT_TRUE(Tondatei_lesen(links, l, &grund)) << grund.toStdString();
    ASSERT_TRUE(Tondatei_lesen(rechts, r));
    ASSERT_EQ(l.frames(), 4410u);
    EXPECT_EQ(l.samples[0], 32700);
    EXPECT_EQ(l.samples[1], 0);
    EXPECT_EQ(r.samples[0], 0);
    EXPECT_EQ(r.samples[1], 32700);
    long double k = 0;
    Hochzahl_von_abnehmend(10, k);
    for (uint32_t n = 0; n < l.frames(); n += 97) {
        const int16_t s = links_digitalisieren(false, false, n, k, 1000.0f, 10, false);
        ASSERT_EQ(l.samples[2 * n], s) << n;
        ASSERT_EQ(l.samples[2 * n + 1], 0) << n;
        ASSERT_EQ(r.samples[2 * n], 0) << n;
        ASSERT_EQ(r.samples[2 * n + 1], s) << n;
    }
}

TEST_F(TondateiLesen, AcceptsTheShortFormatBlockAndSkipsForeignBlocks)
{
    // 16-byte format block, and a LIST block before the data.
    QByteArray d = original.left(36) + QByteArray("LIST\x03\0\0\0abc\0", 12) + original.mid(38);
    setze32(d, 16, 16);
    setze32(d, 4, uint32_t(d.size() - 8));
    Tondatei_Inhalt inhalt;
    ASSERT_TRUE(liest(d, inhalt));
    EXPECT_EQ(inhalt.frames(), 4410u);
    EXPECT_EQ(inhalt.samples[0], 32700);
}

struct Verfaelschung {
    const char* name;
    std::function<void(QByteArray&)> tun;
};

void PrintTo(const Verfaelschung& v, std::ostream* os)
{
    *os << v.name;
}

class TondateiAbgelehnt : public TondateiLesen, public ::testing::WithParamInterface<Verfaelschung>
{
};

TEST_P(TondateiAbgelehnt, IsRefusedAndLeavesNothing)
{
    QByteArray d = original;
    GetParam().tun(d);
    Tondatei_Inhalt inhalt;
    inhalt.samples.assign(8, 1);
    EXPECT_FALSE(liest(d, inhalt));
    EXPECT_TRUE(inhalt.samples.empty());
}

const Verfaelschung verfaelschungen[] = {
    {"Empty", [](QByteArray& d) { d.clear(); }},
    {"ElevenBytes", [](QByteArray& d) { d.truncate(11); }},
    {"CutInTheHeader", [](QByteArray& d) { d.truncate(30); }},
    {"CutBeforeTheData", [](QByteArray& d) { d.truncate(46); }},
    {"CutInTheData", [](QByteArray& d) { d.chop(3); }},
    {"NotRiff", [](QByteArray& d) { d[0] = 'X'; }},
    {"NotWave", [](QByteArray& d) { d[8] = 'X'; }},
    {"Mono", [](QByteArray& d) { setze16(d, 22, 1); }},
    {"EightBit", [](QByteArray& d) { setze16(d, 34, 8); }},
    {"Rate48000", [](QByteArray& d) { setze32(d, 24, 48000); }},
    {"FloatFormat", [](QByteArray& d) { setze16(d, 20, 3); }},
    {"BlockAlignWrong", [](QByteArray& d) { setze16(d, 32, 2); }},
    {"FormatBlockTooShort", [](QByteArray& d) { setze32(d, 16, 14); }},
    {"NoFrames", [](QByteArray& d) { setze32(d, 42, 0); }},
    {"HalfAFrame", [](QByteArray& d) { setze32(d, 42, 6); }},
    {"DataSizeBeyondTheFile", [](QByteArray& d) { setze32(d, 42, 0xFFFFFFF0u); }},
    {"NoFormatBlock", [](QByteArray& d) { d.replace(12, 4, "abcd"); }},
    {"NoDataBlock", [](QByteArray& d) { d.replace(38, 4, "dat_"); }},
    {"HugeForeignBlock", [](QByteArray& d) { d.replace(38, 4, "junk"), setze32(d, 42, 0xFFFFFFFFu); }},
    {"FormatBlockSizeBeyondTheFile", [](QByteArray& d) { setze32(d, 16, 0xFFFFFFF0u); }},
    {"Garbage",
     [](QByteArray& d) {
         std::mt19937 zufall(4711);
         for (char& c : d)
             c = char(zufall());
     }},
    {"RiffHeaderThenGarbage",
     [](QByteArray& d) {
         std::mt19937 zufall(815);
         for (int i = 12; i < d.size(); ++i)
             d[i] = char(zufall());
     }},
};

INSTANTIATE_TEST_SUITE_P(Verfaelscht, TondateiAbgelehnt, ::testing::ValuesIn(verfaelschungen),
                         [](const auto& info) { return std::string(info.param.name); });

// Only regular files are read, by the tone reader and by the reader of the
// settings and meter files: a FIFO would block for ever, /dev/zero never ends.
TEST_F(TondateiLesen, OnlyRegularFilesAreRead)
{
    const QString fifo = ordner.filePath("fifo.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    for (const QString& pfad : {ordner.filePath("fehlt.wav"), ordner.path(), QString(), fifo,
                                QStringLiteral("/dev/zero"), QStringLiteral("/dev/null")}) {
        SCOPED_TRACE(pfad.toStdString());
        Tondatei_Inhalt inhalt;
        EXPECT_FALSE(Tondatei_lesen(pfad, inhalt));
        QByteArray daten("alt");
        EXPECT_FALSE(Datei_lesen(pfad, 1 << 20, daten));
        EXPECT_TRUE(daten.isEmpty());
    }
    // A regular file is read up to the reader's limit.
    QByteArray daten;
    ASSERT_TRUE(Datei_lesen(links, 100, daten));
    EXPECT_EQ(daten, original.left(100));
    ASSERT_TRUE(Datei_lesen(links, 1 << 24, daten));
    EXPECT_EQ(daten, original);
}

} // namespace
