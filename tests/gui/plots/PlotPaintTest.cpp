#include <QImage>
#include <QPainter>
#include <QtTest>

#include <memory>
#include <stdexcept>

#include "GuiTestSupport.h"
#include "PaintGuard.h"
#include "PlotLayout.h"
#include "PlotLegend.h"
#include "PlotLegendView.h"
#include "PlotMenu.h"
#include "PlotPainter.h"
#include "PlotPixels.h"
#include "PlotRange.h"
#include "TPlotForm.h"

using namespace quarlo;

namespace {

// A graph of `curves` curves of three points each, rising by curve, with a marker at every
// point; `emptyCurve` (when not -1) has no points at all.
std::unique_ptr<TGraphPlot> makePlot(int curves, int emptyCurve)
{
    auto plot = std::make_unique<TGraphPlot>();
    plot->Caption = "Test Graph";
    plot->XCaption = "Load ";
    plot->XUnits = "F1";
    plot->YCaption = "Depth ";
    plot->YUnits = "L2";
    plot->SetCurveCount(curves);
    for (int i = 0; i < curves; ++i)
        plot->Curve(i).Points = {{1, 1}, {2.0L + i, 3}, {4.0L + i, 5}};
    if (emptyCurve >= 0)
        plot->Curve(emptyCurve).SetPointCount(0);
    return plot;
}

// The graph drawn on an image of `size` at 96 dots per inch, as the window lays it out,
// on a grey ground so that what the drawing covers shows.
QImage paintOnImage(const TGraphPlot& plot, QSize size, bool paper = false)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(14);
    painter.setFont(font);
    PlotTarget target;
    target.Ppi = {96, 96};
    target.FullRect = {0, 0, size.width(), size.height()};
    target.PlotRect = ScreenPlotRect(plot, target.FullRect, target.Ppi, 14);
    target.Paper = paper;
    PaintPlotScene(painter, plot, DataRange(plot), target, {{size.width() / 2, size.height() / 2}, toPixelSize(size)});
    return image;
}

bool allWhite(const QImage& image, const QRect& except = {})
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!except.contains(x, y) && image.pixelColor(x, y) != QColor(Qt::white))
                return false;
    return true;
}

// A widget whose drawing fails, as a graph's might.
class FailingPaint : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::red);
        m_guard.Run(*this, painter, [] { throw std::runtime_error("no memory for the curves"); });
    }

private:
    PaintGuard m_guard;
};

}  // namespace

class PlotPaintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::isolateSettings(); }

    // A curve without points must leave no trace: the graph looks exactly as with the curve
    // hidden (or, when it is the only one, as a graph without curves); no marker at (0, 0).
    void aCurveWithoutPointsLeavesNoMark_data()
    {
        QTest::addColumn<int>("curves");
        QTest::addColumn<int>("empty");
        QTest::newRow("second of three") << 3 << 1;
        QTest::newRow("first of two") << 2 << 0;
        QTest::newRow("the only curve") << 1 << 0;
    }

    void aCurveWithoutPointsLeavesNoMark()
    {
        QFETCH(int, curves);
        QFETCH(int, empty);
        const std::unique_ptr<TGraphPlot> plot = makePlot(curves, empty);
        const QImage drawn = paintOnImage(*plot, QSize(640, 480));
        plot->Curve(empty).Shown = false;
        QCOMPARE(drawn, paintOnImage(*plot, QSize(640, 480)));
        if (curves == 1)
            QCOMPARE(drawn, paintOnImage(*makePlot(0, -1), QSize(640, 480)));
    }

    void aGraphSmallerThanAnInchIsOnlyTheBackground_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("narrow") << QSize(95, 400);
        QTest::newRow("low") << QSize(400, 95);
        QTest::newRow("tiny") << QSize(10, 10);
    }

    void aGraphSmallerThanAnInchIsOnlyTheBackground()
    {
        QFETCH(QSize, size);
        QVERIFY(allWhite(paintOnImage(*makePlot(3, -1), size)));
        QVERIFY(!allWhite(paintOnImage(*makePlot(3, -1), QSize(96, 96))));
    }

    void aWindowSmallerThanAnInchShowsOnlyTheBackground()
    {
        const std::unique_ptr<TGraphPlot> plot = makePlot(3, -1);
        TPlotForm form(*plot, "pltTest");
        form.resize(90, 300);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage image = form.grab().toImage();
        QVERIFY(allWhite(image, form.Legend().geometry()));
    }

    // On paper and in images the legend is a framed box where the window's legend stands.
    void onPaperTheLegendIsABox()
    {
        const std::unique_ptr<TGraphPlot> plot = makePlot(3, -1);
        const QSize size(800, 600);
        const QPoint corner(size.width() / 2, size.height() / 2);
        QCOMPARE(paintOnImage(*plot, size, false).pixelColor(corner), QColor(Qt::white));
        const QImage paper = paintOnImage(*plot, size, true);
        QCOMPARE(paper.pixelColor(corner), QColor(Qt::black));
        QCOMPARE(paper.pixelColor(corner + QPoint(40, 0)), QColor(Qt::black));
    }

    void aFailedDrawingLeavesTheWidgetWhiteAndIsReportedOnce()
    {
        test::ModalAnswerer answerer;
        FailingPaint widget;
        widget.resize(200, 100);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(allWhite(widget.grab().toImage()));
        QVERIFY(allWhite(widget.grab().toImage()));
        QTRY_COMPARE(answerer.texts().size(), 1);
        QTest::qWait(50);
        QCOMPARE(answerer.texts(), QStringList{"The graph could not be drawn.\nno memory for the curves"});
    }

    // A legend text that cannot be made (here a caption handler that fails) stops the
    // command in a box; the curve stays as it was and the window stays open.
    void aFailureBehindTheLegendIsShownAndChangesNothing()
    {
        const std::unique_ptr<TGraphPlot> plot = makePlot(3, -1);
        TPlotForm form(*plot, "pltTest");
        form.resize(640, 480);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        plot->onGetCaption = [](int, std::string&) { throw std::runtime_error("no legend text"); };
        test::ModalAnswerer answerer;
        PlotLegendView& legend = form.Legend();
        QTest::mouseDClick(&legend, Qt::LeftButton, {}, legend.ItemRect(0).center());
        QCOMPARE(answerer.texts(), QStringList{"no legend text"});
        QVERIFY(plot->Curve(0).Shown);
        form.Menu().CurveEntries()[1]->trigger();
        QCOMPARE(answerer.texts().size(), 2);
        QVERIFY(plot->Curve(1).Shown);
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(PlotPaintTest)
#include "PlotPaintTest.moc"
