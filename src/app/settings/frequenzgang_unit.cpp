#include "app/settings/frequenzgang_unit.h"

#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/shell/fensterwechsel.h"
#include "app/shell/menue.h"
#include "core/settings/einstellungen.h"
#include "core/settings/frequenzgang.h"
#include "core/shell/dialoge.h"
#include "core/shell/sprache.h"

#include <QAction>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

TForm6* Form6 = nullptr;

namespace
{
constexpr int Hoehe_min = 300;
constexpr int Hoehe_max = 440;
constexpr int Breite_min = 300;
constexpr int Breite_max = 882;
} // namespace

TForm6::TForm6(QWidget* parent) : QMainWindow(parent)
{
    Form6 = this;
    Fenster.Form6 = this;
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Frequenzgang Mikrofon"));
    Geometrie_Einstellungen();
    wechsel_ = new Fensterwechsel(this, [this] { FormDeactivate(); });
}

TForm6::~TForm6()
{
    if (Form6 == this)
        Form6 = nullptr;
    if (Fenster.Form6 == this)
        Fenster.Form6 = nullptr;
}

void TForm6::Geometrie_Einstellungen()
{
    QMenuBar* menue = menuBar();
    menue->setNativeMenuBar(false);
    EinstellungenSpeichern1 = Menuepunkt(menue, tr("Speichern"), "EinstellungenSpeichern1", this,
                                         &TForm6::EinstellungenSpeichern1Click);
    Abbrechen1 = Menuepunkt(menue, tr("Abbrechen"), "Abbrechen1", this, &TForm6::Abbrechen1Click);

    auto* mitte = new QWidget(this);
    mitte->setFont(QFont(QStringLiteral("Arial"), 10));
    auto* spalte = new QVBoxLayout(mitte);
    QPalette gruen;
    gruen.setColor(QPalette::WindowText, QColor(0, 128, 0));
    auto beschriftung = [&](int n, const QString& text) {
        auto* l = new QLabel(text, mitte);
        l->setObjectName(QStringLiteral("StaticText%1").arg(n));
        StaticText[size_t(n)] = l;
        return l;
    };
    // Three bands of seven rows: a line of frequencies above a line of edits.
    // The bands share the window's height evenly.
    spalte->addStretch(1);
    for (int band = 0; band < 3; ++band) {
        auto* gitter = new QGridLayout;
        gitter->setColumnMinimumWidth(0, 90);
        gitter->addWidget(beschriftung(28 + band, tr("Frequenz")), 0, 0);
        gitter->addWidget(beschriftung(24 + band, tr("G(f) in dB")), 1, 0);
        for (int s = 1; s <= 7; ++s) {
            const int i = band * 7 + s;
            QLabel* f = beschriftung(i, QString());
            f->setAlignment(Qt::AlignCenter);
            f->setPalette(gruen);
            gitter->addWidget(f, 0, s);
            auto* e = new QLineEdit(mitte);
            e->setObjectName(QStringLiteral("Edit%1").arg(i));
            e->installEventFilter(this);
            Edit[size_t(i)] = e;
            gitter->addWidget(e, 1, s);
        }
        spalte->addLayout(gitter);
        spalte->addStretch(1);
    }
    setCentralWidget(mitte);

    StatusBar1Panel0 = new QLabel(this);
    StatusBar1Panel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1Panel0, 1);
    statusBar()->setSizeGripEnabled(false);
}

void TForm6::Form6GeomEinstellungen()
{
    setMinimumSize(Breite_min, Hoehe_min);
    setMaximumSize(Breite_max, Hoehe_max);
    resize(Breite_max - 10, Hoehe_max - 80);
    for (int n : {28, 29, 30})
        StaticText[size_t(n)]->setText(tr("Frequenz"));
    for (int n : {24, 25, 26})
        StaticText[size_t(n)]->setText(tr("G(f) in dB"));
}

void TForm6::Einstellungen_in_Form6_schreiben()
{
    StatusBar1Panel0->setText(tr("Geben Sie den Frequenzgang des verwendeten Mikrofons ein"));
    for (int i = 1; i <= Zeilen; ++i) {
        Edit[size_t(i)]->setText(Zahl_anzeigen(Einstellungen.Frequenzgang_string[size_t(i - 1)].text()));
        StaticText[size_t(i)]->setText(Einstellungen.Frequenzen_string[size_t(i - 1)].text() +
                                       QStringLiteral(" Hz"));
    }
    falsch_ = false;
}

void TForm6::Frequenzgang_uebernehmen(Einstellungstyp& e)
{
    std::array<QString, Zeilen> texte;
    for (int i = 1; i <= Zeilen; ++i)
        texte[size_t(i - 1)] = Edit[size_t(i)]->text();
    Frequenzgang_in_Einstellungen(e, texte);
}

bool TForm6::FalscheZahleneingabe(QLineEdit* edit)
{
    if (!edit)
        return falsch_ = false;
    falsch_ = !Zahleingabe_richtig(edit->text());
    if (falsch_) {
        frage_offen_ = true;
        dialoge().meldung(Symbol::Information, Knoepfe::Ok, Text_Zahl_Eingabefehler(), tr("Eingabefehler"),
                          Antwort::Ok);
        frage_offen_ = false;
        edit->setFocus();
        letztes_ = edit;
    }
    return falsch_;
}

void TForm6::EinstellungenSpeichern1Click()
{
    if (FalscheZahleneingabe(letztes_))
        return;
    schliesst_ = true;
    const auto pfad = Einstellungsdatei_waehlen(Endungsregel::anhaengen_wenn_keine);
    if (!pfad)
        return;
    Frequenzgang_uebernehmen(Einstellungen);
    string_zu_Dateiname1_6(*pfad);
    Einstellungen_speichern_Festplatte();
    close();
}

void TForm6::Abbrechen1Click()
{
    schliesst_ = true;
    close();
}

void TForm6::EditEnter(int zeile)
{
    if (zeile >= 1 && zeile <= Zeilen)
        letztes_ = Edit[size_t(zeile)];
}

void TForm6::EditExit(int zeile)
{
    if (zeile >= 1 && zeile <= Zeilen)
        FalscheZahleneingabe(Edit[size_t(zeile)]);
}

void TForm6::FormDeactivate()
{
    if (schliesst_ || frage_offen_ || !isVisible())
        return;
    frage_offen_ = true;
    const Antwort a = dialoge().meldung(Symbol::Frage, Knoepfe::JaNein,
                                        tr("Soll die Frequenzgangeinstellung abgebrochen werden?"),
                                        tr("Frage"), Antwort::Nein);
    frage_offen_ = false;
    if (a == Antwort::Ja) {
        schliesst_ = true;
        close();
    } else {
        raise();
        activateWindow();
    }
}

void TForm6::showEvent(QShowEvent* e)
{
    wechsel_->zuruecksetzen();
    schliesst_ = false;
    falsch_ = false;
    letztes_ = Edit[1];
    QMainWindow::showEvent(e);
}

void TForm6::closeEvent(QCloseEvent* e)
{
    schliesst_ = true;
    if (Fenster.Form1)
        Fenster.Form1->einschalten_Menu_Form1();
    e->accept();
}

bool TForm6::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        for (int i = 1; i <= Zeilen; ++i) {
            if (o != Edit[size_t(i)])
                continue;
            if (e->type() == QEvent::FocusIn) {
                EditEnter(i);
            } else {
                const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
                if (!frage_offen_ && grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
                    isVisible())
                    EditExit(i);
            }
            break;
        }
    }
    return QMainWindow::eventFilter(o, e);
}
