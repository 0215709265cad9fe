#pragma once
// The main window: title picture, the main menu from which every activity
// starts, start-up and shut-down.
#include "app/shell/fenster.h"

#include <QMainWindow>

#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class TBezugshoerer_Form;
class TErste_Schritte_Form;
class QTimer;

class TForm1 : public QMainWindow, public Hauptfenster
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: settings folder, base settings, current settings file.
    void FormCreate();

    // Menu blocking while the measurement or frequency-response window is open.
    void ausschalten_Menu_Form1();
    void einschalten_Menu_Form1() override;
    QWidget* widget() override { return this; }
    // Closes the chart window and the three table windows.
    void ErgebnisFenster_schliessen();

    // Menu handlers.
    void Hrtest1Click();
    void HoertestLinkesOhr1Click();
    void HoertestRechtesOhr1Click();
    void Schaubild1Click();
    void abelle1Click();
    void abelleNormhrschwelle1Click();
    void abelle0dBAKurve1Click();
    void Audiogramm1Click();
    void Einstellungen1Click();
    void VermeidungvonRckkopplungenbeiMikrofonaufnahmenurXP1Click();
    void MaximaleGesamtlautstrke1Click();
    void Optionen1Click();
    void Lautstaerkelinks1Click();
    void Lautstaerkerechts1Click();
    void EinstellungenQuarvelSchallpegelmesserladen1Click();
    void Autolinks1Click();
    void Autorechts1Click();
    void Schalldruckpegellinks1Click();
    void Schalldruckpegelrechts1Click();
    void Mikrofonspannunglinks1Click();
    void Mikrofonspannungrechts1Click();
    void FrequenzgangMikrofon1Click();
    void Einstellungenladen1Click();
    void Info1Click();
    void Beenden1Click();
    void Verlauf1Click();
    void Bezugshoerer1Click();
    void ErsteSchritte1Click();

    // The calibration state of both ears in the status bar.
    void Eichzustand_anzeigen();
    QLabel* Eichzustand_Label = nullptr;
    TBezugshoerer_Form* Bezugshoerer_Form = nullptr;  // made on first use
    TErste_Schritte_Form* Erste_Schritte = nullptr;   // made on first use

    QAction* Autolinks1 = nullptr;
    QAction* Autorechts1 = nullptr;
    QAction* Schalldruckpegel1 = nullptr; // "Manuelle Kalibrierung "
    QAction* Mikrofonspannung1 = nullptr; // "Kalibrierung über Mikrofonspannung"
    QMenu* Hrtest1 = nullptr;             // "Vazozez"
    QMenu* Testergebnisse1 = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QAction* Info1 = nullptr;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

    // The wave-output volume found at start, written back when the program ends.
    uint32_t Gespeicherte_Wellenlautstaerke = 0;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Menue_anlegen();
    // The hearing test of one ear; with `fuehrung` the first-start guide is
    // offered once while no ear has a calibration of its own.
    void Hoertest_oeffnen(bool links, bool fuehrung);
    void Erste_Schritte_zeigen(QWidget* eltern);
    QAction* eintrag(QMenu* menu, const QString& text, const char* name, void (TForm1::*handler)(),
                     bool sichtbar = true);
};

// The main window of the running program (null before it exists).
extern TForm1* Form1;
