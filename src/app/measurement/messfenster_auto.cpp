// The automatic calibration in the measurement window: the run of the
// calibration state machine, driven by the main window's measurements.
#include "app/measurement/messfenster_intern.h"

#include "app/measurement/aufnahme.h"
#include "app/shell/fenster.h"
#include "core/acoustics/kv_fft.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/settings/einstellungen.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/shell/prioritaet.h"
#include "core/shell/uhr.h"
#include "core/shell/sprache.h"

#include <QApplication>
#include <QTimer>

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
    Panel0(tr("Aktiv"));
    Panel1(tr("Automatische Kalibrierung: %1 Hz")
               .arg(QString::number(Automatik.Frequenz(Auto_erste_Zeile), 'f', 0)));
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
            Panel0(tr("Aktiv"));
            Panel1(tr("Automatische Kalibrierung: %1 Hz")
                       .arg(QString::number(Automatik.Frequenz(x.wert), 'f', 0)));
            Lautstaerke_in_Trackbar(uint32_t(Auto_Startlautstaerke));
            Farbe_und_Fokus_start(x.wert);
            break;
        case Art::Messen:
            Aufnahme_anstossen();
            break;
        case Art::Fertig: {
            // The final message names inexact and overdriven rows.
            const Auto_Meldung m = Automatik.Schlussmeldung();
            Automatik.abbrechen();
            Prozessprioritaet_normal();
            Informations_ausgabe(m.text, m.titel);
            EinstellungenSpeichern1->setEnabled(true);
            StartKalibrierung1->setEnabled(true);
            Panel0(tr("Bereit"));
            Panel1(tr("Die Ergebnisse der Kalibrierung können nun abgespeichert werden."));
            return;
        }
        case Art::Fehlgeschlagen: {
            Automatik.abbrechen();
            Stop_Taste_druecken();
            sound_beenden();
            Prozessprioritaet_normal();
            const Auto_Meldung m = Auto_Fehlermeldung(x.fehler);
            Fehler_ausgabe(m.text, m.titel);
            Auto1_Leerlauf();
            return;
        }
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
                          tr("Bitte schließen Sie einen Kopfhörer an."), tr("Hinweis"), Antwort::Ok);
    Auto1_Leerlauf();
}

void TForm2::Auto1_Leerlauf()
{
    EinstellungenSpeichern1->setEnabled(false);
    StartKalibrierung1->setEnabled(true);
    Panel0(tr("Bereit"));
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
    Edit[size_t(zeile)]->setText(Zahltext(4, 1, pegel));
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

void TForm2::Auto1_Aufnahme_ausgefallen()
{
    if (Form2_Modus == 4 && Automatik.Auto_laeuft)
        Auto_Aktionen_ausfuehren(Automatik.Aufnahme_ausgefallen());
}
