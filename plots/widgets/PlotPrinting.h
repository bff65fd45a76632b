#pragma once

#include <QFont>
#include <QString>

#include <functional>

#include "PlotGeometry.h"
#include "PlotPainter.h"
#include "PrintMargins.h"
#include "PrintTarget.h"

class QPainter;
class QPrinter;
class QWidget;

namespace quarlo {

class PlotPageSetup;

// A sheet the graph is printed on, in device pixels of the whole sheet: the device's
// resolution, the sheet's size and the part of it the device can print on.
struct PrintedPage {
    Resolution Ppi;
    PixelSize Paper;
    PixelRect Printable;
};

// The sheet of `printer`, which paints on the whole sheet (full-page mode).
PrintedPage PageOf(const QPrinter& printer);

// The font the texts of a printed graph are sized from: 10 points in the face of `font`, as
// readable on paper as the window's text is on screen.
QFont PaperFont(const QFont& font);

// Where the graph goes on `page`: the sheet within its margins, the graph inside that with
// room for the titles (PrinterPlotRect), and the legend as a box; `h` the text height.
PlotTarget PaperTarget(const TGraphPlot& plot, const PageMargins& margins, const PrintedPage& page, int h);

using PaintOnPage = std::function<void(QPainter& painter, const PrintedPage& page)>;

// Prints one page: on the printer the print dialog chooses (starting from the printer and
// page of `setup`, which keeps the dialog's choices), or, where no printer is installed, into
// a PDF file the user is asked for. False when cancelled or not printed (the reason shown).
bool PrintPlotPage(QWidget* parent, PlotPageSetup& setup, const PrintJob& job, const PaintOnPage& paint);

// Writes one page as the PDF file `path` on the paper of `job`, replacing the file only once
// the document is complete. EInOutError when it cannot be written.
void WritePdfPage(const QString& path, const PrintJob& job, const PaintOnPage& paint);

}  // namespace quarlo
