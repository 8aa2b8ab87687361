#include "PicturePanel.h"

#include "ImageList.h"
#include "Twips.h"

#include <QPainter>

PicturePanel::PicturePanel(const QString& resource, QSize pictureSize, QWidget* parent)
    : QFrame(parent), m_resource(resource), m_pictureSize(pictureSize)
{}

void PicturePanel::place(QWidget* child, int left, int top, int width, int height)
{
    child->setParent(this);
    child->setGeometry(twipsRect(left, top, width, height).translated(contentsRect().topLeft()));
}

void PicturePanel::place(QWidget* child, int left, int top)
{
    child->setParent(this);
    child->move(QPoint(twips(left), twips(top)) + contentsRect().topLeft());
}

void PicturePanel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.fillRect(inside, palette().window());
        painter.setClipRect(inside);
        painter.drawPixmap(inside.topLeft(),
                           cachedPicture(m_resource, m_pictureSize, devicePixelRatioF()));
    }
    QFrame::paintEvent(event);
}
