#include "PlotMarkers.h"

#include <cmath>
#include <numbers>

namespace quarlo {

namespace {

constexpr int kShapeCount = 10;

PixelPoint vertex(PixelPoint at, Resolution ppi, double angle)
{
    return {at.X + static_cast<int>(std::nearbyint(std::sin(angle) * ppi.X / 32.0)),
            at.Y - static_cast<int>(std::nearbyint(std::cos(angle) * ppi.Y / 32.0))};
}

// Corners at start + k x step for k = 0..count (the last closes the outline).
std::vector<PixelPoint> polygon(PixelPoint at, Resolution ppi, double start, double step, int count)
{
    std::vector<PixelPoint> corners;
    for (int k = 0; k <= count; ++k)
        corners.push_back(vertex(at, ppi, start + k * step));
    return corners;
}

}  // namespace

int MarkerShape(int index)
{
    return ((index % kShapeCount) + kShapeCount) % kShapeCount + 1;
}

std::vector<PixelPoint> MarkerVertices(int index, PixelPoint at, Resolution ppi)
{
    constexpr double pi = std::numbers::pi;
    const int shape = MarkerShape(index);
    if (shape == 1)
        return polygon(at, ppi, pi, 2 * pi / 3, 3);
    if (shape == 2)
        return polygon(at, ppi, pi / 4, pi / 2, 4);
    return polygon(at, ppi, 0, 2 * pi / shape, shape);
}

}  // namespace quarlo
