#pragma once
// Message boxes, file and colour dialogs of the running program (Qt widgets).
#include "core/shell/dialoge.h"

class QWidget;

class Qt_Dialoge : public Dialoge
{
public:
    Antwort meldung(Symbol symbol, Knoepfe knoepfe, const QString& text, const QString& titel,
                    Antwort standard) override;
    std::optional<Dateiwahl> datei_oeffnen(const Dateidialog& dialog) override;
    std::optional<Dateiwahl> datei_speichern(const Dateidialog& dialog) override;
    std::optional<int32_t> farbe_waehlen(int32_t farbe) override;
};

// "Text|*.ext|Text2|*.ext2" -> Qt's "Text (*.ext);;Text2 (*.ext2)" list.
QStringList Qt_Filter(const QString& filter);
