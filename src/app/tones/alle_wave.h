#pragma once
// The stored set of hearing-test tone files: the notice window that asks the
// user to wait (TForm5) and the background thread that writes all 42 files
// (TWave_erzeugen). The main window stays disabled while the thread runs.
#include <QDialog>
#include <QThread>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

class QLabel;
class QProgressBar;

class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    // Starts the generation of the stored set when it is missing or stale.
    void FormCreate();

    QLabel* StaticText1;
    QLabel* StaticText2;
    QLabel* StaticText3;
    QLabel* StaticText4;
    QLabel* StaticText5;
    QLabel* StaticText6;
    QProgressBar* ProgressBar1;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override {} // no closing by Escape while the files are written

private:
    void Geometrie_Einstellungen();
};

class TWave_erzeugen : public QThread
{
    Q_OBJECT
public:
    explicit TWave_erzeugen(QObject* parent = nullptr);
    ~TWave_erzeugen() override;

    // Asks the thread to stop and waits for it, keeping the window thread
    // responsive to the thread's calls meanwhile.
    void beenden_und_warten();
    bool abbruch_verlangt() const { return abbrechen_.load(); }

    // Main-thread steps, called synchronously by the worker.
    Q_INVOKABLE void Balken_weiter();
    Q_INVOKABLE void Fenster_zu();
    Q_INVOKABLE void Erfolgsmeldung();
    Q_INVOKABLE void Fehlermeldung();
    Q_INVOKABLE void Form1_enabled();
    Q_INVOKABLE void speichern();
    Q_INVOKABLE void Zeile_fertig(int zeile);
    // Runs the step handed over by im_Fensterthread (on the window thread).
    Q_INVOKABLE void Schritt_ausfuehren();

protected:
    void run() override; // Execute

private:
    friend void alle_wave_Dat_erz();
    // Runs `schritt` on the window thread and waits for it. The step goes
    // through a mutex of the program's own, so that what either side wrote
    // before is visible to the other afterwards also for the thread checker,
    // which cannot see Qt's own synchronisation.
    void im_Fensterthread(std::function<void()> schritt);
    std::mutex schritt_sperre_;
    std::function<void()> schritt_;
    std::atomic<bool> abbrechen_{false};
    // What the thread writes, copied on the window thread before it starts:
    // the thread itself never reads the shared settings.
    QString ordner_;
    std::array<uint16_t, 21> frequenzen_{};
    bool zunehmend_ = false;
    bool pulsierend_ = false;
    int32_t tondauer_ = 3000;
};

// The running generation thread (null when none runs).
extern TWave_erzeugen* Wave_erzeugen;
extern TForm5* Form5;

// Makes sure the stored tone set is current; starts the generation if needed.
void alle_wave_Dat_erz();
// Fills and shows TForm5 without waiting.
void Meldung_dauert_etwas();
// Stops a running generation (program end); nothing half-written stays.
void Wave_erzeugen_beenden();
