#pragma once

#include <string>

#include "GraphDefinitions.h"
#include "PlotData.h"

namespace quarlo {

class TProgramData;

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

// The same for a run of `project`: the t-z curves named in its unit system and, when the run
// had down-drag, the neutral plane of each tip movement marked on its load-distribution
// curve, found with the project's settlement profile as the results summary finds it.
PlotLoadResult LoadPlotFile(GraphDefinitions& graphs, const std::string& fileName, const TProgramData& project);

// The graphs from plot data already read (see LoadPlotFile); `data` may be incomplete. No
// marks are left on the load distribution.
void FillGraphs(GraphDefinitions& graphs, const PlotData& data, int projectUnits);

// A point of the load distribution as its graph shows it, from a load and a depth in the
// engine's units of unit flag `units`: an English run's pounds and inches as kips and feet.
TFloatPoint DistributionPoint(long double load, long double depth, int units);

}  // namespace quarlo
