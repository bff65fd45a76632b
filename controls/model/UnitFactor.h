#pragma once

#include <string_view>

#include "Units.h"

namespace quarlo {

// The multiplier that converts a value of unit string `unitString` (see Units.h) from unit
// system `fromCode` to `toCode`: 1 when the codes are equal or either is not 1 or 2.
// The string is split at its first "/" into numerator and denominator; each side is an
// optional force part (F, F<digit>, F<digit>^<exponent>, followed by one separator such as
// "-" or "*") and an optional length part (L, L<digit>, L<digit>^<exponent>, or with "²" or
// "³"); anything else on a side counts as factor 1, so words such as "in" convert nothing.
// Examples from English to S.I.: "F" 1/224.8089237, "L" 0.0254, "F/L^2" 6.894757 (psi to kPa).
long double UnitFactor(int fromCode, int toCode, std::string_view unitString,
                       UnitVariant variant = UnitVariant::Plain);

}  // namespace quarlo
