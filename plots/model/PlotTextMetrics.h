#pragma once

#include <functional>
#include <string>

namespace quarlo {

// What a plot target (window, printer page, image) measures of its fonts, already scaled
// by the plot's SizeFont: the pixel width of a text and the height of a line, for the
// normal-weight labels and the bold titles.
//
// Upright text is placed by its top left corner. Upward text (reading from bottom to top,
// as the Y title and Y labels are) is placed by the corner where it starts: its cell then
// spans x to x + height across and y - width to y down the target.
struct PlotTextMetrics {
    std::function<int(const std::string&)> LabelWidth;
    int LabelHeight = 0;
    std::function<int(const std::string&)> TitleWidth;
    int TitleHeight = 0;
};

}  // namespace quarlo
