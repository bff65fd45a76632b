#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HelpContents.h"

namespace quarlo {
namespace {

// Two small manuals: the index of each links its chapters in an order of its own, and one
// chapter of the user's manual is not linked from its index.
std::vector<HelpPage> twoManuals()
{
    return {
        {"technical/b-curves.md", "# 2 Curves\n"},
        {"technical/index.md", "# Technical\n\n1. [Method](a-method.md)\n2. [Curves](b-curves.md#t-z)\n"},
        {"technical/a-method.md", "# 1 Method\n"},
        {"user/running.md", "# 3 Running\n"},
        {"user/index.md", "# Guide\n\n- [Start](starting.md)\n- [Tables](tables.md)\n- [Running](running.md)\n"},
        {"user/zz-notes.md", "No heading here.\n"},
        {"user/tables.md", "# 2 Tables\n"},
        {"user/starting.md", "# 1 Starting a project\n"},
    };
}

std::vector<std::string> paths(const std::vector<const HelpPage*>& pages)
{
    std::vector<std::string> result;
    for (const HelpPage* page : pages)
        result.push_back(page->path);
    return result;
}

TEST(HelpContentsTest, ReadingOrderFollowsEachIndexUserManualFirst)
{
    const std::vector<HelpPage> pages = twoManuals();
    EXPECT_EQ(paths(ReadingOrder(pages)),
              (std::vector<std::string>{"user/index.md", "user/starting.md", "user/tables.md", "user/running.md",
                                        "user/zz-notes.md", "technical/index.md", "technical/a-method.md",
                                        "technical/b-curves.md"}));
}

TEST(HelpContentsTest, TheContentsPageLinksEveryPageUnderItsTitle)
{
    EXPECT_EQ(ContentsPage(twoManuals()),
              "# QUARLO Help\n\n"
              "Choose a manual or one of its chapters. Find searches the page shown; Search All Pages "
              "searches every page of the help.\n\n"
              "## User's Manual\n\n"
              "[Guide](user/index.md): title page and contents\n\n"
              "- [1 Starting a project](user/starting.md)\n"
              "- [2 Tables](user/tables.md)\n"
              "- [3 Running](user/running.md)\n"
              "- [zz-notes.md](user/zz-notes.md)\n\n"
              "## Technical Manual\n\n"
              "[Technical](technical/index.md): title page and contents\n\n"
              "- [1 Method](technical/a-method.md)\n"
              "- [2 Curves](technical/b-curves.md)\n\n");
}

TEST(HelpContentsTest, AManualNotBuiltInIsLeftOut)
{
    const std::vector<HelpPage> pages{{"technical/index.md", "# Technical Manual\n"}};
    const std::string contents = ContentsPage(pages);
    EXPECT_NE(contents.find("## Technical Manual"), std::string::npos);
    EXPECT_EQ(contents.find("User's Manual"), std::string::npos);
}

TEST(HelpContentsTest, TitlesThatLookLikeMarkdownAreShownAsWritten)
{
    const std::vector<HelpPage> pages{{"user/x.md", "# Loads [kN] *per* pile\n"}};
    EXPECT_NE(ContentsPage(pages).find("- [Loads \\[kN\\] \\*per\\* pile](user/x.md)"), std::string::npos);
}

}  // namespace
}  // namespace quarlo
