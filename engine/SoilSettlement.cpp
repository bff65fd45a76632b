#include "SoilSettlement.h"

#include "DepthTable.h"
#include "LinearInterpolation.h"

namespace quarlo {

Real SETTLE(const EngineData& d, Real X)
{
    const int n = d.NSET;
    const std::vector<Real>& SDEP = d.SDEP;
    const std::vector<Real>& SSET = d.SSET;
    if (n <= 0 || X < SDEP[0] || X > SDEP[n - 1])
        return 0;
    // A profile of one point is only reached at its own depth: its settlement holds there.
    if (n == 1)
        return SSET[0];

    const int k = firstDepthAtOrBelow(SDEP, n, X);
    // Only a depth that compares with nothing (NaN) finds no bracket; it has no settlement
    // rather than a read before the table.
    if (k == 0)
        return 0;
    // At the last depth the first of a doubled pair counts, as the table is not read past
    // its end.
    if (X == SDEP[n - 1])
        return SSET[k - 1];
    if (X == SDEP[k - 1]) {
        if (SDEP[k] == SDEP[k - 1])
            return (SSET[k - 1] + SSET[k]) / 2;
        return SSET[k - 1];
    }
    return interpolateLinear(X, SDEP[k - 2], SSET[k - 2], SDEP[k - 1], SSET[k - 1]);
}

}  // namespace quarlo
