#include "TextImport.h"

#include <cmath>
#include <fstream>
#include <iterator>

#include "Exception.h"
#include "NumberFormat.h"

namespace quarlo {

namespace {

constexpr int kImportDigits = 15;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool endsNumber(char c) {
    return isBlank(c) || c == '\r' || c == ',';
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::vector<long double> ImportLineNumbers(std::string_view line) {
    std::vector<long double> numbers;
    std::size_t pos = 0;
    while (static_cast<int>(numbers.size()) < kImportNumbersPerLine) {
        while (pos < line.size() && isBlank(line[pos])) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < line.size() && !endsNumber(line[end])) {
            ++end;
        }
        const auto value = parseDecimal(line.substr(pos, end - pos));
        // An infinity is what parseDecimal makes of a number beyond the range; no cell holds one.
        if (!value || !std::isfinite(*value)) {
            break;
        }
        numbers.push_back(*value);
        if (end == line.size()) {
            break;
        }
        pos = end + 1;
    }
    return numbers;
}

std::vector<std::vector<long double>> AcceptedImportRows(const std::vector<std::string>& lines, int columnCount,
                                                         int maxRows) {
    std::vector<std::vector<long double>> rows;
    for (const std::string& line : lines) {
        if (static_cast<int>(rows.size()) >= maxRows) {
            break;
        }
        std::vector<long double> numbers = ImportLineNumbers(line);
        if (static_cast<int>(numbers.size()) == columnCount) {
            rows.push_back(std::move(numbers));
        }
    }
    return rows;
}

std::string ImportEntryText(long double value) {
    return formatGeneral(value, kImportDigits);
}

std::vector<std::string> ReadTextFileLines(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        throw Exception("Cannot open file " + fileName + ".");
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw Exception("Cannot read file " + fileName + ".");
    }
    return SplitTextLines(bytes);
}

}  // namespace quarlo
