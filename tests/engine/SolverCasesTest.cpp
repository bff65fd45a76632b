#include "SolverChecks.h"
#include "SolverTestPile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace quarlo {
namespace {

using testing::HasSubstr;
using testing::Not;

// Every number below is worked out by hand. Two increments of 50 in on the 10 in pile:
// side area of an increment 50 x 10 x 3.1416 = 1570.8 in^2, load transfer 1570.8 x 5 = 7854 lb.
using test::flatFrictionPile;

bool contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SolverUplift, NegativeTipMovementSetsUpliftForTheRestOfTheRun) {
    // One increment of 100 in: transfer 100 x 10 x 3.1416 x 5 = 15708 lb; shortening
    // 100 x 7854 / 1e6 = 0.7854 in; middle 0.1 + (15708 / 4) x 50 / 1e6 = 0.29635 in.
    EngineData d = flatFrictionPile(1, 100, 1e6f);
    d.KPRINT = 0;
    test::setTipMovements(d, {-0.1f, 0.1f});
    test::SolvedRun run(std::move(d));

    const auto report = run.reportLines();
    // The tip takes nothing in uplift, so the tip load used is 0 in every table.
    EXPECT_TRUE(contains(report, "             0.1000E+00             0.0000E+00"));
    const std::string gap18(18, ' '), gap20(20, ' ');
    EXPECT_TRUE(contains(report, "  100.0" + gap18 + " 0.000E+00" + gap20 + "-0.100E+00"));
    EXPECT_TRUE(contains(report, "   50.0 -5.00-0.157E+05          -0.785E+04-0.785E+00          -0.296E+00"));
    EXPECT_TRUE(contains(report, "    0.0" + gap18 + "-0.157E+05" + gap20 + "-0.885E+00"));
    // The later positive tip movement stays an uplift row: same loads, tip movement as given.
    EXPECT_EQ(report[report.size() - 2], "      -0.1571E+05     -0.8854E+00     -0.1000E+00      0.0000E+00");
    EXPECT_EQ(report.back(), "      -0.1571E+05     -0.8854E+00      0.1000E+00      0.0000E+00");
    // The plot file's distribution keeps the computed signs; its summary rows the report's.
    const auto plot = run.plotLines();
    EXPECT_EQ(plot[1], "  0.500E+02    0.785E+04    0.296E+00");
    EXPECT_EQ(plot.back(), report.back());
}

TEST(SolverDownDrag, SoilSettlingMoreThanThePileTurnsFrictionNegative) {
    // Settlement 1.0 in at the surface, none from 50 in down. The lower increment (middle
    // 75 in) moves down against still soil: +7854 lb, load 1100 -> 8954 lb, shortening
    // 50 x 5027 / 1e7. The upper one (middle 25 in, soil 0.5 in) moves about 0.13 in, less
    // than the soil, so its friction is negative: 8954 - 7854 = 1100 lb at the head.
    EngineData d = flatFrictionPile(2, 100, 1e7f);
    d.KPRINT = 0;
    d.NSET = 3;
    d.SDEP = {0, 50, 100};
    d.SSET = {1, 0, 0};
    test::setTipMovements(d, {0.1f});
    test::SolvedRun run(std::move(d));

    const auto report = run.reportLines();
    EXPECT_TRUE(contains(report, "   75.0  5.00 0.785E+04           0.503E+04 0.251E-01           0.108E+00"));
    EXPECT_TRUE(contains(report, "   25.0 -5.00-0.785E+04           0.503E+04 0.251E-01           0.143E+00"));
    const SettlementRow& row = run.ctx.results.summary.at(0);
    EXPECT_FLOAT_EQ(row.headLoad, 1100);
    EXPECT_NEAR(row.headMovement, 0.15027, 1e-6);
}

class SummaryOnly : public testing::TestWithParam<int> {};

TEST_P(SummaryOnly, ReportHasNoLoadTransferTablesAndPlotFileIsUnchanged) {
    EngineData full = flatFrictionPile(2, 100, 1e7f);
    test::setTipMovements(full, {0.1f, 0.5f});
    EngineData summary = full;
    full.KPRINT = 0;
    summary.KPRINT = GetParam();
    test::SolvedRun fullRun(full);
    test::SolvedRun summaryRun(summary);

    EXPECT_THAT(fullRun.report.str(), HasSubstr("ASSUMED TIP MOVEMENT"));
    EXPECT_THAT(summaryRun.report.str(), Not(HasSubstr("ASSUMED TIP MOVEMENT")));
    EXPECT_THAT(summaryRun.report.str(), HasSubstr("TOP  LOAD     TOP MOVEMENT"));
    EXPECT_EQ(summaryRun.plot.str(), fullRun.plot.str());
    // Count line, two rows per tip movement, one summary row per tip movement.
    EXPECT_EQ(summaryRun.plotLines().size(), 1u + 4u + 2u);
    EXPECT_EQ(summaryRun.plotLines().front(), " 2 2 1");
}

INSTANTIATE_TEST_SUITE_P(Solver, SummaryOnly, testing::Values(1, -1),
                         [](const auto& info) { return info.param > 0 ? "positive" : "negative"; });

TEST(SolverNotes, SegmentThatNeverSettlesIsNoted) {
    // t = 10 up to 0.2 in, 0 from 0.3 in. At 0.1 in the middle moves to
    // 0.1 + (3141.6 / 4) x 50 / 1e5 = 0.4927 in, where t = 0 sends it back to 0.1 in:
    // the passes swing between the two for good.
    EngineData d = test::simplePile(1, 100, 1, 1e5f, {{0, 10}, {0.2f, 10}, {0.3f, 0}, {10, 0}}, {{0, 0}, {1, 0}});
    d.TOL = 0.001f;
    test::setTipMovements(d, {0.1f});
    test::SolvedRun run(std::move(d));

    const std::string note = "TIP MOVEMENT 0.1000E+00 IN.: THE SEGMENT AT DEPTH 0.5000E+02 IN. DID NOT CONVERGE"
                             " IN 100 PASSES, LAST DIFFERENCE 0.3927E+00 IN. AGAINST TOL 0.1000E-02 IN.";
    EXPECT_EQ(run.notes.str(), note + "\r\n");
    EXPECT_EQ(run.ctx.results.notes, std::vector<std::string>{note});
    EXPECT_THAT(run.report.str(), Not(HasSubstr("CONVERGE")));
}

TEST(SolverStops, ZeroStiffnessStopsBeforeAnyResultIsWritten) {
    EngineData d = flatFrictionPile(2, 100, 0);
    test::setTipMovements(d, {0.1f});
    test::SolvedRun run(std::move(d));

    EXPECT_EQ(run.ctx.ISTAT, status::kZeroStiffness);
    EXPECT_EQ(run.plot.str(), "");
    const auto report = run.reportLines();
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[1], std::string(29, ' ') + "**** WARNING ****");
    EXPECT_EQ(report[2], "     THE PILE STIFFNESS AE AT X = 0.7500E+02 IN. IS 0.0000E+00 LBS: THE SHORTENING OF"
                         " THE PILE NEEDS AN AE GREATER THAN 0");
}

TEST(SolverStops, NoIncrementsStop) {
    EngineData d = flatFrictionPile(2, 100, 1e7f);
    d.NSEG = 0;
    test::setTipMovements(d, {0.1f});
    test::SolvedRun run(std::move(d));
    EXPECT_EQ(run.ctx.ISTAT, status::kNoIncrements);
    EXPECT_EQ(run.plot.str(), "");
}

}  // namespace
}  // namespace quarlo
