#pragma once

#include "PlotGeometry.h"
#include "PlotRange.h"
#include "TFloatPoint.h"

namespace quarlo {

// Data to device pixels and back for one view of a graph: the view's X range spans the
// plot rectangle from left to right; its Y range from top to bottom when the X axis is on
// top (depth graphs, Y growing downward), from bottom to top otherwise.
class PlotMapping {
public:
    PlotMapping(const PlotRange& view, const PixelRect& plotRect, bool xOnTop)
        : m_view(view), m_rect(plotRect), m_xOnTop(xOnTop) {}

    // Rounded to the nearest pixel, halves to even. Values far outside the view are held
    // at a distance no device reaches, never wrapped around.
    int PixelX(long double x) const;
    int PixelY(long double y) const;
    PixelPoint ToPixel(const TFloatPoint& p) const { return {PixelX(p.X), PixelY(p.Y)}; }

    // The inverse, without rounding. A pixel left or right of the plot rectangle gives
    // (0, 0); callers clamp the pointer into the rectangle first.
    TFloatPoint ToData(PixelPoint p) const;

    const PlotRange& View() const { return m_view; }
    const PixelRect& Rect() const { return m_rect; }
    bool XOnTop() const { return m_xOnTop; }

private:
    PlotRange m_view;
    PixelRect m_rect;
    bool m_xOnTop;
};

}  // namespace quarlo
