#include "SolverLookups.h"

#include "LinearInterpolation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace quarlo {

namespace {

int usedPoints(const TzCurve& curve)
{
    return std::min<int>(curve.NPTS, static_cast<int>(std::min(curve.ZVAL.size(), curve.TVAL.size())));
}

// True when j is the first index with W <= z[j] (n when there is none) on ascending z.
bool isFirstAtOrAbove(const std::vector<Real>& z, int n, Real W, int j)
{
    if (j < 0 || j > n)
        return false;
    return (j == 0 || z[static_cast<std::size_t>(j - 1)] < W) && (j == n || W <= z[static_cast<std::size_t>(j)]);
}

// firstAtOrAbove past the hint itself: the hint's neighbours, a bisection, or the scan.
int searchFirstAtOrAbove(const std::vector<Real>& z, int n, Real W, bool ascending, int& hint)
{
    if (ascending && !std::isnan(W)) {
        if (isFirstAtOrAbove(z, n, W, hint + 1))
            return ++hint;
        if (isFirstAtOrAbove(z, n, W, hint - 1))
            return --hint;
        hint = static_cast<int>(std::lower_bound(z.begin(), z.begin() + n, W) - z.begin());
        return hint;
    }
    for (int j = 0; j < n; ++j) {
        if (W <= z[static_cast<std::size_t>(j)])
            return j;
    }
    return n;
}

// First 0-based index j < n with W <= z[j], or n when there is none. The scan is the
// rule; on ascending movements the index where the last lookup landed (hint) and its
// neighbours are tried first and a bisection otherwise, all finding the scan's index far
// faster, which matters for long user curves (a NaN movement matches no point in either).
// The hint itself is tried here, small enough to be inlined into the segment walk, where
// most lookups land where the previous pass's did.
inline int firstAtOrAbove(const std::vector<Real>& z, int n, Real W, bool ascending, int& hint)
{
    if (ascending && !std::isnan(W) && isFirstAtOrAbove(z, n, W, hint))
        return hint;
    return searchFirstAtOrAbove(z, n, W, ascending, hint);
}

int firstAtOrAbove(const std::vector<Real>& z, int n, Real W)
{
    int hint = 0;
    return firstAtOrAbove(z, n, W, false, hint);
}

// A value looked up on (xs, ys) at x, where j is the first index with x <= xs[j].
Real interpolateAt(const std::vector<Real>& xs, const std::vector<Real>& ys, int n, int j, Real x)
{
    if (j >= n)
        return ys[static_cast<std::size_t>(n - 1)];
    if (j == 0)
        return ys[0];
    const auto k = static_cast<std::size_t>(j);
    return interpolateLinear(x, xs[k - 1], ys[k - 1], xs[k], ys[k]);
}

// TCURVE itself on the curve's first n points, kept here so that the segment walk's
// lookups compile into one piece.
inline Real curveValue(const TzCurve& curve, int n, Real W, bool ascending, int& hint)
{
    const int j = firstAtOrAbove(curve.ZVAL, n, W, ascending, hint);
    if (j < n && W == curve.ZVAL[static_cast<std::size_t>(j)])
        return curve.TVAL[static_cast<std::size_t>(j)];
    return interpolateAt(curve.ZVAL, curve.TVAL, n, j, W);
}

}  // namespace

Real TCURVE(const TzCurve& curve, Real W)
{
    return TCURVE(curve, W, false);
}

bool ascendingMovements(const TzCurve& curve)
{
    return std::is_sorted(curve.ZVAL.begin(), curve.ZVAL.begin() + usedPoints(curve));
}

Real TCURVE(const TzCurve& curve, Real W, bool ascending)
{
    int hint = 0;
    return TCURVE(curve, W, ascending, hint);
}

Real TCURVE(const TzCurve& curve, Real W, bool ascending, int& hint)
{
    return curveValue(curve, usedPoints(curve), W, ascending, hint);
}

Real tipLoadAt(const EngineData& d, Real W)
{
    const int n = std::min<int>(d.NQW, static_cast<int>(d.WTIP.size()));
    return interpolateAt(d.WTIP, d.QTIP, n, firstAtOrAbove(d.WTIP, n, W), W);
}

Real stiffnessAt(const EngineData& d, Real X)
{
    const int n = std::min<int>(d.NAE, std::min(static_cast<int>(d.AEDEP.size()), static_cast<int>(d.AE.size())));
    if (n < 1)
        return 0;
    // X is served by the first point from the second on that lies at X or deeper, and the
    // point before it. A depth above the first point is therefore served by the first two:
    // the first interval's straight line continued upward. A single point, or a depth below
    // the last, holds that point's AE. Whether the continuation is usable (it may reach 0,
    // turn negative, or be no number where the first two depths are equal) is for the
    // solver's stiffness check to judge.
    int i = 1;
    while (i < n && !(d.AEDEP[static_cast<std::size_t>(i)] >= X))
        ++i;
    // A depth standing on the first point takes that point's AE, also where the next point
    // has the same depth, which would otherwise make the interpolation 0 / 0.
    if (i == 1 && X == d.AEDEP[0])
        return d.AE[0];
    return interpolateAt(d.AEDEP, d.AE, n, i, X);
}

CurveBracket bracketAt(const EngineData& d, Real X)
{
    const int n = std::min<int>(d.NCURVE, static_cast<int>(d.curves.size()));
    CurveBracket bracket;
    for (int k = 0; k < n; ++k) {
        const TzCurve& curve = d.curves[static_cast<std::size_t>(k)];
        if (X > curve.DEPTHC && k + 1 < n)
            continue;
        if (X < curve.DEPTHC && k > 0) {
            const TzCurve& above = d.curves[static_cast<std::size_t>(k - 1)];
            bracket.upper = &above;
            bracket.lower = &curve;
            bracket.lowerAscending = ascendingMovements(curve);
            bracket.upperAscending = ascendingMovements(above);
            bracket.lowerPoints = usedPoints(curve);
            bracket.upperPoints = usedPoints(above);
            bracket.X = X;
            return bracket;
        }
        bracket.upper = &curve;
        bracket.upperAscending = ascendingMovements(curve);
        bracket.upperPoints = usedPoints(curve);
        bracket.X = X;
        return bracket;
    }
    return bracket;
}

Real unitTransfer(const CurveBracket& bracket, Real W)
{
    const Real t1 = curveValue(*bracket.upper, bracket.upperPoints, W, bracket.upperAscending, bracket.upperHint);
    if (bracket.lower == nullptr)
        return t1;
    const Real t2 = curveValue(*bracket.lower, bracket.lowerPoints, W, bracket.lowerAscending, bracket.lowerHint);
    return interpolateLinear(bracket.X, bracket.upper->DEPTHC, t1, bracket.lower->DEPTHC, t2);
}

}  // namespace quarlo
