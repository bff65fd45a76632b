#pragma once

#include <string>
#include <vector>

#include "TGraphPlot.h"

namespace quarlo {

// What the legend editor says to a legend text left empty.
inline constexpr const char* kLegendNameMissing = "The line must have a name!";

// A legend text the editor accepts: one with something to read in it. Blanks alone would
// leave a line of the legend with no text, as an empty one would.
bool IsLegendName(const std::string& text);

// The colour slot each curve is drawn in (its position among the active curves), -1 for an
// inactive curve, which is not drawn. The editor shows a name in its curve's colour, so that
// the user sees which line of the graph is being renamed.
std::vector<int> CurveColorSlots(const TGraphPlot& plot);

// Confirming the legend editor: every curve takes its row of `names` as its own name.
// Rows beyond the curves are ignored; curves beyond the rows keep their names.
void ApplyLegendNames(TGraphPlot& plot, const std::vector<std::string>& names);

}  // namespace quarlo
