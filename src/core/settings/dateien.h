#pragma once
// Whole-file reading and safe writing.
#include <QByteArray>
#include <QString>

// Reads at most `hoechstens` bytes from the start of the file. False when it
// cannot be opened or read.
bool Datei_lesen(const QString& pfad, qint64 hoechstens, QByteArray& daten);
// Writes the file through a temporary file in the same folder and a rename,
// so that the previous file stays intact when anything fails.
bool Datei_sicher_schreiben(const QString& pfad, const QByteArray& daten);
