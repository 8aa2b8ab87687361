#include "PictureBox.h"

#include "ImageList.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{}

void PictureBox::setPicture(const ImageList& list, int position)
{
    const QSize size = list.sizeAt(position);
    if (!size.isValid())
        return;
    m_list = &list;
    m_position = position;
    resize(size);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (!m_list)
        return;
    QPainter painter(this);
    if (autoFillBackground())
        painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, m_list->picture(m_position, devicePixelRatioF()));
}
