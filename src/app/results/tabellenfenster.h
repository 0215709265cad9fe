#pragma once
// What the results table and the two reference tables share: the table
// (StringGrid1) with its pop-up menu, the menus "Datei" and "Bearbeiten",
// copying to the clipboard, the save dialog with its type toggle and
// overwrite question, and the print dialog. The windows below fill the table
// and write the files from the layouts of core/results.
#include "core/results/gitter.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPrinter;
class QTableWidget;
class QTableWidgetItem;

class Tabellenfenster : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tabellenfenster(QWidget* parent = nullptr);

    QTableWidget* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Allesmarkieren1 = nullptr;
    QAction* Schrift1 = nullptr;
    QAction* Ko1 = nullptr;
    QAction* Allesmarkieren2 = nullptr;

    // true: "Speichern" writes a spreadsheet file, false: a text file.
    bool Datei_Typ_xls = true;
    // Last chosen save path; "ohne Namen" until the first save.
    QString Dateiname = QStringLiteral("ohne Namen");
    // The save dialog's settings (filter, filter index, default extension, folder, name).
    Dateidialog SaveDialog1;

    void Kopieren1Click() { Kopieren_in_Zwischenablage(); }
    void Ko1Click() { Kopieren_in_Zwischenablage(); }
    void Allesmarkieren1Click();
    void Allesmarkieren2Click() { Allesmarkieren1Click(); }
    // The selected cells: TAB between cells, CR LF after each row.
    void Kopieren_in_Zwischenablage();
    // A type change in the save dialog: toggles Datei_Typ_xls and the default extension.
    void SaveDialog1TypeChange();
    void Speichern1Click();
    void Drucken1Click();
    void Beenden1Click();

    // Texts of the table as a grid (with the table's column widths).
    Gitter Bildschirm_Text() const;

protected:
    void FormCreate();
    // Writes the non-empty cells of g into the table (empty cells stay as they are).
    void Gitter_anzeigen(const Gitter& g);
    void Zelle_setzen(int spalte, int zeile, const QString& text);
    // Font and alignment of a cell (the grid's draw handler).
    virtual void Zelle_gestalten(QTableWidgetItem* item, int spalte, int zeile) = 0;
    virtual bool Ergebnisse_Excel(const QString& pfad) = 0;
    virtual bool Ergebnisse_txt(const QString& pfad) = 0;
    virtual void Drucke_Ergebnisse(QPrinter& drucker) = 0;

private:
    void Geometrie_Einstellungen();
};
