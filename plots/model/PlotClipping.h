#pragma once

#include <vector>

#include "PlotGeometry.h"

namespace quarlo {

// The parts of the polyline `line` inside `rect` (edges included), each a polyline of its
// own, in order: a curve drawn onto a target that cannot clip (a drawing file) is cut to the
// graph this way. Where the line crosses an edge it ends on the edge, to the nearest pixel.
// A line of one point inside gives that point.
std::vector<std::vector<PixelPoint>> ClipPolyline(const std::vector<PixelPoint>& line, const PixelRect& rect);

}  // namespace quarlo
