#pragma once

#include <optional>
#include <string>

#include "PlotGeometry.h"
#include "PlotTextMetrics.h"
#include "TGraphPlot.h"

namespace quarlo {

// The layout's text height h: the target's base font height scaled by SizeFont (tenths),
// with integer division, as a positive number.
int PlotTextHeight(int baseFontHeight, int sizeFont);

// Where the graph goes inside the whole drawing area `full`: room for the Y title and
// labels on the left, for the X title and labels on the X axis's side, a margin on the
// others, and a text line for the graph title when the plot has one.
PixelRect ScreenPlotRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h);
// The same for an image file, whose whole area `full` starts at (0, 0). The graph title
// keeps its line as on screen: without it the title would run into the X axis's title and
// labels whenever the two stand on the same side.
PixelRect ImagePlotRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h);
// The same on a printed page, whose margins are already outside `full`: the graph reaches
// the margins on the sides without titles, and the room for the titles is measured with
// the horizontal resolution in both directions.
PixelRect PrinterPlotRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h);

// Nothing but the white background is drawn on an area smaller than one inch either way.
bool LargeEnoughToDraw(const PixelRect& full, Resolution ppi);

// Width of the pen the curves are drawn with.
int CurvePenWidth(Resolution ppi, int widthLine);

// A text and where it starts; Upward text reads from bottom to top (see PlotTextMetrics).
struct TextPlacement {
    std::string Text;
    PixelPoint At;
    bool Upward = false;
};

// The three titles, all bold: the X axis title centred across the area on the X axis's
// side, the graph title centred at the top or the bottom, the Y axis title reading upward
// at the left edge, centred down the area.
struct PlotTitles {
    TextPlacement XTitle;
    std::optional<TextPlacement> GraphTitle;
    TextPlacement YTitle;
};

PlotTitles PlaceTitles(const TGraphPlot& plot, const PixelRect& full, int h, const PlotTextMetrics& metrics);

// The frame drawn around the graph, one pixel beyond its right and bottom edges.
PixelRect PlotFrame(const PixelRect& plotRect);

}  // namespace quarlo
