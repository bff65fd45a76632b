#include "PlotGeometry.h"

#include <algorithm>

namespace quarlo {

PixelPoint ClampToRect(PixelPoint p, const PixelRect& rect)
{
    return {std::clamp(p.X, rect.Left, std::max(rect.Left, rect.Right)),
            std::clamp(p.Y, rect.Top, std::max(rect.Top, rect.Bottom))};
}

}  // namespace quarlo
