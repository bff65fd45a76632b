#include "PlotMapping.h"

#include <algorithm>
#include <cmath>

namespace quarlo {

namespace {

// Far beyond any device, yet far from the end of int, so that the painter's own sums stay
// in range. Zooming never goes below a twentieth of the full range, so data points lie
// within a few plot widths of the view and never come near this.
constexpr long double kFarPixel = 1e8L;

int roundPixel(long double offset)
{
    if (std::isnan(offset))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(offset, -kFarPixel, kFarPixel)));
}

// Where v lies in [min, max], as a fraction of the width; 0 for an empty range.
long double fraction(long double v, long double min, long double max)
{
    return max == min ? 0 : (v - min) / (max - min);
}

}  // namespace

int PlotMapping::PixelX(long double x) const
{
    return roundPixel(fraction(x, m_view.XMin, m_view.XMax) * m_rect.Width()) + m_rect.Left;
}

int PlotMapping::PixelY(long double y) const
{
    const int c = roundPixel(fraction(y, m_view.YMin, m_view.YMax) * m_rect.Height());
    return m_xOnTop ? m_rect.Top + c : m_rect.Bottom - c;
}

TFloatPoint PlotMapping::ToData(PixelPoint p) const
{
    if (p.X < m_rect.Left || p.X > m_rect.Right || m_rect.Width() == 0 || m_rect.Height() == 0)
        return {};
    const long double fx = static_cast<long double>(p.X - m_rect.Left) / m_rect.Width();
    const int fromYStart = m_xOnTop ? p.Y - m_rect.Top : m_rect.Bottom - p.Y;
    const long double fy = static_cast<long double>(fromYStart) / m_rect.Height();
    return {m_view.XMin + fx * (m_view.XMax - m_view.XMin), m_view.YMin + fy * (m_view.YMax - m_view.YMin)};
}

}  // namespace quarlo
