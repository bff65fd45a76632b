#include <gtest/gtest.h>

#include <vector>

#include "SystemTables.h"
#include "TableChartData.h"

using namespace quarlo;

namespace {

// The t-z curve template: column 0 load transfer t (plotted up), column 1 movement z (along).
class CurveChart : public testing::Test {
protected:
    void fill(const std::vector<std::pair<long double, long double>>& tz) {
        curve.SetRowCount(static_cast<int>(tz.size()));
        for (int row = 0; row < curve.RowCount(); ++row) {
            curve.Data(0, row).SetAsFloat(tz[static_cast<std::size_t>(row)].first);
            curve.Data(1, row).SetAsFloat(tz[static_cast<std::size_t>(row)].second);
        }
    }

    SystemTables tables;
    TGridTableChart& curve = tables.TblTZCurves2();
};

}  // namespace

TEST_F(CurveChart, PlotsTheCurveSortedByMovement) {
    fill({{1.5L, 0.25L}, {0.0L, 0.0L}, {0.75L, 0.125L}});
    const TableChartData chart = BuildTableChart(curve);
    EXPECT_EQ(chart.first, (std::vector<ChartPoint>{{0.0, 0.0}, {0.125, 0.75}, {0.25, 1.5}}));
    EXPECT_FALSE(chart.hasSecond);
    EXPECT_TRUE(chart.second.empty());
    EXPECT_EQ(chart.bottom.title, "Pile Movement (z), (in)");
    EXPECT_EQ(chart.left.title, "Load Transfer (t), (lbs/in^2)");
    EXPECT_EQ(chart.left.range, (AxisRange{0.0, 1.5}));
    EXPECT_EQ(chart.bottom.range, (AxisRange{0.0, 0.25}));
    EXPECT_EQ(chart.left.format, AxisLabelFormat::Fixed);
    EXPECT_FALSE(chart.left.ticks.empty());
}

// Hand check: the second point is raised by a thousandth (5 x 1.001 = 5.005) and the axis
// runs a tenth either side of 5. Tolerance 1e-12 absolute.
TEST_F(CurveChart, ConstantLoadTransferStillDrawsALine) {
    fill({{5.0L, 0.0L}, {5.0L, 0.1L}, {5.0L, 0.2L}});
    const TableChartData chart = BuildTableChart(curve);
    ASSERT_EQ(chart.first.size(), 3u);
    EXPECT_DOUBLE_EQ(chart.first[0].y, 5.0);
    EXPECT_NEAR(chart.first[1].y, 5.005, 1e-12);
    EXPECT_DOUBLE_EQ(chart.first[2].y, 5.0);
    EXPECT_NEAR(chart.left.range.minimum, 4.5, 1e-12);
    EXPECT_NEAR(chart.left.range.maximum, 5.5, 1e-12);
}

TEST_F(CurveChart, ConstantZeroGetsAnAxisAroundZero) {
    fill({{0.0L, 0.0L}, {0.0L, 0.1L}});
    EXPECT_EQ(BuildTableChart(curve).left.range, (AxisRange{-1.0, 1.0}));
}

TEST_F(CurveChart, ConstantNegativeValueGetsAnAxisInOrder) {
    fill({{-2.0L, 0.0L}, {-2.0L, 0.1L}});
    const AxisRange range = BuildTableChart(curve).left.range;
    EXPECT_NEAR(range.minimum, -2.2, 1e-12);
    EXPECT_NEAR(range.maximum, -1.8, 1e-12);
}

TEST_F(CurveChart, OneRowCountsAsVarying) {
    fill({{3.0L, 0.5L}});
    const TableChartData chart = BuildTableChart(curve);
    EXPECT_EQ(chart.first, (std::vector<ChartPoint>{{0.5, 3.0}}));
    EXPECT_NEAR(chart.left.range.minimum, 2.7, 1e-12);
}

TEST_F(CurveChart, InvertedAxesFollowTheTable) {
    fill({{1.0L, 0.0L}, {2.0L, 0.1L}});
    curve.Chart().InvertedYAxis = true;
    const TableChartData chart = BuildTableChart(curve);
    EXPECT_TRUE(chart.left.inverted);
    EXPECT_FALSE(chart.bottom.inverted);
}

TEST(FactorChart, DrawsBothMultipliersOverDepth) {
    SystemTables tables;
    TGridTableChart& factors = tables.TblTZFactors2();
    factors.SetRowCount(2);
    factors.Data(0, 1).SetAsFloat(300.0L);
    factors.Data(1, 0).SetAsFloat(0.75L);
    factors.Data(1, 1).SetAsFloat(1.0L);
    factors.Data(2, 0).SetAsFloat(1.0L);
    factors.Data(2, 1).SetAsFloat(1.25L);
    const TableChartData chart = BuildTableChart(factors);
    ASSERT_TRUE(chart.hasSecond);
    EXPECT_EQ(chart.firstTitle, "t-Multiplier");
    EXPECT_EQ(chart.secondTitle, "z-Multiplier");
    EXPECT_EQ(chart.second, (std::vector<ChartPoint>{{0.0, 1.0}, {300.0, 1.25}}));
    EXPECT_EQ(chart.left.range, (AxisRange{0.75, 1.25}));
}

TEST(LargeValues, AreLabelledWithExponents) {
    SystemTables tables;
    TGridTableChart& ae = tables.TblAE2();
    ae.SetRowCount(2);
    ae.Data(0, 1).SetAsFloat(720.0L);
    ae.Data(1, 0).SetAsFloat(7.0607295E8L);
    ae.Data(1, 1).SetAsFloat(6.5E8L);
    const TableChartData chart = BuildTableChart(ae);
    EXPECT_EQ(chart.left.format, AxisLabelFormat::Exponent);
    EXPECT_EQ(chart.bottom.format, AxisLabelFormat::Fixed);
}
