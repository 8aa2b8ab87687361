// The four screens of the main window share one rectangle and keep a front-to-back order.
// Only the screen in front is shown, so the controls of covered screens can neither be
// clicked nor take the keyboard focus.
#pragma once

#include <QList>
#include <QObject>

class QWidget;

class ScreenStack : public QObject
{
    Q_OBJECT

public:
    explicit ScreenStack(QObject* parent = nullptr);

    // Adds a screen at the back.
    void add(QWidget* screen);
    void bringToFront(QWidget* screen);
    // The screen goes behind all others; the one that was second becomes visible.
    void sendToBack(QWidget* screen);
    QWidget* front() const { return m_order.isEmpty() ? nullptr : m_order.first(); }
    const QList<QWidget*>& order() const { return m_order; }

signals:
    void frontChanged(QWidget* screen);

private:
    void move(QWidget* screen, bool toFront);
    void apply(QWidget* previousFront);

    QList<QWidget*> m_order; // front first
};
