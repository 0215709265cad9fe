#pragma once
// TForm3: the results table of the hearing test. Every output (screen, text
// file, spreadsheet, print) is built anew from the results store and the
// current settings; the only input is the name of the person tested, typed
// into cell (column 2, row 6) and shared with the audiogram (Testperson_Name).
#include "app/results/tabellenfenster.h"

class TForm3 : public Tabellenfenster
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Menu "Tabelle Ergebnisse": fills the screen table from the results
    // store and the settings (the caller sets the caption, reloads the
    // settings and shows the window). The name stays.
    void Ergebnisse_Bildschirm();
    // Caption "Ergebnisse des Hörtests", Ergebnisse_Bildschirm, show and raise.
    void Ergebnisse_zeigen();

    // The name of the person tested.
    QString Name() const;
    // Shows that name in the name cell.
    void Name_zeigen();
    // Editing is on only in the name cell.
    void StringGrid1SelectCell(int spalte, int zeile);
    // Focuses the table and selects a cell.
    void Setze_Cursor_Position(int spalte, int zeile);

protected:
    void showEvent(QShowEvent* e) override;
    void Zelle_gestalten(QTableWidgetItem* item, int spalte, int zeile) override;
    bool Ergebnisse_Excel(const QString& pfad) override;
    bool Ergebnisse_txt(const QString& pfad) override;
    void Drucke_Ergebnisse(QPrinter& drucker) override;
};
