#include "Profile.h"

#include "LinearInterpolation.h"
#include "GenerationStop.h"

#include <string_view>

namespace quarlo {

namespace {

const std::vector<Real>& columnValues(const EngineData& d, ProfileColumn V)
{
    switch (V) {
    case ProfileColumn::C1: return d.C1;
    case ProfileColumn::PHI1: return d.PHI1;
    case ProfileColumn::EE50: return d.EE50;
    case ProfileColumn::SKIN: return d.SKIN;
    case ProfileColumn::TIP: break;
    }
    return d.TIP;
}

int beyondProfileStatus(ProfileColumn V)
{
    switch (V) {
    case ProfileColumn::C1: return status::kBeyondShearStrength;
    case ProfileColumn::SKIN: return status::kBeyondSideFriction;
    case ProfileColumn::TIP: return status::kBeyondTipResistance;
    case ProfileColumn::PHI1: return status::kBeyondFrictionAngle;
    case ProfileColumn::EE50: break;
    }
    return 0;
}

std::string_view profileName(ProfileColumn V)
{
    return V == ProfileColumn::TIP ? "THE INPUT MAX. LOAD TRANSFER" : "THE INPUT STRENGTH CURVE";
}

// Only the side-friction warning shows where the profile ends, on a line of its own.
void stopBelowProfile(RunContext& ctx, Real X, ProfileColumn V)
{
    const EngineData& d = ctx.data;
    if (V == ProfileColumn::SKIN) {
        ctx.report.write(OutputLine().freeInt(d.NSTR).freeReal(d.XSTR[d.NSTR - 1]));
    }
    stopWithWarning(ctx, beyondProfileStatus(V), beyondProfileMessage(X, profileName(V)));
}

}  // namespace

std::optional<Real> PROFILE(RunContext& ctx, Real X, ProfileColumn V)
{
    const EngineData& d = ctx.data;
    const std::vector<Real>& XSTR = d.XSTR;
    const std::vector<Real>& values = columnValues(d, V);
    const int n = d.NSTR;

    int m = 2;
    while (m <= n && !(X < XSTR[m - 1]))
        ++m;
    if (m > n) {
        m = n;
        if (X > XSTR[n - 1] && V != ProfileColumn::EE50) {
            stopBelowProfile(ctx, X, V);
            return std::nullopt;
        }
    }
    // Two points at one depth (a layer of no thickness) stand for their mean.
    const Real L = XSTR[m - 1] - XSTR[m - 2];
    if (L <= 0)
        return (values[m - 2] + values[m - 1]) / 2;
    return interpolateLinear(X, XSTR[m - 2], values[m - 2], XSTR[m - 1], values[m - 1]);
}

namespace {

// The first positive unit weight in profile order, else the last one: the average over
// no depth at all.
Real surfaceUnitWeight(const EngineData& d)
{
    for (int m = 0; m < d.NSTR; ++m) {
        if (d.GAM1[m] > 0)
            return d.GAM1[m];
    }
    return d.GAM1[d.NSTR - 1];
}

}  // namespace

std::optional<Real> GAVG(RunContext& ctx, Real X)
{
    const EngineData& d = ctx.data;
    const std::vector<Real>& XG1 = d.XG1;
    const std::vector<Real>& GAM1 = d.GAM1;
    if (X < XG1[0])
        return Real(0);
    const Real H = X - XG1[0];
    if (H == 0)
        return surfaceUnitWeight(d);

    Real S = 0;
    for (int m = 2; m <= d.NSTR; ++m) {
        const Real x1 = XG1[m - 2];
        const Real g1 = GAM1[m - 2];
        if (X < XG1[m - 1]) {
            const Real gX = interpolateLinear(X, x1, g1, XG1[m - 1], GAM1[m - 1]);
            S = S + (gX + g1) / 2 * (X - x1) / H;
            return S;
        }
        S = S + (GAM1[m - 1] + g1) / 2 * (XG1[m - 1] - x1) / H;
    }
    if (X <= XG1[d.NSTR - 1])
        return S;
    stopWithWarning(ctx, status::kBeyondUnitWeight, beyondProfileMessage(X, "THE INPUT CURVE FOR UNIT WEIGHT"));
    return std::nullopt;
}

}  // namespace quarlo
