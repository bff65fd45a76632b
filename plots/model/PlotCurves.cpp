#include "PlotCurves.h"

namespace quarlo {

void ActivateCurves(TGraphPlot& plot)
{
    for (int i = 0; i < plot.CurveCount(); ++i)
        plot.Curve(i).Active = !plot.LimitActiveCurves || i < kMaxActiveCurves;
}

std::vector<LegendEntry> LegendEntries(const TGraphPlot& plot)
{
    std::vector<LegendEntry> entries;
    for (int i = 0; i < plot.CurveCount(); ++i) {
        const TLine& curve = plot.Curve(i);
        if (!curve.Active)
            continue;
        std::string text = curve.LegendText();
        if (plot.onGetCaption)
            plot.onGetCaption(i, text);
        entries.push_back({i, std::move(text), curve.Shown, static_cast<int>(entries.size())});
    }
    return entries;
}

std::string LegendItemText(const LegendEntry& entry)
{
    return entry.Shown ? entry.Text + " *" : entry.Text;
}

namespace {

CurvePath pathOf(const TGraphPlot& plot, int index, int slot, const PlotMapping& mapping)
{
    CurvePath path{index, slot, {}, {}};
    const std::vector<TFloatPoint>& points = plot.Curve(index).Points;
    path.Points.reserve(points.size());
    for (std::size_t j = 0; j < points.size(); ++j) {
        path.Points.push_back(mapping.ToPixel(points[j]));
        if (plot.Markers > 0 && j % static_cast<std::size_t>(plot.Markers) == 0)
            path.MarkerPoints.push_back(j);
    }
    return path;
}

}  // namespace

std::vector<CurvePath> CurvePaths(const TGraphPlot& plot, const PlotMapping& mapping)
{
    std::vector<CurvePath> paths;
    if (plot.CurveCount() == 0 || plot.PointCount() < 2)
        return paths;
    int slot = 0;
    for (int i = 0; i < plot.CurveCount(); ++i) {
        const TLine& curve = plot.Curve(i);
        if (!curve.Active)
            continue;
        // A curve without points keeps its colour slot but has nothing to draw: no marker
        // may stand for it anywhere, least of all at the origin.
        if (curve.Shown && !curve.Points.empty())
            paths.push_back(pathOf(plot, i, slot, mapping));
        ++slot;
    }
    return paths;
}

}  // namespace quarlo
