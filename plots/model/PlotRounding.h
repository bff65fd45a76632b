#pragma once

namespace quarlo {

// Ranges and ticks divide data values by decimal steps that binary numbers hold only
// approximately: 0.3 / 0.1 is not quite 3. A quotient this close to a whole number is taken
// as that number, so a range that already ends on a step does not grow by one more.
constexpr long double kRatioTolerance = 1e-9L;

// The whole number a quotient stands for, when it lies within the tolerance of one.
long double snapRatio(long double ratio);

// Away from zero: the ceiling of a positive quotient, the floor otherwise.
long double roundAwayFromZero(long double ratio);
// Towards +infinity and -infinity, after snapping.
long double ceilRatio(long double ratio);
long double floorRatio(long double ratio);

}  // namespace quarlo
