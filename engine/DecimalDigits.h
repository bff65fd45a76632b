#pragma once

#include "Real.h"

namespace quarlo {

// The exact decimal expansion of a single-precision value, as 0.DIGITS x 10^exponent,
// rounded to a chosen position. Every float is a finite binary fraction, so its decimal
// expansion is finite too; rounding that exact expansion half away from zero gives the
// same digits the common Fortran runtimes print, independent of any intermediate
// double-precision or library rounding.
//
// The digits live in the object itself: the report writes hundreds of thousands of
// numbers, and no number may cost a heap allocation.
class DecimalDigits {
public:
    // value must be finite; a NaN or an infinity gives the digits of zero.
    explicit DecimalDigits(Real value);

    bool negative() const { return m_negative; }
    // True when no digit is left (the value, or what rounding left of it, is zero).
    bool zero() const { return m_count == 0; }
    // Position of the decimal point: value = 0.digits x 10^exponent().
    int exponent() const { return m_exponent; }

    // Keeps `count` significant digits (count may be 0 or negative: nothing is kept and
    // the value rounds to 0 or to one unit of the first dropped position).
    void roundToSignificant(int count);
    // Keeps `decimals` digits after the decimal point.
    void roundToDecimals(int decimals) { roundToSignificant(m_exponent + decimals); }

    // The digit at significant position i (0-based), '0' beyond the stored ones.
    char digit(int i) const { return i >= 0 && i < m_count ? m_digits[i] : '0'; }

    // A float's exact expansion has at most 112 significant digits.
    static constexpr int maxDigits = 120;

private:
    bool expandExactly(Real magnitude);
    void expandThroughDouble(Real magnitude);
    void dropTrailingZeros();

    bool m_negative = false;
    int m_exponent = 0;
    int m_count = 0;              // stored digits, the first never '0'
    char m_digits[maxDigits];
};

}  // namespace quarlo
