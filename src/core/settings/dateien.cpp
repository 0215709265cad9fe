#include "core/settings/dateien.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool Datei_lesen(const QString& pfad, qint64 hoechstens, QByteArray& daten)
{
    daten.clear();
    if (pfad.isEmpty() || QFileInfo(pfad).isDir())
        return false;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    daten = f.read(hoechstens);
    return f.error() == QFileDevice::NoError;
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
