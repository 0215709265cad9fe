#pragma once
// Little-endian byte images of the settings records, written and read field
// by field at the offsets of the records. Readers never read beyond the
// buffer: a short buffer makes them return false and leave the record alone.
// They take the values as they lie in the file; whether these are values the
// program would write is for wertebereiche.h to say.
#include "core/settings/records.h"

#include <QByteArray>

QByteArray bild(const Einstellungstyp& r);
QByteArray bild(const Einstellungstyp1_4& r);
QByteArray bild(const Grundeinstellungstyp& r);
QByteArray bild(const Langer_Dateiname_typ& r);

// Each reads its record from the first bytes of `daten`.
bool lesen(Einstellungstyp& r, const QByteArray& daten);
bool lesen(Einstellungstyp1_4& r, const QByteArray& daten);
bool lesen(Grundeinstellungstyp& r, const QByteArray& daten);
bool lesen(Langer_Dateiname_typ& r, const QByteArray& daten);
bool lesen(Schallpegel_Grundeinstellungentyp& r, const QByteArray& daten);
bool lesen(Schallpegel_Einstellungentyp& r, const QByteArray& daten);
bool lesen(Schallpegel_Einstellungentyp1_2& r, const QByteArray& daten);
bool lesen(Schallpegel_Einstellungentyp1_5& r, const QByteArray& daten);
bool lesen(Schallpegel_Einstellungentyp1_6& r, const QByteArray& daten);
bool lesen(Schallpegel_Einstellungentyp1_7& r, const QByteArray& daten);
bool lesen(Schallpegel_Einstellungentyp1_9& r, const QByteArray& daten);
