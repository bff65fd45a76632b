#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;
class QWidget;

namespace quarlo {

// What a print command asks of the printer.
struct PrintJob {
    // The print job's name, as the printer queue shows it.
    QString documentName;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Paper, orientation and margins from a page setup; when given it replaces `orientation`.
    std::optional<QPageLayout> pageLayout;
    // The file proposed when the page goes to a PDF file; a name without a folder is proposed
    // in the user's documents folder.
    QString pdfFileName;
    // The printer a page setup chose; empty for the system's default printer.
    QString printerName;
};

// Where a save dialog proposes `fileName`: as it stands when it names a folder, otherwise
// among the user's documents (or at home, when there is no such folder), rather than in
// whatever folder the program was started from.
QString ProposedSavePath(const QString& fileName);

// A printer ready for the job, or none when the user cancelled. With a printer installed the
// print dialog chooses it. Without one the user is told so and offered a PDF file instead (a
// save dialog proposing `job.pdfFileName`), so a print never fails without a word.
std::unique_ptr<QPrinter> ChoosePrintTarget(QWidget* parent, const PrintJob& job);

// A printer that writes the job to the PDF file `fileName` (".pdf" added when it has no
// extension of that name).
std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName, const PrintJob& job);

using PaintPageFunction = std::function<void(QPainter&, QPrinter&)>;

// Prints one page on `printer`: `paintPage` draws it and the job is ended. A target that
// cannot be written (a printer gone, a PDF in a folder without write access) is reported in
// a message box. True when the page was printed.
bool PrintOnto(QWidget* parent, QPrinter& printer, const PaintPageFunction& paintPage);

// Chooses the target (ChoosePrintTarget) and prints one page on it (PrintOnto). False when
// the user cancelled or the page could not be printed.
bool PrintPage(QWidget* parent, const PrintJob& job, const PaintPageFunction& paintPage);

}  // namespace quarlo
