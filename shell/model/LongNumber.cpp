#include "LongNumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "NumberFormat.h"

namespace quarlo {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kExponentDigits = 4;

}  // namespace

std::string formatLongNumber(long double value) {
    // Not a number a table can hold; written as the general format shows it, so the file
    // tells what went wrong rather than a made-up number.
    if (!std::isfinite(value)) {
        return (std::signbit(value) ? "" : " ") + formatGeneral(value, kSignificantDigits);
    }
    const SignificantDigits number = roundSignificant(std::fabs(value), kSignificantDigits);
    const bool zero = number.digits.find_first_not_of('0') == std::string::npos;
    std::string text(1, value < 0 && !zero ? '-' : ' ');
    text += number.digits.front();
    text += '.';
    text += number.digits.substr(1);
    text += 'E';
    text += number.exponent < 0 ? '-' : '+';
    char exponent[8];
    const auto end = std::to_chars(exponent, exponent + sizeof exponent, std::abs(number.exponent)).ptr;
    const auto length = static_cast<int>(end - exponent);
    text.append(static_cast<std::size_t>(length < kExponentDigits ? kExponentDigits - length : 0), '0');
    text.append(exponent, end);
    return text;
}

}  // namespace quarlo
