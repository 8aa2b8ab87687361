// A panel that draws a picture from its inside top-left corner, cut off at its edges, inside
// its own frame. The main window's background and its four screens are such panels.
#pragma once

#include <QFrame>

class PicturePanel : public QFrame
{
    Q_OBJECT

public:
    PicturePanel(const QString& resource, QSize pictureSize, QWidget* parent = nullptr);

    // Places a child by its layout in twips, measured from the inside of the frame.
    void place(QWidget* child, int left, int top, int width, int height);
    void place(QWidget* child, int left, int top);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QSize m_pictureSize;
};
