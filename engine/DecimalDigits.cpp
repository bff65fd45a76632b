#include "DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quarlo {

namespace {

// A float's exact expansion has at most 112 significant decimal digits; asking for more
// from the double conversion makes it exact, so no library rounding is involved.
constexpr int kExactPrecision = 120;

}  // namespace

DecimalDigits::DecimalDigits(Real value) {
    m_negative = std::signbit(value);
    const double magnitude = std::fabs(static_cast<double>(value));
    if (magnitude == 0.0) {
        m_digits = "0";
        return;
    }
    char buffer[kExactPrecision + 16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kExactPrecision);
    // Layout: d.ddddde[+-]xx
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto ePos = text.find('e');
    m_digits.push_back(text[0]);
    m_digits.append(text.substr(2, ePos - 2));
    int exponent10 = 0;
    const char* expBegin = text.data() + ePos + 1;
    if (*expBegin == '+')
        ++expBegin;
    std::from_chars(expBegin, text.data() + text.size(), exponent10);
    m_exponent = exponent10 + 1;
    const auto last = m_digits.find_last_not_of('0');
    m_digits.resize(last + 1);
}

char DecimalDigits::digit(int i) const {
    return i >= 0 && i < static_cast<int>(m_digits.size()) ? m_digits[static_cast<std::size_t>(i)] : '0';
}

void DecimalDigits::roundToSignificant(int count) {
    if (zero())
        return;
    const bool roundUp = digit(count) >= '5';
    if (count <= 0) {
        // Nothing is kept: the value becomes 0, or one unit in the last kept position.
        m_digits = roundUp ? "1" : "0";
        m_exponent = roundUp ? m_exponent - count + 1 : 0;
        return;
    }
    m_digits.resize(static_cast<std::size_t>(count), '0');
    if (!roundUp)
        return;
    int i = count - 1;
    while (i >= 0 && m_digits[static_cast<std::size_t>(i)] == '9') {
        m_digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++m_digits[static_cast<std::size_t>(i)];
    } else {
        // 0.999.. rounded up to 1.000..: one more digit in front, same count kept.
        m_digits.insert(m_digits.begin(), '1');
        m_digits.pop_back();
        ++m_exponent;
    }
}

}  // namespace quarlo
