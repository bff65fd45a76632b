#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quarlo::verification {

namespace {

// A finite non-zero value as decimal digits d1 d2 ... (d1 not 0) and the exponent of d1.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Rounded to `significant` digits, halves away from zero, as a printed value is rounded
// everywhere else in the program; trailing zeros dropped.
void roundTo(Decimal& d, int significant)
{
    const auto keep = static_cast<std::size_t>(significant);
    if (d.digits.size() > keep) {
        const bool up = d.digits[keep] >= '5';
        d.digits.resize(keep);
        for (std::size_t i = keep; up; --i) {
            if (i == 0) {
                d.digits.insert(d.digits.begin(), '1');
                d.digits.pop_back();
                ++d.exponent;
                break;
            }
            if (d.digits[i - 1] != '9') {
                ++d.digits[i - 1];
                break;
            }
            d.digits[i - 1] = '0';
        }
    }
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 1 : last + 1);
}

// The value's decimal digits to 15 significant digits, as a calculator shows them: the
// binary noise of a worked-out value (1.0546874999999998 for 0.01 / 0.0256 x 0.3 x 9) is gone,
// and the display then rounds what a reader would round (1.0546875 to 1.054688).
Decimal decimalOf(double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, written.ptr);
    Decimal d;
    d.negative = text.front() == '-';
    const std::size_t e = text.find('e');
    for (std::size_t i = d.negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    d.exponent = std::stoi(text.substr(e + 1));
    roundTo(d, 15);
    return d;
}

std::string scientificText(const Decimal& d)
{
    std::string text = d.negative ? "-" : "";
    text += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent);
}

std::string fixedText(const Decimal& d)
{
    std::string text = d.negative ? "-" : "";
    if (d.exponent < 0)
        return text + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    const auto whole = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole)
        return text + d.digits + std::string(whole - d.digits.size(), '0');
    return text + d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

std::string nonFiniteText(double value)
{
    return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
}

}  // namespace

std::string numberText(double value, int significant)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return nonFiniteText(value);
    Decimal d = decimalOf(value);
    roundTo(d, significant);
    if (d.exponent < -4 || d.exponent >= significant)
        return scientificText(d);
    return fixedText(d);
}

std::string quantityText(double value, const std::string& unit)
{
    return numberText(value, 7) + (unit.empty() ? "" : " " + unit);
}

std::string ratioText(double value)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return nonFiniteText(value);
    Decimal d = decimalOf(value);
    roundTo(d, 2);
    return scientificText(d);
}

}  // namespace quarlo::verification
