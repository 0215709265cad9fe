#pragma once
// "Messmikrofon einrichten …": the recording device and input, the
// microphone's calibration file, its sensitivity in dBFS at 94 dB SPL (typed,
// from the file, or measured with a 94 or 114 dB calibrator at 1 kHz), and
// "Übernehmen", which makes it the program's meter calibration, keeps it in
// the settings folder and says so in the main window.
//
// The main window hands over its window, its two entries of the automatic
// calibration and a line of its status bar (Messmikrofon_im_Hauptfenster);
// at start the stored calibration is loaded there.
#include "core/acoustics/pegelanzeige.h"
#include "core/calibration/messmikrofon.h"

#include <QDialog>

#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QTimer;

// Start-up: the status line, the stored calibration loaded (a refused file
// is reported and stays unused). `links`/`rechts` are enabled while a
// calibration is active.
void Messmikrofon_im_Hauptfenster(QMainWindow* fenster, QAction* links, QAction* rechts);
// The status line after a change (also after the meter's files were imported).
void Messmikrofon_Anzeige_aktualisieren();
// The meter's files replace the microphone's calibration in memory.
void Messmikrofon_durch_Messgeraet_ersetzt();
// Shows the window (modal, a child of the main window).
void Messmikrofon_einrichten(QWidget* hauptfenster);

class TMessmikrofon_Form : public QDialog
{
    Q_OBJECT
public:
    // Length of the calibrator's recording, in recorded blocks (about 3 s).
    static constexpr int Kalibrator_Bloecke = 32;

    explicit TMessmikrofon_Form(QWidget* parent = nullptr);
    ~TMessmikrofon_Form() override;

    // Fills the window from the active calibration and the devices.
    void FormShow();
    void Datei_ladenClick();
    void Kalibrator_messenClick();
    void UebernehmenClick();

    QComboBox* Geraet = nullptr;
    QComboBox* Eingang = nullptr;
    QPushButton* Datei_laden = nullptr;
    QLabel* Datei_Info = nullptr;
    QLineEdit* Empfindlichkeit = nullptr;
    QComboBox* Kalibrator = nullptr; // "94 dB" / "114 dB"
    QPushButton* Kalibrator_messen = nullptr;
    QLabel* Kalibrator_Info = nullptr;
    QPushButton* Uebernehmen = nullptr;
    QPushButton* Abbrechen = nullptr;

    bool misst() const { return misst_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Geraet_gewaehlt();
    void Puffer();
    void Kalibrator_auswerten();
    void Messung_beenden();
    bool Empfindlichkeit_lesen(double& s);

    Mikrofon_Frequenzgang gang_;
    QString datei_;
    Spektrum_Sammler sammler_;
    std::vector<int16_t> puffer_;
    QMetaObject::Connection verbindung_;
    QTimer* zeitgrenze_ = nullptr;
    bool misst_ = false;
};
