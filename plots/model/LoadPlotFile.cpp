#include "LoadPlotFile.h"

#include <algorithm>

#include "NeutralPlaneMarks.h"
#include "NumberFormat.h"
#include "PlotFileReader.h"
#include "ProgramData.h"
#include "ResultsSummary.h"
#include "PlotText.h"
#include "Units.h"
#include "WordReader.h"

namespace quarlo {

namespace {

// The load distribution and the load-settlement curve of an English run are drawn in feet
// and kips, while the engine writes inches and pounds.
constexpr long double kInchesPerFoot = 12;
constexpr long double kPoundsPerKip = 1000;
constexpr int kEnglishFlag = 1;

// Curve counts the graphs get before reading; the unused graphs keep fixed counts.
void setFixedCurveCounts(GraphDefinitions& graphs)
{
    graphs.pltAxial.SetCurveCount(1);
    graphs.PltQW.SetCurveCount(1);
    graphs.pltLoad.SetCurveCount(9);
    for (TGraphPlot* plot : {&graphs.pltSkin, &graphs.pltUSkin, &graphs.pltTip, &graphs.pltTotal})
        plot->SetCurveCount(9);
    graphs.pltCombine.SetCurveCount(3);
}

std::string depthName(long double depth, int projectUnits)
{
    const UnitRow* length = findUnit('L', '0', UnitVariant::Chart);
    return formatGeneral(depth, kGeneralFloatDigits) + " " + unitWord(*length, projectUnits);
}

// A curve without points has nothing to draw; it is left out rather than drawn as a point
// at the origin. The others all get the largest point count (at least 2), a shorter curve
// ending in copies of its last point, so that every curve is a line of the same length.
void fillTzCurves(TGraphPlot& plot, const PlotData& data, int projectUnits)
{
    std::vector<const PlotTzCurve*> curves;
    std::size_t points = 2;
    for (const PlotTzCurve& curve : data.TzCurves) {
        if (!curve.Points.empty()) {
            curves.push_back(&curve);
            points = std::max(points, curve.Points.size());
        }
    }
    plot.SetCurveCount(static_cast<int>(curves.size()));
    plot.SetPointCount(static_cast<int>(points));
    for (std::size_t i = 0; i < curves.size(); ++i) {
        TLine& line = plot.Curve(static_cast<int>(i));
        line.Name = depthName(curves[i]->Depth, projectUnits);
        std::copy(curves[i]->Points.begin(), curves[i]->Points.end(), line.Points.begin());
        std::fill(line.Points.begin() + static_cast<std::ptrdiff_t>(curves[i]->Points.size()), line.Points.end(),
                  curves[i]->Points.back());
    }
}

void fillTipCurve(TGraphPlot& plot, const PlotData& data)
{
    plot.SetPointCount(data.TipPointCount);
    std::copy(data.TipCurve.begin(), data.TipCurve.end(), plot.Curve(0).Points.begin());
}

void fillDistribution(TGraphPlot& plot, const PlotData& data)
{
    plot.SetCurveCount(data.TipMovementCount);
    plot.SetPointCount(data.SegmentCount);
    for (std::size_t i = 0; i < data.Distribution.size(); ++i) {
        std::vector<TFloatPoint>& points = plot.Curve(static_cast<int>(i)).Points;
        for (std::size_t s = 0; s < data.Distribution[i].size(); ++s) {
            const PlotSegment& segment = data.Distribution[i][s];
            points[s] = DistributionPoint(segment.AverageLoad, segment.Depth, data.Units);
        }
    }
}

// Point 0 is the origin when the first head load is positive, so the curve starts at no
// load and no settlement; otherwise it repeats point 1 and adds nothing.
void fillLoadSettlement(TGraphPlot& plot, const PlotData& data)
{
    std::vector<TFloatPoint>& points = plot.Curve(0).Points;
    plot.SetPointCount(data.TipMovementCount + 1);
    const long double scale = data.Units == kEnglishFlag ? kPoundsPerKip : 1;
    for (std::size_t k = 0; k < data.Settlement.size(); ++k)
        points[k + 1] = {data.Settlement[k].HeadLoad / scale, data.Settlement[k].HeadMovement};
    const bool fromOrigin = points.size() < 2 || points[1].X > 0;
    points[0] = fromOrigin ? TFloatPoint{} : points[1];
}

// Reads the whole file into `data`; what was read up to a fault stays there.
PlotLoadResult readPlotFile(const std::string& fileName, PlotData& data)
{
    PlotLoadResult result;
    try {
        TWordReader words(fileName);
        ReadPlotData(words, data);
        result.Loaded = true;
    } catch (const EInOutError& error) {
        result.Message = kPlotLoadFailed;
        result.Detail = error.what();
    }
    return result;
}

}  // namespace

TFloatPoint DistributionPoint(long double load, long double depth, int units)
{
    if (units == kEnglishFlag)
        return {load / kPoundsPerKip, depth / kInchesPerFoot};
    return {load, depth};
}

void FillGraphs(GraphDefinitions& graphs, const PlotData& data, int projectUnits)
{
    graphs.pltLoad.Marks = {};
    setFixedCurveCounts(graphs);
    fillTzCurves(graphs.pltTZcurves, data, projectUnits);
    fillTipCurve(graphs.PltQW, data);
    if (!data.HasDistributionCounts)
        return;
    fillDistribution(graphs.pltLoad, data);
    fillLoadSettlement(graphs.pltAxial, data);
    // The unit words follow the file only once all of it was read.
    if (data.Complete) {
        for (TGraphPlot* plot : graphs.All())
            plot->SetUnits(data.Units);
    }
}

PlotLoadResult LoadPlotFile(GraphDefinitions& graphs, const std::string& fileName, int projectUnits)
{
    PlotData data;
    const PlotLoadResult result = readPlotFile(fileName, data);
    FillGraphs(graphs, data, projectUnits);
    return result;
}

PlotLoadResult LoadPlotFile(GraphDefinitions& graphs, const std::string& fileName, const TProgramData& project)
{
    PlotData data;
    const PlotLoadResult result = readPlotFile(fileName, data);
    FillGraphs(graphs, data, project.Units());
    if (result.Loaded)
        graphs.pltLoad.Marks = NeutralPlaneMarks(SummarizeRun(data, DowndragSiteOf(project, data.Units)));
    return result;
}

}  // namespace quarlo
