#include "QwCurve.h"

#include "SoilFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

using test::addCurves;
using test::CapturedRun;
using test::Layer;
using test::layeredSoil;
using test::SoilPoint;

struct TipSoil {
    int KSOIL = 1;
    SoilPoint values;        // the same at the top and the bottom of the layer
    int KUNITS = 1;
    Real DIAM = 12;
    Real ATIP = 100;
    Real deepestPhi = 30;    // friction angle of the deepest t-z curve
};

// One layer from 0 to 600 (in or m) of constant soil, tip at 480, one t-z curve at 590.
EngineData tipProblem(const TipSoil& s)
{
    EngineData d = layeredSoil({Layer{s.KSOIL, 0, 600, s.values, s.values}});
    d.KUNITS = s.KUNITS;
    d.PLEN = 480;
    d.DIAM = s.DIAM;
    d.ATIP = s.ATIP;
    addCurves(d, {590}, s.KSOIL);
    d.curves[0].PHIC = s.deepestPhi;
    return d;
}

struct TipCase {
    const char* name;
    TipSoil soil;
    std::vector<Real> Q;   // expected by hand
    std::vector<Real> W;
    double tolerance;      // relative
};

void PrintTo(const TipCase& c, std::ostream* os) { *os << c.name; }

class TipCurve : public testing::TestWithParam<TipCase> {};

TEST_P(TipCurve, HasTenPointsAsByHand)
{
    CapturedRun run(tipProblem(GetParam().soil));
    generateQwCurve(run.ctx);
    ASSERT_EQ(run.ctx.ISTAT, 0) << run.report.str();
    const EngineData& d = run.ctx.data;
    ASSERT_EQ(d.NQW, 10);
    for (int j = 0; j < 10; ++j) {
        EXPECT_NEAR(d.QTIP[j], GetParam().Q[j], GetParam().tolerance * std::abs(GetParam().Q[j])) << "point " << j + 1;
        EXPECT_NEAR(d.WTIP[j], GetParam().W[j], GetParam().tolerance * std::abs(GetParam().W[j])) << "point " << j + 1;
    }
    EXPECT_EQ(run.report.str(), "");
}

SoilPoint clay(Real cu, Real e50, Real q) { return {0.04f, cu, 0, e50, 1, q}; }
SoilPoint sand(Real phi, Real gamma, Real q) { return {gamma, 0, phi, 20, 1, q}; }

const std::vector<Real> kMosherW = {0, 0.0001f, 0.005f, 0.01f, 0.05f, 0.1f, 0.2f, 0.5f, 0.75f, 1.0f};
// Nq(30) = tan^2(60 deg) exp(pi tan 30 deg) with pi = 3.1416: 18.401503; 480 x 0.04 x 100 x Nq.
constexpr Real kSandQmax = 35330.885f;

const TipCase kTipCases[] = {
    // Qmax = 100 x 9 x 10 = 9000 lb, w50 = 2 x 0.01 x 12 = 0.24 in, Q = Qmax sqrt((j-1)/8)
    {"coyle_reese_qmax_9000", {1, clay(10, 0.01f, 0), 1, 12, 100},
     {0, 3181.981f, 4500, 5511.352f, 6363.961f, 7115.125f, 7794.229f, 8418.729f, 9000, 9000},
     {0, 0.12f, 0.24f, 0.36f, 0.48f, 0.6f, 0.72f, 0.84f, 0.96f, 9.6f}, 1e-6},
    // Qmax = 0.07 x 9 x 50 = 31.5 kN, w50 = 2 x 0.01 x 0.3 m; through inches (D / 0.0254) and
    // kips (Qmax / 4.448) and back, each step rounded to single precision in the written order
    {"coyle_reese_si", {1, clay(50, 0.01f, 0), 2, 0.3f, 0.07f},
     {0, 11.136931f, 15.75f, 19.289732f, 22.273863f, 24.902937f, 27.2798f, 29.465553f, 31.5f, 31.5f},
     {0, 0.0030000003f, 0.0060000005f, 0.009000001f, 0.012000001f, 0.0150000015f, 0.018000001f, 0.021000002f,
      0.024000002f, 0.24000002f}, 0},
    {"drilled_clay", {3, clay(10, 0.01f, 0), 1, 36, 100},
     {0, 3555, 5040, 6300, 7785, 8100, 8550, 8730, 8820, 8910},
     {0, 0.18f, 0.36f, 0.54f, 0.9f, 1.08f, 1.44f, 1.8f, 2.52f, 3.6f}, 1e-6},
    // a given q of 90 psi replaces 9 cu
    {"api_clay_given_tip_resistance", {5, clay(50, 0.01f, 90), 1, 10, 100},
     {0, 562.5f, 1125, 2250, 4500, 6750, 8100, 9000, 9000, 9000},
     {0, 0.005f, 0.01f, 0.02f, 0.13f, 0.42f, 0.73f, 1, 1.5f, 2}, 1e-6},
    // Qmax = 100 x 500; wr = 0.6 in; n = 0.5 from the deepest curve, not the 36 degrees at the tip
    {"mosher_exponent_from_deepest_curve", {2, sand(36, 0.04f, 500), 1, 12, 100, 30},
     {0, 645.497f, 4564.355f, 6454.972f, 14433.757f, 20412.415f, 28867.513f, 45643.546f, 55901.699f, 64549.722f},
     kMosherW, 2e-6},
    // n = 0.333 up to and including 38 degrees, 0.25 above; 0.5 up to and including 31
    {"mosher_exponent_third_at_38", {2, sand(30, 0.04f, 500), 1, 12, 100, 38},
     {0, 2759.597f, 10153.193f, 12789.267f, 21857.609f, 27532.499f, 34680.762f, 47054.661f, 53856.861f, 59271.462f},
     kMosherW, 2e-6},
    {"mosher_exponent_quarter_above_38", {2, sand(30, 0.04f, 500), 1, 12, 100, 38.5f},
     {0, 5681.097f, 15106.877f, 17965.206f, 26864.248f, 31947.155f, 37991.784f, 47772.140f, 52868.563f, 56810.968f},
     kMosherW, 2e-6},
    // D = 0.3048 m is 12 in; Qmax = 0.0645 x 3000 = 193.5 kN
    {"mosher_si_exponent_half_at_31", {2, sand(30, 10, 3000), 2, 0.3048f, 0.0645f, 31},
     {0, 2.49807f, 17.66405f, 24.98074f, 55.85864f, 78.99604f, 111.71728f, 176.64052f, 216.33958f, 249.80743f},
     {0, 0.00000254f, 0.000127f, 0.000254f, 0.00127f, 0.00254f, 0.00508f, 0.0127f, 0.01905f, 0.0254f}, 2e-6},
    {"drilled_sand_from_nq_ratios_pass_one", {4, sand(30, 0.04f, 0), 1, 36, 100},
     {0, 0.2f * kSandQmax, 0.345f * kSandQmax, 0.485f * kSandQmax, 0.64f * kSandQmax, 0.73f * kSandQmax,
      0.83f * kSandQmax, 1.015f * kSandQmax, 1.195f * kSandQmax, 1.46f * kSandQmax},
     {0, 0.18f, 0.36f, 0.54f, 0.9f, 1.08f, 1.44f, 1.8f, 2.52f, 3.6f}, 1e-5},
    {"api_sand_given_tip_resistance", {6, sand(30, 0.04f, 90), 1, 10, 100},
     {0, 562.5f, 1125, 2250, 4500, 6750, 8100, 9000, 9000, 9000},
     {0, 0.005f, 0.01f, 0.02f, 0.13f, 0.42f, 0.73f, 1, 1.5f, 2}, 1e-6},
};

INSTANTIATE_TEST_SUITE_P(QwCurve, TipCurve, testing::ValuesIn(kTipCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct StopCase {
    const char* name;
    TipSoil soil;
    Real PLEN;
    int status;
    std::string message;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class TipCurveStop : public testing::TestWithParam<StopCase> {};

TEST_P(TipCurveStop, WritesWarningAndLeavesNoCurve)
{
    EngineData d = tipProblem(GetParam().soil);
    d.PLEN = GetParam().PLEN;
    CapturedRun run(std::move(d));
    generateQwCurve(run.ctx);
    EXPECT_EQ(run.ctx.ISTAT, GetParam().status);
    EXPECT_EQ(run.report.str(), test::kWarningBanner + GetParam().message + "\r\n");
    EXPECT_EQ(run.ctx.data.NQW, 0);
    EXPECT_TRUE(run.ctx.data.QTIP.empty());
}

const StopCase kStopCases[] = {
    {"tip_below_last_layer", {1, clay(10, 0.01f, 0)}, 700, 20,
     "     NO TIP CURVE: THE PILE TIP AT 0.70E+03 LIES BELOW THE LAST SOIL LAYER"},
    {"unknown_soil_type_at_tip", {9, clay(10, 0.01f, 0)}, 480, 21,
     "     NO TIP CURVE: THE TIP LAYER HAS THE UNKNOWN SOIL TYPE     9"},
    {"zero_e50_at_coyle_reese_tip", {1, clay(10, 0, 0)}, 480, 23,
     "     THE TIP CURVE OF SOIL TYPE 1 NEEDS E50 X OUTER DIAMETER > 0: E50 AT THE TIP = 0.00E+00,"
     " OUTER DIAMETER = 0.12E+02"},
    {"zero_diameter_at_coyle_reese_tip", {1, clay(10, 0.01f, 0), 1, 0}, 480, 23,
     "     THE TIP CURVE OF SOIL TYPE 1 NEEDS E50 X OUTER DIAMETER > 0: E50 AT THE TIP = 0.10E-01,"
     " OUTER DIAMETER = 0.00E+00"},
    {"zero_diameter_at_mosher_tip", {2, sand(30, 0.04f, 500), 1, 0}, 480, 23,
     "     THE TIP CURVE OF SOIL TYPE 2 NEEDS AN OUTER DIAMETER > 0: OUTER DIAMETER = 0.00E+00"},
    {"zero_diameter_at_drilled_sand_tip", {4, sand(30, 0.04f, 0), 1, 0}, 480, 23,
     "     THE TIP CURVE OF SOIL TYPE 4 NEEDS AN OUTER DIAMETER > 0: OUTER DIAMETER = 0.00E+00"},
    // Nq overflows single precision near 90 degrees
    {"tip_resistance_not_finite", {6, sand(89.99f, 0.04f, 0)}, 480, 24,
     "     THE TIP CURVE HAS A VALUE THAT IS NOT A FINITE NUMBER"},
};

INSTANTIATE_TEST_SUITE_P(QwCurve, TipCurveStop, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ProfileStopCase {
    const char* name;
    int KSOIL;
    int status;
};

void PrintTo(const ProfileStopCase& c, std::ostream* os) { *os << c.name; }

class TipProfileStop : public testing::TestWithParam<ProfileStopCase> {};

// The tip layer reaches 480, but the profile's last point (a layer listed out of order)
// lies at 200, so every profile column ends above the tip. The first value read stops
// the run: the friction angle for sand (before the unit weight and the tip resistance),
// the shear strength for clay (before the tip resistance).
TEST_P(TipProfileStop, FirstValueReadStops)
{
    const SoilPoint soil = {0.04f, 10, 30, 0.01f, 1, 0};
    EngineData d = layeredSoil({Layer{GetParam().KSOIL, 0, 480, soil, soil}, Layer{1, 100, 200, soil, soil}});
    d.PLEN = 480;
    d.DIAM = 12;
    d.ATIP = 100;
    addCurves(d, {0}, GetParam().KSOIL);
    CapturedRun run(std::move(d));
    generateQwCurve(run.ctx);
    EXPECT_EQ(run.ctx.ISTAT, GetParam().status);
    EXPECT_EQ(run.report.str(), test::kWarningBanner +
                                    "     THE VALUE OF X = 0.48E+03IS BEYOND THE EXTENT OF/     THE INPUT STRENGTH CURVE\r\n");
    EXPECT_EQ(run.ctx.data.NQW, 0);
}

const ProfileStopCase kProfileStopCases[] = {
    {"sand_friction_angle", 2, 8},
    {"clay_shear_strength", 1, 5},
};

INSTANTIATE_TEST_SUITE_P(QwCurve, TipProfileStop, testing::ValuesIn(kProfileStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TipSoilType, TipAtLayerBottomTakesThatLayer)
{
    EngineData d = layeredSoil({Layer{1, 0, 240, {}, {}}, Layer{2, 240, 480, {}, {}}});
    d.PLEN = 240;
    EXPECT_EQ(tipSoilType(d), 1);
    d.PLEN = 240.5f;
    EXPECT_EQ(tipSoilType(d), 2);
    d.PLEN = 481;
    EXPECT_EQ(tipSoilType(d), 0);
}

TEST(BearingFactor, UsesPiAs3_1416)
{
    // tan^2(60 deg) exp(3.1416 tan 30 deg), angles converted with 3.1416
    EXPECT_NEAR(bearingFactorNq(30), 18.401503f, 2e-5f);
    // tan(45 deg) is not exactly 1 with 3.1416: 1.0000073
    EXPECT_NEAR(bearingFactorNq(0), 1.0000073f, 2e-7f);
}

}  // namespace
}  // namespace quarlo
