#include "core/shell/sprache.h"

#include "core/shell/kvhilf.h"

#include <QDateTime>
#include <QLocale>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<Sprache> sprache{Sprache::Deutsch};

// The English locale of the environment (en_GB writes 10/12/2026, en_US
// 12/10/2026); a bare "en" or an unknown region is US English.
QLocale englisches_gebietsschema()
{
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* wert = std::getenv(name);
        if (wert && std::strncmp(wert, "en", 2) == 0) {
            const QLocale l(QString::fromLatin1(wert).section(QLatin1Char('.'), 0, 0));
            if (l.language() == QLocale::English)
                return l;
        }
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString englisches_datumsmuster()
{
    QString muster = englisches_gebietsschema().dateFormat(QLocale::ShortFormat);
    // A two-digit year is ambiguous in a record of someone's hearing.
    if (!muster.contains(QStringLiteral("yyyy")))
        muster.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return muster;
}

} // namespace

Sprache Systemsprache()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* wert = std::getenv(name);
        if (wert && *wert)
            return std::strncmp(wert, "en", 2) == 0 ? Sprache::Englisch : Sprache::Deutsch;
    }
    return Sprache::Deutsch;
}

Sprache Oberflaechensprache()
{
    return sprache.load();
}

void Oberflaechensprache_setzen(Sprache s)
{
    sprache.store(s);
}

QString Zahl_anzeigen(QString zahl)
{
    if (Oberflaechensprache() == Sprache::Englisch)
        KommaZuPunkt(zahl);
    return zahl;
}

QString Zahltext(int breite, int stellen, long double x)
{
    return Zahl_anzeigen(extendedzustring(breite, stellen, x));
}

QString Datum_text(const QDate& d)
{
    if (Oberflaechensprache() == Sprache::Englisch)
        return d.toString(englisches_datumsmuster());
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString Zeitpunkt_text(const QDateTime& t)
{
    if (Oberflaechensprache() == Sprache::Englisch)
        return t.toString(englisches_datumsmuster() + QStringLiteral(" HH:mm:ss"));
    return t.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}
