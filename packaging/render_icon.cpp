// Renders the scalable application icon into the fixed-size PNGs the hicolor icon theme
// wants, so the bitmaps are always drawn from the one SVG in assets/.
//
// Usage: quarvel_render_icon <icon.svg> <output dir> <size>...
// Writes <output dir>/<size>x<size>/apps/org.quarvel.Quarvel.png for every size.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "quarvel_render_icon: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4)
        return fail("usage: quarvel_render_icon <icon.svg> <output dir> <size>...");

    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read %1 as SVG").arg(source));

    const QDir outputRoot(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 4096)
            return fail(QStringLiteral("bad icon size '%1'").arg(QString::fromLocal8Bit(argv[i])));

        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }

        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        if (!outputRoot.mkpath(dir))
            return fail(QStringLiteral("cannot create %1").arg(outputRoot.filePath(dir)));
        const QString target =
            outputRoot.filePath(dir + QStringLiteral("/org.quarvel.Quarvel.png"));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(target, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(target));
    }
    return 0;
}
