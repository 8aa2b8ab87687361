#include "ScreenStack.h"

#include <QWidget>

ScreenStack::ScreenStack(QObject* parent) : QObject(parent)
{}

void ScreenStack::add(QWidget* screen)
{
    QWidget* previous = front();
    m_order.append(screen);
    apply(previous);
}

void ScreenStack::bringToFront(QWidget* screen)
{
    move(screen, true);
}

void ScreenStack::sendToBack(QWidget* screen)
{
    move(screen, false);
}

void ScreenStack::move(QWidget* screen, bool toFront)
{
    if (!m_order.contains(screen))
        return;
    QWidget* previous = front();
    m_order.removeOne(screen);
    if (toFront)
        m_order.prepend(screen);
    else
        m_order.append(screen);
    apply(previous);
}

void ScreenStack::apply(QWidget* previousFront)
{
    QWidget* now = front();
    for (QWidget* screen : std::as_const(m_order))
        screen->setVisible(screen == now);
    if (now) {
        now->raise();
        if (now != previousFront) {
            if (now->isVisible())
                now->setFocus(Qt::OtherFocusReason);
            emit frontChanged(now);
        }
    }
}
