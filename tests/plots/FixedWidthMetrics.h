#pragma once

#include <string>

#include "PlotTextMetrics.h"

namespace quarlo {

// Text metrics of a font whose every character is `width` pixels wide and whose lines are
// `height` pixels high, for labels and titles alike: widths the tests can count.
inline PlotTextMetrics fixedWidthMetrics(int width, int height)
{
    PlotTextMetrics metrics;
    metrics.LabelWidth = [width](const std::string& text) { return static_cast<int>(text.size()) * width; };
    metrics.LabelHeight = height;
    metrics.TitleWidth = metrics.LabelWidth;
    metrics.TitleHeight = height;
    return metrics;
}

}  // namespace quarlo
