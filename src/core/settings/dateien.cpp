#include "core/settings/dateien.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int Regulaere_Datei_oeffnen(const QString& pfad, qint64& groesse)
{
    groesse = 0;
    if (pfad.isEmpty())
        return -1;
    // Non-blocking, so that a FIFO put in place of the file (even between a
    // check and the open) cannot stop the program; a FIFO, device or folder
    // is refused by the check on the opened descriptor.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    groesse = qint64(st.st_size);
    return fd;
}

bool Datei_lesen(const QString& pfad, qint64 hoechstens, QByteArray& daten, qint64 groesste_Datei)
{
    daten.clear();
    qint64 groesse = 0;
    const int fd = Regulaere_Datei_oeffnen(pfad, groesse);
    if (fd < 0)
        return false;
    if (groesste_Datei >= 0 && groesse > groesste_Datei) {
        ::close(fd);
        return false;
    }
    // Reserve what the file holds, not the reader's limit: most files are small.
    const qint64 soll = std::max<qint64>(0, std::min(groesse, hoechstens));
    daten.resize(soll);
    qint64 gelesen = 0;
    bool ok = true;
    while (gelesen < soll) {
        const ssize_t n = ::read(fd, daten.data() + gelesen, size_t(soll - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) // the file became shorter while it was read
            break;
        gelesen += n;
    }
    ::close(fd);
    daten.resize(gelesen);
    if (!ok)
        daten.clear();
    return ok;
}

bool Datei_sicher_schreiben(const QString& pfad, const QByteArray& daten)
{
    if (pfad.isEmpty() || QFileInfo(pfad).isDir())
        return false;
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(daten) != daten.size()) {
        f.cancelWriting();
        return false;
    }
    return Speicherdatei_abschliessen(f);
}

bool Speicherdatei_abschliessen(QSaveFile& f)
{
    // Small files stay in the write buffer until here.
    if (!f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
