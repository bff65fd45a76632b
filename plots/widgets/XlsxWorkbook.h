#pragma once

#include <functional>
#include <string>
#include <vector>

#include "WorkbookContent.h"

namespace quarlo {

class TGraphPlot;

// Told about the sheet about to be written, then (with nullptr) when every sheet is in and
// the file itself is being written, which takes the longest.
using WorkbookProgress = std::function<void(const WorkbookSheet* sheet)>;

// Writes `content` as an .xlsx workbook into the file `fileName` (made or truncated), with
// libxlsxwriter. The first sheet is the one in view when the workbook opens. Throws
// std::runtime_error with the library's reason when a sheet or the file cannot be written.
void WriteXlsxWorkbook(const WorkbookContent& content, const std::string& fileName,
                       const WorkbookProgress& progress = {});

// The export of `plots` to the workbook `path`: the content built from the plots, written
// beside `path` and only then renamed over it, so a failure leaves no partial workbook and an
// older one as it was. Throws what BuildWorkbook throws, or EInOutError naming `path` and
// the reason.
void ExportPlotsToWorkbook(const std::vector<const TGraphPlot*>& plots, const std::string& path,
                           const WorkbookProgress& progress = {});

}  // namespace quarlo
