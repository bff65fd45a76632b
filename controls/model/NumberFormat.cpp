#include "NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quarlo {

namespace {

// More digits than an 80-bit value can ever hold meaningfully.
constexpr int kMaxDigits = 40;

// The value rounded to `digits` significant digits: the digit string (exactly `digits`
// characters, no point) and the decimal exponent of its first digit.
struct RoundedDigits {
    std::string digits;
    int exponent = 0;
};

// Enough significant digits to write the binary value exactly: an 80-bit value is
// M * 2^q with a 64-bit M, whose decimal expansion ends after -q fractional digits.
int exactDigitCount(long double magnitude)
{
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    const int integerDigits = static_cast<int>(std::floor(binaryExponent * 0.30103)) + 2;
    return std::max(1, integerDigits + std::max(0, 64 - binaryExponent));
}

// The exact decimal expansion: to_chars works on the binary value itself, never through a
// double, and with this many digits it has nothing left to round.
RoundedDigits exactDigits(long double magnitude)
{
    const int count = exactDigitCount(magnitude);
    std::string buffer(static_cast<std::size_t>(count) + 16, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t ePos = text.find('e');

    RoundedDigits exact;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            exact.digits.push_back(c);
    const std::string_view exponentText = text.substr(ePos + 1);
    const char* first = exponentText.data();
    if (*first == '+')
        ++first;
    std::from_chars(first, exponentText.data() + exponentText.size(), exact.exponent);
    return exact;
}

// Decimal rounding with halves away from zero, as an engineer rounds by hand: 0.125 to two
// digits is 0.13.
RoundedDigits roundToDigits(long double magnitude, int digits)
{
    RoundedDigits rounded = exactDigits(magnitude);
    const auto keep = static_cast<std::size_t>(digits);
    if (rounded.digits.size() < keep)
        rounded.digits.append(keep - rounded.digits.size(), '0');
    const bool roundUp = rounded.digits.size() > keep && rounded.digits[keep] >= '5';
    rounded.digits.resize(keep);
    if (!roundUp)
        return rounded;
    std::size_t i = keep;
    while (i > 0 && rounded.digits[i - 1] == '9')
        rounded.digits[--i] = '0';
    if (i == 0) {
        rounded.digits.insert(rounded.digits.begin(), '1');
        rounded.digits.pop_back();
        ++rounded.exponent;
    } else {
        ++rounded.digits[i - 1];
    }
    return rounded;
}

void dropTrailingZeros(std::string& digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

std::string fixedNotation(const RoundedDigits& rounded)
{
    std::string digits = rounded.digits;
    const int pointAt = rounded.exponent + 1;  // digits before the decimal point
    if (pointAt <= 0) {
        dropTrailingZeros(digits);
        return "0." + std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    }
    std::string integerPart = digits.substr(0, static_cast<std::size_t>(pointAt));
    std::string fraction = digits.substr(static_cast<std::size_t>(pointAt));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? integerPart : integerPart + "." + fraction;
}

std::string exponentNotation(const RoundedDigits& rounded, int minExponentDigits)
{
    std::string digits = rounded.digits;
    dropTrailingZeros(digits);
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    text += 'E';
    if (rounded.exponent < 0)
        text += '-';
    std::string exponent = std::to_string(std::abs(rounded.exponent));
    if (static_cast<int>(exponent.size()) < minExponentDigits)
        exponent.insert(0, static_cast<std::size_t>(minExponentDigits) - exponent.size(), '0');
    return text + exponent;
}

}  // namespace

std::string formatGeneral(long double value, int digits, int minExponentDigits)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    digits = std::clamp(digits, 1, kMaxDigits);
    // The notation follows the rounded value, so 99999999.7 at 8 digits is 1E8, not 100000000.
    const RoundedDigits rounded = roundToDigits(std::fabs(value), digits);
    const bool fixed = rounded.exponent >= -4 && rounded.exponent < digits;
    const std::string text =
        fixed ? fixedNotation(rounded) : exponentNotation(rounded, minExponentDigits);
    return std::signbit(value) ? "-" + text : text;
}

}  // namespace quarlo
