#include "CaseName.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace quarlo {
namespace {

struct FormatCase {
    const char* name;
    long double value;
    int digits;
    int minExponentDigits;
    const char* expected;
};

class FormatGeneral : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneral, WritesExpectedText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatGeneral(c.value, c.digits, c.minExponentDigits), c.expected);
}

// Expected texts are the values rounded by hand to the stated number of digits.
INSTANTIATE_TEST_SUITE_P(
    Cases, FormatGeneral,
    testing::Values(
        FormatCase{"SmallUsesExponent", 1.5e-5L, 8, 0, "1.5E-5"},
        FormatCase{"LargeRoundsAndUsesExponent", 123456789.0L, 8, 0, "1.2345679E8"},
        FormatCase{"LargestFixedAtEightDigits", 99999999.0L, 8, 0, "99999999"},
        FormatCase{"RoundingUpCrossesIntoExponent", 99999999.7L, 8, 0, "1E8"},
        FormatCase{"SmallestFixed", 0.0001L, 8, 0, "0.0001"},
        FormatCase{"JustBelowSmallestFixed", 0.00009999L, 8, 0, "9.999E-5"},
        FormatCase{"PowerOfTenAtLimit", 1e8L, 8, 0, "1E8"},
        FormatCase{"Zero", 0.0L, 8, 0, "0"},
        FormatCase{"NegativeZero", -0.0L, 8, 0, "0"},
        FormatCase{"NegativeFixed", -2.5L, 8, 0, "-2.5"},
        FormatCase{"NegativeExponent", -1.5e-7L, 8, 0, "-1.5E-7"},
        FormatCase{"TrailingZerosDropped", 12.5000L, 8, 0, "12.5"},
        FormatCase{"BarePointDropped", 40.0L, 8, 0, "40"},
        FormatCase{"ExactTieRoundsAwayFromZero", 0.125L, 2, 0, "0.13"},
        FormatCase{"NegativeTieRoundsAwayFromZero", -2.5L, 1, 0, "-3"},
        FormatCase{"CarryThroughNines", 9.9999999999L, 8, 0, "10"},
        FormatCase{"SmallestSubnormal", 3.6451995318824746025e-4951L, 3, 0, "3.65E-4951"},
        FormatCase{"EighteenDigitsOfAThird", 1.0L / 3.0L, 18, 0, "0.333333333333333333"},
        FormatCase{"EighteenDigitsOfPi", 3.14159265358979323846L, 18, 0, "3.14159265358979324"},
        FormatCase{"EighteenDigitsInteger", 123456789012345678.0L, 18, 0, "123456789012345678"},
        FormatCase{"PlotLabelMinimumExponent", 1.5e-5L, 4, 2, "1.5E-05"},
        FormatCase{"PlotLabelWideExponent", 2.0e123L, 5, 2, "2E123"},
        FormatCase{"PlotLabelFixed", 0.25L, 4, 2, "0.25"},
        FormatCase{"HugeExtendedValue", 1.0e4000L, 18, 0, "1E4000"}),
    CaseName());

TEST(FormatGeneralExact, RoundsTheExtendedValueNotADouble)
{
    // 0.1 in extended precision is 0.1000000000000000000013553; a double would give
    // 0.1000000000000000055511 and show ...0000056 at 22 digits.
    EXPECT_EQ(formatGeneral(0.1L, 22), "0.1000000000000000000014");
}

struct ParseCase {
    const char* name;
    const char* text;
    bool accepted;
    long double value;
};

class ParseDecimal : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimal, ReadsOnlyDecimalNumbers)
{
    const ParseCase& c = GetParam();
    const std::optional<long double> value = parseDecimal(c.text);
    ASSERT_EQ(value.has_value(), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(*value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDecimal,
    testing::Values(ParseCase{"Integer", "42", true, 42},
                    ParseCase{"NegativeFraction", "-0.5", true, -0.5L},
                    ParseCase{"PlusSign", "+3", true, 3},
                    ParseCase{"LeadingPoint", ".25", true, 0.25L},
                    ParseCase{"TrailingPoint", "4.", true, 4},
                    ParseCase{"Exponent", "1.5E3", true, 1500},
                    ParseCase{"NegativeExponent", "25e-1", true, 2.5L},
                    ParseCase{"Overflow", "1e5000", true, HUGE_VALL},
                    ParseCase{"NegativeOverflow", "-1e5000", true, -HUGE_VALL},
                    ParseCase{"Underflow", "1e-5000", true, 0},
                    ParseCase{"LongMantissaUnderflow", "0.000001e-4945", true, 0},
                    ParseCase{"Empty", "", false, 0},
                    ParseCase{"PointOnly", ".", false, 0},
                    ParseCase{"SignOnly", "-", false, 0},
                    ParseCase{"DoubleSign", "--1", false, 0},
                    ParseCase{"Comma", "1,5", false, 0},
                    ParseCase{"Blank", " 1", false, 0},
                    ParseCase{"Infinity", "inf", false, 0},
                    ParseCase{"NotANumber", "nan", false, 0},
                    ParseCase{"Hexadecimal", "0x1p3", false, 0},
                    ParseCase{"ExponentWithoutDigits", "1e+", false, 0},
                    ParseCase{"TwoPoints", "1.2.3", false, 0}),
    CaseName());

}  // namespace
}  // namespace quarlo
