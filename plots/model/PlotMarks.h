#pragma once

#include <string>
#include <vector>

#include "CurveMarks.h"
#include "PlotCurves.h"
#include "PlotGeometry.h"
#include "PlotMapping.h"

namespace quarlo {

// A marked point as drawn: a short horizontal stroke centred on it, in its curve's colour.
// Where a load-distribution curve turns back at its largest load it runs straight down, so
// the stroke crosses it and stands out from the curve markers, which sit on it.
struct MarkStroke {
    int CurveIndex = 0;
    int ColorSlot = 0;
    PixelLine Line;
};

// Half the stroke's length: a twelfth of an inch, so the stroke is a sixth of an inch long,
// well clear of the markers' sixteenth.
int MarkHalfLength(Resolution ppi);
// A little heavier than the curves, so that it reads on top of its own curve.
int MarkPenWidth(Resolution ppi, int widthLine);

// The strokes of the marks whose curves are drawn (`drawn`, the curves as CurvePaths gives
// them), in the drawn curve's colour slot; marks of hidden or inactive curves are left out.
std::vector<MarkStroke> MarkStrokes(const CurveMarks& marks, const std::vector<CurvePath>& drawn,
                                    const PlotMapping& mapping, Resolution ppi);

// The legend's line about the marks: their note while one of them belongs to a curve the
// legend lists as shown, empty otherwise (then the legend has no such line).
std::string MarkNote(const CurveMarks& marks, const std::vector<LegendEntry>& entries);

}  // namespace quarlo
