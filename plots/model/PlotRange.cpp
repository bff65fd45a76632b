#include "PlotRange.h"

#include <algorithm>
#include <cmath>

#include "PlotRounding.h"

namespace quarlo {

namespace {

// An empty range is opened by this much on both sides.
constexpr long double kEmptyRangeMargin = 0.01L;

}  // namespace

void RoundAxisRange(long double& min, long double& max)
{
    if (max == min) {
        max += kEmptyRangeMargin;
        min -= kEmptyRangeMargin;
    }
    const long double decades = std::log10(max - min);
    const long double whole = std::floor(decades);
    long double step = std::pow(10.0L, whole);
    // A width of exactly 3, 30, ... keeps the larger step, whatever the last bit of the
    // logarithm says.
    if (decades - whole < std::log10(3.0L) - kRatioTolerance)
        step /= 10;
    min = step * roundAwayFromZero(min / step);
    max = step * roundAwayFromZero(max / step);
}

PlotRange DataRange(const TGraphPlot& plot)
{
    PlotRange range;
    const auto widen = [&range](const TFloatPoint& p) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return;
        range.XMin = std::min(range.XMin, p.X);
        range.XMax = std::max(range.XMax, p.X);
        range.YMin = std::min(range.YMin, p.Y);
        range.YMax = std::max(range.YMax, p.Y);
    };
    for (int i = 0; i < plot.CurveCount(); ++i)
        std::for_each(plot.Curve(i).Points.begin(), plot.Curve(i).Points.end(), widen);
    // A neutral plane's largest load lies between two segment middles and may exceed every
    // load written; its mark must not stand on the frame or beyond it.
    for (const CurveMark& mark : plot.Marks.Points)
        widen(mark.At);
    RoundAxisRange(range.XMin, range.XMax);
    RoundAxisRange(range.YMin, range.YMax);
    return range;
}

}  // namespace quarlo
