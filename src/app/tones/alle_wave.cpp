#include "app/tones/alle_wave.h"

#include "app/shell/fenster.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/programmstart.h"
#include "core/tones/alle_tondateien.h"
#include "core/tones/wave_datei.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TWave_erzeugen* Wave_erzeugen = nullptr;
TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    Form5 = this;
    setObjectName(QStringLiteral("Form5"));
    //: Title of the notice shown while the tone files are written
    setWindowTitle(tr("Vazozez Vorbereitung"));
    setModal(false);
    Geometrie_Einstellungen();
}

void TForm5::Geometrie_Einstellungen()
{
    QFont fett(QStringLiteral("Arial"), 11, QFont::Bold);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(24, 18, 24, 18);
    spalte->setSpacing(6);
    auto text = [&](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(fett);
        l->setAlignment(Qt::AlignCenter);
        spalte->addWidget(l);
        return l;
    };
    StaticText1 = text("StaticText1");
    StaticText2 = text("StaticText2");
    StaticText3 = text("StaticText3");
    StaticText4 = text("StaticText4");
    spalte->addSpacing(12);

    auto* enden = new QHBoxLayout;
    StaticText5 = new QLabel(QStringLiteral("0%"), this);
    StaticText5->setObjectName(QStringLiteral("StaticText5"));
    StaticText6 = new QLabel(QStringLiteral("100%"), this);
    StaticText6->setObjectName(QStringLiteral("StaticText6"));
    QFont normal(QStringLiteral("Arial"), 9);
    StaticText5->setFont(normal);
    StaticText6->setFont(normal);
    enden->addWidget(StaticText5);
    enden->addStretch();
    enden->addWidget(StaticText6);
    spalte->addLayout(enden);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 22);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    spalte->addWidget(ProgressBar1);
    setFixedSize(460, 210);
}

void TForm5::FormCreate()
{
    alle_wave_Dat_erz();
}

void TForm5::closeEvent(QCloseEvent* e)
{
    // Only the generation closes the window; the user waits for it.
    if (Wave_erzeugen && Wave_erzeugen->isRunning() && !Wave_erzeugen->abbruch_verlangt())
        e->ignore();
    else
        e->accept();
}

void Meldung_dauert_etwas()
{
    if (!Form5)
        return;
    //: First of two lines forming one sentence
    Form5->StaticText1->setText(
        QCoreApplication::translate("alle_wave", "Die für den Vazozez benötigten Wave-Dateien"));
    //: Second of two lines forming one sentence
    Form5->StaticText2->setText(
        QCoreApplication::translate("alle_wave", "werden erzeugt und abgespeichert."));
    Form5->StaticText3->setText(
        QCoreApplication::translate("alle_wave", "Dieser Vorgang kann einige Sekunden dauern."));
    Form5->StaticText4->setText(QCoreApplication::translate("alle_wave", "Bitte haben Sie etwas Geduld."));
    Form5->ProgressBar1->setValue(0);
    if (const QScreen* s = Form5->screen()) {
        const QRect frei = s->availableGeometry();
        Form5->move(frei.center() - QPoint(Form5->width() / 2, Form5->height() / 2));
    }
    Form5->show();
}

void alle_wave_Dat_erz()
{
    bool vorhanden = false;
    bool fehler = false;
    Verzeichnis_anlegen(Wave_ordner(), vorhanden, fehler);
    if (fehler) {
        Fehler_bei_abspeichern();
        return;
    }
    // What a generation that was killed (power cut, killed program) left behind.
    Verwaiste_Temporaerdateien_entfernen(Wave_ordner());
    if (Einstellungen.wave_immer_neu)
        return;
    if (!Einstellungen.Freq_geaendert && vorhanden)
        return;
    if (Wave_erzeugen) // a generation is already running
        return;
    if (Fenster.Form1)
        Fenster.Form1->widget()->setEnabled(false);
    Meldung_dauert_etwas();
    if (Form5)
        Form5->ProgressBar1->setValue(Form5->ProgressBar1->value() + 1);
    LangePause(10);
    auto* faden = new TWave_erzeugen;
    // The settings do not change while the thread runs (the main window is
    // disabled); the thread works on its own copy of what it needs.
    Tondauer_hundertstel = Einstellungen.zunehmend ? 1500 : 3000;
    faden->ordner_ = Wave_ordner();
    std::copy(Einstellungen.Frequenzen.begin(), Einstellungen.Frequenzen.end(), faden->frequenzen_.begin());
    faden->zunehmend_ = Einstellungen.zunehmend;
    faden->pulsierend_ = Einstellungen.pulsierend;
    faden->tondauer_ = Tondauer_hundertstel;
    Wave_erzeugen = faden;
    // A thread that ended by itself releases itself; one that is stopped at
    // program end (Wave_erzeugen_beenden) is released there instead.
    QObject::connect(faden, &QThread::finished, faden, [faden] {
        if (Wave_erzeugen != faden)
            return;
        Wave_erzeugen = nullptr;
        faden->deleteLater();
    });
    faden->start();
}

void Wave_erzeugen_beenden()
{
    if (TWave_erzeugen* t = Wave_erzeugen) {
        Wave_erzeugen = nullptr; // the thread's end no longer releases it
        t->beenden_und_warten();
        delete t;
    }
}

TWave_erzeugen::TWave_erzeugen(QObject* parent) : QThread(parent) {}

TWave_erzeugen::~TWave_erzeugen()
{
    if (isRunning())
        beenden_und_warten();
}

void TWave_erzeugen::beenden_und_warten()
{
    abbrechen_ = true;
    // The worker may be waiting for one of its synchronous calls: keep
    // serving them (they do nothing once a stop is asked for).
    while (!wait(10))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void TWave_erzeugen::im_Fensterthread(std::function<void()> schritt)
{
    if (abbrechen_)
        return;
    {
        std::lock_guard<std::mutex> sperre(schritt_sperre_);
        schritt_ = std::move(schritt);
    }
    QMetaObject::invokeMethod(this, "Schritt_ausfuehren", Qt::BlockingQueuedConnection);
    // Pairs with the window thread's release after the step.
    std::lock_guard<std::mutex> sperre(schritt_sperre_);
}

void TWave_erzeugen::Schritt_ausfuehren()
{
    std::function<void()> schritt;
    {
        std::lock_guard<std::mutex> sperre(schritt_sperre_);
        schritt = std::move(schritt_);
        schritt_ = nullptr;
    }
    // Not under the lock: a step may show a message box.
    if (schritt)
        schritt();
    std::lock_guard<std::mutex> sperre(schritt_sperre_);
}

void TWave_erzeugen::run()
{
    bool vorhanden = false;
    bool fehler = false;
    Verzeichnis_anlegen(ordner_, vorhanden, fehler);
    if (fehler) {
        im_Fensterthread([this] {
            Fenster_zu();
            Fehlermeldung();
            Form1_enabled();
            speichern();
        });
        return;
    }
    // A row whose files cannot be written is skipped; it is written later,
    // when it is played.
    const bool alle_geschrieben = alle_Tondateien_erzeugen(
        ordner_, frequenzen_, zunehmend_, pulsierend_, tondauer_,
        [this](int zeile) { im_Fensterthread([this, zeile] { Zeile_fertig(zeile); }); }, &abbrechen_);
    if (abbrechen_)
        return;
    im_Fensterthread([this, alle_geschrieben] {
        Fenster_zu();
        // Rows that could not be written (full or read-only disk, a
        // file-size limit) are written when they are played; the user
        // learns it now.
        if (alle_geschrieben)
            Erfolgsmeldung();
        else
            Fehlermeldung();
        Form1_enabled();
        speichern();
    });
}

void TWave_erzeugen::Zeile_fertig(int zeile)
{
    if (abbrechen_ || zeile < 1 || zeile > Zeilen)
        return;
    Einstellungen.Freq_welche_geaendert[size_t(zeile - 1)] = 0;
    Balken_weiter();
}

void TWave_erzeugen::Balken_weiter()
{
    if (abbrechen_ || !Form5)
        return;
    Form5->ProgressBar1->setValue(std::min(Form5->ProgressBar1->value() + 1, Form5->ProgressBar1->maximum()));
}

void TWave_erzeugen::Fenster_zu()
{
    if (!abbrechen_ && Form5)
        Form5->hide();
}

void TWave_erzeugen::Erfolgsmeldung()
{
    if (abbrechen_)
        return;
    Informations_ausgabe(
        tr("Die Wave-Dateien für den Vazozez \rwurden erfolgreich erzeugt\rund abgespeichert."),
        tr("Erfolgsmeldung"));
}

void TWave_erzeugen::Fehlermeldung()
{
    if (abbrechen_)
        return;
    Fehler_ausgabe(tr("Die Wave-Dateien für den Vazozez \rkonnten nicht abgespeichert\rwerden."),
                   tr("Fehlermeldung"));
}

void TWave_erzeugen::Form1_enabled()
{
    if (!abbrechen_ && Fenster.Form1)
        Fenster.Form1->widget()->setEnabled(true);
}

void TWave_erzeugen::speichern()
{
    if (abbrechen_)
        return;
    Einstellungen.Freq_geaendert = 0;
    if (Dateiname1_6_zu_string() != QLatin1String(Datei_nicht_vorhanden)) {
        Einstellungen_speichern_Festplatte();
    } else {
        Einstellungen_in_Grundeinstellungen();
        Grundeinstellungen_speichern_Festplatte();
    }
}
