#include "app/results/tabellenfenster.h"

#include "app/shell/druckausgabe.h"
#include "app/settings/einstellungsdatei_waehlen.h"
#include "core/settings/einstellungen.h"
#include "core/shell/kvhilf.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextOption>

namespace
{

// Draws a cell as the program's tables do: the background, then the text
// from the cell's top edge without any inset, cut off at the cell's edges
// (never shortened with "…"). The halves of a title split over two cells, the
// left one right-aligned, so meet at the column boundary ("Normhör" +
// "schwelle").
class Zellenzeichner : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* w = opt.widget;
        QStyle* stil = w ? w->style() : QApplication::style();
        stil->drawControl(QStyle::CE_ItemViewItem, &opt, maler, w);
        if (text.isEmpty())
            return;
        const QPalette::ColorGroup gruppe = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                            : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        const QPalette::ColorRole rolle =
            (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
        QTextOption satz(Qt::AlignTop | (opt.displayAlignment & Qt::AlignHorizontal_Mask));
        satz.setWrapMode(QTextOption::NoWrap);
        satz.setFlags(QTextOption::IncludeTrailingSpaces);
        maler->save();
        maler->setClipRect(opt.rect);
        maler->setFont(opt.font);
        maler->setPen(opt.palette.color(gruppe, rolle));
        maler->drawText(QRectF(opt.rect), text, satz);
        maler->restore();
    }
};

} // namespace

Tabellenfenster::Tabellenfenster(QWidget* parent) : QMainWindow(parent)
{
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setItemDelegate(new Zellenzeichner(StringGrid1));
    StringGrid1->setWordWrap(false);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setShowGrid(false);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setCentralWidget(StringGrid1);

    auto aktion = [this](QMenu* menu, const QString& text, const char* name, void (Tabellenfenster::*h)()) {
        auto* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, h);
        return a;
    };
    QMenu* datei = menuBar()->addMenu(tr("Datei"));
    Speichern1 = aktion(datei, tr("Speichern"), "Speichern1", &Tabellenfenster::Speichern1Click);
    Drucken1 = aktion(datei, tr("Drucken"), "Drucken1", &Tabellenfenster::Drucken1Click);
    Beenden1 = aktion(datei, tr("Beenden"), "Beenden1", &Tabellenfenster::Beenden1Click);
    QMenu* bearbeiten = menuBar()->addMenu(tr("Bearbeiten"));
    Kopieren1 = aktion(bearbeiten, tr("Kopieren"), "Kopieren1", &Tabellenfenster::Kopieren1Click);
    Allesmarkieren1 =
        aktion(bearbeiten, tr("Alles markieren"), "Allesmarkieren1", &Tabellenfenster::Allesmarkieren1Click);
    Schrift1 = bearbeiten->addAction(tr("Schrift"));
    Schrift1->setObjectName(QStringLiteral("Schrift1"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Ko1 = aktion(PopupMenu1, tr("Kopieren"), "Ko1", &Tabellenfenster::Ko1Click);
    Allesmarkieren2 =
        aktion(PopupMenu1, tr("Alles markieren"), "Allesmarkieren2", &Tabellenfenster::Allesmarkieren2Click);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(p)); });

    FormCreate();
}

void Tabellenfenster::FormCreate()
{
    Geometrie_Einstellungen();
    Schrift1->setVisible(false);
    Dateiname = QStringLiteral("ohne Namen");
    //: Save-dialog filters: name (pattern)|pattern|name (pattern)|pattern
    SaveDialog1.filter = tr("Exceldatei (*.xls)|*.xls|Textdatei (*.txt)|*.txt");
    SaveDialog1.filter_index = 1;
    SaveDialog1.standard_endung = QStringLiteral("xls");
    SaveDialog1.verzeichnis = Dokumente_pfad.trimmed();
    Datei_Typ_xls = true;
}

void Tabellenfenster::Geometrie_Einstellungen()
{
    resize(684, 540);
    move(501, 269);
    QFont fenster(QStringLiteral("Arial"));
    fenster.setPixelSize(11);
    setFont(fenster);
    menuBar()->setFont(fenster);
    QFont tabelle(QStringLiteral("Arial"));
    tabelle.setPixelSize(13);
    StringGrid1->setFont(tabelle);
}

void Tabellenfenster::Zelle_setzen(int spalte, int zeile, const QString& text)
{
    QTableWidgetItem* item = StringGrid1->item(zeile, spalte);
    if (!item) {
        item = new QTableWidgetItem;
        StringGrid1->setItem(zeile, spalte, item);
    }
    item->setText(text);
    Zelle_gestalten(item, spalte, zeile);
}

void Tabellenfenster::Gitter_anzeigen(const Gitter& g)
{
    for (int r = 0; r < std::min(g.zeilen(), StringGrid1->rowCount()); ++r)
        for (int c = 0; c < std::min(g.spalten(), StringGrid1->columnCount()); ++c)
            if (!g.zelle(c, r).isEmpty())
                Zelle_setzen(c, r, g.zelle(c, r));
    for (int c = 0; c < std::min(g.spalten(), StringGrid1->columnCount()); ++c)
        StringGrid1->setColumnWidth(c, g.breite(c));
}

Gitter Tabellenfenster::Bildschirm_Text() const
{
    Gitter g(StringGrid1->columnCount(), StringGrid1->rowCount());
    for (int r = 0; r < g.zeilen(); ++r)
        for (int c = 0; c < g.spalten(); ++c)
            if (const QTableWidgetItem* item = StringGrid1->item(r, c))
                g.setzen(c, r, item->text());
    for (int c = 0; c < g.spalten(); ++c)
        g.breite_setzen(c, StringGrid1->columnWidth(c));
    return g;
}

void Tabellenfenster::Allesmarkieren1Click()
{
    StringGrid1->selectAll();
}

void Tabellenfenster::Kopieren_in_Zwischenablage()
{
    int links = StringGrid1->currentColumn();
    int rechts = links;
    int oben = StringGrid1->currentRow();
    int unten = oben;
    const auto bereiche = StringGrid1->selectedRanges();
    if (!bereiche.isEmpty()) {
        links = rechts = bereiche.front().leftColumn();
        oben = unten = bereiche.front().topRow();
        for (const auto& b : bereiche) {
            links = std::min(links, b.leftColumn());
            rechts = std::max(rechts, b.rightColumn());
            oben = std::min(oben, b.topRow());
            unten = std::max(unten, b.bottomRow());
        }
    }
    if (links < 0 || oben < 0)
        return;
    QApplication::clipboard()->setText(Zwischenablage_text(Bildschirm_Text(), links, oben, rechts, unten));
}

void Tabellenfenster::SaveDialog1TypeChange()
{
    Datei_Typ_xls = !Datei_Typ_xls;
    SaveDialog1.standard_endung = Datei_Typ_xls ? QStringLiteral("xls") : QStringLiteral("txt");
    SaveDialog1.filter_index = Datei_Typ_xls ? 1 : 2;
}

void Tabellenfenster::Speichern1Click()
{
    SaveDialog1.filter_index = Datei_Typ_xls ? 1 : 2;
    SaveDialog1.standard_endung = Datei_Typ_xls ? QStringLiteral("xls") : QStringLiteral("txt");
    // The documents folder may be found only after the window was created.
    if (SaveDialog1.verzeichnis.isEmpty())
        SaveDialog1.verzeichnis = Dokumente_pfad.trimmed();
    const auto wahl = dialoge().datei_speichern(SaveDialog1);
    if (!wahl || wahl->pfad.isEmpty())
        return;
    // The dialog reports its file type only as the chosen filter; a change of
    // type there is a toggle of the flag.
    if ((wahl->filter_index == 2) == Datei_Typ_xls)
        SaveDialog1TypeChange();
    const QString pfad =
        Endung_ersetzen(wahl->pfad, Datei_Typ_xls ? QStringLiteral(".xls") : QStringLiteral(".txt"));
    SaveDialog1.dateiname = pfad;
    SaveDialog1.verzeichnis = Verzeichnis_von_Datei(pfad);
    Dateiname = pfad;
    if (Datei_existiert(pfad) && !Ueberschreiben_fragen(pfad))
        return;
    if (Datei_Typ_xls)
        Ergebnisse_Excel(pfad);
    else
        Ergebnisse_txt(pfad);
}

void Tabellenfenster::Drucken1Click()
{
    QPrinter drucker(QPrinter::HighResolution);
    if (!druckerwahl().waehlen(drucker, this))
        return;
    Drucke_Ergebnisse(drucker);
}

void Tabellenfenster::Beenden1Click()
{
    close();
}
