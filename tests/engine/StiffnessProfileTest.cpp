// The pile's stiffness profile where it does not cover the pile: above its first point the
// first interval is continued, below its last point the last AE holds, and a continuation
// that reaches 0, turns negative or is no number stops the run. Every expected value is
// worked out by hand from the points of the table.

#include "SolverLookups.h"
#include "SolverPile.h"
#include "StatusCodes.h"
#include "SolverTestPile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace quarlo {
namespace {

using DepthAE = std::vector<std::pair<Real, Real>>;

EngineData withStiffness(EngineData d, const DepthAE& points)
{
    d.AE.clear();
    d.AEDEP.clear();
    for (const auto& [depth, AE] : points) {
        d.AEDEP.push_back(depth);
        d.AE.push_back(AE);
    }
    d.NAE = static_cast<int>(points.size());
    return d;
}

struct LookupCase {
    const char* name;
    DepthAE points;   // (depth, AE)
    Real at;
    Real expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class StiffnessAtDepth : public testing::TestWithParam<LookupCase> {};

TEST_P(StiffnessAtDepth, FollowsTheTable) {
    const LookupCase& c = GetParam();
    EXPECT_FLOAT_EQ(stiffnessAt(withStiffness({}, c.points), c.at), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Solver, StiffnessAtDepth, testing::Values(
    LookupCase{"single_point_serves_above_it", {{50, 2000}}, 10, 2000},
    LookupCase{"single_point_serves_below_it", {{50, 2000}}, 90, 2000},
    // 2E6 + (12.5 - 50) x (3E6 - 2E6) / (100 - 50) = 1.25E6.
    LookupCase{"above_first_point_continues_first_interval", {{50, 2e6f}, {100, 3e6f}}, 12.5f, 1.25e6f},
    LookupCase{"below_last_point_holds_last_ae", {{50, 2e6f}, {100, 3e6f}}, 150, 3e6f},
    // A depth standing twice marks a sudden change; at that depth the value before it holds.
    LookupCase{"at_doubled_first_depth_takes_first_ae", {{50, 1000}, {50, 2000}, {100, 3000}}, 50, 1000},
    // 2000 + (75 - 50) x (3000 - 2000) / (100 - 50) = 2500.
    LookupCase{"below_doubled_first_depth_uses_value_after_change", {{50, 1000}, {50, 2000}, {100, 3000}}, 75,
               2500},
    LookupCase{"at_doubled_inner_depth_takes_value_before_change", {{0, 1000}, {50, 1000}, {50, 2000}, {100, 2000}},
               50, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StiffnessAtDepth, AboveTwoPointsAtTheSameDepthIsNoNumber) {
    // (37.5 - 50) x (2000 - 1000) / 0 is infinite; with equal AEs 0 / 0 is NaN.
    EXPECT_FALSE(std::isfinite(stiffnessAt(withStiffness({}, {{50, 1000}, {50, 2000}, {100, 3000}}), 37.5f)));
    EXPECT_TRUE(std::isnan(stiffnessAt(withStiffness({}, {{50, 1000}, {50, 1000}}), 37.5f)));
}

// A 100 in pile of four increments (DL = 25 in, middles 87.5, 62.5, 37.5, 12.5 in),
// D = 10 in, flat friction t = 5 psi and tip curve Q = 1000 + 1000 w, with AE given at 50
// and 100 in only: 2E6 and 3E6 lb, so AE = 2E6 + 2E4 (X - 50) along the whole pile.
// At the tip movement 0.1 in the tip load is 1100 lb and every increment transfers
// 25 x 10 x 3.1416 x 5 = 3927 lb (the friction is flat, so the passes change no load);
// the average loads are 1100 + 3927 / 2 + 3927 (s - 1) for s = 1..4 from the tip.
EngineData pileBelowHeadTable()
{
    EngineData d = withStiffness(test::flatFrictionPile(4, 100, 1), {{50, 2e6f}, {100, 3e6f}});
    test::setTipMovements(d, {0.1f});
    return d;
}

struct SegmentCase {
    const char* name;
    int segment;   // from the tip
    Real XM;
    Real AE;       // 2E6 + 2E4 (XM - 50)
    Real QAVG;
    double DEF;    // 25 x QAVG / AE
};

void PrintTo(const SegmentCase& c, std::ostream* os) { *os << c.name; }

class StiffnessBelowHead : public testing::TestWithParam<SegmentCase> {};

TEST_P(StiffnessBelowHead, SegmentShortensUnderItsOwnStiffness) {
    const SegmentCase& c = GetParam();
    const EngineData d = pileBelowHeadTable();   // the pile keeps pointers to its curves
    SolverPile pile(d);
    pile.solve(0.1f, 1100);
    const SolverPile::Stiffness stiffness = pile.stiffnesses().at(static_cast<std::size_t>(c.segment));
    const SegmentState& s = pile.segments().at(static_cast<std::size_t>(c.segment));
    EXPECT_FLOAT_EQ(stiffness.XM, c.XM);
    EXPECT_FLOAT_EQ(stiffness.AE, c.AE);
    // A few single-precision roundings (3.1416 and the sums) stand between the hand values
    // and the walk: 2E-6 relative.
    EXPECT_NEAR(s.QAVG, c.QAVG, 2e-6 * c.QAVG);
    EXPECT_NEAR(s.DEF, c.DEF, 2e-6 * c.DEF);
}

INSTANTIATE_TEST_SUITE_P(Solver, StiffnessBelowHead, testing::Values(
    SegmentCase{"tip_segment_inside_table", 0, 87.5f, 2.75e6f, 3063.5f, 76587.5 / 2.75e6},
    SegmentCase{"second_segment_inside_table", 1, 62.5f, 2.25e6f, 6990.5f, 174762.5 / 2.25e6},
    SegmentCase{"third_segment_above_table", 2, 37.5f, 1.75e6f, 10917.5f, 272937.5 / 1.75e6},
    SegmentCase{"head_segment_above_table", 3, 12.5f, 1.25e6f, 14844.5f, 371112.5 / 1.25e6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StiffnessBelowHead, HeadMovesByTheTipMovementAndEveryShortening) {
    // 0.1 + 0.0278500 + 0.0776722 + 0.1559643 + 0.2968900 = 0.6583765 in (holding the first
    // AE above 50 in would give 0.5275 in); head load 1100 + 4 x 3927 = 16808 lb.
    test::SolvedRun run(pileBelowHeadTable());
    ASSERT_EQ(run.ctx.ISTAT, status::kCompleted);
    const SettlementRow& row = run.ctx.results.summary.at(0);
    EXPECT_NEAR(row.headLoad, 16808, 2e-6 * 16808);
    EXPECT_NEAR(row.headMovement, 0.6583765, 2e-6 * 0.6583765);
}

// A stiffness that is not a finite number above 0 at some segment middle stops the run
// before anything of the solution is written, with one line naming the depth and the AE.
struct StopCase {
    const char* name;
    DepthAE points;
    int NSEG;
    const char* reason;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class StiffnessStop : public testing::TestWithParam<StopCase> {};

TEST_P(StiffnessStop, StopsWithStatus30AndSaysWhere) {
    const StopCase& c = GetParam();
    EngineData d = withStiffness(test::flatFrictionPile(c.NSEG, 100, 1), c.points);
    test::setTipMovements(d, {0.1f});
    test::SolvedRun run(std::move(d));

    EXPECT_EQ(run.ctx.ISTAT, status::kZeroStiffness);
    EXPECT_EQ(run.plot.str(), "");
    const std::vector<std::string> report = run.reportLines();
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[1], std::string(29, ' ') + "**** WARNING ****");
    EXPECT_EQ(report[2], "     " + std::string(c.reason));
    EXPECT_EQ(run.notes.str(), "RUN STOPPED WITH STATUS 30: " + std::string(c.reason) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Solver, StiffnessStop, testing::Values(
    // Middles 75 and 25 in: 1E6 + (25 - 50) x 2E6 / 50 = 0 exactly.
    StopCase{"continuation_reaches_zero", {{50, 1e6f}, {100, 3e6f}}, 2,
             "THE PILE STIFFNESS AE AT X = 0.2500E+02 IN. IS 0.0000E+00 LBS, EXTRAPOLATED ABOVE THE FIRST AE"
             " POINT FROM THE FIRST TWO: THE SHORTENING OF THE PILE NEEDS AN AE GREATER THAN 0"},
    // Middles 87.5 ... 12.5 in: at 37.5 in 5E5 lb, at 12.5 in 1E6 - 37.5 x 4E4 = -5E5 lb.
    StopCase{"continuation_crosses_zero", {{50, 1e6f}, {100, 3e6f}}, 4,
             "THE PILE STIFFNESS AE AT X = 0.1250E+02 IN. IS -0.5000E+06 LBS, EXTRAPOLATED ABOVE THE FIRST AE"
             " POINT FROM THE FIRST TWO: THE SHORTENING OF THE PILE NEEDS AN AE GREATER THAN 0"},
    // Below 50 in AE is 2E6; at 37.5 in the first interval is vertical: -12.5 x 1E6 / 0.
    StopCase{"equal_first_depths", {{50, 1e6f}, {50, 2e6f}, {100, 2e6f}}, 4,
             "THE PILE STIFFNESS AE AT X = 0.3750E+02 IN. IS -Infinity LBS, ABOVE THE FIRST TWO AE POINTS,"
             " WHICH STAND AT THE SAME DEPTH: THE SHORTENING OF THE PILE NEEDS AN AE GREATER THAN 0"},
    StopCase{"equal_first_depths_and_values", {{50, 1e6f}, {50, 1e6f}}, 4,
             "THE PILE STIFFNESS AE AT X = 0.3750E+02 IN. IS NaN LBS, ABOVE THE FIRST TWO AE POINTS,"
             " WHICH STAND AT THE SAME DEPTH: THE SHORTENING OF THE PILE NEEDS AN AE GREATER THAN 0"},
    // A negative AE typed into the table would turn every shortening into a lengthening.
    StopCase{"negative_ae_given", {{0, -1e6f}, {100, -1e6f}}, 4,
             "THE PILE STIFFNESS AE AT X = 0.8750E+02 IN. IS -0.1000E+07 LBS: THE SHORTENING OF THE PILE NEEDS"
             " AN AE GREATER THAN 0"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
