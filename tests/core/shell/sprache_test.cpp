// The interface language from the environment, and the numbers and dates
// shown in each language.
#include "core/shell/sprache.h"
#include "core/shell/umgebung.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <optional>

TEST(Sprache, AusDerUmgebung)
{
    struct Fall {
        const char* lc_all;
        const char* lc_messages;
        const char* lang;
        Sprache erwartet;
    };
    const Fall faelle[] = {
        {nullptr, nullptr, nullptr, Sprache::Deutsch},
        {nullptr, nullptr, "en_US.UTF-8", Sprache::Englisch},
        {nullptr, nullptr, "en", Sprache::Englisch},
        {nullptr, nullptr, "de_DE.UTF-8", Sprache::Deutsch},
        {nullptr, nullptr, "C.UTF-8", Sprache::Deutsch},
        {nullptr, "en_GB.UTF-8", "de_DE.UTF-8", Sprache::Englisch},
        {"de_AT.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", Sprache::Deutsch},
        {"", "", "en_GB.UTF-8", Sprache::Englisch}, // empty means not set
        {nullptr, nullptr, "fr_FR.UTF-8", Sprache::Deutsch},
    };
    for (const Fall& f : faelle) {
        Umgebung a("LC_ALL", f.lc_all ? QByteArray(f.lc_all) : QByteArray());
        Umgebung m("LC_MESSAGES", f.lc_messages ? QByteArray(f.lc_messages) : QByteArray());
        Umgebung l("LANG", nullptr);
        std::optional<Umgebung> lang;
        if (f.lang)
            lang.emplace("LANG", QByteArray(f.lang));
        EXPECT_EQ(Systemsprache(), f.erwartet) << (f.lc_all ? f.lc_all : "-") << " "
                                               << (f.lc_messages ? f.lc_messages : "-") << " "
                                               << (f.lang ? f.lang : "-");
    }
}

TEST(Sprache, ZahlenUndDatenJeSprache)
{
    const QDateTime t(QDate(2026, 12, 3), QTime(14, 3, 7));
    struct Fall {
        Sprache sprache;
        const char* lang;
        const char* zahl;
        const char* datum;
        const char* zeitpunkt;
    };
    const Fall faelle[] = {
        {Sprache::Deutsch, "en_US.UTF-8", "  -12,5", "03.12.2026", "03.12.2026 14:03:07"},
        {Sprache::Englisch, "en_US.UTF-8", "  -12.5", "12/3/2026", "12/3/2026 14:03:07"},
        {Sprache::Englisch, "en_GB.UTF-8", "  -12.5", "03/12/2026", "03/12/2026 14:03:07"},
    };
    for (const Fall& f : faelle) {
        Umgebung a("LC_ALL", nullptr);
        Umgebung z("LC_TIME", nullptr);
        Umgebung l("LANG", QByteArray(f.lang));
        Oberflaechensprache_setzen(f.sprache);
        EXPECT_EQ(Zahltext(7, 1, -12.5L), QString::fromLatin1(f.zahl)) << f.lang;
        EXPECT_EQ(Datum_text(t.date()), QString::fromLatin1(f.datum)) << f.lang;
        EXPECT_EQ(Zeitpunkt_text(t), QString::fromLatin1(f.zeitpunkt)) << f.lang;
    }
    Oberflaechensprache_setzen(Sprache::Deutsch);
}
