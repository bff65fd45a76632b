#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "PlotGeometry.h"

namespace quarlo {

// The plot arithmetic's pixels and Qt's. A PixelRect runs from Left to Right (and Top to
// Bottom) with Right - Left its width, as a QRect of that width from (Left, Top).
inline QPoint toQPoint(PixelPoint p)
{
    return {p.X, p.Y};
}

inline PixelPoint toPixelPoint(QPoint p)
{
    return {p.x(), p.y()};
}

inline QRect toQRect(const PixelRect& r)
{
    return {r.Left, r.Top, r.Width(), r.Height()};
}

inline PixelRect toPixelRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline PixelSize toPixelSize(QSize s)
{
    return {s.width(), s.height()};
}

}  // namespace quarlo
