#include "GraphDefinitions.h"

namespace quarlo {

namespace {

struct AxisTexts {
    const char* caption;
    const char* xCaption;
    const char* xUnits;
    bool xOnTop;
    const char* yCaption;
    const char* yUnits;
};

// Captions keep their trailing blanks: the axis title puts " (" after them, so two blanks
// stand before the parenthesis ("Total Capacity  (kips)").
void define(TGraphPlot& plot, const AxisTexts& texts)
{
    plot.Caption = texts.caption;
    plot.XCaption = texts.xCaption;
    plot.XUnits = texts.xUnits;
    plot.XOnTop = texts.xOnTop;
    plot.YCaption = texts.yCaption;
    plot.YUnits = texts.yUnits;
}

}  // namespace

GraphDefinitions::GraphDefinitions()
{
    define(pltLoad, {"Load Distribution", "Total Capacity ", "F1", true, "Depth ", "L2"});
    define(pltAxial, {"Axial Load vs Settlement", "Axial Load ", "F1", true, "Settlement ", "L"});
    define(pltTZcurves, {"t-z Curves", "Displacement, z", "L", false, "Unit Load Transfer, t", "F/L^2"});
    define(PltQW, {"Tip Resistance Curve", "Q", "F", true, "w", "L"});
}

std::array<TGraphPlot*, 10> GraphDefinitions::All()
{
    return {&pltLoad, &pltAxial, &pltTZcurves, &PltQW, &pltSkin,
            &pltUSkin, &pltTip, &pltTotal, &pltCombine, &PltExtraTZ};
}

std::array<TGraphPlot*, 4> GraphDefinitions::ResultGraphs()
{
    return {&pltLoad, &pltAxial, &pltTZcurves, &PltQW};
}

}  // namespace quarlo
