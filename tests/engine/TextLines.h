#pragma once

#include <string>
#include <vector>

namespace quarlo::test {

// The lines of a report or plot data file without their CR LF; a last line left open by a
// run that stopped short is kept as it stands.
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

}  // namespace quarlo::test
