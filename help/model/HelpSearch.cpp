#include "HelpSearch.h"

#include <algorithm>

#include "MarkdownText.h"
#include "Utf8Text.h"

namespace quarlo {

namespace {

// Characters shown before and after the first match, up to the nearest blank.
constexpr std::size_t kContextBefore = 50;
constexpr std::size_t kContextAfter = 70;

bool isBlank(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x2028 || c == 0x2029;
}

// The text with every run of blanks as one space and no blanks at either end.
std::u32string collapsedBlanks(std::string_view text)
{
    std::u32string collapsed;
    for (const char32_t c : DecodeUtf8(text)) {
        if (!isBlank(c))
            collapsed += c;
        else if (!collapsed.empty() && collapsed.back() != ' ')
            collapsed += ' ';
    }
    if (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    return collapsed;
}

std::u32string lowered(std::u32string text)
{
    std::transform(text.begin(), text.end(), text.begin(), LowerCase);
    return text;
}

// The passage around text[at, at + length): whole words, with an ellipsis where it is cut.
std::string excerpt(const std::u32string& text, std::size_t at, std::size_t length)
{
    std::size_t from = at > kContextBefore ? at - kContextBefore : 0;
    if (from > 0) {
        const std::size_t blank = text.find(U' ', from);
        if (blank < at)
            from = blank + 1;
    }
    std::size_t to = std::min(text.size(), at + length + kContextAfter);
    if (to < text.size()) {
        const std::size_t blank = text.rfind(U' ', to);
        if (blank != std::u32string::npos && blank > at + length)
            to = blank;
    }
    const std::string before = EncodeUtf8(text.substr(from, at - from));
    const std::string match = EncodeUtf8(text.substr(at, length));
    const std::string after = EncodeUtf8(text.substr(at + length, to - at - length));
    return (from > 0 ? "…" : "") + EscapeMarkdown(before) + "**" + EscapeMarkdown(match) + "**" +
           EscapeMarkdown(after) + (to < text.size() ? "…" : "");
}

}  // namespace

std::vector<SearchHit> SearchPages(const std::vector<PageText>& pages, std::string_view term)
{
    const std::u32string wanted = lowered(collapsedBlanks(term));
    std::vector<SearchHit> hits;
    if (wanted.empty())
        return hits;
    for (const PageText& page : pages) {
        const std::u32string text = collapsedBlanks(page.text);
        const std::u32string searched = lowered(text);
        const std::size_t first = searched.find(wanted);
        if (first == std::u32string::npos)
            continue;
        int count = 0;
        for (std::size_t at = first; at != std::u32string::npos; at = searched.find(wanted, at + wanted.size()))
            ++count;
        hits.push_back({page.path, page.title, count, excerpt(text, first, wanted.size())});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) { return a.count > b.count; });
    return hits;
}

std::string SearchResultsPage(std::string_view term, const std::vector<SearchHit>& hits)
{
    const std::string shown = EscapeMarkdown(EncodeUtf8(collapsedBlanks(term)));
    if (shown.empty())
        return "# Search\n\nType a word or phrase in the Find box, then choose Search All Pages.\n";
    std::string page = "# Search: " + shown + "\n\n";
    if (hits.empty())
        return page + "No page of the help contains \"" + shown + "\".\n";
    page += hits.size() == 1 ? std::string("1 page contains \"") + shown + "\".\n\n"
                             : std::to_string(hits.size()) + " pages contain \"" + shown + "\".\n\n";
    // A link and its passage as two paragraphs: a list would give the passage a bullet of its own.
    for (const SearchHit& hit : hits) {
        page += "**[" + EscapeMarkdown(hit.title) + "](" + hit.path + ")**, " + std::to_string(hit.count) +
                (hit.count == 1 ? " time" : " times") + "\n\n> " + hit.excerpt + "\n\n";
    }
    return page;
}

}  // namespace quarlo
