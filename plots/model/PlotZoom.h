#pragma once

#include "PlotGeometry.h"
#include "PlotRange.h"
#include "TFloatPoint.h"

namespace quarlo {

// A zoomed view is never narrower than the full range divided by this, in X or in Y.
constexpr int kMaxZoom = 20;

// A right click at `at` (data): each axis shows twice its width around the clicked value,
// held inside the full range; once twice the width reaches the full range the view is
// exactly the full range again.
PlotRange ZoomOut(const PlotRange& view, const PlotRange& full, const TFloatPoint& at);

// A rubber band released: it zooms only when the end differs from the anchor in both x
// and y (a click without movement does nothing).
bool IsZoomRectangle(PixelPoint anchor, PixelPoint end);

// The view between two corners (data, in any order). An axis narrower than a
// twentieth of the full range is widened to that, around the centre of the selection, and
// moved back inside the full range.
PlotRange ZoomIn(const PlotRange& full, const TFloatPoint& corner1, const TFloatPoint& corner2);

}  // namespace quarlo
