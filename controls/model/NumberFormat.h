#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarlo {

// The general number format used everywhere a value is shown or stored as text:
// `digits` significant digits, fixed notation when 0.0001 <= |x| < 10^digits, otherwise
// mantissa, "E" and the exponent (minus sign only when negative, no plus, at least
// `minExponentDigits` digits); trailing zeros and a bare decimal point are dropped; zero is
// "0". Always a full stop as decimal separator, whatever the locale.
std::string formatGeneral(long double value, int digits, int minExponentDigits = 0);

// A magnitude rounded to `digits` significant digits, halves away from zero, as
// formatGeneral rounds it: exactly `digits` digit characters (no point) and the decimal
// exponent of the first. For writers with a layout of their own (the long numbers of the
// project file). Zero gives all zeros and exponent 0.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits roundSignificant(long double magnitude, int digits);

// The one reader of decimal numbers in text: an optional sign, digits with an optional
// fractional part (".5" and "5." included) and an optional exponent introduced by E or e;
// the whole text must be the number. Always the full stop, whatever the locale; no blanks,
// no hexadecimal, no "inf" or "nan". A value beyond the extended range gives an infinity
// of its sign, one too small for it gives zero; nullopt for anything that is not a number.
std::optional<long double> parseDecimal(std::string_view text);

}  // namespace quarlo
