#include "OutputLine.h"

#include "DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

// Numbers are built digit by digit from their exact binary value (DecimalDigits), never
// through printf or streams, so the C locale and the runtime's rounding play no part.
// Rounding is half away from zero on the exact expansion, as common Fortran runtimes do.
// Two rules keep every output reproducible: a value that shows as zero in its field has
// no minus sign (negative zero included), and when a value below 1 in magnitude does not
// fit with its leading "0", the "0" is dropped before the field turns to asterisks.

namespace quarlo {

namespace {

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
    m_storage.resize(128);
}

void OutputLine::grow(std::size_t size) {
    m_storage.resize(std::max(size, 2 * m_storage.size()));
}

// Appends a right-aligned field of `width` for a body of `length` characters and returns
// where the body goes, so that the number is written in place; a body that does not fit
// fills the field with asterisks instead and nullptr comes back. A width of 0 or less
// writes nothing.
char* OutputLine::placeField(int width, int length) {
    if (width <= 0)
        return nullptr;
    const auto w = static_cast<std::size_t>(width);
    char* place = room(w);
    if (length > width) {
        std::memset(place, '*', w);
        return nullptr;
    }
    const std::size_t blanks = w - static_cast<std::size_t>(length);
    fillBlanks(place, blanks);
    return place + blanks;
}

// A number's field up to its first digit or point: the sign, then a "0" in front when the
// number has no whole digits (belowOne) and the zero still fits; `rest` characters follow,
// written by the caller at the place returned.
char* OutputLine::placeNumber(int width, bool minus, bool belowOne, int rest) {
    int length = (minus ? 1 : 0) + rest;
    const bool leadingZero = belowOne && length + 1 <= width;
    if (leadingZero)
        ++length;
    char* place = placeField(width, length);
    if (place == nullptr)
        return nullptr;
    if (minus)
        *place++ = '-';
    if (leadingZero)
        *place++ = '0';
    return place;
}

void OutputLine::appendField(int width, std::string_view body) {
    if (char* place = placeField(width, static_cast<int>(body.size())))
        body.copy(place, body.size());
}

// NaN and infinities cannot be expressed in F or E form; they are named instead.
void OutputLine::appendNonFinite(int width, Real value) {
    if (std::isnan(value)) {
        appendField(width, "NaN");
        return;
    }
    const std::string sign = value < 0 ? "-" : "";
    const std::string word = static_cast<int>(sign.size()) + 8 <= width ? "Infinity" : "Inf";
    appendField(width, sign + word);
}

OutputLine& OutputLine::a(std::string_view field, int n) {
    if (n <= 0)
        return *this;
    const auto count = static_cast<std::size_t>(n);
    const std::string_view shown = field.substr(0, count);
    char* place = room(count);
    shown.copy(place, shown.size());
    std::memset(place + shown.size(), ' ', count - shown.size());
    return *this;
}

OutputLine& OutputLine::i(int width, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendField(width, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    return *this;
}

OutputLine& OutputLine::f(int width, int decimals, Real value) {
    if (!std::isfinite(value)) {
        appendNonFinite(width, value);
        return *this;
    }
    DecimalDigits number(value);
    number.roundToDecimals(decimals);
    const bool minus = number.negative() && !number.zero();
    const int whole = number.zero() ? 0 : std::max(number.exponent(), 0);
    const int fraction = std::max(decimals, 0);
    char* place = placeNumber(width, minus, whole == 0, whole + 1 + fraction);
    if (place == nullptr)
        return *this;
    if (whole > 0) {
        // The fraction's digits follow the whole ones: all are written in one go and the
        // fraction moved over to make room for the point.
        number.copyDigits(place, 0, whole + fraction);
        std::memmove(place + whole + 1, place + whole, static_cast<std::size_t>(fraction));
        place[whole] = '.';
        return *this;
    }
    *place++ = '.';
    number.copyDigits(place, number.exponent(), fraction);
    return *this;
}

OutputLine& OutputLine::e(int width, int decimals, Real value) {
    if (!std::isfinite(value)) {
        appendNonFinite(width, value);
        return *this;
    }
    DecimalDigits number(value);
    number.roundToSignificant(decimals);
    const bool zero = number.zero();
    const bool minus = number.negative() && !zero;
    const int exponent = zero ? 0 : number.exponent();
    if (std::abs(exponent) > 999) {
        if (width > 0)
            std::memset(room(static_cast<std::size_t>(width)), '*', static_cast<std::size_t>(width));
        return *this;
    }
    const int mantissa = std::max(decimals, 0);
    char* place = placeNumber(width, minus, true, 1 + mantissa + kExponentLength);
    if (place == nullptr)
        return *this;
    *place++ = '.';
    putExponent(number.copyDigits(place, 0, mantissa), exponent);
    return *this;
}

OutputLine& OutputLine::freeInt(long long value) {
    char buffer[24];
    buffer[0] = ' ';
    const auto result = std::to_chars(buffer + 1, buffer + sizeof buffer, value);
    return text(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// The shortest decimal text that reads back to the same value; to_chars depends on no locale.
OutputLine& OutputLine::freeReal(Real value) {
    char buffer[32];
    buffer[0] = ' ';
    const auto result = std::to_chars(buffer + 1, buffer + sizeof buffer, value);
    return text(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

}  // namespace quarlo
