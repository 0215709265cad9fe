#include "app/settings/optionen_unit.h"

#include "app/tones/alle_wave.h"
#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/shell/fensterwechsel.h"
#include "app/shell/menue.h"
#include "core/settings/einstellungen.h"
#include "core/settings/optionen.h"
#include "core/tones/alle_tondateien.h"
#include "core/shell/dialoge.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

TForm4* Form4 = nullptr;

namespace
{
// Modulation frequency of the pulsing tone in Hz.
const QString Modulation = QStringLiteral("4");
} // namespace

TForm4::TForm4(QWidget* parent) : QMainWindow(parent)
{
    Form4 = this;
    Fenster.Form4 = this;
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Optionen"));
    Geometrie_Einstellungen();
    wechsel_ = new Fensterwechsel(this, [this] { FormDeactivate(); });
}

TForm4::~TForm4()
{
    if (Form4 == this)
        Form4 = nullptr;
    if (Fenster.Form4 == this)
        Fenster.Form4 = nullptr;
}

void TForm4::Geometrie_Einstellungen()
{
    QMenuBar* menue = menuBar();
    menue->setNativeMenuBar(false);
    EinstellungenSpeichern1 = Menuepunkt(menue, tr("Speichern"), "EinstellungenSpeichern1", this,
                                         &TForm4::EinstellungenSpeichern1Click);
    Abbrechen1 = Menuepunkt(menue, tr("Abbrechen"), "Abbrechen1", this, &TForm4::Abbrechen1Click);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    QFont schrift(QStringLiteral("Arial"), 10);
    PageControl1->setFont(schrift);

    FreqTabSheet = new QWidget;
    FreqTabSheet->setObjectName(QStringLiteral("FreqTabSheet"));
    auto* gitter = new QGridLayout(FreqTabSheet);
    gitter->setHorizontalSpacing(6);
    for (int i = 1; i <= Zeilen; ++i) {
        const int spalte = ((i - 1) / 7) * 3;
        const int reihe = (i - 1) % 7;
        auto* f = new QLabel(QStringLiteral("f%1 =").arg(i, 2, 10, QLatin1Char('0')), FreqTabSheet);
        f->setObjectName(QStringLiteral("Label_f%1").arg(i));
        auto* e = new QLineEdit(FreqTabSheet);
        e->setObjectName(QStringLiteral("Edit%1").arg(i));
        e->installEventFilter(this);
        Edit[size_t(i)] = e;
        auto* hz = new QLabel(QStringLiteral("Hz"), FreqTabSheet);
        gitter->addWidget(f, reihe, spalte, Qt::AlignRight);
        gitter->addWidget(e, reihe, spalte + 1);
        gitter->addWidget(hz, reihe, spalte + 2);
    }

    auto seite = [&](QWidget*& s, const char* name, int oben, int unten) {
        s = new QWidget;
        s->setObjectName(QString::fromLatin1(name));
        auto* spalte = new QVBoxLayout(s);
        for (int k : {oben, unten}) {
            auto* zeile = new QHBoxLayout;
            auto* box = new QCheckBox(s);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(k));
            CheckBox[size_t(k)] = box;
            auto* memo = new QPlainTextEdit(s);
            memo->setObjectName(QStringLiteral("Memo%1").arg(k));
            memo->setReadOnly(true);
            memo->setFocusPolicy(Qt::NoFocus);
            Memo[size_t(k)] = memo;
            zeile->addWidget(box, 0, Qt::AlignTop);
            zeile->addWidget(memo, 1);
            spalte->addLayout(zeile);
        }
    };
    seite(TabSheet1, "TabSheet1", 5, 6);
    seite(PulsTonSheet, "PulsTonSheet", 3, 4);
    seite(TabSheet2, "TabSheet2", 1, 2);
    PageControl1->addTab(FreqTabSheet, tr("Frequenzen"));
    PageControl1->addTab(TabSheet1, tr("Lautstärke wachsend/fallend"));
    PageControl1->addTab(PulsTonSheet, tr("Pulsierender Ton"));
    PageControl1->addTab(TabSheet2, tr("Geschwindigkeit"));
    CheckBox[1]->setChecked(true);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int) {
        if (PageControl1->currentWidget() == FreqTabSheet && isVisible())
            Edit[1]->setFocus();
    });

    connect(CheckBox[1], &QCheckBox::clicked, this, &TForm4::CheckBox1Click);
    connect(CheckBox[2], &QCheckBox::clicked, this, &TForm4::CheckBox2Click);
    connect(CheckBox[3], &QCheckBox::clicked, this, &TForm4::CheckBox3Click);
    connect(CheckBox[4], &QCheckBox::clicked, this, &TForm4::CheckBox4Click);
    connect(CheckBox[5], &QCheckBox::clicked, this, &TForm4::CheckBox5Click);
    connect(CheckBox[6], &QCheckBox::clicked, this, &TForm4::CheckBox6Click);

    setCentralWidget(PageControl1);
    resize(620, 330);
}

void TForm4::GeoEinstellungen_Form4()
{
    Speicherbedarf_zeigen();
    //: %1 is the modulation frequency in Hz
    Memo[3]->setPlainText(
        tr("Beim Vazozez werden \"pulsierende Töne\" (schwach gedämpfte Amplitudenmodulation "
           "mit %1 Hz) verwendet, da sich diese von Hintergrundgeräuschen besser abgrenzen "
           "lassen als reine Töne. Besitzt der reine Ton die Frequenz f, dann besteht der "
           "\"pulsierende Ton\" aus der Überlagerung drei reiner Töne mit den Frequenzen "
           "             f - %1 Hz, f bzw. f + %1 Hz")
            .arg(Modulation));
    Memo[4]->setPlainText(tr("Beim Vazozez werden keine \"pulsierenden Töne\", sondern beinahe reine "
                             "Töne (schwach gedämpfte Kosinusschwingung) verwendet."));
    Memo[5]->setPlainText(tr("Ausgehend von der eingestellten Anfangslautstärke  (siehe \"Einstellungen\" "
                             "-> \"Anfangs bzw. Endlautstärke\") nimmt beim Vazozez die Amplitude "
                             "exponentiell ab. "));
    Memo[6]->setPlainText(tr("Ausgehend von Null nimmt die Amplitude beim Vazozez exponentiell zu. Die "
                             "maximal mögliche Lautstärke ist die eingestellte Endlautstärke (siehe "
                             "\"Einstellungen\" -> \"Anfangs bzw. Endlautstärke\")."));
}

void TForm4::Speicherbedarf_zeigen()
{
    // Falling tones last 30 s, rising ones 15 s: the stored set's size follows the tick.
    const bool zunehmend = !CheckBox[5]->isChecked();
    //: %1 is a size such as "ca. 233 MB"
    Memo[1]->setPlainText(
        tr("Keine zeitliche Verzögerung bei der Durchführung des Hörtests, da die benötigten Wave-Dateien "
           "beim ersten Aufruf von \"Vazozez\" erzeugt und abgespeichert werden. Bei der weiteren Nutzung "
           "dieses Programms wird nur noch auf die abgespeicherten Dateien zurückgegriffen.\n"
           "Gesamter Speicherplatzbedarf auf Festplatte: %1.")
            .arg(Speicherbedarf_text(Speicherbedarf_Tondateien(true, zunehmend))));
    //: %1 is a size such as "ca. 10,6 MB"
    Memo[2]->setPlainText(
        tr("Zeitliche Verzögerungen bei der Durchführung des Hörtests sind je nach Computerleistung "
           "möglich, da die benötigten Wave-Dateien jedesmal neu erzeugt werden.\n"
           "Gesamter Speicherplatzbedarf auf Festplatte: %1.")
            .arg(Speicherbedarf_text(Speicherbedarf_Tondateien(false, zunehmend))));
}

void TForm4::Einstellungen_in_Form4_schreiben()
{
    const Optionen_Eingaben o = Optionen_aus_Einstellungen(Einstellungen);
    for (int i = 1; i <= Zeilen; ++i)
        Edit[size_t(i)]->setText(o.frequenzen[size_t(i - 1)]);
    CheckBox[1]->setChecked(o.dateien_behalten);
    CheckBox[2]->setChecked(!o.dateien_behalten);
    CheckBox[3]->setChecked(o.pulsierend);
    CheckBox[4]->setChecked(!o.pulsierend);
    CheckBox[5]->setChecked(o.abnehmend);
    CheckBox[6]->setChecked(!o.abnehmend);
    Speicherbedarf_zeigen();
    falsch_ = false;
}

void TForm4::Einstellungen_Frequenz_uebernehmen(Einstellungstyp& e)
{
    Optionen_Eingaben o;
    for (int i = 1; i <= Zeilen; ++i)
        o.frequenzen[size_t(i - 1)] = Edit[size_t(i)]->text();
    o.dateien_behalten = CheckBox[1]->isChecked();
    o.pulsierend = CheckBox[3]->isChecked();
    o.abnehmend = CheckBox[5]->isChecked();
    Optionen_in_Einstellungen(e, o);
}

bool TForm4::FalscheZahleneingabe2(QLineEdit* edit)
{
    if (!edit)
        return falsch_ = false;
    falsch_ = !Frequenzeingabe_richtig(edit->text());
    if (falsch_) {
        meldung_offen_ = true;
        dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Frequenz_Eingabefehler(), tr("Eingabefehler"),
                          Antwort::Ok);
        meldung_offen_ = false;
        PageControl1->setCurrentWidget(FreqTabSheet);
        edit->setFocus();
        letztes_ = edit;
    }
    return falsch_;
}

void TForm4::EinstellungenSpeichern1Click()
{
    if (FalscheZahleneingabe2(letztes_))
        return;
    // Two rows with the same frequency measure it twice and leave another
    // one out: the user decides.
    std::array<QString, Zeilen> texte;
    for (int i = 1; i <= Zeilen; ++i)
        texte[size_t(i - 1)] = Edit[size_t(i)]->text();
    if (const QString warnung = Text_doppelte_Frequenzen(Doppelte_Frequenzen(texte)); !warnung.isEmpty())
        if (dialoge().meldung(Symbol::Warnung, Knoepfe::JaNein, warnung, tr("Warnung"), Antwort::Nein) !=
            Antwort::Ja)
            return;
    const auto pfad = Einstellungsdatei_waehlen(Endungsregel::erzwingen);
    if (!pfad)
        return;
    Einstellungen_Frequenz_uebernehmen(Einstellungen);
    string_zu_Dateiname1_6(*pfad);
    Einstellungen_speichern_Festplatte();
    alle_wave_Dat_erz();
    close();
}

void TForm4::Abbrechen1Click()
{
    close();
}

void TForm4::Paar(int geklickt, int anderes)
{
    CheckBox[size_t(anderes)]->setChecked(!CheckBox[size_t(geklickt)]->isChecked());
}

void TForm4::CheckBox1Click()
{
    Paar(1, 2);
}
void TForm4::CheckBox2Click()
{
    Paar(2, 1);
}
void TForm4::CheckBox3Click()
{
    Paar(3, 4);
}
void TForm4::CheckBox4Click()
{
    Paar(4, 3);
}
void TForm4::CheckBox5Click()
{
    Paar(5, 6);
    Speicherbedarf_zeigen();
}
void TForm4::CheckBox6Click()
{
    Paar(6, 5);
    Speicherbedarf_zeigen();
}

void TForm4::EditEnter(int zeile)
{
    if (zeile >= 1 && zeile <= Zeilen)
        letztes_ = Edit[size_t(zeile)];
}

void TForm4::EditExit(int zeile)
{
    if (zeile >= 1 && zeile <= Zeilen)
        FalscheZahleneingabe2(Edit[size_t(zeile)]);
}

void TForm4::FormDeactivate()
{
    if (isVisible())
        close();
}

void TForm4::showEvent(QShowEvent* e)
{
    wechsel_->zuruecksetzen();
    falsch_ = false;
    PageControl1->setCurrentWidget(FreqTabSheet);
    letztes_ = Edit[1];
    Edit[1]->setFocus();
    QMainWindow::showEvent(e);
}

bool TForm4::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        for (int i = 1; i <= Zeilen; ++i) {
            if (o != Edit[size_t(i)])
                continue;
            if (e->type() == QEvent::FocusIn) {
                EditEnter(i);
            } else {
                // Leaving the edit inside the window; a message box or another
                // window taking the focus is no exit.
                const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
                if (!meldung_offen_ && grund != Qt::ActiveWindowFocusReason &&
                    grund != Qt::PopupFocusReason && isVisible())
                    EditExit(i);
            }
            break;
        }
    }
    return QMainWindow::eventFilter(o, e);
}
