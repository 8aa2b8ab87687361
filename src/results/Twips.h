// Layout helpers: the window layouts are drawn up in twips (1/1440 inch); at 96 dots per
// inch 15 twips make one device-independent pixel.
#pragma once

#include <QFont>
#include <QRect>
#include <cmath>

constexpr int twips(double value)
{
    return int(value / 15.0 + (value >= 0 ? 0.5 : -0.5));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twips(height));
}

// Verdana as designed; Debian has no Verdana, where DejaVu Sans stands in.
inline QFont quarvelFont(double points = 8.25, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
