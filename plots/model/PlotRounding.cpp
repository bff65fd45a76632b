#include "PlotRounding.h"

#include <algorithm>
#include <cmath>

namespace quarlo {

long double snapRatio(long double ratio)
{
    const long double nearest = std::nearbyint(ratio);
    return std::fabs(ratio - nearest) <= kRatioTolerance * std::max(1.0L, std::fabs(ratio)) ? nearest : ratio;
}

long double roundAwayFromZero(long double ratio)
{
    ratio = snapRatio(ratio);
    return ratio > 0 ? std::ceil(ratio) : std::floor(ratio);
}

long double ceilRatio(long double ratio)
{
    return std::ceil(snapRatio(ratio));
}

long double floorRatio(long double ratio)
{
    return std::floor(snapRatio(ratio));
}

}  // namespace quarlo
