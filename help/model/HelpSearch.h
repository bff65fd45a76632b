#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// A page's text as the reader sees it (the page shown, without Markdown marks), UTF-8.
struct PageText {
    std::string path;
    std::string title;
    std::string text;
};

// A page that holds the searched words: how often, and the passage around the first time.
struct SearchHit {
    std::string path;
    std::string title;
    int count = 0;
    // The passage in Markdown, the words found in bold.
    std::string excerpt;
};

// The pages that hold `term`, most matches first (pages with as many in the order given).
// Letters match whatever their case; any run of blanks and line ends matches any other, so a
// phrase is found across a line break. A term of blanks only finds nothing.
std::vector<SearchHit> SearchPages(const std::vector<PageText>& pages, std::string_view term);

// The results page (Markdown): every hit linked under its page's title, with its count and
// passage; or a line saying that no page holds the term.
std::string SearchResultsPage(std::string_view term, const std::vector<SearchHit>& hits);

}  // namespace quarlo
