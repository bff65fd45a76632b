#pragma once

#include "EngineData.h"
#include "Real.h"

namespace quarlo {

// Soil settlement at depth X from the settlement profile (SDEP, SSET). No settlement
// above or below the profile; at a doubled depth the mean of the two values.
Real SETTLE(const EngineData& d, Real X);

}  // namespace quarlo
