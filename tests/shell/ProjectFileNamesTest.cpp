#include <gtest/gtest.h>

#include <string>

#include "ProgramTitles.h"
#include "ProjectFileNames.h"

namespace quarlo {
namespace {

struct NameCase {
    const char* name;
    std::string input;
    std::string expected;
};

std::string caseName(const ::testing::TestParamInfo<NameCase>& info) {
    return info.param.name;
}

class DisplayNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DisplayNameTest, ShowsTheFileNameAsTheCaptionDoes) {
    EXPECT_EQ(DisplayName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DisplayNameTest,
    ::testing::Values(NameCase{"ProjectKeepsItsExtension", "/home/eng/jobs/test.qv3d", "Test.qv3d"},
                      NameCase{"NewProject", "NewQUARLO.qv3d", "NewQUARLO.qv3d"},
                      NameCase{"OldFormatKeepsItsExtension", "/jobs/pier.qvd", "Pier.qvd"},
                      // Only the dialogs' default extension itself is cut, from the first full stop.
                      NameCase{"DefaultExtensionCutFromFirstStop", "/jobs/pier.a.qv3", "Pier"},
                      NameCase{"DefaultExtensionAnyCase", "/jobs/pier.QV3", "Pier"},
                      NameCase{"FolderWithStopIsNoExtension", "/jobs/v1.qv3/pier", "Pier"},
                      NameCase{"SingleCharacterStaysLowerCase", "/jobs/a", "a"},
                      NameCase{"UpperCaseUnchanged", "/jobs/Pier.qv3d", "Pier.qv3d"},
                      NameCase{"DigitFirst", "/jobs/4pier.qv3d", "4pier.qv3d"},
                      // The first byte of a multi-byte character is left whole.
                      NameCase{"NonAsciiFirstLetterKeptValid", "/jobs/\xC3\xA9tude.qv3d", "\xC3\xA9tude.qv3d"}),
    caseName);

class WithExtensionTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(WithExtensionTest, NamesThePlotFileBesideTheProject) {
    EXPECT_EQ(PlotFileName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, WithExtensionTest,
                         ::testing::Values(NameCase{"ReplacesExtension", "/jobs/pier.qv3d", "/jobs/pier.qv3p"},
                                           NameCase{"ReplacesOnlyLastExtension", "/jobs/pier.v2.qv3d",
                                                    "/jobs/pier.v2.qv3p"},
                                           NameCase{"AppendsWithoutExtension", "/jobs/pier", "/jobs/pier.qv3p"},
                                           NameCase{"FolderStopIsNoExtension", "/jobs.2014/pier",
                                                    "/jobs.2014/pier.qv3p"},
                                           NameCase{"OldFormat", "pier.qvd", "pier.qv3p"}),
                         caseName);

TEST(ProjectFileNamesTest, ReportAndRunNotesSitBesideTheProject) {
    EXPECT_EQ(ReportFileName("/jobs/pier.qv3d"), "/jobs/pier.qv3o");
    EXPECT_EQ(RunNotesFileName("/jobs/pier.qv3d"), "/jobs/pier.qv3r");
}

class CommandLineNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CommandLineNameTest, AppendsTheProjectExtensionToABareName) {
    EXPECT_EQ(CommandLineProjectName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineNameTest,
                         ::testing::Values(NameCase{"BareName", "/jobs/pier", "/jobs/pier.qv3d"},
                                           NameCase{"RelativeBareName", "./pier", "./pier.qv3d"},
                                           NameCase{"StopInFolderOnly", "/jobs.2014/pier", "/jobs.2014/pier.qv3d"},
                                           NameCase{"WithExtension", "/jobs/pier.qvd", "/jobs/pier.qvd"},
                                           NameCase{"AnyStopInName", "pier.v2", "pier.v2"}),
                         caseName);

TEST(ProgramTitlesTest, CaptionNamesTheProgramVersionAndTheProject) {
    EXPECT_EQ(MainCaption("/home/eng/test.qv3d"), "QUARLO 2014.3.2 - Test.qv3d");
    EXPECT_EQ(MainCaption("NewQUARLO.qv3d"), "QUARLO 2014.3.2 - NewQUARLO.qv3d");
    EXPECT_STREQ(kApplicationTitle, "QUARLO 3.0");
}

}  // namespace
}  // namespace quarlo
