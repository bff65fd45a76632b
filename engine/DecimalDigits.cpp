#include "DecimalDigits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace quarlo {

namespace {

// A float is M x 2^e with M below 2^24. For e >= 0 the integer M x 2^e, and for e down to
// about -44 the integer M x 5^-e (the value times 10^-e), fit in 128 bits, which covers
// every value from about 5E-7 up to the largest float: their digits come from integer
// arithmetic alone. The rest go through an exact double conversion.
__extension__ typedef unsigned __int128 Wide;

constexpr int kMaxPow5 = 55;   // 5^55 < 2^128 <= 5^56

template <std::size_t Count>
constexpr std::array<Wide, Count> powersOf(unsigned base) {
    std::array<Wide, Count> powers{};
    Wide p = 1;
    for (Wide& power : powers) {
        power = p;
        p *= base;
    }
    return powers;
}

constexpr auto kPow5 = powersOf<kMaxPow5 + 1>(5);

// The largest M for which M x 5^k still fits.
constexpr std::array<Wide, kMaxPow5 + 1> kPow5Limit = [] {
    std::array<Wide, kMaxPow5 + 1> limits{};
    for (std::size_t k = 0; k < limits.size(); ++k)
        limits[k] = ~Wide(0) / kPow5[k];
    return limits;
}();

constexpr int kMaxPow10 = 38;   // 10^38 < 2^128 < 10^39

constexpr auto kPow10 = powersOf<kMaxPow10 + 1>(10);

Wide pow10(int n) { return kPow10[static_cast<std::size_t>(n)]; }

// Decimal digits of n > 0: from its bit length, corrected by one comparison.
int digitCount(Wide n) {
    const auto high = static_cast<std::uint64_t>(n >> 64);
    const int bits = high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(static_cast<std::uint64_t>(n));
    const int guess = bits * 1233 >> 12;   // 1233 / 4096 is just below log10(2): never too many
    return guess + (n >= pow10(guess) ? 1 : 0);
}

// n / d and n % d, in 64 bits when n allows it (d <= n then fits as well).
Wide quotient(Wide n, Wide d, Wide& remainder) {
    if (n <= UINT64_MAX) {
        const auto n64 = static_cast<std::uint64_t>(n);
        const auto d64 = static_cast<std::uint64_t>(d);
        remainder = n64 % d64;
        return n64 / d64;
    }
    const Wide q = n / d;
    remainder = n - q * d;
    return q;
}

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int n = 0; n < 100; ++n) {
        pairs[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
        pairs[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000ULL;

char* putPair(char* end, std::uint64_t pair) {
    end -= 2;
    std::memcpy(end, kDigitPairs.data() + 2 * pair, 2);
    return end;
}

// The digits of v (v > 0) ending just before `end`; returns where they begin.
char* putDigits(char* end, std::uint64_t v) {
    while (v >= 100) {
        end = putPair(end, v % 100);
        v /= 100;
    }
    if (v >= 10)
        return putPair(end, v);
    *--end = static_cast<char>('0' + v);
    return end;
}

// Exactly 19 digits of v < 10^19, leading zeros included.
char* putNineteenDigits(char* end, std::uint64_t v) {
    for (int n = 0; n < 9; ++n) {
        end = putPair(end, v % 100);
        v /= 100;
    }
    *--end = static_cast<char>('0' + v);
    return end;
}

char* putDigits(char* end, Wide n) {
    while (n > UINT64_MAX) {
        const Wide q = n / kTen19;
        end = putNineteenDigits(end, static_cast<std::uint64_t>(n - q * kTen19));
        n = q;
    }
    return putDigits(end, static_cast<std::uint64_t>(n));
}

}  // namespace

DecimalDigits::DecimalDigits(Real value) {
    m_negative = std::signbit(value);
    const Real magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude))
        return;
    if (!holdExactly(magnitude))
        expandThroughDouble(magnitude);
}

bool DecimalDigits::holdExactly(Real magnitude) {
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    const std::uint32_t biased = bits >> 23;
    std::uint32_t M = bits & 0x7FFFFFu;
    int e2 = -149;   // subnormals
    if (biased != 0) {
        M |= 0x800000u;
        e2 = static_cast<int>(biased) - 150;
    }
    const int shift = std::countr_zero(M);
    M >>= shift;
    e2 += shift;

    int fractionDigits = 0;
    if (e2 >= 0) {
        m_value = Wide(M) << e2;
    } else {
        const auto k = static_cast<std::size_t>(-e2);
        if (k > kMaxPow5 || M > kPow5Limit[k])
            return false;
        m_value = Wide(M) * kPow5[k];
        fractionDigits = static_cast<int>(k);
        m_odd = M;
        m_fives = fractionDigits;
    }
    m_count = digitCount(m_value);
    m_exponent = m_count - fractionDigits;
    m_integer = true;
    return true;
}

// A float's exact expansion has at most 112 significant digits; asking the double
// conversion for 120 makes it exact, so no library rounding is involved.
void DecimalDigits::expandThroughDouble(Real magnitude) {
    constexpr int kExactPrecision = 120;
    char buffer[kExactPrecision + 16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(magnitude),
                                      std::chars_format::scientific, kExactPrecision);
    // Layout: d.ddddde[+-]xx
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto ePos = text.find('e');
    m_digits[0] = text[0];
    const std::string_view fraction = text.substr(2, ePos - 2);
    const std::size_t kept = std::min<std::size_t>(fraction.size(), maxDigits - 1);
    std::memcpy(m_digits + 1, fraction.data(), kept);
    m_count = static_cast<int>(kept) + 1;
    while (m_digits[m_count - 1] == '0')
        --m_count;
    int exponent10 = 0;
    const char* expBegin = text.data() + ePos + 1;
    if (*expBegin == '+')
        ++expBegin;
    std::from_chars(expBegin, text.data() + text.size(), exponent10);
    m_exponent = exponent10 + 1;
}

// n has exactly m_count digits.
void DecimalDigits::setDigits(Wide n) const {
    putDigits(m_digits + m_count, n);
    m_integer = false;
}

char* DecimalDigits::copyDigits(char* out, int first, int n) const {
    if (n <= 0)
        return out;
    if (m_integer && first == 0 && n >= m_count && m_count > 0) {
        // The usual E and F fields: the kept digits straight from the integer, then the
        // zeros that follow them.
        putDigits(out + m_count, m_value);
        for (char* zero = out + m_count; zero < out + n; ++zero)
            *zero = '0';   // mostly none or a few: not worth a library call
        return out + n;
    }
    if (m_integer)
        writeOut();
    std::memset(out, '0', static_cast<std::size_t>(n));
    const int from = std::max(first, 0);
    const int to = std::min(first + n, m_count);
    if (from < to)
        std::memcpy(out + (from - first), m_digits + from, static_cast<std::size_t>(to - from));
    return out + n;
}

void DecimalDigits::roundToSignificant(int count) {
    if (zero() || count >= m_count)
        return;   // every dropped digit is 0
    if (count <= 0) {
        // Nothing is kept: the value becomes 0, or one unit in the last kept position.
        const bool roundUp = count == 0 && digit(0) >= '5';
        m_integer = false;
        m_count = roundUp ? 1 : 0;
        m_digits[0] = '1';
        m_exponent = roundUp ? m_exponent - count + 1 : 0;
        return;
    }
    if (m_integer)
        roundInteger(count);
    else
        roundWrittenDigits(count);
}

// The dropped digits are the remainder by 10^dropped; they round up from half of it.
// When the value is M x 5^k and no more than k digits go, dividing by 10^a = 2^a x 5^a
// cancels the fives: the kept digits are M x 5^(k-a) shifted right by a, and the dropped
// part (5^a times the bits shifted out) reaches half of 10^a exactly when bit a-1 is set.
void DecimalDigits::roundInteger(int count) {
    const int dropped = m_count - count;
    Wide kept = 0;
    bool roundUp = false;
    if (dropped <= m_fives) {
        const Wide scaled = Wide(m_odd) * kPow5[static_cast<std::size_t>(m_fives - dropped)];
        kept = scaled >> dropped;
        roundUp = ((scaled >> (dropped - 1)) & 1) != 0;
    } else {
        const Wide unit = pow10(dropped);
        Wide rest = 0;
        kept = quotient(m_value, unit, rest);
        roundUp = rest >= unit / 2;
    }
    m_fives = 0;
    if (roundUp) {
        ++kept;
        if (kept == pow10(count)) {
            // 0.999.. rounded up to 1.000..: one more digit in front, same count kept.
            kept = pow10(count - 1);
            ++m_exponent;
        }
    }
    m_value = kept;
    m_count = count;
}

void DecimalDigits::roundWrittenDigits(int count) {
    const bool roundUp = m_digits[count] >= '5';
    m_count = count;
    if (!roundUp)
        return;
    int i = count - 1;
    while (i >= 0 && m_digits[i] == '9') {
        m_digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++m_digits[i];
    } else {
        // 0.999.. rounded up to 1.000..: one more digit in front, same count kept.
        m_digits[0] = '1';
        ++m_exponent;
    }
}

}  // namespace quarlo
