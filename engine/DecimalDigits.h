#pragma once

#include "Real.h"

#include <cstdint>

namespace quarlo {

// The exact decimal expansion of a single-precision value, as 0.DIGITS x 10^exponent,
// rounded to a chosen position. Every float is a finite binary fraction, so its decimal
// expansion is finite too; rounding that exact expansion half away from zero gives the
// same digits the common Fortran runtimes print, independent of any intermediate
// double-precision or library rounding.
//
// The report writes hundreds of thousands of numbers, so no number may cost a heap
// allocation: the digits live in the object. Most floats are held as one 128-bit integer
// until they are rounded, and only the digits that are kept are ever written out.
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
    char digit(int i) const {
        if (m_integer)
            writeOut();
        return i >= 0 && i < m_count ? m_digits[i] : '0';
    }

    // Writes the n digits from significant position `first` on to out; returns their end.
    char* copyDigits(char* out, int first, int n) const;

    // A float's exact expansion has at most 112 significant digits.
    static constexpr int maxDigits = 120;

private:
    __extension__ typedef unsigned __int128 Wide;

    bool holdExactly(Real magnitude);
    void expandThroughDouble(Real magnitude);
    void roundInteger(int count);
    void roundWrittenDigits(int count);
    void setDigits(Wide n) const;
    void writeOut() const { setDigits(m_value); }

    bool m_negative = false;
    int m_exponent = 0;
    int m_count = 0;           // significant digits held, the first never 0
    // While true the digits are those of m_value and not yet written out: rounding an
    // integer is cheaper than writing all its digits and rounding those.
    mutable bool m_integer = false;
    Wide m_value = 0;
    // While m_fives > 0, m_value is m_odd x 5^m_fives: the value's M x 2^-m_fives scaled
    // by 10^m_fives, which lets rounding drop digits by shifting instead of dividing.
    std::uint32_t m_odd = 0;
    int m_fives = 0;
    mutable char m_digits[maxDigits];
};

}  // namespace quarlo
