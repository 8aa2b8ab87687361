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
    if (!m_order.contains(screen))
        return;
    QWidget* previous = front();
    m_order.removeOne(screen);
    m_order.prepend(screen);
    apply(previous);
}

void ScreenStack::sendToBack(QWidget* screen)
{
    if (!m_order.contains(screen))
        return;
    QWidget* previous = front();
    m_order.removeOne(screen);
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
