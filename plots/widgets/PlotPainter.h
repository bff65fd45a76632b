#pragma once

#include "PlotGeometry.h"
#include "PlotRange.h"
#include "TGraphPlot.h"

class QFont;
class QPaintDevice;
class QPainter;

namespace quarlo {

// What a graph is drawn onto: the window, a printed page or an image.
struct PlotTarget {
    Resolution Ppi;       // dots per inch of the device
    PixelRect FullRect;   // the whole drawing area, in device pixels
    PixelRect PlotRect;   // the graph inside it (ScreenPlotRect, PrinterPlotRect, ImagePlotRect)
    // Paper and images get the legend as a framed box, since the window's legend control
    // does not appear on them.
    bool Paper = false;
};

// Where the legend stands on screen: its top left corner in the window and the window's
// size, which the box on paper is placed by in proportion.
struct LegendOnScreen {
    PixelPoint TopLeft;
    PixelSize Window;
};

// The layout's text height h on `device` for a base font `base` (the painter's current font
// there) and the plot's SizeFont: the base font's height in device pixels, scaled.
int TargetTextHeight(const QFont& base, const QPaintDevice& device, int sizeFont);

// Draws the graph of `plot` showing `view` onto `target` with `painter`, whose current font
// is the target's base font: the white background, and only that on an area smaller than an
// inch; then the titles, grid, ticks and labels, the curves clipped to the graph, on paper
// the legend box, and the frame. The painter is left as it was.
void PaintPlotScene(QPainter& painter, const TGraphPlot& plot, const PlotRange& view, const PlotTarget& target,
                    const LegendOnScreen& legend);

}  // namespace quarlo
