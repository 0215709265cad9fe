#pragma once
// "Schallpegel": the live level meter. While it is shown it records from the
// microphone through the program's recorder and, about four times a second,
// shows the level in dB, dB(A) and dB(C) from the active meter calibration,
// a level bar with the highest reading since it opened, "übersteuert" when a
// block reached full scale, and the dominant frequency. The recorder's
// capture thread only copies buffers; all analysis runs on the window thread
// (one FFT per recorded block), so the window stays responsive.
#include "core/acoustics/pegelanzeige.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTimer;

// Shows the window (modal, a child of the main window); without an active
// calibration it explains what is missing instead.
void Schallpegel_zeigen(QWidget* hauptfenster);

class Pegelbalken;

class TSchallpegel_Form : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Anzeige_ms = 250;

    explicit TSchallpegel_Form(QWidget* parent = nullptr);
    ~TSchallpegel_Form() override;

    // Starts the recording; false (with a message) when it cannot.
    bool starten();
    void anhalten();
    bool laeuft() const { return laeuft_; }
    // One display update from the blocks since the last one.
    void Anzeige_erneuern();
    const Pegelwerte& letzte_Werte() const { return werte_; }

    QLabel* Pegel_dB = nullptr;
    QLabel* Pegel_dBA = nullptr;
    QLabel* Pegel_dBC = nullptr;
    QLabel* Frequenz = nullptr;
    QLabel* Spitze = nullptr;
    QLabel* Uebersteuert = nullptr;
    Pegelbalken* Balken = nullptr;
    QTimer* Takt = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Puffer();

    Spektrum_Sammler sammler_;
    std::vector<int16_t> puffer_;
    QMetaObject::Connection verbindung_;
    Pegelwerte werte_;
    double hoechster_ = -200;
    bool laeuft_ = false;
};
