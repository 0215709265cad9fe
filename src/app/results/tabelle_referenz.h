#pragma once
// The two reference-table windows: the ISO 226 normal hearing threshold
// (TForm_Norm_Tab) and the 0-dB(A) values (TForm_NulldBA_Tab). Each showing
// rebuilds the read-only table from the curves tabulated at program start.
#include "app/results/tabellenfenster.h"
#include "core/results/referenztabelle_layout.h"

class Referenztabellenfenster : public Tabellenfenster
{
    Q_OBJECT
public:
    Referenztabellenfenster(Referenztabelle (*daten)(), const QString& titel, QWidget* parent);

    // Sizes the table: 4 columns, entries + 12 rows (the memory message if that fails).
    void Stringgrid_Groesse();
    // Empties the table and fills it.
    void Tabelle_Bildschirm();
    // The showing: size, then fill.
    void FormShow();

protected:
    void showEvent(QShowEvent* e) override;
    void Zelle_gestalten(QTableWidgetItem* item, int spalte, int zeile) override;
    bool Ergebnisse_Excel(const QString& pfad) override;
    bool Ergebnisse_txt(const QString& pfad) override;
    void Drucke_Ergebnisse(QPrinter& drucker) override;

private:
    Referenztabelle (*daten_)();
};
