#pragma once
// The program's windows, created once at start in a fixed order and shown
// and hidden, never destroyed, until the main window closes. Windows reach
// each other only through these pointers; a pointer stays null until its
// window exists.
class QWidget;

// What the other windows need of the main window, without knowing its class.
class Hauptfenster
{
public:
    // The main window itself: parent of the windows opened from it, disabled
    // while the tone files are made.
    virtual QWidget* widget() = 0;
    // Unblocks the main menu when the measurement or the frequency-response
    // window closes.
    virtual void einschalten_Menu_Form1() = 0;

protected:
    ~Hauptfenster() = default;
};

struct Programmfenster {
    Hauptfenster* Form1 = nullptr;                  // main window
    QWidget* Form2 = nullptr;                       // measurement window
    QWidget* Form3 = nullptr;                       // results table
    QWidget* Form4 = nullptr;                       // options
    QWidget* Form6 = nullptr;                       // microphone frequency response
    QWidget* Hoerschwelle_Schaubild_Form = nullptr; // threshold charts
    QWidget* Oszi_Grafik = nullptr;                 // chart pictures
    QWidget* Form_Norm_Tab = nullptr;               // ISO 226 table
    QWidget* Form_NulldBA_Tab = nullptr;            // 0-dB(A) table
    QWidget* Form5 = nullptr;                       // notice while tone files are made
    QWidget* Audiogramm_Form = nullptr;             // audiogram
};

extern Programmfenster Fenster;
