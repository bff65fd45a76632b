#include "CaseName.h"
#include "UnitFactor.h"
#include "Units.h"
#include "UnitsDisplay.h"

#include <gtest/gtest.h>

namespace quarlo {
namespace {

struct FactorCase {
    const char* name;
    const char* units;
    UnitVariant variant;
    long double englishToSI;  // worked out by hand from the unit table
};

class UnitFactorTest : public testing::TestWithParam<FactorCase> {};

// Tolerance: 1e-15 relative, far below the 10 digits of the table's factors.
TEST_P(UnitFactorTest, ConvertsEnglishToSI)
{
    const FactorCase& c = GetParam();
    EXPECT_NEAR(UnitFactor(1, 2, c.units, c.variant) / c.englishToSI, 1.0L, 1e-15L);
}

TEST_P(UnitFactorTest, ConvertsSIToEnglishByTheReciprocal)
{
    const FactorCase& c = GetParam();
    EXPECT_NEAR(UnitFactor(2, 1, c.units, c.variant) * c.englishToSI, 1.0L, 1e-15L);
}

TEST_P(UnitFactorTest, SameSystemOrOtherCodeIsOne)
{
    const FactorCase& c = GetParam();
    EXPECT_EQ(UnitFactor(1, 1, c.units, c.variant), 1.0L);
    EXPECT_EQ(UnitFactor(2, 2, c.units, c.variant), 1.0L);
    EXPECT_EQ(UnitFactor(3, 2, c.units, c.variant), 1.0L);
    EXPECT_EQ(UnitFactor(1, 0, c.units, c.variant), 1.0L);
}

constexpr long double kLbs = 224.8089237L;
constexpr long double kIn = 39.37007874L;
constexpr auto kChart = UnitVariant::Chart;
constexpr auto kPlain = UnitVariant::Plain;

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitFactorTest,
    testing::Values(
        FactorCase{"Force", "F", kChart, 1 / kLbs},
        FactorCase{"ForceZeroDigit", "F0", kChart, 1 / kLbs},
        FactorCase{"Length", "L", kChart, 1 / kIn},
        FactorCase{"Pressure", "F/L^2", kChart, kIn * kIn / kLbs},
        FactorCase{"UnitWeight", "F/L^3", kChart, kIn * kIn * kIn / kLbs},
        FactorCase{"NoUnit", "", kChart, 1.0L},
        FactorCase{"KipsPerSquareFoot", "F1/L2^2", kChart, 3.280839895L * 3.280839895L / 0.2248089237L},
        FactorCase{"TonsTimesMetre", "F2-L", kChart, 1 / (0.1124044745L * kIn)},
        FactorCase{"ForceSquaredTimesLength", "F^2*L", kChart, 1 / (kLbs * kLbs * kIn)},
        FactorCase{"ForceDirectlyFollowedByLength", "FL", kChart, 1 / (kLbs * kIn)},
        FactorCase{"PlainOnlyDigitInChartMeansBareSymbol", "L3", kChart, 1 / kIn},
        FactorCase{"Radians", "L3", kPlain, 1.0L},
        FactorCase{"MassPerLength", "F4/L1", kPlain, 0.03937007874L / 5.7101483L},
        FactorCase{"SlugsPerSecond", "F6/F5", kPlain, 1 / 68.364249L},
        FactorCase{"FieldSquareLength", "L\u00B2", kPlain, 1 / (kIn * kIn)},
        FactorCase{"WordWithoutSymbols", "in", kPlain, 1.0L}),
    CaseName());

TEST(UnitFactorExample, HundredPsiIsKilopascals)
{
    // 100 psi = 100 x 39.37007874^2 / 224.8089237 = 689.4757888 kPa by hand.
    const long double kPa = 100 * UnitFactor(1, 2, "F/L^2");
    EXPECT_NEAR(kPa, 689.4757888L, 1e-7L);
    EXPECT_NEAR(kPa * UnitFactor(2, 1, "F/L^2"), 100.0L, 1e-15L);
}

struct DisplayCase {
    const char* name;
    const char* units;
    int code;
    const char* expected;
};

class ChartColumnDisplay : public testing::TestWithParam<DisplayCase> {};
class PlainColumnDisplay : public testing::TestWithParam<DisplayCase> {};
class FieldDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(ChartColumnDisplay, ShowsWords)
{
    EXPECT_EQ(DisplayUnits(GetParam().units, GetParam().code, kChart), GetParam().expected);
}

TEST_P(PlainColumnDisplay, ShowsWords)
{
    EXPECT_EQ(DisplayUnits(GetParam().units, GetParam().code, kPlain), GetParam().expected);
}

TEST_P(FieldDisplay, ShowsWords)
{
    EXPECT_EQ(DisplayFieldUnits(GetParam().units, GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartColumnDisplay,
    testing::Values(DisplayCase{"PressureEnglish", "F/L^2", 1, "lbs/in^2"},
                    DisplayCase{"PressureSI", "F/L^2", 2, "kN/m^2"},
                    DisplayCase{"UnitWeightEnglish", "F/L^3", 1, "lbs/in^3"},
                    DisplayCase{"UnitWeightSI", "F/L^3", 2, "kN/m^3"},
                    DisplayCase{"LengthEnglish", "L", 1, "in"},
                    DisplayCase{"LengthSI", "L", 2, "m"},
                    DisplayCase{"KipsPerSquareFoot", "F1/L2^2", 1, "kips/ft^2"},
                    DisplayCase{"Millimetres", "L1", 2, "mm"},
                    DisplayCase{"NoUnit", "", 1, ""}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainColumnDisplay,
    testing::Values(DisplayCase{"Mass", "F4", 1, "lb-sec2/in"},
                    DisplayCase{"MassSI", "F6/L", 2, "Mg/m"},
                    DisplayCase{"Seconds", "F5", 2, "sec"},
                    DisplayCase{"Radians", "L3", 1, "rad"},
                    DisplayCase{"Pressure", "F/L^2", 1, "lbs/in^2"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldDisplay,
    testing::Values(DisplayCase{"SquareLengthEnglish", "L\u00B2", 1, "in\u00B2"},
                    DisplayCase{"SquareLengthSI", "L\u00B2", 2, "m\u00B2"},
                    DisplayCase{"MillimetresEnglish", "L1", 1, "in"},
                    DisplayCase{"MillimetresSI", "L1", 2, "mm"},
                    DisplayCase{"FeetEnglish", "L2", 1, "ft"},
                    DisplayCase{"FeetSI", "L2", 2, "m"},
                    DisplayCase{"ForcePerLengthSI", "F/L", 2, "kN/m"},
                    DisplayCase{"SymbolsShownAsTheyStand", "F/L", 3, "F/L"},
                    DisplayCase{"WordUnchanged", "in", 2, "in"},
                    DisplayCase{"OnlyFirstForceKindReplaced", "F1/F", 1, "kips/F"}),
    CaseName());

}  // namespace
}  // namespace quarlo
