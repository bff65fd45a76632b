#pragma once

#include "EngineData.h"
#include "Real.h"

namespace quarlo {

// t-multiplier (TFACT) and z-multiplier (ZFACT) at depth X from the factor table
// (MDEP, TMULT, ZMULT). Outside the table, and with fewer than two points, the factor is 1;
// at a doubled depth the value after the change applies.
Real TFACT(const EngineData& d, Real X);
Real ZFACT(const EngineData& d, Real X);

}  // namespace quarlo
