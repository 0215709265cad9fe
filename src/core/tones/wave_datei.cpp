#include "core/tones/wave_datei.h"

#include "core/tones/kvwave.h"

#include <QFile>

#include <bit>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

static_assert(std::endian::native == std::endian::little, "frames are assembled as little-endian words");

namespace
{
std::atomic<uint32_t> temp_zaehler{0};
}

Sichere_Datei::Sichere_Datei(const QString& ziel) : ziel_(QFile::encodeName(ziel)) {}

Sichere_Datei::~Sichere_Datei()
{
    verwerfen();
}

void Sichere_Datei::verwerfen()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.isEmpty()) {
        ::unlink(temp_.constData());
        temp_.clear();
    }
}

bool Sichere_Datei::oeffnen()
{
    if (ziel_.isEmpty())
        return false;
    // A name of our own next to the target: same folder, so the rename is atomic.
    for (int versuch = 0; versuch < 100; ++versuch) {
        const QByteArray name = ziel_ + ".~" + QByteArray::number(qint64(::getpid())) + "_" +
                                QByteArray::number(temp_zaehler.fetch_add(1));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temp_ = name;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    fehler_ = true;
    return false;
}

bool Sichere_Datei::schreiben(const void* daten, size_t groesse)
{
    if (fd_ < 0 || fehler_)
        return false;
    const char* p = static_cast<const char*>(daten);
    while (groesse > 0) {
        const ssize_t n = ::write(fd_, p, groesse);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fehler_ = true;
            return false;
        }
        p += n;
        groesse -= static_cast<size_t>(n);
    }
    return true;
}

bool Sichere_Datei::abschliessen()
{
    if (fd_ < 0 || fehler_) {
        verwerfen();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temp_.constData(), ziel_.constData()) != 0) {
        verwerfen();
        return false;
    }
    temp_.clear();
    return true;
}

int Verwaiste_Temporaerdateien_entfernen(const QString& ordner)
{
    const QByteArray o = QFile::encodeName(ordner);
    DIR* d = ::opendir(o.isEmpty() ? "." : o.constData());
    if (!d)
        return 0;
    int entfernt = 0;
    while (const dirent* e = ::readdir(d)) {
        // "<name>.~<pid>_<n>", as Sichere_Datei::oeffnen names them.
        const char* name = e->d_name;
        const char* marke = std::strstr(name, ".~");
        if (!marke || marke == name)
            continue;
        const char* p = marke + 2;
        char* ende = nullptr;
        errno = 0;
        const long pid = std::strtol(p, &ende, 10);
        if (errno != 0 || ende == p || *ende != '_' || pid <= 0 || pid > INT_MAX)
            continue;
        const char* q = ende + 1;
        if (*q == '\0' || std::strspn(q, "0123456789") != std::strlen(q))
            continue;
        if (pid == long(::getpid()) || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        const QByteArray pfad = (o.isEmpty() || o.endsWith('/') ? o : o + '/') + name;
        struct stat st {};
        if (::lstat(pfad.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(pfad.constData()) == 0)
            ++entfernt;
    }
    ::closedir(d);
    return entfernt;
}

bool Wave_Paar_schreiben(uint32_t N, const QString& links, const QString& rechts, const Samplequelle& quelle,
                         const std::atomic<bool>* abbrechen)
{
    if (N > Wave_groesstes_N)
        return false;
    QByteArray header;
    uint32_t bloecke = 0, datengroesse = 0;
    Header_wave(header, N, bloecke, datengroesse);
    const uint64_t frames = uint64_t(N) * bloecke;

    Sichere_Datei l(links), r(rechts);
    if (!l.oeffnen() || !r.oeffnen())
        return false;
    bool gut = l.schreiben(header.constData(), size_t(header.size())) &&
               r.schreiben(header.constData(), size_t(header.size()));

    std::vector<int16_t> samples(quelle ? Wave_Blockframes : 0);
    std::vector<uint32_t> links_block(Wave_Blockframes, 0);
    std::vector<uint32_t> rechts_block(quelle ? Wave_Blockframes : 0, 0);
    for (uint64_t n = 0; gut && n < frames; n += Wave_Blockframes) {
        if (abbrechen && abbrechen->load(std::memory_order_relaxed))
            return false;
        const uint32_t anzahl = static_cast<uint32_t>(std::min<uint64_t>(Wave_Blockframes, frames - n));
        const size_t bytes = size_t(anzahl) * 4;
        if (!quelle) {
            gut = l.schreiben(links_block.data(), bytes) && r.schreiben(links_block.data(), bytes);
            continue;
        }
        quelle(static_cast<uint32_t>(n), anzahl, samples.data());
        // A frame is one little-endian word: left sample low, right sample high.
        for (uint32_t i = 0; i < anzahl; ++i) {
            const uint32_t s = static_cast<uint16_t>(samples[i]);
            links_block[i] = s;
            rechts_block[i] = s << 16;
        }
        gut = l.schreiben(links_block.data(), bytes) && r.schreiben(rechts_block.data(), bytes);
    }
    if (!gut)
        return false;
    if (abbrechen && abbrechen->load(std::memory_order_relaxed))
        return false;
    if (!l.abschliessen())
        return false;
    return r.abschliessen();
}
