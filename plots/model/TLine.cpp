#include "TLine.h"

#include <algorithm>

#include "NumberFormat.h"
#include "PlotText.h"
#include "TGraphPlot.h"

namespace quarlo {

void TLine::SetPointCount(int n)
{
    Points.resize(static_cast<std::size_t>(std::max(n, 0)));
}

std::string TLine::LegendText() const
{
    if (!Name.empty())
        return Name;
    return m_plot->CurveName + formatGeneral(Number, kGeneralFloatDigits);
}

}  // namespace quarlo
