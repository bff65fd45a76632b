#include <QAction>
#include <QImage>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ChildArea.h"
#include "ExampleRun.h"
#include "GraphDefinitions.h"
#include "GuiTestSupport.h"
#include "LoadPlotFile.h"
#include "PlotLegendView.h"
#include "PlotMapping.h"
#include "PlotMenu.h"
#include "PlotPixels.h"
#include "TPlotForm.h"

using namespace quarlo;

namespace {

constexpr const char* kEnglish = "driven-pile-clay-english.qv3d";
constexpr const char* kSI = "drilled-shaft-si.qv3d";

TGraphPlot* graphNamed(GraphDefinitions& graphs, const QString& name)
{
    if (name == "pltLoad")
        return &graphs.pltLoad;
    if (name == "pltAxial")
        return &graphs.pltAxial;
    if (name == "pltTZcurves")
        return &graphs.pltTZcurves;
    if (name == "PltQW")
        return &graphs.PltQW;
    return nullptr;
}

QStringList legendTexts(const PlotLegendView& legend)
{
    QStringList texts;
    for (const LegendEntry& entry : legend.Entries())
        texts << QString::fromStdString(LegendItemText(entry));
    return texts;
}

// The positions of the pixels of one colour inside the graph, in reading order; the legend,
// whose lines are in the curve colours too, is left out.
QList<QPoint> pixelsOf(const QImage& image, const QRect& area, QColor colour, const QRect& legend)
{
    QList<QPoint> pixels;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!legend.contains(x, y) && image.pixelColor(x, y) == colour)
                pixels << QPoint(x, y);
    return pixels;
}

QPoint pixelAt(const TPlotForm& form, double x, double y)
{
    const PlotMapping mapping(form.ViewRange(), form.ScreenTarget().PlotRect, form.Plot().XOnTop);
    return toQPoint(mapping.ToPixel({x, y}));
}

// A point of the graph at fractions of its width and height from the top left corner.
QPoint inGraph(const TPlotForm& form, double across, double down)
{
    const QRect graph = toQRect(form.ScreenTarget().PlotRect);
    return {graph.left() + int(across * graph.width()), graph.top() + int(down * graph.height())};
}

void dragZoom(TPlotForm& form, QPoint from, QPoint to)
{
    QTest::mousePress(&form, Qt::LeftButton, {}, from);
    QTest::mouseMove(&form, (from + to) / 2);
    QTest::mouseMove(&form, to);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, to);
}

void rightClick(TPlotForm& form, QPoint at)
{
    QTest::mousePress(&form, Qt::RightButton, {}, at);
    QTest::mouseRelease(&form, Qt::RightButton, {}, at);
}

}  // namespace

class TPlotFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        test::isolateSettings();
        QVERIFY(m_dir.isValid());
        m_english = test::runExample(m_dir, kEnglish);
        m_si = test::runExample(m_dir, kSI);
        QVERIFY(!m_english.isEmpty());
        QVERIFY(!m_si.isEmpty());
    }

    void init()
    {
        m_graphs = std::make_unique<GraphDefinitions>();
        m_area = std::make_unique<ChildArea>();
        m_area->resize(960, 640);
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area.get()));
    }

    void cleanup()
    {
        m_area.reset();
        m_graphs.reset();
    }

    // Ranges worked by hand from the examples' plot data: the largest value of each axis
    // rounded up to the step (a tenth of the power of ten below the width when its leading
    // digits are below 3), 0 always included. Legends: one line per curve, " *" while shown.
    void eachGraphOpensOnItsDataWithItsCurvesInTheLegend_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("graph");
        QTest::addColumn<QStringList>("legend");
        QTest::addColumn<QList<double>>("range");
        QTest::addColumn<QString>("screenshot");
        // Seven tip movements; loads up to 214 kips (step 10), depths to 711 in = 59.25 ft (step 10).
        QTest::newRow("load distribution") << kEnglish << "pltLoad"
                                           << QStringList{"Curve #1 *", "Curve #2 *", "Curve #3 *", "Curve #4 *",
                                                          "Curve #5 *", "Curve #6 *", "Curve #7 *"}
                                           << QList<double>{0, 220, 0, 60} << "pltLoad";
        // Head loads up to 215.6 kips (step 10), settlements up to 1.74 in (step 0.1).
        QTest::newRow("load-settlement") << kEnglish << "pltAxial" << QStringList{"Curve #1 *"}
                                         << QList<double>{0, 220, 0, 1.8} << "pltAxial";
        // Fifteen curves named by depth; z and t both up to 10 (step 1).
        QTest::newRow("t-z curves, English")
            << kEnglish << "pltTZcurves"
            << QStringList{"0 in *",   "60 in *",  "120 in *", "180 in *", "240 in *",
                           "240 in *", "300 in *", "360 in *", "420 in *", "480 in *",
                           "480 in *", "585 in *", "690 in *", "795 in *", "900 in *"}
            << QList<double>{0, 10, 0, 10} << "pltTZcurves-english";
        // z up to 0.09 m (step 0.01), t up to 67.53 kPa (step 10).
        QTest::newRow("t-z curves, SI") << kSI << "pltTZcurves"
                                        << QStringList{"0 m *",     "2 m *",  "4 m *",  "5.995 m *", "7.99 m *",
                                                       "8 m *",     "11 m *", "14 m *", "16.99 m *", "19.99 m *"}
                                        << QList<double>{0, 0.09, 0, 70} << "pltTZcurves";
        // Tip loads up to 23270 lbs (step 1000), tip movements up to 3.2 in (step 1).
        QTest::newRow("tip curve") << kEnglish << "PltQW" << QStringList{"Curve #1 *"}
                                   << QList<double>{0, 24000, 0, 4} << "PltQW";
    }

    void eachGraphOpensOnItsDataWithItsCurvesInTheLegend()
    {
        QFETCH(QString, example);
        QFETCH(QString, graph);
        QFETCH(QStringList, legend);
        QFETCH(QList<double>, range);
        QFETCH(QString, screenshot);
        TPlotForm* form = open(example, graph);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QString("PlotForm"));
        QVERIFY(form->parentWidget()->isMaximized());
        QCOMPARE(legendTexts(form->Legend()), legend);
        QVERIFY(form->Legend().isVisible());
        const PlotRange& full = form->FullRange();
        QCOMPARE(double(full.XMin), range[0]);
        QCOMPARE(double(full.XMax), range[1]);
        QCOMPARE(double(full.YMin), range[2]);
        QVERIFY(qFuzzyCompare(double(full.YMax), range[3]));
        QVERIFY(form->ViewRange() == full);

        // The menu has one checked entry per legend line, in the same order.
        form->PlotMenuClick();
        const std::vector<QAction*>& entries = form->Menu().CurveEntries();
        QCOMPARE(int(entries.size()), legend.size());
        for (int i = 0; i < legend.size(); ++i) {
            QCOMPARE(entries[std::size_t(i)]->text() + " *", legend[i]);
            QVERIFY(entries[std::size_t(i)]->isChecked());
        }
        // The legend opens in the bottom right corner of the graph.
        const QRect graphRect = toQRect(form->ScreenTarget().PlotRect);
        QCOMPARE(form->Legend().geometry().right() + 1, graphRect.right() + 1);
        QCOMPARE(form->Legend().geometry().bottom() + 1, graphRect.bottom() + 1);

        test::saveScreenshot(form, screenshot);
    }

    // The load-settlement curve goes through the numbers the engine wrote (kips and inches
    // from the file's pounds and inches), drawn in the first curve colour, black.
    void theLoadSettlementCurvePassesThroughTheEnginesNumbers_data()
    {
        QTest::addColumn<double>("load");
        QTest::addColumn<double>("settlement");
        QTest::newRow("origin") << 0.0 << 0.0;
        QTest::newRow("0.01 in at the tip") << 48.74 << 0.03257;
        QTest::newRow("0.1 in at the tip") << 175.6 << 0.2082;
        QTest::newRow("0.8 in at the tip") << 210.1 << 0.9348;
    }

    void theLoadSettlementCurvePassesThroughTheEnginesNumbers()
    {
        QFETCH(double, load);
        QFETCH(double, settlement);
        TPlotForm* form = open(kEnglish, "pltAxial");
        const QImage image = form->grab().toImage();
        QCOMPARE(image.pixelColor(pixelAt(*form, load, settlement)), QColor(Qt::black));
    }

    void hidingACurveKeepsTheOtherColours()
    {
        TPlotForm* form = open(kEnglish, "pltTZcurves");
        const QRect graph = toQRect(form->ScreenTarget().PlotRect).adjusted(1, 1, -1, -1);
        const QColor blue(0, 0, 255);
        const QColor red(255, 0, 0);
        const QRect legendRect = form->Legend().geometry();
        const QImage before = form->grab().toImage();
        QVERIFY(!pixelsOf(before, graph, blue, legendRect).isEmpty());
        const QList<QPoint> redBefore = pixelsOf(before, graph, red, legendRect);
        QVERIFY(!redBefore.isEmpty());

        PlotLegendView& legend = form->Legend();
        QTest::mouseDClick(&legend, Qt::LeftButton, {}, legend.ItemRect(1).center());
        QVERIFY(!form->Plot().Curve(1).Shown);
        QCOMPARE(legendTexts(legend).mid(0, 3), (QStringList{"0 in *", "60 in", "120 in *"}));
        const QImage after = form->grab().toImage();
        // The second curve is gone; the third, drawn after it, is red pixel for pixel.
        QVERIFY(pixelsOf(after, graph, blue, legendRect).isEmpty());
        QCOMPARE(pixelsOf(after, graph, red, legendRect), redBefore);
        form->PlotMenuClick();
        QVERIFY(!form->Menu().CurveEntries()[1]->isChecked());

        // Its menu entry shows it again, in its own colour.
        form->Menu().CurveEntries()[1]->trigger();
        QVERIFY(form->Plot().Curve(1).Shown);
        QCOMPARE(legendTexts(legend)[1], QString("60 in *"));
        QVERIFY(!pixelsOf(form->grab().toImage(), graph, blue, legendRect).isEmpty());
    }

    void zoomingInAndRightClickingBackGivesExactlyTheFullRange_data()
    {
        QTest::addColumn<QString>("graph");
        QTest::newRow("load distribution (Y downward)") << "pltLoad";
        QTest::newRow("t-z curves (Y upward)") << "pltTZcurves";
    }

    void zoomingInAndRightClickingBackGivesExactlyTheFullRange()
    {
        QFETCH(QString, graph);
        TPlotForm* form = open(kEnglish, graph);
        const PlotRange full = form->FullRange();
        const QPoint a = inGraph(*form, 0.2, 0.3);
        const QPoint b = inGraph(*form, 0.45, 0.6);

        dragZoom(*form, a, b);
        const PlotRange zoomed = form->ViewRange();
        QVERIFY(zoomed.XMax - zoomed.XMin < (full.XMax - full.XMin) / 3);
        QVERIFY(zoomed.XMin > full.XMin && zoomed.XMax < full.XMax);
        QVERIFY(zoomed.YMin > full.YMin && zoomed.YMax < full.YMax);

        for (int click = 0; click < 10 && !(form->ViewRange() == full); ++click)
            rightClick(*form, inGraph(*form, 0.3, 0.4));
        QVERIFY(form->ViewRange() == full);

        // Dragged the other way, the same rectangle gives the same view.
        dragZoom(*form, b, a);
        QVERIFY(form->ViewRange() == zoomed);
    }

    void aClickWithoutMovingAndAPressOutsideTheGraphDoNotZoom()
    {
        TPlotForm* form = open(kEnglish, "pltLoad");
        const PlotRange full = form->FullRange();
        const QPoint at = inGraph(*form, 0.5, 0.5);
        dragZoom(*form, at, at + QPoint(40, 0));
        QVERIFY(form->ViewRange() == full);
        dragZoom(*form, QPoint(2, 2), at);
        QVERIFY(form->ViewRange() == full);
        rightClick(*form, QPoint(2, 2));
        QVERIFY(form->ViewRange() == full);
    }

    // A rectangle a few pixels across would show a speck of the data: the view stops at a
    // twentieth of the full range.
    void zoomingStopsAtATwentiethOfTheFullRange()
    {
        TPlotForm* form = open(kEnglish, "pltLoad");
        const QPoint at = inGraph(*form, 0.5, 0.5);
        dragZoom(*form, at, at + QPoint(3, 3));
        const PlotRange& view = form->ViewRange();
        QVERIFY(qFuzzyCompare(double(view.XMax - view.XMin), 220.0 / 20));
        QVERIFY(qFuzzyCompare(double(view.YMax - view.YMin), 60.0 / 20));
    }

    // The caption reads the data under the pointer, held to the graph: its corners are the
    // ends of the ranges (load-settlement: 0 to 220 kips across, 0 to 1.8 in downward).
    void theCaptionReadsTheCoordinatesUnderThePointer_data()
    {
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("down");
        QTest::addColumn<QString>("caption");
        QTest::newRow("top left") << 0.0 << 0.0 << "Axial Load vs Settlement X: 0 Y: 0";
        QTest::newRow("top right") << 1.0 << 0.0 << "Axial Load vs Settlement X: 220 Y: 0";
        QTest::newRow("bottom left") << 0.0 << 1.0 << "Axial Load vs Settlement X: 0 Y: 1.8";
        QTest::newRow("middle") << 0.5 << 0.5 << "Axial Load vs Settlement X: 110 Y: 0.9";
        QTest::newRow("left of the graph, held to it") << -0.03 << 0.0 << "Axial Load vs Settlement X: 0 Y: 0";
    }

    void theCaptionReadsTheCoordinatesUnderThePointer()
    {
        QFETCH(double, across);
        QFETCH(double, down);
        QFETCH(QString, caption);
        TPlotForm* form = open(kEnglish, "pltAxial");
        const QRect graph = toQRect(form->ScreenTarget().PlotRect);
        const QPoint at(graph.left() + qRound(across * graph.width()), graph.top() + qRound(down * graph.height()));
        QTest::mouseMove(form, at);
        QCOMPARE(form->windowTitle(), caption);
    }

    void theLegendMovesWithThePointerAndStaysInside()
    {
        TPlotForm* form = open(kEnglish, "pltLoad");
        PlotLegendView& legend = form->Legend();
        const QPoint start = legend.pos();
        const QPoint grab(5, 5);
        QTest::mousePress(&legend, Qt::LeftButton, {}, grab);
        QTest::mouseMove(&legend, grab - QPoint(300, 200));
        QTest::mouseRelease(&legend, Qt::LeftButton, {}, grab - QPoint(300, 200));
        QCOMPARE(legend.pos(), start - QPoint(300, 200));

        // Far beyond the top left corner: it stops at the window's edges.
        const QPoint farOut = legend.mapFromParent(QPoint(-500, -500));
        QTest::mousePress(&legend, Qt::LeftButton, {}, grab);
        QTest::mouseMove(&legend, farOut);
        QTest::mouseRelease(&legend, Qt::LeftButton, {}, farOut);
        QCOMPARE(legend.pos(), QPoint(0, 0));

        // Resizing the window afterwards only keeps it inside.
        QWidget* frame = form->parentWidget();
        frame->showNormal();
        frame->resize(700, 500);
        QTRY_COMPARE(frame->size(), QSize(700, 500));
        legend.move(form->width() - legend.width() - 10, 100);
        const int narrower = form->width() - 100;
        frame->resize(600, 500);
        QTRY_COMPARE(form->width(), narrower);
        QCOMPARE(legend.geometry().right(), form->width() - 1);
        QCOMPARE(legend.y(), 100);
    }

    // The legend hidden in one window stays hidden in the next (the plot keeps ShowLegend),
    // and "Show Legend" is there to bring it back.
    void aHiddenLegendCanBeShownAgainInTheNextWindow()
    {
        TPlotForm* form = open(kEnglish, "pltAxial");
        QAction* showLegend = form->Menu().Entry("PlotLegend");
        form->PlotMenuClick();
        QVERIFY(showLegend->isVisible());
        QVERIFY(showLegend->isChecked());
        showLegend->trigger();
        QVERIFY(!form->Legend().isVisible());
        QVERIFY(!form->Plot().ShowLegend);
        form->parentWidget()->close();
        QTRY_VERIFY(m_area->subWindowList().isEmpty());

        form = show(m_graphs->pltAxial, "pltAxial");
        QVERIFY(!form->Legend().isVisible());
        form->PlotMenuClick();
        showLegend = form->Menu().Entry("PlotLegend");
        QVERIFY(showLegend->isVisible());
        QVERIFY(!showLegend->isChecked());
        showLegend->trigger();
        QVERIFY(form->Legend().isVisible());
    }

    // Names and Shown flags live in the plot: the next window of the plot opens with them.
    void aNewWindowOpensWithTheCurvesAsTheLastOneLeftThem()
    {
        TPlotForm* form = open(kEnglish, "pltLoad");
        form->ToggleCurve(2);
        form->parentWidget()->close();
        QTRY_VERIFY(m_area->subWindowList().isEmpty());
        form = show(m_graphs->pltLoad, "pltLoad");
        QCOMPARE(legendTexts(form->Legend())[2], QString("Curve #3"));
        form->PlotMenuClick();
        QVERIFY(!form->Menu().CurveEntries()[2]->isChecked());
    }

    // The legend's font follows the Font Size choice: 11 points (15 pixels on the 96-dpi
    // screen) times 4 is 44 points, and items one and a half times that, 66 pixels.
    void theLegendIsSizedForAFontSize()
    {
        TPlotForm* form = open(kEnglish, "pltLoad");
        QCOMPARE(form->Plot().LegendFont, 11);
        form->SetupLegend(40);
        PlotLegendView& legend = form->Legend();
        QCOMPARE(legend.font().pointSize(), 44);
        QCOMPARE(legend.ItemHeight(), 66);
        QCOMPARE(legend.height(), 7 * 66 + 3);
        const QFontMetrics metrics(legend.font());
        QCOMPARE(legend.width(), metrics.horizontalAdvance("Curve #1 *") + 96 / 4);
        form->SetupLegend(10);
        QCOMPARE(legend.font().pointSize(), 11);
        QCOMPARE(legend.height(), 7 * 16 + 3);
    }

    void thePlotMenuHasItsEntriesInOrder()
    {
        TPlotForm* form = open(kEnglish, "pltAxial");
        form->PlotMenuClick();
        QMenu* menu = form->ChildMenu();
        QCOMPARE(menu->title(), QString("&Plot"));
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << (action->isSeparator() ? QString("-") : action->text());
        QCOMPARE(captions, (QStringList{"Show &Legend", "Show &Soil Layer", "Show &Wall Geometry", "Show &Markers",
                                        "&Font Size", "&Line Width", "&Graph Title", "&Edit Legend", "&Active Curves",
                                        "-", "&Print...", "P&age Setup", "&Save To Disk...", "Export P&DF...", "-",
                                        "Curve #1"}));
        QVERIFY(!form->Menu().Entry("PlotSoilLayer")->isVisible());
        QVERIFY(!form->Menu().Entry("ShowWallGeometry")->isVisible());
        QVERIFY(form->Menu().Entry("FontSize")->isVisible());
    }

private:
    TPlotForm* open(const QString& example, const QString& graph)
    {
        const QString plotFile = example == kEnglish ? m_english : m_si;
        const int units = example == kEnglish ? 1 : 2;
        const PlotLoadResult result = LoadPlotFile(*m_graphs, plotFile.toStdString(), units);
        if (!result.Loaded) {
            qWarning("%s", result.Detail.c_str());
            return nullptr;
        }
        TGraphPlot* plot = graphNamed(*m_graphs, graph);
        return plot ? show(*plot, graph) : nullptr;
    }

    TPlotForm* show(TGraphPlot& plot, const QString& name)
    {
        auto* form = new TPlotForm(plot, name);
        m_area->AddChild(form);
        if (!QTest::qWaitForWindowExposed(form))
            qWarning("the plot window was not exposed");
        // The first paint ends the opening; the legend keeps its place from then on.
        form->grab();
        return form;
    }

    QTemporaryDir m_dir;
    QString m_english;
    QString m_si;
    std::unique_ptr<GraphDefinitions> m_graphs;
    std::unique_ptr<ChildArea> m_area;
};

QTEST_MAIN(TPlotFormTest)
#include "TPlotFormTest.moc"
