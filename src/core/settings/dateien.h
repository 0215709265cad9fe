#pragma once
// Whole-file reading and safe writing.
#include <QByteArray>
#include <QString>

class QSaveFile;

// Opens `pfad` for reading only when it is a regular file (never blocks on a
// FIFO or device). Returns the descriptor (the caller closes it) and the
// file's size, or -1.
int Regulaere_Datei_oeffnen(const QString& pfad, qint64& groesse);
// Reads at most `hoechstens` bytes from the start of the file. False when it
// is not a regular file, cannot be opened or read, or is larger than
// `groesste_Datei` (when that is not negative): a file far larger than any
// file of its kind is not one, and is refused before anything is read.
bool Datei_lesen(const QString& pfad, qint64 hoechstens, QByteArray& daten, qint64 groesste_Datei = -1);
// Writes the file through a temporary file in the same folder and a rename,
// so that the previous file stays intact when anything fails.
bool Datei_sicher_schreiben(const QString& pfad, const QByteArray& daten);
// Puts a file written through QSaveFile in place: flushes and checks first,
// because commit() does not notice a failed flush of a small file and would
// replace the previous file with a truncated one (file size limit, full
// medium). On any failure the writing is cancelled, the target stays as it
// was, and the result is false.
bool Speicherdatei_abschliessen(QSaveFile& f);
