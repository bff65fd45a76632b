#pragma once

#include "ReadError.h"
#include "Real.h"

#include <istream>
#include <string>
#include <string_view>

namespace quarlo {

// List-directed reading of the project data file. Every record starts on a new line;
// its values are separated by blanks, tabs, commas or line ends and may run on over
// following lines; what is left on a record's last line is skipped. Every failure throws
// ReadError naming the record, the item and the line.
class RecordReader {
public:
    explicit RecordReader(std::istream& in) : m_in(in) {}

    // The next line as a fixed field of `width` characters, cut or padded with blanks.
    std::string readFixed(std::string_view record, std::size_t width);

    // Starts a new record: the next value is taken from the next line.
    void beginRecord(std::string_view record);

    int readInt(std::string_view item);
    Real readReal(std::string_view item);
    // An integer that counts rows and therefore may not be negative.
    int readCount(std::string_view item);

    int lineNumber() const { return m_lineNumber; }

private:
    std::string nextToken(std::string_view item);
    bool fetchLine();
    [[noreturn]] void fail(ReadError::Kind kind, std::string_view item, const std::string& detail) const;

    std::istream& m_in;
    std::string m_record;
    std::string m_line;
    std::size_t m_pos = 0;
    bool m_lineOpen = false;   // false: the next value must come from a new line
    int m_lineNumber = 0;
};

}  // namespace quarlo
