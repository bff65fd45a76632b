#pragma once

#include <string>
#include <string_view>

#include "Units.h"

namespace quarlo {

// Caption text of a grid column's unit string in unit system `code` (1 or 2): every symbol
// is replaced by its word, longest symbols first, so "F/L^2" shows as lbs/in^2 or kN/m^2 and
// "F1/L2^2" as kips/ft^2. Other codes show the string unchanged.
std::string DisplayUnits(std::string_view unitString, int code, UnitVariant variant);

// Label text of a numeric field's unit string: unchanged for kUnitsSymbols; otherwise one
// force symbol kind (the first present of F6, F5, F4, F2, F1, else F) and one length symbol
// kind (the first present of L2, L1, L3, else L) are replaced by their words, so "L²" shows
// as in² or m² and "F/L" as kN/m. Words without symbols, such as "in", stay as they are.
std::string DisplayFieldUnits(std::string_view unitString, int code);

}  // namespace quarlo
