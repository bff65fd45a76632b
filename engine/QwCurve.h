#pragma once

#include "RunContext.h"

namespace quarlo {

// The soil type of the tip layer, KTIP: that of the first layer, in layer order, whose
// bottom is at or below the tip depth PLEN; 0 when no layer reaches the tip.
int tipSoilType(const EngineData& d);

// Nq = tan^2(45 deg + phi/2) * exp(pi * tan phi), phi in degrees, with pi as 3.1416 also in
// the conversion to radians.
Real bearingFactorNq(Real phi);

// Generates the ten-point tip curve (NQW, QTIP, WTIP) for the soil at the pile tip. Stops
// the run (ISTAT set, warning written) when a profile ends above the tip, when there is no
// tip curve to generate, or when the curve would be degenerate or not finite.
void generateQwCurve(RunContext& ctx);

}  // namespace quarlo
