// A button that shows nothing but a picture, with a hover picture while the pointer is on it.
//
// The hover look rests on a pointer grab: the button grabs the pointer as it enters, so the
// first move that leaves it is still reported to it and it can put its normal picture back
// and let go. The edges count as inside.
#pragma once

#include <QWidget>

enum class HoverStep
{
    Nothing,
    ReleaseAndShowNormal,
    GrabAndShowHover
};

// What one pointer move at (x, y), in the button's own coordinates, asks of a button of
// size width x height that holds the grab or not.
HoverStep hoverStep(double x, double y, double width, double height, bool holdsGrab);

class PictureButton : public QWidget
{
    Q_OBJECT

public:
    // normal and hover are positions in IMG2. A framed button has a flat one-pixel frame.
    PictureButton(int normal, int hover, QWidget* parent = nullptr, bool framed = false);

    // A picture shown until the pointer first enters, instead of the normal one.
    void setInitialPicture(const QString& resource, QSize size);

    // The IMG2 position shown, or 0 while the initial picture is shown.
    int shownPosition() const { return m_shown; }
    bool holdsGrab() const;

    // Runs the hover steps for one pointer move; public so tests can drive it directly.
    void pointerMoved(QPointF position);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showPicture(int position);
    QSize pictureSize() const;

    int m_normal;
    int m_hover;
    int m_shown = 0;
    bool m_framed;
    bool m_pressed = false;
    QString m_initialResource;
    QSize m_initialSize;
};
