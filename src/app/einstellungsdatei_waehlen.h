#pragma once
// The save dialog that every window saving a settings file uses: filter
// "Quarvel Vazozez (*.qvl)|*.qvl", default extension "qvl", starting in the
// current settings file's folder with its name proposed (or in the settings
// folder when no file is current), then the question before overwriting.
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
