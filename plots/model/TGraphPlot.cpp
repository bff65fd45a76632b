#include "TGraphPlot.h"

#include <algorithm>

#include "Units.h"
#include "UnitsDisplay.h"

namespace quarlo {

void TGraphPlot::SetCurveCount(int n)
{
    const std::size_t count = static_cast<std::size_t>(std::max(n, 0));
    if (m_curves.size() > count)
        m_curves.resize(count);
    while (m_curves.size() < count) {
        const int points = PointCount();
        m_curves.push_back(std::make_unique<TLine>(*this, static_cast<long double>(m_curves.size() + 1)));
        m_curves.back()->SetPointCount(points);
    }
}

void TGraphPlot::SetPointCount(int n)
{
    for (const std::unique_ptr<TLine>& curve : m_curves)
        curve->SetPointCount(n);
}

int TGraphPlot::PointCount() const
{
    return m_curves.empty() ? 0 : static_cast<int>(m_curves.front()->Points.size());
}

void TGraphPlot::SetUnits(int code)
{
    m_units = std::clamp(code, kUnitsEnglish, kUnitsSymbols);
}

// The plots name one force family and one length family per string (F2, else F1, else F;
// L2, else L1, else L), every occurrence replaced: the numeric field's rule. The plots'
// strings hold no other symbols, so the field's extra ones (F4-F6, L3) never come into it.
std::string TGraphPlot::ExpandUnits(const std::string& unitString, int code)
{
    return DisplayFieldUnits(unitString, code);
}

std::string TGraphPlot::AxisTitle(const std::string& caption, const std::string& unitString) const
{
    if (unitString.empty())
        return caption;
    return caption + " (" + ExpandUnits(unitString, m_units) + ")";
}

}  // namespace quarlo
