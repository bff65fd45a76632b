#include "PrintTarget.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "Messages.h"

namespace quarlo {

namespace {

void applyJob(QPrinter& printer, const PrintJob& job)
{
    // The printer first: choosing one gives the page its default layout.
    if (!job.printerName.isEmpty() && printer.outputFormat() == QPrinter::NativeFormat)
        printer.setPrinterName(job.printerName);
    printer.setDocName(job.documentName);
    if (job.pageLayout)
        printer.setPageLayout(*job.pageLayout);
    else
        printer.setPageOrientation(job.orientation);
}

QString withPdfExtension(QString fileName)
{
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    return fileName;
}

QString failureText(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return QStringLiteral("The page could not be written to \"%1\".")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    return QStringLiteral("The page could not be sent to the printer \"%1\".").arg(printer.printerName());
}

std::unique_ptr<QPrinter> choosePdfFile(QWidget* parent, const PrintJob& job)
{
    ShowInformation(parent,
                    QStringLiteral("No printer is installed. Choose a file to save the page as a PDF document instead."));
    const QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"),
                                                          ProposedSavePath(job.pdfFileName),
                                                          QStringLiteral("PDF documents (*.pdf)"));
    if (fileName.isEmpty())
        return nullptr;
    return MakePdfPrinter(fileName, job);
}

}  // namespace

// A project not yet saved has a bare name.
QString ProposedSavePath(const QString& fileName)
{
    if (QFileInfo(fileName).isAbsolute())
        return fileName;
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.exists())
        folder = QDir::home();
    return folder.filePath(fileName);
}

std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName, const PrintJob& job)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(withPdfExtension(fileName));
    applyJob(*printer, job);
    return printer;
}

std::unique_ptr<QPrinter> ChoosePrintTarget(QWidget* parent, const PrintJob& job)
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        return choosePdfFile(parent, job);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    applyJob(*printer, job);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

bool PrintOnto(QWidget* parent, QPrinter& printer, const PaintPageFunction& paintPage)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowInformation(parent, failureText(printer));
        return false;
    }
    paintPage(painter, printer);
    if (!painter.end()) {
        ShowInformation(parent, failureText(printer));
        return false;
    }
    return true;
}

bool PrintPage(QWidget* parent, const PrintJob& job, const PaintPageFunction& paintPage)
{
    const std::unique_ptr<QPrinter> printer = ChoosePrintTarget(parent, job);
    return printer && PrintOnto(parent, *printer, paintPage);
}

}  // namespace quarlo
