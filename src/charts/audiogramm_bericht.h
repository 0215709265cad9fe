#pragma once
// The audiogram report: one A4 page (portrait) as PDF, to take to a doctor:
// name, date, tone settings, calibration of each ear, the note that this is
// not a clinical audiogram, the audiogram, the four-frequency averages with
// their grades, and the table of values.
#include "charts/audiogramm.h"

#include <QByteArray>
#include <QString>

// The report as the bytes of a PDF file.
QByteArray Audiogramm_Bericht_PDF(const Audiogramm_Daten& d);
// Writes it through a temporary file, so that a failed save leaves an
// existing file as it was; on failure Fehler_bei_abspeichern and false.
bool Audiogramm_Bericht_speichern(const Audiogramm_Daten& d, const QString& pfad);
