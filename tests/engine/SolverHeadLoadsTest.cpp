#include "SolverHeadLoads.h"
#include "SolverTestPile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace quarlo {
namespace {

using testing::HasSubstr;

struct GuessCase {
    const char* name;
    std::vector<Real> TOPLOAD, TIPMV;
    Real load;
    bool reached;
    Real expected;
};

void PrintTo(const GuessCase& c, std::ostream* os) { *os << c.name; }

class FirstGuess : public testing::TestWithParam<GuessCase> {};

TEST_P(FirstGuess, ReadsTheComputedRows) {
    const GuessCase& c = GetParam();
    const auto guess = firstGuessTipMovement(c.TOPLOAD, c.TIPMV, c.load);
    EXPECT_EQ(guess.reached, c.reached);
    EXPECT_FLOAT_EQ(guess.tipMovement, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Solver, FirstGuess, testing::Values(
    GuessCase{"zero_load_takes_zero", {100, 200}, {1, 3}, 0, true, 0},
    GuessCase{"negative_load_takes_zero", {100, 200}, {1, 3}, -50, true, 0},
    GuessCase{"before_first_row_from_zero", {100, 200}, {1, 3}, 50, true, 0.5f},
    GuessCase{"between_rows", {100, 200}, {1, 3}, 150, true, 2},
    GuessCase{"equal_load_takes_its_row", {100, 200, 300}, {1, 3, 4}, 200, true, 3},
    GuessCase{"load_standing_twice_takes_the_mean", {100, 200, 200}, {1, 3, 5}, 200, true, 4},
    GuessCase{"first_row_reaching_it_counts", {100, 300, 200}, {1, 2, 3}, 250, true, 1.75f},
    GuessCase{"above_every_row_is_not_reached", {100, 200}, {1, 3}, 250, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Flat friction of 5 psi on two increments (7854 lb each) and a tip Q = 1000 + 1000 w:
// the head load is 16708 + 1000 w, so the rows at 0.1, 0.5 and 1 in carry 16808, 17208
// and 17708 lb.
test::SolvedRun headLoadRun(std::vector<Real> loads)
{
    EngineData d = test::flatFrictionPile(2, 100, 1e7f);
    test::setTipMovements(d, {0.1f, 0.5f, 1});
    test::setLoads(d, std::move(loads));
    return test::SolvedRun(std::move(d));
}

TEST(SolverHeadLoads, LoadInsideTheCurveIsSolved) {
    // First guess 0.1 + 200 x 0.4 / 400 = 0.3 in; the solve meets 17008 lb at once, and
    // the row shows the tip movement cut once: 0.294 in. Head movement: 0.3 + 50 x 5227
    // / 1e7 + 50 x 13081 / 1e7 = 0.39154 in; tip load 1300 lb.
    test::SolvedRun run = headLoadRun({17008});
    const auto report = run.reportLines();
    EXPECT_EQ(report.back(), "       0.1701E+05      0.3915E+00      0.2940E+00      0.1300E+04");
    EXPECT_EQ(run.plotLines().back(), report.back());
    EXPECT_EQ(report[report.size() - 8], "1");
    EXPECT_EQ(run.notes.str(), "");
}

TEST(SolverHeadLoads, LoadAboveTheCurveIsNotReachedAndNotSolved) {
    test::SolvedRun run = headLoadRun({20000, 17008});
    const auto report = run.reportLines();
    EXPECT_EQ(report[report.size() - 2], "       0.2000E+05   NOT REACHED: ABOVE THE LARGEST COMPUTED HEAD LOAD");
    const auto plot = run.plotLines();
    EXPECT_EQ(plot[plot.size() - 2], "       0.2000E+05" + std::string(48, '*'));
    // The next load is solved as if the first were not there.
    EXPECT_EQ(report.back(), "       0.1701E+05      0.3915E+00      0.2940E+00      0.1300E+04");
    EXPECT_EQ(run.notes.str(), "HEAD LOAD 0.2000E+05 LBS: NOT REACHED, ABOVE THE LARGEST COMPUTED HEAD LOAD"
                               " 0.1771E+05 LBS; NOT SOLVED\r\n");
    ASSERT_EQ(run.ctx.results.headLoads.size(), 2u);
    EXPECT_FALSE(run.ctx.results.headLoads[0].reached);
    EXPECT_TRUE(run.ctx.results.headLoads[1].reached);
}

TEST(SolverHeadLoads, SharedBudgetRunsOutAndIsNoted) {
    // 9000 lb lies below the head load at zero tip movement (16708 lb): its search cuts
    // the first guess 0.1 x 9000 / 16808 fifty times and uses the whole budget; the load
    // after it gets one solve at its first guess, 0.3 in, and no cut.
    test::SolvedRun run = headLoadRun({9000, 17008});
    const auto& rows = run.ctx.results.headLoads;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FLOAT_EQ(rows[0].row.headLoad, 9000);
    EXPECT_NEAR(rows[0].row.tipMovement, 0.1 * 9000 / 16808 * std::pow(0.98, 50), 1e-6);
    EXPECT_NEAR(rows[1].row.tipMovement, 0.3, 1e-6);
    EXPECT_THAT(run.notes.str(), HasSubstr("HEAD LOAD 0.9000E+04 LBS: THE 50 SEARCH STEPS"));
    EXPECT_THAT(run.notes.str(), HasSubstr("HEAD LOAD 0.1701E+05 LBS: THE 50 SEARCH STEPS"));
}

}  // namespace
}  // namespace quarlo
