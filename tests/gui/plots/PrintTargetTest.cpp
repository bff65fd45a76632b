#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "PdfFile.h"
#include "PrintTarget.h"

using namespace quarlo;

class PrintTargetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        test::isolateSettings();
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("A printer is installed here: the print dialog would be shown instead of the PDF path.");
        QVERIFY(m_dir.isValid());
    }

    void init() { m_window.reset(new QWidget); }

    void withoutPrinterThePageGoesToAPdfOfOnePage_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("landscape") << int(QPageLayout::Landscape) << "landscape.pdf" << "landscape.pdf";
        QTest::newRow("portrait") << int(QPageLayout::Portrait) << "portrait.pdf" << "portrait.pdf";
        QTest::newRow("extension added") << int(QPageLayout::Landscape) << "no-extension" << "no-extension.pdf";
    }

    void withoutPrinterThePageGoesToAPdfOfOnePage()
    {
        QFETCH(int, orientation);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        PrintJob job = jobNamed("chosen.pdf");
        job.orientation = static_cast<QPageLayout::Orientation>(orientation);
        test::ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) { chooseFile(dialog, m_dir.filePath(typed)); };
        QVERIFY(PrintPage(m_window.get(), job, drawCross));
        QCOMPARE(answerer.texts(),
                 QStringList{"No printer is installed. Choose a file to save the page as a PDF document instead."});
        const test::PdfFile pdf(m_dir.filePath(written));
        QVERIFY2(pdf.valid(), qPrintable(pdf.path()));
        QCOMPARE(pdf.pageCount(), 1);
        QCOMPARE(pdf.landscape(), orientation == int(QPageLayout::Landscape));
    }

    void theSaveDialogProposesTheJobsFile()
    {
        QCOMPARE(proposedFile(m_dir.filePath("proposed.pdf")), m_dir.filePath("proposed.pdf"));
    }

    void aBareNameIsProposedAmongTheDocuments()
    {
        QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (!folder.exists())
            folder = QDir::home();
        QCOMPARE(proposedFile("NewQUARLO-elevation.pdf"), folder.filePath("NewQUARLO-elevation.pdf"));
    }

    void cancellingTheSaveDialogPrintsNothing()
    {
        test::ModalAnswerer answerer;
        answerer.onDialog = [](QDialog* dialog) { dialog->reject(); };
        bool painted = false;
        QVERIFY(!PrintPage(m_window.get(), jobNamed(m_dir.filePath("cancelled.pdf")),
                           [&](QPainter&, QPrinter&) { painted = true; }));
        QVERIFY(!painted);
        QVERIFY(!QFile::exists(m_dir.filePath("cancelled.pdf")));
        QCOMPARE(answerer.texts().size(), 1);
    }

    void aFileThatCannotBeWrittenIsReported()
    {
        // No one, not even root, can make a file in /proc.
        const std::unique_ptr<QPrinter> printer = MakePdfPrinter(QStringLiteral("/proc/page.pdf"), jobNamed({}));
        test::ModalAnswerer answerer;
        bool painted = false;
        QVERIFY(!PrintOnto(m_window.get(), *printer, [&](QPainter&, QPrinter&) { painted = true; }));
        QVERIFY(!painted);
        QCOMPARE(answerer.texts(), QStringList{"The page could not be written to \"/proc/page.pdf\"."});
    }

    void aPageLayoutFromPageSetupReplacesTheOrientation()
    {
        PrintJob job = jobNamed("layout.pdf");
        job.orientation = QPageLayout::Portrait;
        job.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter);
        const std::unique_ptr<QPrinter> printer = MakePdfPrinter(m_dir.filePath("layout"), job);
        QCOMPARE(printer->outputFileName(), m_dir.filePath("layout.pdf"));
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(printer->docName(), QString("Test Page"));
    }

private:
    static PrintJob jobNamed(const QString& pdfFileName)
    {
        PrintJob job;
        job.documentName = QStringLiteral("Test Page");
        job.pdfFileName = pdfFileName;
        return job;
    }

    // The file the save dialog proposes for a job with `pdfFileName`; the dialog is cancelled.
    QString proposedFile(const QString& pdfFileName)
    {
        test::ModalAnswerer answerer;
        QString proposed;
        answerer.onDialog = [&](QDialog* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                proposed = files->selectedFiles().value(0);
            dialog->reject();
        };
        PrintPage(m_window.get(), jobNamed(pdfFileName), drawCross);
        return proposed;
    }

    // Types `fileName` into the save dialog and accepts it.
    static void chooseFile(QDialog* dialog, const QString& fileName)
    {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        files->selectFile(fileName);
        dialog->accept();
    }

    static void drawCross(QPainter& painter, QPrinter& printer)
    {
        painter.drawLine(0, 0, printer.width(), printer.height());
        painter.drawLine(0, printer.height(), printer.width(), 0);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_window;
};

QTEST_MAIN(PrintTargetTest)
#include "PrintTargetTest.moc"
