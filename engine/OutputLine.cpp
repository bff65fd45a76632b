#include "OutputLine.h"

#include "DecimalDigits.h"

#include <algorithm>
#include <charconv>
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

// Appends a right-aligned field of `width` for a body of `length` characters and returns
// where the body goes, so that the number is written in place; a body that does not fit
// fills the field with asterisks instead and nullptr comes back. A width of 0 or less
// writes nothing.
char* placeField(std::string& out, int width, int length) {
    if (width <= 0)
        return nullptr;
    const auto w = static_cast<std::size_t>(width);
    if (length > width) {
        out.append(w, '*');
        return nullptr;
    }
    const std::size_t start = out.size();
    out.resize(start + w, ' ');
    return out.data() + start + (w - static_cast<std::size_t>(length));
}

// A number's field up to its first digit or point: the sign, then a "0" in front when the
// number has no whole digits (belowOne) and the zero still fits; `rest` characters follow,
// written by the caller at the place returned.
char* placeNumber(std::string& out, int width, bool minus, bool belowOne, int rest) {
    int length = (minus ? 1 : 0) + rest;
    const bool leadingZero = belowOne && length + 1 <= width;
    if (leadingZero)
        ++length;
    char* place = placeField(out, width, length);
    if (place == nullptr)
        return nullptr;
    if (minus)
        *place++ = '-';
    if (leadingZero)
        *place++ = '0';
    return place;
}

void appendField(std::string& out, int width, std::string_view body) {
    if (char* place = placeField(out, width, static_cast<int>(body.size())))
        body.copy(place, body.size());
}

// NaN and infinities cannot be expressed in F or E form; they are named instead.
void appendNonFinite(std::string& out, int width, Real value) {
    if (std::isnan(value)) {
        appendField(out, width, "NaN");
        return;
    }
    const std::string sign = value < 0 ? "-" : "";
    const std::string word = static_cast<int>(sign.size()) + 8 <= width ? "Infinity" : "Inf";
    appendField(out, width, sign + word);
}

// The exponent takes four characters: E, sign and two digits, or sign and three digits
// in place of the E.
constexpr int kExponentLength = 4;

char* putExponent(char* place, int exponent) {
    const int magnitude = std::abs(exponent);
    if (magnitude <= 99)
        *place++ = 'E';
    *place++ = exponent < 0 ? '-' : '+';
    if (magnitude > 99)
        *place++ = static_cast<char>('0' + magnitude / 100);
    *place++ = static_cast<char>('0' + magnitude / 10 % 10);
    *place++ = static_cast<char>('0' + magnitude % 10);
    return place;
}

}  // namespace

OutputLine::OutputLine() {
    // Room for the widest line of the report, so building a line allocates once.
    m_text.reserve(128);
}

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
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendField(m_text, width, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    return *this;
}

OutputLine& OutputLine::f(int width, int decimals, Real value) {
    if (!std::isfinite(value)) {
        appendNonFinite(m_text, width, value);
        return *this;
    }
    DecimalDigits number(value);
    number.roundToDecimals(decimals);
    const bool minus = number.negative() && !number.zero();
    const int whole = number.zero() ? 0 : std::max(number.exponent(), 0);
    const int fraction = std::max(decimals, 0);
    char* place = placeNumber(m_text, width, minus, whole == 0, whole + 1 + fraction);
    if (place == nullptr)
        return *this;
    place = number.copyDigits(place, 0, whole);
    *place++ = '.';
    number.copyDigits(place, number.exponent(), fraction);
    return *this;
}

OutputLine& OutputLine::e(int width, int decimals, Real value) {
    if (!std::isfinite(value)) {
        appendNonFinite(m_text, width, value);
        return *this;
    }
    DecimalDigits number(value);
    number.roundToSignificant(decimals);
    const bool zero = number.zero();
    const bool minus = number.negative() && !zero;
    const int exponent = zero ? 0 : number.exponent();
    if (std::abs(exponent) > 999) {
        if (width > 0)
            m_text.append(static_cast<std::size_t>(width), '*');
        return *this;
    }
    const int mantissa = std::max(decimals, 0);
    char* place = placeNumber(m_text, width, minus, true, 1 + mantissa + kExponentLength);
    if (place == nullptr)
        return *this;
    *place++ = '.';
    putExponent(number.copyDigits(place, 0, mantissa), exponent);
    return *this;
}

OutputLine& OutputLine::freeInt(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_text += ' ';
    m_text.append(buffer, result.ptr);
    return *this;
}

}  // namespace quarlo
