#include "app/shell/programm.h"
#include "app/shell/unit1.h"
#include "core/shell/dialoge.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <cstring>

// The titles of the window's menu bar as the user reads them: without the
// "&" that marks the shortcut letter.
static QStringList Menuetitel(QWidget* fenster)
{
    QStringList titel;
    auto* hauptfenster = qobject_cast<QMainWindow*>(fenster);
    if (!hauptfenster)
        return titel;
    for (const QAction* a : hauptfenster->menuBar()->actions()) {
        if (!a->isVisible())
            continue;
        QString t = a->text();
        t.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        titel << t;
    }
    return titel;
}

int main(int argc, char** argv)
{
    // "--startprobe": starts as usual with message boxes answered by their
    // default button, reports whether the main window came up and ends; after
    // "Hauptfenster gezeigt" come the main menu's titles, one per line, so a
    // script sees which language started. Used to check an installed package
    // without a user.
    const bool probe = argc > 1 && std::strcmp(argv[1], "--startprobe") == 0;
    QApplication app(argc, argv);
    // The program ends when its main window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    Aufzeichnende_Dialoge probe_dialoge;
    Programm programm(nullptr, probe ? &probe_dialoge : nullptr);
    programm.starten();
    if (probe) {
        QTimer::singleShot(0, &app, [&] {
            for (const auto& m : probe_dialoge.meldungen)
                std::fprintf(stderr, "Meldung: %s\n", qPrintable(m.text));
            const bool gezeigt = programm.hauptfenster() && programm.hauptfenster()->isVisible();
            std::printf("%s\n", gezeigt ? "Hauptfenster gezeigt" : "Hauptfenster fehlt");
            if (gezeigt)
                for (const QString& titel : Menuetitel(programm.hauptfenster()))
                    std::printf("%s\n", qPrintable(titel));
            QApplication::exit(gezeigt ? 0 : 1);
        });
    }
    const int ergebnis = app.exec();
    programm.beenden();
    return ergebnis;
}
