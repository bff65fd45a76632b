#include "NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quarlo::verification {
namespace {

struct TextCase {
    const char* name;
    double value;
    int significant;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class NumberTextCase : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextCase, ShowsTheValueAsAReaderRoundsIt) {
    const TextCase& c = GetParam();
    EXPECT_EQ(numberText(c.value, c.significant), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Verification, NumberTextCase, testing::Values(
    TextCase{"zero", 0, 7, "0"},
    TextCase{"whole_number_without_point", 10000, 7, "10000"},
    TextCase{"fixed_with_trailing_zeros_dropped", 0.1250, 7, "0.125"},
    TextCase{"rounded_to_significant_digits", 298534.6449, 7, "298534.6"},
    TextCase{"small_fixed_down_to_a_ten_thousandth", 0.0001234567, 7, "0.0001234567"},
    TextCase{"below_a_ten_thousandth_in_exponent_form", 0.00001234567, 7, "1.234567E-5"},
    TextCase{"from_10_to_the_digits_in_exponent_form", 123456789, 7, "1.234568E8"},
    TextCase{"negative", -3552.8714, 7, "-3552.871"},
    // 0.01 / 0.0256 x 0.3 x 9 is 1.0546874999999998 in binary; a reader sees 1.0546875.
    TextCase{"binary_noise_below_a_half_rounds_up", 0.01 / 0.0256 * 0.3 * 9, 7, "1.054688"},
    TextCase{"half_rounds_away_from_zero", -2.5, 1, "-3"},
    TextCase{"carry_through_nines", 9.9999996, 7, "10"},
    TextCase{"carry_into_exponent_form", 9999999.6, 7, "1E7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RatioText, TwoDigitsAlwaysWithExponent) {
    EXPECT_EQ(ratioText(0), "0");
    EXPECT_EQ(ratioText(1e-5), "1E-5");
    EXPECT_EQ(ratioText(0.05), "5E-2");
    EXPECT_EQ(ratioText(1.0546e-6), "1.1E-6");
    EXPECT_EQ(ratioText(0.000996), "1E-3");
    EXPECT_EQ(ratioText(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

}  // namespace
}  // namespace quarlo::verification
