#include "PlotClipping.h"

#include <cmath>
#include <optional>

namespace quarlo {

namespace {

// The part of the segment a-b inside the rectangle, as fractions t0 <= t1 of the way from
// a to b (Liang and Barsky); none when it misses the rectangle.
std::optional<std::pair<double, double>> insideFractions(PixelPoint a, PixelPoint b, const PixelRect& rect)
{
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    // For each edge: the movement towards the outside, and the room to it.
    const double towards[4] = {-dx, dx, -dy, dy};
    const double room[4] = {double(a.X - rect.Left), double(rect.Right - a.X), double(a.Y - rect.Top),
                            double(rect.Bottom - a.Y)};
    double t0 = 0;
    double t1 = 1;
    for (int edge = 0; edge < 4; ++edge) {
        if (towards[edge] == 0) {
            if (room[edge] < 0)
                return std::nullopt;
            continue;
        }
        const double t = room[edge] / towards[edge];
        if (towards[edge] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return std::nullopt;
    return std::make_pair(t0, t1);
}

PixelPoint along(PixelPoint a, PixelPoint b, double t)
{
    return {static_cast<int>(std::lround(a.X + t * (b.X - a.X))), static_cast<int>(std::lround(a.Y + t * (b.Y - a.Y)))};
}

}  // namespace

std::vector<std::vector<PixelPoint>> ClipPolyline(const std::vector<PixelPoint>& line, const PixelRect& rect)
{
    std::vector<std::vector<PixelPoint>> parts;
    if (line.size() == 1 && rect.Contains(line.front()))
        parts.push_back(line);
    bool open = false;   // the last part ends where the last segment left off, inside
    for (std::size_t i = 1; i < line.size(); ++i) {
        const std::optional<std::pair<double, double>> inside = insideFractions(line[i - 1], line[i], rect);
        if (!inside) {
            open = false;
            continue;
        }
        if (!open || inside->first > 0)
            parts.push_back({along(line[i - 1], line[i], inside->first)});
        parts.back().push_back(along(line[i - 1], line[i], inside->second));
        open = inside->second >= 1;
    }
    return parts;
}

}  // namespace quarlo
