#include "ActiveCurveFlags.h"

#include <algorithm>

namespace quarlo {

std::vector<std::string> CurveNameList(const TGraphPlot& plot)
{
    std::vector<std::string> names;
    for (int i = 0; i < plot.CurveCount(); ++i)
        names.push_back(plot.Curve(i).LegendText());
    return names;
}

std::vector<std::string> ActiveFlagList(const TGraphPlot& plot)
{
    std::vector<std::string> flags;
    for (int i = 0; i < plot.CurveCount(); ++i)
        flags.emplace_back(plot.Curve(i).Active ? kActiveFlag : kInactiveFlag);
    return flags;
}

std::string ToggledFlag(const std::string& flag)
{
    return flag == kActiveFlag ? kInactiveFlag : kActiveFlag;
}

std::string ActiveCurveRow(const std::string& flag, const std::string& name)
{
    return flag + "   " + name;
}

std::vector<int> RowsToToggle(std::vector<int> selectedRows)
{
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    return selectedRows;
}

void ApplyActiveFlags(TGraphPlot& plot, const std::vector<std::string>& flags)
{
    const int count = std::min(plot.CurveCount(), static_cast<int>(flags.size()));
    for (int i = 0; i < count; ++i)
        plot.Curve(i).Active = flags[static_cast<std::size_t>(i)] == kActiveFlag;
}

}  // namespace quarlo
