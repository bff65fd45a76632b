#pragma once

#include "EInOutError.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// One line of the file: its raw text and its words.
struct TWordContainer {
    std::string Line;                // as read, not trimmed, without its line end
    std::vector<std::string> Words;  // separated by blanks and tabs only
};

// Reads a text file as a stream of words, taken one at a time as integers or floating-point
// numbers in the order the format prescribes, without regard to where the lines break.
// Numbers always use the full stop, whatever the user's locale.
//
// A line without words between lines with words is skipped, as the engine skips it when it
// reads the same file; the files the program writes never contain one.
class TWordReader {
public:
    // Loads the whole file; EInOutError when it cannot be opened or read.
    explicit TWordReader(const std::string& fileName);

    // The same reader over text already in memory.
    static TWordReader FromText(std::string_view text);

    // The raw text of the current line, even if some of its words were taken; moves to the
    // next line. EInOutError "This file either invalid or incomplete." when none is left.
    std::string ReadLine();

    // The next word as a 32-bit integer: a decimal number with no fractional part (2.0 is 2).
    std::int32_t ReadInteger();

    // The next word as a floating-point number: optional sign, digits with an optional
    // fractional part, optional exponent introduced by E or e.
    long double ReadFloat();

    bool AtEnd() const { return m_lineIndex == m_lines.size(); }

    // 0-based index of the current line and number of words taken from it.
    std::size_t LineIndex() const { return m_lineIndex; }
    std::size_t WordIndex() const { return m_wordIndex; }
    const std::vector<TWordContainer>& Lines() const { return m_lines; }

private:
    TWordReader() = default;
    void Load(std::string_view text);
    void AddLine(std::string_view text);
    const std::string& NextWord();
    [[noreturn]] void RaiseItemError(std::string_view expected) const;

    std::vector<TWordContainer> m_lines;
    std::size_t m_lineIndex = 0;
    std::size_t m_wordIndex = 0;
};

}  // namespace quarlo
