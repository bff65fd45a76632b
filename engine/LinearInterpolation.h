#pragma once

#include "Real.h"

namespace quarlo {

// Every linear interpolation of the engine, in one written order: y1 + (x - x1) * (y2 - y1)
// / (x2 - x1). Results must be bit-reproducible, so no caller may rearrange this.
inline Real interpolateLinear(Real x, Real x1, Real y1, Real x2, Real y2)
{
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

}  // namespace quarlo
