#include "LegendNames.h"

#include <algorithm>
#include <cctype>

namespace quarlo {

bool IsLegendName(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return !std::isspace(c); });
}

std::vector<int> CurveColorSlots(const TGraphPlot& plot)
{
    std::vector<int> slots;
    int slot = 0;
    for (int i = 0; i < plot.CurveCount(); ++i)
        slots.push_back(plot.Curve(i).Active ? slot++ : -1);
    return slots;
}

void ApplyLegendNames(TGraphPlot& plot, const std::vector<std::string>& names)
{
    const int count = std::min(plot.CurveCount(), static_cast<int>(names.size()));
    for (int i = 0; i < count; ++i)
        plot.Curve(i).Name = names[static_cast<std::size_t>(i)];
}

}  // namespace quarlo
