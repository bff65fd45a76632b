#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "ChartAxisRules.h"

using namespace quarlo;

namespace {

struct RangeCase {
    const char* name;
    double value;
    AxisRange expected;
};

class ConstantValues : public testing::TestWithParam<RangeCase> {};

struct FormatCase {
    const char* name;
    AxisRange range;
    AxisLabelFormat expected;
};

class LabelFormats : public testing::TestWithParam<FormatCase> {};

struct LabelCase {
    const char* name;
    double value;
    AxisLabelFormat format;
    const char* expected;
};

class Labels : public testing::TestWithParam<LabelCase> {};

std::vector<std::string> labelsOf(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const AxisTick& tick : ticks) {
        labels.push_back(tick.label);
    }
    return labels;
}

}  // namespace

// Expected ends worked out by hand: a tenth either side of the value. Tolerance 1e-12
// absolute (0.9 and 1.1 are not exact binary fractions).
TEST_P(ConstantValues, GetAUsableAxis) {
    const RangeCase& c = GetParam();
    const AxisRange range = ConstantValueRange(c.value);
    EXPECT_NEAR(range.minimum, c.expected.minimum, 1e-12);
    EXPECT_NEAR(range.maximum, c.expected.maximum, 1e-12);
    EXPECT_LT(range.minimum, range.maximum);
}

INSTANTIATE_TEST_SUITE_P(Values, ConstantValues,
                         testing::Values(RangeCase{"Positive", 5.0, {4.5, 5.5}},
                                         RangeCase{"ZeroAroundZero", 0.0, {-1.0, 1.0}},
                                         RangeCase{"NegativeEndsSwapped", -5.0, {-5.5, -4.5}}),
                         CaseName());

TEST(DataRanges, FollowTheValues) {
    EXPECT_EQ(DataRange({3.0, 1.0, 2.0}), (AxisRange{1.0, 3.0}));
    EXPECT_EQ(DataRange({0.0, 0.0}), (AxisRange{-1.0, 1.0}));
    EXPECT_EQ(DataRange({}), (AxisRange{0.0, 1.0}));
}

TEST_P(LabelFormats, DependOnTheMagnitudesOfTheEnds) {
    EXPECT_EQ(ChooseLabelFormat(GetParam().range), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, LabelFormats,
    testing::Values(FormatCase{"OrdinaryValues", {0.0, 1000.0}, AxisLabelFormat::Fixed},
                    FormatCase{"LargeEnd", {0.0, 200000.0}, AxisLabelFormat::Exponent},
                    FormatCase{"LargeNegativeEnd", {-150000.0, 0.0}, AxisLabelFormat::Exponent},
                    FormatCase{"BothTiny", {0.0001, 0.0005}, AxisLabelFormat::Exponent},
                    FormatCase{"OneTinyOneNot", {0.0, 0.002}, AxisLabelFormat::Fixed},
                    FormatCase{"BothZero", {0.0, 0.0}, AxisLabelFormat::Fixed}),
    CaseName());

TEST_P(Labels, ReadAsTheirFormatSays) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(FormatAxisLabel(c.value, c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Labels,
    testing::Values(LabelCase{"GroupedThousands", 1234567.891, AxisLabelFormat::Fixed, "1,234,567.891"},
                    LabelCase{"ThreeDecimalsAtMost", 0.12345, AxisLabelFormat::Fixed, "0.123"},
                    LabelCase{"NoTrailingZeros", 2.5, AxisLabelFormat::Fixed, "2.5"},
                    LabelCase{"WholeNumber", 100.0, AxisLabelFormat::Fixed, "100"},
                    LabelCase{"Negative", -1250.5, AxisLabelFormat::Fixed, "-1,250.5"},
                    LabelCase{"RoundsToZeroWithoutSign", -0.0004, AxisLabelFormat::Fixed, "0"},
                    LabelCase{"RoundsUpIntoAGroup", 999.9996, AxisLabelFormat::Fixed, "1,000"},
                    LabelCase{"ExponentOneDecimalAtLeast", 1000000.0, AxisLabelFormat::Exponent, "1.0E6"},
                    LabelCase{"ExponentFourDigits", 123456.0, AxisLabelFormat::Exponent, "1.235E5"},
                    LabelCase{"NegativeExponent", 0.00045, AxisLabelFormat::Exponent, "4.5E-4"},
                    LabelCase{"NegativeMantissa", -2.5e-5, AxisLabelFormat::Exponent, "-2.5E-5"},
                    LabelCase{"ZeroInExponentForm", 0.0, AxisLabelFormat::Exponent, "0.0E0"}),
    CaseName());

TEST(Ticks, StandAtRoundStepsInsideTheRange) {
    const auto ticks = AxisTicks({4.5, 5.5}, AxisLabelFormat::Fixed, 6);
    EXPECT_EQ(labelsOf(ticks), (std::vector<std::string>{"4.6", "4.8", "5", "5.2", "5.4"}));
    EXPECT_DOUBLE_EQ(ticks.front().value, 4.6);
}

TEST(Ticks, IncludeBothEndsWhenTheyAreRound) {
    EXPECT_EQ(labelsOf(AxisTicks({0.0, 1000.0}, AxisLabelFormat::Fixed, 6)),
              (std::vector<std::string>{"0", "200", "400", "600", "800", "1,000"}));
}

TEST(Ticks, NeverRepeatALabel) {
    const auto ticks = AxisTicks({0.0, 0.002}, AxisLabelFormat::Fixed, 6);
    EXPECT_EQ(labelsOf(ticks), (std::vector<std::string>{"0", "0.001", "0.002"}));
    EXPECT_DOUBLE_EQ(ticks[1].value, 0.001);
}

TEST(Ticks, NoneOnAnEmptyRange) {
    EXPECT_TRUE(AxisTicks({2.0, 2.0}, AxisLabelFormat::Fixed, 6).empty());
}
