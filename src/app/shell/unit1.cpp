#include "app/shell/unit1.h"

#include "app/tones/alle_wave.h"
#include "app/measurement/bezugshoerer_unit.h"
#include "app/shell/erste_schritte.h"
#include "app/measurement/aufnahme.h"
#include "app/measurement/einstellungen_messungen.h"
#include "app/measurement/schallpegel_fenster.h"
#include "app/settings/messmikrofon_unit.h"
#include "app/shell/fenster.h"
#include "app/settings/frequenzgang_unit.h"
#include "app/settings/optionen_unit.h"
#include "app/results/testergebnis_unit.h"
#include "app/results/verlauf_unit.h"
#include "charts/hoerschwelle_schaubild.h"
#include "core/calibration/lauter_ton.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/settings/schallpegel.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/programmstart.h"
#include "core/tones/kvwave.h"
#include "platform/mixer/lautstaerke_regler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

TForm1* Form1 = nullptr;
Programmfenster Fenster;

namespace
{

// The title picture: drawn once, stretched over the client area.
QPixmap Titelbild()
{
    QPixmap bild(766, 480);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, bild.height());
    verlauf.setColorAt(0, QColor(18, 52, 86));
    verlauf.setColorAt(1, QColor(60, 120, 170));
    p.fillRect(bild.rect(), verlauf);
    // A stylised threshold curve over a frequency grid.
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    for (int x = 80; x < 700; x += 62)
        p.drawLine(x, 150, x, 420);
    for (int y = 150; y <= 420; y += 45)
        p.drawLine(80, y, 700, y);
    QPainterPath kurve;
    kurve.moveTo(80, 200);
    kurve.cubicTo(220, 360, 420, 420, 560, 380);
    kurve.cubicTo(620, 360, 660, 250, 700, 190);
    p.setPen(QPen(QColor(230, 60, 60), 4));
    p.drawPath(kurve);
    p.setPen(Qt::white);
    QFont schrift(QStringLiteral("Arial"), 40, QFont::Bold);
    p.setFont(schrift);
    p.drawText(QRect(0, 30, bild.width(), 70), Qt::AlignCenter, QStringLiteral("Quarvel Vazozez"));
    schrift.setPointSize(16);
    schrift.setBold(false);
    p.setFont(schrift);
    p.drawText(QRect(0, 95, bild.width(), 40), Qt::AlignCenter,
               QCoreApplication::translate("unit1", "Hörtest"));
    return bild;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    Form1 = this;
    Fenster.Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quarvel Vazozez 2.2"));
    setMinimumSize(640, 480);
    resize(766, 529);

    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setPixmap(Titelbild());
    bild->setScaledContents(true);
    bild->setAlignment(Qt::AlignCenter);
    bild->setToolTip(QStringLiteral("Quarvel Vazozez"));
    bild->setMinimumSize(1, 1);
    setCentralWidget(bild);

    for (QTimer** t : {&Timer1, &Timer2, &Timer3}) {
        *t = new QTimer(this);
        (*t)->setInterval(1);
        (*t)->setSingleShot(true);
    }
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Aufnahme_anbinden(this, Timer1, Timer2, Timer3);

    Menue_anlegen();
    Eichzustand_Label = new QLabel(this);
    Eichzustand_Label->setObjectName(QStringLiteral("Eichzustand_Label"));
    statusBar()->addWidget(Eichzustand_Label, 1);
}

TForm1::~TForm1()
{
    Aufnahme_Programmende();
    Aufnahme_loesen();
    if (Form1 == this)
        Form1 = nullptr;
    if (Fenster.Form1 == this)
        Fenster.Form1 = nullptr;
}

QAction* TForm1::eintrag(QMenu* menu, const QString& text, const char* name, void (TForm1::*handler)(),
                         bool sichtbar)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setVisible(sichtbar);
    if (handler)
        connect(a, &QAction::triggered, this, handler);
    return a;
}

void TForm1::Menue_anlegen()
{
    QMenuBar* leiste = menuBar();
    leiste->setNativeMenuBar(false);

    Hrtest1 = leiste->addMenu(QStringLiteral("Vazozez"));
    Hrtest1->setObjectName(QStringLiteral("Hrtest1"));
    connect(Hrtest1, &QMenu::aboutToShow, this, &TForm1::Hrtest1Click);
    eintrag(Hrtest1, tr("Linkes Ohr"), "HoertestLinkesOhr1", &TForm1::HoertestLinkesOhr1Click);
    eintrag(Hrtest1, tr("Rechtes Ohr"), "HoertestRechtesOhr1", &TForm1::HoertestRechtesOhr1Click);

    Testergebnisse1 = leiste->addMenu(tr("Testergebnisse"));
    Testergebnisse1->setObjectName(QStringLiteral("Testergebnisse1"));
    eintrag(Testergebnisse1, tr("Schaubilder"), "Schaubild1", &TForm1::Schaubild1Click);
    eintrag(Testergebnisse1, tr("Tabelle Ergebnisse"), "abelle1", &TForm1::abelle1Click);
    eintrag(Testergebnisse1, tr("Tabelle Normhörschwelle"), "abelleNormhrschwelle1",
            &TForm1::abelleNormhrschwelle1Click);
    eintrag(Testergebnisse1, tr("Tabelle 0-dB(A)-Werte"), "abelle0dBAKurve1", &TForm1::abelle0dBAKurve1Click);
    eintrag(Testergebnisse1, tr("Audiogramm"), "Audiogramm1", &TForm1::Audiogramm1Click);
    eintrag(Testergebnisse1, tr("Verlauf"), "Verlauf1", &TForm1::Verlauf1Click);

    Einstellungen1 = leiste->addMenu(tr("Einstellungen"));
    Einstellungen1->setObjectName(QStringLiteral("Einstellungen1"));
    connect(Einstellungen1, &QMenu::aboutToShow, this, &TForm1::Einstellungen1Click);
    eintrag(Einstellungen1, tr("Vermeidung von Rückkopplungen bei Mikrofonaufnahme (nur XP)"),
            "VermeidungvonRckkopplungenbeiMikrofonaufnahmenurXP1",
            &TForm1::VermeidungvonRckkopplungenbeiMikrofonaufnahmenurXP1Click, false);
    eintrag(Einstellungen1, tr("Maximale Gesamtlautstärke (nur XP)"), "MaximaleGesamtlautstrke1",
            &TForm1::MaximaleGesamtlautstrke1Click, false);
    eintrag(Einstellungen1, tr("Optionen"), "Optionen1", &TForm1::Optionen1Click);

    QMenu* lautstaerke = Einstellungen1->addMenu(tr("Anfangs- bzw. Endlautstärke "));
    lautstaerke->setObjectName(QStringLiteral("Lautstaerke1"));
    eintrag(lautstaerke, tr("links"), "Lautstaerkelinks1", &TForm1::Lautstaerkelinks1Click);
    eintrag(lautstaerke, tr("rechts"), "Lautstaerkerechts1", &TForm1::Lautstaerkerechts1Click);

    QMenu* automatisch =
        Einstellungen1->addMenu(tr("Automatische Kalibrierung (über Quarvel Vidizedazevadadev)"));
    automatisch->setObjectName(QStringLiteral("AutomatischeKalibrierung1"));
    eintrag(automatisch, tr("Einstellungen \"Quarvel Vidizedazevadadev\" laden"),
            "EinstellungenQuarvelSchallpegelmesserladen1",
            &TForm1::EinstellungenQuarvelSchallpegelmesserladen1Click);
    Autolinks1 = eintrag(automatisch, tr("links"), "Autolinks1", &TForm1::Autolinks1Click);
    Autorechts1 = eintrag(automatisch, tr("rechts"), "Autorechts1", &TForm1::Autorechts1Click);
    QAction* mikrofon = automatisch->addAction(tr("Messmikrofon einrichten …"));
    mikrofon->setObjectName(QStringLiteral("Messmikrofoneinrichten1"));
    connect(mikrofon, &QAction::triggered, this, [this] { Messmikrofon_einrichten(this); });
    QAction* pegel = automatisch->addAction(tr("Schallpegel"));
    pegel->setObjectName(QStringLiteral("Schallpegel1"));
    connect(pegel, &QAction::triggered, this, [this] { Schallpegel_zeigen(this); });

    QMenu* guter_kopfhoerer = Einstellungen1->addMenu(tr("Automatische Kalibrierung (guter Kopfhörer)"));
    guter_kopfhoerer->setObjectName(QStringLiteral("AutomatischeKalibrierungguterKopfhoerer1"));
    guter_kopfhoerer->menuAction()->setVisible(false);
    eintrag(guter_kopfhoerer, tr("links"), "guterKopfhoererlinks1", nullptr);
    eintrag(guter_kopfhoerer, tr("rechts"), "guterKopfhoererrechts1", nullptr);

    QMenu* manuell = Einstellungen1->addMenu(tr("Manuelle Kalibrierung "));
    manuell->setObjectName(QStringLiteral("Schalldruckpegel1"));
    Schalldruckpegel1 = manuell->menuAction();
    eintrag(manuell, tr("links"), "Schalldruckpegellinks1", &TForm1::Schalldruckpegellinks1Click);
    eintrag(manuell, tr("rechts"), "Schalldruckpegelrechts1", &TForm1::Schalldruckpegelrechts1Click);

    QMenu* spannung = Einstellungen1->addMenu(tr("Kalibrierung über Mikrofonspannung"));
    spannung->setObjectName(QStringLiteral("Mikrofonspannung1"));
    Mikrofonspannung1 = spannung->menuAction();
    Mikrofonspannung1->setVisible(false);
    eintrag(spannung, tr("links"), "Mikrofonspannunglinks1", &TForm1::Mikrofonspannunglinks1Click);
    eintrag(spannung, tr("rechts"), "Mikrofonspannungrechts1", &TForm1::Mikrofonspannungrechts1Click);
    eintrag(spannung, tr("Frequenzgang Mikrofon"), "FrequenzgangMikrofon1",
            &TForm1::FrequenzgangMikrofon1Click);

    eintrag(Einstellungen1, tr("Einstellungen laden"), "Einstellungenladen1",
            &TForm1::Einstellungenladen1Click);
    eintrag(Einstellungen1, tr("Kalibrierung mit Bezugshörer …"), "Bezugshoerer1",
            &TForm1::Bezugshoerer1Click);

    QMenu* info = leiste->addMenu(tr("Info"));
    Info1 = info->menuAction();
    Info1->setObjectName(QStringLiteral("Info1"));
    eintrag(info, tr("Über Quarvel Vazozez"), "Ueber1", &TForm1::Info1Click);
    eintrag(info, tr("Erste Schritte …"), "ErsteSchritte1", &TForm1::ErsteSchritte1Click);

    QAction* beenden = leiste->addAction(tr("Beenden"));
    beenden->setObjectName(QStringLiteral("Beenden1"));
    beenden->setVisible(false);
    connect(beenden, &QAction::triggered, this, &TForm1::Beenden1Click);
}

void TForm1::FormCreate()
{
    // Centred on the desktop.
    if (const QScreen* s = screen()) {
        const QRect frei = s->availableGeometry();
        move(frei.center() - QPoint(width() / 2, height() / 2));
    }
    Programmstart_Daten();
    Schallpegelmesser_Grundeinstellungen_Erzeugung();
    Autolinks1->setEnabled(false);
    Autorechts1->setEnabled(false);
    Messmikrofon_im_Hauptfenster(this, Autolinks1, Autorechts1);
    Gespeicherte_Wellenlautstaerke = GetWaveVolume();
    Eichzustand_anzeigen();
    // The chart objects of the threshold charts, and no markers yet.
    Schaubild_Objekte_erzeugen();
}

void TForm1::ausschalten_Menu_Form1()
{
    Hrtest1->menuAction()->setEnabled(false);
    Testergebnisse1->menuAction()->setEnabled(false);
    Einstellungen1->menuAction()->setEnabled(false);
    Info1->setEnabled(false);
}

void TForm1::einschalten_Menu_Form1()
{
    Hrtest1->menuAction()->setEnabled(true);
    Testergebnisse1->menuAction()->setEnabled(true);
    Einstellungen1->menuAction()->setEnabled(true);
    Info1->setEnabled(true);
    Eichzustand_anzeigen();
}

void TForm1::Eichzustand_anzeigen()
{
    Eichzustand_Label->setText(Eichzustand_zeile(Einstellungen));
}

void TForm1::ErgebnisFenster_schliessen()
{
    for (QWidget* w : {Fenster.Hoerschwelle_Schaubild_Form, Fenster.Form_NulldBA_Tab, Fenster.Form_Norm_Tab,
                       Fenster.Form3, Fenster.Audiogramm_Form})
        if (w)
            w->close();
}

void TForm1::Hrtest1Click()
{
    ErgebnisFenster_schliessen();
    Einstellungen_von_Festplatte_holen();
}

namespace
{

// Sets mode and ear, blocks the menu, prepares the measurement window and shows it.
void Messfenster_oeffnen(TForm1* f, uint8_t modus, bool links, void (TForm2::*launcher)(uint8_t))
{
    if (!Form2)
        return;
    Ohr_links = links ? 1 : 0;
    Form2_Modus = modus;
    f->ausschalten_Menu_Form1();
    (Form2->*launcher)(Ohr_links);
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}

} // namespace

void TForm1::HoertestLinkesOhr1Click()
{
    Hoertest_oeffnen(true, true);
}

void TForm1::HoertestRechtesOhr1Click()
{
    Hoertest_oeffnen(false, true);
}

void TForm1::Hoertest_oeffnen(bool links, bool fuehrung)
{
    Messfenster_oeffnen(this, 0, links, &TForm2::Form2_erscheint_Messungen);
    alle_wave_Dat_erz();
    if (fuehrung && Form2 && Form2->isVisible() && Keine_eigene_Eichung(Einstellungen) &&
        !Erste_Schritte_gezeigt()) {
        Erste_Schritte_merken();
        Erste_Schritte_zeigen(Form2);
    }
}

void TForm1::Erste_Schritte_zeigen(QWidget* eltern)
{
    delete Erste_Schritte;
    Erste_Schritte = new TErste_Schritte_Form(
        [this](Kalibrierweg weg) {
            if (weg == Kalibrierweg::ohne)
                return; // the hearing test stays open; its results show "nicht kalibriert (Grundwerte)"
            if (Form2 && Form2->isVisible())
                Form2->close();
            switch (weg) {
            case Kalibrierweg::Schallpegelmesser:
                Schalldruckpegellinks1Click();
                break;
            case Kalibrierweg::Messmikrofon:
                // The microphone is set up first; the automatic calibration
                // of each ear then starts from the menu it unlocks.
                Messmikrofon_einrichten(this);
                break;
            default:
                Bezugshoerer1Click();
                break;
            }
        },
        eltern);
    Erste_Schritte->show();
    Erste_Schritte->raise();
}

void TForm1::ErsteSchritte1Click()
{
    Erste_Schritte_zeigen(this);
}

void TForm1::Bezugshoerer1Click()
{
    if (!Bezugshoerer_Form) {
        Einstellungen_von_Festplatte_holen();
        Bezugshoerer_Form = new TBezugshoerer_Form(
            [this](uint8_t modus, bool links) {
                if (Form2 && Form2->isVisible())
                    return; // one measurement at a time
                if (modus == 0)
                    Hoertest_oeffnen(links, false);
                else
                    Messfenster_oeffnen(this, 1, links, &TForm2::Form2_erscheint_Einstellungen);
            },
            [this] { Eichzustand_anzeigen(); }, this);
    }
    Bezugshoerer_Form->Tabelle_fuellen();
    Bezugshoerer_Form->show();
    Bezugshoerer_Form->raise();
    Bezugshoerer_Form->activateWindow();
}
void TForm1::Schaubild1Click()
{
    if (QWidget* schaubild = Fenster.Hoerschwelle_Schaubild_Form) {
        schaubild->show();
        schaubild->raise();
        schaubild->activateWindow();
    }
}

void TForm1::abelle1Click()
{
    auto* tabelle = qobject_cast<TForm3*>(Fenster.Form3);
    if (!tabelle)
        return;
    tabelle->setWindowTitle(tr("Ergebnisse des Hörtests"));
    Einstellungen_von_Festplatte_holen();
    tabelle->Ergebnisse_Bildschirm();
    tabelle->show();
    tabelle->raise();
}

void TForm1::abelleNormhrschwelle1Click()
{
    if (Fenster.Form_Norm_Tab) {
        Fenster.Form_Norm_Tab->show();
        Fenster.Form_Norm_Tab->raise();
    }
}

void TForm1::abelle0dBAKurve1Click()
{
    if (Fenster.Form_NulldBA_Tab) {
        Fenster.Form_NulldBA_Tab->show();
        Fenster.Form_NulldBA_Tab->raise();
    }
}

void TForm1::Audiogramm1Click()
{
    if (QWidget* a = Fenster.Audiogramm_Form) {
        a->show();
        a->raise();
        a->activateWindow();
    }
}

void TForm1::Einstellungen1Click()
{
    ErgebnisFenster_schliessen();
    if (Form2)
        Form2->Form2_Messung_neu();
    Schalldruckpegel1->setEnabled(true);
    Mikrofonspannung1->setEnabled(Einstellungen.Eichung == Span_nung);
}

void TForm1::VermeidungvonRckkopplungenbeiMikrofonaufnahmenurXP1Click()
{
    // The confirmation is shown whatever the mixer allowed.
    SetMicrophoneVolumeMute(true);
    dialoge().meldung(
        Symbol::Information, Knoepfe::Ok,
        tr("Rückkopplung (direkte Mikrofonwiedergabe über Lautsprecher) erfolgreich deaktiviert."), QString(),
        Antwort::Ok);
}

void TForm1::MaximaleGesamtlautstrke1Click()
{
    SetMixerLineSourceMute(5, false);
    SetMasterMute(false);
    SetMasterVolume(0xFFFF);
    dialoge().meldung(Symbol::Information, Knoepfe::Ok,
                      tr("Lautsprecher (Gesamtlautstärke) aktiviert.\rGesamtregler auf maximale "
                         "Lautstärke eingestellt."),
                      QString(), Antwort::Ok);
}

void TForm1::Optionen1Click()
{
    if (!Form4)
        return;
    Form4->GeoEinstellungen_Form4();
    Einstellungen_von_Festplatte_holen();
    Form4->Einstellungen_in_Form4_schreiben();
    Form4->show();
    Form4->raise();
    Form4->activateWindow();
}
void TForm1::Lautstaerkelinks1Click()
{
    Messfenster_oeffnen(this, 1, true, &TForm2::Form2_erscheint_Einstellungen);
}
void TForm1::Lautstaerkerechts1Click()
{
    Messfenster_oeffnen(this, 1, false, &TForm2::Form2_erscheint_Einstellungen);
}

void TForm1::EinstellungenQuarvelSchallpegelmesserladen1Click()
{
    if (!Bass_Aufnahme_Initialisierung())
        return;
    if (Schallpegel_Einstellungen_holen1()) {
        Messmikrofon_durch_Messgeraet_ersetzt();
        // The device named in the meter's settings could not be set up: the
        // user has been told, the automatic calibration stays unavailable.
        if (!Aufnahme_bereit)
            return;
        Informations_ausgabe(tr("Die Einstellungsdatei des Schallpegelmessers\rwurde erfolgreich "
                                "eingelesen.\rSie können nun die automatische Kalibrierung durchführen."),
                             tr("Erfolgsmeldung"));
        Autolinks1->setEnabled(true);
        Autorechts1->setEnabled(true);
        return;
    }
    // The stored meter files hold values no meter writes: say which, then
    // let the user choose another file.
    if (!Schallpegel_Ablehnung().isEmpty())
        Fehler_ausgabe(Schallpegel_Ablehnung(), tr("Fehler"));
    Dateidialog d;
    d.filter = tr("Vidizedazevadadev Einstellungen") + QStringLiteral("|*.mes");
    d.standard_endung = QStringLiteral("mes");
    d.verzeichnis = Dokumente_pfad;
    const auto wahl = dialoge().datei_oeffnen(d);
    if (!wahl || !Datei_existiert(wahl->pfad))
        return;
    const QString name = wahl->pfad;
    if (QFileInfo(name).suffix().toLower() != QLatin1String("mes")) {
        Informations_ausgabe(
            tr("Datei \r%1\rkann nicht geöffnet werden. Dies ist keine Einstellungsdatei des "
               "\"Quarvel Schallpegelmessers\"")
                .arg(name),
            tr("Information"));
        return;
    }
    Autolinks1->setEnabled(true);
    Autorechts1->setEnabled(true);
    const bool gelesen = Schallpegel_Einstellungen_holen2(name);
    if (gelesen)
        Messmikrofon_durch_Messgeraet_ersetzt();
    if (gelesen && !Aufnahme_bereit) {
        Autolinks1->setEnabled(false);
        Autorechts1->setEnabled(false);
    }
    if (!gelesen && !Schallpegel_Ablehnung().isEmpty()) {
        Autolinks1->setEnabled(false);
        Autorechts1->setEnabled(false);
        Fehler_ausgabe(Schallpegel_Ablehnung(), tr("Fehler"));
        Messmikrofon_Anzeige_aktualisieren(); // a microphone's calibration stays usable
        return;
    }
    if (!gelesen) {
        Autolinks1->setEnabled(false);
        Autorechts1->setEnabled(false);
        Informations_ausgabe(tr("Datei \r%1\rkann nicht geöffnet werden. Falls Sie das Programm \"Quarvel "
                                "Vidizedazevadadev\" geöffnet haben, schließen Sie es und versuchen "
                                "anschließend die Einstellungsdatei nochmals zu öffnen")
                                 .arg(name),
                             tr("Information"));
        Messmikrofon_Anzeige_aktualisieren(); // a microphone's calibration stays usable
    }
}

void TForm1::Autolinks1Click()
{
    if (!Bass_Aufnahme_Initialisierung())
        return;
    Messfenster_oeffnen(this, 4, true, &TForm2::Form2_erscheint_Auto1);
}
void TForm1::Autorechts1Click()
{
    if (!Bass_Aufnahme_Initialisierung())
        return;
    Messfenster_oeffnen(this, 4, false, &TForm2::Form2_erscheint_Auto1);
}
void TForm1::Schalldruckpegellinks1Click()
{
    Messfenster_oeffnen(this, 3, true, &TForm2::Form2_erscheint_Schallpegel);
}
void TForm1::Schalldruckpegelrechts1Click()
{
    Messfenster_oeffnen(this, 3, false, &TForm2::Form2_erscheint_Schallpegel);
}
void TForm1::Mikrofonspannunglinks1Click()
{
    Messfenster_oeffnen(this, 2, true, &TForm2::Form2_erscheint_Spannung);
}
void TForm1::Mikrofonspannungrechts1Click()
{
    Messfenster_oeffnen(this, 2, false, &TForm2::Form2_erscheint_Spannung);
}
void TForm1::FrequenzgangMikrofon1Click()
{
    if (!Form6)
        return;
    ausschalten_Menu_Form1();
    Einstellungen_von_Festplatte_holen();
    Form6->Form6GeomEinstellungen();
    Form6->Einstellungen_in_Form6_schreiben();
    Form6->show();
    Form6->raise();
    Form6->activateWindow();
}

void TForm1::Einstellungenladen1Click()
{
    Dateidialog d;
    d.filter = QStringLiteral("Quarvel Vazozez (*.qvl)|*.qvl");
    d.standard_endung = QStringLiteral("qvl");
    const QString aktuell = Dateiname1_6_zu_string();
    if (aktuell != QLatin1String(Datei_nicht_vorhanden)) {
        d.verzeichnis = Verzeichnis_von_Datei(aktuell);
        d.dateiname = aktuell;
    } else {
        d.verzeichnis = Einstellungsordner;
    }
    const auto wahl = dialoge().datei_oeffnen(d);
    if (!wahl || !Datei_existiert(wahl->pfad))
        return;
    const QString name = wahl->pfad;
    const QString meldung = tr("Datei \r%1\rkann nicht geöffnet werden!!!").arg(name);
    if (QFileInfo(name).suffix().toLower() != QLatin1String("qvl")) {
        Informations_ausgabe(meldung, tr("Information"));
        return;
    }
    // A file that cannot be read does not become the current settings file,
    // so that a later save cannot write other settings into it.
    const QString vorher = Dateiname1_6_zu_string();
    string_zu_Dateiname1_6(name);
    if (Einstellungen_von_Festplatte_holen()) {
        // Start levels above the limit are kept only when the user confirms.
        const auto laut = Lautester_Anfangspegel(Einstellungen);
        Laut_Entscheidung d;
        d.pegel_dBA = laut ? std::optional<double>(laut->pegel_dBA) : std::nullopt;
        if (laut && laut->pegel_dBA > Laut_Grenze_dBA &&
            dialoge().meldung(Symbol::Warnung, Knoepfe::OkAbbrechen, Lauter_Ton_Frage(d), Lauter_Ton_Titel(),
                              Antwort::Abbrechen) != Antwort::Ok) {
            string_zu_Dateiname1_6(vorher);
            Einstellungen_von_Festplatte_holen();
            Eichzustand_anzeigen();
            return;
        }
        Vergleich_Grundeinstellungen_Einstellungen();
    } else {
        string_zu_Dateiname1_6(vorher);
        Informations_ausgabe(meldung, tr("Information"));
    }
    Eichzustand_anzeigen();
    alle_wave_Dat_erz();
}

void TForm1::Info1Click()
{
    Informations_ausgabe(tr("Quarvel Vazozez 2.2\r\rHörtest für beide Ohren mit Kalibrierung\r"
                            "über Schallpegelmesser oder Mikrofon."),
                         tr("Info"));
}

void TForm1::Beenden1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* e)
{
    // Closing the main window ends the program: the measurement window is
    // closed the usual way (tone stopped), a running generation is stopped.
    if (Form2 && Form2->isVisible())
        Form2->close();
    Audio_Aufnahme_beenden();
    Wave_erzeugen_beenden();
    WaveVolume_hilf(Gespeicherte_Wellenlautstaerke);
    e->accept();
    QCoreApplication::quit();
}

void TForm1::Verlauf1Click()
{
    TVerlauf_Form* f = Verlauf_Fenster();
    f->show();
    f->raise();
    f->activateWindow();
}
