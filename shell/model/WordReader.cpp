#include "WordReader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "NumberFormat.h"

namespace quarlo {

namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";

// Blanks and control characters are trimmed around words; bytes above 127 (UTF-8 text in
// titles) are not.
bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

TWordReader::TWordReader(const std::string& fileName)
{
    // A directory opens like a file here but reads as nothing, which would pass for an
    // empty, incomplete file.
    std::error_code ignored;
    std::ifstream file(fileName, std::ios::binary);
    if (!file || std::filesystem::is_directory(fileName, ignored))
        throw EInOutError("Cannot open file " + fileName + ".");
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad())
        throw EInOutError("Cannot read file " + fileName + ".");
    Load(contents.str());
}

TWordReader TWordReader::FromText(std::string_view text)
{
    TWordReader reader;
    reader.Load(text);
    return reader;
}

// Lines end at LF, with or without CR before it; a last line without a line end counts, an
// empty file is one line without words.
void TWordReader::Load(std::string_view text)
{
    do {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        AddLine(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    } while (!text.empty());
}

void TWordReader::AddLine(std::string_view text)
{
    TWordContainer container{std::string(text), {}};
    std::string_view rest = trimmed(text);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
        container.Words.emplace_back(rest.substr(0, end));
        rest = trimmed(rest.substr(end));
    }
    m_lines.push_back(std::move(container));
}

std::string TWordReader::ReadLine()
{
    if (AtEnd())
        throw EInOutError(kIncomplete);
    std::string line = m_lines[m_lineIndex].Line;
    ++m_lineIndex;
    m_wordIndex = 0;
    return line;
}

const std::string& TWordReader::NextWord()
{
    if (AtEnd())
        throw EInOutError(kIncomplete);
    // Skips every used-up or wordless line, not just one, so that a blank line between
    // records does not stop the reading.
    while (m_wordIndex == m_lines[m_lineIndex].Words.size()) {
        ++m_lineIndex;
        m_wordIndex = 0;
        if (AtEnd())
            throw EInOutError(kIncomplete);
    }
    return m_lines[m_lineIndex].Words[m_wordIndex++];
}

void TWordReader::RaiseItemError(std::string_view expected) const
{
    throw EInOutError("Error on Line " + std::to_string(m_lineIndex + 1) + " Item " +
                      std::to_string(m_wordIndex) + "\r" + std::string(expected));
}

long double TWordReader::ReadFloat()
{
    const std::optional<long double> value = parseDecimal(NextWord());
    if (!value || !std::isfinite(*value))
        RaiseItemError("A floating point number was expected but not found.");
    return *value;
}

std::int32_t TWordReader::ReadInteger()
{
    const std::optional<long double> value = parseDecimal(NextWord());
    if (!value || *value != std::trunc(*value) || *value < -2147483648.0L || *value > 2147483647.0L)
        RaiseItemError("An integer was expected but not found.");
    return static_cast<std::int32_t>(*value);
}

}  // namespace quarlo
