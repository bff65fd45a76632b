#include "PlotTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "PlotRounding.h"
#include "PlotText.h"

namespace quarlo {

namespace {

constexpr long long kMajorEvery = 5;

// Multiples of a power of ten that make a major step: 1, 2 (for 2 to 4), 5 (for 5 to 8)
// or 10 (for 9 and 10).
long double majorStep(long double raw)
{
    const long double power = std::pow(10.0L, std::floor(std::log10(raw)));
    const long double leading = std::trunc(snapRatio(raw / power));
    if (leading < 2)
        return power;
    if (leading < 5)
        return 2 * power;
    if (leading < 9)
        return 5 * power;
    return 10 * power;
}

// Tick indices stay small for any range that contains 0 or lies within twenty of its own
// widths of it; a range far from 0 is held to a bound the loops never reach.
long long toIndex(long double k)
{
    constexpr long double kBound = 1e15L;
    return static_cast<long long>(std::clamp(k, -kBound, kBound));
}

// The tick indices whose values lie in the mapped range; the caller still checks the pixel.
struct IndexSpan {
    long long first;
    long long last;
};

IndexSpan visibleIndices(const AxisTicks& ticks, long double min, long double max)
{
    if (!ticks.Drawn())
        return {1, 0};
    return {std::max(ticks.First, toIndex(ceilRatio(min / ticks.Minor))),
            std::min(ticks.Last, toIndex(floorRatio(max / ticks.Minor)))};
}

bool isMajor(long long index)
{
    return index % kMajorEvery == 0;
}

}  // namespace

int TickIntervals(int extent, int textHeight)
{
    return textHeight > 0 ? std::abs(extent) / (6 * textHeight) : 0;
}

AxisTicks ComputeTicks(long double min, long double max, int intervals)
{
    AxisTicks ticks;
    const long double raw = intervals > 0 ? (max - min) / intervals : 0;
    if (!(raw > 0) || !std::isfinite(raw))
        return ticks;
    ticks.Minor = majorStep(raw) / kMajorEvery;
    ticks.First = std::min(0LL, toIndex(ceilRatio(min / ticks.Minor)));
    ticks.Last = std::max(0LL, toIndex(floorRatio(max / ticks.Minor)));
    return ticks;
}

TickStep ComputeTickStep(const PlotRange& view, const PixelRect& plotRect, int h)
{
    const int nX = TickIntervals(plotRect.Width(), h);
    const int nY = TickIntervals(plotRect.Height(), h);
    if (nX == 0 || nY == 0)
        return {};
    return {ComputeTicks(view.XMin, view.XMax, nX), ComputeTicks(view.YMin, view.YMax, nY)};
}

namespace {

// Every tick of the span whose pixel lies between `low` and `high`, filled in by `place`
// (tick mark, and for major ticks grid line and label position) once its pixel is known.
template <class PixelOf, class Place>
std::vector<TickMark> marksWithin(IndexSpan span, long double minor, int low, int high, PixelOf pixelOf, Place place)
{
    std::vector<TickMark> marks;
    for (long long k = span.first; k <= span.last; ++k) {
        TickMark mark;
        mark.Index = k;
        mark.Value = static_cast<long double>(k) * minor;
        mark.Pixel = pixelOf(mark.Value);
        if (mark.Pixel < low || mark.Pixel > high)
            continue;
        mark.Major = isMajor(k);
        if (mark.Major)
            mark.Label = TickLabel(mark.Value);
        place(mark);
        marks.push_back(std::move(mark));
    }
    return marks;
}

}  // namespace

std::vector<TickMark> XTickMarks(const AxisTicks& ticks, const PlotMapping& mapping, Resolution ppi,
                                 const PlotTextMetrics& metrics)
{
    const PixelRect& rect = mapping.Rect();
    const bool onTop = mapping.XOnTop();
    const int edge = onTop ? rect.Top : rect.Bottom;
    const int inward = onTop ? ppi.Y / 16 : -(ppi.Y / 16);
    const int labelY = onTop ? rect.Top - metrics.LabelHeight - ppi.Y / 32 : rect.Bottom + ppi.Y / 16;
    return marksWithin(
        visibleIndices(ticks, mapping.View().XMin, mapping.View().XMax), ticks.Minor, rect.Left, rect.Right,
        [&mapping](long double x) { return mapping.PixelX(x); },
        [&](TickMark& mark) {
            mark.Tick = {{mark.Pixel, edge}, {mark.Pixel, edge + inward}};
            if (!mark.Major)
                return;
            mark.Grid = {{mark.Pixel, rect.Top}, {mark.Pixel, rect.Bottom}};
            mark.LabelAt = {mark.Pixel - metrics.LabelWidth(mark.Label) / 2, labelY};
        });
}

std::vector<TickMark> YTickMarks(const AxisTicks& ticks, const PlotMapping& mapping, Resolution ppi,
                                 const PlotTextMetrics& metrics)
{
    const PixelRect& rect = mapping.Rect();
    const int labelX = rect.Left - metrics.LabelHeight - ppi.X / 32;
    return marksWithin(
        visibleIndices(ticks, mapping.View().YMin, mapping.View().YMax), ticks.Minor, rect.Top, rect.Bottom,
        [&mapping](long double y) { return mapping.PixelY(y); },
        [&](TickMark& mark) {
            mark.Tick = {{rect.Left, mark.Pixel}, {rect.Left + ppi.X / 16, mark.Pixel}};
            if (!mark.Major)
                return;
            mark.Grid = {{rect.Left, mark.Pixel}, {rect.Right, mark.Pixel}};
            mark.LabelAt = {labelX, mark.Pixel + metrics.LabelWidth(mark.Label) / 2};
        });
}

}  // namespace quarlo
