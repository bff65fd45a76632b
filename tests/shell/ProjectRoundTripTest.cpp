#include <gtest/gtest.h>

#include "ProjectFixture.h"

namespace quarlo {
namespace {

using testing::exampleFile;
using testing::ProjectTest;
using testing::readBytes;

void setRow(TGridTableChart& table, int row, std::initializer_list<long double> values) {
    int column = 0;
    for (const long double value : values) {
        table.Data(column++, row).SetAsFloat(value);
    }
}

// Soft clay over sand over stiff clay, in English units.
void fillLayers(ProjectTables& tables) {
    TGridTableChart& layers = tables.D2();
    layers.SetRowCount(3);
    const int soilTypes[] = {1, 4, 5};
    const long double bottoms[] = {240, 480, 900};
    for (int row = 0; row < 3; ++row) {
        layers.Data(0, row).SetAsInteger(soilTypes[row]);
        layers.Data(1, row).SetAsFloat(bottoms[row]);
    }
    setRow(*layers.Data(2, 0).SubTable(), 0, {0.0347L, 3.5L, 0.01L, 0, 0, 3.2L, 31.5L});
    setRow(*layers.Data(2, 0).SubTable(), 1, {0.0347L, 5, 0.01L, 0, 0, 4.5L, 45});
    setRow(*layers.Data(2, 1).SubTable(), 0, {0.0376L, 0, 0, 32, 15, 4, 500});
    setRow(*layers.Data(2, 1).SubTable(), 1, {0.0376L, 0, 0, 34, 22, 6.5L, 700});
    setRow(*layers.Data(2, 2).SubTable(), 0, {0.033L, 10, 0.005L, 0, 0, 8, 90});
    setRow(*layers.Data(2, 2).SubTable(), 1, {1.0L / 30, 15, 0.005L, 0, 0, 10, 135});
}

void fillUserCurves(ProjectTables& tables) {
    TGridTableChart& depths = tables.TblTZDepth2();
    depths.SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        depths.Data(0, row).SetAsFloat(100.0L * row + 1.0L / 3);
        TGridTableChart& curve = *depths.Data(1, row).SubTable();
        curve.SetRowCount(4);
        for (int point = 0; point < 4; ++point) {
            setRow(curve, point, {point * (row + 1) * 1.25L, point * 0.05L});
        }
    }
    TGridTableChart& tip = tables.TblQwcurve2();
    tip.SetRowCount(3);
    setRow(tip, 1, {20000, 0.2L});
    setRow(tip, 2, {35000, 1.5L});
}

// Every option on, values chosen so that unit conversion leaves long fractions.
void fillProject(TProgramData& project, bool generated) {
    ProjectTables& tables = project.Tables();
    project.Title = generated ? "Generated curves, every option" : "User curves, every option";
    project.CurvesGenerated = generated;
    project.Increments = 40;
    project.OutputDetail = 1;
    project.Tolerance = 0.001L;
    project.PileLength = 720;
    project.OuterDiameter = 16;
    project.TipArea = 201.06193L;
    project.HeadLoadsOn = project.DowndragOn = project.TzFactorsOn = project.QwFactorsOn = true;
    project.QMultiplier = 0.9L;
    project.WMultiplier = 1.1L;
    if (generated) {
        fillLayers(tables);
    } else {
        fillUserCurves(tables);
    }
    setRow(tables.TblAE2(), 0, {0, 7.0607295E8L});
    setRow(tables.TblAE2(), 1, {720, 7.0607295E8L});
    tables.TblTipMove().SetRowCount(3);
    for (int row = 0; row < 3; ++row) {
        tables.TblTipMove().Data(0, row).SetAsFloat(0.01L * (row + 1) * (row + 1));
    }
    tables.TblTopload().SetRowCount(2);
    tables.TblTopload().Data(0, 0).SetAsFloat(100000);
    tables.TblTopload().Data(0, 1).SetAsFloat(250000);
    setRow(tables.TblSettlement2(), 0, {0, 2.5L});
    setRow(tables.TblSettlement2(), 1, {300, 0});
    setRow(tables.TblTZFactors2(), 0, {0, 0.8L, 1});
    setRow(tables.TblTZFactors2(), 1, {720, 1.2L, 0.9L});
}

struct RoundTripCase {
    const char* name;
    bool generated;
    int units;
};

class ProjectRoundTripTest : public ProjectTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(ProjectRoundTripTest, SavedReadAndSavedAgainGivesTheSameFile) {
    fillProject(*project, GetParam().generated);
    project->SetUnits(GetParam().units);
    const std::string first = saveAs("first.qv3d");

    open(project->FileName);
    ASSERT_EQ(project->ReadError, "");
    EXPECT_EQ(project->Units(), GetParam().units);
    EXPECT_EQ(project->CurvesGenerated, GetParam().generated);
    EXPECT_TRUE(project->TipMovementsOn && project->HeadLoadsOn && project->DowndragOn && project->TzFactorsOn &&
                project->QwFactorsOn);
    EXPECT_EQ(project->OutputDetail, 1);
    EXPECT_FALSE(tables.IsModified());
    EXPECT_EQ(saveAs("second.qv3d"), first);
}

INSTANTIATE_TEST_SUITE_P(Projects, ProjectRoundTripTest,
                         ::testing::Values(RoundTripCase{"GeneratedEnglish", true, 1},
                                           RoundTripCase{"GeneratedSI", true, 2},
                                           RoundTripCase{"UserCurvesEnglish", false, 1},
                                           RoundTripCase{"UserCurvesSI", false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

class ExampleRoundTripTest : public ProjectTest, public ::testing::WithParamInterface<const char*> {};

// The examples are written as the program writes them: read and saved, they come out
// byte for byte the same.
TEST_P(ExampleRoundTripTest, ReadAndSavedGivesTheSameBytes) {
    open(exampleFile(GetParam()));
    ASSERT_EQ(project->ReadError, "");
    EXPECT_EQ(saveAs(GetParam()), readBytes(exampleFile(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRoundTripTest,
                         ::testing::Values("driven-pile-clay-english.qv3d", "drilled-shaft-si.qv3d",
                                           "user-curves-english.qv3d", "user-curves-si.qv3d"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(ProjectTest, SwitchingTheCurveSourceDropsTheOtherBranchFromTheFileOnly) {
    fillProject(*project, true);
    fillUserCurves(tables);
    const std::string generated = saveAs("generated.qv3d");
    EXPECT_EQ(generated.find("1 100.33333 4"), std::string::npos);
    project->CurvesGenerated = false;
    const std::string user = saveAs("user.qv3d");
    EXPECT_NE(user.find("\r\n1 0.33333333 4\r\n"), std::string::npos) << user;
    EXPECT_EQ(user.find("E+0002"), std::string::npos);
    EXPECT_EQ(tables.D2().RowCount(), 3);
}

TEST_F(ProjectTest, OldFormatFileReadsWithoutModificationFactors) {
    fillProject(*project, true);
    project->TzFactorsOn = project->QwFactorsOn = false;
    std::string file = saveAs("job.qv3d");
    file.resize(file.size() - std::string(" 0\r\n 0\r\n").size());
    testing::writeBytes(dir.file("job.qvd"), file);

    open(dir.file("job.qvd"), false);
    EXPECT_EQ(project->ReadError, "");
    EXPECT_TRUE(project->DowndragOn);
    EXPECT_FALSE(project->TzFactorsOn || project->QwFactorsOn);
    EXPECT_TRUE(project->SaveNeedsSaveAs());
    EXPECT_EQ(project->ProposedSaveName(), dir.file("job.qv3d"));
}

}  // namespace
}  // namespace quarlo
