#pragma once

#include <string>

namespace quarlo {

// The general number format used everywhere a value is shown or stored as text:
// `digits` significant digits, fixed notation when 0.0001 <= |x| < 10^digits, otherwise
// mantissa, "E" and the exponent (minus sign only when negative, no plus, at least
// `minExponentDigits` digits); trailing zeros and a bare decimal point are dropped; zero is
// "0". Always a full stop as decimal separator, whatever the locale.
std::string formatGeneral(long double value, int digits, int minExponentDigits = 0);

}  // namespace quarlo
