#include "ProjectChecks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ProjectFixture.h"

namespace quarlo {
namespace {

using ::testing::ElementsAre;

class ProjectChecksTest : public testing::ProjectTest {
protected:
    // A sound generated-curves project: two layers down to 600, a 480 long pile of 16.
    void SetUp() override {
        project->PileLength = 480;
        project->OuterDiameter = 16;
        tables.D2().SetRowCount(2);
        tables.D2().Data(1, 0).SetAsFloat(240);
        tables.D2().Data(1, 1).SetAsFloat(600);
    }
};

TEST_F(ProjectChecksTest, SoundProjectHasNoFindings) {
    EXPECT_TRUE(suspiciousInput(*project).empty());
}

TEST_F(ProjectChecksTest, LayerBottomsMustGoDown) {
    tables.D2().Data(1, 1).SetAsFloat(240);
    project->PileLength = 200;
    EXPECT_THAT(suspiciousInput(*project),
                ElementsAre("Soil layer 2: its bottom (240) is not below its top (240)."));
}

TEST_F(ProjectChecksTest, FirstLayerMustEndBelowTheSurface) {
    tables.D2().Data(1, 0).SetAsFloat(0);
    EXPECT_THAT(suspiciousInput(*project), ElementsAre("Soil layer 1: its bottom (0) is not below its top (0)."));
}

TEST_F(ProjectChecksTest, PileTipBelowTheLastLayer) {
    project->PileLength = 720;
    EXPECT_THAT(suspiciousInput(*project),
                ElementsAre("The pile tip (pile length 720) lies below the bottom of the last soil layer (600)."));
}

TEST_F(ProjectChecksTest, GeneratedCurvesNeedADiameter) {
    project->OuterDiameter = 0;
    EXPECT_THAT(suspiciousInput(*project),
                ElementsAre("Outer diameter is 0: curves generated from soil layers need the pile's diameter."));
}

TEST_F(ProjectChecksTest, UserCurvesNeedNeitherLayersNorDiameter) {
    project->CurvesGenerated = false;
    project->OuterDiameter = 0;
    tables.D2().Data(1, 1).SetAsFloat(100);
    EXPECT_TRUE(suspiciousInput(*project).empty());
}

TEST_F(ProjectChecksTest, MoreRowsThanTheTablesAllow) {
    tables.TblTipMove().SetRowCount(101);
    project->CurvesGenerated = false;
    tables.TblTZDepth2().Data(1, 0).SubTable()->SetRowCount(101);
    EXPECT_THAT(suspiciousInput(*project),
                ElementsAre("t-z curve: 101 rows, more than the 100 the program allows.",
                            "Tip Movements: 101 rows, more than the 100 the program allows."));
}

TEST_F(ProjectChecksTest, IncrementsOutsideTheProgramsRange) {
    project->Increments = 5;
    EXPECT_THAT(suspiciousInput(*project), ElementsAre("Number of pile increments 5 is outside 10 to 500."));
}

}  // namespace
}  // namespace quarlo
