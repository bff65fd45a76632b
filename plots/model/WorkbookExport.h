#pragma once

#include <string>
#include <vector>

#include "TGraphPlot.h"
#include "WorkbookContent.h"

namespace quarlo {

// The legend sheet's status of a plot while its sheets are written, and when they are done.
inline constexpr const char* kStatusData = "In Progress, Data";
inline constexpr const char* kStatusChart = "In Progress, Chart";
inline constexpr const char* kStatusComplete = "Complete";

inline constexpr const char* kLegendSheet = "Legend";
inline constexpr const char* kLegendLinkText = "Go to Legend Page";

// The workbook for `plots`, in that order, the k-th (from 1) on the data sheet "Page_k" and
// its chart on the chart sheet "Plot_k" right after it:
//   - "Legend": the header row 2, then one row per plot with its number, caption, a link to
//     its data sheet, its chart sheet's name and the status "Complete";
//   - "Page_k": the caption, the axis titles, a link back to the legend in G1, then two
//     columns per curve (all curves, active or not): the legend text, "X" and "Y", and every
//     point as a number;
//   - "Plot_k": one series per curve with its legend text and the ranges of its columns; a
//     plot without curves or points gets its data sheet but no chart.
// Throws std::length_error, naming the plot, when a plot's data does not fit on a worksheet.
WorkbookContent BuildWorkbook(const std::vector<const TGraphPlot*>& plots);

// The legend sheet's status of the plot whose sheet `sheet` is while it is written.
const char* SheetStatus(const WorkbookSheet& sheet);

// The workbook the export proposes for a project: the project's file name without its
// extension, followed by "-plots.xlsx", in the project's folder.
std::string ExportWorkbookName(const std::string& projectFile);

}  // namespace quarlo
