// The measurement window's controls: the layout of the 21 rows, the status
// bar, the track bars, and which rows, buttons and edits are enabled.
#include "app/measurement/messfenster_intern.h"

#include "app/shell/fenster.h"
#include "app/shell/menue.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/dialoge.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace
{

const QColor Farbe_blau(0, 0, 255);
const QColor Farbe_gruen(0, 128, 0);

} // namespace

void TForm2::Geometrie_Einstellungen()
{
    auto* menue = menuBar();
    menue->setNativeMenuBar(false);
    auto aktion = [&](const QString& text, const char* name, void (TForm2::*handler)()) {
        return Menuepunkt(menue, text, name, this, handler);
    };
    Neu1 = aktion(tr("Neu"), "Neu1", &TForm2::Neu1Click);
    Rechtsuebernehmen1 =
        aktion(tr("Von rechts übertragen"), "Rechtsuebernehmen1", &TForm2::Rechtsuebernehmen1Click);
    EinstellungenSpeichern1 =
        aktion(tr("Speichern"), "EinstellungenSpeichern1", &TForm2::EinstellungenSpeichern1Click);
    Abbrechen2 = aktion(tr("Abbrechen"), "Abbrechen2", &TForm2::Abbrechen2Click);
    StartKalibrierung1 =
        aktion(tr("Start Kalibrierung"), "StartKalibrierung1", &TForm2::StartKalibrierung1Click);

    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(12, 8, 12, 8);
    spalte->setSpacing(10);
    QFont schrift(QStringLiteral("Arial"), 10);
    mitte->setFont(schrift);

    auto beschriftung = [&](const QString& text, const char* name) {
        auto* l = new QLabel(text, mitte);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    StaticText31 = beschriftung(tr("Schallpegel in dB(A)"), "StaticText31");
    StaticText31->setAlignment(Qt::AlignCenter);
    StaticText28 = beschriftung(tr("Frequenz"), "StaticText28");
    StaticText29 = beschriftung(tr("Frequenz"), "StaticText29");
    StaticText30 = beschriftung(tr("Frequenz"), "StaticText30");
    StaticText24 = beschriftung(QString(), "StaticText24");
    StaticText25 = beschriftung(QString(), "StaticText25");
    StaticText26 = beschriftung(QString(), "StaticText26");
    QLabel* frequenz_kopf[3] = {StaticText28, StaticText29, StaticText30};
    QLabel* wert_kopf[3] = {StaticText24, StaticText25, StaticText26};

    Edit[22] = new QLineEdit(mitte);
    Edit[22]->setObjectName(QStringLiteral("Edit22"));

    for (int block = 0; block < 3; ++block) {
        auto* gitter = new QGridLayout;
        gitter->setHorizontalSpacing(6);
        gitter->setVerticalSpacing(3);
        gitter->setColumnMinimumWidth(0, 140);
        int erste = 0;
        if (block == 0) {
            gitter->addWidget(StaticText31, 0, 5);
            gitter->addWidget(Edit[22], 1, 5);
            erste = 2;
        }
        gitter->addWidget(frequenz_kopf[block], erste, 0);
        gitter->addWidget(wert_kopf[block], erste + 1, 0);
        for (int s = 1; s <= 7; ++s) {
            const int i = block * 7 + s;
            StaticText[size_t(i)] =
                beschriftung(QString(), qPrintable(QStringLiteral("StaticText%1").arg(i)));
            StaticText[size_t(i)]->setAlignment(Qt::AlignCenter);
            StaticText[size_t(i)]->setMinimumWidth(96);
            gitter->addWidget(StaticText[size_t(i)], erste, s);

            auto* zelle = new QHBoxLayout;
            zelle->setSpacing(2);
            auto* e = new QLineEdit(mitte);
            e->setObjectName(QStringLiteral("Edit%1").arg(i));
            e->setMinimumWidth(52);
            Edit[size_t(i)] = e;
            zelle->addWidget(e, 1);
            auto* c = new QComboBox(mitte);
            c->setObjectName(QStringLiteral("ComboBox%1").arg(i));
            c->addItems({QStringLiteral("dB"), QStringLiteral("dB(A)"), QStringLiteral("dB(C)")});
            c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            ComboBox[size_t(i)] = c;
            zelle->addWidget(c);
            gitter->addLayout(zelle, erste + 1, s);

            auto* b = new QPushButton(tr("Start"), mitte);
            b->setObjectName(QStringLiteral("Button%1").arg(i));
            // Hidden buttons keep their place, so the rows do not jump.
            QSizePolicy platz = b->sizePolicy();
            platz.setRetainSizeWhenHidden(true);
            b->setSizePolicy(platz);
            Button[size_t(i)] = b;
            gitter->addWidget(b, erste + 2, s);
            connect(b, &QPushButton::clicked, this, [this, i] { ButtonClick(i); });
        }
        spalte->addLayout(gitter);
    }

    // Volume bars: coarse (x 10) and fine.
    auto balken = [&](QSlider*& s, const char* name, int von, int bis, int tick) {
        s = new QSlider(Qt::Horizontal, mitte);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(von, bis);
        s->setTickInterval(tick);
        s->setTickPosition(QSlider::TicksBelow);
        s->setFocusPolicy(Qt::NoFocus);
    };
    balken(TrackBar2, "TrackBar2", 0, 5953, 300);
    balken(TrackBar1, "TrackBar1", 1, 6000, 3000);
    TrackBar1->setValue(1);
    StaticText23 = beschriftung(tr("Anfangslautstärke Grobeinstellung"), "StaticText23");
    Label1 = beschriftung(tr("Anfangslautstärke Feineinstellung"), "Label1");
    StaticText22 = beschriftung(tr("Minimum"), "StaticText22");
    StaticText32 = beschriftung(tr("Maximum"), "StaticText32");
    Label2 = beschriftung(tr("Minimum"), "Label2");
    Label3 = beschriftung(tr("Maximum"), "Label3");
    auto* regler = new QGridLayout;
    regler->addWidget(StaticText23, 0, 0, 1, 3, Qt::AlignHCenter);
    regler->addWidget(StaticText22, 1, 0);
    regler->addWidget(TrackBar2, 1, 1);
    regler->addWidget(StaticText32, 1, 2);
    regler->addWidget(Label1, 2, 0, 1, 3, Qt::AlignHCenter);
    regler->addWidget(Label2, 3, 0);
    regler->addWidget(TrackBar1, 3, 1);
    regler->addWidget(Label3, 3, 2);
    spalte->addLayout(regler);
    spalte->addStretch();
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm2::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm2::TrackBar2Change);
    for (QSlider* bar : {TrackBar1, TrackBar2})
        connect(bar, &QSlider::sliderPressed, this,
                [this] { laut_bezug_ = uint32_t(TrackBar1->value() + 10 * TrackBar2->value()); });

    setCentralWidget(mitte);

    panel0_ = new QLabel(tr("Bereit"), this);
    panel0_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    panel0_->setMinimumWidth(100);
    panel1_ = new QLabel(QStringLiteral(" "), this);
    panel1_->setObjectName(QStringLiteral("StatusBar1Panel1"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(panel0_);
    statusBar()->addWidget(panel1_, 1);
    Eichzustand_Label = new QLabel(this);
    Eichzustand_Label->setObjectName(QStringLiteral("Eichzustand_Label"));
    statusBar()->addPermanentWidget(Eichzustand_Label);
    statusBar()->setSizeGripEnabled(false);
}

void TForm2::Panel0(const QString& t)
{
    panel0_->setText(t);
}
void TForm2::Panel1(const QString& t)
{
    panel1_->setText(t);
}
QString TForm2::panel0() const
{
    return panel0_->text();
}
QString TForm2::panel1() const
{
    return panel1_->text();
}

int TForm2::Kalibrierart() const
{
    return ::Kalibrierart(Form2_Modus, Einstellungen.Eichung);
}

int TForm2::Lautstaerkegruppe() const
{
    return ::Lautstaerkegruppe(Form2_Modus);
}

uint32_t* TForm2::Arbeitslautstaerken()
{
    return links() ? Lautstaerke_links[Lautstaerkegruppe()] : Lautstaerke_rechts[Lautstaerkegruppe()];
}

// ---- Enabling helpers -------------------------------------------------------

void TForm2::Form2Alle_ComboBoxen_einschalten()
{
    for (int i = 1; i <= Zeilen; ++i)
        ComboBox[size_t(i)]->setVisible(true);
}

void TForm2::Form2Alle_ComboBoxen_ausschalten()
{
    for (int i = 1; i <= Zeilen; ++i)
        ComboBox[size_t(i)]->setVisible(false);
}

void TForm2::Form2Alle_ComboBoxen_enabled()
{
    for (int i = 1; i <= Zeilen; ++i)
        ComboBox[size_t(i)]->setEnabled(true);
}

void TForm2::Form2Alle_ComboBoxen_nichtenabled()
{
    for (int i = 1; i <= Zeilen; ++i)
        ComboBox[size_t(i)]->setEnabled(false);
}

void TForm2::Form2Alle_ComboBoxen_dBA()
{
    for (int i = 1; i <= Zeilen; ++i)
        ComboBox[size_t(i)]->setCurrentIndex(1);
}

void TForm2::Form2Alle_Buttons_sichtbar()
{
    for (int i = 1; i <= Zeilen; ++i)
        Button[size_t(i)]->setVisible(true);
}

void TForm2::Form2Alle_Buttons_einschalten()
{
    Form2Alle_Buttons_sichtbar();
    Neu1->setEnabled(true);
    Rechtsuebernehmen1->setEnabled(true);
    EinstellungenSpeichern1->setEnabled(true);
    Abbrechen2->setEnabled(true);
}

void TForm2::Form2Andere_Buttons_abschalten(int zeile)
{
    for (int i = 1; i <= Zeilen; ++i)
        Button[size_t(i)]->setVisible(i == zeile);
    Neu1->setEnabled(false);
    Rechtsuebernehmen1->setEnabled(false);
    EinstellungenSpeichern1->setEnabled(false);
    Abbrechen2->setEnabled(true);
}

void TForm2::Edit_farbe(int i, const QColor& hintergrund, const QColor& schrift)
{
    QPalette p = Edit[size_t(i)]->palette();
    p.setColor(QPalette::Base, hintergrund);
    p.setColor(QPalette::Text, schrift);
    Edit[size_t(i)]->setPalette(p);
}

void TForm2::Form2Alle_Edit_textweg()
{
    for (int i = 1; i <= 22; ++i)
        Edit[size_t(i)]->clear();
}

void TForm2::Form2Alle_Edits_aus_grau()
{
    const QPalette standard = QApplication::palette();
    for (int i = 1; i <= 22; ++i) {
        Edit[size_t(i)]->setReadOnly(true);
        if (Form2_Modus >= 1)
            Edit_farbe(i, standard.color(QPalette::Button), Qt::black);
    }
    if (Form2_Modus == 3 || Form2_Modus == 4)
        Form2Alle_ComboBoxen_nichtenabled();
}

void TForm2::Form2aktiver_Edit_einschalten(int zeile)
{
    const QColor fenster = QApplication::palette().color(QPalette::Base);
    const QColor schrift =
        Form2_Modus >= 1 ? QColor(Qt::black) : QApplication::palette().color(QPalette::Text);
    Edit_farbe(zeile, fenster, schrift);
    if (zeile == 5 && Form2_Modus >= 1)
        Edit_farbe(22, fenster, schrift);
    if (Form2_Modus == 2 || Form2_Modus == 3) {
        Edit[size_t(zeile)]->setReadOnly(false);
        if (zeile == 5 && Form2_Modus == 2)
            Edit[22]->setReadOnly(false);
    }
    if (Form2_Modus == 3)
        ComboBox[size_t(zeile)]->setEnabled(true);
}

void TForm2::Farben_Messung_Zuweisung(int ohr)
{
    for (int i = 1; i <= Zeilen; ++i)
        Zeilenfarbe_zuweisen(ohr, i);
}

void TForm2::Zeilenfarbe_zuweisen(int ohr, int zeile)
{
    const QColor c = farbe(Farben_Messung[ohr][zeile]);
    const bool gemessen = Farben_Messung[ohr][zeile] != Farbe_Buttonface;
    Edit_farbe(zeile, c, gemessen ? QColor(Qt::white) : QColor(Qt::black));
    if (Form2_Modus == 3 || Form2_Modus == 4) {
        QPalette p = ComboBox[size_t(zeile)]->palette();
        p.setColor(QPalette::Button, c);
        ComboBox[size_t(zeile)]->setPalette(p);
    }
}

void TForm2::Form2GeomEinstellungen()
{
    for (int i = 1; i <= Zeilen; ++i)
        Button[size_t(i)]->setText(tr("Start"));
    if (Form2_Modus == 3 || Form2_Modus == 4)
        Form2Alle_ComboBoxen_einschalten();
    else
        Form2Alle_ComboBoxen_ausschalten();
    static const char* const ueberschrift[5] = {
        QT_TRANSLATE_NOOP("TForm2", "Schallpegel in dB"), QT_TRANSLATE_NOOP("TForm2", "Schallpegel in dB(A)"),
        QT_TRANSLATE_NOOP("TForm2", "Spannung in mV"), QT_TRANSLATE_NOOP("TForm2", "Schallpegel"),
        QT_TRANSLATE_NOOP("TForm2", "Schallpegel")};
    const QString wert = tr(ueberschrift[std::min<int>(Form2_Modus, 4)]);
    for (QLabel* l : {StaticText24, StaticText25, StaticText26})
        l->setText(wert);
    const QColor frequenzfarbe = Form2_Modus == 0 ? Farbe_blau : Farbe_gruen;
    auto faerben = [&](QLabel* l) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, frequenzfarbe);
        l->setPalette(p);
    };
    for (int i = 1; i <= Zeilen; ++i)
        faerben(StaticText[size_t(i)]);
    for (QLabel* l : {StaticText28, StaticText29, StaticText30})
        faerben(l);
    if (Form2_Modus >= 1)
        for (int i = 1; i <= 22; ++i)
            Edit_farbe(i, Edit[size_t(i)]->palette().color(QPalette::Base), Qt::black);
}

// ---- Launchers ------------------------------------------------------------------

void TForm2::Trackbars_zeigen(bool sichtbar)
{
    for (QWidget* w : std::initializer_list<QWidget*>{TrackBar1, TrackBar2, StaticText22, StaticText32,
                                                      StaticText23, Label1, Label2, Label3})
        w->setVisible(sichtbar);
    Hoehe_anpassen();
}

void TForm2::Hoehe_anpassen()
{
    // The window takes the height of what it shows, so that no empty band
    // stays where the volume bars were.
    if (isMaximized() || isFullScreen())
        return;
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), sizeHint().height());
}
