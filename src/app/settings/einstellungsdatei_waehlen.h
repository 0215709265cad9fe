#pragma once
// The save dialog that every window saving a settings file uses: filter
// "Quarvel Vazozez (*.qvl)|*.qvl", default extension "qvl", starting in the
// current settings file's folder with its name proposed (or in the settings
// folder when no file is current), then the question before overwriting.
#include "core/shell/dialoge.h"

#include <QString>

#include <optional>

enum class Endungsregel {
    erzwingen,            // the name always ends in ".qvl", another extension is replaced
    anhaengen_wenn_keine, // ".qvl" only for a name without extension
};

// The chosen path, or nothing when the dialog was cancelled or the user
// answered "No" to overwriting.
std::optional<QString> Einstellungsdatei_waehlen(Endungsregel regel);

// "Datei existiert bereits. Möchten Sie \r<pfad>\rüberschreiben?" with Yes and
// No; true for Yes.
bool Ueberschreiben_fragen(const QString& pfad);

// The save dialog `d` for a file with extension `endung` (without dot): the
// chosen name gets that extension in place of any other, and an existing file
// is overwritten only after the question. Nothing when cancelled or refused.
std::optional<QString> Speicherdatei_waehlen(const Dateidialog& d, const QString& endung);
