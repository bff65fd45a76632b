#pragma once

#include <vector>

#include "PlotGeometry.h"

namespace quarlo {

// The marker shape of curve index i (its index among the plot's curves): 1 a triangle
// pointing down, 2 a square, 3 to 10 a regular polygon of that many corners with one
// corner straight up (3 a triangle pointing up, 4 a diamond, ...). Index 0 and 10 share
// shape 1.
int MarkerShape(int index);

// The corners of that marker around `at`, joined in order (the first corner repeated at
// the end): 1/16 inch across. The pen goes back to `at` afterwards.
std::vector<PixelPoint> MarkerVertices(int index, PixelPoint at, Resolution ppi);

}  // namespace quarlo
