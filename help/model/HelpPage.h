#pragma once

#include <string>

namespace quarlo {

// One page of the manuals: its path inside the help ("technical/tz-qw-curves.md", the manual's
// folder first) and its Markdown text (UTF-8).
struct HelpPage {
    std::string path;
    std::string markdown;
};

}  // namespace quarlo
