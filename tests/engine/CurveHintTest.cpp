#include "SolverLookups.h"
#include "SolverTestPile.h"

#include <gtest/gtest.h>

namespace quarlo {
namespace {

struct HintCase {
    const char* name;
    Real at;
    int hint;
    Real expected;    // worked out by hand from the points of the curve
    int landsAt;      // first point index with at <= z
};

void PrintTo(const HintCase& c, std::ostream* os) { *os << c.name; }

class CurveHint : public testing::TestWithParam<HintCase> {};

// Points (1, 10), (2, 30), (2, 40), (4, 50) as (z, t): the movement 2 stands twice, and a
// hint from an earlier lookup may be anywhere, or outside the curve altogether.
TEST_P(CurveHint, AnyHintFindsThePointTheScanFinds) {
    const TzCurve curve = test::userCurve(1, 0, {{1, 10}, {2, 30}, {2, 40}, {4, 50}});
    int hint = GetParam().hint;
    EXPECT_FLOAT_EQ(TCURVE(curve, GetParam().at, true, hint), GetParam().expected);
    EXPECT_EQ(hint, GetParam().landsAt);
}

INSTANTIATE_TEST_SUITE_P(Solver, CurveHint, testing::Values(
    HintCase{"hint_right", 1.5f, 1, 20, 1},
    HintCase{"hint_one_low", 3, 2, 45, 3},
    HintCase{"hint_one_high", 1.5f, 2, 20, 1},
    HintCase{"hint_far_off", 0.5f, 4, 10, 0},
    HintCase{"hint_negative", 3, -3, 45, 3},
    HintCase{"hint_beyond_the_curve", 1.5f, 9, 20, 1},
    HintCase{"repeated_movement_takes_first_of_the_two", 2, 3, 30, 1},
    HintCase{"beyond_last_point_holds_last_t", 9, 0, 50, 4}),
    [](const auto& info) { return std::string(info.param.name); });

// The bracket keeps its hints between lookups; a lookup far from the last one still
// gives the value the curve has there.
TEST(CurveHint, BracketLookupsInAnyOrderFollowTheCurve) {
    EngineData d;
    d.curves = {test::userCurve(1, 100, {{0, 0}, {1, 10}, {2, 20}, {3, 30}})};
    d.NCURVE = 1;
    const CurveBracket bracket = bracketAt(d, 150);
    EXPECT_FLOAT_EQ(unitTransfer(bracket, 2.5f), 25);
    EXPECT_FLOAT_EQ(unitTransfer(bracket, 0.5f), 5);
    EXPECT_FLOAT_EQ(unitTransfer(bracket, 2.5f), 25);
}

}  // namespace
}  // namespace quarlo
