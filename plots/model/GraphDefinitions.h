#pragma once

#include <array>

#include "TGraphPlot.h"

namespace quarlo {

// The main window's set of result graphs, made once with the main window and kept for its
// life. Four are filled from the plot data file and shown; the other six are defined but
// no data reaches them and no command shows them.
class GraphDefinitions {
public:
    // The ten graphs with their captions, axis texts and unit strings; no curves yet.
    GraphDefinitions();
    GraphDefinitions(const GraphDefinitions&) = delete;
    GraphDefinitions& operator=(const GraphDefinitions&) = delete;

    TGraphPlot pltLoad;       // load distribution along the pile, one curve per tip movement
    TGraphPlot pltAxial;      // pile-head load against settlement
    TGraphPlot pltTZcurves;   // the t-z curves, one per depth
    TGraphPlot PltQW;         // the tip resistance curve
    TGraphPlot pltSkin;
    TGraphPlot pltUSkin;
    TGraphPlot pltTip;
    TGraphPlot pltTotal;
    TGraphPlot pltCombine;
    TGraphPlot PltExtraTZ;

    // All ten, in the order above.
    std::array<TGraphPlot*, 10> All();
    // The four that the program fills and shows, in the order above.
    std::array<TGraphPlot*, 4> ResultGraphs();
};

}  // namespace quarlo
