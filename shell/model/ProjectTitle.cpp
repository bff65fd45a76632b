#include "ProjectTitle.h"

namespace quarlo {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t codePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += isContinuationByte(c) ? 0 : 1;
    }
    return count;
}

// The bytes of the first `count` code points of `text`.
std::string_view firstCodePoints(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size(); ++end) {
        if (!isContinuationByte(text[end]) && taken++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

}  // namespace

std::string TitleOnOneLine(std::string title) {
    for (char& c : title) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return title;
}

std::string TitleInsertion(std::string_view kept, std::string_view inserted) {
    const std::size_t length = codePoints(kept);
    const std::size_t room = length < kTitleMaxLength ? kTitleMaxLength - length : 0;
    return TitleOnOneLine(std::string(firstCodePoints(inserted, room)));
}

}  // namespace quarlo
