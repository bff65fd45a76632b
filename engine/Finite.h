#pragma once

#include "Real.h"

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace quarlo {

// True when every value is a finite number: no infinity or NaN may reach the report, the
// plot data file or the solver. The segment walk checks every segment, so the common case
// is a few integer operations: a float is finite when its exponent bits are not all ones.
inline bool allFinite(std::span<const Real> values)
{
    constexpr std::uint32_t exponentBits = 0x7f800000u;
    std::uint32_t nonFinite = 0;
    for (Real v : values)
        nonFinite |= static_cast<std::uint32_t>((std::bit_cast<std::uint32_t>(v) & exponentBits) == exponentBits);
    return nonFinite == 0;
}

inline bool allFinite(std::initializer_list<Real> values)
{
    return allFinite(std::span<const Real>(values.begin(), values.size()));
}

}  // namespace quarlo
