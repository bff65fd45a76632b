#pragma once

#include <string>

#include "GraphDefinitions.h"
#include "PlotData.h"

namespace quarlo {

struct PlotLoadResult {
    bool Loaded = false;      // the file was read completely; the graphs may be shown
    std::string Message;      // for the user when not loaded, empty otherwise
    std::string Detail;       // the reader's own text (line and item), empty when loaded
};

// The message the caller shows when the plot data file cannot be read.
inline constexpr const char* kPlotLoadFailed = "An error occured in running the main program.";

// Reads the plot data file into the graphs: the t-z curves, the tip curve, the load
// distribution and the load-settlement curve; everything after them is left to the results
// summary. `projectUnits` (the project's unit system, not the file's flag) names the t-z
// curves by depth with " in" or " m". What was read up to a fault stays in the graphs.
PlotLoadResult LoadPlotFile(GraphDefinitions& graphs, const std::string& fileName, int projectUnits);

// The graphs from plot data already read (see LoadPlotFile); `data` may be incomplete.
void FillGraphs(GraphDefinitions& graphs, const PlotData& data, int projectUnits);

}  // namespace quarlo
