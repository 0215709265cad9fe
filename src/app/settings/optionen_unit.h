#pragma once
// The options window: the 21 test frequencies, pure or pulsing tone, falling
// or rising amplitude, and whether the tone files stay on disk or are made
// anew for every tone. Saving writes a settings file and brings the stored
// tone files up to date; the window closes as soon as it loses the focus.
#include "core/settings/records.h"

#include <QMainWindow>

#include <array>

class Fensterwechsel;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

class TForm4 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    // Page layout and the memo texts.
    void GeoEinstellungen_Form4();
    // Settings -> window.
    void Einstellungen_in_Form4_schreiben();
    // Window -> settings record (always Einstellungen); deletes the stored
    // tone files when every tone is to be made anew.
    void Einstellungen_Frequenz_uebernehmen(Einstellungstyp& e);
    // Checks one frequency edit; true when the entry is wrong (after the message).
    bool FalscheZahleneingabe2(QLineEdit* edit);
    bool Eingabe_falsch() const { return falsch_; }
    QLineEdit* letztes_Edit() const { return letztes_; }

    void EinstellungenSpeichern1Click();
    void Abbrechen1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click() {}
    void CheckBox8Click() {}
    void EditEnter(int zeile); // Edit1Enter .. Edit21Enter
    void EditExit(int zeile);  // Edit1Exit .. Edit21Exit
    void FormDeactivate();

    std::array<QLineEdit*, 22> Edit{};     // 1..21
    std::array<QCheckBox*, 7> CheckBox{};  // 1..6
    std::array<QPlainTextEdit*, 7> Memo{}; // 1..6
    QTabWidget* PageControl1 = nullptr;
    QWidget* FreqTabSheet = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* PulsTonSheet = nullptr;
    QWidget* TabSheet2 = nullptr;
    QAction* EinstellungenSpeichern1 = nullptr;
    QAction* Abbrechen1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Geometrie_Einstellungen();
    void Paar(int geklickt, int anderes);
    // The disk space lines of Memo1 and Memo2 for the amplitude ticked now.
    void Speicherbedarf_zeigen();

    Fensterwechsel* wechsel_ = nullptr;
    QLineEdit* letztes_ = nullptr;
    bool falsch_ = false;
    bool meldung_offen_ = false;
};

extern TForm4* Form4;
