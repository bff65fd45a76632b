#include "ProjectFileWriter.h"

#include <gtest/gtest.h>

#include "ProjectFixture.h"

namespace quarlo {
namespace {

using testing::crlf;
using testing::ProjectTest;

using ProjectFileWriterTest = ProjectTest;

TEST_F(ProjectFileWriterTest, NewProjectIsEighteenLinesOfDefaults) {
    EXPECT_EQ(saveAs("new.qv3d"), crlf({"New Pile",
                                        "50 0 1",
                                        "2 ",
                                        "1",
                                        "1 1 0.0  0.00000000000000E+0000",
                                        "0 0 0.0  0 0 0",
                                        "0 0 0.0  0 0 0",
                                        "2",
                                        "0 0",
                                        "0 0",
                                        "1E-5 0 0 0",
                                        "2",
                                        "0",
                                        "0",
                                        " 0",
                                        " 0",
                                        " 0",
                                        " 0"}));
}

TEST_F(ProjectFileWriterTest, LayersWriteBoundariesAsLongNumbersAndOnlyTheirSoilsValues) {
    TGridTableChart& layers = tables.D2();
    layers.SetRowCount(2);
    layers.Data(0, 1).SetAsInteger(2);
    layers.Data(1, 0).SetAsFloat(12.5L);
    layers.Data(1, 1).SetAsFloat(30.0L);
    TGridTableChart& clay = *layers.Data(2, 0).SubTable();
    TGridTableChart& sand = *layers.Data(2, 1).SubTable();
    // Columns 0..6: unit weight, cu, e50, phi, N, f, q; the hidden ones of each soil are
    // given values that must not reach the file.
    const long double clayTop[] = {0.0347L, 3.5L, 0.01L, 7, 8, 3.2L, 31.5L};
    const long double sandTop[] = {0.0376L, 7, 8, 32, 15, 4, 500};
    for (int column = 0; column < 7; ++column) {
        clay.Data(column, 0).SetAsFloat(clayTop[column]);
        sand.Data(column, 0).SetAsFloat(sandTop[column]);
    }
    const std::string file = ProjectFileWriter::Text(*project);
    EXPECT_NE(file.find(crlf({"2 ",
                              "2",
                              "1 1 0.0  1.25000000000000E+0001",
                              "2 2  1.25000000000000E+0001  3.00000000000000E+0001",
                              "0.0347 3.5 0.0  0.01 3.2 31.5",
                              "0 0 0.0  0 0 0",
                              "0.0376 0.0  32 15 4 500",
                              "0 0.0  0 0 0 0",
                              "2"})),
              std::string::npos)
        << file;
}

// Every option on, user curves: each section in its place, hand-written.
TEST_F(ProjectFileWriterTest, UserCurvesWithEveryOptionOn) {
    project->Title = "Every option";
    project->CurvesGenerated = false;
    project->Increments = 20;
    project->Tolerance = 0.001L;
    project->PileLength = 480;
    project->OuterDiameter = 12;
    project->TipArea = 144;
    project->HeadLoadsOn = project->DowndragOn = project->TzFactorsOn = project->QwFactorsOn = true;
    project->QMultiplier = 1.5L;
    project->WMultiplier = 0.5L;
    TGridTableChart& depths = tables.TblTZDepth2();
    depths.SetRowCount(1);
    depths.Data(0, 0).SetAsFloat(120);
    TGridTableChart& curve = *depths.Data(1, 0).SubTable();
    curve.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        curve.Data(0, row).SetAsFloat(row * 2.5L);
        curve.Data(1, row).SetAsFloat(row * 0.1L);
    }
    tables.TblAE2().Data(0, 1).SetAsFloat(480);
    tables.TblAE2().Data(1, 0).SetAsFloat(3e8L);
    tables.TblAE2().Data(1, 1).SetAsFloat(3e8L);
    tables.TblQwcurve2().Data(0, 1).SetAsFloat(50000);
    tables.TblQwcurve2().Data(1, 1).SetAsFloat(0.5L);
    tables.TblTipMove().Data(0, 0).SetAsFloat(0.01L);
    tables.TblTipMove().Data(0, 1).SetAsFloat(0.1L);
    tables.TblTopload().Data(0, 0).SetAsFloat(123456789);
    tables.TblSettlement2().Data(1, 0).SetAsFloat(2);
    tables.TblSettlement2().Data(0, 1).SetAsFloat(240);
    tables.TblTZFactors2().Data(1, 0).SetAsFloat(1);
    tables.TblTZFactors2().Data(2, 0).SetAsFloat(1);
    tables.TblTZFactors2().Data(0, 1).SetAsFloat(480);
    tables.TblTZFactors2().Data(1, 1).SetAsFloat(0.8L);
    tables.TblTZFactors2().Data(2, 1).SetAsFloat(1.2L);

    EXPECT_EQ(saveAs("all.qv3d"), crlf({"Every option", "20 0 1", "1 ",
                                        "1", "1 120 3", "0 0", "2.5 0.1", "5 0.2",
                                        "2", "3E8 0", "3E8 480",
                                        "2", "0 0", "50000 0.5",
                                        "0.001 480 12 144",
                                        "2", "0.01", "0.1",
                                        "1", "1.2345679E8",
                                        "2", "0 2", "240 0",
                                        " 1", "2", "0 1 1", "480 0.8 1.2",
                                        " 1", "1.5 0.5"}));
}

struct NumberCase {
    const char* name;
    long double value;
    const char* text;
};

class ProjectFileNumberTest : public ProjectTest, public ::testing::WithParamInterface<NumberCase> {};

// Cells are written with eight significant digits, whatever was typed.
TEST_P(ProjectFileNumberTest, TipMovementIsWrittenInTheGeneralFormat) {
    tables.TblTipMove().Data(0, 0).SetAsFloat(GetParam().value);
    const std::string file = ProjectFileWriter::Text(*project);
    EXPECT_NE(file.find("\r\n2\r\n" + std::string(GetParam().text) + "\r\n0\r\n"), std::string::npos) << file;
}

INSTANTIATE_TEST_SUITE_P(Values, ProjectFileNumberTest,
                         ::testing::Values(NumberCase{"NineDigitsRounded", 123456789, "1.2345679E8"},
                                           NumberCase{"BelowFixedRange", 0.00001L, "1E-5"},
                                           NumberCase{"SmallestFixed", 0.0001L, "0.0001"},
                                           NumberCase{"TenToTheEight", 100000000, "1E8"},
                                           NumberCase{"LargestFixed", 99999999, "99999999"},
                                           NumberCase{"Negative", -2.5L, "-2.5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectFileWriterTest, TitleWithLineBreakStaysOneLine) {
    project->Title = "Pile A\r\nrevised";
    EXPECT_EQ(ProjectFileWriter::Text(*project).substr(0, 16), "Pile A  revised\r");
}

// Turning the Q-w factors on without entering them writes the new project's zeros.
TEST_F(ProjectFileWriterTest, QwFactorsOfANewProjectAreZeros) {
    project->QwFactorsOn = true;
    EXPECT_TRUE(ProjectFileWriter::Text(*project).ends_with("\r\n 0\r\n 1\r\n0 0\r\n"));
}

TEST_F(ProjectFileWriterTest, DesignerAndDateAreNeverWritten) {
    project->DesignerName = "Designer X";
    project->DesignDate = "1 May";
    const std::string file = ProjectFileWriter::Text(*project);
    EXPECT_EQ(file.find("Designer X"), std::string::npos);
    EXPECT_EQ(file.find("1 May"), std::string::npos);
}

}  // namespace
}  // namespace quarlo
