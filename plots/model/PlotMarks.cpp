#include "PlotMarks.h"

#include <algorithm>

#include "PlotLayout.h"

namespace quarlo {

int MarkHalfLength(Resolution ppi)
{
    return ppi.X / 12;
}

int MarkPenWidth(Resolution ppi, int widthLine)
{
    return CurvePenWidth(ppi, widthLine) + std::max(1, ppi.X / 96);
}

std::vector<MarkStroke> MarkStrokes(const CurveMarks& marks, const std::vector<CurvePath>& drawn,
                                    const PlotMapping& mapping, Resolution ppi)
{
    std::vector<MarkStroke> strokes;
    const int half = MarkHalfLength(ppi);
    for (const CurveMark& mark : marks.Points) {
        const auto path = std::find_if(drawn.begin(), drawn.end(),
                                       [&mark](const CurvePath& p) { return p.CurveIndex == mark.CurveIndex; });
        if (path == drawn.end())
            continue;
        const PixelPoint at = mapping.ToPixel(mark.At);
        strokes.push_back({mark.CurveIndex, path->ColorSlot, {{at.X - half, at.Y}, {at.X + half, at.Y}}});
    }
    return strokes;
}

std::string MarkNote(const CurveMarks& marks, const std::vector<LegendEntry>& entries)
{
    const bool anyShown = std::any_of(marks.Points.begin(), marks.Points.end(), [&entries](const CurveMark& mark) {
        return std::any_of(entries.begin(), entries.end(), [&mark](const LegendEntry& entry) {
            return entry.CurveIndex == mark.CurveIndex && entry.Shown;
        });
    });
    return anyShown ? marks.Note : std::string();
}

}  // namespace quarlo
