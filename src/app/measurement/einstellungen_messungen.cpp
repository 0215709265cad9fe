#include "app/measurement/einstellungen_messungen.h"

#include "app/measurement/aufnahme.h"
#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/shell/fensterwechsel.h"
#include "app/shell/menue.h"
#include "app/shell/unit1.h"
#include "app/results/verlauf_unit.h"
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/settings/frequenzgang.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/prioritaet.h"
#include "core/shell/uhr.h"
#include "core/tones/kvwave.h"
#include "platform/audio/abspieler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

uint8_t Form2_Modus = 0;
uint8_t Ohr_links = 1;
int aktive_Zeile = 0;
bool Form2_schliesst = true;
bool Ergebnisse_uebernommen = false;
bool Ton_gestoppt = true;
bool Ton_wiederholen = false;

TForm2* Form2 = nullptr;

namespace
{

const QColor Farbe_blau(0, 0, 255);
const QColor Farbe_gruen(0, 128, 0);

QColor farbe(int32_t wert)
{
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

bool links()
{
    return Ohr_links == 1;
}
int ohr_index()
{
    return links() ? 0 : 1;
}

// Whether the tone of the active row really started playing; a row whose
// tone never played yields no hearing threshold.
bool ton_lief = false;

} // namespace

TForm2::TForm2(QWidget* parent) : QMainWindow(parent)
{
    Form2 = this;
    Fenster.Form2 = this;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Einstellungen Links: Anfangslautstärke übernehmen"));
    Geometrie_Einstellungen();
    for (int i = 1; i <= 22; ++i)
        Edit[size_t(i)]->installEventFilter(this);
    Ton_gestoppt = true;
    wechsel_ = new Fensterwechsel(this, [this] { FormDeactivate(); });
}

TForm2::~TForm2()
{
    if (player_) {
        player_->stoppen();
        player_->schliessen();
    }
    if (Form2 == this)
        Form2 = nullptr;
    if (Fenster.Form2 == this)
        Fenster.Form2 = nullptr;
}

void TForm2::Abspieler_setzen(Abspieler* a)
{
    if (player_)
        disconnect(player_, nullptr, this, nullptr);
    player_ = a;
    if (player_)
        connect(player_, &Abspieler::Ende, this, &TForm2::MediaPlayer1Notify);
}

void TForm2::Geometrie_Einstellungen()
{
    auto* menue = menuBar();
    menue->setNativeMenuBar(false);
    auto aktion = [&](const QString& text, const char* name, void (TForm2::*handler)()) {
        return Menuepunkt(menue, text, name, this, handler);
    };
    Neu1 = aktion(QStringLiteral("Neu"), "Neu1", &TForm2::Neu1Click);
    Rechtsuebernehmen1 = aktion(QStringLiteral("Von rechts übertragen"), "Rechtsuebernehmen1",
                                &TForm2::Rechtsuebernehmen1Click);
    EinstellungenSpeichern1 =
        aktion(QStringLiteral("Speichern"), "EinstellungenSpeichern1", &TForm2::EinstellungenSpeichern1Click);
    Abbrechen2 = aktion(QStringLiteral("Abbrechen"), "Abbrechen2", &TForm2::Abbrechen2Click);
    StartKalibrierung1 =
        aktion(QStringLiteral("Start Kalibrierung"), "StartKalibrierung1", &TForm2::StartKalibrierung1Click);

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
    StaticText31 = beschriftung(QStringLiteral("Schallpegel in dB(A)"), "StaticText31");
    StaticText31->setAlignment(Qt::AlignCenter);
    StaticText28 = beschriftung(QStringLiteral("Frequenz"), "StaticText28");
    StaticText29 = beschriftung(QStringLiteral("Frequenz"), "StaticText29");
    StaticText30 = beschriftung(QStringLiteral("Frequenz"), "StaticText30");
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

            auto* b = new QPushButton(QStringLiteral("Start"), mitte);
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
    StaticText23 = beschriftung(QStringLiteral("Anfangslautstärke Grobeinstellung"), "StaticText23");
    Label1 = beschriftung(QStringLiteral("Anfangslautstärke Feineinstellung"), "Label1");
    StaticText22 = beschriftung(QStringLiteral("Minimum"), "StaticText22");
    StaticText32 = beschriftung(QStringLiteral("Maximum"), "StaticText32");
    Label2 = beschriftung(QStringLiteral("Minimum"), "Label2");
    Label3 = beschriftung(QStringLiteral("Maximum"), "Label3");
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

    setCentralWidget(mitte);

    panel0_ = new QLabel(QStringLiteral("Bereit"), this);
    panel0_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    panel0_->setMinimumWidth(100);
    panel1_ = new QLabel(QStringLiteral(" "), this);
    panel1_->setObjectName(QStringLiteral("StatusBar1Panel1"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(panel0_);
    statusBar()->addWidget(panel1_, 1);
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

// ---- Settings -> window -------------------------------------------------------

void TForm2::Einstellungen_in_Form2_schreiben()
{
    const int s = Kalibrierart();
    const int e = ohr_index();
    if (Form2_Modus >= 1) {
        for (int i = 1; i <= Zeilen; ++i)
            Edit[size_t(i)]->setText(Spannung_string(Einstellungen, s, e, i).text());
        if (Form2_Modus == 2)
            Edit[22]->setText(links() ? Einstellungen.db_1000Hz_l_string.text()
                                      : Einstellungen.db_1000Hz_r_string.text());
        // A stored unit other than dB, dB(A) or dB(C) (the level taken as it
        // stands) leaves the box empty; it stays stored unless the user picks
        // a unit (Einstellungen_uebernehmen).
        if (Form2_Modus == 3 || Form2_Modus == 4)
            for (int i = 1; i <= Zeilen; ++i) {
                const int32_t einheit = Einstellungen.Schallmesser[size_t(e)][size_t(i - 1)];
                ComboBox[size_t(i)]->setCurrentIndex(einheit >= 0 && einheit <= 2 ? einheit : -1);
            }
    } else {
        Form2Alle_Edit_textweg();
        for (int i = 1; i <= Zeilen; ++i) {
            const long double L = Pa_in_dB(Hoertest_Druck[size_t(Druck_index(links(), i))]);
            if (L > -100.0L)
                Edit[size_t(i)]->setText(extendedzustring(12, 1, L));
        }
    }
    for (int i = 1; i <= Zeilen; ++i)
        StaticText[size_t(i)]->setText(Einstellungen.Frequenzen_string[size_t(i - 1)].text() +
                                       QStringLiteral(" Hz"));
    if (Form2_Modus == 4)
        Form2Alle_ComboBoxen_nichtenabled();
}

void TForm2::StatusBar_Text()
{
    const QString P = Einstellungen.pulsierend
                          ? QStringLiteral("Pulsierender Ton (Amplitudenmodulation mit ") +
                                QStringLiteral("4") + QStringLiteral(" Hz), ")
                          : QStringLiteral("Nicht pulsierend, ");
    const QString A = Einstellungen.zunehmend ? QStringLiteral("Amplitude exponentiell zunehmend")
                                              : QStringLiteral("Amplitude exponentiell abnehmend");
    Panel1(QStringLiteral("Einstellungen: ") + P + A);
}

void TForm2::Form2_Messung_neu()
{
    Druck_string_null(links());
    Farben_Messung_grau(links() ? 1 : 2);
    Farben_Messung_Zuweisung(links() ? 1 : 2);
}

void TForm2::Form2GeomEinstellungen()
{
    for (int i = 1; i <= Zeilen; ++i)
        Button[size_t(i)]->setText(QStringLiteral("Start"));
    if (Form2_Modus == 3 || Form2_Modus == 4)
        Form2Alle_ComboBoxen_einschalten();
    else
        Form2Alle_ComboBoxen_ausschalten();
    static const char* ueberschrift[5] = {"Schallpegel in dB", "Schallpegel in dB(A)", "Spannung in mV",
                                          "Schallpegel", "Schallpegel"};
    const QString wert = QString::fromUtf8(ueberschrift[std::min<int>(Form2_Modus, 4)]);
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

void TForm2::Launcher_Modi_1_bis_4(uint8_t ohr)
{
    const bool l = ohr == 1;
    if (Fenster.Form3)
        Fenster.Form3->hide();
    Neu1->setEnabled(false);
    Neu1->setVisible(false);
    const bool auto_modus = Form2_Modus == 4;
    Rechtsuebernehmen1->setEnabled(!auto_modus);
    Rechtsuebernehmen1->setVisible(!auto_modus);
    StartKalibrierung1->setEnabled(auto_modus);
    StartKalibrierung1->setVisible(auto_modus);
    Panel0(QStringLiteral("Bereit"));
    Panel1(QStringLiteral(" "));
    Form2Alle_Buttons_sichtbar();
    if (Form2_Modus != 2)
        EinstellungenSpeichern1->setText(QStringLiteral("Speichern"));
    const QString kanal = l ? QStringLiteral("Linker Kanal: ") : QStringLiteral("Rechter Kanal: ");
    switch (Form2_Modus) {
    case 1:
        setWindowTitle(kanal + QStringLiteral("Anfangs- bzw. Endlautstärke"));
        break;
    case 2:
        setWindowTitle(kanal + QStringLiteral("Kalibrierung über Mikrofonspannung"));
        break;
    case 3:
        setWindowTitle(kanal + QStringLiteral("Manuelle Kalibrierung"));
        break;
    default:
        setWindowTitle(kanal + QStringLiteral("Automatische Kalibrierung"));
        break;
    }
    if (!auto_modus)
        Rechtsuebernehmen1->setText(l ? QStringLiteral("Von rechts übernehmen")
                                      : QStringLiteral("Von links übernehmen"));
    aktive_Zeile = 0;
    TrackBar1->setEnabled(!auto_modus);
    TrackBar2->setEnabled(!auto_modus);
    TrackBar1->setVisible(auto_modus);
    TrackBar2->setVisible(auto_modus);
    for (QWidget* w : std::initializer_list<QWidget*>{StaticText22, StaticText32, Label2, Label3})
        w->setVisible(false);
    StaticText23->setVisible(auto_modus);
    Label1->setVisible(auto_modus);
    if (auto_modus)
        for (int i = 1; i <= Zeilen; ++i)
            Button[size_t(i)]->setVisible(false);
    trackbar_setzt_ = true; // the positions stand for 310 and are no row's volume
    TrackBar1->setValue(300);
    TrackBar2->setValue(1);
    trackbar_setzt_ = false;
    const int v = Lautstaerkegruppe();
    Lautstaerke_links[v][0] = auto_modus ? 300 : 310;
    Lautstaerke_rechts[v][0] = auto_modus ? 300 : 310;
    Einstellungen_von_Festplatte_holen();
    Form2GeomEinstellungen();
    Einstellungen_in_Form2_schreiben();
    Form2Alle_Edits_aus_grau();
    StaticText23->setText(QStringLiteral("Lautstärke Grobeinstellung"));
    Label1->setText(QStringLiteral("Lautstärke Feineinstellung"));
    StaticText31->setVisible(Form2_Modus == 2);
    Edit[22]->setVisible(Form2_Modus == 2);
    if (auto_modus)
        EinstellungenSpeichern1->setEnabled(false);
    Hoehe_anpassen();
}

void TForm2::Form2_erscheint_Einstellungen(uint8_t ohr)
{
    Launcher_Modi_1_bis_4(ohr);
}
void TForm2::Form2_erscheint_Spannung(uint8_t ohr)
{
    Launcher_Modi_1_bis_4(ohr);
}
void TForm2::Form2_erscheint_Schallpegel(uint8_t ohr)
{
    Launcher_Modi_1_bis_4(ohr);
}
void TForm2::Form2_erscheint_Auto1(uint8_t ohr)
{
    Launcher_Modi_1_bis_4(ohr);
}

void TForm2::Form2_erscheint_Messungen(uint8_t ohr)
{
    Form2Alle_Edits_aus_grau();
    Form2Alle_Buttons_einschalten();
    Panel0(QStringLiteral("Bereit"));
    StatusBar_Text();
    if (Fenster.Form3)
        Fenster.Form3->hide();
    Neu1->setEnabled(true);
    Neu1->setVisible(true);
    Rechtsuebernehmen1->setEnabled(false);
    Rechtsuebernehmen1->setVisible(false);
    StartKalibrierung1->setEnabled(false);
    StartKalibrierung1->setVisible(false);
    EinstellungenSpeichern1->setText(QStringLiteral("Übernehmen"));
    setWindowTitle(ohr == 1 ? QStringLiteral("Hörschwelle: Linkes Ohr")
                            : QStringLiteral("Hörschwelle: Rechtes Ohr"));
    Einstellungen_von_Festplatte_holen();
    Form2GeomEinstellungen();
    if (Einstellungen.Freq_geaendert)
        Form2_Messung_neu();
    Einstellungen_in_Form2_schreiben();
    TrackBar1->setVisible(false);
    TrackBar2->setVisible(false);
    TrackBar1->setEnabled(false);
    TrackBar2->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{StaticText22, StaticText32, StaticText23, Label1,
                                                      Label2, Label3, StaticText31, Edit[22]})
        w->setVisible(false);
    Farben_Messung_Zuweisung(ohr == 1 ? 1 : 2);
    Hoehe_anpassen();
}

// ---- Menu -------------------------------------------------------------------------

void TForm2::Neu1Click()
{
    Form2_Messung_neu();
    Einstellungen_in_Form2_schreiben();
}

void TForm2::Rechtsuebernehmen1Click()
{
    if (Form2_Modus < 1 || Form2_Modus > 3)
        return;
    Ohr_uebernehmen(Einstellungen, Form2_Modus, links(), Lautstaerke_links, Lautstaerke_rechts);
    Einstellungen_in_Form2_schreiben();
}

void TForm2::EinstellungenSpeichern1Click()
{
    if (Form2_Modus == 0) {
        sound_beenden();
        Ergebnisse_uebernommen = true;
        close();
        // Closing has stored a still running row; the ear's results now go
        // into the history. A failure there is reported and changes nothing.
        Test_in_Verlauf_speichern(links());
        return;
    }
    const auto pfad = Einstellungsdatei_waehlen(Endungsregel::erzwingen);
    if (!pfad)
        return;
    Einstellungen_uebernehmen(Einstellungen, links());
    string_zu_Dateiname1_6(*pfad);
    Einstellungen_speichern_Festplatte();
    sound_beenden();
    close();
}

// ---- Level entry ---------------------------------------------------------------------

void TForm2::Einstellungen_uebernehmen(Einstellungstyp& e, bool l)
{
    Messfenster_Eingaben ein;
    ein.modus = Form2_Modus;
    ein.links = l;
    for (int i = 1; i <= Zeilen; ++i) {
        ein.werte[size_t(i - 1)] = Edit[size_t(i)]->text();
        const int einheit = ComboBox[size_t(i)]->currentIndex();
        ein.einheiten[size_t(i - 1)] = einheit >= 0 ? einheit : e.Schallmesser[l ? 0 : 1][size_t(i - 1)];
    }
    ein.pegel_1000 = Edit[22]->text();
    const int v = ::Lautstaerkegruppe(Form2_Modus);
    Messfenster_in_Einstellungen(e, ein, l ? Lautstaerke_links[v] : Lautstaerke_rechts[v]);
    Form2_Messung_neu();
}

bool TForm2::FalscheZahleneingabe(QLineEdit* edit)
{
    if (!edit || Form2_Modus < 1 || Form2_Modus > 3 || Zahleingabe_richtig(edit->text()))
        return false;
    eingabemeldung_offen_ = true;
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Zahl_Eingabefehler,
                      QStringLiteral("Eingabefehler"), Antwort::Ok);
    eingabemeldung_offen_ = false;
    edit->setFocus();
    return true;
}

bool TForm2::FalscheDezibeleingabe(QLineEdit* edit)
{
    if (!edit || Dezibeleingabe_richtig(edit->text()))
        return false;
    eingabemeldung_offen_ = true;
    dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Dezibel_Eingabefehler,
                      QStringLiteral("Eingabefehler"), Antwort::Ok);
    eingabemeldung_offen_ = false;
    edit->setFocus();
    return true;
}

void TForm2::EditExit(int i)
{
    if (i == 22)
        FalscheDezibeleingabe(Edit[22]);
    else if (i >= 1 && i <= Zeilen)
        FalscheZahleneingabe(Edit[size_t(i)]);
}

bool TForm2::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusOut && !eingabemeldung_offen_ && isVisible()) {
        // Leaving an edit inside the window; a message box or another window
        // taking the focus is no exit.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            for (int i = 1; i <= 22; ++i) {
                if (o == Edit[size_t(i)]) {
                    EditExit(i);
                    break;
                }
            }
        }
    }
    return QMainWindow::eventFilter(o, e);
}

void TForm2::Abbrechen2Click()
{
    if (Form2_Modus == 0) {
        Ergebnisse_uebernommen = false;
        close();
        return;
    }
    sound_beenden();
    close();
    Einstellungen_von_Festplatte_holen();
}

void TForm2::StartKalibrierung1Click()
{
    if (Form2_Modus == 4 && !Automatik.Auto_laeuft)
        Auto1_start();
}

// ---- Automatic calibration ------------------------------------------------------

void TForm2::Auto1_start()
{
    ++auto_lauf_;
    Prozessprioritaet_hoch();
    for (QWidget* w :
         std::initializer_list<QWidget*>{StaticText22, StaticText32, StaticText23, Label1, Label2, Label3})
        w->setVisible(true);
    Hoehe_anpassen();
    Form2Alle_Edit_textweg();
    Form2Alle_Edits_aus_grau();
    EinstellungenSpeichern1->setEnabled(false);
    StartKalibrierung1->setEnabled(false);
    Edit_farbe(5, QApplication::palette().color(QPalette::Base), Qt::black);
    Edit[5]->setFocus();
    Form2Alle_ComboBoxen_dBA();
    const Auto_Aktionen a = Automatik.Auto1_start(Einstellungen.Frequenzen, FFT_Tabellen.Frequenzachse);
    Panel0(QStringLiteral("Aktiv"));
    Panel1(QStringLiteral("Automatische Kalibrierung: ") +
           QString::number(Automatik.Frequenz(Auto_erste_Zeile), 'f', 0) + QStringLiteral(" Hz"));
    aktive_Zeile = Auto_erste_Zeile;
    Auto_Aktionen_ausfuehren(a);
}

void TForm2::Auto1_eineFrequenz(const Messergebnis& m)
{
    if (Form2_Modus != 4 || !Automatik.Auto_laeuft)
        return;
    Auto_Aktionen_ausfuehren(Automatik.Auto1_eineFrequenz(m));
}

void TForm2::Auto_Aktionen_ausfuehren(const Auto_Aktionen& aktionen)
{
    using Art = Auto_Aktion::Art;
    const int lauf = auto_lauf_;
    // Closing the window (or a new run started meanwhile) ends this one.
    const auto vorbei = [&] { return !Automatik.Auto_laeuft || lauf != auto_lauf_; };
    for (const Auto_Aktion& x : aktionen) {
        if (x.art != Art::Fehlgeschlagen && vorbei()) {
            if (lauf == auto_lauf_) {
                Stop_Taste_druecken();
                sound_beenden();
            }
            return;
        }
        switch (x.art) {
        case Art::Lautstaerke:
            Lautstaerke_in_Trackbar(uint32_t(x.wert));
            break;
        case Art::Pause:
            uhr().pause(x.wert);
            break;
        case Art::Ton_starten:
            Ton_auto(links(), Auto_Tondauer, true, float(x.frequenz));
            if (vorbei())
                break;
            if (Ton_gestoppt) {
                // Not played: the user has been told why (file or output device).
                Auto1_abbrechen(false);
                return;
            }
            if (!warten_bis_ton_erklingt()) {
                if (!vorbei())
                    Auto1_abbrechen(true);
                return;
            }
            break;
        case Art::Ton_beenden:
            sound_beenden();
            break;
        case Art::Zeile_Ergebnis:
            Ausgabe_dBA_auto(x.wert, x.pegel, x.ungenau, x.dBA);
            break;
        case Art::Neue_Zeile:
            aktive_Zeile = x.wert;
            Panel0(QStringLiteral("Aktiv"));
            Panel1(QStringLiteral("Automatische Kalibrierung: ") +
                   QString::number(Automatik.Frequenz(x.wert), 'f', 0) + QStringLiteral(" Hz"));
            Lautstaerke_in_Trackbar(uint32_t(Auto_Startlautstaerke));
            Farbe_und_Fokus_start(x.wert);
            break;
        case Art::Messen:
            if (Form1)
                Form1->Timer3->start();
            break;
        case Art::Fertig:
            Automatik.abbrechen();
            Prozessprioritaet_normal();
            if (x.ungenau)
                Informations_ausgabe(
                    QStringLiteral(
                        "Die gelb unterlegten Frequenzen konnten nicht genau kalibriert werden. Ist der "
                        "Windows-Lautstärkeregler voll aufgedreht? Fall dies nicht der Fall ist, könnten "
                        "Sie durch Aufdrehen des Lautstärkereglers und anschließender Wiederholung der "
                        "Kalibrierung eventuell eine Verbesserung erreichen. Die Ergebnisse der "
                        "Kalibrierung können nun gespeichert werden."),
                    QStringLiteral("Information"));
            else
                Informations_ausgabe(
                    QStringLiteral("Die Kalibrierung wurde erfolgreich abgeschlolssen. Die Daten "
                                   "können nun gespeichert werden."),
                    QStringLiteral("Erfolgsmeldung"));
            EinstellungenSpeichern1->setEnabled(true);
            StartKalibrierung1->setEnabled(true);
            Panel0(QStringLiteral("Bereit"));
            Panel1(QStringLiteral("Die Ergebnisse der Kalibrierung können nun abgespeichert werden."));
            return;
        case Art::Fehlgeschlagen:
            Automatik.abbrechen();
            Stop_Taste_druecken();
            sound_beenden();
            Prozessprioritaet_normal();
            Fehler_ausgabe(
                QStringLiteral("Das Mikrofon oder der Kopfhörer sind nicht richtig eingesteckt oder der "
                               "Lautstärke- oder Empfindlichkeitsregler ist nicht ganz aufgedreht. Bitte "
                               "beheben Sie den Fehler und führen Sie danach die Kalibrierung erneut "
                               "durch."),
                QStringLiteral("Fehler"));
            Auto1_Leerlauf();
            return;
        }
    }
}

void TForm2::Auto1_abbrechen(bool ton_fehlt)
{
    Automatik.abbrechen();
    Stop_Taste_druecken();
    sound_beenden();
    Prozessprioritaet_normal();
    if (ton_fehlt)
        dialoge().meldung(Symbol::Information, Knoepfe::OkAbbrechen,
                          QStringLiteral("Bitte schließen Sie einen Kopfhörer an."),
                          QStringLiteral("Hinweis"), Antwort::Ok);
    Auto1_Leerlauf();
}

void TForm2::Auto1_Leerlauf()
{
    EinstellungenSpeichern1->setEnabled(false);
    StartKalibrierung1->setEnabled(true);
    Panel0(QStringLiteral("Bereit"));
    Panel1(QStringLiteral(" "));
    Einstellungen_in_Form2_schreiben();
    Form2Alle_Edits_aus_grau();
}

bool TForm2::warten_bis_ton_erklingt()
{
    // Without an end of its own the wait could last for ever when no sound
    // comes: after 2 s the tone counts as not playable.
    constexpr double Hoechstens_ms = 2000.0;
    const double beginn = uhr().jetzt_ms();
    while (ZeitMediaplayer_s() <= 0.0) {
        if (!Automatik.Auto_laeuft || Ton_gestoppt || uhr().jetzt_ms() - beginn > Hoechstens_ms)
            return false;
        uhr().pause(1);
    }
    return true;
}

void TForm2::Ausgabe_dBA_auto(int zeile, double pegel, bool ungenau, bool dBA)
{
    if (zeile < 1 || zeile > Zeilen)
        return;
    Edit[size_t(zeile)]->setText(extendedzustring(4, 1, pegel));
    Edit_farbe(zeile, ungenau ? farbe(0x00FFFF) : farbe(0xC0DCC0), Qt::black);
    ComboBox[size_t(zeile)]->setCurrentIndex(dBA ? 1 : 0);
}

void TForm2::Farbe_und_Fokus_start(int zeile)
{
    if (zeile < 1 || zeile > Zeilen)
        return;
    Edit_farbe(zeile, QApplication::palette().color(QPalette::Base), Qt::black);
    Edit[size_t(zeile)]->setFocus();
}

// ---- Rows ---------------------------------------------------------------------------

void TForm2::ButtonClick(int zeile)
{
    DrueckeButton_Einstellungen(zeile);
}

void TForm2::DrueckeButton_Einstellungen(int zeile)
{
    if (zeile < 1 || zeile > Zeilen)
        return;
    const bool l = links();
    const int v = Lautstaerkegruppe();
    if (zeile == aktive_Zeile) {
        if (Form2_Modus == 0) {
            if (ton_lief) {
                const double t = ZeitMediaplayer_s();
                Hoertest_Druck_berechnen(l, zeile, t, Hoertest_Druck, Hoertest_Druck_string);
                // A press after the end gives only a bound of the threshold.
                Hoertest_nach_Tonende[size_t(Druck_index(l, zeile))] =
                    Tonende_bei(t, Einstellungen.zunehmend != 0);
                Druck_ausgeben(l, zeile);
            } else {
                // Nothing measured: the row shows its stored result's colour again.
                Zeilenfarbe_zuweisen(l ? 1 : 2, zeile);
            }
            Panel0(QStringLiteral("Bereit"));
            StatusBar_Text();
        }
        Button[size_t(zeile)]->setText(QStringLiteral("Start"));
        aktive_Zeile = 0;
        ton_lief = false;
        sound_beenden();
        Form2Alle_Buttons_einschalten();
        if (Form2_Modus >= 1) {
            Trackbars_zeigen(false);
            if (Form2_Modus == 1)
                Eine_Spannung_ausgeben(l, zeile);
            Form2Alle_Edits_aus_grau();
            Panel0(QStringLiteral("Bereit"));
            Panel1(QStringLiteral(" "));
        }
        return;
    }
    if (aktive_Zeile != 0)
        return; // another row is running; its button is the only one shown
    Button[size_t(zeile)]->setText(QStringLiteral("Stopp"));
    aktive_Zeile = zeile;
    ton_lief = false;
    Form2Andere_Buttons_abschalten(zeile);
    const float f = float(Frequenz(zeile));
    if (Form2_Modus == 0) {
        Edit_farbe(zeile, QApplication::palette().color(QPalette::Base),
                   QApplication::palette().color(QPalette::Text));
        if (l)
            SetWaveVolume(uint16_t(std::min<uint32_t>(Links_Volume(Einstellungen, 3, zeile), 65535)), 0);
        else
            SetWaveVolume(0, uint16_t(std::min<uint32_t>(Rechts_Volume(Einstellungen, 3, zeile), 65535)));
        Panel1(QStringLiteral("Ton wird erzeugt. Bitte warten."));
        Panel0(QStringLiteral("Aktiv"));
        Ton_abnehmend(l, zeile, f);
        if (aktive_Zeile == zeile)
            StatusBar_Text();
        return;
    }
    Trackbars_zeigen(true);
    Form2aktiver_Edit_einschalten(zeile);
    Panel1(QStringLiteral("Ton wird erzeugt. Bitte warten."));
    Lautstaerke_in_Trackbar(l ? Lautstaerke_links[v][zeile] : Lautstaerke_rechts[v][zeile]);
    Panel0(QStringLiteral("Aktiv"));
    Ton_konstant(l, 3000, f);
    if (aktive_Zeile != zeile)
        return;
    switch (Form2_Modus) {
    case 1:
        Panel1(QStringLiteral("Lautstärke einstellen"));
        break;
    case 2:
        Panel1(zeile == 5 ? QStringLiteral(
                                "Lautstärke einstellen, Mikrofonspannung und Schallpegel messen und eingeben")
                          : QStringLiteral("Lautstärke einstellen, Mikrofonspannung messen und eingeben"));
        break;
    default:
        Panel1(QStringLiteral("Lautstärke einstellen, Schalldruckpegel messen und eingeben"));
        break;
    }
    if (Form2_Modus >= 2)
        Edit[size_t(zeile)]->setFocus();
}

// ---- Playback ----------------------------------------------------------------------

void TForm2::Ton_abnehmend(bool l, int zeile, float frequenz)
{
    bool vorhanden = false;
    bool fehler = false;
    Verzeichnis_anlegen(Wave_ordner(), vorhanden, fehler);
    if (fehler) {
        Fehler_bei_abspeichern();
        return;
    }
    QString datei_l;
    QString datei_r;
    bool neu = false;
    if (Einstellungen.wave_immer_neu) {
        datei_l = Wave_ordner() + QStringLiteral("/Ton_l.wav");
        datei_r = Wave_ordner() + QStringLiteral("/Ton_r.wav");
        Mediaplayer_Datei_freigeben(datei_l);
        Mediaplayer_Datei_freigeben(datei_r);
        neu = true;
    } else {
        datei_l = Tondatei_links(zeile);
        datei_r = Tondatei_rechts(zeile);
        Mediaplayer_schliessen();
    }
    Tondauer_hundertstel = Einstellungen.zunehmend ? 1500 : 3000;
    if (!erzeuge_wave_stereo_l_r(Einstellungen.zunehmend, Einstellungen.pulsierend,
                                 uint32_t(Tondauer_hundertstel), frequenz, datei_l, datei_r, false, neu)) {
        Fehler_bei_abspeichern();
        return;
    }
    Ton_wiederholen = false;
    abspielen(l ? datei_l : datei_r);
}

void TForm2::Ton_konstant(bool l, uint32_t N, float frequenz)
{
    Konstanten_Ton_spielen(l, N, true, frequenz, true);
}

void TForm2::Ton_auto(bool l, uint32_t N, bool neu, float frequenz)
{
    Konstanten_Ton_spielen(l, N, neu, frequenz, false);
}

void TForm2::Konstanten_Ton_spielen(bool l, uint32_t N, bool neu, float frequenz, bool wiederholen)
{
    bool vorhanden = false;
    bool fehler = false;
    Verzeichnis_anlegen(Wave_ordner(), vorhanden, fehler);
    if (fehler) {
        Fehler_bei_abspeichern();
        return;
    }
    const QString datei_l = Wave_ordner() + QStringLiteral("/Ton_l.wav");
    const QString datei_r = Wave_ordner() + QStringLiteral("/Ton_r.wav");
    Mediaplayer_Datei_freigeben(datei_l);
    Mediaplayer_Datei_freigeben(datei_r);
    // A file that cannot be written is reported only through a missing file.
    erzeuge_wave_stereo_konstant_l_r(N, datei_l, datei_r, frequenz, neu);
    // The constant tone of modes 1..3 repeats without a gap until stopped.
    Ton_wiederholen = wiederholen;
    abspielen(l ? datei_l : datei_r);
}

void TForm2::abspielen(const QString& datei)
{
    if (!Datei_existiert(datei)) {
        Fehler_ausgabe(QStringLiteral("Datei nicht vorhanden"), QStringLiteral("Problem"));
        return;
    }
    const bool ok = player_ && player_->oeffnen(datei) &&
                    (player_->wiederholen_setzen(Ton_wiederholen),
                     player_->benachrichtigen_setzen(Form2_Modus >= 1), player_->abspielen());
    if (ok) {
        Ton_gestoppt = false;
        ton_lief = true;
        return;
    }
    // No output device: the user is told, the row goes back to "Start" and
    // every result measured so far stays.
    Ton_gestoppt = true;
    if (player_)
        player_->schliessen();
    dialoge().meldung(Symbol::Information, Knoepfe::OkAbbrechen,
                      QStringLiteral("Bitte schließen Sie einen Kopfhörer an."), QStringLiteral("Hinweis"),
                      Antwort::Ok);
    if (Form2_Modus == 4)
        return; // the automatic calibration ends its run itself
    const int zeile = aktive_Zeile;
    if (zeile >= 1 && zeile <= Zeilen) {
        Button[size_t(zeile)]->setText(QStringLiteral("Start"));
        aktive_Zeile = 0;
        ton_lief = false;
        Form2Alle_Buttons_einschalten();
        if (Form2_Modus >= 1) {
            Trackbars_zeigen(false);
            Form2Alle_Edits_aus_grau();
            Panel1(QStringLiteral(" "));
        } else {
            Zeilenfarbe_zuweisen(links() ? 1 : 2, zeile);
            StatusBar_Text();
        }
        Panel0(QStringLiteral("Bereit"));
    }
}

void TForm2::sound_beenden()
{
    if (!Ton_gestoppt) {
        Ton_gestoppt = true;
        if (player_)
            player_->stoppen();
    }
}

void TForm2::Mediaplayer_schliessen()
{
    if (player_ && !player_->datei().isEmpty())
        player_->schliessen();
}

void TForm2::Mediaplayer_Datei_freigeben(const QString& datei)
{
    if (player_ && player_->datei() == datei)
        Mediaplayer_schliessen();
}

double TForm2::ZeitMediaplayer_s() const
{
    return player_ ? player_->position_ms() / 1000.0 : 0.0;
}

void TForm2::MediaPlayer1Notify()
{
    if (!Ton_gestoppt && Ton_wiederholen && player_) {
        player_->benachrichtigen_setzen(true);
        player_->abspielen();
    }
}

void TForm2::Druck_ausgeben(bool l, int zeile)
{
    const int ohr = l ? 1 : 2;
    Farben_Messung[ohr][zeile] = l ? Farbe_links_gemessen : Farbe_rechts_gemessen;
    Edit_farbe(zeile, farbe(Farben_Messung[ohr][zeile]), Qt::white);
    Edit[size_t(zeile)]->setText(
        extendedzustring(12, 1, Pa_in_dB(Hoertest_Druck[size_t(Druck_index(l, zeile))])));
}

void TForm2::Hoertest_Form2AbbrechenClick()
{
    sound_beenden();
    Druck_string_null(links());
    Farben_Messung_grau(links() ? 1 : 2);
}

// ---- Volume --------------------------------------------------------------------------

void TForm2::TrackBar1Change()
{
    Trackbar_geaendert();
}
void TForm2::TrackBar2Change()
{
    Trackbar_geaendert();
}

void TForm2::Trackbar_geaendert()
{
    if (trackbar_setzt_)
        return;
    const uint32_t lautstaerke = uint32_t(TrackBar1->value() + 10 * TrackBar2->value());
    const int v = Lautstaerkegruppe();
    if (links()) {
        Lautstaerke_links[v][aktive_Zeile] = lautstaerke;
        SetWaveVolume(uint16_t(std::min<uint32_t>(lautstaerke, 65535)), 0);
    } else {
        Lautstaerke_rechts[v][aktive_Zeile] = lautstaerke;
        SetWaveVolume(0, uint16_t(std::min<uint32_t>(lautstaerke, 65535)));
    }
    if (Form2_Modus == 1 && aktive_Zeile != 0)
        Eine_Spannung_ausgeben(links(), aktive_Zeile);
}

void TForm2::Lautstaerke_in_Trackbar(uint32_t V)
{
    const uint32_t h = uint32_t(TrackBar1->maximum() / 2);
    const uint32_t grob_max = uint32_t(TrackBar2->maximum());
    int fein = 0;
    int grob = 0;
    if (V <= h) {
        fein = int(V);
        grob = 0;
    } else if (V > 10 * grob_max) {
        grob = int(grob_max);
        fein = int(V - 10 * grob_max);
    } else {
        fein = int(h);
        grob = int((V - h) / 10);
    }
    // Both bars are set first, then the volume they stand for is applied once.
    trackbar_setzt_ = true;
    TrackBar2->setValue(grob);
    TrackBar1->setValue(std::max(fein, TrackBar1->minimum()));
    trackbar_setzt_ = false;
    Trackbar_geaendert();
}

void TForm2::Eine_Spannung_ausgeben(bool l, int zeile)
{
    QString text;
    Eine_Messung_in_Anfangslautstaerke(zeile, l, l ? Lautstaerke_links[3] : Lautstaerke_rechts[3],
                                       Einstellungen, text);
    Edit[size_t(zeile)]->setText(text);
}

// ---- Life cycle ----------------------------------------------------------------------

void TForm2::showEvent(QShowEvent* e)
{
    // Only a show by the program starts a new session of the window; the show
    // that restores it from the task bar leaves a running tone as it is, so
    // that "Stopp" still stops it.
    if (!e->spontaneous()) {
        Ton_gestoppt = true;
        kvPlayer_unsichtbar();
        Form2_schliesst = false;
        Ergebnisse_uebernommen = false;
        wechsel_->zuruecksetzen();
    }
    QMainWindow::showEvent(e);
}

void TForm2::closeEvent(QCloseEvent* e)
{
    if (Form2_schliesst && !isVisible()) {
        e->accept();
        return;
    }
    Automatik.abbrechen();
    Stop_Taste_druecken();
    sound_beenden();
    Form2_schliesst = true;
    Prozessprioritaet_normal();
    if (Form1)
        Form1->einschalten_Menu_Form1();
    if (Form2_Modus <= 3 && aktive_Zeile != 0) {
        // The running row is stopped as if its button were pressed; in the
        // hearing test this stores its result first.
        DrueckeButton_Einstellungen(aktive_Zeile);
    }
    Mediaplayer_schliessen();
    if (!Ergebnisse_uebernommen)
        Hoertest_Form2AbbrechenClick();
    Form2Alle_ComboBoxen_enabled();
    e->accept();
}

void TForm2::FormDeactivate()
{
    if (Form2_schliesst || frage_offen_)
        return;
    QString frage;
    if (Form2_Modus == 0)
        frage = QStringLiteral("Soll der Vazozez abgebrochen werden?");
    else if (Form2_Modus == 1)
        frage = QStringLiteral("Soll die Lautstärkeeinstellung abgebrochen werden?");
    else
        frage = QStringLiteral("Soll die Kalibrierung abgebrochen werden?");
    frage_offen_ = true;
    const Antwort a =
        dialoge().meldung(Symbol::Frage, Knoepfe::JaNein, frage, QStringLiteral("Frage"), Antwort::Nein);
    frage_offen_ = false;
    if (a == Antwort::Ja) {
        close();
    } else {
        raise();
        activateWindow();
    }
}
