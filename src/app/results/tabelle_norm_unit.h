#pragma once
// TForm_Norm_Tab: the ISO 226:2003 normal hearing threshold as a table.
#include "app/results/tabelle_referenz.h"

class TForm_Norm_Tab : public Referenztabellenfenster
{
    Q_OBJECT
public:
    explicit TForm_Norm_Tab(QWidget* parent = nullptr);
    void Norm_Tab_Stringgrid_Groesse() { Stringgrid_Groesse(); }
    void Norm_Tabelle_Bildschirm() { Tabelle_Bildschirm(); }
};
