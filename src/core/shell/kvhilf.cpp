#include "core/shell/kvhilf.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

long double Rundenauf(int stelle, long double x)
{
    long double skala = 1.0L;
    for (int i = 0; i < stelle; ++i)
        skala *= 10.0L;
    for (int i = 0; i < -stelle; ++i)
        skala /= 10.0L;
    const long double q = x / skala;
    if (!(std::fabs(q) < 1e18L))
        return x;
    // llrintl rounds in the current mode, which is to nearest with ties to even.
    return skala * static_cast<long double>(std::llrintl(q));
}

void Zerlege_in_Mantisse_Exponent(long double x, long double& m, int& e)
{
    if (std::fabs(x) < 1e-50L) {
        e = 0;
        m = x;
        return;
    }
    const long double l = std::log10(std::fabs(x));
    e = static_cast<int>(std::trunc(l));
    if (std::fabs(x) < 1.0L)
        e -= 1;
    m = x / std::pow(10.0L, static_cast<long double>(e));
}

void KommaZuPunkt(QString& s)
{
    const auto i = s.indexOf(QLatin1Char(','));
    if (i >= 0)
        s[i] = QLatin1Char('.');
}

void PunktzuKomma(QString& s)
{
    const auto i = s.indexOf(QLatin1Char('.'));
    if (i >= 0)
        s[i] = QLatin1Char(',');
}

void StringzuDouble(const QString& s, double& d, bool& ok)
{
    QString t = s;
    KommaZuPunkt(t);
    std::string b = t.trimmed().toStdString();
    ok = false;
    if (b.empty())
        return;
    size_t start = 0;
    if (b[0] == '+') {
        start = 1;
        if (b.size() == 1 || b[1] == '-' || b[1] == '+')
            return;
    }
    // Only plain decimal numbers with an optional exponent: no "inf", "nan" or hex.
    for (size_t i = start; i < b.size(); ++i) {
        const char c = b[i];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return;
    }
    double v = 0;
    const char* anfang = b.data() + start;
    const char* ende = b.data() + b.size();
    auto [p, ec] = std::from_chars(anfang, ende, v, std::chars_format::general);
    if (ec != std::errc() || p != ende || !std::isfinite(v))
        return;
    d = v;
    ok = true;
}

int32_t StringzuInteger(const QString& s, bool& ok, bool& nicht_ganz)
{
    double d = 0;
    StringzuDouble(s, d, ok);
    if (!ok)
        return 0;
    const double r = std::nearbyint(d);
    if (r < -2147483648.0 || r > 2147483647.0) {
        ok = false;
        return 0;
    }
    nicht_ganz = (r != d);
    return static_cast<int32_t>(r);
}

QString extendedzustring(int breite, int stellen, long double x)
{
    if (stellen < 0)
        stellen = 0;
    if (breite < 0)
        breite = 0;
    if (breite > 4096)
        breite = 4096;
    if (stellen > 64)
        stellen = 64;
    char puffer[8192];
    const int n = std::snprintf(puffer, sizeof puffer, "%*.*Lf", breite, stellen, x);
    const int laenge = n < 0 ? 0 : (n < int(sizeof puffer) ? n : int(sizeof puffer) - 1);
    // A value that rounds to zero is shown without a sign ("0,0", not "-0,0").
    // Plain character scans: this runs for every number on every table.
    const char* minus = static_cast<const char*>(std::memchr(puffer, '-', size_t(laenge)));
    bool ziffer_ungleich_null = false;
    for (int i = 0; i < laenge && !ziffer_ungleich_null; ++i)
        ziffer_ungleich_null = puffer[i] >= '1' && puffer[i] <= '9';
    QString s = QString::fromLatin1(puffer, laenge);
    if (minus && !ziffer_ungleich_null) {
        s.remove(int(minus - puffer), 1);
        if (s.size() < breite)
            s.prepend(QLatin1Char(' '));
    }
    PunktzuKomma(s);
    return s;
}

QString Rundenzustring(int breite, int stelle, long double x)
{
    const int stellen = stelle < 0 ? -stelle : 0;
    return extendedzustring(breite, stellen, Rundenauf(stelle, x));
}

QString Leerzeichen(int n)
{
    return n > 0 ? QString(n, QLatin1Char(' ')) : QString();
}

QString Nullen(int n)
{
    return n > 0 ? QString(n, QLatin1Char('0')) : QString();
}

QString Nullen_auffuellen_links(const QString& s, int n)
{
    return Nullen(n - int(s.size())) + s;
}

QString exepfad()
{
    char puffer[4096];
    const ssize_t n = readlink("/proc/self/exe", puffer, sizeof puffer - 1);
    if (n <= 0)
        return QStringLiteral("./");
    puffer[n] = 0;
    return Verzeichnis_von_Datei(QString::fromLocal8Bit(puffer));
}

bool Verzeichnis_existiert(const QString& p)
{
    if (p.isEmpty())
        return false;
    return QFileInfo(p).isDir();
}

void Verzeichnis_anlegen(const QString& p, bool& vorhanden, bool& fehler)
{
    vorhanden = Verzeichnis_existiert(p);
    fehler = false;
    if (vorhanden)
        return;
    // One level only: the parent must exist.
    fehler = !QDir().mkdir(p);
}

bool Datei_existiert(const QString& n)
{
    if (n.isEmpty())
        return false;
    const QFileInfo i(n);
    return i.exists() && !i.isDir();
}

namespace
{

// True when another open file description in any visible process holds the
// file (device and inode) open for writing. This plays the part of the
// exclusive sharing mode that other systems offer.
bool anderswo_zum_schreiben_offen(dev_t dev, ino_t ino, int eigener_fd)
{
    DIR* proc = opendir("/proc");
    if (!proc)
        return false;
    bool gefunden = false;
    const std::string selbst = std::to_string(getpid());
    while (!gefunden) {
        dirent* e = readdir(proc);
        if (!e)
            break;
        const char* name = e->d_name;
        if (name[0] < '0' || name[0] > '9')
            continue;
        const std::string fd_ordner = std::string("/proc/") + name + "/fd";
        DIR* fds = opendir(fd_ordner.c_str());
        if (!fds)
            continue;
        while (dirent* f = readdir(fds)) {
            if (f->d_name[0] < '0' || f->d_name[0] > '9')
                continue;
            if (selbst == name && std::atoi(f->d_name) == eigener_fd)
                continue;
            struct stat st {
            };
            const std::string link = fd_ordner + "/" + f->d_name;
            if (stat(link.c_str(), &st) != 0 || st.st_dev != dev || st.st_ino != ino)
                continue;
            const std::string info = std::string("/proc/") + name + "/fdinfo/" + f->d_name;
            FILE* fi = std::fopen(info.c_str(), "r");
            if (!fi)
                continue;
            char zeile[256];
            while (std::fgets(zeile, sizeof zeile, fi)) {
                unsigned int flags = 0;
                if (std::sscanf(zeile, "flags: %o", &flags) == 1) {
                    if ((flags & O_ACCMODE) == O_WRONLY || (flags & O_ACCMODE) == O_RDWR)
                        gefunden = true;
                    break;
                }
            }
            std::fclose(fi);
            if (gefunden)
                break;
        }
        closedir(fds);
    }
    closedir(proc);
    return gefunden;
}

} // namespace

bool Datei_frei(const QString& n)
{
    if (!Datei_existiert(n))
        return true;
    const QByteArray pfad = QFile::encodeName(n);
    const int fd = ::open(pfad.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool frei = true;
    struct stat st {
    };
    if (fstat(fd, &st) != 0)
        frei = false;
    else if (anderswo_zum_schreiben_offen(st.st_dev, st.st_ino, fd))
        frei = false;
    ::close(fd);
    return frei;
}

void Datei_loeschen(const QString& n, bool& vorhanden, bool& geloescht)
{
    vorhanden = Datei_existiert(n);
    geloescht = vorhanden && QFile::remove(n);
}

QString Dateiname_ohne_Verzeichnis(const QString& p)
{
    const auto i = p.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? p : p.mid(i + 1);
}

QString Verzeichnis_von_Datei(const QString& p)
{
    const auto i = p.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? QString() : p.left(i + 1);
}

QString Endung_ersetzen(const QString& pfad, const QString& endung)
{
    const auto schraeg = pfad.lastIndexOf(QLatin1Char('/'));
    const auto punkt = pfad.lastIndexOf(QLatin1Char('.'));
    if (punkt > schraeg)
        return pfad.left(punkt) + endung;
    return pfad + endung;
}

bool Get_Eigene_Dateien_pfad(QString& p)
{
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumente.isEmpty() && Verzeichnis_existiert(dokumente)) {
        p = QDir::cleanPath(dokumente);
        return true;
    }
    const QString heim = QDir::homePath();
    if (!heim.isEmpty() && Verzeichnis_existiert(heim)) {
        p = QDir::cleanPath(heim);
        return true;
    }
    return false;
}
