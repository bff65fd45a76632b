#pragma once

#include <string>
#include <vector>

#include "TGraphPlot.h"

namespace quarlo {

// The flags the active-curves dialog shows before each curve's name; the second has two
// blanks after "no", so that both are as wide and the names line up.
inline constexpr const char* kActiveFlag = " yes : ";
inline constexpr const char* kInactiveFlag = " no  : ";

// The legend text of every curve, in curve order, active or not.
std::vector<std::string> CurveNameList(const TGraphPlot& plot);
// The flag of every curve, in curve order, by its Active.
std::vector<std::string> ActiveFlagList(const TGraphPlot& plot);

// The other flag: an active flag becomes inactive, anything else active.
std::string ToggledFlag(const std::string& flag);
// A row of the dialog: the flag, three blanks and the name.
std::string ActiveCurveRow(const std::string& flag, const std::string& name);

// The rows a press of "Activate/Deactivate Selected" toggles: the selected rows, in order,
// each once, whichever row holds the focus; none when none is selected.
std::vector<int> RowsToToggle(std::vector<int> selectedRows);

// Confirming the dialog: every curve with an active flag becomes active, every other one
// inactive. Flags beyond the curves are ignored; curves beyond the flags keep their state.
void ApplyActiveFlags(TGraphPlot& plot, const std::vector<std::string>& flags);

}  // namespace quarlo
