#include "app/shell/fensterwechsel.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <QWindow>

#include <utility>

Fensterwechsel::Fensterwechsel(QWidget* fenster, std::function<void()> deaktiviert)
    : QObject(fenster), fenster_(fenster), deaktiviert_(std::move(deaktiviert))
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Fensterwechsel::gewechselt);
}

void Fensterwechsel::gewechselt(QWindow* w)
{
    QWindow* eigenes = fenster_->windowHandle();
    if (!w || !eigenes || !fenster_->isVisible())
        return;
    if (w == eigenes) {
        aktiv_ = true;
        return;
    }
    for (QWindow* p = w->transientParent(); p; p = p->transientParent())
        if (p == eigenes)
            return;
    // Message boxes, dialogs and the notice shown while tone files are
    // written are no window the user switches to.
    for (QWidget* anderes : QApplication::topLevelWidgets())
        if (anderes->windowHandle() == w && qobject_cast<QDialog*>(anderes))
            return;
    if (!aktiv_)
        return;
    aktiv_ = false;
    deaktiviert_();
}
