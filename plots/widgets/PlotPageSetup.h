#pragma once

#include <QPageLayout>
#include <QString>

#include <optional>

#include "PrintMargins.h"
#include "PrintTarget.h"

class QPrinter;
class QWidget;

namespace quarlo {

// The page a plot window prints on: the printer chosen last, the paper and orientation, and
// the margins (an inch on each side until page setup sets others). All of it reaches the
// window's next print and PDF: page setup and the print dialog both leave their choices
// here. Without a printer installed, page setup sets up the page of the PDF documents that
// printing makes instead, and its title says so.
class PlotPageSetup {
public:
    static constexpr const char* kCaption = "Page Setup";
    static constexpr const char* kPdfCaption = "Page Setup - no printer installed, for PDF documents";

    const PageMargins& Margins() const { return m_margins; }
    // The paper and orientation chosen, none until a choice was made.
    const std::optional<QPageLayout>& Layout() const { return m_layout; }
    const QString& PrinterName() const { return m_printerName; }

    // Shows the page-setup dialog on the printer and page kept here; true when the user
    // confirmed it, and then its printer, paper, orientation and margins are kept.
    bool Execute(QWidget* parent);

    // A print job with the printer and page kept here.
    PrintJob Job(const QString& documentName, const QString& pdfFileName) const;

    // Keeps the printer, paper and orientation `printer` was given (by the print dialog);
    // the margins stay those of page setup, which the graph keeps itself.
    void Remember(const QPrinter& printer);

private:
    // A printer set up with what is kept here, its margins shown no narrower than it can print.
    void prepare(QPrinter& printer) const;

    QString m_printerName;
    std::optional<QPageLayout> m_layout;
    PageMargins m_margins;
};

}  // namespace quarlo
