#include <gtest/gtest.h>

#include <cmath>

#include "ProjectFixture.h"

namespace quarlo {
namespace {

using testing::ProjectTest;

class ProjectUnitsTest : public ProjectTest {
protected:
    void SetUp() override {
        project->PileLength = 480;
        project->OuterDiameter = 12;
        project->TipArea = 144;
        tables.TblAE2().Data(0, 1).SetAsFloat(480);
        tables.D2().Data(1, 0).SetAsFloat(480);
        tables.D2().Data(2, 0).SubTable()->Data(1, 0).SetAsFloat(100);  // cu, psi
    }
};

// 1 in = 0.0254 m; 1 psi = 6.894757 kPa. The program's factor 39.37007874 has ten
// significant digits (its reciprocal is 0.0254000000001), so the results agree with the
// exact decimals to a relative 1e-10.
void expectNear(long double actual, long double expected) {
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
                1e-10 * std::fabs(static_cast<double>(expected)));
}

TEST_F(ProjectUnitsTest, EnglishToSIConvertsProjectLengthsAndEveryTable) {
    project->SetUnits(2);
    EXPECT_EQ(project->Units(), 2);
    expectNear(project->PileLength, 12.192L);
    expectNear(project->OuterDiameter, 0.3048L);
    expectNear(project->TipArea, 0.09290304L);
    expectNear(project->Tolerance, 2.54e-7L);
    expectNear(tables.TblAE2().Data(0, 1).AsFloat(), 12.192L);
    expectNear(tables.D2().Data(1, 0).AsFloat(), 12.192L);
    EXPECT_NEAR(static_cast<double>(tables.D2().Data(2, 0).SubTable()->Data(1, 0).AsFloat()), 689.4757, 1e-4);
    EXPECT_EQ(tables.TblTipMove().Units(), 2);
}

TEST_F(ProjectUnitsTest, SwitchingBackRestoresTheValuesToTheTenthDigit) {
    project->SetUnits(2);
    project->SetUnits(1);
    EXPECT_NEAR(static_cast<double>(project->PileLength), 480, 480e-10);
    EXPECT_NEAR(static_cast<double>(project->TipArea), 144, 144e-10);
    EXPECT_NEAR(static_cast<double>(tables.TblAE2().Data(0, 1).AsFloat()), 480, 480e-10);
}

TEST_F(ProjectUnitsTest, ChoosingTheSystemInUseChangesNothing) {
    project->SetUnits(2);
    const long double length = project->PileLength;
    const long double area = project->TipArea;
    const long double depth = tables.TblAE2().Data(0, 1).AsFloat();
    const long double cu = tables.D2().Data(2, 0).SubTable()->Data(1, 0).AsFloat();
    project->SetUnits(2);
    EXPECT_EQ(project->PileLength, length);
    EXPECT_EQ(project->TipArea, area);
    EXPECT_EQ(tables.TblAE2().Data(0, 1).AsFloat(), depth);
    EXPECT_EQ(tables.D2().Data(2, 0).SubTable()->Data(1, 0).AsFloat(), cu);
}

TEST_F(ProjectUnitsTest, CodesOutsideTheTwoSystemsAreClamped) {
    project->SetUnits(7);
    EXPECT_EQ(project->Units(), 2);
    project->SetUnits(-1);
    EXPECT_EQ(project->Units(), 1);
    EXPECT_NEAR(static_cast<double>(project->PileLength), 480, 480e-10);
}

TEST_F(ProjectTest, NewProjectHasTheDefaultsAndMinimumRows) {
    project->SetUnits(2);
    tables.D2().SetRowCount(4);
    tables.SetModified(true);
    project.reset();
    project = std::make_unique<TProgramData>(tables);
    EXPECT_EQ(project->Units(), 1);
    EXPECT_EQ(project->FileName, "NewQUARLO.qv3d");
    EXPECT_EQ(project->Title, "New Pile");
    EXPECT_EQ(project->Tolerance, 1e-5L);
    EXPECT_EQ(project->QMultiplier, 0.0L);
    EXPECT_TRUE(project->CurvesGenerated && project->TipMovementsOn);
    EXPECT_FALSE(project->HeadLoadsOn || project->DowndragOn || project->TzFactorsOn || project->QwFactorsOn);
    EXPECT_EQ(tables.D2().RowCount(), 1);
    EXPECT_EQ(tables.D2().Data(0, 0).AsInteger(), 1);
    EXPECT_EQ(tables.D2().Data(2, 0).SubTable()->Caption(), "Clay Layer Data");
    EXPECT_EQ(tables.TblTipMove().RowCount(), 2);
    EXPECT_EQ(tables.TblTopload().RowCount(), 1);
    EXPECT_EQ(tables.TblTZFactors2().RowCount(), 2);
    EXPECT_EQ(tables.TblTipMove().Units(), 1);
    EXPECT_FALSE(tables.IsModified());
    EXPECT_TRUE(project->SaveNeedsSaveAs());
}

// The table windows mark a table changed when the user edits it.
TEST_F(ProjectTest, AChangedSubTableMarksTheProjectModified) {
    EXPECT_FALSE(tables.IsModified());
    tables.D2().Data(2, 0).SubTable()->SetChanged(true);
    EXPECT_TRUE(tables.IsModified());
    tables.SetModified(false);
    EXPECT_FALSE(tables.IsModified());
}

}  // namespace
}  // namespace quarlo
