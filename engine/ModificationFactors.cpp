#include "ModificationFactors.h"

#include "DepthTable.h"
#include "LinearInterpolation.h"
#include "Stages.h"

namespace quarlo {

namespace {

Real factorAt(const EngineData& d, const std::vector<Real>& MULT, Real X)
{
    const int n = d.NTMOD;
    const std::vector<Real>& MDEP = d.MDEP;
    if (n <= 1 || X < MDEP[0])
        return 1;
    const int k = firstDepthAtOrBelow(MDEP, n, X);
    if (k == 0)
        return 1;
    if (X == MDEP[n - 1])
        return MULT[k - 1];
    if (X == MDEP[k - 1]) {
        if (MDEP[k] == MDEP[k - 1])
            return MULT[k];
        return MULT[k - 1];
    }
    return interpolateLinear(X, MDEP[k - 2], MULT[k - 2], MDEP[k - 1], MULT[k - 1]);
}

}  // namespace

Real TFACT(const EngineData& d, Real X) { return factorAt(d, d.TMULT, X); }
Real ZFACT(const EngineData& d, Real X) { return factorAt(d, d.ZMULT, X); }

// Each curve is scaled by the factors at its own depth and keeps that depth. The report
// and the plot data file already hold the unmodified curves.
void applyTzFactors(RunContext& ctx)
{
    EngineData& d = ctx.data;
    if (d.KTMOD <= 0)
        return;
    for (int k = 0; k < d.NCURVE; ++k) {
        TzCurve& curve = d.curves[k];
        const Real ft = TFACT(d, curve.DEPTHC);
        const Real fz = ZFACT(d, curve.DEPTHC);
        for (int j = 0; j < curve.NPTS; ++j) {
            curve.ZVAL[j] = fz * curve.ZVAL[j];
            curve.TVAL[j] = ft * curve.TVAL[j];
        }
    }
}

void applyQwFactors(RunContext& ctx)
{
    EngineData& d = ctx.data;
    if (d.KQWMOD <= 0)
        return;
    for (int i = 0; i < d.NQW; ++i) {
        d.QTIP[i] = d.QMULT * d.QTIP[i];
        d.WTIP[i] = d.WMULT * d.WTIP[i];
    }
}

}  // namespace quarlo
