#include "PrintMargins.h"

#include <algorithm>
#include <cmath>

namespace quarlo {

namespace {

// Beyond any sheet at any resolution; keeps the conversion to int defined for absurd input.
constexpr long double kLargestPixels = 1e9L;

int roundedPixels(long double value)
{
    return static_cast<int>(std::nearbyint(std::clamp(value, 0.0L, kLargestPixels)));
}

}  // namespace

int ThousandthsOfInch(long double inches)
{
    return roundedPixels(inches * 1000);
}

int MarginPixels(int thousandths, int ppi, int unprintable)
{
    const int wanted = roundedPixels(static_cast<long double>(thousandths) * ppi / 1000);
    return std::max(wanted, unprintable);
}

PixelRect PrintedFullRect(const PageMargins& margins, Resolution ppi, PixelSize paper, const PixelRect& printable)
{
    const int left = MarginPixels(margins.Left, ppi.X, printable.Left);
    const int top = MarginPixels(margins.Top, ppi.Y, printable.Top);
    const int right = MarginPixels(margins.Right, ppi.X, paper.Width - printable.Right);
    const int bottom = MarginPixels(margins.Bottom, ppi.Y, paper.Height - printable.Bottom);
    PixelRect full{left, top, paper.Width - right, paper.Height - bottom};
    full.Right = std::max(full.Right, full.Left);
    full.Bottom = std::max(full.Bottom, full.Top);
    return full;
}

}  // namespace quarlo
