#pragma once

#include "Real.h"

#include <string>

namespace quarlo {

// The exact decimal expansion of a single-precision value, as 0.DIGITS x 10^exponent,
// rounded to a chosen position. Every float is a finite binary fraction, so its decimal
// expansion is finite too; rounding that exact expansion half away from zero gives the
// same digits the common Fortran runtimes print, independent of any intermediate
// double-precision or library rounding.
class DecimalDigits {
public:
    explicit DecimalDigits(Real value);

    bool negative() const { return m_negative; }
    // True when every kept digit is 0 (the value, or what rounding left of it, is zero).
    bool zero() const { return m_digits.find_first_not_of('0') == std::string::npos; }
    // Position of the decimal point: value = 0.digits() x 10^exponent().
    int exponent() const { return m_exponent; }
    const std::string& digits() const { return m_digits; }

    // Keeps `count` significant digits (count may be 0 or negative: nothing is kept and
    // the value rounds to 0 or to one unit of the first dropped position).
    void roundToSignificant(int count);
    // Keeps `decimals` digits after the decimal point.
    void roundToDecimals(int decimals) { roundToSignificant(m_exponent + decimals); }

    // The digit at significant position i (0-based), '0' beyond the stored ones.
    char digit(int i) const;

private:
    bool m_negative = false;
    int m_exponent = 0;
    std::string m_digits;   // no leading zero unless the value is zero
};

}  // namespace quarlo
