#include "PlotLegend.h"

#include <algorithm>

namespace quarlo {

namespace {

// The share `part` / `whole` of `length`, 0 for a window of no size.
int scaled(int part, int length, int whole)
{
    return whole == 0 ? 0 : static_cast<int>(static_cast<long long>(part) * length / whole);
}

PixelPoint moved(PixelPoint p, int dx, int dy)
{
    return {p.X + dx, p.Y + dy};
}

// The box keeps its size in the target's pixels while its place scales with the area, so on
// a picture smaller than the window it would reach past the edges: it is pushed back inside
// as the window's legend is (right edge, then left, bottom, then top).
void keepBoxInside(LegendBox& box, const PixelRect& full)
{
    const PixelRect inside = KeepInside({box.Box.Left - full.Left, box.Box.Top - full.Top, box.Box.Right - full.Left,
                                         box.Box.Bottom - full.Top},
                                        {full.Width(), full.Height()});
    const int dx = inside.Left + full.Left - box.Box.Left;
    const int dy = inside.Top + full.Top - box.Box.Top;
    if (dx == 0 && dy == 0)
        return;
    box.Box = {box.Box.Left + dx, box.Box.Top + dy, box.Box.Right + dx, box.Box.Bottom + dy};
    for (LegendBoxItem& item : box.Items) {
        item.MarkerAt = moved(item.MarkerAt, dx, dy);
        item.TextAt = moved(item.TextAt, dx, dy);
    }
    if (box.Note) {
        box.Note->Stroke = {moved(box.Note->Stroke.From, dx, dy), moved(box.Note->Stroke.To, dx, dy)};
        box.Note->TextAt = moved(box.Note->TextAt, dx, dy);
    }
}

}  // namespace

LegendFont LegendFontFor(int sizeFont, int legendFont)
{
    const int points = sizeFont * legendFont / 10;
    return {points, points * 3 / 2};
}

int PointSizeOfPixels(int pixels, int ppi)
{
    constexpr int kPointsPerInch = 72;
    return ppi > 0 ? pixels * kPointsPerInch / ppi : 0;
}

int LegendItemAt(int y, int itemHeight, int itemCount)
{
    if (y < 0 || itemHeight <= 0)
        return -1;
    const int item = y / itemHeight;
    return item < itemCount ? item : -1;
}

bool LegendVisible(const TGraphPlot& plot, const std::vector<LegendEntry>& entries)
{
    return plot.ShowLegend && ShowLegendOffered(entries);
}

bool ShowLegendOffered(const std::vector<LegendEntry>& entries)
{
    return !entries.empty();
}

int LegendWidth(const std::vector<LegendEntry>& entries, int width,
                const std::function<int(const std::string&)>& textWidth, int extra, const std::string& note,
                int noteIndent)
{
    for (const LegendEntry& entry : entries)
        width = std::max(width, textWidth(entry.Text + " *") + extra);
    if (!note.empty())
        width = std::max(width, noteIndent + textWidth(note) + extra);
    return width;
}

int LegendHeight(const std::vector<LegendEntry>& entries, int itemHeight, bool withNote)
{
    const int lines = static_cast<int>(entries.size()) + (withNote ? 1 : 0);
    return lines * itemHeight + 3;
}

int LegendNoteStrokeLength(int ppiX)
{
    return ppiX / 8;
}

int LegendNoteIndent(int ppiX)
{
    return kLegendTextIndent + LegendNoteStrokeLength(ppiX) + kLegendTextIndent;
}

PixelRect LegendAtCorner(const PixelRect& plotRect, PixelSize legend)
{
    return {plotRect.Right - legend.Width, plotRect.Bottom - legend.Height, plotRect.Right, plotRect.Bottom};
}

PixelRect KeepInside(const PixelRect& legend, PixelSize client)
{
    PixelRect moved = legend;
    const auto shift = [&moved](int dx, int dy) {
        moved = {moved.Left + dx, moved.Top + dy, moved.Right + dx, moved.Bottom + dy};
    };
    if (moved.Right > client.Width)
        shift(client.Width - moved.Right, 0);
    if (moved.Left < 0)
        shift(-moved.Left, 0);
    if (moved.Bottom > client.Height)
        shift(0, client.Height - moved.Bottom);
    if (moved.Top < 0)
        shift(0, -moved.Top);
    return moved;
}

PixelRect DragLegend(const PixelRect& legend, PixelPoint pointer, PixelPoint grab, PixelSize client)
{
    const int left = pointer.X - grab.X;
    const int top = pointer.Y - grab.Y;
    return KeepInside({left, top, left + legend.Width(), top + legend.Height()}, client);
}

LegendBox PlaceLegendBox(const std::vector<LegendEntry>& entries, const PixelRect& full, PixelPoint legendOnScreen,
                         PixelSize window, Resolution ppi, const PlotTextMetrics& metrics, const std::string& note)
{
    LegendBox box;
    const int left = full.Left + scaled(legendOnScreen.X, full.Width(), window.Width);
    const int top = full.Top + scaled(legendOnScreen.Y, full.Height(), window.Height);
    const int lineHeight = ppi.Y / 32 + metrics.LabelHeight;
    int textWidth = 0;
    PixelPoint at{left + ppi.X / 16, top + ppi.Y / 32};
    for (const LegendEntry& entry : entries) {
        if (!entry.Shown)
            continue;
        textWidth = std::max(textWidth, metrics.LabelWidth(entry.Text));
        box.Items.push_back({entry.CurveIndex, entry.ColorSlot, entry.Text,
                             {at.X, at.Y + metrics.LabelHeight / 2}, {at.X + ppi.X / 16, at.Y}});
        at.Y += lineHeight;
    }
    int lines = static_cast<int>(box.Items.size());
    if (!note.empty()) {
        textWidth = std::max(textWidth, metrics.LabelWidth(note));
        const int middle = at.Y + metrics.LabelHeight / 2;
        box.Note = LegendBoxNote{{{at.X - ppi.X / 32, middle}, {at.X + ppi.X / 32, middle}}, {at.X + ppi.X / 16, at.Y}, note};
        ++lines;
    }
    box.Box = {left, top, left + textWidth + 3 * ppi.X / 16, top + lineHeight * lines + ppi.Y / 32};
    keepBoxInside(box, full);
    return box;
}

}  // namespace quarlo
