#pragma once
// Little-endian readers and writers for byte images of the program's files;
// shared by the tests and the fuzzing seed writer (no test framework here).
#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <cstring>

namespace testumgebung
{

inline QByteArray lesen_datei(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool schreiben_datei(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(inhalt) == inhalt.size();
}

template <typename T> T wert(const QByteArray& b, qsizetype off)
{
    T v{};
    if (off >= 0 && off + qsizetype(sizeof v) <= b.size())
        std::memcpy(&v, b.constData() + off, sizeof v);
    return v;
}

template <typename T> void setzen(QByteArray& b, qsizetype off, T v)
{
    if (b.size() < off + qsizetype(sizeof v))
        b.resize(off + qsizetype(sizeof v), '\0');
    std::memcpy(b.data() + off, &v, sizeof v);
}

// The characters of a short string at `off` (length byte, then the text).
inline QByteArray kurztext(const QByteArray& b, qsizetype off)
{
    const int n = uint8_t(b.at(off));
    return b.mid(off + 1, n);
}

inline void kurztext_setzen(QByteArray& b, qsizetype off, const QByteArray& text)
{
    setzen<uint8_t>(b, off, uint8_t(text.size()));
    std::memcpy(b.data() + off + 1, text.constData(), size_t(text.size()));
}

inline void extended_anhaengen(QByteArray& b, long double x)
{
    char roh[16] = {};
    std::memcpy(roh, &x, 10);
    b.append(roh, 10);
}

inline long double extended_bei(const QByteArray& b, qsizetype off)
{
    long double x = 0;
    std::memcpy(&x, b.constData() + off, 10);
    return x;
}

} // namespace testumgebung
