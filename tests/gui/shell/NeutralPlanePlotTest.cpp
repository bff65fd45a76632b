#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QtTest>

#include "ExampleRun.h"
#include "GraphicsCommands.h"
#include "MainFormFixture.h"
#include "PlotLegendView.h"
#include "PlotMapping.h"
#include "PlotLayout.h"
#include "PlotMarks.h"
#include "../plots/PdfFile.h"
#include "PlotMenu.h"
#include "PlotPrinting.h"
#include "PlotPixels.h"
#include "ResultsSummary.h"
#include "TPlotForm.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

TPlotForm* activePlot(const TMainForm& form)
{
    QMdiSubWindow* active = form.Area().activeSubWindow();
    return active ? qobject_cast<TPlotForm*>(active->widget()) : nullptr;
}

// The pixel a mark's stroke covers a little right of the curve it crosses.
QPoint besideTheCurve(const TPlotForm& form, const PlotMapping& mapping, const CurveMark& mark)
{
    const QPoint at = toQPoint(mapping.ToPixel(mark.At));
    return at + QPoint(MarkHalfLength({form.logicalDpiX(), form.logicalDpiY()}) - 2, 0);
}

}  // namespace

// The load distribution of a run with down-drag marks each tip movement's neutral plane: a
// short stroke in the curve's colour at the plane's depth and largest load, and a legend
// line saying what the strokes are.
class NeutralPlanePlotTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        startProgram();
        QVERIFY(m_dir.isValid());
        m_downDragPlots = runExample(m_dir, "user-curves-si.qv3d");
        m_plainPlots = runExample(m_dir, "drilled-shaft-si.qv3d");
        QVERIFY(!m_downDragPlots.isEmpty());
        QVERIFY(!m_plainPlots.isEmpty());
    }

    void init()
    {
        m_form = showMainForm();
        m_form->resize(1000, 700);
    }

    void cleanup() { m_form.reset(); }

    // The marks stand where the run's results summary finds the neutral planes (in the
    // graph's kilonewtons and metres), one for each of the seven tip movements.
    void theMarksAreTheRunsNeutralPlanes()
    {
        m_form->Files().OpenFileName(m_dir.filePath("user-curves-si.qv3d"), true);
        QVERIFY(m_form->PlotsLoaded());
        const ResultsSummary summary = SummarizeRunFile(m_downDragPlots.toStdString(), m_form->Project());
        const CurveMarks& marks = m_form->Graphs().pltLoad.Marks;
        QCOMPARE(int(marks.Points.size()), 7);
        QCOMPARE(marks.Note, std::string("Neutral plane"));
        for (std::size_t k = 0; k < marks.Points.size(); ++k) {
            const NeutralPlane& plane = *summary.Rows.at(k).Plane;
            QCOMPARE(marks.Points[k].CurveIndex, int(k));
            QCOMPARE(double(marks.Points[k].At.X), double(plane.LargestLoad));
            QCOMPARE(double(marks.Points[k].At.Y), double(plane.Depth));
        }
    }

    void theWindowShowsTheMarksInTheCurvesColours()
    {
        m_form->Files().OpenFileName(m_dir.filePath("user-curves-si.qv3d"), true);
        m_form->Graphics().mLoadClick();
        TPlotForm* window = activePlot(*m_form);
        QVERIFY(window);
        window->grab();
        QCOMPARE(window->Legend().Note(), std::string("Neutral plane"));
        QCOMPARE(window->Legend().height(), 8 * 16 + 3);
        const PlotMapping mapping(window->ViewRange(), window->ScreenTarget().PlotRect, window->Plot().XOnTop);
        const CurveMark& second = window->Plot().Marks.Points[1];
        QCOMPARE(window->grab().toImage().pixelColor(besideTheCurve(*window, mapping, second)), QColor(0, 0, 255));
        test::saveScreenshot(window, "pltLoad-downdrag");

        // A picture of the graph shows them as the window does.
        QImage picture(window->size(), QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.setFont(window->font());
        window->PaintImage(painter, {0, 0, picture.width(), picture.height()});
        painter.end();
        const PlotMapping inPicture(window->ViewRange(),
                                    ImagePlotRect(window->Plot(), {0, 0, picture.width(), picture.height()},
                                                  {window->logicalDpiX(), window->logicalDpiY()}, 14),
                                    true);
        QCOMPARE(picture.pixelColor(besideTheCurve(*window, inPicture, second)), QColor(0, 0, 255));
        // And so does the printed page, to look at.
        const QString printed = m_dir.filePath("downdrag.pdf");
        WritePdfPage(printed, window->PageSetup().Job("Load Distribution", printed),
                     [window](QPainter& page, const PrintedPage& sheet) { window->PaintPage(page, sheet); });
        renderPdfScreenshot(printed, "pltLoad-downdrag-printed");

        // Hiding the second curve takes its mark with it; hiding all takes the legend's line.
        window->ToggleCurve(1);
        QCOMPARE(window->grab().toImage().pixelColor(besideTheCurve(*window, mapping, second)), QColor(Qt::white));
        for (int curve : {0, 2, 3, 4, 5, 6})
            window->ToggleCurve(curve);
        QCOMPARE(window->Legend().Note(), std::string());
        QCOMPARE(window->Legend().height(), 7 * 16 + 3);
    }

    // A run without down-drag has nothing to mark.
    void aRunWithoutDownDragHasNoMarks()
    {
        m_form->Files().OpenFileName(m_dir.filePath("drilled-shaft-si.qv3d"), true);
        QVERIFY(m_form->PlotsLoaded());
        QVERIFY(m_form->Graphs().pltLoad.Marks.Points.empty());
        m_form->Graphics().mLoadClick();
        TPlotForm* window = activePlot(*m_form);
        QVERIFY(window);
        QCOMPARE(window->Legend().Note(), std::string());
    }

private:
    QTemporaryDir m_dir;
    QString m_downDragPlots;
    QString m_plainPlots;
    std::unique_ptr<TMainForm> m_form;
};

QTEST_MAIN(NeutralPlanePlotTest)
#include "NeutralPlanePlotTest.moc"
