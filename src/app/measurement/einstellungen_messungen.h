#pragma once
// The measurement window: one window for the hearing test (mode 0), the
// start/end volume per frequency (1), the calibration over the microphone
// voltage (2), the manual calibration (3) and the automatic calibration (4).
// 21 frequency rows in three blocks of seven, each with a frequency label,
// an edit (and a unit box in modes 3 and 4) and a Start/Stopp button.
// The members are defined in one file per task: einstellungen_messungen.cpp
// (the window, its modes and menu), messfenster_aufbau.cpp (the controls),
// messfenster_hoertest.cpp (the hearing test and the player),
// messfenster_pegel.cpp (level entry, the manual and the voltage calibration)
// and messfenster_auto.cpp (the automatic calibration).
#include "core/calibration/auto_kalibrierung.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <array>
#include <cstdint>

struct Einstellungstyp;

class Abspieler;
class Fensterwechsel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// Window state shared with the main window's launchers.
extern uint8_t Form2_Modus;         // 0..4
extern uint8_t Ohr_links;           // 1 = left ear (left channel), otherwise right
extern int aktive_Zeile;            // row whose tone runs, 0 = none
extern bool Form2_schliesst;        // closing or hidden: no deactivation question
extern bool Ergebnisse_uebernommen; // mode 0 results kept by "Übernehmen"
extern bool Ton_gestoppt;
extern bool Ton_wiederholen;

// Status line of a hearing-test row whose tone has played to its end.
inline QString Text_Ton_zu_Ende()
{
    return QCoreApplication::translate(
        "einstellungen_messungen",
        "Der Ton ist zu Ende. Bitte \"Stopp\" drücken: der Wert gilt dann als Grenze.");
}

class TForm2 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // The player that plays the tone files (owned elsewhere).
    void Abspieler_setzen(Abspieler* a);
    Abspieler* abspieler() const { return player_; }

    // Launchers (run by the main window while this window is hidden).
    void Form2_erscheint_Messungen(uint8_t links);
    void Form2_erscheint_Einstellungen(uint8_t links);
    void Form2_erscheint_Spannung(uint8_t links);
    void Form2_erscheint_Schallpegel(uint8_t links);
    void Form2_erscheint_Auto1(uint8_t links);

    // Enabling helpers.
    void Form2Alle_ComboBoxen_einschalten();
    void Form2Alle_ComboBoxen_ausschalten();
    void Form2Alle_ComboBoxen_enabled();
    void Form2Alle_ComboBoxen_nichtenabled();
    void Form2Alle_ComboBoxen_dBA();
    void Form2Alle_Buttons_sichtbar();
    void Form2Alle_Buttons_einschalten();
    void Form2Andere_Buttons_abschalten(int zeile);
    void Form2Alle_Edit_textweg();
    void Form2Alle_Edits_aus_grau();
    void Form2aktiver_Edit_einschalten(int zeile);
    void Farben_Messung_Zuweisung(int ohr);
    // The colour of one row of the ear (1 left, 2 right) from Farben_Messung.
    void Zeilenfarbe_zuweisen(int ohr, int zeile);
    void kvPlayer_unsichtbar() {}

    void Einstellungen_in_Form2_schreiben();
    void StatusBar_Text();
    void Form2_Messung_neu();
    void Form2GeomEinstellungen();

    // Menu.
    void Neu1Click();
    void Rechtsuebernehmen1Click();
    void EinstellungenSpeichern1Click();
    void Abbrechen2Click();
    void StartKalibrierung1Click();

    // Automatic calibration (mode 4): the run of Automatik, driven by the
    // main window's measurements.
    void Auto1_start();
    void Auto1_eineFrequenz(const Messergebnis& m);
    // The row's result: level with one decimal, yellow when inexact, else
    // money green; unit dB(A) or dB.
    void Ausgabe_dBA_auto(int zeile, double pegel, bool ungenau, bool dBA);
    void Farbe_und_Fokus_start(int zeile);
    // Waits until the tone is heard; false after 2 s without sound.
    bool warten_bis_ton_erklingt();
    // After a failed run: only "Start Kalibrierung" enabled, the settings back in the window.
    void Auto1_Leerlauf();
    // The recording has delivered no buffer for 2 s: the run ends with a message.
    void Auto1_Aufnahme_ausgefallen();

    // Rows.
    void ButtonClick(int zeile);
    void DrueckeButton_Einstellungen(int zeile);

    // Playback.
    void Ton_abnehmend(bool links, int zeile, float frequenz);
    void Ton_konstant(bool links, uint32_t N, float frequenz);
    void Ton_auto(bool links, uint32_t N, bool neu, float frequenz);
    void Konstanten_Ton_spielen(bool links, uint32_t N, bool neu, float frequenz, bool wiederholen);
    void abspielen(const QString& datei);
    void sound_beenden();
    void Mediaplayer_schliessen();
    void Mediaplayer_Datei_freigeben(const QString& datei);
    double ZeitMediaplayer_s() const;
    void MediaPlayer1Notify();
    void Druck_ausgeben(bool links, int zeile);
    void Hoertest_Form2AbbrechenClick();

    // Volume controls.
    void TrackBar1Change();
    void TrackBar2Change();
    void Lautstaerke_in_Trackbar(uint32_t lautstaerke);
    void Eine_Spannung_ausgeben(bool links, int zeile);

    // Level entry (modes 1..4).
    // Window -> settings record for the ear (links): levels or voltages of the
    // rows, the reference level (mode 2), the working volumes, the units
    // (modes 3, 4), the microphone factors; then the ear's results are cleared.
    void Einstellungen_uebernehmen(Einstellungstyp& e, bool links);
    // Input checks of a row edit (modes 1..3) and of Edit22; true when the
    // entry is wrong (after the message, with the focus back in the edit).
    bool FalscheZahleneingabe(QLineEdit* edit);
    bool FalscheDezibeleingabe(QLineEdit* edit);
    void EditExit(int i); // Edit1Exit .. Edit21Exit, Edit22Exit for i = 22
    void Edit22Exit() { EditExit(22); }
    uint32_t* Arbeitslautstaerken(); // working volumes of the current ear and group

    // Asks before a volume change of the row plays a very loud tone (modes 0..3):
    // true when the tone may play at `neu` (no question needed or "OK").
    bool Lauter_Ton_erlaubt(uint32_t alt, uint32_t neu, bool links, int zeile);
    // The ear's calibration in the status bar; in mode 4 also that the
    // headphone lies on the microphone, not on an ear.
    void Eichzustand_zeigen();
    QLabel* Eichzustand_Label = nullptr;

    // Status bar panels.
    void Panel0(const QString& t);
    void Panel1(const QString& t);
    QString panel0() const;
    QString panel1() const;

    // Controls, by the names the program uses (index 1..21; 0 unused).
    std::array<QPushButton*, 22> Button{};
    std::array<QLabel*, 22> StaticText{};
    std::array<QLineEdit*, 23> Edit{}; // 22 = the reference level above row 5
    std::array<QComboBox*, 22> ComboBox{};
    QLabel* StaticText22 = nullptr; // "Minimum" (coarse)
    QLabel* StaticText23 = nullptr; // coarse bar title
    QLabel* StaticText24 = nullptr; // value line captions of the three blocks
    QLabel* StaticText25 = nullptr;
    QLabel* StaticText26 = nullptr;
    QLabel* StaticText28 = nullptr; // "Frequenz" headings
    QLabel* StaticText29 = nullptr;
    QLabel* StaticText30 = nullptr;
    QLabel* StaticText31 = nullptr; // "Schallpegel in dB(A)"
    QLabel* StaticText32 = nullptr; // "Maximum" (coarse)
    QLabel* Label1 = nullptr;       // fine bar title
    QLabel* Label2 = nullptr;       // "Minimum" (fine)
    QLabel* Label3 = nullptr;       // "Maximum" (fine)
    QSlider* TrackBar1 = nullptr;   // fine 1..6000
    QSlider* TrackBar2 = nullptr;   // coarse 0..5953 (x 10)
    QAction* Neu1 = nullptr;
    QAction* Rechtsuebernehmen1 = nullptr;
    QAction* EinstellungenSpeichern1 = nullptr;
    QAction* Abbrechen2 = nullptr;
    QAction* StartKalibrierung1 = nullptr;

    int Kalibrierart() const;      // calibration kind s of the mode
    int Lautstaerkegruppe() const; // volume group v of the mode

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Geometrie_Einstellungen();
    void Launcher_Modi_1_bis_4(uint8_t links);
    void FormDeactivate();
    void Trackbars_zeigen(bool sichtbar);
    void Hoehe_anpassen();
    void Edit_farbe(int i, const QColor& hintergrund, const QColor& schrift);
    void Trackbar_geaendert();
    void Auto_Aktionen_ausfuehren(const Auto_Aktionen& aktionen);
    void Auto1_abbrechen(bool ton_fehlt);
    // Yes/No question (default No) before results are discarded; true for Yes.
    bool Verwerfen_bestaetigt(const QString& frage);
    // Closing the hearing test without "Übernehmen": true when the ear keeps
    // what it had accepted before (restored; the rows measured since are
    // dropped). Asks only when this window measured something new.
    bool Uebernommene_behalten();

    Abspieler* player_ = nullptr;
    QLabel* panel0_ = nullptr;
    QLabel* panel1_ = nullptr;
    bool frage_offen_ = false;
    Fensterwechsel* wechsel_ = nullptr;
    bool trackbar_setzt_ = false;
    // The volume a track-bar move is measured against: the one that played
    // when the row started, the bar was pressed, or a loud tone was confirmed.
    uint32_t laut_bezug_ = 0;
    bool laut_pruefen_ = true; // false while the program itself sets the bars
    bool eingabemeldung_offen_ = false;
    int auto_lauf_ = 0; // counts the runs: actions of an earlier run stop
};

extern TForm2* Form2;
