#include "app/results/tabelle_nulldba_unit.h"

TForm_NulldBA_Tab::TForm_NulldBA_Tab(QWidget* parent)
    : Referenztabellenfenster(&Referenztabelle_NulldBA, tr("0-dB(A)-Werte"), parent)
{
    setObjectName(QStringLiteral("Form_NulldBA_Tab"));
}
