#pragma once
// A paint box: a transparent area that its window paints through a handler
// (the window's paint routine) and whose mouse presses go to another.
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <functional>

class Zeichenflaeche : public QWidget
{
public:
    Zeichenflaeche(QWidget* parent, const char* name) : QWidget(parent)
    {
        setObjectName(QString::fromLatin1(name));
    }
    std::function<void(QPainter&)> malen;
    std::function<void(QMouseEvent*)> maustaste;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!malen)
            return;
        QPainter p(this);
        p.setFont(font());
        malen(p);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (maustaste)
            maustaste(e);
    }
};
