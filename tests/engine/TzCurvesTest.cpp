#include "TzCurves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

struct EsCase {
    const char* name;
    Real phi;
    Real Es;   // by hand from the steps of Mosher's slope
};

void PrintTo(const EsCase& c, std::ostream* os) { *os << c.name; }

class MosherSlope : public testing::TestWithParam<EsCase> {};

TEST_P(MosherSlope, FollowsItsSteps)
{
    EXPECT_FLOAT_EQ(mosherEs(GetParam().phi), GetParam().Es);
}

const EsCase kEsCases[] = {
    {"loose", 25, 6000},
    {"at_28", 28, 6000},
    {"at_30", 30, 8666.6f},
    {"at_31", 31, 9999.9f},
    {"at_32", 32, 10000},
    {"at_31_5", 31.5f, 10000},
    {"at_33", 33, 11333.3f},
    {"at_34_below_step", 34, 12666.6f},
    {"at_34_5_after_step", 34.5f, 14000},
    {"at_35", 35, 14000},
    {"at_36", 36, 15333.3f},
    {"at_38", 38, 17999.9f},
    {"dense", 40, 18000},
};

INSTANTIATE_TEST_SUITE_P(TzCurves, MosherSlope, testing::ValuesIn(kEsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TzCurve generated(int KSOIL, Real f, Real phi, Real D, int KUNITS)
{
    TzCurve c;
    c.KSOILC = KSOIL;
    c.FMAXC = f;
    c.PHIC = phi;
    fillTzCurve(c, D, KUNITS);
    return c;
}

struct ShapeCase {
    const char* name;
    TzCurve curve;
    std::vector<Real> t;   // expected by hand, to 1e-6 relative
    std::vector<Real> z;
    double tolerance = 1e-6;   // relative; 0 where the digits are those of single precision
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }

class TzShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(TzShape, HasTenPointsAsByHand)
{
    const TzCurve& c = GetParam().curve;
    ASSERT_EQ(c.NPTS, 10);
    for (int j = 0; j < 10; ++j) {
        const double tolerance = GetParam().tolerance;
        EXPECT_NEAR(c.TVAL[j], GetParam().t[j], tolerance * std::abs(GetParam().t[j])) << "point " << j + 1;
        EXPECT_NEAR(c.ZVAL[j], GetParam().z[j], tolerance * std::abs(GetParam().z[j])) << "point " << j + 1;
    }
}

// Movements of the Coyle-Reese clay and Mosher sand curves: inches, whatever the diameter.
const std::vector<Real> kInchMovements = {0, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.12f, 0.16f, 0.5f, 10};
// Movements of the drilled-shaft curves of a 36 in shaft (fractions of its diameter).
const std::vector<Real> kShaft36Movements = {0, 0.036f, 0.072f, 0.108f, 0.18f, 0.216f, 0.288f, 0.432f, 0.576f, 3.6f};

const ShapeCase kShapeCases[] = {
    {"coyle_reese_clay_f_7_5",
     generated(1, 7.5f, 0, 16, 1),
     {0, 1.35f, 2.85f, 5.925f, 7.275f, 7.5f, 7.275f, 6.975f, 6.975f, 6.975f},
     kInchMovements},
    {"coyle_reese_clay_si_movements_in_metres",
     generated(1, 50, 0, 0.4f, 2),
     {0, 9, 19, 39.5f, 48.5f, 50, 48.5f, 46.5f, 46.5f, 46.5f},
     {0, 0.000254f, 0.000508f, 0.001016f, 0.001524f, 0.002032f, 0.003048f, 0.004064f, 0.0127f, 0.254f}},
    // t = z / (144 / 11333.3 + z / 2), each step rounded to single precision in this order
    {"mosher_sand_phi_33",
     generated(2, 2, 33, 16, 1),
     {0, 0.5647828f, 0.88082755f, 1.2230202f, 1.4049574f, 1.517856f, 1.6504846f, 1.7258875f, 1.9032688f, 1.9949305f},
     kInchMovements, 0},
    // t = [z / (1 / 11333.3 + z / (10 x 20.88))] / 20.88, z in inches, stored as z x 0.0254;
    // single precision in this order
    {"mosher_sand_si_through_psf",
     generated(2, 10, 33, 0.4f, 2),
     {0, 3.5182052f, 5.205137f, 6.8465505f, 7.65076f, 8.128133f, 8.669044f, 8.967424f, 9.644623f, 9.981609f},
     {0, 0.00025399998f, 0.00050799997f, 0.0010159999f, 0.001524f, 0.0020319999f, 0.003048f, 0.0040639997f, 0.0127f,
      0.254f}, 0},
    {"mosher_sand_without_friction_is_flat_zero",
     generated(2, 0, 33, 16, 1),
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     kInchMovements},
    {"drilled_clay_d_36_in",
     generated(3, 10, 0, 36, 1),
     {0, 5.1f, 7.2f, 9, 9.25f, 9.45f, 9.55f, 9.25f, 9, 8.35f},
     kShaft36Movements},
    {"drilled_clay_d_0_9_m",
     generated(3, 10, 0, 0.9f, 2),
     {0, 5.1f, 7.2f, 9, 9.25f, 9.45f, 9.55f, 9.25f, 9, 8.35f},
     {0, 0.0009f, 0.0018f, 0.0027f, 0.0045f, 0.0054f, 0.0072f, 0.0108f, 0.0144f, 0.09f}},
    {"drilled_sand",
     generated(4, 10, 35, 36, 1),
     {0, 3.35f, 5.8f, 7.2f, 8.6f, 9.1f, 9.5f, 9.65f, 9.6f, 9.5f},
     kShaft36Movements},
    {"api_clay_movements_per_diameter",
     generated(5, 10, 0, 10, 1),
     {0, 3, 5, 7.5f, 9, 10, 9, 9, 9, 9},
     {0, 0.016f, 0.031f, 0.057f, 0.08f, 0.1f, 0.2f, 0.3f, 0.5f, 2}},
    {"api_sand_movements_in_inches",
     generated(6, 10, 35, 36, 1),
     {0, 1, 2, 4, 6, 8, 9, 10, 10, 10},
     {0, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.09f, 0.1f, 0.5f, 2}},
    {"api_sand_si",
     generated(6, 10, 35, 0.9f, 2),
     {0, 1, 2, 4, 6, 8, 9, 10, 10, 10},
     {0, 0.000254f, 0.000508f, 0.001016f, 0.001524f, 0.002032f, 0.002286f, 0.00254f, 0.0127f, 0.0508f}},
    {"unknown_type_leaves_zeros",
     generated(7, 10, 35, 36, 1),
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(TzCurves, TzShape, testing::ValuesIn(kShapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TzCurveScaling, OnlyTheDrilledAndApiClayTypesScaleWithDiameter)
{
    EXPECT_FALSE(tzCurveScalesWithDiameter(1));
    EXPECT_FALSE(tzCurveScalesWithDiameter(2));
    EXPECT_TRUE(tzCurveScalesWithDiameter(3));
    EXPECT_TRUE(tzCurveScalesWithDiameter(4));
    EXPECT_TRUE(tzCurveScalesWithDiameter(5));
    EXPECT_FALSE(tzCurveScalesWithDiameter(6));
}

}  // namespace
}  // namespace quarlo
