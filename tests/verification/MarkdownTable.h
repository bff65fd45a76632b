#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quarlo::verification {

// A pipe table; the first column is left-aligned, the others (numbers) right-aligned.
class MarkdownTable {
public:
    explicit MarkdownTable(std::vector<std::string> header) : m_header(std::move(header)) {}

    void add(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }
    void write(std::ostream& out) const;

private:
    std::vector<std::string> m_header;
    std::vector<std::vector<std::string>> m_rows;
};

}  // namespace quarlo::verification
