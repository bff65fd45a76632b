#include "CaseName.h"
#include "DataEditKeys.h"
#include "DataEditModel.h"
#include "EAssignError.h"
#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace quarlo {
namespace {

constexpr long double kNone = DataEditModel::kUnbounded;
constexpr const char* kEvaluated = "Entry could not be evaluated:\r";

// A field set up as the dialogs set theirs: integer-only first, then the bounds.
DataEditModel field(long double minVal, long double maxVal, bool integerOnly)
{
    DataEditModel model;
    model.SetIntegerOnly(integerOnly);
    model.SetMaxVal(maxVal);
    model.SetMinVal(minVal);
    return model;
}

struct ExitCase {
    const char* name;
    long double minVal;
    long double maxVal;
    bool integerOnly;
    const char* typed;
    bool valid;
    const char* textAfter;  // what the field shows after the check
    std::string message;    // empty when accepted
};

class DataEditExitCheck : public testing::TestWithParam<ExitCase> {};

TEST_P(DataEditExitCheck, AcceptsOrRefusesWithItsMessage)
{
    const ExitCase& c = GetParam();
    DataEditModel model = field(c.minVal, c.maxVal, c.integerOnly);
    model.SetText(c.typed);
    const DataEditModel::Check check = model.ExitCheck();
    EXPECT_EQ(check.valid, c.valid);
    EXPECT_EQ(model.Valid(), c.valid);
    EXPECT_EQ(check.message, c.message);
    EXPECT_EQ(model.Text(), c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Increments, DataEditExitCheck,
    testing::Values(
        ExitCase{"BelowMinimumTakesTheMinimum", 10, 500, true, "5", false, "10",
                 "Entry must be greater than or equal to 10"},
        ExitCase{"AboveMaximumTakesTheMaximum", 10, 500, true, "501", false, "500",
                 "Entry must be less than or equal to 500"},
        ExitCase{"FractionRefusedAndKept", 10, 500, true, "12.5", false, "12.5", "Entry must be an integer."},
        ExitCase{"ExpressionShownAsItsValue", 10, 500, true, "2*60", true, "120", ""},
        ExitCase{"WholeNumberWithFractionDigits", 10, 500, true, "50.0", true, "50", ""},
        ExitCase{"NoNumberAsksForAnInteger", 10, 500, true, "abc", false, "abc",
                 "Entry must be a valid integer."},
        ExitCase{"BoundsAreIncluded", 10, 500, true, "500", true, "500", ""}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Reals, DataEditExitCheck,
    testing::Values(
        ExitCase{"EvaluatorMessageShownAsItIs", -kNone, kNone, false, "abc", false, "abc",
                 std::string(kEvaluated) + "invalid character(s) in expression"},
        ExitCase{"BlankEntry", -kNone, kNone, false, "", false, "",
                 std::string(kEvaluated) + "entry cannot be blank"},
        ExitCase{"DivisionByZero", -kNone, kNone, false, "1/0", false, "1/0",
                 std::string(kEvaluated) + "division by zero"},
        // 1/3 to 18 significant digits, by hand.
        ExitCase{"ThirdWithEighteenDigits", -kNone, kNone, false, "1/3", true, "0.333333333333333333", ""},
        // 2^70 = 1180591620717411303424, rounded to 18 digits by hand.
        ExitCase{"LargeValueInExponentForm", -kNone, kNone, false, "2^70", true, "1.1805916207174113E21", ""},
        ExitCase{"ToleranceBelowItsMinimum", 1e-9L, 1, false, "1e-10", false, "1E-9",
                 "Entry must be greater than or equal to 1E-9"},
        ExitCase{"PileLengthAboveItsMaximum", -kNone, 1e6L, false, "2e6", false, "1000000",
                 "Entry must be less than or equal to 1000000"},
        ExitCase{"NoLowerBound", -kNone, 1e6L, false, "-1E300", true, "-1E300", "",}),
    CaseName());

TEST(DataEditExitCheck, RefusalIsForThatExitOnly)
{
    DataEditModel model = field(-kNone, 1e6L, false);
    model.SetText("5e6");
    EXPECT_FALSE(model.ExitCheck().valid);
    EXPECT_FALSE(model.Valid());
    EXPECT_TRUE(model.ExitCheck().valid);
    EXPECT_EQ(model.Text(), "1000000");
}

TEST(DataEditDefaults, ZeroAndPracticallyUnbounded)
{
    const DataEditModel model;
    EXPECT_EQ(model.Text(), "0");
    EXPECT_EQ(model.Number(), 0.0L);
    EXPECT_EQ(model.Units(), 1);
    EXPECT_FALSE(model.Valid());
    // The bound's value worked out from its bits: (2^64 - 80) * 2^16320.
    EXPECT_EQ(formatGeneral(model.MaxVal(), 7), "1.189731E4932");
    EXPECT_EQ(model.MinVal(), -model.MaxVal());
    EXPECT_LT(model.MaxVal(), std::numeric_limits<long double>::max());
}

TEST(DataEditNumber, ReadingEvaluatesTheText)
{
    DataEditModel model;
    model.SetText("(10-4)^2");
    EXPECT_EQ(model.Number(), 36.0L);
    model.SetText("2pi");
    EXPECT_THROW(model.Number(), EAssignError);
}

TEST(DataEditNumber, WritingClampsIntoTheRange)
{
    DataEditModel model = field(10, 500, true);
    model.SetNumber(5);
    EXPECT_EQ(model.Text(), "10");
    model.SetNumber(1000);
    EXPECT_EQ(model.Text(), "500");
    model.SetNumber(77);
    EXPECT_EQ(model.Text(), "77");
}

TEST(DataEditBounds, NarrowingPullsTheValueInside)
{
    DataEditModel model;
    model.SetNumber(100);
    model.SetMaxVal(50);
    EXPECT_EQ(model.Text(), "50");
    model.SetMinVal(60);
    EXPECT_EQ(model.MinVal(), 50.0L) << "a minimum above the maximum is lowered to it";
    model.SetMaxVal(40);
    EXPECT_EQ(model.MaxVal(), 50.0L) << "a maximum below the minimum is raised to it";
    model.SetMinVal(-5);
    model.SetNumber(0);
    model.SetMinVal(3);
    EXPECT_EQ(model.Text(), "3");
}

TEST(DataEditBounds, AnEntryWithoutValueIsLeftForTheExitCheck)
{
    DataEditModel model;
    model.SetText("abc");
    model.SetMaxVal(5);
    model.SetMinVal(1);
    EXPECT_EQ(model.Text(), "abc");
}

TEST(DataEditBounds, IntegerOnlyKeepsThemIn32Bits)
{
    DataEditModel model;
    model.SetIntegerOnly(true);
    EXPECT_EQ(model.MinVal(), -2147483648.0L);
    EXPECT_EQ(model.MaxVal(), 2147483647.0L);
    model.SetMaxVal(1e12L);
    EXPECT_EQ(model.MaxVal(), 2147483647.0L);
    model.SetText("3e9");
    EXPECT_FALSE(model.ExitCheck().valid);
    EXPECT_EQ(model.Text(), "2147483647");
}

TEST(DataEditUnits, CodesOutsideTheSystemsTakeTheNearest)
{
    DataEditModel model;
    model.SetUnits(0);
    EXPECT_EQ(model.Units(), 1);
    model.SetUnits(-4);
    EXPECT_EQ(model.Units(), 1);
    model.SetUnits(7);
    EXPECT_EQ(model.Units(), 3);
    model.SetUnits(2);
    EXPECT_EQ(model.Units(), 2);
}

struct HexCase {
    const char* name;
    long double value;
    const char* text;
};

class DataEditHex : public testing::TestWithParam<HexCase> {};

TEST_P(DataEditHex, ShowsAndReadsBack)
{
    const HexCase& c = GetParam();
    DataEditModel model;
    model.SetHex(true);
    model.SetNumber(c.value);
    EXPECT_EQ(model.Text(), c.text);
    EXPECT_EQ(model.Number(), std::nearbyint(c.value));
}

INSTANTIATE_TEST_SUITE_P(Cases, DataEditHex,
                         testing::Values(HexCase{"FourDigitsAtLeast", 255, "$00FF"},
                                         HexCase{"MoreDigitsWhenNeeded", 65536, "$10000"},
                                         HexCase{"Zero", 0, "$0000"},
                                         HexCase{"Negative", -255, "-$00FF"},
                                         HexCase{"RoundedHalfToEven", 2.5L, "$0002"},
                                         HexCase{"Largest32BitValue", 4294967295.0L, "$FFFFFFFF"},
                                         HexCase{"BeyondTheEvaluatorsHexInDecimal", 5e9L, "5000000000"}),
                         CaseName());

TEST(DataEditHex, SwitchingItRewritesTheValue)
{
    DataEditModel model;
    model.SetNumber(255);
    model.SetHex(true);
    EXPECT_EQ(model.Text(), "$00FF");
    model.SetHex(false);
    EXPECT_EQ(model.Text(), "255");
}

struct LabelCase {
    const char* name;
    const char* caption;
    const char* unitsString;
    int units;
    const char* expected;
};

class DataEditLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(DataEditLabel, CaptionAndUnitInParentheses)
{
    const LabelCase& c = GetParam();
    DataEditModel model;
    model.SetCaption(c.caption);
    model.SetUnitsString(c.unitsString);
    model.SetUnits(c.units);
    EXPECT_EQ(model.LabelText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataEditLabel,
    testing::Values(LabelCase{"LengthEnglish", "Pile Length", "L", 1, "Pile Length (in)"},
                    LabelCase{"LengthSI", "Pile Length", "L", 2, "Pile Length (m)"},
                    LabelCase{"AreaEnglish", "Area of Pile Tip", "L\u00B2", 1, "Area of Pile Tip (in\u00B2)"},
                    LabelCase{"AreaSI", "Area of Pile Tip", "L\u00B2", 2, "Area of Pile Tip (m\u00B2)"},
                    LabelCase{"UnknownCodeShowsSymbols", "Tolerance", "L", 7, "Tolerance (L)"},
                    LabelCase{"ForcePerLengthSI", "Line Load", "F/L", 2, "Line Load (kN/m)"},
                    LabelCase{"NoUnitNoParentheses", "Number of Increments", "", 1, "Number of Increments"},
                    LabelCase{"WordWithoutSymbols", "Width", "in", 2, "Width (in)"}),
    CaseName());

TEST(DataEditStore, AValueShownUnchangedKeepsEveryBit)
{
    // A length converted to metres carries more digits than the field shows.
    long double pileLength = 720.0L / 39.37007874L;
    const long double before = pileLength;
    DataEditModel model;
    model.SetNumber(pileLength);
    ASSERT_TRUE(model.ExitCheck().valid);
    EXPECT_FALSE(model.StoreInto(pileLength));
    EXPECT_EQ(std::memcmp(&pileLength, &before, 10), 0);
}

TEST(DataEditStore, ATypedValueIsStored)
{
    long double pileLength = 720;
    DataEditModel model;
    model.SetNumber(pileLength);
    model.SetText("60*12.5");
    ASSERT_TRUE(model.ExitCheck().valid);
    EXPECT_TRUE(model.StoreInto(pileLength));
    EXPECT_EQ(pileLength, 750.0L);
    EXPECT_FALSE(model.StoreInto(pileLength));
}

TEST(DataEditStore, AValueClampedOnShowingIsStored)
{
    long double tolerance = 2;
    DataEditModel model = field(1e-9L, 1, false);
    model.SetNumber(tolerance);
    EXPECT_TRUE(model.StoreInto(tolerance));
    EXPECT_EQ(tolerance, 1.0L);
}

TEST(DataEditStore, IncrementsReadWithFiveHoldTen)
{
    int increments = 5;
    DataEditModel model = field(10, 500, true);
    model.SetNumber(increments);
    EXPECT_EQ(model.Text(), "10");
    EXPECT_TRUE(model.StoreInto(increments));
    EXPECT_EQ(increments, 10);
    EXPECT_FALSE(model.StoreInto(increments));
}

TEST(DataEditStore, WholeNumbersRoundHalfToEven)
{
    int count = 0;
    DataEditModel model;
    model.SetText("12.5");
    EXPECT_TRUE(model.StoreInto(count));
    EXPECT_EQ(count, 12);
    model.SetText("13.5");
    EXPECT_TRUE(model.StoreInto(count));
    EXPECT_EQ(count, 14);
}

struct KeyCase {
    const char* name;
    char32_t typed;
    bool wholeTextSelected;
    DataEditKey expected;
};

class DataEditKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(DataEditKeys, ActionOfTheKey)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(DataEditKeyAction(c.typed, c.wholeTextSelected), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataEditKeys,
    testing::Values(KeyCase{"EnterChecks", U'\r', false, DataEditKey::CheckEntry},
                    KeyCase{"EnterChecksOverSelection", U'\r', true, DataEditKey::CheckEntry},
                    KeyCase{"TimesOverSelectionAppends", U'*', true, DataEditKey::AppendOperator},
                    KeyCase{"PlusOverSelectionAppends", U'+', true, DataEditKey::AppendOperator},
                    KeyCase{"MinusOverSelectionAppends", U'-', true, DataEditKey::AppendOperator},
                    KeyCase{"SlashOverSelectionAppends", U'/', true, DataEditKey::AppendOperator},
                    KeyCase{"PowerOverSelectionAppends", U'^', true, DataEditKey::AppendOperator},
                    KeyCase{"EqualsOverSelectionAppends", U'=', true, DataEditKey::AppendOperator},
                    KeyCase{"PercentOverSelectionAppends", U'%', true, DataEditKey::AppendOperator},
                    KeyCase{"FactorialOverSelectionAppends", U'!', true, DataEditKey::AppendOperator},
                    KeyCase{"TimesWithoutSelectionTypes", U'*', false, DataEditKey::Type},
                    KeyCase{"AndOverSelectionReplaces", U'&', true, DataEditKey::Type},
                    KeyCase{"OrOverSelectionReplaces", U'|', true, DataEditKey::Type},
                    KeyCase{"DigitOverSelectionReplaces", U'5', true, DataEditKey::Type}),
    CaseName());

TEST(DataEditKeys, WholeTextSelected)
{
    EXPECT_TRUE(WholeTextSelected(0, 3, 3));
    EXPECT_FALSE(WholeTextSelected(0, 2, 3));
    EXPECT_FALSE(WholeTextSelected(1, 2, 3));
    EXPECT_FALSE(WholeTextSelected(0, 0, 0)) << "an empty text has nothing to extend";
}

}  // namespace
}  // namespace quarlo
