#include <QCategoryAxis>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QtTest>

#include "GridControls.h"
#include "TTableChartForm.h"
#include "TableChartView.h"
#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

QList<QPointF> points(QLineSeries* series)
{
    return series->points();
}

}  // namespace

// The chart windows of the S.I. example with user curves: five t-z curves, a tip curve, a
// settlement profile, t-z factors and the pile's stiffness.
class TableChartWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { isolateSettings(); }
    void init() { m_fixture.Open(QStringLiteral("user-curves-si.qv3d")); }
    void cleanup() { m_fixture.Close(); }

    void aCurveButtonOpensTheCurveWithItsChart()
    {
        TableFormBase* depths = m_fixture.Show(m_fixture.tables.TblTZDepth2());
        screenshot(depths);
        QTest::mouseClick(depths->Controls()->Button(1, 2), Qt::LeftButton);
        auto* curve = static_cast<TTableChartForm*>(TableFormOf(m_fixture.tables.TblTZDepth2().Data(1, 2).SubTable()->Window()));
        QVERIFY(curve);
        QCOMPARE(curve->windowTitle(), QStringLiteral("t-z curve  3"));
        QCOMPARE(curve->objectName(), QStringLiteral("TblTZCurves2_3"));
        // Points as the file gives them (t, z), drawn as (z, t) in ascending z.
        const QList<QPointF> expected{{0, 0}, {0.0015, 20}, {0.006, 40}, {0.03, 34}};
        QCOMPARE(points(curve->Chart()->FirstSeries()), expected);
        QCOMPARE(curve->Chart()->BottomAxis()->titleText(), QStringLiteral("Pile Movement (z), (m)"));
        QCOMPARE(curve->Chart()->LeftAxis()->titleText(), QStringLiteral("Load Transfer (t), (kN/m^2)"));
        QVERIFY(!curve->Chart()->chart()->legend()->isVisible());
        QCOMPARE(curve->Chart()->FirstSeries()->pen().color(), QColor(Qt::red));
        saveScreenshot(curve->Host(), QStringLiteral("TblTZCurves2"));
    }

    void factorsDrawBothMultipliersWithALegend()
    {
        auto* factors = static_cast<TTableChartForm*>(m_fixture.Show(m_fixture.tables.TblTZFactors2()));
        QVERIFY(factors->Chart()->SecondSeries()->isVisible());
        QCOMPARE(factors->Chart()->SecondSeries()->name(), QStringLiteral("z-Multiplier"));
        QVERIFY(factors->Chart()->chart()->legend()->isVisible());
        QCOMPARE(points(factors->Chart()->SecondSeries()).size(), 3);
        screenshot(factors);
    }

    void aConstantStiffnessGetsAnAxisATenthEitherSide()
    {
        auto* stiffness = static_cast<TTableChartForm*>(m_fixture.Show(m_fixture.tables.TblAE2()));
        QCategoryAxis* left = stiffness->Chart()->LeftAxis();
        // Hand check: 0.9 and 1.1 times 4844924.9.
        QVERIFY(qAbs(left->min() - 4360432.41) < 1e-3);
        QVERIFY(qAbs(left->max() - 5329417.39) < 1e-3);
        QCOMPARE(points(stiffness->Chart()->FirstSeries())[1].y(), 4844924.9 * 1.001);
        screenshot(stiffness);
    }

    void settlementsAllZeroStillGetAUsableAxis()
    {
        TGridTableChart& settlement = m_fixture.tables.TblSettlement2();
        for (int row = 0; row < settlement.RowCount(); ++row)
            settlement.Data(1, row).SetAsFloat(0.0L);
        auto* form = static_cast<TTableChartForm*>(m_fixture.Show(settlement));
        QCOMPARE(form->Chart()->LeftAxis()->min(), -1.0);
        QCOMPARE(form->Chart()->LeftAxis()->max(), 1.0);
    }

    void anEntryRedrawsTheChart()
    {
        auto* tip = static_cast<TTableChartForm*>(m_fixture.Show(m_fixture.tables.TblQwcurve2()));
        screenshot(tip);
        typeInto(tip->Grid(), 3, 0, QStringLiteral("1500"));
        QVERIFY(tip->ValidateCurrentCell());
        QCOMPARE(points(tip->Chart()->FirstSeries()).last(), QPointF(0.06, 1500));
    }

    void theUnitSwitchConvertsAnOpenTable()
    {
        auto* stiffness = static_cast<TTableChartForm*>(m_fixture.Show(m_fixture.tables.TblAE2()));
        m_fixture.project->SetUnits(1);
        QCOMPARE(cellText(stiffness->Grid(), 1, 0), QStringLiteral("787.40157"));
        QCOMPARE(stiffness->Grid()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Depth (starting from pile top) (in)  "));
        QCOMPARE(stiffness->Chart()->BottomAxis()->titleText(), QStringLiteral("Depth (starting from pile top) (in)"));
    }

    void aTableWithAFormParentShowsItsWindowInsideIt()
    {
        QWidget page;
        page.resize(600, 500);
        page.show();
        TGridTableChart& stiffness = m_fixture.tables.TblAE2();
        stiffness.SetFormParent(&page);
        TableFormBase* form = m_fixture.Show(stiffness);
        stiffness.SetFormParent(nullptr);
        QCOMPARE(form->parentWidget(), &page);
        QCOMPARE(form->pos(), QPoint(0, 0));
        QCOMPARE(form->size(), form->sizeHint());
        QVERIFY(m_fixture.area->subWindowList().isEmpty());
        stiffness.CloseForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(page.findChildren<TableFormBase*>().isEmpty());
    }

    void thePlainTipMovementWindowHasNoChart()
    {
        TableFormBase* movements = m_fixture.Show(m_fixture.tables.TblTipMove());
        QCOMPARE(movements->metaObject()->className(), "quarlo::TTableForm");
        QCOMPARE(movements->Grid()->model()->rowCount(), 7);
        QCOMPARE(movements->VisibleRows(), 7);
        screenshot(movements);
    }

private:
    TableWindowFixture m_fixture;
};

QTEST_MAIN(TableChartWindowTest)
#include "TableChartWindowTest.moc"
