#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CommandRules.h"
#include "ProjectFixture.h"

namespace quarlo {
namespace {

using testing::ProjectTest;

class CommandRulesTest : public ProjectTest {};

// Generated curves come from the soil layers; user curves from the curve tables; never both.
class CurveSourceRulesTest : public ProjectTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CurveSourceRulesTest, EnableEitherTheSoilLayersOrTheCurveTables) {
    const bool generated = GetParam();
    project->CurvesGenerated = generated;
    const DataMenuEnables enables = DataMenuRules(*project);
    EXPECT_EQ(enables.soilLayers, generated);
    EXPECT_EQ(SoilLayersEnabled(*project), generated);
    EXPECT_EQ(enables.tzCurves, !generated);
    EXPECT_EQ(enables.qwCurve, !generated);
}

INSTANTIATE_TEST_SUITE_P(Sources, CurveSourceRulesTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Generated" : "UserEntered");
                         });

// Each option switch enables its own data entry and no other.
struct OptionCase {
    const char* name;
    ProjectOption option;
    bool DataMenuEnables::*entry;
};

class OptionRulesTest : public ProjectTest, public ::testing::WithParamInterface<OptionCase> {
protected:
    void SetUp() override {
        project->TipMovementsOn = false;
        project->HeadLoadsOn = false;
        project->DowndragOn = false;
        project->TzFactorsOn = false;
        project->QwFactorsOn = false;
    }
};

constexpr bool DataMenuEnables::*kOptionEntries[] = {&DataMenuEnables::tipMovements, &DataMenuEnables::headLoads,
                                                     &DataMenuEnables::settlements, &DataMenuEnables::tzFactors,
                                                     &DataMenuEnables::qwFactors};

TEST_P(OptionRulesTest, TogglingEnablesItsDataEntryAndMarksTheProjectModified) {
    const OptionCase& c = GetParam();
    ToggleOption(*project, c.option);
    EXPECT_TRUE(OptionOn(*project, c.option));
    EXPECT_TRUE(tables.IsModified());
    const DataMenuEnables enables = DataMenuRules(*project);
    for (bool DataMenuEnables::*entry : kOptionEntries) {
        EXPECT_EQ(enables.*entry, entry == c.entry);
    }
}

TEST_P(OptionRulesTest, TogglingTwiceLeavesTheOptionAsItWas) {
    ToggleOption(*project, GetParam().option);
    ToggleOption(*project, GetParam().option);
    EXPECT_FALSE(OptionOn(*project, GetParam().option));
    EXPECT_FALSE(DataMenuRules(*project).*GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionRulesTest,
    ::testing::Values(OptionCase{"TipMovements", ProjectOption::TipMovements, &DataMenuEnables::tipMovements},
                      OptionCase{"HeadLoads", ProjectOption::HeadLoads, &DataMenuEnables::headLoads},
                      OptionCase{"Downdrag", ProjectOption::Downdrag, &DataMenuEnables::settlements},
                      OptionCase{"TzFactors", ProjectOption::TzFactors, &DataMenuEnables::tzFactors},
                      OptionCase{"QwFactors", ProjectOption::QwFactors, &DataMenuEnables::qwFactors}),
    [](const ::testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.name); });

TEST_F(CommandRulesTest, ANewProjectHasTipMovementsOnly) {
    const DataMenuEnables enables = DataMenuRules(*project);
    EXPECT_TRUE(enables.tipMovements);
    EXPECT_FALSE(enables.headLoads || enables.settlements || enables.tzFactors || enables.qwFactors);
    EXPECT_FALSE(tables.IsModified());
}

TEST_F(CommandRulesTest, ChangingTheCurveSourceMarksModifiedChoosingItAgainDoesNot) {
    SetCurveSource(*project, true);
    EXPECT_FALSE(tables.IsModified());
    SetCurveSource(*project, false);
    EXPECT_FALSE(project->CurvesGenerated);
    EXPECT_TRUE(tables.IsModified());
}

TEST_F(CommandRulesTest, SwitchingUnitsConvertsAndMarksModifiedTheSystemInUseDoesNot) {
    project->PileLength = 480;
    SwitchUnits(*project, 1);
    EXPECT_FALSE(tables.IsModified());
    SwitchUnits(*project, 2);
    EXPECT_EQ(project->Units(), 2);
    // 480 in = 12.192 m exactly; the factor's ten digits allow a relative 1e-10.
    EXPECT_NEAR(static_cast<double>(project->PileLength), 12.192, 12.192e-10);
    EXPECT_TRUE(tables.IsModified());
}

class FileRulesTest : public ProjectTest {
protected:
    std::string projectFile = dir.file("pier.qv3d");
};

TEST_F(FileRulesTest, PlotCommandsNeedLoadedPlotsAndThePlotFile) {
    EXPECT_FALSE(PlotCommandsEnabled(true, projectFile));
    testing::writeBytes(dir.file("pier.qv3p"), "plots");
    EXPECT_TRUE(PlotCommandsEnabled(true, projectFile));
    EXPECT_FALSE(PlotCommandsEnabled(false, projectFile));
}

TEST_F(FileRulesTest, ComputationTextCommandsEachNeedTheirFile) {
    ComputationMenuEnables enables = ComputationMenuRules(projectFile);
    EXPECT_FALSE(enables.inputText || enables.runNotes || enables.outputText);
    testing::writeBytes(projectFile, "project");
    testing::writeBytes(dir.file("pier.qv3o"), "report");
    enables = ComputationMenuRules(projectFile);
    EXPECT_TRUE(enables.inputText);
    EXPECT_FALSE(enables.runNotes);
    EXPECT_TRUE(enables.outputText);
    testing::writeBytes(dir.file("pier.qv3r"), "notes");
    EXPECT_TRUE(ComputationMenuRules(projectFile).runNotes);
}

TEST_F(FileRulesTest, AFolderNamedLikeTheFileIsNoFile) {
    std::filesystem::create_directory(dir.file("pier.qv3p"));
    EXPECT_FALSE(PlotCommandsEnabled(true, projectFile));
}

}  // namespace
}  // namespace quarlo
