#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MarkdownText.h"

namespace quarlo {
namespace {

TEST(PageTitleTest, IsTheFirstLevelOneHeading)
{
    EXPECT_EQ(PageTitle("Intro line\n\n## Part\n\n# 2 t-z and Q-w curves\n\n# Later\n"), "2 t-z and Q-w curves");
}

TEST(PageTitleTest, LeavesOutClosingMarksAndLineEnds)
{
    EXPECT_EQ(PageTitle("#   Uplift ##\r\n"), "Uplift");
    EXPECT_EQ(PageTitle("# C# in a title\n"), "C# in a title");
}

TEST(PageTitleTest, IgnoresHashesInCodeBlocksAndMissingHeadings)
{
    EXPECT_EQ(PageTitle("```\n# not a heading\n```\n# Real\n"), "Real");
    EXPECT_EQ(PageTitle("#NoBlank\nplain text\n"), "");
}

TEST(LinkedFilesTest, ListsEachFileOnceInOrderWithoutAnchors)
{
    const std::string page =
        "1. [Method](load-transfer.md) and [one segment](load-transfer.md#one-segment)\n"
        "2. [Curves](tz-qw-curves.md#t-z-curves), [same page](#symbols),\n"
        "   [elsewhere](https://example.org/x.md) and [user guide](../user/index.md)\n";
    EXPECT_EQ(LinkedFiles(page),
              (std::vector<std::string>{"load-transfer.md", "tz-qw-curves.md", "../user/index.md"}));
}

TEST(LinkedFilesTest, AnUnclosedLinkEndsTheList)
{
    EXPECT_EQ(LinkedFiles("[a](a.md) then [b](b.md"), std::vector<std::string>{"a.md"});
}

struct ResolveCase {
    const char* name;
    const char* page;
    const char* target;
    const char* resolved;
};

class ResolvePagePathTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolvePagePathTest, GivesThePathInsideTheHelp)
{
    EXPECT_EQ(ResolvePagePath(GetParam().page, GetParam().target), GetParam().resolved);
}

INSTANTIATE_TEST_SUITE_P(
    Links, ResolvePagePathTest,
    ::testing::Values(ResolveCase{"SameFolder", "technical/index.md", "uplift.md", "technical/uplift.md"},
                      ResolveCase{"OtherManual", "user/index.md", "../technical/uplift.md", "technical/uplift.md"},
                      ResolveCase{"CurrentFolderMark", "user/a.md", "./b.md", "user/b.md"},
                      ResolveCase{"FromTheTop", "contents.md", "user/index.md", "user/index.md"},
                      ResolveCase{"LeavesTheHelp", "user/a.md", "../../README.md", ""}),
    [](const ::testing::TestParamInfo<ResolveCase>& info) { return std::string(info.param.name); });

TEST(EscapeMarkdownTest, MarksThatWouldFormatAreShownAsTyped)
{
    EXPECT_EQ(EscapeMarkdown("a*b_c `d` [e] <f> |g| !h #i \\j"),
              "a\\*b\\_c \\`d\\` \\[e\\] \\<f\\> \\|g\\| \\!h \\#i \\\\j");
    EXPECT_EQ(EscapeMarkdown("t-z (side friction)"), "t-z (side friction)");
}

}  // namespace
}  // namespace quarlo
