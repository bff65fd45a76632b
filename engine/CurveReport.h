#pragma once

#include "EngineData.h"
#include "OutputLine.h"
#include "TextSink.h"

namespace quarlo {

// The t-z and tip-curve tables of the report and their blocks in the plot data file.
// User curves are written line by line while they are read; generated curves all at once
// after generation. Both use the same line layouts, which live only here.

// One curve's first line (2X, I5 ICURVE, I11 NPTS, E16.4 DEPTHC) and one point line
// (31X, E15.4 TVAL, E15.4 ZVAL); identical in the report and the plot data file.
OutputLine tzCurveLine(const TzCurve& curve);
OutputLine tzPointLine(Real t, Real z);
// One tip-curve point (E18.4 QTIP, E19.4 WTIP); identical in the report and the plot file.
OutputLine tipPointLine(Real q, Real w);
// A count line of the plot data file.
OutputLine countLine(int count);

// Report section: the t-z table heading (before the first curve).
void writeTzCurveHeading(TextSink& report, const EngineData& data);
// One curve, its first line and all its points.
void writeTzCurve(TextSink& sink, const TzCurve& curve);
// Report section for generated curves: heading and all NCURVE curves.
void writeTzCurveTable(TextSink& report, const EngineData& data);
// Plot block 1: the count and the first `count` curves.
void writeTzPlotBlock(TextSink& plot, const EngineData& data, int count);

// Report section: the tip-curve heading (before the first point).
void writeTipCurveHeading(TextSink& report, const EngineData& data);
// Report section: heading and all NQW points.
void writeTipCurveTable(TextSink& report, const EngineData& data);
// Plot block 2: the count NQW and all points.
void writeTipPlotBlock(TextSink& plot, const EngineData& data);

}  // namespace quarlo
