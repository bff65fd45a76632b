#include "ModificationFactors.h"
#include "ReadRun.h"
#include "SoilSettlement.h"
#include "SolverLookups.h"
#include "Stages.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace quarlo {
namespace {

struct Point {
    Real depth;
    Real value;
};

EngineData settlementProfile(const std::vector<Point>& points)
{
    EngineData d;
    d.NSET = static_cast<int>(points.size());
    for (const Point& p : points) {
        d.SDEP.push_back(p.depth);
        d.SSET.push_back(p.value);
    }
    return d;
}

struct SettleCase {
    const char* name;
    std::vector<Point> profile;
    Real X;
    Real expected;   // by hand, exact in single precision
};

void PrintTo(const SettleCase& c, std::ostream* os) { *os << c.name; }

class Settlement : public testing::TestWithParam<SettleCase> {};

TEST_P(Settlement, IsLookedUpAsByHand)
{
    EXPECT_FLOAT_EQ(SETTLE(settlementProfile(GetParam().profile), GetParam().X), GetParam().expected);
}

const std::vector<Point> kLinear = {{0, 2}, {240, 0.5f}, {480, 0}};
const std::vector<Point> kDoubled = {{0, 2}, {100, 1}, {100, 0.6f}, {200, 0}};
const std::vector<Point> kDoubledAtEnd = {{0, 2}, {100, 1}, {100, 0.6f}};

const SettleCase kSettleCases[] = {
    {"interpolated", kLinear, 120, 1.25f},   // 2 + 120 * (0.5 - 2) / 240
    {"below_profile_is_zero", kLinear, 500, 0},
    {"above_profile_is_zero", kLinear, -1, 0},
    {"at_first_depth", kLinear, 0, 2},
    {"at_inner_depth", kLinear, 240, 0.5f},
    {"at_last_depth", kLinear, 480, 0},
    {"doubled_depth_takes_mean", kDoubled, 100, 0.8f},
    {"after_doubled_depth", kDoubled, 150, 0.3f},   // 0.6 + 50 * (0 - 0.6) / 100
    {"doubled_last_depth_takes_first", kDoubledAtEnd, 100, 1.0f},
    {"single_point_at_its_depth", {{50, 0.3f}}, 50, 0.3f},
    {"single_point_elsewhere", {{50, 0.3f}}, 51, 0},
    {"no_profile", {}, 10, 0},
    {"depth_not_a_number_is_zero", kLinear, std::numeric_limits<Real>::quiet_NaN(), 0},
};

INSTANTIATE_TEST_SUITE_P(Factors, Settlement, testing::ValuesIn(kSettleCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FactorPoint {
    Real depth;
    Real t;
    Real z;
};

EngineData factorTable(const std::vector<FactorPoint>& points)
{
    EngineData d;
    d.KTMOD = 1;
    d.NTMOD = static_cast<int>(points.size());
    for (const FactorPoint& p : points) {
        d.MDEP.push_back(p.depth);
        d.TMULT.push_back(p.t);
        d.ZMULT.push_back(p.z);
    }
    return d;
}

const std::vector<FactorPoint> kFactorPoints = {{0, 1.0f, 1.0f}, {200, 0.5f, 2.0f}, {200, 0.8f, 1.0f}, {400, 0.8f, 1.0f}};

struct FactorCase {
    const char* name;
    std::vector<FactorPoint> table;
    Real X;
    Real t;   // expected by hand, exact in single precision
    Real z;
};

void PrintTo(const FactorCase& c, std::ostream* os) { *os << c.name; }

class Factor : public testing::TestWithParam<FactorCase> {};

TEST_P(Factor, IsLookedUpAsByHand)
{
    const EngineData d = factorTable(GetParam().table);
    EXPECT_FLOAT_EQ(TFACT(d, GetParam().X), GetParam().t);
    EXPECT_FLOAT_EQ(ZFACT(d, GetParam().X), GetParam().z);
}

const FactorCase kFactorCases[] = {
    {"doubled_depth_takes_value_after_change", kFactorPoints, 200, 0.8f, 1.0f},
    {"interpolated", kFactorPoints, 100, 0.75f, 1.5f},   // 1 + 100 * (0.5 - 1) / 200, 1 + 100 * 1 / 200
    {"below_table_is_one", kFactorPoints, 450, 1, 1},
    {"above_table_is_one", kFactorPoints, -10, 1, 1},
    {"at_last_depth", kFactorPoints, 400, 0.8f, 1.0f},
    {"after_change", kFactorPoints, 300, 0.8f, 1.0f},
    {"single_point_changes_nothing", {{100, 0.5f, 2.0f}}, 100, 1, 1},
};

INSTANTIATE_TEST_SUITE_P(Factors, Factor, testing::ValuesIn(kFactorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TzCurve curveAt(Real depth)
{
    TzCurve c;
    c.DEPTHC = depth;
    c.NPTS = 3;
    c.TVAL = {0, 2, 4};
    c.ZVAL = {0, 0.1f, 0.4f};
    return c;
}

TEST(TzFactors, ScaleEachCurveByFactorsAtItsDepth)
{
    RunContext ctx;
    ctx.data = factorTable(kFactorPoints);
    ctx.data.curves = {curveAt(100), curveAt(200)};
    ctx.data.NCURVE = 2;
    applyTzFactors(ctx);
    const std::vector<TzCurve>& c = ctx.data.curves;
    // depth 100: t x 0.75, z x 1.5; depth 200: t x 0.8, z x 1
    EXPECT_EQ(c[0].TVAL, (std::vector<Real>{0, 1.5f, 3}));
    EXPECT_EQ(c[0].ZVAL, (std::vector<Real>{0, 0.1f * 1.5f, 0.6f}));
    EXPECT_EQ(c[1].TVAL, (std::vector<Real>{0, 1.6f, 3.2f}));
    EXPECT_EQ(c[1].ZVAL, (std::vector<Real>{0, 0.1f, 0.4f}));
    EXPECT_EQ(c[0].DEPTHC, 100);
}

TEST(TzFactors, AbsentLeaveCurvesUnchanged)
{
    RunContext ctx;
    ctx.data = factorTable(kFactorPoints);
    ctx.data.KTMOD = 0;
    ctx.data.curves = {curveAt(100)};
    ctx.data.NCURVE = 1;
    applyTzFactors(ctx);
    EXPECT_EQ(ctx.data.curves[0].TVAL, curveAt(100).TVAL);
}

// The tip load of the unmodified curve (0,0) (0.1,100) (0.5,300) (1,400) at movement w,
// by hand, for 0 <= w <= 1.
Real unmodifiedTipLoad(Real w)
{
    if (w <= 0.1f)
        return 1000 * w;
    if (w <= 0.5f)
        return 100 + (w - 0.1f) * 500;
    return 300 + (w - 0.5f) * 200;
}

TEST(QwFactors, HalvedLoadAtDoubledMovement)
{
    RunContext ctx;
    EngineData& d = ctx.data;
    d.NQW = 4;
    d.QTIP = {0, 100, 300, 400};
    d.WTIP = {0, 0.1f, 0.5f, 1.0f};
    d.KQWMOD = 1;
    d.QMULT = 0.5f;
    d.WMULT = 2;
    applyQwFactors(ctx);
    EXPECT_EQ(d.QTIP, (std::vector<Real>{0, 50, 150, 200}));
    EXPECT_EQ(d.WTIP, (std::vector<Real>{0, 0.2f, 1.0f, 2.0f}));
    for (Real W : {0.1f, 0.6f, 1.5f, 2.0f})
        EXPECT_NEAR(tipLoadAt(d, W), unmodifiedTipLoad(W / 2) / 2, 1e-4f) << "W = " << W;
}

// One user t-z curve (0,0) (4 psi, 0.1 in) at depth 0 and the tip curve (0,0) (400 lb,
// 0.2 in), with t-z factors t x 0.5, z x 2 over 0-100 in and Q-w factors Q x 0.5, w x 2.
const char* const kFactoredProject =
    "Factored pile\r\n"
    "2 1 1\r\n"
    "1\r\n"
    "1\r\n"
    "1 0 2\r\n"
    "0 0\r\n"
    "4 0.1\r\n"
    "1\r\n"
    "1000000 0\r\n"
    "2\r\n"
    "0 0\r\n"
    "400 0.2\r\n"
    "0.0001 100 10 78.5\r\n"
    "1\r\n"
    "0.05\r\n"
    "0\r\n"
    "0\r\n"
    "1\r\n"
    "2\r\n"
    "0 0.5 2\r\n"
    "100 0.5 2\r\n"
    "1\r\n"
    "0.5 2\r\n";

TEST(Factors, AppliedAfterTheCurvesAreWrittenSoFilesShowUnmodifiedCurves)
{
    const test::ReadRun run(kFactoredProject);
    const EngineData& d = run.ctx.data;
    EXPECT_EQ(d.curves.at(0).TVAL, (std::vector<Real>{0, 2}));
    EXPECT_EQ(d.curves.at(0).ZVAL, (std::vector<Real>{0, 0.2f}));
    EXPECT_EQ(d.QTIP, (std::vector<Real>{0, 200}));
    EXPECT_EQ(d.WTIP, (std::vector<Real>{0, 0.4f}));
    for (const std::string& text : {run.report.str(), run.plot.str()}) {
        EXPECT_NE(text.find("     0.4000E+01     0.1000E+00\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("        0.4000E+03         0.2000E+00\r\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("0.2000E+01"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace quarlo
