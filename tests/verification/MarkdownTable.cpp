#include "MarkdownTable.h"

namespace quarlo::verification {

namespace {

void writeRow(std::ostream& out, const std::vector<std::string>& cells)
{
    out << '|';
    for (const std::string& cell : cells)
        out << ' ' << cell << " |";
    out << '\n';
}

}  // namespace

void MarkdownTable::write(std::ostream& out) const
{
    writeRow(out, m_header);
    out << '|';
    for (std::size_t column = 0; column < m_header.size(); ++column)
        out << (column == 0 ? "---|" : "---:|");
    out << '\n';
    for (const std::vector<std::string>& row : m_rows)
        writeRow(out, row);
    out << '\n';
}

}  // namespace quarlo::verification
