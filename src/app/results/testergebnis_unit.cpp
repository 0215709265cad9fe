#include "app/results/testergebnis_unit.h"

#include "app/measurement/ruhepegel.h"
#include "app/results/verlauf_unit.h"
#include "app/shell/druckausgabe.h"
#include "core/results/hoertest_druck.h"
#include "core/results/testergebnis_layout.h"

#include <QPrinter>
#include <QTableWidget>

TForm3::TForm3(QWidget* parent) : Tabellenfenster(parent)
{
    setObjectName(QStringLiteral("Form3"));
    StringGrid1->setColumnCount(Ergebnis_Spalten);
    StringGrid1->setRowCount(Bildschirm_Zeilen);
    // The name cell exists from the start so that typing into it keeps its style.
    Zelle_setzen(Name_Spalte, Name_Zeile, QString());
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int zeile, int spalte, int, int) { StringGrid1SelectCell(spalte, zeile); });
    // A name typed into its cell is the name of the person tested.
    connect(StringGrid1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->row() == Name_Zeile && item->column() == Name_Spalte)
            Testperson_Name_setzen(item->text());
    });
}

void TForm3::Ergebnisse_Bildschirm()
{
    Name_zeigen();
    Gitter_anzeigen(Ergebnisse_Bildschirm_Gitter(Testergebnis_Angaben_holen(false, Name())));
    // Rows measured while the room was too loud: a sign before the frequency, the reason as its tip.
    for (const bool links : {true, false})
        for (int i = 1; i <= Zeilen; ++i) {
            const QString grund = Ruhepegel_Text(Ruhepegel_Befund_von(links, i));
            const int r = (links ? Erste_Datenzeile_links : Erste_Datenzeile_rechts) + i - 1;
            if (!grund.isEmpty() || StringGrid1->item(r, 0)) {
                Zelle_setzen(0, r, grund.isEmpty() ? QString() : QStringLiteral("⚠"));
                StringGrid1->item(r, 0)->setToolTip(grund);
            }
        }
}

void TForm3::Name_zeigen()
{
    const QTableWidgetItem* item = StringGrid1->item(Name_Zeile, Name_Spalte);
    if (!item || item->text() != Testperson_Name)
        Zelle_setzen(Name_Spalte, Name_Zeile, Testperson_Name);
}

void TForm3::Ergebnisse_zeigen()
{
    setWindowTitle(tr("Ergebnisse des Hörtests"));
    Ergebnisse_Bildschirm();
    show();
    raise();
    activateWindow();
}

QString TForm3::Name() const
{
    return Testperson_Name;
}

void TForm3::StringGrid1SelectCell(int spalte, int zeile)
{
    const bool name = spalte == Name_Spalte && zeile == Name_Zeile;
    StringGrid1->setEditTriggers(name ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                            QAbstractItemView::AnyKeyPressed |
                                            QAbstractItemView::SelectedClicked
                                      : QAbstractItemView::NoEditTriggers);
}

void TForm3::Setze_Cursor_Position(int spalte, int zeile)
{
    StringGrid1->setFocus();
    StringGrid1->setCurrentCell(zeile, spalte);
    StringGrid1SelectCell(spalte, zeile);
}

void TForm3::showEvent(QShowEvent* e)
{
    Tabellenfenster::showEvent(e);
    Setze_Cursor_Position(Name_Spalte, Name_Zeile);
}

void TForm3::Zelle_gestalten(QTableWidgetItem* item, int spalte, int zeile)
{
    QFont f = StringGrid1->font();
    f.setBold(Ergebnis_Zeile_fett(zeile));
    item->setFont(f);
    item->setTextAlignment(Qt::AlignTop |
                           (Ergebnis_Zelle_rechts(spalte, zeile) ? Qt::AlignRight : Qt::AlignLeft));
}

bool TForm3::Ergebnisse_Excel(const QString& pfad)
{
    return ::Ergebnisse_Excel(Testergebnis_Angaben_holen(false, Name()), pfad);
}

bool TForm3::Ergebnisse_txt(const QString& pfad)
{
    return ::Ergebnisse_txt(Testergebnis_Angaben_holen(true, Name()), pfad);
}

void TForm3::Drucke_Ergebnisse(QPrinter& drucker)
{
    const Testergebnis_Angaben a = Testergebnis_Angaben_holen(false, Name());
    Druckauftrag_drucken(drucker, QString(), true,
                         [&a](int breite, int hoehe) { return Ergebnisse_Druckplan(a, breite, hoehe); });
}
