#include "LongNumber.h"

#include <charconv>
#include <cstdlib>

#include "NumberFormat.h"

namespace quarlo {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kExponentDigits = 4;

struct Scientific {
    bool negative = false;
    std::string digits;  // significant digits, no point
    int exponent = 0;    // decimal exponent of the first digit
};

// Splits the general format's text (fixed or with an exponent) into sign, digits and
// exponent, so the rounding stays the one of formatGeneral.
Scientific splitGeneral(std::string_view text) {
    Scientific result;
    if (!text.empty() && text.front() == '-') {
        result.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t ePos = text.find('E');
    if (ePos != std::string_view::npos) {
        const std::string_view exponent = text.substr(ePos + 1);
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.exponent);
        text = text.substr(0, ePos);
    }
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (integer != "0") {
        result.digits = std::string(integer) + std::string(fraction);
        result.exponent += static_cast<int>(integer.size()) - 1;
        return result;
    }
    const std::size_t firstDigit = fraction.find_first_not_of('0');
    if (firstDigit == std::string_view::npos) {
        result.digits = "0";
        result.exponent = 0;
        result.negative = false;
        return result;
    }
    result.digits = std::string(fraction.substr(firstDigit));
    result.exponent -= static_cast<int>(firstDigit) + 1;
    return result;
}

}  // namespace

std::string formatLongNumber(long double value) {
    Scientific number = splitGeneral(formatGeneral(value, kSignificantDigits));
    number.digits.resize(kSignificantDigits, '0');
    std::string text(1, number.negative ? '-' : ' ');
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
