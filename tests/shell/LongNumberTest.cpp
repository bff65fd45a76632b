#include "LongNumber.h"

#include <gtest/gtest.h>

namespace quarlo {
namespace {

struct LongCase {
    const char* name;
    long double value;
    const char* text;
};

class LongNumberTest : public ::testing::TestWithParam<LongCase> {};

TEST_P(LongNumberTest, IsTwentyThreeCharactersOfFifteenDigits) {
    EXPECT_EQ(formatLongNumber(GetParam().value), GetParam().text);
    EXPECT_EQ(formatLongNumber(GetParam().value).size(), 23u);
}

// Expected texts written out by hand from the decimal values.
INSTANTIATE_TEST_SUITE_P(
    Values, LongNumberTest,
    ::testing::Values(LongCase{"Twelve", 12.0L, " 1.20000000000000E+0001"},
                      LongCase{"TwelveAndAHalf", 12.5L, " 1.25000000000000E+0001"},
                      LongCase{"Zero", 0.0L, " 0.00000000000000E+0000"},
                      LongCase{"NegativeZero", -0.0L, " 0.00000000000000E+0000"},
                      LongCase{"Negative", -3.25L, "-3.25000000000000E+0000"},
                      LongCase{"SmallFraction", 0.001L, " 1.00000000000000E-0003"},
                      LongCase{"TenthRoundsToOneDigit", 0.1L, " 1.00000000000000E-0001"},
                      LongCase{"SixteenDigitsRoundHalfUp", 123456789012345678.0L, " 1.23456789012346E+0017"},
                      LongCase{"CarryIntoNextPower", 9.9999999999999999L, " 1.00000000000000E+0001"},
                      LongCase{"ThreeDigitExponent", 1e-300L, " 1.00000000000000E-0300"},
                      LongCase{"FourDigitExponent", 2.5e1000L, " 2.50000000000000E+1000"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
