#include "platform/audio/tondatei_lesen.h"

#include "core/settings/dateien.h"

#include <QFile>

#include <bit>
#include <cstring>
#include <unistd.h>

namespace
{

uint16_t le16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t le32(const unsigned char* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool ablehnen(Tondatei_Inhalt& inhalt, QString* grund, const char* text)
{
    inhalt.samples.clear();
    inhalt.samples.shrink_to_fit();
    if (grund)
        *grund = QString::fromLatin1(text);
    return false;
}

} // namespace

bool Tondatei_lesen(const QString& pfad, Tondatei_Inhalt& inhalt, QString* grund)
{
    inhalt.samples.clear();
    qint64 dateigroesse = 0;
    const int fd = Regulaere_Datei_oeffnen(pfad, dateigroesse);
    if (fd < 0)
        return ablehnen(inhalt, grund, "cannot open or not a regular file");
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ablehnen(inhalt, grund, "cannot open");
    }

    unsigned char kopf[12];
    if (dateigroesse < 12 || f.read(reinterpret_cast<char*>(kopf), 12) != 12)
        return ablehnen(inhalt, grund, "too short");
    if (std::memcmp(kopf, "RIFF", 4) != 0 || std::memcmp(kopf + 8, "WAVE", 4) != 0)
        return ablehnen(inhalt, grund, "not RIFF/WAVE");

    bool format_gesehen = false;
    qint64 pos = 12;
    // Walk the blocks: id (4), size (4), body (size, padded to even).
    while (pos + 8 <= dateigroesse) {
        unsigned char block[8];
        if (!f.seek(pos) || f.read(reinterpret_cast<char*>(block), 8) != 8)
            return ablehnen(inhalt, grund, "read error");
        const uint32_t groesse = le32(block + 4);
        const qint64 koerper = pos + 8;
        if (std::memcmp(block, "fmt ", 4) == 0) {
            if (groesse < 16 || koerper + 16 > dateigroesse)
                return ablehnen(inhalt, grund, "format block too short");
            unsigned char fmt[16];
            if (f.read(reinterpret_cast<char*>(fmt), 16) != 16)
                return ablehnen(inhalt, grund, "read error");
            if (le16(fmt) != 1 || le16(fmt + 2) != 2 || le32(fmt + 4) != 44100 || le16(fmt + 12) != 4 ||
                le16(fmt + 14) != 16)
                return ablehnen(inhalt, grund, "not 16-bit stereo PCM at 44100 Hz");
            format_gesehen = true;
        } else if (std::memcmp(block, "data", 4) == 0) {
            if (!format_gesehen)
                return ablehnen(inhalt, grund, "data before format");
            if (groesse < 4 || groesse % 4 != 0)
                return ablehnen(inhalt, grund, "no whole frames");
            if (groesse > Tondatei_groesste_Datenmenge)
                return ablehnen(inhalt, grund, "too long");
            if (koerper + qint64(groesse) > dateigroesse)
                return ablehnen(inhalt, grund, "truncated");
            try {
                inhalt.samples.resize(groesse / 2);
            } catch (const std::bad_alloc&) {
                return ablehnen(inhalt, grund, "out of memory");
            }
            if (f.read(reinterpret_cast<char*>(inhalt.samples.data()), groesse) != qint64(groesse))
                return ablehnen(inhalt, grund, "read error");
            if constexpr (std::endian::native == std::endian::big) {
                for (int16_t& s : inhalt.samples)
                    s = static_cast<int16_t>(le16(reinterpret_cast<const unsigned char*>(&s)));
            }
            return true;
        }
        pos = koerper + qint64(groesse) + (groesse & 1u);
    }
    return ablehnen(inhalt, grund, format_gesehen ? "no data block" : "no format block");
}
