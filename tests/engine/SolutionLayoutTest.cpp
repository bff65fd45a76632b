#include "SolverTestPile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

// Two increments of 50 in on a 1-in pile with a flat friction of 2 psi, AE 1E6 lb and a
// tip Q = 1000 w, solved at a tip movement of 0.5 in, with one head load of 2000 lb that
// the curve never reaches. Worked by hand (each segment settles on its second pass, the
// friction being flat):
//   A = 50 x 1 x 3.1416 = 157.08 in2, DQ = 314.16 lb, tip load 500 lb;
//   lower segment: QN 814.16, QAVG 657.08, DEF 50 x 657.08 / 1E6 = 0.032854,
//     WN 0.532854, WMID 0.5 + (657.08 + 500) / 2 x 25 / 1E6 = 0.5144635;
//   upper segment: QN 1128.32, QAVG 971.24, DEF 0.048562, WN 0.581416,
//     WMID 0.532854 + (971.24 + 814.16) / 2 x 25 / 1E6 = 0.5551715.
// Every heading, unit line and field of the load-transfer table, the summary, the
// head-load table and plot blocks 3 to 5 is spelled out below.
test::SolvedRun layoutRun()
{
    EngineData d = test::simplePile(2, 100, 1, 1e6f, {{0, 2}, {10, 2}}, {{0, 0}, {1, 1000}});
    d.KPRINT = 0;
    test::setTipMovements(d, {0.5f});
    test::setLoads(d, {2000});
    return test::SolvedRun(std::move(d));
}

const std::string kTitle = "TEST PILE" + std::string(63, ' ');

const std::vector<std::string> kSummaryHeading = {
    "",
    "",
    "",
    "        TOP  LOAD     TOP MOVEMENT     TIP MOVEMENT     TIP  LOAD",
    "           LBS             IN.              IN.            LBS",
};

std::vector<std::string> expectedReport()
{
    std::vector<std::string> lines = {
        " ",
        "",
        "",
        "",
        "        ASSUMED TIP MOVEMENT        TIP   LOAD",
        "                 IN.                    LBS",
        "             0.5000E+00             0.5000E+03",
        "",
        "",
        "",
        " DEPTH   LOAD     LOAD      TOTAL      AVG     DEFORM     TOTAL     AVG",
        "       TRANSFER   INCR      LOAD       LOAD    OF INCR    MVMNT     MVMNT",
        "  IN.   PSI        LBS       LBS        LBS     IN.        IN.       IN.",
        "  100.0                   0.500E+03                     0.500E+00",
        "   75.0  2.00 0.314E+03           0.657E+03 0.329E-01           0.514E+00",
        "   50.0                   0.814E+03                     0.533E+00",
        "   25.0  2.00 0.314E+03           0.971E+03 0.486E-01           0.555E+00",
        "    0.0                   0.113E+04                     0.581E+00",
        " ",
        " " + kTitle,
    };
    lines.insert(lines.end(), kSummaryHeading.begin(), kSummaryHeading.end());
    lines.push_back("       0.1128E+04      0.5814E+00      0.5000E+00      0.5000E+03");
    lines.push_back("1");
    lines.push_back("        " + kTitle);
    lines.insert(lines.end(), kSummaryHeading.begin(), kSummaryHeading.end());
    lines.push_back("       0.2000E+04   NOT REACHED: ABOVE THE LARGEST COMPUTED HEAD LOAD");
    return lines;
}

TEST(SolutionLayout, ReportTablesAsByHand)
{
    EXPECT_EQ(layoutRun().reportLines(), expectedReport());
}

TEST(SolutionLayout, PlotBlocksAsByHand)
{
    const std::vector<std::string> expected = {
        " 1 2 1",
        "  0.750E+02    0.657E+03    0.514E+00",
        "  0.250E+02    0.971E+03    0.555E+00",
        "       0.1128E+04      0.5814E+00      0.5000E+00      0.5000E+03",
        "       0.2000E+04" + std::string(48, '*'),
    };
    EXPECT_EQ(layoutRun().plotLines(), expected);
}

}  // namespace
}  // namespace quarlo
