#pragma once
// Conversion between the program's texts (QString) and code page 1252, the
// character set of the short strings in settings records and of the text
// cells in spreadsheet files.
#include <QByteArray>
#include <QString>

// Characters that code page 1252 cannot hold become '?'.
QByteArray nach_cp1252(const QString& text);
QString von_cp1252(const char* bytes, int laenge);
inline QString von_cp1252(const QByteArray& bytes)
{
    return von_cp1252(bytes.constData(), int(bytes.size()));
}
