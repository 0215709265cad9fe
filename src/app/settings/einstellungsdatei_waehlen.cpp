#include "app/settings/einstellungsdatei_waehlen.h"

#include "app/results/tabellenfenster.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"

#include <QCoreApplication>
#include <QFileInfo>

bool Ueberschreiben_fragen(const QString& pfad)
{
    return dialoge().meldung(
               Symbol::Information, Knoepfe::JaNein,
               QCoreApplication::translate("einstellungsdatei_waehlen",
                                           "Datei existiert bereits. Möchten Sie \r%1\rüberschreiben?")
                   .arg(pfad),
               QCoreApplication::translate("einstellungsdatei_waehlen", "Information"),
               Antwort::Ja) == Antwort::Ja;
}

std::optional<QString> Einstellungsdatei_waehlen(Endungsregel regel)
{
    Dateidialog d;
    d.filter = QStringLiteral("Quarvel Vazozez (*.qvl)|*.qvl");
    d.standard_endung = QStringLiteral("qvl");
    const QString aktuell = Dateiname1_6_zu_string();
    if (aktuell != QLatin1String(Datei_nicht_vorhanden)) {
        d.verzeichnis = Verzeichnis_von_Datei(aktuell);
        d.dateiname = Dateiname_ohne_Verzeichnis(aktuell);
    } else {
        d.verzeichnis = Einstellungsordner;
    }
    const auto wahl = dialoge().datei_speichern(d);
    if (!wahl || wahl->pfad.isEmpty())
        return std::nullopt;
    QString pfad = wahl->pfad;
    if (regel == Endungsregel::erzwingen)
        pfad = Endung_ersetzen(pfad, QStringLiteral(".qvl"));
    else if (QFileInfo(pfad).suffix().isEmpty())
        pfad += QStringLiteral(".qvl");
    if (Datei_existiert(pfad) && !Ueberschreiben_fragen(pfad))
        return std::nullopt;
    return pfad;
}

std::optional<QString> Speicherdatei_waehlen(const Dateidialog& d, const QString& endung)
{
    const auto wahl = dialoge().datei_speichern(d);
    if (!wahl || wahl->pfad.isEmpty())
        return std::nullopt;
    const QString pfad = Endung_ersetzen(wahl->pfad, QLatin1Char('.') + endung);
    if (Datei_existiert(pfad) && !Ueberschreiben_fragen(pfad))
        return std::nullopt;
    return pfad;
}
