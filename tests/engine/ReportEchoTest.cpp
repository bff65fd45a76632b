#include "ReadRun.h"
#include "ReportEcho.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quarlo {
namespace {

using test::ReadRun;

const char* const kStart =
    " \r\n"
    " PROGRAM QUARLO FOR COMPUTING LOAD VS. SETTLEMENT\r\n"
    " FOR AN AXIALLY LOADED PILE\r\n"
    "\r\n\r\n\r\n"
    " Test pile                                                               \r\n"
    "\r\n\r\n\r\n"
    "  AXIALLY LOADED PILE, CONSTANT OD\r\n"
    "\r\n";

// User curves in SI, AE pairs packed on one line, a load line with two values, t-z and
// Q-w factors: sections 1, 2, 6, 7, 8, 9, 10, 11 and 12 in that order.
const char* const kUserProject =
    "Test pile\r\n"
    "10 1 2\r\n"
    "1 \r\n"
    "1\r\n"
    "1 3 2\r\n"
    "0 0\r\n"
    "50 0.005\r\n"
    "2\r\n"
    "1000000 0 1000000 15\r\n"
    "2\r\n"
    "0 0\r\n"
    "500 0.01\r\n"
    "0.0001 15 0.9 0.636\r\n"
    "2\r\n"
    "0.001\r\n"
    "0.01\r\n"
    "1\r\n"
    "1200 99\r\n"
    "1\r\n"
    "3 0.02\r\n"
    " 1\r\n"
    "1\r\n"
    "5 0.8 1.2\r\n"
    " 1\r\n"
    "0.5 12\r\n";

TEST(ReportEcho, UserCurvesInSi) {
    ReadRun run(kUserProject);
    const std::string expected = std::string(kStart) +
        "\r\n\r\n"
        "    T-Z       NO. OF    DEPTH TO    LOAD TRANSFER  PILE\r\n"
        "   CURVE NO.  POINTS    CURVE, M.   TRANSFER,KPA   MOVEMENT, M.\r\n"
        "\r\n"
        "      1          2      0.3000E+01\r\n"
        "                                    0.0000E+00     0.0000E+00\r\n"
        "                                    0.5000E+02     0.5000E-02\r\n"
        "\r\n"
        "           DEPTH             AE PILE\r\n"
        "             M.                KN.\r\n"
        "        0.0000E+00         0.1000E+07\r\n"
        "        0.1500E+02         0.1000E+07\r\n"
        "\r\n\r\n\r\n"
        "        TIP   LOAD        TIP MOVEMENT\r\n"
        "            KN.                M.\r\n"
        "        0.0000E+00         0.0000E+00\r\n"
        "        0.5000E+03         0.1000E-01\r\n"
        "\r\n\r\n\r\n"
        "        PILE LENGTH       OUTER DIAMETER      TOLERANCE\r\n"
        "             M.                 M.                M.\r\n"
        "        0.1500E+02         0.9000E+00        0.1000E-03\r\n"
        "\r\n\r\n"
        "             LOADS      \r\n"
        "              KN        \r\n"
        "      1200.000\r\n"
        "\r\n\r\n"
        "             SOIL SETTLEMENT PROFILE\r\n"
        "\r\n"
        "             DEPTH     SETTLEMENT\r\n"
        "               M           M\r\n"
        "           0.300E+01   0.200E-01  \r\n"
        "\r\n\r\n"
        "          DEPTH                    t-Multiplier            z-Multiplier  \r\n"
        "           M.\r\n"
        "        0.500E+01                   0.800E+00                0.120E+01\r\n"
        "\r\n\r\n"
        "          PILE TIP                 Q-Multiplier            w-Multiplier \r\n"
        "                                      0.50                   ****\r\n";
    EXPECT_EQ(run.report.str(), expected);
    EXPECT_EQ(run.plot.str(),
              " 1\r\n"
              "      1          2      0.3000E+01\r\n"
              "                                    0.0000E+00     0.0000E+00\r\n"
              "                                    0.5000E+02     0.5000E-02\r\n"
              " 2\r\n"
              "        0.0000E+00         0.0000E+00\r\n"
              "        0.5000E+03         0.1000E-01\r\n");
    EXPECT_EQ(run.ctx.data.NLOAD, 1);
    EXPECT_EQ(run.ctx.data.NTIPMV, 2);
    EXPECT_EQ(run.ctx.data.AEDEP, (std::vector<Real>{0.0f, 15.0f}));
}

// One clay layer from 0 to 480 inches, English units: sections 3, 4, 5 and 6 come first.
const char* const kLayerProject =
    "Test pile\r\n"
    "10 1 1\r\n"
    "2 \r\n"
    "1\r\n"
    "1 1 0.0  4.80000000000000E+0002\r\n"
    "6.9E-5 5 0.0  0.01 4 45\r\n"
    "6.9E-5 10 0.0  0.007 8 90\r\n"
    "2\r\n"
    "1.5E9 0\r\n"
    "1.5E9 480\r\n"
    "0.001 480 16 201\r\n"
    " 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n";

TEST(ReportEcho, GeneratedLayersInEnglishUnits) {
    ReadRun run(kLayerProject);
    const std::string expected = std::string(kStart) +
        "\r\n\r\n"
        "            LAYER      KSOIL      XTOP      XBOT\r\n"
        "                                   IN.       IN.\r\n"
        "              1         1      0.000E+00   0.480E+03  \r\n"
        "\r\n\r\n"
        "              XG1        GAM1\r\n"
        "              IN.       LB/IN**3\r\n"
        "           0.000E+00   0.690E-04  \r\n"
        "           0.480E+03   0.690E-04  \r\n"
        "\r\n\r\n"
        "       XSTR         C1          PHI1        EE50       SKIN        TIP\r\n"
        "        IN.       LB/IN**2      DEG.                 LB/IN**2    lb/in**2\r\n"
        "    0.000E+00   0.500E+01   0.000E+00   0.100E-01   0.400E+01   0.450E+02  \r\n"
        "    0.480E+03   0.100E+02   0.000E+00   0.700E-02   0.800E+01   0.900E+02  \r\n"
        "\r\n\r\n"
        "  \r\n"
        "\r\n"
        "           DEPTH             AE PILE\r\n"
        "            IN.                LBS\r\n"
        "        0.0000E+00         0.1500E+10\r\n"
        "        0.4800E+03         0.1500E+10\r\n";
    EXPECT_EQ(run.report.str().substr(0, expected.size()), expected);
    EXPECT_EQ(run.ctx.data.NSTR, 2);
    EXPECT_EQ(run.ctx.data.XSTR, (std::vector<Real>{0.0f, 480.0f}));
}

// Sections 3, 4 and 5 carry fixed unit lines of their own, which in SI show M, not " M.".
TEST(ReportEcho, SoilHeadingsInSi) {
    EngineData si;
    si.KUNITS = 2;
    std::ostringstream out;
    TextSink report(&out);
    writeLayerHeading(report, si);
    writeUnitWeightTable(report, si);
    writeStrengthTable(report, si);
    EXPECT_EQ(out.str(),
              "\r\n\r\n"
              "            LAYER      KSOIL      XTOP      XBOT\r\n"
              "                                    M         M\r\n"
              "\r\n\r\n"
              "              XG1        GAM1\r\n"
              "               M        kN/M**3\r\n"
              "\r\n\r\n"
              "       XSTR         C1          PHI1        EE50       SKIN        TIP\r\n"
              "         M         kN/M**2      DEG.                 kN/M**2    kN/M**2\r\n"
              "\r\n\r\n"
              "  \r\n");
}

TEST(InputReader, GenerationDepthsOfOneLayer) {
    EngineData data;
    data.NLAYER = 1;
    data.KSOIL = {5};
    data.XTOP = {0.0f};
    data.XBOT = {480.0f};
    setGenerationDepths(data);
    ASSERT_EQ(data.NCURVE, 5);
    // Worked by hand in single precision: 480 - 0.01 and (240 + 479.99) / 2 round to the
    // floats nearest 479.99 and 359.995.
    const Real expected[] = {0.0f, 120.0f, 240.0f, 359.995f, 479.99f};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(data.curves[k].DEPTHC, expected[k]) << "curve " << k + 1;
        EXPECT_EQ(data.curves[k].KSOILC, 5);
    }
}

TEST(InputReader, DefaultTipMovements) {
    EngineData english;
    english.KUNITS = 1;
    setDefaultTipMovements(english);
    EXPECT_EQ(english.TIPMV,
              (std::vector<Real>{0.0001f, 0.001f, 0.01f, 0.03f, 0.07f, 0.1f, 0.2f, 0.5f, 5.0f}));
    EngineData si;
    si.KUNITS = 2;
    setDefaultTipMovements(si);
    ASSERT_EQ(si.NTIPMV, 9);
    // 5 x 0.0254 in single precision rounds to the float nearest 0.127.
    EXPECT_EQ(si.TIPMV.back(), 0.127f);
    EXPECT_EQ(si.TIPMV.front(), 0.0001f * 0.0254f);
    // An odd units code is SI throughout, as the labels and the curve generators take it.
    EngineData odd;
    odd.KUNITS = 3;
    setDefaultTipMovements(odd);
    EXPECT_EQ(odd.TIPMV, si.TIPMV);
}

TEST(InputReader, ZeroCountReadsNoLine) {
    // No tip movements, no loads: the next record is read from the very next line.
    ReadRun run(std::string(kUserProject).replace(std::string(kUserProject).find("2\r\n0.001\r\n0.01\r\n"),
                                                    std::string("2\r\n0.001\r\n0.01\r\n").size(), " 0\r\n"));
    EXPECT_EQ(run.ctx.data.NTIPMV, 9);
    EXPECT_EQ(run.ctx.data.LOAD, (std::vector<Real>{1200.0f}));
    EXPECT_EQ(run.ctx.data.QMULT, 0.5f);
}

}  // namespace
}  // namespace quarlo
