#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace quarlo {

// The anchor name of a heading, as links between the manual pages write it
// ("tz-qw-curves.md#t-z-curves"): the heading's text in lower case, with everything but
// letters, digits, spaces, '-' and '_' dropped and each space turned into '-'.
// The text is UTF-8. Letters and digits of every script are kept; punctuation, dashes and
// symbols outside ASCII (the en dash, the multiplication sign, arrows) are dropped. Capitals
// are lowered for ASCII, Latin-1 and Greek, the scripts the manuals are written in.
std::string HeadingSlug(std::string_view heading);

// The anchors of one page's headings in order: a heading whose anchor is taken already gets
// "-1", "-2", ... appended, so that every heading of the page can be linked to.
class HeadingSlugs {
public:
    std::string Add(std::string_view heading);

private:
    std::set<std::string> m_taken;
    // The suffix last given to each anchor text.
    std::map<std::string, int> m_lastSuffix;
};

}  // namespace quarlo
