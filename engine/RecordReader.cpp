#include "RecordReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace quarlo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

enum class RealText { Number, NotANumber, TooLarge };

// True when a well-formed number text stands for a magnitude below 1, judged from its
// digits and exponent alone, so that even exponents beyond any floating type are judged.
bool belowOne(std::string_view text) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t e = text.find_first_of("Ee");
    const std::string_view mantissa = text.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (result.ec == std::errc::result_out_of_range)
            return !digits.empty() && digits.front() == '-';
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return true;
    const auto order = static_cast<long long>(point) - static_cast<long long>(first) - (first < point ? 1 : 0);
    return order + exponent < 0;
}

// Single precision read straight from the text, rounded once, as the engine's own input
// conversion does. Fortran's D exponent letter is accepted as well as E. A value too small
// for single precision reads as zero, as the usual input conversion gives it; one too large
// would be infinite and is refused.
RealText parseReal(std::string text, Real& value) {
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.erase(0, 1);
    if (text.empty() || text.front() == '+' || (text.front() == '-' && plus))
        return RealText::NotANumber;
    for (char& c : text) {
        if (c == 'd' || c == 'D')
            c = 'E';
        // from_chars would also take "inf" and "nan"; a project file never holds them.
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'E' || c == 'e' || c == '-' ||
              c == '+'))
            return RealText::NotANumber;
    }
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (result.ptr != end)
        return RealText::NotANumber;
    if (result.ec == std::errc::result_out_of_range) {
        if (!belowOne(text))
            return RealText::TooLarge;
        value = text.front() == '-' ? -0.0f : 0.0f;
        return RealText::Number;
    }
    return result.ec == std::errc() && std::isfinite(value) ? RealText::Number : RealText::NotANumber;
}

}  // namespace

std::string RecordReader::readFixed(std::string_view record, std::size_t width) {
    m_record = record;
    if (!fetchLine())
        fail(ReadError::Kind::EndOfFile, "", "");
    m_lineOpen = false;
    std::string field = m_line.substr(0, width);
    field.resize(width, ' ');
    return field;
}

void RecordReader::beginRecord(std::string_view record) {
    m_record = record;
    m_lineOpen = false;
}

bool RecordReader::fetchLine() {
    if (!std::getline(m_in, m_line))
        return false;
    if (!m_line.empty() && m_line.back() == '\r')
        m_line.pop_back();
    ++m_lineNumber;
    m_pos = 0;
    m_lineOpen = true;
    return true;
}

std::string RecordReader::nextToken(std::string_view item) {
    for (;;) {
        if (m_lineOpen) {
            while (m_pos < m_line.size() && isBlank(m_line[m_pos]))
                ++m_pos;
            if (m_pos < m_line.size())
                break;
        }
        if (!fetchLine())
            fail(ReadError::Kind::EndOfFile, item, "");
    }
    if (m_line[m_pos] == ',')
        fail(ReadError::Kind::BadValue, item, "an empty value between separators");
    const std::size_t start = m_pos;
    while (m_pos < m_line.size() && !isBlank(m_line[m_pos]) && m_line[m_pos] != ',')
        ++m_pos;
    std::string token = m_line.substr(start, m_pos - start);
    // A comma belongs to the separator in front of the next value.
    while (m_pos < m_line.size() && isBlank(m_line[m_pos]))
        ++m_pos;
    if (m_pos < m_line.size() && m_line[m_pos] == ',')
        ++m_pos;
    return token;
}

int RecordReader::readInt(std::string_view item) {
    const std::string token = nextToken(item);
    // One sign at most: "+-5" is no integer.
    const bool plus = token.size() > 1 && token.front() == '+' && token[1] != '-';
    const char* begin = token.data() + (plus ? 1 : 0);
    const char* end = token.data() + token.size();
    int value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range)
        fail(ReadError::Kind::BadValue, item, "\"" + token + "\" is too large for an integer");
    if (result.ec != std::errc() || result.ptr != end)
        fail(ReadError::Kind::BadValue, item, "\"" + token + "\" is not an integer");
    return value;
}

Real RecordReader::readReal(std::string_view item) {
    const std::string token = nextToken(item);
    Real value = 0;
    switch (parseReal(token, value)) {
    case RealText::Number:
        return value;
    case RealText::TooLarge:
        fail(ReadError::Kind::BadValue, item, "\"" + token + "\" is too large for a single-precision number");
    case RealText::NotANumber:
        break;
    }
    fail(ReadError::Kind::BadValue, item, "\"" + token + "\" is not a number");
}

int RecordReader::readCount(std::string_view item) {
    const int value = readInt(item);
    if (value < 0)
        fail(ReadError::Kind::NegativeCount, item,
             "the count " + std::to_string(value) + " is negative");
    return value;
}

void RecordReader::fail(ReadError::Kind kind, std::string_view item, const std::string& detail) const {
    std::string where = m_record;
    if (!item.empty())
        where += ", " + std::string(item);
    if (kind == ReadError::Kind::EndOfFile)
        throw ReadError(kind, where, m_lineNumber + 1,
                        "the file ends after line " + std::to_string(m_lineNumber));
    throw ReadError(kind, where, m_lineNumber, detail);
}

}  // namespace quarlo
