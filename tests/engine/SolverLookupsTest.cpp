#include "SolverLookups.h"
#include "SolverTestPile.h"

#include <gtest/gtest.h>

namespace quarlo {
namespace {

struct LookupCase {
    const char* name;
    Real at;
    Real expected;   // worked out by hand from the points of the table
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class TcurveLookup : public testing::TestWithParam<LookupCase> {};

// Points (1, 10), (2, 30), (4, 50) as (z, t).
TEST_P(TcurveLookup, FollowsTheCurve) {
    const TzCurve curve = test::userCurve(1, 0, {{1, 10}, {2, 30}, {4, 50}});
    EXPECT_FLOAT_EQ(TCURVE(curve, GetParam().at), GetParam().expected);
    EXPECT_FLOAT_EQ(TCURVE(curve, GetParam().at, ascendingMovements(curve)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Solver, TcurveLookup, testing::Values(
    LookupCase{"below_first_point_holds_first_t", 0.5f, 10},
    LookupCase{"at_a_point_takes_its_t", 2, 30},
    LookupCase{"between_first_points", 1.5f, 20},
    LookupCase{"between_last_two_points_is_interpolated", 3, 40},
    LookupCase{"at_last_point", 4, 50},
    LookupCase{"beyond_last_point_holds_last_t", 9, 50}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolverLookups, CurveWithFallingMovementIsScannedInOrder) {
    // The first point at or above 1.5 is (2, 20), so the interpolation runs from (0, 0).
    const TzCurve curve = test::userCurve(1, 0, {{0, 0}, {2, 20}, {1, 5}});
    EXPECT_FALSE(ascendingMovements(curve));
    EXPECT_FLOAT_EQ(TCURVE(curve, 1.5f), 15);
}

class DepthLookup : public testing::TestWithParam<LookupCase> {};

// Flat curves of t = 10 at depth 100 and t = 30 at depth 200.
TEST_P(DepthLookup, InterpolatesBetweenCurvesByDepth) {
    EngineData d;
    d.curves = {test::userCurve(1, 100, {{0, 10}, {1, 10}}), test::userCurve(2, 200, {{0, 30}, {1, 30}})};
    d.NCURVE = 2;
    EXPECT_FLOAT_EQ(unitTransfer(bracketAt(d, GetParam().at), 0.5f), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Solver, DepthLookup, testing::Values(
    LookupCase{"above_first_curve_uses_first", 50, 10},
    LookupCase{"at_a_curve_uses_it_alone", 100, 10},
    LookupCase{"between_curves", 150, 20},
    LookupCase{"below_deepest_curve_uses_deepest", 250, 30}),
    [](const auto& info) { return std::string(info.param.name); });

class StiffnessLookup : public testing::TestWithParam<LookupCase> {};

// AE 1000 at depth 0, 3000 at depth 100, 5000 at depth 300.
TEST_P(StiffnessLookup, InterpolatesExtendsTheFirstIntervalAndHoldsTheLastPoint) {
    EngineData d;
    d.NAE = 3;
    d.AE = {1000, 3000, 5000};
    d.AEDEP = {0, 100, 300};
    EXPECT_FLOAT_EQ(stiffnessAt(d, GetParam().at), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Solver, StiffnessLookup, testing::Values(
    // 1000 + (-5 - 0) x (3000 - 1000) / (100 - 0) = 900.
    LookupCase{"above_first_point_continues_first_interval", -5, 900},
    LookupCase{"at_first_point", 0, 1000},
    LookupCase{"inside", 50, 2000},
    LookupCase{"second_interval", 200, 4000},
    LookupCase{"below_last_point", 400, 5000}),
    [](const auto& info) { return std::string(info.param.name); });

class TipLookup : public testing::TestWithParam<LookupCase> {};

// Q-w points (0.1, 100), (0.5, 500) as (w, Q).
TEST_P(TipLookup, InterpolatesAndHoldsTheEnds) {
    EngineData d;
    d.NQW = 2;
    d.WTIP = {0.1f, 0.5f};
    d.QTIP = {100, 500};
    EXPECT_FLOAT_EQ(tipLoadAt(d, GetParam().at), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Solver, TipLookup, testing::Values(
    LookupCase{"zero_movement_holds_first_point", 0, 100},
    LookupCase{"inside", 0.3f, 300},
    LookupCase{"beyond_last_point", 1, 500}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
