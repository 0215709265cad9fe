#pragma once
// One menu entry with its object name (the name tests find it by) and its handler.
#include <QAction>
#include <QWidget>

template <typename Fenster>
QAction* Menuepunkt(QWidget* menue, const QString& text, const char* name, Fenster* fenster,
                    void (Fenster::*handler)())
{
    auto* a = new QAction(text, menue);
    a->setObjectName(QString::fromLatin1(name));
    if (handler)
        QObject::connect(a, &QAction::triggered, fenster, handler);
    menue->addAction(a);
    return a;
}
