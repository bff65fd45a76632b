#pragma once

#include "Real.h"

namespace quarlo {

// Constants that several stages share, as single-precision values of the numbers written
// in the methods, so every stage rounds them alike.

// Inches to metres: the methods set in inches (and the default tip movements) use it in SI.
inline constexpr Real METRES_PER_INCH = 0.0254f;

// Pi as the methods write it, in side areas, Nq and degrees to radians.
inline constexpr Real PI = 3.1416f;

}  // namespace quarlo
