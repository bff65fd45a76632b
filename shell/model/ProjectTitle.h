#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarlo {

// The most characters the title window takes, typed or pasted.
constexpr std::size_t kTitleMaxLength = 80;

// The title as one line: every carriage return and line feed becomes a blank, since the
// title is the whole first line of the project file and a break would split its records.
std::string TitleOnOneLine(std::string title);

// What of `inserted` (typed or pasted) goes into the title when `kept` is what stays of it,
// the title without the text the insertion replaces: the insertion on one line, cut to the
// characters left below kTitleMaxLength (none when `kept` is already that long). Text is
// UTF-8; characters are counted as code points and never cut in the middle.
std::string TitleInsertion(std::string_view kept, std::string_view inserted);

}  // namespace quarlo
