#pragma once

#include <string>

#include "UnitFactor.h"
#include "UnitsDisplay.h"
#include "Variant.h"

namespace quarlo {

// Each table variant has its own unit table: the plain tables know more symbols.
template <class V>
constexpr UnitVariant unitVariantOf() {
    return V::isChart ? UnitVariant::Chart : UnitVariant::Plain;
}

template <class V>
long double columnUnitFactor(int fromCode, int toCode, const std::string& unitsText) {
    return UnitFactor(fromCode, toCode, unitsText, unitVariantOf<V>());
}

template <class V>
std::string columnUnitsText(const std::string& unitsText, int code) {
    return DisplayUnits(unitsText, code, unitVariantOf<V>());
}

}  // namespace quarlo
