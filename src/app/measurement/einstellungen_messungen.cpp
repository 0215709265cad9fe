// The measurement window and its modes: the window's life, the launchers of
// the five modes, the menu, and the settings shown in the rows.
#include "app/measurement/einstellungen_messungen.h"
#include "app/measurement/messfenster_intern.h"
#include "app/measurement/ruhepegel.h"

#include "app/measurement/aufnahme.h"
#include "app/settings/einstellungsdatei_waehlen.h"
#include "app/shell/fenster.h"
#include "app/shell/fensterwechsel.h"
#include "app/shell/menue.h"
#include "app/results/verlauf_unit.h"
#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/eichzustand.h"
#include "core/settings/einstellungen.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/prioritaet.h"
#include "platform/audio/abspieler.h"
#include "core/shell/sprache.h"

#include <QCloseEvent>

uint8_t Form2_Modus = 0;
uint8_t Ohr_links = 1;
int aktive_Zeile = 0;
bool Form2_schliesst = true;
bool Ergebnisse_uebernommen = false;
bool Ton_gestoppt = true;
bool Ton_wiederholen = false;

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QMainWindow(parent)
{
    Form2 = this;
    Fenster.Form2 = this;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Einstellungen Links: Anfangslautstärke übernehmen"));
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

// ---- Settings -> window -------------------------------------------------------

void TForm2::Einstellungen_in_Form2_schreiben()
{
    const int s = Kalibrierart();
    const int e = ohr_index();
    if (Form2_Modus >= 1) {
        for (int i = 1; i <= Zeilen; ++i)
            Edit[size_t(i)]->setText(Zahl_anzeigen(Spannung_string(Einstellungen, s, e, i).text()));
        if (Form2_Modus == 2)
            Edit[22]->setText(Zahl_anzeigen(links() ? Einstellungen.db_1000Hz_l_string.text()
                                                    : Einstellungen.db_1000Hz_r_string.text()));
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
            const size_t k = size_t(Druck_index(links(), i));
            const long double L = Pa_in_dB(Hoertest_Druck[k]);
            if (L > -100.0L)
                Edit[size_t(i)]->setText(Mit_Grenzzeichen(Zahltext(12, 1, L), Hoertest_nach_Tonende[k]));
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
    const QString P = Einstellungen.pulsierend ? tr("Pulsierender Ton (Amplitudenmodulation mit 4 Hz), ")
                                               : tr("Nicht pulsierend, ");
    const QString A = Einstellungen.zunehmend ? tr("Amplitude exponentiell zunehmend")
                                              : tr("Amplitude exponentiell abnehmend");
    //: %1 the kind of tone ("Pulsierender Ton …, " or "Nicht pulsierend, "), %2 its amplitude course
    Panel1(tr("Einstellungen: %1%2").arg(P, A));
}

void TForm2::Form2_Messung_neu()
{
    Druck_string_null(links());
    Farben_Messung_grau(links() ? 1 : 2);
    Farben_Messung_Zuweisung(links() ? 1 : 2);
    Ruhepegel_Ohr_leeren(this, links());
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
    Panel0(tr("Bereit"));
    Panel1(QStringLiteral(" "));
    Form2Alle_Buttons_sichtbar();
    if (Form2_Modus != 2)
        EinstellungenSpeichern1->setText(tr("Speichern"));
    //: Window title: %1 is what the window sets for this channel
    const QString kanal = l ? tr("Linker Kanal: %1") : tr("Rechter Kanal: %1");
    switch (Form2_Modus) {
    case 1:
        setWindowTitle(kanal.arg(tr("Anfangs- bzw. Endlautstärke")));
        break;
    case 2:
        setWindowTitle(kanal.arg(tr("Kalibrierung über Mikrofonspannung")));
        break;
    case 3:
        setWindowTitle(kanal.arg(tr("Manuelle Kalibrierung")));
        break;
    default:
        setWindowTitle(kanal.arg(tr("Automatische Kalibrierung")));
        break;
    }
    if (!auto_modus)
        Rechtsuebernehmen1->setText(l ? tr("Von rechts übernehmen") : tr("Von links übernehmen"));
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
    Eichzustand_zeigen();
    Form2GeomEinstellungen();
    Einstellungen_in_Form2_schreiben();
    Form2Alle_Edits_aus_grau();
    StaticText23->setText(tr("Lautstärke Grobeinstellung"));
    Label1->setText(tr("Lautstärke Feineinstellung"));
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
    Panel0(tr("Bereit"));
    StatusBar_Text();
    if (Fenster.Form3)
        Fenster.Form3->hide();
    Neu1->setEnabled(true);
    Neu1->setVisible(true);
    Rechtsuebernehmen1->setEnabled(false);
    Rechtsuebernehmen1->setVisible(false);
    StartKalibrierung1->setEnabled(false);
    StartKalibrierung1->setVisible(false);
    EinstellungenSpeichern1->setText(tr("Übernehmen"));
    setWindowTitle(ohr == 1 ? tr("Hörschwelle: Linkes Ohr") : tr("Hörschwelle: Rechtes Ohr"));
    Einstellungen_von_Festplatte_holen();
    Eichzustand_zeigen();
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
    Ruhepegel_Sitzung_beginnt(this, ohr == 1);
}

// ---- Menu -------------------------------------------------------------------------

void TForm2::Neu1Click()
{
    // Results accepted with "Übernehmen" go only after a question.
    const auto& u = Hoertest_uebernommen[size_t(ohr_index())];
    if (u && !u->werte.leer() &&
        !Verwerfen_bestaetigt(
            links() ? tr("Sollen die übernommenen Ergebnisse des linken Ohrs verworfen werden?")
                    : tr("Sollen die übernommenen Ergebnisse des rechten Ohrs verworfen werden?")))
        return;
    Form2_Messung_neu();
    Einstellungen_in_Form2_schreiben();
}

bool TForm2::Verwerfen_bestaetigt(const QString& frage)
{
    return dialoge().meldung(Symbol::Frage, Knoepfe::JaNein, frage, tr("Frage"), Antwort::Nein) ==
           Antwort::Ja;
}

bool TForm2::Uebernommene_behalten()
{
    if (Form2_Modus != 0)
        return false;
    const auto& u = Hoertest_uebernommen[size_t(ohr_index())];
    if (!u || u->werte.leer())
        return false;
    // Only looked at: nothing changes.
    if (Ohr_Ergebnisse_holen(links()) == u->werte)
        return true;
    if (Verwerfen_bestaetigt(links()
                                 ? tr("Die neuen Messungen werden nicht übernommen. Sollen auch die zuvor "
                                      "übernommenen Ergebnisse des linken Ohrs verworfen werden?")
                                 : tr("Die neuen Messungen werden nicht übernommen. Sollen auch die zuvor "
                                      "übernommenen Ergebnisse des rechten Ohrs verworfen werden?")))
        return false;
    Ohr_Ergebnisse_setzen(links(), u->werte);
    return true;
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
        // Closing has stored a still running row; the ear's results are now
        // kept as accepted and go into the history. A failure there is
        // reported and changes nothing.
        Hoertest_uebernommen[size_t(ohr_index())] = Uebernommene_Ergebnisse{Ohr_Ergebnisse_holen(links()), 0};
        Test_in_Verlauf_speichern(links());
        return;
    }
    // A row outside its range is named before anything is saved; saving
    // would keep that row's old value without a word.
    for (int i = 1; i <= Zeilen; ++i)
        if (FalscheZahleneingabe(Edit[size_t(i)]))
            return;
    if (Form2_Modus == 2 && FalscheDezibeleingabe(Edit[22]))
        return;
    const auto pfad = Einstellungsdatei_waehlen(Endungsregel::erzwingen);
    if (!pfad)
        return;
    Einstellungen_uebernehmen(Einstellungen, links());
    string_zu_Dateiname1_6(*pfad);
    // A saved calibration notes its kind and date; the start volumes (mode 1) are none.
    if (Einstellungen_speichern_Festplatte() && Form2_Modus >= 2)
        Eichzustand_merken(Einstellungen, links(),
                           Form2_Modus == 2   ? Eichart::Mikrofonspannung
                           : Form2_Modus == 3 ? Eichart::Schallpegelmesser
                                              : Eichart::automatisch,
                           QDate::currentDate());
    sound_beenden();
    close();
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
    if (Fenster.Form1)
        Fenster.Form1->einschalten_Menu_Form1();
    if (Form2_Modus <= 3 && aktive_Zeile != 0) {
        // The running row is stopped as if its button were pressed; in the
        // hearing test this stores its result first.
        DrueckeButton_Einstellungen(aktive_Zeile);
    }
    Mediaplayer_schliessen();
    if (!Ergebnisse_uebernommen && !Uebernommene_behalten())
        Hoertest_Form2AbbrechenClick();
    if (Form2_Modus == 0)
        Ruhepegel_beenden(this, links(), !Ergebnisse_uebernommen);
    Form2Alle_ComboBoxen_enabled();
    e->accept();
}

void TForm2::FormDeactivate()
{
    if (Form2_schliesst || frage_offen_)
        return;
    QString frage;
    if (Form2_Modus == 0)
        frage = tr("Soll der Vazozez abgebrochen werden?");
    else if (Form2_Modus == 1)
        frage = tr("Soll die Lautstärkeeinstellung abgebrochen werden?");
    else
        frage = tr("Soll die Kalibrierung abgebrochen werden?");
    frage_offen_ = true;
    const Antwort a = dialoge().meldung(Symbol::Frage, Knoepfe::JaNein, frage, tr("Frage"), Antwort::Nein);
    frage_offen_ = false;
    if (a == Antwort::Ja) {
        close();
    } else {
        raise();
        activateWindow();
    }
}
