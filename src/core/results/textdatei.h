#pragma once
// The fixed-width text file of a table. Every grid row becomes one line that
// starts as 64 blanks per column; each non-empty cell replaces the characters
// from its column's start offset on, the offset of column c being c times the
// width of column c (not the sum of the widths to its left). A later column
// overwrites what an earlier, longer text put there; a text running past the
// end lengthens the line. Lines end with CR LF and are written in UTF-8 (the
// layout counts characters, not bytes).
#include "core/results/gitter.h"

#include <QString>
#include <QStringList>

// One line of the layout: row `zeile` of `daten`, with the column count and
// widths of `format`.
QString Zeile_txt(const Gitter& format, const Gitter& daten, int zeile);

// The lines of a whole grid.
QStringList Stringgrid_txt_zeilen(const Gitter& g);
// Two grids: every row of the header grid, then the rows of the data grid from
// the header's row count to its end, all with the header's columns and widths;
// then one empty line and the footer line.
QStringList Stringgrid_txt_zeilen(const Gitter& kopf, const Gitter& daten, const QString& fuss);

// Writes lines with CR LF through a temporary file and a rename. False, with
// the target unchanged, when it is in use or cannot be written.
bool Textzeilen_schreiben(const QStringList& zeilen, const QString& pfad);

// The writers of the table windows: on failure they show Fehler_bei_abspeichern.
bool Speichere_Stringgrid_als_txt(const Gitter& g, const QString& pfad);
bool Speichere_Stringgrid_als_txt(const Gitter& kopf, const Gitter& daten, const QString& fuss,
                                  const QString& pfad);
