#include "app/results/schaubild_unit.h"

#include "app/shell/fenster.h"
#include "app/results/zeichenflaeche.h"
#include "charts/hoerschwelle_schaubild.h"
#include "core/settings/einstellungen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>

THoerschwelle_Schaubild_Form* Hoerschwelle_Schaubild_Form = nullptr;

namespace
{
constexpr int Gruppenhoehe = 90;
constexpr int Breite_Schaubilder = 300;
constexpr int Breite_Einheiten = 220;

void Farbe_setzen(QWidget* w, QColor farbe)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, farbe);
    pal.setColor(QPalette::ButtonText, farbe);
    w->setPalette(pal);
}

void Hintergrund_setzen(QWidget* w, QColor farbe)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, farbe);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
} // namespace

THoerschwelle_Schaubild_Form::THoerschwelle_Schaubild_Form(QWidget* parent) : QMainWindow(parent)
{
    Hoerschwelle_Schaubild_Form = this;
    Fenster.Hoerschwelle_Schaubild_Form = this;
    setObjectName(QStringLiteral("Hoerschwelle_Schaubild_Form"));
    setWindowTitle(tr("Hörschwelle"));
    // The chart objects come from program start; a window made without it
    // (a test) makes them itself.
    if (!Schaubild_Norm || !Schaubild_NulldBA)
        Schaubild_Objekte_erzeugen();
    erstemalcreate();
}

THoerschwelle_Schaubild_Form::~THoerschwelle_Schaubild_Form()
{
    if (Hoerschwelle_Schaubild_Form == this)
        Hoerschwelle_Schaubild_Form = nullptr;
    if (Fenster.Hoerschwelle_Schaubild_Form == this)
        Fenster.Hoerschwelle_Schaubild_Form = nullptr;
}

void THoerschwelle_Schaubild_Form::Geometrie_Einstellungen()
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);

    mitte_ = new QWidget(this);
    mitte_->setObjectName(QStringLiteral("Mitte"));
    setCentralWidget(mitte_);
    mitte_->installEventFilter(this);

    Gesamt_Panel = new QWidget(mitte_);
    Gesamt_Panel->setObjectName(QStringLiteral("Gesamt_Panel"));
    Hintergrund_setzen(Gesamt_Panel, Qt::white);
    yAchse = new Zeichenflaeche(Gesamt_Panel, "yAchse");
    yAchse->malen = [this](QPainter& p) { yAchsePaint(p); };
    xAchse = new Zeichenflaeche(Gesamt_Panel, "xAchse");
    xAchse->malen = [this](QPainter& p) { xAchsePaint(p); };
    Schaubild_Panel = new QWidget(Gesamt_Panel);
    Schaubild_Panel->setObjectName(QStringLiteral("Schaubild_Panel"));
    Schaubild = new Zeichenflaeche(Schaubild_Panel, "Schaubild");
    Schaubild->setCursor(Qt::CrossCursor);
    Schaubild->malen = [this](QPainter& p) { SchaubildPaint(p); };
    Schaubild->maustaste = [this](QMouseEvent* e) {
        const QPoint q = e->position().toPoint();
        SchaubildMouseDown(e->button(), q.x(), q.y());
    };
    ZeitScrollBar = new QScrollBar(Qt::Horizontal, Gesamt_Panel);
    ZeitScrollBar->setObjectName(QStringLiteral("ZeitScrollBar"));
    connect(ZeitScrollBar, &QScrollBar::valueChanged, this,
            &THoerschwelle_Schaubild_Form::ZeitScrollBarScroll);
    DruckScrollBar = new QScrollBar(Qt::Vertical, Gesamt_Panel);
    DruckScrollBar->setObjectName(QStringLiteral("DruckScrollBar"));
    connect(DruckScrollBar, &QScrollBar::valueChanged, this,
            &THoerschwelle_Schaubild_Form::DruckScrollBarScroll);

    GroupBox1 = new QGroupBox(tr("Schaubilder"), mitte_);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* g1 = new QGridLayout(GroupBox1);
    auto haken = [&](const char* name, const QString& text, QColor farbe, bool an, int zeile, int spalte) {
        auto* c = new QCheckBox(text, GroupBox1);
        c->setObjectName(QString::fromLatin1(name));
        Farbe_setzen(c, farbe);
        c->setChecked(an);
        g1->addWidget(c, zeile, spalte);
        return c;
    };
    CheckBox1 = haken("CheckBox1", tr("Linkes Ohr (dB)"), QColor(255, 0, 0), true, 0, 0);
    CheckBox2 = haken("CheckBox2", tr("Rechtes Ohr (dB)"), QColor(0, 0, 255), true, 1, 0);
    CheckBox3 = haken("CheckBox3", tr("Normhörschwelle (dB)"), QColor(0, 128, 0), true, 0, 1);
    CheckBox4 = haken("CheckBox4", tr("0-dB(A)-Kurve (dB)"), QColor(128, 0, 0), false, 1, 1);
    for (QCheckBox* c : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        connect(c, &QCheckBox::toggled, this, &THoerschwelle_Schaubild_Form::CheckBoxClick);
    CheckBoxClick();

    GroupBox2 = new QGroupBox(tr("Einheiten"), mitte_);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* g2 = new QGridLayout(GroupBox2);
    Label1 = new QLabel(tr("Schallpegel:"), GroupBox2);
    Label1->setObjectName(QStringLiteral("Label1"));
    DruckeinheitComboBox = new QComboBox(GroupBox2);
    DruckeinheitComboBox->setObjectName(QStringLiteral("DruckeinheitComboBox"));
    DruckeinheitComboBox->addItems({QStringLiteral("1 dB"), QStringLiteral("2 dB"), QStringLiteral("5 dB"),
                                    QStringLiteral("10 dB"), QStringLiteral("20 dB"),
                                    QStringLiteral("50 dB")});
    DruckeinheitComboBox->setCurrentIndex(3);
    connect(DruckeinheitComboBox, &QComboBox::activated, this,
            &THoerschwelle_Schaubild_Form::DruckeinheitComboBoxSelect);
    Label2 = new QLabel(tr("Frequenz:"), GroupBox2);
    Label2->setObjectName(QStringLiteral("Label2"));
    ZeiteinheitComboBox = new QComboBox(GroupBox2);
    ZeiteinheitComboBox->setObjectName(QStringLiteral("ZeiteinheitComboBox"));
    ZeiteinheitComboBox->addItems({QStringLiteral("20 Hz"), QStringLiteral("50 Hz"), QStringLiteral("100 Hz"),
                                   QStringLiteral("200 Hz"), QStringLiteral("500 Hz"),
                                   QStringLiteral("1000 Hz"), QStringLiteral("2000 Hz")});
    ZeiteinheitComboBox->setCurrentIndex(6);
    connect(ZeiteinheitComboBox, &QComboBox::activated, this,
            &THoerschwelle_Schaubild_Form::ZeiteinheitComboBoxSelect);
    g2->addWidget(Label1, 0, 0);
    g2->addWidget(DruckeinheitComboBox, 0, 1);
    g2->addWidget(Label2, 1, 0);
    g2->addWidget(ZeiteinheitComboBox, 1, 1);

    Button2 = new QPushButton(tr("Schaubilder speichern"), mitte_);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, &THoerschwelle_Schaubild_Form::Button2Click);
    Button4 = new QPushButton(tr("Fadenkreuz löschen"), mitte_);
    Button4->setObjectName(QStringLiteral("Button4"));
    connect(Button4, &QPushButton::clicked, this, &THoerschwelle_Schaubild_Form::Button4Click);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    const char* texte[4] = {QT_TRANSLATE_NOOP("THoerschwelle_Schaubild_Form", "Fadenkreuz:"),
                            //: The crosshair is off.
                            QT_TRANSLATE_NOOP("THoerschwelle_Schaubild_Form", "aus"), "", ""};
    const int breiten[4] = {80, 220, 220, 0};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(*texte[i] ? tr(texte[i]) : QString(), this);
        l->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        if (breiten[i] > 0)
            l->setMinimumWidth(breiten[i]);
        statusBar()->addWidget(l, i == 3 ? 1 : 0);
        StatusBar1Panel[size_t(i)] = l;
    }
}

void THoerschwelle_Schaubild_Form::erstemalcreate()
{
    Geometrie_Einstellungen();
    setMinimumSize(800, 480);
    resize(800, 480);
    // The client area has its size before the window is first shown.
    layout()->activate();
    Ausgangs_werte_1();
    setWindowState(Qt::WindowMaximized);
    Groesse_Gesamt_Panel();
    Schaubild_Norm->dynamische_werte();
    Schaubild_NulldBA->dynamische_werte();
    Schallpegel_Einheit_festlegen();
    Groesse_Zuordnen();
    Zeit_Einheit_festlegen();
    Groesse_Zuordnen();
    for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        s->eine_Zeichenflaeche = false;
        s->xScroll_Schritt = 100;
        s->xPixel_Schaubild_vorbereiten();
    }
    Groesse_Zuordnen();
    Scrollbar_setzen(ZeitScrollBar, Schaubild_NulldBA->xScrollbar_max_zuweisen(), 0,
                     ZeitScrollBar->singleStep());
}

void THoerschwelle_Schaubild_Form::Ausgangs_werte_1()
{
    Ausgangs_werte1a(*Schaubild_Norm);
    Ausgangs_werte1a(*Schaubild_NulldBA);
    Hintergrund_setzen(Schaubild_Panel, QColor(255, 255, 180));
}

void THoerschwelle_Schaubild_Form::Scrollbar_setzen(QScrollBar* s, int maximum, int position, int aenderung)
{
    const QSignalBlocker still(s);
    s->setRange(0, maximum);
    s->setSingleStep(aenderung);
    s->setPageStep(aenderung);
    s->setValue(position);
}

void THoerschwelle_Schaubild_Form::Zeit_Einheit_festlegen()
{
    const Scrollbar_Einstellung e = ::Zeit_Einheit_festlegen(ZeiteinheitComboBox->currentIndex());
    Scrollbar_setzen(ZeitScrollBar, e.maximum, e.position, e.aenderung);
}

void THoerschwelle_Schaubild_Form::Schallpegel_Einheit_festlegen()
{
    const Scrollbar_Einstellung e = ::Schallpegel_Einheit_festlegen(DruckeinheitComboBox->currentIndex());
    Scrollbar_setzen(DruckScrollBar, e.maximum, e.position, e.aenderung);
}

void THoerschwelle_Schaubild_Form::Groesse_Gesamt_Panel()
{
    const QSize c = mitte_->size();
    const int hoehe = std::max(1, c.height() - Gruppenhoehe - 2);
    Gesamt_Panel->setGeometry(0, 0, c.width(), hoehe);
    const int y = hoehe + 1;
    GroupBox1->setGeometry(0, y, Breite_Schaubilder, Gruppenhoehe);
    GroupBox2->setGeometry(c.width() - Breite_Einheiten, y, Breite_Einheiten, Gruppenhoehe);
    const int knopfbreite = 160;
    const int knopfhoehe = 25;
    const int mitte = (Breite_Schaubilder + c.width() - Breite_Einheiten) / 2;
    Button2->setGeometry(mitte - knopfbreite / 2, y + 15, knopfbreite, knopfhoehe);
    Button4->setGeometry(mitte - knopfbreite / 2, y + 15 + knopfhoehe + 10, knopfbreite, knopfhoehe);
}

void THoerschwelle_Schaubild_Form::Groesse_Zuordnen()
{
    for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        s->Bildbreite = Gesamt_Panel->width();
        s->Bildhoehe = Gesamt_Panel->height();
        s->dynamische_werte();
    }
    const TkvSchaubild2c& a = *Schaubild_Norm;
    Schaubild_Panel->setGeometry(a.Schaubild_Box);
    Schaubild->setGeometry(0, 0, a.Schaubild_Box.width(), a.Schaubild_Box.height());
    xAchse->setGeometry(a.xAchse_Box);
    yAchse->setGeometry(a.yAchse_Box);
    const int h = ZeitScrollBar->sizeHint().height();
    ZeitScrollBar->setGeometry(a.links, a.oben - h, a.Breite + 1, h);
    DruckScrollBar->setGeometry(a.rechts + 1, a.oben, DruckScrollBar->sizeHint().width(), a.Hoehe + 1);
}

void THoerschwelle_Schaubild_Form::FormResize()
{
    Groesse_Gesamt_Panel();
    Groesse_Zuordnen();
    // The curves keep about two pixels between retained samples at any width.
    Bereich_festlegen_Oszi();
    Schaubild_Norm->xPixel_Schaubild_vorbereiten();
    Schaubild_NulldBA->xPixel_Schaubild_vorbereiten();
    Gesamt_Panel->update();
}

bool THoerschwelle_Schaubild_Form::eventFilter(QObject* o, QEvent* e)
{
    if (o == mitte_ && e->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(o, e);
}

void THoerschwelle_Schaubild_Form::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (e->spontaneous())
        return;
    Einstellungen_von_Festplatte_holen();
    Schaubild_ausgeben();
}

void THoerschwelle_Schaubild_Form::closeEvent(QCloseEvent* e)
{
    if (Fenster.Oszi_Grafik)
        Fenster.Oszi_Grafik->close();
    e->accept();
}

void THoerschwelle_Schaubild_Form::Schaubild_ausgeben()
{
    Schaubild_Punkte_berechnen();
    Schaubild->update();
}

void THoerschwelle_Schaubild_Form::yAchsePaint(QPainter& p)
{
    Schaubild_Norm->y_Koordinatenachse_zeichnen(p);
}

void THoerschwelle_Schaubild_Form::xAchsePaint(QPainter& p)
{
    Schaubild_Norm->x_Koordinatenachse_zeichnen(p);
}

void THoerschwelle_Schaubild_Form::SchaubildPaint(QPainter& p)
{
    Schaubilder_zeichnen(p, *Schaubild_Norm, *Schaubild_NulldBA, Schaubild_Anzeige, Schaubild_Farben{});
}

void THoerschwelle_Schaubild_Form::ZeiteinheitComboBoxSelect()
{
    Zeit_Einheit_festlegen();
    for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        s->dynamische_werte();
        s->xPixel_Schaubild_vorbereiten();
    }
    xAchse->update();
    Schaubild->update();
}

void THoerschwelle_Schaubild_Form::DruckeinheitComboBoxSelect()
{
    Schallpegel_Einheit_festlegen();
    for (TkvSchaubild2c* s : {Schaubild_Norm.get(), Schaubild_NulldBA.get()}) {
        s->dynamische_werte();
        s->xPixel_Schaubild_vorbereiten();
    }
    yAchse->update();
    Schaubild->update();
}

void THoerschwelle_Schaubild_Form::ZeitScrollBarScroll(int position)
{
    Zeit_scrollen(position);
    xAchse->update();
    Schaubild->update();
}

void THoerschwelle_Schaubild_Form::DruckScrollBarScroll(int position)
{
    Druck_scrollen(position);
    yAchse->update();
    Schaubild->update();
}

void THoerschwelle_Schaubild_Form::SchaubildMouseDown(Qt::MouseButton knopf, int x, int y)
{
    if (knopf != Qt::LeftButton || !Button2->isEnabled())
        return;
    TkvSchaubild2c& a = *Schaubild_Norm;
    a.Fadenkreuz_zeigen = true;
    a.x_Fadenkreuz_berechnen(x);
    a.y_Fadenkreuz_berechnen(y);
    Schaubild->update();
    StatusBar1Panel[1]->setText(QStringLiteral("f = ") + a.xFadenkreuz_text + QStringLiteral(" Hz"));
    StatusBar1Panel[2]->setText(tr("Schallpegel = %1 dB").arg(a.yFadenkreuz_text));
}

void THoerschwelle_Schaubild_Form::Button4Click()
{
    StatusBar1Panel[1]->setText(tr("bereit (linke Maustaste)"));
    StatusBar1Panel[2]->setText(QStringLiteral(" "));
    Schaubild_Norm->Fadenkreuz_zeigen = false;
    Schaubild->update();
}

void THoerschwelle_Schaubild_Form::Button2Click()
{
    if (QWidget* bild = Fenster.Oszi_Grafik) {
        bild->showNormal();
        bild->raise();
        bild->activateWindow();
    }
}

void THoerschwelle_Schaubild_Form::CheckBoxClick()
{
    Schaubild_Anzeige.links = CheckBox1->isChecked();
    Schaubild_Anzeige.rechts = CheckBox2->isChecked();
    Schaubild_Anzeige.norm = CheckBox3->isChecked();
    Schaubild_Anzeige.null_dBA = CheckBox4->isChecked();
    Schaubild->update();
}
