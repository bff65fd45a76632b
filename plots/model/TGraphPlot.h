#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CurveMarks.h"
#include "TLine.h"

namespace quarlo {

// One result graph: its curves, the captions and unit strings of its axes, and the display
// options its window uses. The window itself belongs to the widget layer; this is what the
// window, the printer, the image file and the workbook export all draw from.
class TGraphPlot {
public:
    TGraphPlot() = default;
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    // Exactly n curves (n below 0 counts as 0): the last curves are removed, or new ones
    // appended, each with Number = its position from 1 and as many (0, 0) points as the
    // first curve has. Curves that stay keep their Name and Shown flag.
    void SetCurveCount(int n);
    // Every curve gets exactly n points (see TLine::SetPointCount).
    void SetPointCount(int n);

    int CurveCount() const { return static_cast<int>(m_curves.size()); }
    // Points of the first curve; 0 without curves.
    int PointCount() const;
    // Curve i and point j of curve i, both from 0; std::out_of_range outside.
    TLine& Curve(int i) { return *m_curves.at(static_cast<std::size_t>(i)); }
    const TLine& Curve(int i) const { return *m_curves.at(static_cast<std::size_t>(i)); }
    TFloatPoint& CurvePoint(int i, int j) { return Curve(i).Points.at(static_cast<std::size_t>(j)); }
    const TFloatPoint& CurvePoint(int i, int j) const { return Curve(i).Points.at(static_cast<std::size_t>(j)); }

    // Unit system of the unit strings: 1 English, 2 SI, 3 the strings as they stand.
    // Setting clamps: above 3 gives 3, 0 or less gives 1.
    int Units() const { return m_units; }
    void SetUnits(int code);

    // The words of a unit string in unit system `code`, e.g. "F1/L2^2" as kips/ft^2 (1) or
    // kN/m^2 (2); code 3 gives the string unchanged.
    static std::string ExpandUnits(const std::string& unitString, int code);
    // The caption, then " (", the expanded unit string and ")" when there is a unit string;
    // the caption alone otherwise. Captions keep their trailing blanks.
    std::string AxisTitle(const std::string& caption, const std::string& unitString) const;
    std::string XAxisTitle() const { return AxisTitle(XCaption, XUnits); }
    std::string YAxisTitle() const { return AxisTitle(YCaption, YUnits); }

    // Persisted options, with the values of a new plot.
    std::string CurveName = "Curve #";
    std::string Caption;          // graph name: window caption, print job, export sheet
    bool ShowLegend = true;
    bool ShowLayers = false;      // soil-layer strip (no graph of this program has one)
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;    // the window offers Font Size and Line Width
    int WallLineCount = 0;
    int Markers = 1;              // 0 no markers, n a marker on every n-th point
    int SizeFont = 10;            // text size in tenths of the base font height
    int LegendFont = 11;          // base point size of the legend
    int WidthLine = 1;            // curve line width factor
    std::string XCaption;
    std::string XUnits;
    bool XOnTop = true;           // X axis at the top and Y growing downward (depth graphs)
    std::string YCaption;
    std::string YUnits;
    std::string XCaption2, XUnits2, YCaption2, YUnits2;
    std::string XCaption3, XUnits3, YCaption3, YUnits3;
    // May change the legend text of curve `index` while a window builds its legend.
    std::function<void(int index, std::string& text)> onGetCaption;

    // Run-time state, not persisted.
    std::string GraphTitle;
    bool GraphTitleOnTop = false;
    // A window shows at most the first kMaxActiveCurves curves as active.
    bool LimitActiveCurves = true;
    // Points marked on the curves, set with the curves whenever the plot data is read.
    CurveMarks Marks;

private:
    std::vector<std::unique_ptr<TLine>> m_curves;
    int m_units = 1;
};

}  // namespace quarlo
