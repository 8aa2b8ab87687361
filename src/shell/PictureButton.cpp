#include "PictureButton.h"

#include "ImageList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

HoverStep hoverStep(double x, double y, double width, double height, bool holdsGrab)
{
    if (x < 0 || x > width || y < 0 || y > height)
        return HoverStep::ReleaseAndShowNormal;
    return holdsGrab ? HoverStep::Nothing : HoverStep::GrabAndShowHover;
}

PictureButton::PictureButton(int normal, int hover, QWidget* parent, bool framed)
    : QWidget(parent), m_normal(normal), m_hover(hover), m_framed(framed)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(framed ? Qt::ArrowCursor : Qt::PointingHandCursor);
    showPicture(normal);
}

void PictureButton::setInitialPicture(const QString& resource, QSize size)
{
    m_initialResource = resource;
    m_initialSize = size;
    m_shown = 0;
    setFixedSize(pictureSize() + (m_framed ? QSize(2, 2) : QSize(0, 0)));
    update();
}

QSize PictureButton::pictureSize() const
{
    if (m_shown == 0)
        return m_initialSize;
    return ImageList::IMG2().sizeAt(m_shown);
}

void PictureButton::showPicture(int position)
{
    // A picture missing from the list leaves the button as it is.
    if (!ImageList::IMG2().sizeAt(position).isValid())
        return;
    m_shown = position;
    setFixedSize(pictureSize() + (m_framed ? QSize(2, 2) : QSize(0, 0)));
    update();
}

bool PictureButton::holdsGrab() const
{
    return QWidget::mouseGrabber() == this;
}

void PictureButton::pointerMoved(QPointF position)
{
    switch (hoverStep(position.x(), position.y(), width(), height(), holdsGrab())) {
    case HoverStep::Nothing:
        break;
    case HoverStep::ReleaseAndShowNormal:
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        showPicture(m_normal);
        break;
    case HoverStep::GrabAndShowHover:
        grabMouse();
        showPicture(m_hover);
        break;
    }
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int inset = m_framed ? 1 : 0;
    const QPixmap picture =
        m_shown == 0 ? cachedPicture(m_initialResource, m_initialSize, devicePixelRatioF())
                     : ImageList::IMG2().picture(m_shown, devicePixelRatioF());
    painter.drawPixmap(inset, inset, picture);
    if (m_framed) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    pointerMoved(event->position());
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PictureButton::hideEvent(QHideEvent* event)
{
    // A grab survives hide(): a button on a screen that went behind must not keep the
    // pointer. Its picture stays as it was.
    if (holdsGrab())
        releaseMouse();
    m_pressed = false;
    QWidget::hideEvent(event);
}
