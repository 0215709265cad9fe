#pragma once
// The running program: German texts for Qt's own dialogs, the dialog
// implementation, the windows in their creation order and the start-up.
#include "app/qt_dialoge.h"

#include <QTranslator>

#include <memory>

class TForm1;

class Programm {
public:
    Programm();
    ~Programm();
    // Creates the windows, runs the start-up and shows the main window.
    void starten();
    TForm1* hauptfenster() const { return form1_.get(); }

private:
    QTranslator uebersetzung_;
    Qt_Dialoge dialoge_;
    std::unique_ptr<TForm1> form1_;
};
