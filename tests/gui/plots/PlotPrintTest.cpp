#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QtTest>

#include "EInOutError.h"
#include "PdfFile.h"
#include "PlotPrinting.h"
#include "PlotWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

constexpr const char* kExample = "driven-pile-clay-english.qv3d";

// The page-setup dialog's own fields, by the names Qt gives them.
template <class Widget>
Widget* field(QDialog* dialog, const char* name)
{
    auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qWarning("the page setup has no %s", name);
    return widget;
}

}  // namespace

class PlotPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        isolateSettings();
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("A printer is installed here: printing would go to it, not to a PDF file.");
        QVERIFY(m_fixture.start(kExample));
    }

    void init() { m_fixture.reset(); }

    // Without a printer the user is told so and the page goes into a PDF file of one page,
    // proposed beside the project and named after it and the graph.
    void printingWithoutAPrinterMakesAPdf()
    {
        TPlotForm* form = m_fixture.open("pltLoad");
        const QString project = m_fixture.filePath("pile.qv3d");
        form->SetProjectFileName([project] { return project.toStdString(); });
        const QString printed = m_fixture.filePath("printed.pdf");
        QString proposed;
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                proposed = files->selectedFiles().value(0);
            saveAs(dialog, printed);
        };
        form->Menu().Entry("PlotPrint")->trigger();
        QCOMPARE(answerer.texts(),
                 QStringList{"No printer is installed. Choose a file to save the page as a PDF document instead."});
        QCOMPARE(proposed, m_fixture.filePath("pile-Load Distribution.pdf"));
        const PdfFile pdf(printed);
        QVERIFY2(pdf.valid(), qPrintable(printed));
        QCOMPARE(pdf.pageCount(), 1);
        QVERIFY(!pdf.landscape());
        renderPdfScreenshot(printed, "pltLoad-printed");
    }

    // Export PDF needs no printer at all; a name typed without an extension gets ".pdf".
    void exportPdfWritesOnePage()
    {
        TPlotForm* form = m_fixture.open("pltAxial");
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) { saveAs(dialog, m_fixture.filePath("exported")); };
        form->Menu().Entry("PlotExportPdf")->trigger();
        QVERIFY(answerer.texts().isEmpty());
        const PdfFile pdf(m_fixture.filePath("exported.pdf"));
        QVERIFY2(pdf.valid(), qPrintable(pdf.path()));
        QCOMPARE(pdf.pageCount(), 1);
        renderPdfScreenshot(pdf.path(), "pltAxial-exported");
    }

    // A PDF that cannot be written says why, and leaves no file behind and what stood at the
    // place as it was: here a folder of the same name, which no file may replace.
    void aPdfThatCannotBeWrittenSaysWhy()
    {
        TPlotForm* form = m_fixture.open("pltAxial");
        const QString taken = m_fixture.filePath("taken.pdf");
        QVERIFY(QDir().mkpath(taken));
        const PaintOnPage paint = [form](QPainter& painter, const PrintedPage& page) { form->PaintPage(painter, page); };
        try {
            WritePdfPage(taken, form->PageSetup().Job("Axial Load vs Settlement", taken), paint);
            QFAIL("a folder was replaced by a PDF");
        } catch (const EInOutError& error) {
            QVERIFY2(QString(error.what()).contains("taken.pdf"), error.what());
        }
        QVERIFY(QFileInfo(taken).isDir());
        QCOMPARE(QDir(m_fixture.filePath("")).entryList({"taken.pdf?*"}), QStringList());
    }

    // Without a printer page setup says what it sets up; its paper, orientation and margins
    // reach the next printout.
    void pageSetupReachesTheNextPrintout()
    {
        TPlotForm* form = m_fixture.open("pltLoad");
        QCOMPARE(form->PageSetup().Margins(), (PageMargins{1000, 1000, 1000, 1000}));
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            QVERIFY(qobject_cast<QPageSetupDialog*>(dialog));
            QCOMPARE(dialog->windowTitle(), QString("Page Setup - no printer installed, for PDF documents"));
            // The margins show as the unit the dialog offers first; half of the inch shown.
            auto* left = field<QDoubleSpinBox>(dialog, "leftMargin");
            left->setValue(left->value() / 2);
            field<QRadioButton>(dialog, "landscape")->click();
            saveScreenshotWithDialog(form, dialog, "PageSetupDialog");
            dialog->accept();
        };
        form->Menu().Entry("PlotPage")->trigger();
        QVERIFY(form->PageSetup().Layout().has_value());
        QCOMPARE(form->PageSetup().Layout()->orientation(), QPageLayout::Landscape);
        QVERIFY2(std::abs(form->PageSetup().Margins().Left - 500) <= 1,
                 qPrintable(QString::number(form->PageSetup().Margins().Left)));
        QCOMPARE(form->PageSetup().Margins().Top, 1000);

        answerer.onDialog = [&](QDialog* dialog) { saveAs(dialog, m_fixture.filePath("landscape.pdf")); };
        form->Menu().Entry("PlotExportPdf")->trigger();
        const PdfFile pdf(m_fixture.filePath("landscape.pdf"));
        QVERIFY(pdf.valid());
        QVERIFY(pdf.landscape());
        renderPdfScreenshot(pdf.path(), "pltLoad-landscape");

        // Cancelled, the page stays as it was.
        answerer.onDialog = [&](QDialog* dialog) {
            field<QRadioButton>(dialog, "portrait")->click();
            dialog->reject();
        };
        form->Menu().Entry("PlotPage")->trigger();
        QCOMPARE(form->PageSetup().Layout()->orientation(), QPageLayout::Landscape);
    }

private:
    PlotWindowFixture m_fixture;
};

QTEST_MAIN(PlotPrintTest)
#include "PlotPrintTest.moc"
