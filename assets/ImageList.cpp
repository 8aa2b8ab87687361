#include "ImageList.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <cmath>

namespace {

// The picture as drawn at the build, where it was drawn for this ratio: raw premultiplied
// pixels in an uncompressed resource, wrapped without decoding.
QPixmap prerendered(const QString& resource, QSize size, qreal devicePixelRatio)
{
    const QString prefix = QStringLiteral(":/pictures/");
    if (!qFuzzyCompare(devicePixelRatio, 1.0) || !resource.startsWith(prefix) ||
        !resource.endsWith(QStringLiteral(".svg")))
        return {};
    QString name = resource.mid(prefix.size());
    name.chop(4);
    const QResource raw(QStringLiteral(":/raster/%1@1x.argb").arg(name));
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
        raw.size() != bytes)
        return {};
    const QImage image(raw.data(), size.width(), size.height(), size.width() * 4,
                       QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap renderPicture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    QPixmap ready = prerendered(resource, size, devicePixelRatio);
    if (!ready.isNull())
        return ready;
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(QSize(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

ImageList::ImageList(std::vector<Entry> entries) : m_entries(std::move(entries))
{
    for (const Entry& e : m_entries)
        m_count = std::max(m_count, e.position);
}

const ImageList::Entry* ImageList::entry(int position) const
{
    for (const Entry& e : m_entries) {
        if (e.position == position)
            return &e;
    }
    return nullptr;
}

QPixmap ImageList::picture(int position, qreal devicePixelRatio) const
{
    const Entry* e = entry(position);
    return e ? cachedPicture(e->resource, e->size, devicePixelRatio) : QPixmap();
}

int ImageList::indexOfKey(const QString& key) const
{
    for (int position = 1; position <= m_count; ++position) {
        const Entry* e = entry(position);
        if (e && e->key == key)
            return position;
    }
    return 0;
}

QSize ImageList::sizeAt(int position) const
{
    const Entry* e = entry(position);
    return e ? e->size : QSize();
}

QString ImageList::keyAt(int position) const
{
    const Entry* e = entry(position);
    return e ? e->key : QString();
}

const ImageList& ImageList::IMG()
{
    // Alphabetical by key, as the list has always been kept, with the logo last.
    static const ImageList list([] {
        const QSize size(174, 178);
        const auto type = [&](int position, const char* key, int number) {
            return Entry{position, QString::fromLatin1(key),
                         QStringLiteral(":/pictures/types/type%1.svg").arg(number), size};
        };
        return std::vector<Entry>{
            type(1, "The Enthusiast", 7),
            type(2, "The Helper", 2),
            type(3, "The Loyalist", 6),
            type(4, "The Mediator", 9),
            type(5, "The Observer", 5),
            type(6, "The Perfectionist", 1),
            type(7, "The Performer", 3),
            type(8, "The Protector", 8),
            type(9, "The Romantic", 4),
            Entry{10, QStringLiteral("logo"), QStringLiteral(":/pictures/types/logo.svg"), size},
        };
    }());
    return list;
}

const ImageList& ImageList::IMG2()
{
    static const ImageList list([] {
        const auto button = [](int position, int w, int h) {
            return Entry{
                position, QString(),
                QStringLiteral(":/pictures/buttons/%1.svg").arg(position, 2, 10, QChar('0')),
                QSize(w, h)};
        };
        return std::vector<Entry>{
            button(1, 143, 31), button(2, 143, 31), button(7, 51, 50),   button(8, 51, 50),
            button(9, 51, 50),  button(10, 51, 50), button(17, 138, 27), button(18, 138, 27),
            button(19, 75, 27), button(20, 75, 27), button(23, 75, 27),  button(24, 75, 27),
            button(25, 41, 35), button(26, 41, 35), button(27, 41, 35),  button(28, 41, 35),
            button(31, 76, 32), button(32, 76, 32),
        };
    }());
    return list;
}

QPixmap cachedPicture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    static QHash<QPair<QString, int>, QPixmap> cache;
    const QPair<QString, int> key(resource, int(std::lround(devicePixelRatio * 100)));
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QPixmap pixmap = renderPicture(resource, size, devicePixelRatio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon applicationIcon()
{
    // Drawn once at 64 pixels and scaled down: an SVG icon is drawn again at every size the
    // window system asks for, which shows in the start-up time.
    const QPixmap large =
        renderPicture(QStringLiteral(":/pictures/icon/quarvel.svg"), QSize(64, 64));
    QIcon icon(large);
    for (int side : {16, 32, 48})
        icon.addPixmap(large.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return icon;
}
