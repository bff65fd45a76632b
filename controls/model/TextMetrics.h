#pragma once

#include <functional>
#include <string>

namespace quarlo {

// The grid's canvas as the columns see it when they compute their widths: the pixel width of
// a text in the grid's font and the screen's pixels per inch.
struct TextMetrics {
    std::function<int(const std::string&)> textWidth;
    int pixelsPerInch = 96;
};

}  // namespace quarlo
