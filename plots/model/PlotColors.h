#pragma once

#include <array>

namespace quarlo {

struct PlotColor {
    unsigned char R = 0;
    unsigned char G = 0;
    unsigned char B = 0;

    friend bool operator==(const PlotColor&, const PlotColor&) = default;
};

// The colours of the curves, taken in turn by the active curves (slot modulo 17).
extern const std::array<PlotColor, 17> PlotColors;

// The colour of colour slot `slot` (a curve's position among the active curves).
PlotColor CurveColor(int slot);

}  // namespace quarlo
