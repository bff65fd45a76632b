#include "PlotZoom.h"

#include <algorithm>

namespace quarlo {

namespace {

struct Span {
    long double min;
    long double max;
};

// Doubling the width around `at` within [fullMin, fullMax]. When the doubled view would
// reach the full width the full range itself is returned, so repeated clicks end on
// exactly the range the window opened with, not on a sum that misses it by a rounding.
Span zoomOutAxis(Span view, Span full, long double at)
{
    const long double fullWidth = full.max - full.min;
    const long double half = view.max - view.min;
    if (half >= fullWidth / 2)
        return full;
    at = std::clamp(at, full.min + half, full.max - half);
    return {at - half, at + half};
}

Span zoomInAxis(Span full, long double a, long double b)
{
    Span view{std::min(a, b), std::max(a, b)};
    const long double smallest = (full.max - full.min) / kMaxZoom;
    if (view.max - view.min >= smallest)
        return view;
    const long double centre = (view.min + view.max) / 2;
    view = {centre - smallest / 2, centre + smallest / 2};
    if (view.min < full.min)
        view = {full.min, full.min + smallest};
    if (view.max > full.max)
        view = {full.max - smallest, full.max};
    return view;
}

}  // namespace

PlotRange ZoomOut(const PlotRange& view, const PlotRange& full, const TFloatPoint& at)
{
    const Span x = zoomOutAxis({view.XMin, view.XMax}, {full.XMin, full.XMax}, at.X);
    const Span y = zoomOutAxis({view.YMin, view.YMax}, {full.YMin, full.YMax}, at.Y);
    return {x.min, x.max, y.min, y.max};
}

bool IsZoomRectangle(PixelPoint anchor, PixelPoint end)
{
    return anchor.X != end.X && anchor.Y != end.Y;
}

PlotRange ZoomIn(const PlotRange& full, const TFloatPoint& corner1, const TFloatPoint& corner2)
{
    const Span x = zoomInAxis({full.XMin, full.XMax}, corner1.X, corner2.X);
    const Span y = zoomInAxis({full.YMin, full.YMax}, corner1.Y, corner2.Y);
    return {x.min, x.max, y.min, y.max};
}

}  // namespace quarlo
