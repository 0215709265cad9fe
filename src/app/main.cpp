#include "app/programm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends when its main window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    Programm programm;
    programm.starten();
    const int ergebnis = app.exec();
    programm.beenden();
    return ergebnis;
}
