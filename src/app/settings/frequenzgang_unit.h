#pragma once
// The microphone's frequency response G(f) in dB for the 21 test frequencies,
// used by the calibration over the microphone voltage. Saving writes a
// settings file and recomputes both ears' Pa-per-volt factors; no tone files
// are touched. The main window's menus stay blocked while the window is open.
#include "core/settings/records.h"

#include <QMainWindow>

#include <array>

class Fensterwechsel;
class QAction;
class QLabel;
class QLineEdit;

class TForm6 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

    // Layout, size limits and column labels.
    void Form6GeomEinstellungen();
    // Settings -> window.
    void Einstellungen_in_Form6_schreiben();
    // Window -> settings record (always Einstellungen).
    void Frequenzgang_uebernehmen(Einstellungstyp& e);
    // Checks one edit; true when it holds no number (after the message).
    bool FalscheZahleneingabe(QLineEdit* edit);
    bool Eingabe_falsch() const { return falsch_; }
    bool schliesst() const { return schliesst_; }
    QLineEdit* letztes_Edit() const { return letztes_; }

    void EinstellungenSpeichern1Click();
    void Abbrechen1Click();
    void EditEnter(int zeile); // Edit1Enter .. Edit21Enter
    void EditExit(int zeile);  // Edit1Exit .. Edit21Exit
    void FormDeactivate();

    std::array<QLineEdit*, 22> Edit{};    // 1..21
    std::array<QLabel*, 31> StaticText{}; // 1..21 frequencies, 24..26 "G(f) in dB", 28..30 "Frequenz"
    QLabel* StatusBar1Panel0 = nullptr;
    QAction* EinstellungenSpeichern1 = nullptr;
    QAction* Abbrechen1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Geometrie_Einstellungen();

    Fensterwechsel* wechsel_ = nullptr;
    QLineEdit* letztes_ = nullptr;
    bool falsch_ = false;
    bool schliesst_ = false;
    bool frage_offen_ = false;
};

extern TForm6* Form6;
