#include "CaseName.h"
#include "EAssignError.h"
#include "Evaluate.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace quarlo {
namespace {

constexpr long double kPiValue = 3.141592653589793238462643383279502884L;

struct ValueCase {
    const char* name;
    const char* text;
    long double expected;  // worked out by hand
};

class EvaluateValue : public testing::TestWithParam<ValueCase> {};

// Tolerance: 1e-17 relative, the last of the 18 digits every partial result keeps.
TEST_P(EvaluateValue, GivesHandValue)
{
    const ValueCase& c = GetParam();
    const long double value = Evaluate(c.text);
    // Compared in extended precision: EXPECT_NEAR would go through double and lose the
    // last two of the 18 digits.
    EXPECT_LE(std::fabs(value - c.expected), 1e-17L * std::max(1.0L, std::fabs(c.expected)))
        << c.text << " gives " << formatGeneral(value, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, EvaluateValue,
    testing::Values(ValueCase{"ProductBeforeSum", "2+3*4", 14},
                    ValueCase{"ProductThenSum", "2*3+4", 10},
                    ValueCase{"PowerAssociatesLeft", "2^3^2", 64},
                    ValueCase{"SubtractionAssociatesLeft", "10-4-3", 3},
                    ValueCase{"QuotientAssociatesLeft", "8/4/2", 1},
                    ValueCase{"Remainder", "7%3", 1},
                    ValueCase{"RemainderTakesSignOfLeft", "-7%3", -1},
                    ValueCase{"RemainderOfTruncatedValues", "7.9%3.9", 1},
                    ValueCase{"PowerBeforeProduct", "2*3^2", 18},
                    ValueCase{"EqualityLast", "1+1=2", 1},
                    ValueCase{"Groups", "(1+2)*(3+4)", 21},
                    ValueCase{"NestedGroups", "((2))", 2},
                    ValueCase{"GroupSquared", "(10-4)^2", 36},
                    ValueCase{"Product", "12*2.5", 30}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Signs, EvaluateValue,
    testing::Values(ValueCase{"SignAfterOperator", "2*-3", -6},
                    ValueCase{"ExponentSign", "1e-5", 1e-5L},
                    ValueCase{"UpperCaseExponentSign", "2.5E-3", 2.5e-3L},
                    ValueCase{"MinusMinus", "5--2", 7},
                    ValueCase{"LeadingSign", "-4+1", -3},
                    ValueCase{"NegativeGroupResultSubtracted", "5-(0-3)", 8},
                    ValueCase{"NegativeGroupResultAfterProduct", "2*(0-3)", -6},
                    ValueCase{"SignAfterFunctionName", "abs-3+1", 4},
                    ValueCase{"NegativePowerExponent", "2^-1", 0.5L}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Operands, EvaluateValue,
    testing::Values(ValueCase{"BlanksJoinDigits", "1 2", 12},
                    ValueCase{"TabsRemoved", "1\t+\t2", 3},
                    ValueCase{"SquareRoot", "sqrt(16)", 4},
                    ValueCase{"UpperCaseFunction", "SQRT(16)", 4},
                    ValueCase{"SineOfHalfPi", "sin(pi/2)", 1},
                    ValueCase{"HalfRootTwo", "sqrt(2)/2", 0.707106781186547524L},
                    ValueCase{"MinusPi", "-pi", -kPiValue},
                    ValueCase{"EulerNumber", "e", 2.71828182845904524L},
                    ValueCase{"HexLower", "$ff", 255},
                    ValueCase{"HexUpper", "$FF", 255},
                    ValueCase{"HexFullWidthIsUnsigned", "$FFFFFFFF", 4294967295.0L},
                    ValueCase{"Factorial", "5!", 120},
                    ValueCase{"FactorialOfZero", "0!", 1},
                    ValueCase{"FactorialOfNegative", "(0-3)!", -6},
                    ValueCase{"True", "1=1", 1},
                    ValueCase{"False", "1=2", 0},
                    ValueCase{"Or", "0|3", 1},
                    ValueCase{"AndFalse", "2&0", 0},
                    ValueCase{"AndTrue", "2&3", 1},
                    ValueCase{"RoundHalfToEven", "round(2.5)", 2},
                    ValueCase{"RoundHalfToEvenUp", "round(3.5)", 4},
                    ValueCase{"CeilNegative", "ceil(0-1.5)", -1},
                    ValueCase{"FloorNegative", "floor(0-1.5)", -2},
                    ValueCase{"FractionKeepsSign", "frac(0-2.25)", -0.25L},
                    ValueCase{"IntegerPartTruncates", "int(0-2.75)", -2},
                    ValueCase{"CommonLog", "log(1000)", 3},
                    ValueCase{"NaturalLogOfE", "ln(e)", 1},
                    ValueCase{"ArcCosOfZero", "arccos(0)", kPiValue / 2},
                    ValueCase{"ArcSinOfOne", "arcsin(1)", kPiValue / 2},
                    ValueCase{"SecantOfZero", "sec(0)", 1},
                    ValueCase{"CotangentOfQuarterPi", "cotan(pi/4)", 1},
                    ValueCase{"HyperbolicTanhOfZero", "tanh0", 0},
                    ValueCase{"ArcTanhBeforeArcTan", "arctanh(0.5)", 0.549306144334054846L},
                    ValueCase{"ArcTanOfOne", "arctan1", kPiValue / 4},
                    ValueCase{"CoshBeforeCos", "cosh0", 1},
                    ValueCase{"SinhOfZero", "sinh0", 0},
                    ValueCase{"ArcSinhOfZero", "arcsinh0", 0},
                    ValueCase{"ArcCoshOfOne", "arccosh1", 0},
                    ValueCase{"CosecantOfHalfPi", "csc(pi/2)", 1},
                    ValueCase{"ThirdKeepsEighteenDigits", "1/3", 0.333333333333333333L},
                    ValueCase{"LargestReadableValue", "1.18973149535723176e4932",
                              1.18973149535723176e4932L}),
    CaseName());

// Each program-level fix: a sign before a function or after a function name inside an
// expression, and e as a constant before a subtraction.
INSTANTIATE_TEST_SUITE_P(
    SignedFunctions, EvaluateValue,
    testing::Values(ValueCase{"FunctionOfNegativeGroupInsideExpression", "2*abs(-3)", 6},
                    ValueCase{"SignedFunctionOfNegativeGroup", "-abs(-3)", -3},
                    ValueCase{"SignBeforeFunction", "-sqrt(16)", -4},
                    ValueCase{"SignBeforeHex", "-$10", -16},
                    ValueCase{"ConstantEMinusOne", "e-1", 1.71828182845904524L},
                    ValueCase{"ProductWithEMinusOne", "2*e-1", 4.43656365691809047L}),
    CaseName());

struct ErrorCase {
    const char* name;
    const char* text;
    const char* reason;
};

class EvaluateRefuses : public testing::TestWithParam<ErrorCase> {};

TEST_P(EvaluateRefuses, WithMessage)
{
    const ErrorCase& c = GetParam();
    try {
        Evaluate(c.text);
        FAIL() << "accepted " << c.text;
    } catch (const EAssignError& error) {
        EXPECT_EQ(std::string(error.what()), std::string("Entry could not be evaluated:\r") + c.reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, EvaluateRefuses,
    testing::Values(ErrorCase{"Empty", "", "entry cannot be blank"},
                    ErrorCase{"EmptyGroup", "()", "entry cannot be blank"},
                    ErrorCase{"OnlyBlanks", "   ", "invalid expression"},
                    ErrorCase{"UnopenedGroup", "2)", "() (parentheses) do not match"},
                    ErrorCase{"UnclosedGroup", "(2", "invalid character(s) in expression"},
                    ErrorCase{"TrailingOperator", "2+", "invalid expression"},
                    ErrorCase{"LeadingOperator", "*5", "invalid character(s) in expression"},
                    ErrorCase{"NumberBeforeConstant", "2pi", "invalid character(s) in expression"},
                    ErrorCase{"Letters", "abc", "invalid character(s) in expression"},
                    ErrorCase{"InfinityIsNotANumber", "inf", "invalid character(s) in expression"},
                    ErrorCase{"NanIsNotANumber", "nan", "invalid character(s) in expression"},
                    ErrorCase{"CommaIsNotADecimalSeparator", "1,5", "invalid character(s) in expression"},
                    ErrorCase{"FunctionWithoutArgument", "sqrt", "invalid character(s) in expression"},
                    ErrorCase{"BadHexDigit", "$G", "invalid use of $ (hex function)"},
                    ErrorCase{"EmptyHex", "$", "invalid use of $ (hex function)"},
                    ErrorCase{"HexBeyond32Bits", "$100000000", "invalid use of $ (hex function)"},
                    ErrorCase{"FractionalFactorial", "2.5!", "! (factoral) applicable to integers only"},
                    // Pasted text may hold the control character that marks subtractions inside
                    // the evaluator; it must not act as a minus.
                    ErrorCase{"SubtractionMarkInText", "5\x01" "3", "invalid character(s) in expression"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, EvaluateRefuses,
    testing::Values(ErrorCase{"DivisionByZero", "1/0", "division by zero"},
                    ErrorCase{"ZeroByZero", "0/0", "division by zero"},
                    ErrorCase{"RemainderByZero", "5%0.5", "division by zero"},
                    ErrorCase{"ZeroToNegativePower", "0^-1", "division by zero"},
                    ErrorCase{"LogOfZero", "ln(0)", "ln is not defined for 0"},
                    ErrorCase{"CommonLogOfNegative", "log(0-1)", "log is not defined for -1"},
                    ErrorCase{"RootOfNegative", "sqrt(0-4)", "sqrt is not defined for -4"},
                    ErrorCase{"ArcSinOutsideDomain", "arcsin2", "arcsin is not defined for 2"},
                    ErrorCase{"CosecantOfZero", "csc0", "csc is not defined for 0"},
                    ErrorCase{"RootOfNegativePower", "(0-8)^0.5",
                              "^ has no real result for a negative value to a fractional power"},
                    ErrorCase{"PowerOverflow", "10^5000", "value too large"},
                    ErrorCase{"ProductOverflow", "1e4000*1e4000", "value too large"},
                    ErrorCase{"NumberBeyondRange", "1e5000", "value too large"},
                    // The largest extended value: its 18-digit text would not read back.
                    ErrorCase{"LargestExtendedValue", "1.18973149535723176502e4932", "value too large"},
                    ErrorCase{"CoshOverflow", "cosh(20000)", "value too large"},
                    ErrorCase{"FactorialOverflow", "1755!", "value too large"},
                    ErrorCase{"HugeFactorialIsNotComputed", "1e30!", "value too large"},
                    ErrorCase{"RemainderBeyondInt64", "1e19%3", "value outside the 64-bit integer range of %"},
                    ErrorCase{"RoundBeyondInt64", "round(1e19)", "value outside the 64-bit integer range of round"},
                    ErrorCase{"CeilBeyondInt32", "ceil(3e9)", "value outside the 32-bit integer range of ceil"},
                    ErrorCase{"FloorBeyondInt32", "floor(0-3e9)", "value outside the 32-bit integer range of floor"}),
    CaseName());

TEST(EvaluateUnderflow, TinyNumberReadsAsZero)
{
    EXPECT_EQ(Evaluate("1e-5000"), 0.0L);
}

TEST(EvaluateExtremes, RemainderOfMostNegativeByMinusOneIsZero)
{
    EXPECT_EQ(Evaluate("-9223372036854775807%-1"), 0.0L);
}

TEST(EvaluatePartialResults, AreRoundedToEighteenDigits)
{
    // 1/3 written with 18 digits and read back, times 3, is 0.999999999999999999, not 1.
    EXPECT_EQ(Evaluate("1/3*3"), Evaluate("0.999999999999999999"));
}

TEST(EvaluateLocale, IgnoresTheUserDecimalSeparator)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const long double value = Evaluate("1.5*2");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(value, 3.0L);
}

}  // namespace
}  // namespace quarlo
