// The bundled example projects, run through the engine and checked at a few points against
// numbers worked out independently: the curve and tip-curve points by hand from their
// formulas, the load-transfer results by a separate single-precision walk of the segment
// procedure (every operation rounded to single precision in the written order). That walk
// agreed with the engine to the last bit on every row, so the results are held to 4 ulps;
// a printed value is held to half a unit of its last printed digit. docs/hand-checks.md
// gives the workings.

#include "RunFixture.h"
#include "RunSequence.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace quarlo {
namespace {

// One example run in a scratch directory, with its report and plot data file as lines.
class ExampleRun {
public:
    explicit ExampleRun(const std::string& example) {
        test::copyExample(m_dir, example);
        m_outcome = runAnalysis(test::runFilesIn(m_dir), test::fixedClock());
    }

    const RunOutcome& outcome() const { return m_outcome; }
    std::vector<std::string> lines(const std::string& extension) const {
        return test::linesOf(m_dir.read("p." + extension));
    }

private:
    test::ScratchDir m_dir;
    RunOutcome m_outcome;
};

std::string word(const std::string& line, int index) {
    std::istringstream words(line);
    std::string w;
    for (int i = 0; i <= index; ++i) {
        if (!(words >> w)) {
            return {};
        }
    }
    return w;
}

double number(const std::string& text) {
    double value = NAN;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Half a unit of the last digit of a printed value such as 0.5917E+00 or 20.60, with a hair
// more for a hand value that stands exactly on a rounding tie.
double halfLastDigit(const std::string& text) {
    const std::size_t e = std::min(text.find('E'), text.size());
    const int decimals = static_cast<int>(e - text.find('.') - 1);
    const double exponent = e < text.size() ? number(text.substr(e + 1 + (text[e + 1] == '+'))) : 0.0;
    return 0.5001 * std::pow(10.0, exponent - decimals);
}

// Every table row is named for what it checks.
template <class Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// A value printed in the report or the plot data file: the line `offset` lines after the
// first line equal to `anchor`, its word `wordIndex`.
struct PrintedCase {
    const char* name;
    const char* example;
    const char* extension;
    const char* anchor;
    int offset;
    int wordIndex;
    double expected;
};

void PrintTo(const PrintedCase& c, std::ostream* os) { *os << c.name; }

class PrintedValue : public testing::TestWithParam<PrintedCase> {};

TEST_P(PrintedValue, AgreesWithHandValue) {
    const PrintedCase& c = GetParam();
    const ExampleRun run(c.example);
    ASSERT_EQ(run.outcome().status, 0) << run.outcome().failure;
    const std::vector<std::string> lines = run.lines(c.extension);
    std::size_t at = 0;
    while (at < lines.size() && lines[at] != c.anchor) {
        ++at;
    }
    ASSERT_LT(at + c.offset, lines.size()) << "no line \"" << c.anchor << "\"";
    const std::string text = word(lines[at + c.offset], c.wordIndex);
    EXPECT_NEAR(number(text), c.expected, halfLastDigit(text)) << lines[at + c.offset];
}

constexpr const char* kFirstTip = "        ASSUMED TIP MOVEMENT        TIP   LOAD";
constexpr const char* kTipCurve = "        TIP   LOAD        TIP MOVEMENT";

// Word 0 of a curve point line is t, word 1 is z. Point j of the tip curve in the report is
// j + 1 lines below its heading, Q then w. The first segment line of a tip movement is 10
// lines below its heading, word 1 the unit transfer.
INSTANTIATE_TEST_SUITE_P(
    Examples, PrintedValue,
    testing::Values(
        // Driven pile, English. Curve 3 at 120 in, Coyle and Reese clay:
        // f = 3.2 + 120 x (4.5 - 3.2) / 240 = 3.85 psi; point 4: t = 0.79 f, z = 0.04 in.
        PrintedCase{"DrivenClayCurve3Point4T", "driven-pile-clay-english", "qv3p",
                    "      3         10      0.1200E+03", 4, 0, 3.0415},
        PrintedCase{"DrivenClayCurve3Point4Z", "driven-pile-clay-english", "qv3p",
                    "      3         10      0.1200E+03", 4, 1, 0.04},
        // Curve 7 at 300 in, Mosher sand: phi = 32 + 60 x 2 / 240 = 32.5, so
        // Es = 10000 + 1333.3 x 0.5 = 10666.65; f = 4 + 60 x 2.5 / 240 = 4.625 psi;
        // point 2: t = 0.01 / (144 / 10666.65 + 0.01 / 4.625) = 0.638481.
        PrintedCase{"DrivenSandMosherCurve7Point2", "driven-pile-clay-english", "qv3p",
                    "      7         10      0.3000E+03", 2, 0, 0.638481},
        // Curve 12 at 585 in, API clay: f = 8 + 105 x 2 / 420 = 8.5 psi, D = 16 in;
        // point 6: t = 1.0 f, z = 0.01 D = 0.16 in.
        PrintedCase{"DrivenApiClayCurve12Point6T", "driven-pile-clay-english", "qv3p",
                    "     12         10      0.5850E+03", 6, 0, 8.5},
        PrintedCase{"DrivenApiClayCurve12Point6Z", "driven-pile-clay-english", "qv3p",
                    "     12         10      0.5850E+03", 6, 1, 0.16},
        // Tip at 720 in in API clay: q = 90 + 240 x 45 / 420 = 115.7143 psi,
        // Qmax = 201.06193 x 115.7143 = 23265.7 lb; point 5: Q = 0.5 Qmax at w = 0.013 D.
        PrintedCase{"DrivenTipPoint5Q", "driven-pile-clay-english", "qv3o", kTipCurve, 6, 0, 11632.87},
        PrintedCase{"DrivenTipPoint5W", "driven-pile-clay-english", "qv3o", kTipCurve, 6, 1, 0.208},
        // First segment, middle at 711 in, tip movement 0.01 in: type-5 curves 13 (690 in,
        // f = 9) and 14 (794.995 in, f = 9.49998) give 0.01 / 0.0256 x 0.3 f = 1.054688 and
        // 1.113279; at 711: 1.054688 + 21 / 104.995 x 0.058591 = 1.06641 psi.
        PrintedCase{"DrivenFirstSegmentTransfer", "driven-pile-clay-english", "qv3o", kFirstTip, 10, 1,
                    1.06641},
        // Drilled shaft, SI. Curve 3 at 4 m, Reese and O'Neill clay: f = 22 + 4 x 11 / 8 =
        // 27.5 kPa; point 4: t = 0.90 f, z = 0.003 x 0.9 m.
        PrintedCase{"ShaftClayCurve3Point4T", "drilled-shaft-si", "qv3p",
                    "      3         10      0.4000E+01", 4, 0, 24.75},
        PrintedCase{"ShaftClayCurve3Point4Z", "drilled-shaft-si", "qv3p",
                    "      3         10      0.4000E+01", 4, 1, 0.0027},
        // Curve 8 at 14 m, Reese and O'Neill sand: f = 40 + 6 x 30 / 12 = 55 kPa; point 6:
        // t = 0.91 f = 50.05, z = 0.006 x 0.9 = 0.0054 m.
        PrintedCase{"ShaftSandCurve8Point6T", "drilled-shaft-si", "qv3p",
                    "      8         10      0.1400E+02", 6, 0, 50.05},
        PrintedCase{"ShaftSandCurve8Point6Z", "drilled-shaft-si", "qv3p",
                    "      8         10      0.1400E+02", 6, 1, 0.0054},
        // Tip at 15 m in sand, q given: q = 2500 + 7 x 1000 / 12 = 3083.333 kPa,
        // Qmax = 0.63617251 x 3083.333 = 1961.532 kN; point 8: Q = 1.015 Qmax at w = 0.05 D.
        PrintedCase{"ShaftTipPoint8Q", "drilled-shaft-si", "qv3o", kTipCurve, 9, 0, 1990.955},
        PrintedCase{"ShaftTipPoint8W", "drilled-shaft-si", "qv3o", kTipCurve, 9, 1, 0.045},
        // First segment, middle at 14.75 m, tip movement 0.001 m: type-4 curves 8 (14 m, f = 55)
        // and 9 (16.995 m, f = 62.4875) give f x (0.335 + 0.0001 / 0.0009 x 0.245) = 19.9222
        // and 22.6344; at 14.75: 19.9222 + 0.75 / 2.995 x 2.7122 = 20.6014 kPa.
        PrintedCase{"ShaftFirstSegmentTransfer", "drilled-shaft-si", "qv3o", kFirstTip, 10, 1, 20.6014},
        // User curves, SI, with down-drag: the first segment at 19.75 m lies below the settling
        // soil; t-multipliers 0.95 (15 m) and 1.0 (20 m) on the user curves 4 and 5 give
        // 0.0005 / 0.00175 x 27.5 x 0.95 = 7.4643 and 0.0005 / 0.002 x 35 = 8.75; at 19.75:
        // 7.4643 + 4.75 / 5 x 1.2857 = 8.686 (movement 0.000502 after the passes: 8.6857).
        PrintedCase{"UserSiFirstSegmentTransfer", "user-curves-si", "qv3o", kFirstTip, 10, 1, 8.6857}),
    caseName<PrintedCase>);

// One row of the load-settlement summary and the first segment of its tip movement.
struct SummaryCase {
    const char* name;
    const char* example;
    int row;
    float headLoad;
    float headMovement;
    float tipLoad;
};

void PrintTo(const SummaryCase& c, std::ostream* os) { *os << c.name; }

class SummaryRow : public testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryRow, AgreesWithIndependentWalk) {
    const SummaryCase& c = GetParam();
    const ExampleRun run(c.example);
    ASSERT_EQ(run.outcome().status, 0) << run.outcome().failure;
    ASSERT_LT(c.row, static_cast<int>(run.outcome().results.summary.size()));
    const SettlementRow& row = run.outcome().results.summary[c.row];
    EXPECT_FLOAT_EQ(row.headLoad, c.headLoad);
    EXPECT_FLOAT_EQ(row.headMovement, c.headMovement);
    EXPECT_FLOAT_EQ(row.tipLoad, c.tipLoad);
}

// Tip loads by hand from the tip curves; head load and movement from the independent walk.
INSTANTIATE_TEST_SUITE_P(
    Examples, SummaryRow,
    testing::Values(
        // Tip load at 0.01 in: 1454.109 + (0.01 - 0.008) x (2908.217 - 1454.109) / 0.008.
        SummaryCase{"DrivenRow1", "driven-pile-clay-english", 0, 48744.5586f, 0.0325659178f, 1817.63574f},
        // Tip load at 0.05 in: 5816.435 + 0.018 x (11632.87 - 5816.435) / 0.176.
        SummaryCase{"DrivenRow2", "driven-pile-clay-english", 1, 137694.375f, 0.127095759f, 6411.29736f},
        // Tip load at 1.6 in: Qmax itself (w = 0.1 D).
        SummaryCase{"DrivenLastRow", "driven-pile-clay-english", 6, 215621.312f, 1.74018586f, 23265.7383f},
        // Tip load at 0.001 m: 0.001 / 0.0045 x 392.3064 (0.2 Qmax at 0.005 D).
        SummaryCase{"ShaftRow1", "drilled-shaft-si", 0, 815.313538f, 0.00144287397f, 87.1792068f},
        // Tip load at 0.0025 m: 0.0025 / 0.0045 x 392.3064.
        SummaryCase{"ShaftRow2", "drilled-shaft-si", 1, 1458.40088f, 0.00335394614f, 217.948013f},
        // Tip load at 0.06 m: 1990.955 + 0.015 x (2344.031 - 1990.955) / 0.018.
        SummaryCase{"ShaftLastRow", "drilled-shaft-si", 6, 3739.9314f, 0.0629761741f, 2285.18481f},
        // Default tip movements 0.0001 and 0.001 in on the user Q-w curve (20000 lb at 0.1 in).
        SummaryCase{"UserEnglishRow1", "user-curves-english", 0, 138.742493f, 0.000163640172f, 20.0f},
        SummaryCase{"UserEnglishRow2", "user-curves-english", 1, 1387.42505f, 0.00163640198f, 200.0f},
        // Default movement 5 in lies beyond the last point (80000 lb at 2 in): held there.
        SummaryCase{"UserEnglishLastRow", "user-curves-english", 8, 175002.0f, 5.1051383f, 80000.0f},
        // Down-drag outweighs the resistance at the smallest movement: a negative head load.
        // Tip loads 0.0005 / 0.005 x 400 and 0.001 / 0.005 x 400.
        SummaryCase{"UserSiRow1", "user-curves-si", 0, -148.273758f, 0.000758989074f, 40.0f},
        SummaryCase{"UserSiRow2", "user-curves-si", 1, 70.1513596f, 0.00196082145f, 80.0f},
        // Tip load at 0.04 m: 900 + 0.02 x 400 / 0.04.
        SummaryCase{"UserSiLastRow", "user-curves-si", 6, 2296.60522f, 0.0476911478f, 1100.0f}),
    caseName<SummaryCase>);

// A segment's average load and middle movement for one tip movement (as in the plot data file).
struct SegmentCase {
    const char* name;
    const char* example;
    int row;
    int segment;  // from the tip; -1 is the segment at the head
    float averageLoad;
    float movement;
};

void PrintTo(const SegmentCase& c, std::ostream* os) { *os << c.name; }

class SegmentRow : public testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentRow, AgreesWithIndependentWalk) {
    const SegmentCase& c = GetParam();
    const ExampleRun run(c.example);
    ASSERT_EQ(run.outcome().status, 0) << run.outcome().failure;
    ASSERT_LT(c.row, static_cast<int>(run.outcome().results.distribution.size()));
    const std::vector<SegmentResult>& segments = run.outcome().results.distribution[c.row];
    const SegmentResult& segment = c.segment < 0 ? segments.back() : segments.at(c.segment);
    EXPECT_FLOAT_EQ(segment.averageLoad, c.averageLoad);
    EXPECT_FLOAT_EQ(segment.movement, c.movement);
}

// The first segment's average load is the tip load plus half its transfer, A x t / 2 with
// A = DL x D x 3.1416 and t the hand value of the PrintedValue table.
INSTANTIATE_TEST_SUITE_P(
    Examples, SegmentRow,
    testing::Values(
        // 1817.636 + 18 x 16 x 3.1416 x 1.066406 / 2 = 2300.068.
        SegmentCase{"DrivenRow1First", "driven-pile-clay-english", 0, 0, 2300.06763f, 0.0100262426f},
        SegmentCase{"DrivenRow2First", "driven-pile-clay-english", 1, 0, 8479.56934f, 0.0500949062f},
        // 87.1792 + 0.5 x 0.9 x 3.1416 x 20.6014 / 2 = 101.7415.
        SegmentCase{"ShaftRow1First", "drilled-shaft-si", 0, 0, 101.741501f, 0.00100148492f},
        SegmentCase{"ShaftRow2First", "drilled-shaft-si", 1, 0, 245.643188f, 0.00250364351f},
        // Middle at 588 in between user curves 2 (300 in) and 3 (600 in), movement 0.0001 in:
        // 0.004 + 288 / 300 x (0.0052 - 0.004) = 0.005152 psi; 20 + 24 x 14 x 3.1416 x 0.005152 / 2.
        SegmentCase{"UserEnglishRow1First", "user-curves-english", 0, 0, 22.7191677f, 0.000100326928f},
        SegmentCase{"UserEnglishRow2First", "user-curves-english", 1, 0, 227.191681f, 0.00100326934f},
        // 40 + 0.5 x 0.6 x 3.1416 x 8.6857 / 2 = 44.0930.
        SegmentCase{"UserSiRow1First", "user-curves-si", 0, 0, 44.0930557f, 0.000502169656f},
        SegmentCase{"UserSiRow2First", "user-curves-si", 1, 0, 88.1861115f, 0.00100433931f},
        // Top segment, middle at 0.25 m: the soil settles 0.05 - 0.25 x 0.03 / 6 = 0.04875 m,
        // far more than the pile, so t is negative: both curves are read beyond their last
        // points, 12.75 x 0.8 = 10.2 and 21.25 x 0.85 = 18.0625, and at 0.25 m
        // t = -(10.2 + 0.25 / 5 x 7.8625) = -10.5931 kPa; the transfer is
        // 0.5 x 0.6 x 3.1416 x -10.5931 = -9.9838 kN and the average load
        // -148.2738 - (-9.9838) / 2 = -143.2818 kN.
        SegmentCase{"UserSiRow1DownDragAtHead", "user-curves-si", 0, -1, -143.281845f, 0.00076651125f}),
    caseName<SegmentCase>);

// One pile-head load: its head movement, tip movement (98 % of the last one solved) and tip load.
struct HeadLoadCase {
    const char* name;
    const char* example;
    int index;
    float load;
    float headMovement;
    float tipMovement;
    float tipLoad;
};

void PrintTo(const HeadLoadCase& c, std::ostream* os) { *os << c.name; }

class HeadLoadRowCheck : public testing::TestWithParam<HeadLoadCase> {};

TEST_P(HeadLoadRowCheck, AgreesWithIndependentSearch) {
    const HeadLoadCase& c = GetParam();
    const ExampleRun run(c.example);
    ASSERT_EQ(run.outcome().status, 0) << run.outcome().failure;
    ASSERT_LT(c.index, static_cast<int>(run.outcome().results.headLoads.size()));
    const HeadLoadRow& head = run.outcome().results.headLoads[c.index];
    EXPECT_TRUE(head.reached);
    EXPECT_FLOAT_EQ(head.row.headLoad, c.load);
    EXPECT_FLOAT_EQ(head.row.headMovement, c.headMovement);
    EXPECT_FLOAT_EQ(head.row.tipMovement, c.tipMovement);
    EXPECT_FLOAT_EQ(head.row.tipLoad, c.tipLoad);
}

// The first guess is interpolated on the summary rows; each step cuts it by 2 % until the
// head load no longer exceeds the wanted one by 0.05 %. Steps counted by the independent search.
INSTANTIATE_TEST_SUITE_P(
    Examples, HeadLoadRowCheck,
    testing::Values(
        // First guess 0.01 + (1e5 - 48744.56) x 0.04 / (137694.4 - 48744.56) = 0.033049 in;
        // 17 solves, the last one giving 100038.5 lb.
        HeadLoadCase{"Driven100000", "driven-pile-clay-english", 0, 1e5f, 0.0733243674f, 0.0234424919f,
                     4347.9502f},
        // First guess 0.1 + (2e5 - 175587.2) x 0.1 / (200996.2 - 175587.2) = 0.196080 in; 13 solves.
        HeadLoadCase{"Driven200000", "driven-pile-clay-english", 1, 2e5f, 0.282095611f, 0.150789559f,
                     9843.88184f},
        // First guess 0.0025 + (1500 - 1458.401) x 0.0025 / (1877.441 - 1458.401) = 0.0027482 m;
        // 2 solves, the last one giving 1500.456 kN.
        HeadLoadCase{"Shaft1500", "drilled-shaft-si", 0, 1500.0f, 0.00358133158f, 0.00263935304f,
                     234.792542f},
        HeadLoadCase{"Shaft3000", "drilled-shaft-si", 1, 3000.0f, 0.0331133977f, 0.0302386098f,
                     1515.95312f},
        // First guess 0.002 + (800 - 399.6726) x 0.003 / (1030.325 - 399.6726) = 0.0039043 m;
        // 2 solves, the last one (at 0.0038263 m) giving 787.06 kN.
        HeadLoadCase{"UserSi800", "user-curves-si", 0, 800.0f, 0.00718785776f, 0.00374973565f, 306.100891f},
        HeadLoadCase{"UserSi1600", "user-curves-si", 1, 1600.0f, 0.0189335905f, 0.0127050653f, 665.478394f}),
    caseName<HeadLoadCase>);

}  // namespace
}  // namespace quarlo
