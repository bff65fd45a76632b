#include "PlotColors.h"

namespace quarlo {

const std::array<PlotColor, 17> PlotColors = {{
    {0, 0, 0},       {0, 0, 255},     {255, 0, 0},     {0, 128, 0},     {128, 0, 128},   {128, 0, 0},
    {0, 0, 128},     {255, 0, 255},   {128, 128, 0},   {0, 128, 128},   {128, 128, 128}, {0, 255, 0},
    {128, 128, 128}, {192, 192, 192}, {192, 192, 192}, {255, 255, 0},   {0, 255, 255},
}};

PlotColor CurveColor(int slot)
{
    const int count = static_cast<int>(PlotColors.size());
    return PlotColors[static_cast<std::size_t>(((slot % count) + count) % count)];
}

}  // namespace quarlo
