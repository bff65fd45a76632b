#include <gtest/gtest.h>

#include <string>

#include "FileCommandRules.h"
#include "ProgramData.h"

namespace quarlo {
namespace {

struct NameCase {
    const char* name;
    std::string input;
    std::string expected;
};

std::string caseName(const ::testing::TestParamInfo<NameCase>& info)
{
    return info.param.name;
}

class SaveAsTitleTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveAsTitleTest, NamesTheProjectByItsDisplayName)
{
    EXPECT_EQ(SaveAsTitle(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Titles, SaveAsTitleTest,
                         ::testing::Values(NameCase{"NewProject", TProgramData::kNewFileName, "Save NewQUARLO.qv3d As"},
                                           NameCase{"NamedProject", "/jobs/pier.qv3d", "Save Pier.qv3d As"},
                                           NameCase{"OldFormat", "/jobs/job.qvd", "Save Job.qvd As"}),
                         caseName);

class CurrentFormatFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CurrentFormatFileNameTest, GivesOldFormatNamesTheCurrentExtension)
{
    EXPECT_EQ(CurrentFormatFileName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CurrentFormatFileNameTest,
    ::testing::Values(NameCase{"OldFormat", "/jobs/job.qvd", "/jobs/job.qv3d"},
                      NameCase{"OldFormatUpperCase", "/jobs/JOB.QVD", "/jobs/JOB.qv3d"},
                      NameCase{"CurrentFormatKept", "/jobs/job.qv3d", "/jobs/job.qv3d"},
                      NameCase{"OtherExtensionKept", "/jobs/job.txt", "/jobs/job.txt"},
                      NameCase{"ExtensionOnlyInFolderKept", "/jobs.qvd/job", "/jobs.qvd/job"}),
    caseName);

TEST(FileCommandRulesTest, TheProposalFollowsTheSameRule)
{
    ProjectTables tables;
    TProgramData project(tables);
    project.FileName = "/jobs/job.qvd";
    EXPECT_EQ(project.ProposedSaveName(), CurrentFormatFileName(project.FileName));
}

TEST(FileCommandRulesTest, OnlyOldFormatNamesOpenInTheOldFormat)
{
    EXPECT_FALSE(OpensInCurrentFormat("/jobs/job.qvd"));
    EXPECT_FALSE(OpensInCurrentFormat("/jobs/job.QVD"));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job.qv3d"));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job.QV3D"));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job.txt"));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job"));
}

TEST(FileCommandRulesTest, AFileChosenInTheOpenDialogIsReadAsItsExtensionSays)
{
    EXPECT_FALSE(OpensInCurrentFormat("/jobs/job.qvd", false));
    EXPECT_FALSE(OpensInCurrentFormat("/jobs/job.QVD", true));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job.qv3d", true));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job.Qv3D", false));
    EXPECT_FALSE(OpensInCurrentFormat("/jobs/job.dat", true));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job.dat", false));
    EXPECT_TRUE(OpensInCurrentFormat("/jobs/job", false));
}

}  // namespace
}  // namespace quarlo
