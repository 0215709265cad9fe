#include "app/programm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Programm programm;
    programm.starten();
    return app.exec();
}
