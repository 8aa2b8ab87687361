// Renders the program's SVG pictures at the build into raw premultiplied ARGB32 pixels, so
// that start-up copies finished pictures instead of drawing vectors or decoding PNGs.
// The files are stored uncompressed in the resources; other device pixel ratios are still
// drawn from the SVGs at run time.
//
// Usage: quarvel_prerender <source dir> <output dir> <scale> <name>:<width>:<height>...
// Writes <output dir>/<name without .svg>@<scale>x.argb for every picture: width x height
// x scale^2 pixels, rows of 4-byte pixels in the machine's byte order, no header.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "quarvel_prerender: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5)
        return fail("usage: quarvel_prerender <source dir> <output dir> <scale> <name:w:h>...");
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const int scale = QString::fromLocal8Bit(argv[3]).toInt();
    if (scale < 1 || scale > 4)
        return fail("bad scale");

    for (int i = 4; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(':');
        if (parts.size() != 3)
            return fail(QStringLiteral("bad picture '%1'").arg(argv[i]));
        const QString name = parts[0];
        const QSize size(parts[1].toInt() * scale, parts[2].toInt() * scale);
        QSvgRenderer renderer(source.filePath(name));
        if (!renderer.isValid() || size.isEmpty())
            return fail(QStringLiteral("cannot render %1").arg(name));

        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        QString base = name;
        base.chop(4); // ".svg"
        const QString target = output.filePath(QStringLiteral("%1@%2x.argb").arg(base).arg(scale));
        output.mkpath(QFileInfo(target).path());
        QFile file(target);
        const auto bytes = qint64(image.sizeInBytes());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes)
            return fail(QStringLiteral("cannot write %1").arg(target));
    }
    return 0;
}
