#pragma once

#include <stdexcept>
#include <string>

namespace quarlo {

// A project data file that cannot be read as the engine needs it. Carries what was being
// read and the line, so the report can say exactly where the file is wrong.
class ReadError : public std::runtime_error {
public:
    enum class Kind { EndOfFile, BadValue, NegativeCount };

    ReadError(Kind kind, std::string record, int line, const std::string& detail)
        : std::runtime_error(detail), m_kind(kind), m_record(std::move(record)), m_line(line) {}

    Kind kind() const { return m_kind; }
    const std::string& record() const { return m_record; }
    int line() const { return m_line; }   // 1-based line of the project data file

private:
    Kind m_kind;
    std::string m_record;
    int m_line;
};

}  // namespace quarlo
