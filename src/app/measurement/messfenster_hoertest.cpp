// The hearing test in the measurement window: the rows' Start/Stopp buttons,
// the player of the tone files, and the threshold of a "Stopp".
#include "app/measurement/messfenster_intern.h"
#include "app/measurement/ruhepegel.h"

#include "core/acoustics/physik_hoertest.h"
#include "core/results/hoertest_druck.h"
#include "core/settings/einstellungen.h"
#include "core/settings/pegeleingabe.h"
#include "core/shell/dialoge.h"
#include "core/shell/kvhilf.h"
#include "core/shell/meldungen.h"
#include "core/tones/kvwave.h"
#include "platform/audio/abspieler.h"
#include "core/shell/sprache.h"

#include <QApplication>

namespace
{

// Whether the tone of the active row really started playing; a row whose
// tone never played yields no hearing threshold.
bool ton_lief = false;
// The channel volume the active row's tone plays at.
uint32_t ton_volumen = 0;

} // namespace

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
                // A press after the end, or after the tone fell silent at the
                // output, gives only a bound of the threshold.
                const Stopp_Bewertung b =
                    Stopp_bewerten(ZeitMediaplayer_s(), Einstellungen.zunehmend != 0, ton_volumen);
                Hoertest_Druck_berechnen(l, zeile, b.t_s, Hoertest_Druck, Hoertest_Druck_string);
                Hoertest_nach_Tonende[size_t(Druck_index(l, zeile))] = b.tonende;
                Druck_ausgeben(l, zeile);
            } else {
                // Nothing measured: the row shows its stored result's colour again.
                Zeilenfarbe_zuweisen(l ? 1 : 2, zeile);
            }
            Panel0(tr("Bereit"));
            StatusBar_Text();
            Ruhepegel_Zeile_endet(this, l, zeile, ton_lief);
        }
        Button[size_t(zeile)]->setText(tr("Start"));
        aktive_Zeile = 0;
        ton_lief = false;
        sound_beenden();
        Form2Alle_Buttons_einschalten();
        if (Form2_Modus >= 1) {
            Trackbars_zeigen(false);
            if (Form2_Modus == 1)
                Eine_Spannung_ausgeben(l, zeile);
            Form2Alle_Edits_aus_grau();
            Panel0(tr("Bereit"));
            Panel1(QStringLiteral(" "));
        }
        return;
    }
    if (aktive_Zeile != 0)
        return; // another row is running; its button is the only one shown
    if (Form2_Modus == 0 && !Ruhepegel_vor_Zeile(this, l))
        return;
    // A row whose start level lies above the limit starts only when confirmed.
    const uint32_t start = Form2_Modus == 0 ? (l ? Links_Volume(Einstellungen, 3, zeile)
                                                 : Rechts_Volume(Einstellungen, 3, zeile))
                                            : (l ? Lautstaerke_links : Lautstaerke_rechts)[v][zeile];
    if (Form2_Modus <= 3 && !Lauter_Ton_erlaubt(0, start, l, zeile))
        return;
    Button[size_t(zeile)]->setText(tr("Stopp"));
    aktive_Zeile = zeile;
    ton_lief = false;
    Form2Andere_Buttons_abschalten(zeile);
    const float f = float(Frequenz(zeile));
    if (Form2_Modus == 0) {
        Edit_farbe(zeile, QApplication::palette().color(QPalette::Base),
                   QApplication::palette().color(QPalette::Text));
        ton_volumen = std::min<uint32_t>(
            l ? Links_Volume(Einstellungen, 3, zeile) : Rechts_Volume(Einstellungen, 3, zeile), 65535);
        if (l)
            SetWaveVolume(uint16_t(ton_volumen), 0);
        else
            SetWaveVolume(0, uint16_t(ton_volumen));
        Panel1(tr("Ton wird erzeugt. Bitte warten."));
        Panel0(tr("Aktiv"));
        Ton_abnehmend(l, zeile, f);
        if (aktive_Zeile == zeile)
            StatusBar_Text();
        Ruhepegel_Zeile_beginnt(this, l, zeile);
        return;
    }
    Trackbars_zeigen(true);
    Form2aktiver_Edit_einschalten(zeile);
    Panel1(tr("Ton wird erzeugt. Bitte warten."));
    Lautstaerke_in_Trackbar(l ? Lautstaerke_links[v][zeile] : Lautstaerke_rechts[v][zeile]);
    Panel0(tr("Aktiv"));
    Ton_konstant(l, 3000, f);
    if (aktive_Zeile != zeile)
        return;
    switch (Form2_Modus) {
    case 1:
        Panel1(tr("Lautstärke einstellen"));
        break;
    case 2:
        Panel1(zeile == 5 ? tr("Lautstärke einstellen, Mikrofonspannung und Schallpegel messen und eingeben")
                          : tr("Lautstärke einstellen, Mikrofonspannung messen und eingeben"));
        break;
    default:
        Panel1(tr("Lautstärke einstellen, Schalldruckpegel messen und eingeben"));
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
        Fehler_ausgabe(tr("Datei nicht vorhanden"), tr("Problem"));
        return;
    }
    // The end of play is reported in every mode: the constant tones start
    // again, the hearing test says that its tone is over.
    const bool ok = player_ && player_->oeffnen(datei) &&
                    (player_->wiederholen_setzen(Ton_wiederholen), player_->benachrichtigen_setzen(true),
                     player_->abspielen());
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
                      tr("Bitte schließen Sie einen Kopfhörer an."), tr("Hinweis"), Antwort::Ok);
    if (Form2_Modus == 4)
        return; // the automatic calibration ends its run itself
    const int zeile = aktive_Zeile;
    if (zeile >= 1 && zeile <= Zeilen) {
        Button[size_t(zeile)]->setText(tr("Start"));
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
        Panel0(tr("Bereit"));
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
        return;
    }
    // The hearing-test tone has played to its end while its row waits for "Stopp".
    if (!Ton_gestoppt && Form2_Modus == 0 && aktive_Zeile != 0 && ton_lief)
        Panel1(Text_Ton_zu_Ende());
}

void TForm2::Druck_ausgeben(bool l, int zeile)
{
    const int ohr = l ? 1 : 2;
    Farben_Messung[ohr][zeile] = l ? Farbe_links_gemessen : Farbe_rechts_gemessen;
    Edit_farbe(zeile, farbe(Farben_Messung[ohr][zeile]), Qt::white);
    const size_t i = size_t(Druck_index(l, zeile));
    Edit[size_t(zeile)]->setText(
        Mit_Grenzzeichen(Zahltext(12, 1, Pa_in_dB(Hoertest_Druck[i])), Hoertest_nach_Tonende[i]));
}

void TForm2::Hoertest_Form2AbbrechenClick()
{
    sound_beenden();
    Druck_string_null(links());
    Farben_Messung_grau(links() ? 1 : 2);
}
