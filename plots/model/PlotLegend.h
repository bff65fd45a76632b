#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "PlotCurves.h"
#include "PlotGeometry.h"
#include "PlotTextMetrics.h"

namespace quarlo {

// The on-screen legend before it is fitted to its items, and its item height as the
// window opens.
constexpr int kLegendDesignWidth = 21;
constexpr int kLegendItemHeight = 16;
// On screen a line's text starts this far right of the line's left edge.
constexpr int kLegendTextIndent = 4;

// The legend's font after a Font Size choice of `sizeFont` tenths: its point size (from
// the plot's LegendFont) and the item height that goes with it.
struct LegendFont {
    int PointSize = 0;
    int ItemHeight = 0;
};
LegendFont LegendFontFor(int sizeFont, int legendFont);

// The legend's width: `width`, widened where an item's line (its text and " *") plus
// `extra` pixels is wider. The window passes a quarter inch when it opens or changes the
// font size, an eighth when it draws the items. A note on the graph's marked points
// (MarkNote), when there is one, is a further line below the items: a short stroke, then
// the note's text from `noteIndent` pixels on.
int LegendWidth(const std::vector<LegendEntry>& entries, int width,
                const std::function<int(const std::string&)>& textWidth, int extra, const std::string& note = {},
                int noteIndent = 0);

// The legend's height: its items (and the note's line, when there is one) plus 3 pixels of
// border.
int LegendHeight(const std::vector<LegendEntry>& entries, int itemHeight, bool withNote = false);

// On screen the note's stroke starts where the items' texts start and is an eighth of an
// inch long; the note's text starts this far from the line's left edge, after the stroke
// and a gap as wide again as the indent.
int LegendNoteStrokeLength(int ppiX);
int LegendNoteIndent(int ppiX);

// The point size of a font `pixels` high on a device of `ppi` dots per inch, in whole points
// (the 15-pixel legend font is 11 points on a 96-dpi screen).
int PointSizeOfPixels(int pixels, int ppi);

// The item under a point `y` pixels below the legend's top edge, or -1 where there is none
// (above the first item, below the last).
int LegendItemAt(int y, int itemHeight, int itemCount);

// The legend is on screen while the plot's ShowLegend is set and there is an item to list.
bool LegendVisible(const TGraphPlot& plot, const std::vector<LegendEntry>& entries);
// "Show Legend" is offered whenever there is an item to list, whether the legend is shown
// or not: a legend hidden in one window stays hidden in the next (ShowLegend lives in the
// plot), and without the entry it could never be brought back.
bool ShowLegendOffered(const std::vector<LegendEntry>& entries);

// The legend with its bottom right corner on that of the graph, where the window puts it
// when it opens and after a Font Size change.
PixelRect LegendAtCorner(const PixelRect& plotRect, PixelSize legend);

// The legend pushed back inside a client area of `client` pixels: right edge, then left,
// bottom, then top, so a legend larger than the area keeps its top left corner visible.
PixelRect KeepInside(const PixelRect& legend, PixelSize client);

// The legend while the user drags it: its grab point (inside the legend) stays under the
// pointer, within the client area.
PixelRect DragLegend(const PixelRect& legend, PixelPoint pointer, PixelPoint grab, PixelSize client);

// The legend as a framed box on paper and in images, where the window's legend control
// does not appear. It lists the shown curves only, each with its marker and in its colour,
// and stands where the on-screen legend stands (`legendOnScreen`, its top left corner in the
// window), scaled from the window's outer size `window` to the drawing area `full`, but
// never reaching past the area's edges.
struct LegendBoxItem {
    int CurveIndex = 0;    // also the marker index: the box shows the marker the curve has
    int ColorSlot = 0;
    std::string Text;
    PixelPoint MarkerAt;
    PixelPoint TextAt;
};

// The note's line in the box: a stroke as wide as a marker where the items have their
// markers, and the text, both black.
struct LegendBoxNote {
    PixelLine Stroke;
    PixelPoint TextAt;
    std::string Text;
};

struct LegendBox {
    PixelRect Box;
    std::vector<LegendBoxItem> Items;
    std::optional<LegendBoxNote> Note;
};

// `note`: the note on the graph's marked points (MarkNote), the box's last line; none when
// empty.
LegendBox PlaceLegendBox(const std::vector<LegendEntry>& entries, const PixelRect& full, PixelPoint legendOnScreen,
                         PixelSize window, Resolution ppi, const PlotTextMetrics& metrics,
                         const std::string& note = {});

}  // namespace quarlo
