#include "app/results/audiogramm_unit.h"

#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/results/verlauf_unit.h"
#include "app/results/zeichenflaeche.h"
#include "charts/audiogramm_bericht.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

TAudiogramm_Form::TAudiogramm_Form(QWidget* parent) : QMainWindow(parent)
{
    Fenster.Audiogramm_Form = this;
    setObjectName(QStringLiteral("Audiogramm_Form"));
    setWindowTitle(tr("Audiogramm"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);

    auto* mitte = new QWidget(this);
    setCentralWidget(mitte);
    auto* senkrecht = new QVBoxLayout(mitte);
    auto* waagrecht = new QHBoxLayout;
    senkrecht->addLayout(waagrecht, 1);

    Audiogramm = new Zeichenflaeche(mitte, "Audiogramm");
    Audiogramm->setMinimumSize(640, 460);
    Audiogramm->malen = [this](QPainter& p) { Audiogramm_zeichnen(p, Audiogramm->rect(), daten_); };
    waagrecht->addWidget(Audiogramm, 1);

    auto* rechts = new QVBoxLayout;
    waagrecht->addLayout(rechts);
    auto* name_zeile = new QHBoxLayout;
    name_zeile->addWidget(new QLabel(tr("Name:"), mitte));
    Name_Edit = new QLineEdit(mitte);
    Name_Edit->setObjectName(QStringLiteral("Name_Edit"));
    // The name of the person tested, shared with the results table.
    connect(Name_Edit, &QLineEdit::editingFinished, this, [this] { Testperson_Name_setzen(Name_Edit->text()); });
    name_zeile->addWidget(Name_Edit);
    rechts->addLayout(name_zeile);
    auto beschriftung = [&](const char* name) {
        auto* l = new QLabel(mitte);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        l->setFixedWidth(380);
        rechts->addWidget(l);
        return l;
    };
    Mittelwerte_Label = beschriftung("Mittelwerte_Label");
    Eichung_Label = beschriftung("Eichung_Label");
    Werte_Tabelle = new QTableWidget(mitte);
    Werte_Tabelle->setObjectName(QStringLiteral("Werte_Tabelle"));
    Werte_Tabelle->setFixedWidth(380);
    Werte_Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Werte_Tabelle->verticalHeader()->hide();
    Werte_Tabelle->verticalHeader()->setDefaultSectionSize(18);
    rechts->addWidget(Werte_Tabelle, 1);
    Hohe_Frequenzen_Label = beschriftung("Hohe_Frequenzen_Label");

    Hinweis_Label = new QLabel(Audiogramm_Hinweis_klinisch(), mitte);
    Hinweis_Label->setObjectName(QStringLiteral("Hinweis_Label"));
    Hinweis_Label->setWordWrap(true);
    senkrecht->addWidget(Hinweis_Label);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    Button1 = new QPushButton(tr("Bericht speichern"), mitte);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("Werte exportieren"), mitte);
    Button2->setObjectName(QStringLiteral("Button2"));
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(Button2);
    senkrecht->addLayout(knoepfe);
    connect(Button1, &QPushButton::clicked, this, &TAudiogramm_Form::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAudiogramm_Form::Button2Click);
    resize(1100, 720);
}

TAudiogramm_Form::~TAudiogramm_Form()
{
    if (Fenster.Audiogramm_Form == this)
        Fenster.Audiogramm_Form = nullptr;
}

void TAudiogramm_Form::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (e->spontaneous())
        return;
    Einstellungen_von_Festplatte_holen();
    Name_zeigen();
    Audiogramm_ausgeben();
}

void TAudiogramm_Form::Name_zeigen()
{
    if (Name_Edit->text() != Testperson_Name)
        Name_Edit->setText(Testperson_Name);
}

void TAudiogramm_Form::Audiogramm_ausgeben()
{
    daten_ = Audiogramm_Daten_holen(Testperson_Name);
    //: %1, %2: the four-frequency average and grade of the left and right ear
    Mittelwerte_Label->setText(
        tr("<b>Mittelwert 500–4000 Hz (WHO 2021)</b><br>Linkes Ohr: %1<br>Rechtes Ohr: %2")
            .arg(Mittelwert_text(daten_.links).toHtmlEscaped(),
                 Mittelwert_text(daten_.rechts).toHtmlEscaped()));
    QString eichung =
        tr("Kalibrierung links: %1<br>Kalibrierung rechts: %2")
            .arg(daten_.links.eichung_text.toHtmlEscaped(), daten_.rechts.eichung_text.toHtmlEscaped());
    for (const bool links : {true, false}) {
        const QString w = Eichung_Warnung(links ? daten_.links : daten_.rechts, links);
        if (!w.isEmpty())
            eichung += QStringLiteral("<br><font color=\"#b40000\"><b>") + w.toHtmlEscaped() +
                       QStringLiteral("</b></font>");
    }
    Eichung_Label->setText(eichung);

    const auto tabelle = Audiogramm_Tabelle(daten_);
    Werte_Tabelle->clear();
    Werte_Tabelle->setColumnCount(5);
    Werte_Tabelle->setRowCount(int(tabelle.size()) - 1);
    //: "Abw.": deviation from the normal hearing threshold
    Werte_Tabelle->setHorizontalHeaderLabels(
        {QStringLiteral("Hz"), tr("Links dB"), tr("Abw."), tr("Rechts dB"), tr("Abw.")});
    for (size_t i = 1; i < tabelle.size(); ++i)
        for (int c = 0; c < tabelle[i].size(); ++c) {
            auto* item = new QTableWidgetItem(tabelle[i][c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Werte_Tabelle->setItem(int(i) - 1, c, item);
        }
    Werte_Tabelle->resizeColumnsToContents();
    QStringList rand = Hohe_Frequenzen_Zeilen(daten_);
    const QString tief = Tiefe_Frequenzen_Hinweis(daten_);
    if (!tief.isEmpty())
        rand.prepend(tief);
    if (const QString ruhe = Ruhepegel_Hinweis(daten_); !ruhe.isEmpty())
        rand.prepend(ruhe);
    Hohe_Frequenzen_Label->setText(rand.join(QStringLiteral("\n")));
    Hohe_Frequenzen_Label->setVisible(!rand.isEmpty());
    Audiogramm->update();
}

QString TAudiogramm_Form::Speicherpfad_waehlen(const QString& filter, const QString& endung)
{
    Dateidialog d;
    d.filter = filter;
    d.standard_endung = endung;
    d.verzeichnis = Dokumente_pfad.trimmed();
    d.dateiname = QStringLiteral("Audiogramm.") + endung;
    return Speicherdatei_waehlen(d, endung).value_or(QString());
}

void TAudiogramm_Form::Button1Click()
{
    const QString pfad =
        //: Save-dialog filter: name (pattern)|pattern
        Speicherpfad_waehlen(tr("PDF-Dokument (*.pdf)|*.pdf"), QStringLiteral("pdf"));
    Testperson_Name_setzen(Name_Edit->text());
    if (!pfad.isEmpty())
        Audiogramm_Bericht_speichern(Audiogramm_Daten_holen(Testperson_Name), pfad);
}

void TAudiogramm_Form::Button2Click()
{
    //: Save-dialog filter: name (pattern)|pattern
    const QString pfad =
        Speicherpfad_waehlen(tr("CSV-Datei (Semikolon getrennt) (*.csv)|*.csv"), QStringLiteral("csv"));
    Testperson_Name_setzen(Name_Edit->text());
    if (!pfad.isEmpty())
        Audiogramm_CSV_speichern(Audiogramm_Daten_holen(Testperson_Name), pfad);
}
