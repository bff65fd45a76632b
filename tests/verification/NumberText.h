#pragma once

#include <string>

namespace quarlo::verification {

// Numbers as the chapter and the check lines write them, the same on every machine and in
// every locale: `significant` digits, fixed notation from 0.0001 up to 10^significant,
// otherwise mantissa, E and exponent ("1.5E-7"); trailing zeros dropped; zero is "0".
std::string numberText(double value, int significant);

// A value with seven significant digits followed by its unit, if any: "298534.6 lb".
std::string quantityText(double value, const std::string& unit);

// A relative difference or tolerance: two significant digits, always with an exponent
// ("2.3E-7", "1E-5"); zero is "0".
std::string ratioText(double value);

}  // namespace quarlo::verification
