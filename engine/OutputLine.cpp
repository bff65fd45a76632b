#include "OutputLine.h"

#include "DecimalDigits.h"

#include <cmath>
#include <cstdlib>
#include <string>

// Numbers are built digit by digit from their exact binary value (DecimalDigits), never
// through printf or streams, so the C locale and the runtime's rounding play no part.
// Rounding is half away from zero on the exact expansion, as common Fortran runtimes do.
// Two rules keep every output reproducible: a value that shows as zero in its field has
// no minus sign (negative zero included), and when a value below 1 in magnitude does not
// fit with its leading "0", the "0" is dropped before the field turns to asterisks.

namespace quarlo {

namespace {

void appendField(std::string& out, int width, const std::string& body) {
    if (width <= 0)
        return;
    if (static_cast<int>(body.size()) > width) {
        out.append(static_cast<std::size_t>(width), '*');
        return;
    }
    out.append(static_cast<std::size_t>(width) - body.size(), ' ');
    out += body;
}

// sign + "0" + rest, or sign + rest when the leading zero alone makes it too wide.
std::string withOptionalZero(int width, const std::string& sign, const std::string& rest) {
    std::string full = sign + "0" + rest;
    if (static_cast<int>(full.size()) <= width)
        return full;
    return sign + rest;
}

// NaN and infinities cannot be expressed in F or E form; they are named instead.
bool appendNonFinite(std::string& out, int width, Real value) {
    if (std::isnan(value)) {
        appendField(out, width, "NaN");
        return true;
    }
    if (std::isinf(value)) {
        const std::string sign = value < 0 ? "-" : "";
        const std::string word = static_cast<int>(sign.size()) + 8 <= width ? "Infinity" : "Inf";
        appendField(out, width, sign + word);
        return true;
    }
    return false;
}

std::string exponentPart(int exponent) {
    const int magnitude = std::abs(exponent);
    const char sign = exponent < 0 ? '-' : '+';
    if (magnitude > 999)
        return {};
    std::string digits = std::to_string(magnitude);
    if (magnitude > 99)
        return std::string(1, sign) + digits;   // three digits take the place of the "E"
    if (digits.size() < 2)
        digits.insert(digits.begin(), '0');
    return std::string("E") + sign + digits;
}

}  // namespace

OutputLine& OutputLine::x(int n) {
    if (n > 0)
        m_text.append(static_cast<std::size_t>(n), ' ');
    return *this;
}

OutputLine& OutputLine::text(std::string_view literal) {
    m_text.append(literal);
    return *this;
}

OutputLine& OutputLine::a(std::string_view field, int n) {
    if (n <= 0)
        return *this;
    const auto count = static_cast<std::size_t>(n);
    const std::string_view shown = field.substr(0, count);
    m_text.append(shown);
    m_text.append(count - shown.size(), ' ');
    return *this;
}

OutputLine& OutputLine::i(int width, long long value) {
    appendField(m_text, width, std::to_string(value));
    return *this;
}

OutputLine& OutputLine::f(int width, int decimals, Real value) {
    if (appendNonFinite(m_text, width, value))
        return *this;
    DecimalDigits number(value);
    number.roundToDecimals(decimals);
    const std::string sign = number.negative() && !number.zero() ? "-" : "";
    std::string fraction = ".";
    for (int j = 0; j < decimals; ++j)
        fraction += number.digit(number.exponent() + j);
    if (number.zero() || number.exponent() <= 0) {
        appendField(m_text, width, withOptionalZero(width, sign, fraction));
        return *this;
    }
    const std::string whole = number.digits().substr(0, static_cast<std::size_t>(number.exponent()));
    std::string body = sign + whole;
    body.append(static_cast<std::size_t>(number.exponent()) - whole.size(), '0');
    appendField(m_text, width, body + fraction);
    return *this;
}

OutputLine& OutputLine::e(int width, int decimals, Real value) {
    if (appendNonFinite(m_text, width, value))
        return *this;
    DecimalDigits number(value);
    number.roundToSignificant(decimals);
    const bool zero = number.zero();
    const std::string sign = number.negative() && !zero ? "-" : "";
    const std::string exponent = exponentPart(zero ? 0 : number.exponent());
    if (exponent.empty()) {
        if (width > 0)
            m_text.append(static_cast<std::size_t>(width), '*');
        return *this;
    }
    std::string mantissa = ".";
    for (int j = 0; j < decimals; ++j)
        mantissa += zero ? '0' : number.digit(j);
    appendField(m_text, width, withOptionalZero(width, sign, mantissa + exponent));
    return *this;
}

OutputLine& OutputLine::freeInt(long long value) {
    m_text += ' ';
    m_text += std::to_string(value);
    return *this;
}

}  // namespace quarlo
