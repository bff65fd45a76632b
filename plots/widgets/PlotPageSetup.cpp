#include "PlotPageSetup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace quarlo {

namespace {

constexpr qreal kThousandthsPerInch = 1000.0;

bool printerInstalled()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

QMarginsF inInches(const PageMargins& margins)
{
    return {margins.Left / kThousandthsPerInch, margins.Top / kThousandthsPerInch,
            margins.Right / kThousandthsPerInch, margins.Bottom / kThousandthsPerInch};
}

PageMargins inThousandths(const QMarginsF& inches)
{
    return {ThousandthsOfInch(inches.left()), ThousandthsOfInch(inches.top()), ThousandthsOfInch(inches.right()),
            ThousandthsOfInch(inches.bottom())};
}

}  // namespace

void PlotPageSetup::prepare(QPrinter& printer) const
{
    if (!printerInstalled())
        printer.setOutputFormat(QPrinter::PdfFormat);
    else if (!m_printerName.isEmpty())
        printer.setPrinterName(m_printerName);
    if (m_layout) {
        printer.setPageSize(m_layout->pageSize());
        printer.setPageOrientation(m_layout->orientation());
    }
    // A printer refuses margins inside its unprintable edges; the dialog shows them at least
    // that wide, which is what printing makes of them anyway.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF wanted = inInches(m_margins);
    printer.setPageMargins({std::max(wanted.left(), least.left()), std::max(wanted.top(), least.top()),
                            std::max(wanted.right(), least.right()), std::max(wanted.bottom(), least.bottom())},
                           QPageLayout::Inch);
}

bool PlotPageSetup::Execute(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPageSetupDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PageSetupDialog"));
    dialog.setWindowTitle(QString::fromLatin1(printerInstalled() ? kCaption : kPdfCaption));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Remember(printer);
    m_margins = inThousandths(printer.pageLayout().margins(QPageLayout::Inch));
    return true;
}

PrintJob PlotPageSetup::Job(const QString& documentName, const QString& pdfFileName) const
{
    PrintJob job;
    job.documentName = documentName;
    job.pdfFileName = pdfFileName;
    job.pageLayout = m_layout;
    job.printerName = m_printerName;
    return job;
}

void PlotPageSetup::Remember(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat)
        m_printerName = printer.printerName();
    m_layout = printer.pageLayout();
}

}  // namespace quarlo
