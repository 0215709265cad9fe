#pragma once
// Tells a window when it loses the activation to another window of the
// program: after it had been the active window, another top-level window of
// the program became active. Its own message boxes and dialogs (windows whose
// transient parent is the window) do not count, nor do dialogs and message
// boxes of any window, nor switching to another program.
#include <QObject>

#include <functional>

class QWidget;
class QWindow;

class Fensterwechsel : public QObject
{
    Q_OBJECT
public:
    Fensterwechsel(QWidget* fenster, std::function<void()> deaktiviert);
    // Forgets the activation (when the window is shown again).
    void zuruecksetzen() { aktiv_ = false; }

private:
    void gewechselt(QWindow* w);

    QWidget* fenster_;
    std::function<void()> deaktiviert_;
    bool aktiv_ = false;
};
