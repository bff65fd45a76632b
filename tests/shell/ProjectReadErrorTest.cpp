#include <gtest/gtest.h>

#include <vector>

#include "ProjectFixture.h"

namespace quarlo {
namespace {

using testing::ProjectTest;

const std::string kIncomplete = "This file either invalid or incomplete.";

// The file of a new project, line by line (line 1 is element 0).
std::vector<std::string> newProjectLines() {
    return {"New Pile", "50 0 1", "2 ", "1", "1 1 0.0  0.00000000000000E+0000", "0 0 0.0  0 0 0",
            "0 0 0.0  0 0 0", "2", "0 0", "0 0", "1E-5 0 0 0", "2", "0", "0", " 0", " 0", " 0", " 0"};
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The new project's file with line `number` (from 1) replaced; 0 replaces nothing. Lines
// past `keep` are dropped.
std::string newProjectWith(std::size_t number, const std::string& line, std::size_t keep = 18) {
    std::vector<std::string> lines = newProjectLines();
    if (number > 0) {
        lines[number - 1] = line;
    }
    lines.resize(keep);
    return joined(lines);
}

struct ReadErrorCase {
    const char* name;
    std::string file;
    std::string error;
};

class ProjectReadErrorTest : public ProjectTest, public ::testing::WithParamInterface<ReadErrorCase> {};

TEST_P(ProjectReadErrorTest, StopsWithLineAndItemAndLeavesAPaddedProject) {
    testing::writeBytes(dir.file("bad.qv3d"), GetParam().file);
    open(dir.file("bad.qv3d"));
    EXPECT_EQ(project->ReadError, GetParam().error);
    EXPECT_EQ(project->FileName, dir.file("bad.qv3d"));
    for (const int rows : {tables.D2().RowCount(), tables.TblAE2().RowCount(), tables.TblTZFactors2().RowCount()}) {
        EXPECT_GE(rows, 1);
    }
    EXPECT_EQ(tables.TblTipMove().RowCount(), 2);
    EXPECT_EQ(tables.TblTopload().RowCount(), 1);
    EXPECT_EQ(tables.TblQwcurve2().RowCount(), 2);
    EXPECT_FALSE(tables.IsModified());
    // What was read must not silently replace the user's file: Save asks, proposing the name.
    EXPECT_TRUE(project->SaveNeedsSaveAs());
    EXPECT_EQ(project->ProposedSaveName(), dir.file("bad.qv3d"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProjectReadErrorTest,
    ::testing::Values(
        ReadErrorCase{"IntegerExpected", newProjectWith(2, "50 x 1"),
                      "Error on Line 2 Item 2\rAn integer was expected but not found."},
        ReadErrorCase{"FractionWhereIntegerExpected", newProjectWith(2, "50.5 0 1"),
                      "Error on Line 2 Item 1\rAn integer was expected but not found."},
        ReadErrorCase{"FloatExpected", newProjectWith(11, "1E-5 0 1,5 0"),
                      "Error on Line 11 Item 3\rA floating point number was expected but not found."},
        ReadErrorCase{"TitleOnly", "Pile\r\n", kIncomplete},
        ReadErrorCase{"EmptyFile", "", kIncomplete},
        ReadErrorCase{"OldFormatReadAsCurrent", newProjectWith(0, "", 16), kIncomplete},
        ReadErrorCase{"EndsInsideTheStiffnessProfile", newProjectWith(0, "", 9), kIncomplete},
        ReadErrorCase{"CurveSourceOutOfRange", newProjectWith(3, "3 "),
                      "Error on Line 3 Item 1\rA curve source code of 1 or 2 was expected but not found."},
        ReadErrorCase{"SoilTypeWithoutLayerData", newProjectWith(5, "1 7 0.0  0.00000000000000E+0000"),
                      "Error on Line 5 Item 2\rA soil type code from 1 to 6 was expected but not found."},
        ReadErrorCase{"CountBeyondTheFile", newProjectWith(4, "2000000000"), kIncomplete}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectTest, OldFormatReadAsCurrentLeavesTheMissingOptionsOff) {
    testing::writeBytes(dir.file("old.qv3d"), newProjectWith(0, "", 16));
    open(dir.file("old.qv3d"));
    EXPECT_EQ(project->ReadError, kIncomplete);
    EXPECT_FALSE(project->TzFactorsOn);
    EXPECT_FALSE(project->QwFactorsOn);
    EXPECT_EQ(tables.TblTZFactors2().RowCount(), tables.TblTZFactors2().MinRows());
}

TEST_F(ProjectTest, MissingFileIsAReadError) {
    open(dir.file("missing.qv3d"));
    EXPECT_EQ(project->ReadError, "Cannot open file " + dir.file("missing.qv3d") + ".");
    EXPECT_EQ(tables.D2().RowCount(), 1);
}

// The padded rows are not in the file the engine reads, so they are noted.
TEST_F(ProjectTest, TzFactorCodeWithoutRowsKeepsTheOptionAndPadsTheTable) {
    std::vector<std::string> lines = newProjectLines();
    lines[11] = "1";
    lines.erase(lines.begin() + 12);
    lines[15] = " 1";
    lines.insert(lines.begin() + 16, "0");
    testing::writeBytes(dir.file("factors.qv3d"), joined(lines));
    std::vector<std::string> tolerated;
    project.reset();
    project = TProgramData::CreateFromFile(tables, dir.file("factors.qv3d"), true, &tolerated);
    EXPECT_EQ(project->ReadError, "");
    EXPECT_TRUE(project->TzFactorsOn);
    EXPECT_EQ(tables.TblTZFactors2().RowCount(), 2);
    EXPECT_EQ(tables.TblTipMove().RowCount(), 2);
    EXPECT_FALSE(project->SaveNeedsSaveAs());
    EXPECT_EQ(tolerated,
              (std::vector<std::string>{
                  "Line 12 Item 1: Tip Movements: count 1 is below the 2 rows the program keeps; rows of default "
                  "values are added",
                  "Line 17 Item 1: Modification Factors on t-z Curves: count 0 is below the 2 rows the program "
                  "keeps; rows of default values are added"}));
}

TEST_F(ProjectTest, NegativeCountsAndOddCodesAreReadButNoted) {
    std::vector<std::string> lines = newProjectLines();
    lines[1] = "50 0 5";
    lines[11] = "-2";
    lines.erase(lines.begin() + 12, lines.begin() + 14);
    lines.back() = " 2";
    testing::writeBytes(dir.file("odd.qv3d"), joined(lines));
    std::vector<std::string> tolerated;
    project.reset();
    project = TProgramData::CreateFromFile(tables, dir.file("odd.qv3d"), true, &tolerated);
    EXPECT_EQ(project->ReadError, "");
    EXPECT_EQ(project->Units(), 2);
    EXPECT_FALSE(project->TipMovementsOn);
    EXPECT_FALSE(project->QwFactorsOn);
    EXPECT_EQ(tolerated, (std::vector<std::string>{"Line 2 Item 3: unit system code 5 is taken as 2",
                                                   "Line 12 Item 1: count -2 is taken as 0",
                                                   "Line 16 Item 1: Q-w factor code 2 is taken as 0 (no factors)"}));
}

TEST_F(ProjectTest, ClayAndSandColumnsAreMappedFromTheSixValues) {
    std::vector<std::string> lines = newProjectLines();
    lines[3] = "2";
    lines[4] = "1 3 0.0  1.00000000000000E+0002";
    lines.insert(lines.begin() + 5, "2 6  1.00000000000000E+0002  2.00000000000000E+0002");
    lines[6] = "1 2 9 3 4 5";
    lines[7] = "1 2 9 3 4 5";
    lines.insert(lines.begin() + 8, {"11 9 13 14 15 16", "11 9 13 14 15 16"});
    testing::writeBytes(dir.file("layers.qv3d"), joined(lines));
    open(dir.file("layers.qv3d"));
    ASSERT_EQ(project->ReadError, "");
    ASSERT_EQ(tables.D2().RowCount(), 2);
    EXPECT_EQ(tables.D2().Data(1, 1).AsFloat(), 200.0L);
    const TGridTableChart& clay = *tables.D2().Data(2, 0).SubTable();
    const TGridTableChart& sand = *tables.D2().Data(2, 1).SubTable();
    EXPECT_EQ(clay.Caption(), "Clay Layer Data");
    EXPECT_EQ(sand.Caption(), "Sand Layer Data");
    EXPECT_EQ(sand.Number(), 2);
    const long double clayColumns[] = {1, 2, 3, 0, 0, 4, 5};
    const long double sandColumns[] = {11, 0, 0, 13, 14, 15, 16};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(clay.Data(column, 1).AsFloat(), clayColumns[column]) << "clay column " << column;
        EXPECT_EQ(sand.Data(column, 1).AsFloat(), sandColumns[column]) << "sand column " << column;
    }
}

}  // namespace
}  // namespace quarlo
