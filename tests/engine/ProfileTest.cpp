#include "Profile.h"

#include "SoilFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace quarlo {
namespace {

using test::CapturedRun;
using test::Layer;
using test::layeredSoil;

// Side friction 5 -> 10 psi and e50 0.01 -> 0.02 over one clay layer from 0 to 480 in.
EngineData oneClayLayer()
{
    Layer layer{1, 0, 480, {}, {}};
    layer.top = {0.02f, 10, 30, 0.01f, 5, 100};
    layer.bottom = {0.04f, 20, 30, 0.02f, 10, 100};
    return layeredSoil({layer});
}

// A clay layer that carries only a side friction, topSKIN at its top and bottomSKIN at its bottom.
Layer frictionLayer(Real XTOP, Real XBOT, Real topSKIN, Real bottomSKIN)
{
    Layer layer{1, XTOP, XBOT, {}, {}};
    layer.top.SKIN = topSKIN;
    layer.bottom.SKIN = bottomSKIN;
    return layer;
}

// Upper layer 0-240 (friction 5 -> 10), lower layer 240-480 (friction 20 -> 30).
EngineData twoLayersMeetingAt240()
{
    return layeredSoil({frictionLayer(0, 240, 5, 10), frictionLayer(240, 480, 20, 30)});
}

struct ProfileCase {
    const char* name;
    EngineData (*soil)();
    ProfileColumn column;
    Real X;
    Real expected;   // by hand, to 1e-6 relative
};

void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.name; }

EngineData zeroThicknessFirstLayer()
{
    return layeredSoil({frictionLayer(0, 0, 4, 6), frictionLayer(0, 480, 10, 20)});
}

EngineData layerStartingAt120()
{
    return layeredSoil({frictionLayer(120, 480, 5, 11)});
}

class ProfileValue : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileValue, InterpolatesAsByHand)
{
    CapturedRun run(GetParam().soil());
    const std::optional<Real> value = PROFILE(run.ctx, GetParam().X, GetParam().column);
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(*value, GetParam().expected, 1e-6 * std::abs(GetParam().expected));
    EXPECT_EQ(run.ctx.ISTAT, 0);
    EXPECT_EQ(run.report.str(), "");
}

const ProfileCase kProfileCases[] = {
    {"mid_layer", oneClayLayer, ProfileColumn::SKIN, 240, 7.5f},
    {"layer_top", oneClayLayer, ProfileColumn::SKIN, 0, 5},
    {"layer_bottom", oneClayLayer, ProfileColumn::SKIN, 480, 10},
    {"boundary_takes_lower_layer_top", twoLayersMeetingAt240, ProfileColumn::SKIN, 240, 20},
    // 5 + 239.99 * 5 / 240
    {"just_above_boundary_takes_upper_layer", twoLayersMeetingAt240, ProfileColumn::SKIN, 239.99f, 9.9997917f},
    // 5 + (0 - 120) * 6 / 360
    {"above_first_point_extrapolates", layerStartingAt120, ProfileColumn::SKIN, 0, 3},
    {"zero_thickness_first_layer_averages", zeroThicknessFirstLayer, ProfileColumn::SKIN, -10, 5},
    {"zero_thickness_first_layer_then_lower_top", zeroThicknessFirstLayer, ProfileColumn::SKIN, 0, 10},
    // 0.01 + 600 * 0.01 / 480
    {"e50_below_profile_extrapolates", oneClayLayer, ProfileColumn::EE50, 600, 0.0225f},
    {"strength_column", oneClayLayer, ProfileColumn::C1, 120, 12.5f},
    {"tip_column", oneClayLayer, ProfileColumn::TIP, 120, 100},
};

INSTANTIATE_TEST_SUITE_P(Profile, ProfileValue, testing::ValuesIn(kProfileCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BelowProfileCase {
    const char* name;
    ProfileColumn column;
    int status;
    std::string expectedReport;
};

void PrintTo(const BelowProfileCase& c, std::ostream* os) { *os << c.name; }

class BelowProfile : public testing::TestWithParam<BelowProfileCase> {};

TEST_P(BelowProfile, WritesWarningAndStops)
{
    CapturedRun run(oneClayLayer());
    EXPECT_FALSE(PROFILE(run.ctx, 500, GetParam().column).has_value());
    EXPECT_EQ(run.ctx.ISTAT, GetParam().status);
    EXPECT_EQ(run.report.str(), GetParam().expectedReport);
}

const BelowProfileCase kBelowProfileCases[] = {
    {"strength", ProfileColumn::C1, 5,
     test::kWarningBanner + "     THE VALUE OF X = 0.50E+03IS BEYOND THE EXTENT OF/     THE INPUT STRENGTH CURVE\r\n"},
    {"side_friction_shows_profile_end", ProfileColumn::SKIN, 6,
     std::string(" 2 480\r\n") + test::kWarningBanner +
     "     THE VALUE OF X = 0.50E+03IS BEYOND THE EXTENT OF/     THE INPUT STRENGTH CURVE\r\n"},
    {"tip_resistance", ProfileColumn::TIP, 7,
     test::kWarningBanner + "     THE VALUE OF X = 0.50E+03IS BEYOND THE EXTENT OF/     THE INPUT MAX. LOAD TRANSFER\r\n"},
    {"friction_angle", ProfileColumn::PHI1, 8,
     test::kWarningBanner + "     THE VALUE OF X = 0.50E+03IS BEYOND THE EXTENT OF/     THE INPUT STRENGTH CURVE\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Profile, BelowProfile, testing::ValuesIn(kBelowProfileCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Unit weight 0.02 -> 0.04 lb/in^3 over 0-480 in.
TEST(AverageUnitWeight, OfLinearProfileIsMeanOfEnds)
{
    CapturedRun run(oneClayLayer());
    // Weight at 240 is 0.03; mean of 0.02 and 0.03.
    EXPECT_NEAR(*GAVG(run.ctx, 240), 0.025f, 1e-8f);
    // Whole layer: mean of 0.02 and 0.04.
    EXPECT_NEAR(*GAVG(run.ctx, 480), 0.03f, 1e-8f);
}

TEST(AverageUnitWeight, WeighsLayersByThickness)
{
    Layer upper{2, 0, 240, {}, {}};
    upper.top.GAM1 = upper.bottom.GAM1 = 0.02f;
    Layer lower{2, 240, 480, {}, {}};
    lower.top.GAM1 = lower.bottom.GAM1 = 0.04f;
    CapturedRun run(layeredSoil({upper, lower}));
    // (0.02 * 240 + 0.04 * 240) / 480 and (0.02 * 240 + 0.04 * 120) / 360
    EXPECT_NEAR(*GAVG(run.ctx, 480), 0.03f, 1e-8f);
    EXPECT_NEAR(*GAVG(run.ctx, 360), 0.026666667f, 1e-8f);
}

TEST(AverageUnitWeight, AtSurfaceIsFirstPositiveWeight)
{
    Layer dry{2, 0, 240, {}, {}};
    dry.bottom.GAM1 = 0.035f;
    CapturedRun run(layeredSoil({dry}));
    EXPECT_EQ(*GAVG(run.ctx, 0), 0.035f);
}

TEST(AverageUnitWeight, AtSurfaceWithoutPositiveWeightIsLastWeight)
{
    Layer layer{2, 0, 240, {}, {}};
    layer.top.GAM1 = -0.01f;
    layer.bottom.GAM1 = -0.02f;
    CapturedRun run(layeredSoil({layer}));
    EXPECT_EQ(*GAVG(run.ctx, 0), -0.02f);
}

TEST(AverageUnitWeight, AboveSurfaceIsZero)
{
    Layer layer{2, 120, 240, {}, {}};
    layer.top.GAM1 = layer.bottom.GAM1 = 0.04f;
    CapturedRun run(layeredSoil({layer}));
    EXPECT_EQ(*GAVG(run.ctx, 100), 0);
}

TEST(AverageUnitWeight, BelowProfileWritesWarningAndStops)
{
    CapturedRun run(oneClayLayer());
    EXPECT_FALSE(GAVG(run.ctx, 500).has_value());
    EXPECT_EQ(run.ctx.ISTAT, 4);
    EXPECT_EQ(run.report.str(),
              test::kWarningBanner + "     THE VALUE OF X = 0.50E+03IS BEYOND THE EXTENT OF/     THE INPUT CURVE FOR UNIT WEIGHT\r\n");
}

}  // namespace
}  // namespace quarlo
