#include "app/results/tabelle_norm_unit.h"

TForm_Norm_Tab::TForm_Norm_Tab(QWidget* parent)
    : Referenztabellenfenster(&Referenztabelle_Norm,
                              tr("Normhörschwelle (Interpolation aus Daten der ISO 226:2003)"), parent)
{
    setObjectName(QStringLiteral("Form_Norm_Tab"));
}
