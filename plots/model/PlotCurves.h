#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "PlotGeometry.h"
#include "PlotMapping.h"
#include "TGraphPlot.h"

namespace quarlo {

// With LimitActiveCurves, a window opens with at most this many active curves.
constexpr int kMaxActiveCurves = 20;

// What a plot window does as it opens: every curve active, but with LimitActiveCurves only
// the first kMaxActiveCurves.
void ActivateCurves(TGraphPlot& plot);

// One legend item: an active curve, in curve order. The k-th item is also the k-th curve
// entry of the plot menu, and its colour slot is k, so hiding a curve changes no colour.
struct LegendEntry {
    int CurveIndex = 0;
    std::string Text;       // the curve's legend text, through the plot's onGetCaption
    bool Shown = true;
    int ColorSlot = 0;
};

std::vector<LegendEntry> LegendEntries(const TGraphPlot& plot);

// The on-screen legend line of an item: its text, followed by " *" while the curve is shown.
std::string LegendItemText(const LegendEntry& entry);

// One curve as drawn: its points in pixels, its colour slot (its position among the active
// curves), its marker index (its index among the plot's curves) and the points that carry
// a marker.
struct CurvePath {
    int CurveIndex = 0;
    int ColorSlot = 0;
    std::vector<PixelPoint> Points;
    std::vector<std::size_t> MarkerPoints;
};

// The curves to draw, clipped by the caller to the plot rectangle: the active, shown
// curves that have points, none when the first curve has fewer than two points. With Markers = n > 0 the
// first point and every n-th point carry a marker.
std::vector<CurvePath> CurvePaths(const TGraphPlot& plot, const PlotMapping& mapping);

}  // namespace quarlo
