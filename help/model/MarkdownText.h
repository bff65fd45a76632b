#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// `text` as Markdown shows it literally: every character that would start emphasis, code, a
// link, a table cell or raw HTML is escaped.
std::string EscapeMarkdown(std::string_view text);

// The text of the first level-1 heading ("# Title"), without the marks; empty when the page
// has none.
std::string PageTitle(std::string_view markdown);

// The targets of the page's links in the order they first appear, without their "#anchor";
// links within the page and links with a scheme (a web address) are left out.
std::vector<std::string> LinkedFiles(std::string_view markdown);

// The path inside the help of `target`, a link written on the page at `pagePath`
// ("user/index.md" and "../technical/uplift.md" give "technical/uplift.md"); empty when the
// target leaves the help.
std::string ResolvePagePath(std::string_view pagePath, std::string_view target);

}  // namespace quarlo
