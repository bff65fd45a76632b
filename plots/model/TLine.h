#pragma once

#include <string>
#include <vector>

#include "TFloatPoint.h"

namespace quarlo {

class TGraphPlot;

// One curve of a result graph. Created only by its plot (TGraphPlot::SetCurveCount), which
// owns it and outlives it.
class TLine {
public:
    TLine(const TGraphPlot& plot, long double number) : Number(number), m_plot(&plot) {}
    TLine(const TLine&) = delete;
    TLine& operator=(const TLine&) = delete;

    // Exactly n points (n below 0 counts as 0): surplus points go from the end, missing
    // ones are appended as (0, 0).
    void SetPointCount(int n);

    // Name when the user gave one, otherwise the plot's CurveName followed by Number
    // ("Curve #1", "Curve #2", ...).
    std::string LegendText() const;

    const TGraphPlot& Plot() const { return *m_plot; }

    std::vector<TFloatPoint> Points;
    // The plot's curve count plus 1 when the curve was made; feeds only the default legend.
    long double Number = 0;
    // The curve's own legend text; empty means the default one.
    std::string Name;
    // Drawn only while Shown; the user toggles it from the legend and the plot menu.
    bool Shown = true;
    // Only active curves have a legend entry, a menu entry and a colour slot. A plot window
    // sets the flags afresh each time it opens (ActivateCurves).
    bool Active = true;

private:
    const TGraphPlot* m_plot;
};

}  // namespace quarlo
