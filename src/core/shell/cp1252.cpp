#include "core/shell/cp1252.h"

#include <iconv.h>

#include <cerrno>

namespace
{

// One iconv conversion over a whole buffer. Input that cannot be converted is
// replaced by '?' and skipped, so the conversion always ends.
QByteArray iconv_ganz(const char* von, const char* nach, const char* daten, size_t laenge,
                      size_t breite_ersatz)
{
    QByteArray aus;
    if (laenge == 0)
        return aus;
    iconv_t cd = iconv_open(nach, von);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QByteArray(daten, qsizetype(laenge));
    aus.resize(qsizetype(laenge * 4 + 16));
    char* ein = const_cast<char*>(daten);
    size_t ein_rest = laenge;
    char* ziel = aus.data();
    size_t ziel_rest = size_t(aus.size());
    while (ein_rest > 0) {
        size_t r = iconv(cd, &ein, &ein_rest, &ziel, &ziel_rest);
        if (r != size_t(-1))
            break;
        if (errno == E2BIG) {
            const auto belegt = ziel - aus.data();
            aus.resize(aus.size() * 2);
            ziel = aus.data() + belegt;
            ziel_rest = size_t(aus.size() - belegt);
            continue;
        }
        // EILSEQ or EINVAL: write a replacement character and skip the input unit.
        if (ziel_rest < 4) {
            const auto belegt = ziel - aus.data();
            aus.resize(aus.size() * 2);
            ziel = aus.data() + belegt;
            ziel_rest = size_t(aus.size() - belegt);
        }
        *ziel++ = '?';
        --ziel_rest;
        size_t schritt = breite_ersatz;
        if (breite_ersatz == 0) {
            // UTF-8 input: skip one whole code point.
            const unsigned char c = static_cast<unsigned char>(*ein);
            schritt = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        }
        schritt = std::min(schritt, ein_rest);
        ein += schritt;
        ein_rest -= schritt;
    }
    iconv(cd, nullptr, nullptr, &ziel, &ziel_rest);
    iconv_close(cd);
    aus.resize(ziel - aus.data());
    return aus;
}

} // namespace

QByteArray nach_cp1252(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return iconv_ganz("UTF-8", "CP1252", utf8.constData(), size_t(utf8.size()), 0);
}

QString von_cp1252(const char* bytes, int laenge)
{
    if (laenge <= 0)
        return {};
    // Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in code page 1252.
    return QString::fromUtf8(iconv_ganz("CP1252", "UTF-8", bytes, size_t(laenge), 1));
}
