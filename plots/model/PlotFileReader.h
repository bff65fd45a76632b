#pragma once

#include <string>

#include "PlotData.h"
#include "WordReader.h"

namespace quarlo {

// The one reader of the plot data file, for the graphs and the results summary alike.
// Reads word by word: the t-z curves, the tip curve, the load distribution and the
// load-settlement rows, then any pile-head load rows. Every count is checked against the
// words the file still holds before anything is sized by it, so a damaged count is refused
// instead of allocating without bound.
//
// EInOutError naming line and item when the first four blocks cannot be read; `data` then
// holds what was read up to the fault. A fault among the pile-head rows is kept in
// data.HeadLoadsProblem instead.
void ReadPlotData(TWordReader& words, PlotData& data);

// The same from a file; EInOutError also when it cannot be opened or read.
PlotData ReadPlotFile(const std::string& fileName);

}  // namespace quarlo
