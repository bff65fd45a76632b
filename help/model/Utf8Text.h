#pragma once

#include <string>
#include <string_view>

namespace quarlo {

// The code points of UTF-8 text. A byte that does not begin a well-formed sequence (a stray
// continuation byte, a sequence cut short, an overlong form) stands for U+FFFD, so a page
// saved in another encoding still reads, with replacement marks where its letters were.
std::u32string DecodeUtf8(std::string_view text);

void AppendUtf8(std::string& text, char32_t codePoint);
std::string EncodeUtf8(std::u32string_view text);

// The small letter of a capital of ASCII, Latin-1 or Greek (the scripts the manuals are
// written in); any other code point unchanged.
char32_t LowerCase(char32_t codePoint);

}  // namespace quarlo
