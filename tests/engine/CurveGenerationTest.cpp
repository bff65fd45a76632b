#include "CurveReport.h"
#include "InputReader.h"
#include "Stages.h"

#include "SoilFixture.h"
#include "TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

using test::addCurves;
using test::CapturedRun;
using test::Layer;
using test::layeredSoil;
using test::linesOf;
using test::SoilPoint;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Clay of cu 10 psi and e50 0.01 with the given side friction.
SoilPoint clay(Real SKIN) { return {0.04f, 10, 0, 0.01f, SKIN, 0}; }

// The layers around a 12-in pile with its tip at 480 in and a 100 in^2 tip; no curves yet.
EngineData pileIn(const std::vector<Layer>& layers)
{
    EngineData d = layeredSoil(layers);
    d.PLEN = 480;
    d.DIAM = 12;
    d.ATIP = 100;
    return d;
}

// A type-1 clay layer from XTOP to 480 in, side friction 5 -> 10 psi.
EngineData clayLayerPile(Real XTOP)
{
    EngineData d = pileIn({Layer{1, XTOP, 480, clay(5), clay(10)}});
    d.UL = d.UM = "IN.";
    d.UF = "LBS";
    d.US = "PSI";
    return d;
}

// The layer from 0, with curves at its five generation depths.
EngineData clayPile()
{
    EngineData d = clayLayerPile(0);
    addCurves(d, {0, 120, 240, 359.995f, 479.99f}, 1);
    return d;
}

TEST(CurveGeneration, ClayCurveAtMidDepthAsByHand)
{
    CapturedRun run(clayPile());
    generateCurves(run.ctx);
    ASSERT_EQ(run.ctx.ISTAT, 0) << run.report.str();
    const TzCurve& c = run.ctx.data.curves[2];
    EXPECT_EQ(c.ICURVE, 3);
    EXPECT_EQ(c.NPTS, 10);
    EXPECT_FLOAT_EQ(c.FMAXC, 7.5f);   // 5 + 240 x 5 / 480
    const std::vector<Real> t = {0, 1.35f, 2.85f, 5.925f, 7.275f, 7.5f, 7.275f, 6.975f, 6.975f, 6.975f};
    const std::vector<Real> z = {0, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.12f, 0.16f, 0.5f, 10};
    for (int j = 0; j < 10; ++j) {
        EXPECT_FLOAT_EQ(c.TVAL[j], t[j]) << "point " << j + 1;
        EXPECT_FLOAT_EQ(c.ZVAL[j], z[j]) << "point " << j + 1;
    }
}

TEST(CurveGeneration, WritesCurvesThenTipCurveToReportAndPlotFile)
{
    CapturedRun run(clayPile());
    generateCurves(run.ctx);
    const std::string report = run.report.str();
    const std::string curve3 = "      3         10      0.2400E+03\r\n"
                               "                                    0.0000E+00     0.0000E+00\r\n"
                               "                                    0.1350E+01     0.1000E-01\r\n";
    EXPECT_TRUE(contains(report, curve3)) << report;
    EXPECT_LT(report.find(curve3), report.find("TIP   LOAD"));
    // Qmax = 100 x 9 x 10 lb, reached at 4 w50 = 0.96 in
    EXPECT_TRUE(contains(report, "        0.9000E+04         0.9600E+00\r\n"));

    const std::vector<std::string> plot = linesOf(run.plot.str());
    ASSERT_EQ(plot.size(), 1u + 5 * 11 + 1 + 10);
    EXPECT_EQ(plot[0], " 5");
    EXPECT_EQ(plot[56], " 10");
    EXPECT_EQ(plot[56 + 9], "        0.9000E+04         0.9600E+00");
}

TEST(CurveGeneration, CurvesAtLayerBoundaryUseTheirOwnLayer)
{
    CapturedRun run(pileIn({Layer{1, 0, 240, clay(5), clay(10)}, Layer{1, 240, 480, clay(20), clay(30)}}));
    EngineData& d = run.ctx.data;
    addCurves(d, {239.99f, 240}, 1);
    generateCurves(run.ctx);
    ASSERT_EQ(run.ctx.ISTAT, 0);
    EXPECT_NEAR(d.curves[0].FMAXC, 9.9997917f, 1e-5f);   // 5 + 239.99 x 5 / 240
    EXPECT_EQ(d.curves[1].FMAXC, 20);
}

TEST(CurveGeneration, FirstLayerBelowPileHeadHasItsFirstCurveAtItsTop)
{
    EngineData d = clayLayerPile(120);
    setGenerationDepths(d);
    CapturedRun run(std::move(d));
    generateCurves(run.ctx);
    ASSERT_EQ(run.ctx.ISTAT, 0) << run.report.str();
    const std::vector<TzCurve>& curves = run.ctx.data.curves;
    ASSERT_EQ(curves.size(), 5u);
    EXPECT_EQ(curves[0].DEPTHC, 120);
    EXPECT_EQ(curves[0].FMAXC, 5);
    EXPECT_EQ(curves[1].DEPTHC, 210);    // (120 + 300) / 2
    EXPECT_EQ(curves[1].FMAXC, 6.25f);   // 5 + 90 x 5 / 360
}

TEST(CurveGeneration, PlotFileCarriesOnlyFirstThirtyOfFortyCurves)
{
    std::vector<Layer> layers;
    for (int i = 0; i < 8; ++i)
        layers.push_back(Layer{1, Real(60 * i), Real(60 * (i + 1)), clay(5), clay(5)});
    EngineData d = pileIn(layers);
    for (const Layer& layer : layers)
        addCurves(d, {layer.XTOP, layer.XTOP + 10, layer.XTOP + 20, layer.XTOP + 30, layer.XBOT - 0.01f}, 1);
    CapturedRun run(std::move(d));
    generateCurves(run.ctx);
    ASSERT_EQ(run.ctx.ISTAT, 0);
    const std::vector<TzCurve>& curves = run.ctx.data.curves;
    ASSERT_EQ(curves.size(), 40u);
    const std::string report = run.report.str();
    const std::string plot = run.plot.str();
    for (const TzCurve& c : curves)
        EXPECT_TRUE(contains(report, tzCurveLine(c).str())) << "curve " << c.ICURVE;
    EXPECT_EQ(linesOf(plot)[0], " 30");
    EXPECT_TRUE(contains(plot, tzCurveLine(curves[29]).str()));
    EXPECT_FALSE(contains(plot, tzCurveLine(curves[30]).str()));
}

struct StopCase {
    const char* name;
    void (*change)(EngineData&);
    int status;
    std::string reportEnd;
    std::size_t plotLines;   // what the plot file holds at the stop
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class GenerationStop : public testing::TestWithParam<StopCase> {};

TEST_P(GenerationStop, EndsReportWithWarning)
{
    EngineData d = clayPile();
    GetParam().change(d);
    CapturedRun run(std::move(d));
    generateCurves(run.ctx);
    EXPECT_EQ(run.ctx.ISTAT, GetParam().status);
    const std::string report = run.report.str();
    const std::string& end = GetParam().reportEnd;
    ASSERT_GE(report.size(), end.size());
    EXPECT_EQ(report.substr(report.size() - end.size()), end);
    EXPECT_EQ(linesOf(run.plot.str()).size(), GetParam().plotLines);
}

const StopCase kStopCases[] = {
    {"curve_below_side_friction_profile", [](EngineData& d) { d.curves[4].DEPTHC = 500; }, 6,
     " 2 480\r\n" + test::kWarningBanner +
         "     THE VALUE OF X = 0.50E+03IS BEYOND THE EXTENT OF/     THE INPUT STRENGTH CURVE\r\n",
     0},
    {"zero_diameter_for_drilled_shaft_curves",
     [](EngineData& d) {
         d.KSOIL[0] = 3;
         for (TzCurve& c : d.curves)
             c.KSOILC = 3;
         d.DIAM = 0;
     },
     22, test::kWarningBanner + "     T-Z CURVE    1 OF SOIL TYPE 3 NEEDS AN OUTER DIAMETER > 0: OUTER DIAMETER = 0.00E+00\r\n", 0},
    {"side_friction_overflows", [](EngineData& d) { d.SKIN = {3e38f, -3e38f}; }, 24,
     test::kWarningBanner + "     T-Z CURVE    1 HAS A VALUE THAT IS NOT A FINITE NUMBER\r\n", 0},
    {"tip_below_last_layer_leaves_block_1", [](EngineData& d) { d.PLEN = 700; }, 20,
     test::kWarningBanner + "     NO TIP CURVE: THE PILE TIP AT 0.70E+03 LIES BELOW THE LAST SOIL LAYER\r\n", 1 + 5 * 11},
};

INSTANTIATE_TEST_SUITE_P(CurveGeneration, GenerationStop, testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CurveGeneration, UnknownSoilTypeAboveTipLeavesZeroCurves)
{
    EngineData d = pileIn({Layer{9, 0, 240, clay(5), clay(5)}, Layer{1, 240, 480, clay(5), clay(5)}});
    addCurves(d, {0, 100}, 9);
    addCurves(d, {240, 479.99f}, 1);
    CapturedRun run(std::move(d));
    generateCurves(run.ctx);
    ASSERT_EQ(run.ctx.ISTAT, 0);
    EXPECT_EQ(run.ctx.data.curves[1].TVAL, std::vector<Real>(10, 0));
    EXPECT_EQ(run.ctx.data.curves[1].ZVAL, std::vector<Real>(10, 0));
    EXPECT_EQ(run.ctx.data.curves[2].TVAL[5], 5);
}

}  // namespace
}  // namespace quarlo
