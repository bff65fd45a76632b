#include "NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quarlo {

namespace {

// More digits than an 80-bit value can ever hold meaningfully.
constexpr int kMaxDigits = 40;

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
SignificantDigits exactDigits(long double magnitude)
{
    const int count = exactDigitCount(magnitude);
    std::string buffer(static_cast<std::size_t>(count) + 16, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t ePos = text.find('e');

    SignificantDigits exact;
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

void dropTrailingZeros(std::string& digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

std::string fixedNotation(const SignificantDigits& rounded)
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

std::string exponentNotation(const SignificantDigits& rounded, int minExponentDigits)
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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// True when `text` (sign already removed) is digits, optional fraction, optional exponent.
bool isDecimalSyntax(std::string_view text)
{
    std::size_t at = skipDigits(text, 0);
    bool anyDigit = at > 0;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionEnd = skipDigits(text, at + 1);
        anyDigit = anyDigit || fractionEnd > at + 1;
        at = fractionEnd;
    }
    if (!anyDigit)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponentEnd = skipDigits(text, at);
        if (exponentEnd == at)
            return false;
        at = exponentEnd;
    }
    return at == text.size();
}

// Decimal exponent of the first significant digit, for telling overflow from underflow
// when the value is out of range; saturates instead of overflowing on absurd exponents.
long long leadingExponent(std::string_view text)
{
    const std::size_t ePos = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, ePos);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    long long exponent = first < point ? static_cast<long long>(point - first) - 1
                                       : -static_cast<long long>(first - point);
    if (ePos == std::string_view::npos)
        return exponent;
    std::string_view digits = text.substr(ePos + 1);
    const bool negative = digits.front() == '-';
    if (digits.front() == '-' || digits.front() == '+')
        digits.remove_prefix(1);
    long long written = 0;
    for (char c : digits)
        written = std::min(written * 10 + (c - '0'), 1'000'000'000LL);
    return exponent + (negative ? -written : written);
}

}  // namespace

std::optional<long double> parseDecimal(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (!isDecimalSyntax(text))
        return std::nullopt;

    long double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = leadingExponent(text) > 0 ? HUGE_VALL : 0.0L;
    else if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

// Decimal rounding with halves away from zero, as an engineer rounds by hand: 0.125 to two
// digits is 0.13.
SignificantDigits roundSignificant(long double magnitude, int digits)
{
    digits = std::clamp(digits, 1, kMaxDigits);
    SignificantDigits rounded = exactDigits(magnitude);
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
    const SignificantDigits rounded = roundSignificant(std::fabs(value), digits);
    const bool fixed = rounded.exponent >= -4 && rounded.exponent < digits;
    const std::string text =
        fixed ? fixedNotation(rounded) : exponentNotation(rounded, minExponentDigits);
    return std::signbit(value) ? "-" + text : text;
}

}  // namespace quarlo
