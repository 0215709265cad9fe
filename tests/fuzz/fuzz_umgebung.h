#pragma once
// Shared set-up of the reader harnesses: a private folder (in memory when
// /dev/shm exists) stands in for the documents and settings folders, message
// boxes are recorded instead of shown, Qt's own warnings are dropped, and the
// fuzz input is written to a file there before the reader opens it.
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace fuzz_umgebung
{

inline QString& ordner()
{
    static QString o;
    return o;
}

inline Aufzeichnende_Dialoge& dialoge_aufzeichnung()
{
    static Aufzeichnende_Dialoge d;
    return d;
}

inline void still(QtMsgType, const QMessageLogContext&, const QString&) {}

// Creates the folder and points the program's folders into it.
inline void einrichten()
{
    char muster_shm[] = "/dev/shm/vazozez-fuzz.XXXXXX";
    char muster_tmp[] = "/tmp/vazozez-fuzz.XXXXXX";
    const char* o = ::mkdtemp(muster_shm);
    if (!o)
        o = ::mkdtemp(muster_tmp);
    if (!o)
        std::abort();
    ordner() = QString::fromLocal8Bit(o) + QLatin1Char('/');
    std::atexit([] { QDir(ordner()).removeRecursively(); });
    QDir().mkpath(ordner() + QLatin1String(Name_Einstellungsordner));
    QDir().mkpath(ordner() + QStringLiteral("Grundeinstellungen_Quarvel_Schallpegelmesser"));
    qInstallMessageHandler(still);
    dialoge_setzen(&dialoge_aufzeichnung());
    Einstellungen_zuruecksetzen();
}

// The program's folders as a start sets them (Einstellungen_zuruecksetzen
// clears them).
inline void ordner_setzen()
{
    Dokumente_pfad = ordner();
    Einstellungsordner = ordner() + QLatin1String(Name_Einstellungsordner) + QLatin1Char('/');
    Grundeinstellungsdatei = Einstellungsordner + QLatin1String(Name_Grundeinstellungsdatei);
}

// Writes the input to `pfad` (replacing the file); false when that failed.
inline bool schreiben(const QString& pfad, const uint8_t* daten, size_t groesse)
{
    const QByteArray name = QFile::encodeName(pfad);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    size_t geschrieben = 0;
    while (geschrieben < groesse) {
        const ssize_t n = ::write(fd, daten + geschrieben, groesse - geschrieben);
        if (n <= 0)
            break;
        geschrieben += size_t(n);
    }
    ::close(fd);
    return geschrieben == groesse;
}

} // namespace fuzz_umgebung
