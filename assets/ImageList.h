// Picture lists looked up by 1-based position or by text key, as the windows use them.
//
// IMG holds the nine type pictures and the logo under their keys; IMG2 the picture-button
// pictures by position. Every picture is a vector drawing rendered once per device pixel
// ratio, so it stays crisp on high-DPI screens.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <vector>

class ImageList
{
public:
    struct Entry
    {
        int position; // 1-based
        QString key;
        QString resource;
        QSize size; // logical pixels
    };

    explicit ImageList(std::vector<Entry> entries);

    // The picture at a position, or a null pixmap where the list has none.
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;
    // Position of the first picture whose key equals key exactly, or 0.
    int indexOfKey(const QString& key) const;
    QString keyAt(int position) const;
    // Logical size of the picture at a position; invalid where the list has none.
    QSize sizeAt(int position) const;
    int count() const { return m_count; }

    static const ImageList& IMG();
    static const ImageList& IMG2();

private:
    const Entry* entry(int position) const;

    std::vector<Entry> m_entries;
    int m_count = 0;
};

// Renders one of the program's pictures (a resource path) at its logical size.
QPixmap renderPicture(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// One of the program's pictures at a logical size, rendered once per device pixel ratio.
QPixmap cachedPicture(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// The program's icon, drawn once at the sizes window systems ask for.
QIcon applicationIcon();
