#include "PlotText.h"

#include "NumberFormat.h"

namespace quarlo {

std::string TickLabel(long double value)
{
    return formatGeneral(value, kTickLabelDigits, kPlotExponentDigits);
}

std::string CoordinateReadout(const std::string& caption, long double x, long double y)
{
    return caption + " X: " + formatGeneral(x, kReadoutDigits, kPlotExponentDigits) + " Y: " +
           formatGeneral(y, kReadoutDigits, kPlotExponentDigits);
}

}  // namespace quarlo
