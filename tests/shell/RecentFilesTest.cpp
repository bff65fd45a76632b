#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecentFiles.h"

namespace quarlo {
namespace {

std::vector<std::string> entries(const RecentFiles& recent)
{
    std::vector<std::string> names;
    for (int i = 0; i < recent.Count(); ++i)
        names.push_back(recent.Entry(i));
    return names;
}

// A list holding f0 .. f(n-1), f0 the most recent.
RecentFiles listOf(int n)
{
    std::vector<std::string> stored;
    for (int i = 0; i < n; ++i)
        stored.push_back("/jobs/f" + std::to_string(i) + ".qv3d");
    RecentFiles recent;
    recent.Assign(stored);
    return recent;
}

TEST(RecentFilesTest, OpeningTheFirstEntryAgainChangesNothing)
{
    RecentFiles recent = listOf(3);
    EXPECT_FALSE(recent.Add("/jobs/f0.qv3d"));
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"/jobs/f0.qv3d", "/jobs/f1.qv3d", "/jobs/f2.qv3d"}));
}

TEST(RecentFilesTest, AnEntryFurtherDownMovesUpAndThoseAboveItMoveDown)
{
    RecentFiles recent = listOf(6);
    EXPECT_TRUE(recent.Add("/jobs/f4.qv3d"));
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"/jobs/f4.qv3d", "/jobs/f0.qv3d", "/jobs/f1.qv3d",
                                                          "/jobs/f2.qv3d", "/jobs/f3.qv3d", "/jobs/f5.qv3d"}));
}

TEST(RecentFilesTest, ANewNameGoesFirstAndPushesTheTenthOut)
{
    RecentFiles recent = listOf(RecentFiles::kCapacity);
    EXPECT_TRUE(recent.Add("/jobs/new.qv3d"));
    EXPECT_EQ(recent.Count(), RecentFiles::kCapacity);
    EXPECT_EQ(recent.Entry(0), "/jobs/new.qv3d");
    EXPECT_EQ(recent.Entry(1), "/jobs/f0.qv3d");
    EXPECT_EQ(recent.Entry(9), "/jobs/f8.qv3d");
}

TEST(RecentFilesTest, TheLastEntryOfAFullListMovesUpWithoutLosingAnother)
{
    RecentFiles recent = listOf(RecentFiles::kCapacity);
    EXPECT_TRUE(recent.Add("/jobs/f9.qv3d"));
    EXPECT_EQ(recent.Count(), RecentFiles::kCapacity);
    EXPECT_EQ(recent.Entry(0), "/jobs/f9.qv3d");
    EXPECT_EQ(recent.Entry(9), "/jobs/f8.qv3d");
}

TEST(RecentFilesTest, NamesDifferingOnlyInCaseAreTwoEntries)
{
    RecentFiles recent = listOf(1);
    EXPECT_TRUE(recent.Add("/jobs/F0.qv3d"));
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"/jobs/F0.qv3d", "/jobs/f0.qv3d"}));
}

TEST(RecentFilesTest, RemovingAnEntryClosesTheGap)
{
    RecentFiles recent = listOf(3);
    EXPECT_TRUE(recent.Remove("/jobs/f1.qv3d"));
    EXPECT_FALSE(recent.Remove("/jobs/f1.qv3d"));
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"/jobs/f0.qv3d", "/jobs/f2.qv3d"}));
}

TEST(RecentFilesTest, StoredSettingsWithGapsAndRepeatsGiveAListWithout)
{
    RecentFiles recent;
    recent.Assign({"", "/a.qv3d", "", "/b.qv3d", "/a.qv3d", "/c.qv3d"});
    EXPECT_EQ(entries(recent), (std::vector<std::string>{"/a.qv3d", "/b.qv3d", "/c.qv3d"}));
}

TEST(RecentFilesTest, AtMostTenStoredEntriesAreTaken)
{
    std::vector<std::string> stored;
    for (int i = 0; i < 12; ++i)
        stored.push_back("/f" + std::to_string(i));
    RecentFiles recent;
    recent.Assign(stored);
    EXPECT_EQ(recent.Count(), RecentFiles::kCapacity);
    EXPECT_EQ(recent.Entry(9), "/f9");
}

TEST(RecentFilesTest, TenValuesAreStoredEmptyOnesIncluded)
{
    const std::vector<std::string> stored = listOf(2).Stored();
    ASSERT_EQ(stored.size(), static_cast<std::size_t>(RecentFiles::kCapacity));
    EXPECT_EQ(stored[0], "/jobs/f0.qv3d");
    EXPECT_EQ(stored[1], "/jobs/f1.qv3d");
    for (std::size_t i = 2; i < stored.size(); ++i)
        EXPECT_EQ(stored[i], "") << i;
}

TEST(RecentFilesTest, AnIndexOutsideTheListGivesNoName)
{
    const RecentFiles recent = listOf(2);
    EXPECT_EQ(recent.Entry(-1), "");
    EXPECT_EQ(recent.Entry(2), "");
}

struct CaptionCase {
    const char* name;
    int index;
    std::string path;
    std::string currentDirectory;
    std::string expected;
};

class RecentFileCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(RecentFileCaptionTest, NumbersTheEntryAndShortensPathsInTheCurrentDirectory)
{
    const CaptionCase& c = GetParam();
    EXPECT_EQ(RecentFileCaption(c.index, c.path, c.currentDirectory), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, RecentFileCaptionTest,
    ::testing::Values(
        CaptionCase{"ElsewhereShowsTheWholePath", 0, "/jobs/pier.qv3d", "/home/eng", "1 /jobs/pier.qv3d"},
        CaptionCase{"InTheCurrentDirectory", 1, "/jobs/pier.qv3d", "/jobs", "2 pier.qv3d"},
        CaptionCase{"BelowTheCurrentDirectory", 9, "/jobs/2014/pier.qv3d", "/jobs", "10 2014/pier.qv3d"},
        // "/jobs" followed by the separator occurs in this path, but not at its start.
        CaptionCase{"DirectoryNameFurtherInIsNotCut", 0, "/old/jobs/pier.qv3d", "/jobs", "1 /old/jobs/pier.qv3d"},
        CaptionCase{"SimilarDirectoryIsNotCut", 0, "/jobs2/pier.qv3d", "/jobs", "1 /jobs2/pier.qv3d"},
        CaptionCase{"RootDirectory", 0, "/pier.qv3d", "/", "1 pier.qv3d"},
        CaptionCase{"NoCurrentDirectory", 0, "/jobs/pier.qv3d", "", "1 /jobs/pier.qv3d"}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

TEST(RecentFilesTest, AMissingFileIsNamedInItsMessage)
{
    EXPECT_EQ(MissingRecentFileMessage("/jobs/pier.qv3d"),
              "The file /jobs/pier.qv3d no longer exists.\rIt has been removed from the list of recent files.");
}

}  // namespace
}  // namespace quarlo
