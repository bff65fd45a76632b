#include "UnitFactor.h"

namespace quarlo {

namespace {

long double integerPower(long double base, int exponent)
{
    long double result = 1.0L;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads one symbol (F or L) with its digit and exponent from the front of `side` and
// removes it. The digit is optional (F means F0); "^" and one decimal digit give the
// exponent, as do the superscripts "²" and "³" that numeric fields use.
long double takeSymbol(std::string_view& side, char kind, UnitVariant variant)
{
    if (side.empty() || side.front() != kind)
        return 1.0L;
    side.remove_prefix(1);
    const UnitRow* row = side.empty() ? nullptr : findUnit(kind, side.front(), variant);
    if (row)
        side.remove_prefix(1);
    else
        row = findUnit(kind, '0', variant);

    int exponent = 1;
    if (side.size() >= 2 && side[0] == '^' && isDigit(side[1])) {
        exponent = side[1] - '0';
        side.remove_prefix(2);
    } else if (side.starts_with("\u00B2") || side.starts_with("\u00B3")) {
        exponent = side.starts_with("\u00B2") ? 2 : 3;
        side.remove_prefix(2);
    }
    return integerPower(row->factor, exponent);
}

// Magnitude of one side of the fraction: force factor^exponent x length factor^exponent.
long double sideMagnitude(std::string_view side, UnitVariant variant)
{
    const bool hasForce = side.starts_with('F');
    const long double force = takeSymbol(side, 'F', variant);
    // One separator between the force and the length part (F-L, F^2*L). A length symbol
    // directly after the force part is a length part of its own, not a separator, so FL
    // keeps its length factor.
    if (hasForce && !side.empty() && side.front() != 'L')
        side.remove_prefix(1);
    return force * takeSymbol(side, 'L', variant);
}

}  // namespace

long double UnitFactor(int fromCode, int toCode, std::string_view unitString, UnitVariant variant)
{
    int direction = 0;
    if (fromCode == kUnitsEnglish && toCode == kUnitsSI)
        direction = -1;
    else if (fromCode == kUnitsSI && toCode == kUnitsEnglish)
        direction = 1;
    if (direction == 0)
        return 1.0L;

    const std::size_t slash = unitString.find('/');
    const std::string_view numerator = unitString.substr(0, slash);
    const std::string_view denominator =
        slash == std::string_view::npos ? std::string_view() : unitString.substr(slash + 1);
    const long double ratio = sideMagnitude(numerator, variant) / sideMagnitude(denominator, variant);
    return direction > 0 ? ratio : 1.0L / ratio;
}

}  // namespace quarlo
