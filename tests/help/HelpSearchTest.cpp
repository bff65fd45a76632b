#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HelpSearch.h"

namespace quarlo {
namespace {

std::vector<PageText> threePages()
{
    return {
        {"user/a.md", "A", "The tolerance of the run. Tolerance again."},
        {"user/b.md", "B", "No match here."},
        {"technical/c.md", "C", "The TOLERANCE\nof the segment walk, tolerance, and tolerance once more."},
    };
}

TEST(HelpSearchTest, FindsEveryPageWhateverTheCaseMostMatchesFirst)
{
    const std::vector<SearchHit> hits = SearchPages(threePages(), "Tolerance");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].path, "technical/c.md");
    EXPECT_EQ(hits[0].count, 3);
    EXPECT_EQ(hits[1].path, "user/a.md");
    EXPECT_EQ(hits[1].count, 2);
}

TEST(HelpSearchTest, APhraseIsFoundAcrossALineBreak)
{
    const std::vector<SearchHit> hits = SearchPages(threePages(), "tolerance  of the");
    // One match on each page: the pages stay in the order given.
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].excerpt, "The **tolerance of the** run. Tolerance again.");
    EXPECT_EQ(hits[1].excerpt, "The **TOLERANCE of the** segment walk, tolerance, and tolerance once more.");
}

TEST(HelpSearchTest, BlanksAloneFindNothing)
{
    EXPECT_TRUE(SearchPages(threePages(), "  \n").empty());
}

TEST(HelpSearchTest, ALongPassageIsCutAtWordsWithEllipses)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "word" + std::to_string(i) + " ";
    text += "needle";
    for (int i = 0; i < 30; ++i)
        text += " after" + std::to_string(i);
    const std::vector<SearchHit> hits = SearchPages({{"p.md", "P", text}}, "needle");
    ASSERT_EQ(hits.size(), 1u);
    const std::string& excerpt = hits[0].excerpt;
    EXPECT_EQ(excerpt.substr(0, 3), "…");
    EXPECT_NE(excerpt.find(" word29 **needle** after0 "), std::string::npos);
    EXPECT_EQ(excerpt.substr(excerpt.size() - 3), "…");
    // Whole words only: the passage starts and ends at a blank of the text.
    EXPECT_EQ(excerpt.substr(3, 4), "word");
    EXPECT_NE(excerpt.find(" after"), std::string::npos);
}

TEST(HelpSearchTest, MarkdownInThePassageIsShownAsWritten)
{
    const std::vector<SearchHit> hits = SearchPages({{"p.md", "P", "t = ratio * f_max [kN]"}}, "f_max");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].excerpt, "t = ratio \\* **f\\_max** \\[kN\\]");
}

TEST(HelpSearchTest, TheResultsPageLinksEachPageWithItsCount)
{
    const std::string page = SearchResultsPage("tolerance", SearchPages(threePages(), "tolerance"));
    EXPECT_EQ(page,
              "# Search: tolerance\n\n2 pages contain \"tolerance\".\n\n"
              "**[C](technical/c.md)**, 3 times\n\n"
              "> The **TOLERANCE** of the segment walk, tolerance, and tolerance once more.\n\n"
              "**[A](user/a.md)**, 2 times\n\n"
              "> The **tolerance** of the run. Tolerance again.\n\n");
}

TEST(HelpSearchTest, TheResultsPageSaysWhenNothingWasFound)
{
    EXPECT_EQ(SearchResultsPage("q_s", {}), "# Search: q\\_s\n\nNo page of the help contains \"q\\_s\".\n");
    EXPECT_EQ(SearchResultsPage(" ", {}),
              "# Search\n\nType a word or phrase in the Find box, then choose Search All Pages.\n");
}

}  // namespace
}  // namespace quarlo
