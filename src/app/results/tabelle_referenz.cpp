#include "app/results/tabelle_referenz.h"

#include "app/shell/druckausgabe.h"
#include "core/shell/meldungen.h"

#include <QPrinter>
#include <QTableWidget>

#include <new>

Referenztabellenfenster::Referenztabellenfenster(Referenztabelle (*daten)(), const QString& titel,
                                                 QWidget* parent)
    : Tabellenfenster(parent), daten_(daten)
{
    setWindowTitle(titel);
    StringGrid1->setColumnCount(Referenz_Spalten);
}

void Referenztabellenfenster::Stringgrid_Groesse()
{
    const Referenztabelle t = daten_();
    try {
        StringGrid1->setColumnCount(Referenz_Spalten);
        StringGrid1->setRowCount(Referenz_Zeilenzahl(t));
    } catch (const std::bad_alloc&) {
        Fehler_ausgabe(t.speicher_meldung, tr("Information"));
    }
}

void Referenztabellenfenster::Tabelle_Bildschirm()
{
    StringGrid1->clearContents();
    try {
        Gitter_anzeigen(Referenz_Bildschirm_Gitter(daten_()));
    } catch (const std::bad_alloc&) {
        Fehler_ausgabe(daten_().speicher_meldung, tr("Information"));
    }
}

void Referenztabellenfenster::FormShow()
{
    Stringgrid_Groesse();
    Tabelle_Bildschirm();
}

void Referenztabellenfenster::showEvent(QShowEvent* e)
{
    Tabellenfenster::showEvent(e);
    FormShow();
}

void Referenztabellenfenster::Zelle_gestalten(QTableWidgetItem* item, int spalte, int zeile)
{
    QFont f = StringGrid1->font();
    f.setBold(Referenz_Zeile_fett(zeile));
    item->setFont(f);
    Qt::Alignment h = Qt::AlignHCenter;
    switch (Referenz_Ausrichtung(spalte, zeile)) {
    case Ausrichtung::Links:
        h = Qt::AlignLeft;
        break;
    case Ausrichtung::Rechts:
        h = Qt::AlignRight;
        break;
    case Ausrichtung::Zentriert:
        break;
    }
    item->setTextAlignment(h | Qt::AlignTop);
}

bool Referenztabellenfenster::Ergebnisse_Excel(const QString& pfad)
{
    return Referenz_Excel(daten_(), Bildschirm_Text(), pfad);
}

bool Referenztabellenfenster::Ergebnisse_txt(const QString& pfad)
{
    return Referenz_txt(daten_(), Bildschirm_Text(), pfad);
}

void Referenztabellenfenster::Drucke_Ergebnisse(QPrinter& drucker)
{
    const Referenztabelle t = daten_();
    const Gitter g = Bildschirm_Text();
    Druckauftrag_drucken(drucker, QString(), true,
                         [&](int breite, int hoehe) { return Referenz_Druckplan(t, g, breite, hoehe); });
}
