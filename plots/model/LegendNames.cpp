#include "LegendNames.h"

#include <algorithm>
#include <cctype>

namespace quarlo {

bool IsLegendName(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return !std::isspace(c); });
}

void ApplyLegendNames(TGraphPlot& plot, const std::vector<std::string>& names)
{
    const int count = std::min(plot.CurveCount(), static_cast<int>(names.size()));
    for (int i = 0; i < count; ++i)
        plot.Curve(i).Name = names[static_cast<std::size_t>(i)];
}

}  // namespace quarlo
