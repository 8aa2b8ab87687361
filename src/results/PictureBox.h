// A borderless box that shows one picture of an image list at its own size, drawn for the
// screen it is on.
#pragma once

#include <QWidget>

class ImageList;

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shows the picture at a 1-based position; a missing picture leaves the box as it was.
    void setPicture(const ImageList& list, int position);
    int position() const { return m_position; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageList* m_list = nullptr;
    int m_position = 0;
};
