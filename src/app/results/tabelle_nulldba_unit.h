#pragma once
// TForm_NulldBA_Tab: the 0-dB(A) values (DIN IEC 651) as a table.
#include "app/results/tabelle_referenz.h"

class TForm_NulldBA_Tab : public Referenztabellenfenster
{
    Q_OBJECT
public:
    explicit TForm_NulldBA_Tab(QWidget* parent = nullptr);
    void NulldBA_Tab_Stringgrid_Groesse() { Stringgrid_Groesse(); }
    void NulldBA_Tabelle_Bildschirm() { Tabelle_Bildschirm(); }
};
