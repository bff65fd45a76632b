#include "PlotPrinting.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <memory>

#include "AtomicFile.h"
#include "EInOutError.h"
#include "PlotLayout.h"
#include "PlotPageSetup.h"

namespace quarlo {

namespace {

constexpr qreal kPaperPoints = 10.0;
// The resolution of a PDF page, as a high-resolution printer gives it.
constexpr int kPdfResolution = 1200;

PixelRect toPixelRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The page of `layout` without margins, so that a PDF's painter reaches the whole sheet.
QPageLayout wholeSheet(QPageLayout layout)
{
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins({0, 0, 0, 0});
    return layout;
}

QString fileText(const QString& path)
{
    return QString::fromLatin1("\"%1\"").arg(path);
}

}  // namespace

PrintedPage PageOf(const QPrinter& printer)
{
    PrintedPage page;
    page.Ppi = {printer.logicalDpiX(), printer.logicalDpiY()};
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    page.Paper = {paper.width(), paper.height()};
    // The printer's unprintable edges are the least margins its page layout allows.
    QPageLayout printable = printer.pageLayout();
    printable.setMargins(printable.minimumMargins());
    page.Printable = toPixelRect(printable.paintRectPixels(printer.resolution()));
    return page;
}

QFont PaperFont(const QFont& font)
{
    QFont paper(font);
    paper.setPointSizeF(kPaperPoints);
    return paper;
}

PlotTarget PaperTarget(const TGraphPlot& plot, const PageMargins& margins, const PrintedPage& page, int h)
{
    PlotTarget target;
    target.Ppi = page.Ppi;
    target.FullRect = PrintedFullRect(margins, page.Ppi, page.Paper, page.Printable);
    target.PlotRect = PrinterPlotRect(plot, target.FullRect, page.Ppi, h);
    target.Paper = true;
    return target;
}

bool PrintPlotPage(QWidget* parent, PlotPageSetup& setup, const PrintJob& job, const PaintOnPage& paint)
{
    const std::unique_ptr<QPrinter> printer = ChoosePrintTarget(parent, job);
    if (!printer)
        return false;
    setup.Remember(*printer);
    // The margins are the graph's own (page setup's, against the printer's unprintable
    // edges), so the painter is given the whole sheet.
    printer->setFullPage(true);
    const PrintedPage page = PageOf(*printer);
    return PrintOnto(parent, *printer, [&](QPainter& painter, QPrinter&) { paint(painter, page); });
}

void WritePdfPage(const QString& path, const PrintJob& job, const PaintOnPage& paint)
{
    writeFileAtomically(QFile::encodeName(path).toStdString(), [&](const std::string& newFile) {
        QFile file(QFile::decodeName(newFile.c_str()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw EInOutError("Cannot write " + fileText(path).toStdString() + ": " + file.errorString().toStdString());
        {
            QPdfWriter writer(&file);
            writer.setResolution(kPdfResolution);
            writer.setTitle(job.documentName);
            QPageLayout layout = job.pageLayout ? *job.pageLayout : writer.pageLayout();
            if (!job.pageLayout)
                layout.setOrientation(job.orientation);
            writer.setPageLayout(wholeSheet(layout));
            QPainter painter;
            if (!painter.begin(&writer))
                throw EInOutError("Cannot write " + fileText(path).toStdString());
            const int ppi = writer.resolution();
            const PrintedPage page{{ppi, ppi}, {writer.width(), writer.height()}, {0, 0, writer.width(), writer.height()}};
            paint(painter, page);
            painter.end();
        }
        if (!file.flush() || file.error() != QFileDevice::NoError)
            throw EInOutError("Cannot write " + fileText(path).toStdString() + ": " + file.errorString().toStdString());
    });
}

}  // namespace quarlo
