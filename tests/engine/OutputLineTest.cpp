#include "OutputLine.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace quarlo {
namespace {

struct FieldCase {
    const char* name;
    std::function<void(OutputLine&)> build;
    const char* expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class OutputLineField : public testing::TestWithParam<FieldCase> {};

TEST_P(OutputLineField, WritesExpectedText) {
    OutputLine line;
    GetParam().build(line);
    EXPECT_EQ(line.str(), GetParam().expected);
}

// Expected texts are worked out by hand from the exact single-precision values.
const FieldCase kFieldCases[] = {
    {"E10_3_of_1234", [](OutputLine& l) { l.e(10, 3, 1234.0f); }, " 0.123E+04"},
    {"E10_3_of_minus_half", [](OutputLine& l) { l.e(10, 3, -0.5f); }, "-0.500E+00"},
    {"E15_4_of_zero", [](OutputLine& l) { l.e(15, 4, 0.0f); }, "     0.0000E+00"},
    {"E15_4_of_1234", [](OutputLine& l) { l.e(15, 4, 1234.0f); }, "     0.1234E+04"},
    {"E10_3_negative_zero_has_no_sign", [](OutputLine& l) { l.e(10, 3, -0.0f); }, " 0.000E+00"},
    {"E10_3_rounds_up_into_next_power", [](OutputLine& l) { l.e(10, 3, 0.9996f); }, " 0.100E+01"},
    {"E10_3_small_negative_exponent", [](OutputLine& l) { l.e(10, 3, 0.00012345f); }, " 0.123E-03"},
    {"E10_3_largest_float", [](OutputLine& l) { l.e(10, 3, 3.4e38f); }, " 0.340E+39"},
    {"E9_2_of_generation_depth", [](OutputLine& l) { l.e(9, 2, 359.995f); }, " 0.36E+03"},
    {"E9_2_negative_fits_with_zero", [](OutputLine& l) { l.e(9, 2, -0.5f); }, "-0.50E+00"},
    {"E8_2_negative_drops_leading_zero", [](OutputLine& l) { l.e(8, 2, -0.5f); }, "-.50E+00"},
    {"E6_2_too_narrow_gives_asterisks", [](OutputLine& l) { l.e(6, 2, 1.0f); }, "******"},
    {"F6_1_of_12345_overflows", [](OutputLine& l) { l.f(6, 1, 12345.0f); }, "******"},
    {"F6_2_of_1000_overflows", [](OutputLine& l) { l.f(6, 2, 1000.0f); }, "******"},
    {"F4_2_of_12_overflows", [](OutputLine& l) { l.f(4, 2, 12.0f); }, "****"},
    {"F4_2_of_minus_half_drops_zero", [](OutputLine& l) { l.f(4, 2, -0.5f); }, "-.50"},
    {"F4_2_of_half_keeps_zero", [](OutputLine& l) { l.f(4, 2, 0.5f); }, "0.50"},
    {"F6_2_small_negative_shows_plain_zero", [](OutputLine& l) { l.f(6, 2, -0.001f); }, "  0.00"},
    {"F6_1_negative_zero", [](OutputLine& l) { l.f(6, 1, -0.0f); }, "   0.0"},
    {"F6_1_of_9_96_carries", [](OutputLine& l) { l.f(6, 1, 9.96f); }, "  10.0"},
    {"F4_2_exact_tie_rounds_away_from_zero", [](OutputLine& l) { l.f(4, 2, 0.125f); }, "0.13"},
    {"F5_1_negative_tie_rounds_away", [](OutputLine& l) { l.f(5, 1, -0.25f); }, " -0.3"},
    // 0.35f is 0.3499999940...: the exact binary value decides, not its short decimal.
    {"F5_1_uses_exact_binary_value", [](OutputLine& l) { l.f(5, 1, 0.35f); }, "  0.3"},
    {"F10_3_of_load", [](OutputLine& l) { l.f(10, 3, 150000.0f); }, "150000.000"},
    {"F6_1_rounds_to_zero_digit_in_front", [](OutputLine& l) { l.f(6, 1, 0.06f); }, "   0.1"},
    {"F5_0_keeps_point", [](OutputLine& l) { l.f(5, 0, 3.0f); }, "   3."},
    {"F8_1_of_nan", [](OutputLine& l) { l.f(8, 1, std::numeric_limits<float>::quiet_NaN()); }, "     NaN"},
    {"E10_3_of_minus_infinity", [](OutputLine& l) { l.e(10, 3, -std::numeric_limits<float>::infinity()); },
     " -Infinity"},
    {"I5_positive", [](OutputLine& l) { l.i(5, 123); }, "  123"},
    {"I5_negative", [](OutputLine& l) { l.i(5, -12); }, "  -12"},
    {"I2_overflows", [](OutputLine& l) { l.i(2, 123); }, "**"},
    {"A3_unit_label", [](OutputLine& l) { l.a("IN.", 3); }, "IN."},
    {"A5_pads_short_text", [](OutputLine& l) { l.a("AB", 5); }, "AB   "},
    {"A2_cuts_long_text", [](OutputLine& l) { l.a("ABC", 2); }, "AB"},
    {"nX_at_end_writes_blanks", [](OutputLine& l) { l.text("X").x(3); }, "X   "},
    {"free_integers", [](OutputLine& l) { l.freeInt(9).freeInt(50).freeInt(1); }, " 9 50 1"},
    {"fields_follow_each_other", [](OutputLine& l) { l.x(2).i(5, 1).i(11, 10).e(16, 4, 120.0f); },
     "      1         10      0.1200E+03"},
};

INSTANTIATE_TEST_SUITE_P(Fields, OutputLineField, testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
