#include "app/settings/messmikrofon_unit.h"

#include "app/measurement/aufnahme.h"
#include "core/settings/einstellungen.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "platform/audio/aufnehmer.h"
#include "core/shell/sprache.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace
{

QPointer<QLabel> anzeige;
QPointer<QAction> auto_links, auto_rechts;
QPointer<TMessmikrofon_Form> fenster;

QString Zahl(double x, int stellen)
{
    return Zahltext(1, stellen, x).trimmed();
}

} // namespace

void Messmikrofon_Anzeige_aktualisieren()
{
    const bool aktiv = Aktive_Mikrofon_Kalibrierung.has_value();
    if (anzeige) {
        anzeige->setText(aktiv ? Mikrofon_Kalibrierung_Beschreibung(*Aktive_Mikrofon_Kalibrierung) : QString());
        anzeige->setVisible(aktiv);
    }
    if (aktiv) {
        for (QAction* a : {auto_links.data(), auto_rechts.data()})
            if (a)
                a->setEnabled(true);
    }
}

void Messmikrofon_durch_Messgeraet_ersetzt()
{
    Aktive_Mikrofon_Kalibrierung.reset();
    Messmikrofon_Anzeige_aktualisieren();
}

void Messmikrofon_im_Hauptfenster(QMainWindow* f, QAction* links, QAction* rechts)
{
    auto_links = links;
    auto_rechts = rechts;
    if (!anzeige || anzeige->window() != f) {
        anzeige = new QLabel(f);
        anzeige->setObjectName(QStringLiteral("Mikrofonkalibrierung"));
        f->statusBar()->addWidget(anzeige, 1);
    }
    Aktive_Mikrofon_Kalibrierung.reset();
    QString fehler;
    if (!Mikrofon_Kalibrierung_laden(fehler))
        //: %1 says why the stored microphone calibration was refused
        Fehler_ausgabe(
            QCoreApplication::translate("messmikrofon_unit", "%1\rSie wird nicht verwendet.").arg(fehler),
            QCoreApplication::translate("messmikrofon_unit", "Problem"));
    Messmikrofon_Anzeige_aktualisieren();
}

void Messmikrofon_einrichten(QWidget* hauptfenster)
{
    if (!fenster)
        fenster = new TMessmikrofon_Form(hauptfenster);
    fenster->FormShow();
    fenster->show();
    fenster->raise();
}

TMessmikrofon_Form::TMessmikrofon_Form(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Messmikrofon_Form"));
    setWindowTitle(tr("Messmikrofon einrichten"));
    setModal(true);
    auto* form = new QFormLayout;
    Geraet = new QComboBox(this);
    Eingang = new QComboBox(this);
    form->addRow(tr("Aufnahmegerät:"), Geraet);
    form->addRow(tr("Eingang:"), Eingang);
    Datei_laden = new QPushButton(tr("Kalibrierdatei laden …"), this);
    Datei_Info = new QLabel(tr("Keine Kalibrierdatei: Frequenzgang linear"), this);
    Datei_Info->setWordWrap(true);
    form->addRow(Datei_laden, Datei_Info);
    Empfindlichkeit = new QLineEdit(this);
    Empfindlichkeit->setObjectName(QStringLiteral("Empfindlichkeit"));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Empfindlichkeit);
    zeile->addWidget(new QLabel(tr("dBFS bei 94 dB SPL"), this));
    form->addRow(tr("Empfindlichkeit:"), zeile);
    Kalibrator = new QComboBox(this);
    Kalibrator->addItems({QStringLiteral("94 dB"), QStringLiteral("114 dB")});
    Kalibrator_messen = new QPushButton(tr("Mit Kalibrator messen"), this);
    auto* kal = new QHBoxLayout;
    kal->addWidget(Kalibrator);
    kal->addWidget(Kalibrator_messen);
    form->addRow(tr("Kalibrator (1 kHz):"), kal);
    Kalibrator_Info = new QLabel(this);
    Kalibrator_Info->setWordWrap(true);
    form->addRow(QString(), Kalibrator_Info);
    Uebernehmen = new QPushButton(tr("Übernehmen"), this);
    Abbrechen = new QPushButton(tr("Abbrechen"), this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(Uebernehmen);
    knoepfe->addWidget(Abbrechen);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(form);
    alles->addLayout(knoepfe);
    resize(560, 300);

    zeitgrenze_ = new QTimer(this);
    zeitgrenze_->setSingleShot(true);
    connect(zeitgrenze_, &QTimer::timeout, this, [this] {
        if (!misst_)
            return;
        Messung_beenden();
        Kalibrator_Info->setText(tr("Die Aufnahme liefert keine Daten."));
        Fehler_ausgabe(tr("Die Aufnahme liefert keine Daten. Bitte prüfen Sie das Aufnahmegerät."),
                       tr("Audiofehler"));
    });
    connect(Datei_laden, &QPushButton::clicked, this, &TMessmikrofon_Form::Datei_ladenClick);
    connect(Kalibrator_messen, &QPushButton::clicked, this, &TMessmikrofon_Form::Kalibrator_messenClick);
    connect(Uebernehmen, &QPushButton::clicked, this, &TMessmikrofon_Form::UebernehmenClick);
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::close);
    connect(Geraet, &QComboBox::activated, this, [this] { Geraet_gewaehlt(); });
}

TMessmikrofon_Form::~TMessmikrofon_Form()
{
    Messung_beenden();
}

void TMessmikrofon_Form::FormShow()
{
    gang_ = {};
    datei_.clear();
    Datei_Info->setText(tr("Keine Kalibrierdatei: Frequenzgang linear"));
    Kalibrator_Info->clear();
    QString geraet, eingang;
    if (const auto& k = Aktive_Mikrofon_Kalibrierung) {
        gang_ = k->Gang;
        datei_ = k->Kalibrierdatei;
        geraet = k->Geraet;
        eingang = k->Eingang;
        Empfindlichkeit->setText(Zahl(k->Empfindlichkeit_dBFS, 2));
        if (!datei_.isEmpty())
            //: %1 is the calibration file's name, %2 the number of points it holds
            Datei_Info->setText(
                tr("%1: %2 Punkte")
                    .arg(QFileInfo(datei_).fileName(), QString::number(gang_.Frequenz.size())));
    } else {
        Empfindlichkeit->clear();
    }
    Geraet->clear();
    Geraet->addItem(tr("Standardgerät"));
    if (Aufnehmer* a = Aufnehmer_eingesetzt())
        for (const Aufnehmer::Geraet& g : a->geraete())
            if (g.waehlbar)
                Geraet->addItem(g.name);
    Geraet->setCurrentIndex(std::max(0, Geraet->findText(geraet)));
    Geraet_gewaehlt();
    const int e = Eingang->findText(eingang);
    if (e >= 0)
        Eingang->setCurrentIndex(e);
}

void TMessmikrofon_Form::Geraet_gewaehlt()
{
    Eingang->clear();
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!a || !Bass_Aufnahme_Initialisierung())
        return;
    const QString name = Geraet->currentIndex() > 0 ? Geraet->currentText() : QString();
    if (!Geraet_Kanal_einstellen(*a, name, QString(), 1.0f))
        return;
    Eingang->addItems(a->eingaenge());
    Eingang->setCurrentIndex(Eingang->count() - 1);
}

void TMessmikrofon_Form::Datei_ladenClick()
{
    Dateidialog d;
    d.titel = tr("Kalibrierdatei des Mikrofons");
    d.filter = tr("Kalibrierdateien") + QStringLiteral(" (*.txt, *.cal, *.frd)|*.txt;*.cal;*.frd|") +
               tr("Alle Dateien") + QStringLiteral("|*");
    d.verzeichnis = Dokumente_pfad;
    const auto wahl = dialoge().datei_oeffnen(d);
    if (!wahl || wahl->pfad.isEmpty())
        return;
    Mikrofon_Frequenzgang g;
    QString fehler;
    if (!Kalibrierdatei_laden(wahl->pfad, g, fehler)) {
        //: %2 says what is wrong with the file
        Fehler_ausgabe(tr("Die Datei\r%1\rwird nicht verwendet. %2").arg(wahl->pfad, fehler),
                       tr("Eingabefehler"));
        return;
    }
    gang_ = std::move(g);
    datei_ = wahl->pfad;
    //: %1 is the file's name, %2 the number of points, %3 to %4 their frequency range
    QString info = tr("%1: %2 Punkte, %3 bis %4 Hz")
                       .arg(QFileInfo(datei_).fileName(), QString::number(gang_.Frequenz.size()),
                            Zahl(gang_.Frequenz.front(), 0), Zahl(gang_.Frequenz.back(), 0));
    if (gang_.Empfindlichkeit_dBFS) {
        Empfindlichkeit->setText(Zahl(*gang_.Empfindlichkeit_dBFS, 2));
        info += tr("; Empfindlichkeit aus der Datei übernommen");
    } else if (gang_.Empfindlichkeit_dBV) {
        info +=
            tr("; Empfindlichkeit laut Datei %1 dBV bei 94 dB SPL: bitte dBFS eingeben oder mit Kalibrator "
               "messen")
                .arg(Zahl(*gang_.Empfindlichkeit_dBV, 1));
    }
    Datei_Info->setText(info);
}

void TMessmikrofon_Form::Kalibrator_messenClick()
{
    if (misst_)
        return;
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!a || !Bass_Aufnahme_Initialisierung())
        return;
    const QString name = Geraet->currentIndex() > 0 ? Geraet->currentText() : QString();
    if (!Geraet_Kanal_einstellen(*a, name, Eingang->currentText(), 1.0f)) {
        Fehler_ausgabe(tr("Das Aufnahmegerät kann nicht eingerichtet werden."), tr("Audiofehler"));
        return;
    }
    sammler_.neu_beginnen();
    a->uebergabe().starten();
    verbindung_ = connect(a, &Aufnehmer::Puffer_da, this, &TMessmikrofon_Form::Puffer, Qt::QueuedConnection);
    if (!a->starten()) {
        a->uebergabe().anhalten();
        disconnect(verbindung_);
        Audio_Fehler(tr("Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein "
                        "anderes Programm ebenfalls auf die Audioaufnahme zu."));
        return;
    }
    misst_ = true;
    zeitgrenze_->start(10000);
    Kalibrator_messen->setEnabled(false);
    Uebernehmen->setEnabled(false);
    Kalibrator_Info->setText(tr("Messung läuft: 3 Sekunden …"));
}

void TMessmikrofon_Form::Puffer()
{
    Aufnehmer* a = Aufnehmer_eingesetzt();
    if (!misst_ || !a)
        return;
    uint32_t nummer = 0;
    if (!a->uebergabe().abholen(puffer_, nummer))
        return;
    sammler_.Puffer_anhaengen(puffer_.data(), puffer_.size());
    if (sammler_.Bloecke() >= Kalibrator_Bloecke) {
        Messung_beenden();
        Kalibrator_auswerten();
        return;
    }
    a->uebergabe().weiter_annehmen();
}

void TMessmikrofon_Form::Messung_beenden()
{
    if (!misst_)
        return;
    misst_ = false;
    zeitgrenze_->stop();
    disconnect(verbindung_);
    if (Aufnehmer* a = Aufnehmer_eingesetzt()) {
        a->uebergabe().anhalten();
        if (!a->stoppen())
            Audio_Fehler(tr("Aufnahmefehler!"));
    }
    Kalibrator_messen->setEnabled(true);
    Uebernehmen->setEnabled(true);
}

void TMessmikrofon_Form::Kalibrator_auswerten()
{
    const double kalibrator = Kalibrator->currentIndex() == 1 ? 114.0 : 94.0;
    if (sammler_.uebersteuert()) {
        Kalibrator_Info->setText(tr("Übersteuert: kein Ergebnis."));
        Fehler_ausgabe(tr("Die Aufnahme ist übersteuert. Bitte verringern Sie die "
                          "Eingangsempfindlichkeit des Aufnahmegeräts und messen Sie erneut."),
                       tr("Problem"));
        return;
    }
    // The tone's band: the 1-kHz bin +/- 4, as for the clean-tone check of the
    // level measurement.
    const int mitte = int(std::lround(1000.0 / (44100.0 / Spektrum_Sammler::FFT_Blockgroesse_Sammler)));
    const double band = sammler_.Band_dBFS(mitte - 4, mitte + 4);
    const double gesamt = sammler_.Gesamt_dBFS();
    const double s = Empfindlichkeit_aus_Kalibrator(band, kalibrator);
    QString fehler;
    if (gesamt - band > 1.0 || band < -120.0) {
        Kalibrator_Info->setText(tr("Kein sauberer 1-kHz-Ton: kein Ergebnis."));
        Fehler_ausgabe(tr("Es wurde kein sauberer Ton von 1 kHz aufgenommen. Bitte setzen Sie den "
                          "Kalibrator dicht auf das Mikrofon, schalten Sie ihn ein und messen Sie "
                          "erneut."),
                       tr("Problem"));
        return;
    }
    if (!Empfindlichkeit_pruefen(s, fehler)) {
        Kalibrator_Info->setText(tr("Kein brauchbares Ergebnis."));
        Fehler_ausgabe(fehler, tr("Problem"));
        return;
    }
    Empfindlichkeit->setText(Zahl(s, 2));
    Kalibrator_Info->setText(tr("Gemessen: %1 dBFS bei %2 dB SPL").arg(Zahl(band, 2), Zahl(kalibrator, 0)));
}

bool TMessmikrofon_Form::Empfindlichkeit_lesen(double& s)
{
    bool ok = false;
    StringzuDouble(Empfindlichkeit->text().trimmed(), s, ok);
    QString fehler;
    if (ok && Empfindlichkeit_pruefen(s, fehler))
        return true;
    Fehler_ausgabe(tr("Bitte geben Sie die Empfindlichkeit des Mikrofons in dBFS bei 94 dB SPL "
                      "ein (zwischen -100 und 0), oder messen Sie sie mit einem Kalibrator."),
                   tr("Eingabefehler"));
    Empfindlichkeit->setFocus();
    return false;
}

void TMessmikrofon_Form::UebernehmenClick()
{
    if (misst_)
        return;
    Mikrofon_Kalibrierung k;
    if (!Empfindlichkeit_lesen(k.Empfindlichkeit_dBFS))
        return;
    k.Gang = gang_;
    k.Kalibrierdatei = datei_;
    k.Datum = QDate::currentDate().toString(Qt::ISODate);
    k.Geraet = Geraet->currentIndex() > 0 ? Geraet->currentText() : QString();
    k.Eingang = Eingang->currentText();
    Mikrofon_Kalibrierung_anwenden(k);
    if (Aufnehmer* a = Aufnehmer_eingesetzt(); a && Bass_Aufnahme_Initialisierung())
        Geraet_Kanal_einstellen(*a, k.Geraet, k.Eingang, 1.0f);
    if (!Mikrofon_Kalibrierung_speichern(k))
        Fehler_bei_abspeichern();
    Messmikrofon_Anzeige_aktualisieren();
    close();
}

void TMessmikrofon_Form::closeEvent(QCloseEvent* e)
{
    Messung_beenden();
    QDialog::closeEvent(e);
}
