#include "PlotLayout.h"

#include <cmath>
#include <cstdlib>

namespace quarlo {

namespace {

bool hasGraphTitle(const TGraphPlot& plot)
{
    return !plot.GraphTitle.empty();
}

// The rectangle without any room for a graph title.
PixelRect untitledRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h)
{
    PixelRect rect;
    rect.Left = 2 * h + ppi.X / 8 + h / 8;
    rect.Right = full.Right - ppi.X / 4 - h / 2;
    if (plot.XOnTop) {
        rect.Top = 2 * h + ppi.Y / 8 + h / 8;
        rect.Bottom = full.Bottom - ppi.Y / 4 - h / 2;
    } else {
        rect.Top = h / 2 + ppi.Y / 4;
        rect.Bottom = full.Bottom - 2 * h - ppi.Y / 8 - h / 8;
    }
    return rect;
}

}  // namespace

int PlotTextHeight(int baseFontHeight, int sizeFont)
{
    return std::abs(baseFontHeight * sizeFont / 10);
}

PixelRect ScreenPlotRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h)
{
    PixelRect rect = untitledRect(plot, full, ppi, h);
    if (hasGraphTitle(plot)) {
        if (plot.GraphTitleOnTop)
            rect.Top += h / 8 + h;
        else
            rect.Bottom -= h;
    }
    return rect;
}

PixelRect ImagePlotRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h)
{
    return ScreenPlotRect(plot, full, ppi, h);
}

PixelRect PrinterPlotRect(const TGraphPlot& plot, const PixelRect& full, Resolution ppi, int h)
{
    const int titleRoom = 2 * h + ppi.X / 8 + h / 8;
    PixelRect rect{full.Left + titleRoom, full.Top, full.Right, full.Bottom};
    if (plot.XOnTop)
        rect.Top += titleRoom;
    else
        rect.Bottom -= titleRoom;
    if (hasGraphTitle(plot)) {
        if (plot.GraphTitleOnTop)
            rect.Top += ppi.Y / 4;
        else
            rect.Bottom -= ppi.Y / 2;
    }
    return rect;
}

bool LargeEnoughToDraw(const PixelRect& full, Resolution ppi)
{
    return full.Width() >= ppi.X && full.Height() >= ppi.Y;
}

int CurvePenWidth(Resolution ppi, int widthLine)
{
    return (static_cast<int>(std::nearbyint(ppi.X / 300.0)) + 1) * widthLine;
}

PlotTitles PlaceTitles(const TGraphPlot& plot, const PixelRect& full, int h, const PlotTextMetrics& metrics)
{
    PlotTitles titles;
    const auto centredX = [&](const std::string& text) {
        return (full.Left + full.Right - metrics.TitleWidth(text)) / 2;
    };
    const bool titleOnTop = hasGraphTitle(plot) && plot.GraphTitleOnTop;
    const bool titleBelow = hasGraphTitle(plot) && !plot.GraphTitleOnTop;
    const int titleLine = h / 8 + h;

    titles.XTitle.Text = plot.XAxisTitle();
    titles.XTitle.At.X = centredX(titles.XTitle.Text);
    if (plot.XOnTop)
        titles.XTitle.At.Y = full.Top + (titleOnTop ? titleLine : 0);
    else
        titles.XTitle.At.Y = full.Bottom - metrics.TitleHeight - (titleBelow ? titleLine : 0);

    if (hasGraphTitle(plot)) {
        const int y = plot.GraphTitleOnTop ? full.Top : full.Bottom - metrics.TitleHeight;
        titles.GraphTitle = TextPlacement{plot.GraphTitle, {centredX(plot.GraphTitle), y}, false};
    }

    titles.YTitle.Text = plot.YAxisTitle();
    titles.YTitle.At = {full.Left, (full.Bottom + full.Top + metrics.TitleWidth(titles.YTitle.Text)) / 2};
    titles.YTitle.Upward = true;
    return titles;
}

PixelRect PlotFrame(const PixelRect& plotRect)
{
    return {plotRect.Left, plotRect.Top, plotRect.Right + 1, plotRect.Bottom + 1};
}

}  // namespace quarlo
