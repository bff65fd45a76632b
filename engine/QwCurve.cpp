#include "QwCurve.h"

#include "EngineConstants.h"
#include "Finite.h"
#include "GenerationStop.h"
#include "Profile.h"
#include "TzCurves.h"

#include <cmath>
#include <optional>

namespace quarlo {

namespace {

// Drilled shafts (Reese and O'Neill): movement per diameter, Q / Qmax for clay and sand
// (the sand ratios pass 1).
constexpr CurveShape W_DRILLED_PER_D = {0.0f, 0.005f, 0.01f, 0.015f, 0.025f, 0.03f, 0.04f, 0.05f, 0.07f, 0.1f};
constexpr CurveShape Q_DRILLED_CLAY = {0.0f, 0.395f, 0.56f, 0.70f, 0.865f, 0.90f, 0.95f, 0.97f, 0.98f, 0.99f};
constexpr CurveShape Q_DRILLED_SAND = {0.0f, 0.2f, 0.345f, 0.485f, 0.64f, 0.73f, 0.83f, 1.015f, 1.195f, 1.46f};

// Driven piles after API, clay and sand alike.
constexpr CurveShape W_API_PER_D = {0.0f, 0.0005f, 0.001f, 0.002f, 0.013f, 0.042f, 0.073f, 0.1f, 0.15f, 0.2f};
constexpr CurveShape Q_API = {0.0f, 0.0625f, 0.125f, 0.25f, 0.5f, 0.75f, 0.9f, 1.0f, 1.0f, 1.0f};

// Driven pile in sand (Mosher): tip movements in inches.
constexpr CurveShape W_MOSHER_IN = {0.0f, 0.0001f, 0.005f, 0.01f, 0.05f, 0.1f, 0.2f, 0.5f, 0.75f, 1.0f};

constexpr Real KN_PER_KIP = 4.448f;

struct TipCurve {
    CurveShape Q{};
    CurveShape W{};
};

bool isSand(int KTIP) { return KTIP % 2 == 0; }

// Ultimate unit tip resistance of clay: 9 cu unless a resistance q is given.
std::optional<Real> clayUnitResistance(RunContext& ctx)
{
    const std::optional<Real> cu = PROFILE(ctx, ctx.data.PLEN, ProfileColumn::C1);
    if (!cu)
        return std::nullopt;
    const std::optional<Real> q = PROFILE(ctx, ctx.data.PLEN, ProfileColumn::TIP);
    if (!q)
        return std::nullopt;
    return *q > 0.00001f ? *q : 9 * *cu;
}

// Ultimate unit tip resistance of sand: the effective vertical stress at the tip (tip depth
// times the average unit weight above it) times Nq, unless a resistance q is given.
std::optional<Real> sandUnitResistance(RunContext& ctx)
{
    const Real PLEN = ctx.data.PLEN;
    const std::optional<Real> phi = PROFILE(ctx, PLEN, ProfileColumn::PHI1);
    if (!phi)
        return std::nullopt;
    const Real Nq = bearingFactorNq(*phi);
    const std::optional<Real> gamma = GAVG(ctx, PLEN);
    if (!gamma)
        return std::nullopt;
    const std::optional<Real> q = PROFILE(ctx, PLEN, ProfileColumn::TIP);
    if (!q)
        return std::nullopt;
    return *q > 0.0001f ? *q : PLEN * *gamma * Nq;
}

TipCurve ratioCurve(const CurveShape& wPerD, const CurveShape& qRatio, Real D, Real Qmax)
{
    TipCurve c;
    for (int j = 0; j < NPTS_GENERATED; ++j) {
        c.W[j] = wPerD[j] * D;
        c.Q[j] = qRatio[j] * Qmax;
    }
    return c;
}

// Coyle and Reese's square-root law in inches and kips: Q = Qmax / 2 at w50 and Qmax
// from 4 w50 on.
TipCurve coyleReeseCurve(Real w50, Real Qmax)
{
    TipCurve c;
    for (int j = 1; j <= 9; ++j) {
        c.W[j - 1] = Real(j - 1) / 8 * 4 * w50;
        c.Q[j - 1] = Qmax * std::sqrt(Real(j - 1) / 8);
    }
    c.W[9] = 40 * w50;
    c.Q[9] = Qmax;
    return c;
}

// Mosher's power law in inches and kips; it is not capped at Qmax.
TipCurve mosherCurve(Real wr, Real Qmax, Real n)
{
    TipCurve c;
    for (int j = 1; j < NPTS_GENERATED; ++j) {
        c.W[j] = W_MOSHER_IN[j];
        c.Q[j] = Qmax * std::pow(W_MOSHER_IN[j] / wr, n);
    }
    return c;
}

// The exponent of Mosher's law follows the friction angle at the deepest t-z curve, not
// the angle at the tip.
Real mosherExponent(const EngineData& d)
{
    const Real phi = d.curves[d.NCURVE - 1].PHIC;
    if (phi <= 31)
        return 0.5f;
    if (phi <= 38)
        return 0.333f;
    return 0.25f;
}

// The two methods set in inches and kips are evaluated there in SI too, and converted back.
TipCurve toSi(TipCurve c)
{
    for (int j = 0; j < NPTS_GENERATED; ++j) {
        c.W[j] = c.W[j] * METRES_PER_INCH;
        c.Q[j] = c.Q[j] * KN_PER_KIP;
    }
    return c;
}

// A tip curve whose movements all collapse to zero (or turn negative) would give the full
// tip load without movement; the run stops before such a curve is written.
void stopNoScale(RunContext& ctx, int KTIP, Real e50)
{
    OutputLine message;
    message.x(5).text("THE TIP CURVE OF SOIL TYPE").i(2, KTIP);
    if (KTIP == CLAY_DRIVEN_COYLE_REESE)
        message.text(" NEEDS E50 X OUTER DIAMETER > 0: E50 AT THE TIP =").e(9, 2, e50).text(",");
    else
        message.text(" NEEDS AN OUTER DIAMETER > 0:");
    message.text(" OUTER DIAMETER =").e(9, 2, ctx.data.DIAM);
    stopWithWarning(ctx, status::kTipMovementScale, message);
}

std::optional<TipCurve> clayTipCurve(RunContext& ctx, int KTIP)
{
    const EngineData& d = ctx.data;
    const bool si = d.KUNITS != 1;
    // EE50 is extrapolated below the profile and never stops the run.
    const Real e50 = KTIP == CLAY_DRIVEN_COYLE_REESE ? *PROFILE(ctx, d.PLEN, ProfileColumn::EE50) : 0;
    const Real D = si && KTIP == CLAY_DRIVEN_COYLE_REESE ? d.DIAM / METRES_PER_INCH : d.DIAM;
    const Real w50 = 2 * e50 * D;
    const std::optional<Real> unit = clayUnitResistance(ctx);
    if (!unit)
        return std::nullopt;
    const Real Qmax = d.ATIP * *unit;
    const Real scale = KTIP == CLAY_DRIVEN_COYLE_REESE ? w50 : D;
    if (!(scale > 0)) {
        stopNoScale(ctx, KTIP, e50);
        return std::nullopt;
    }
    if (KTIP == CLAY_DRILLED_REESE_ONEILL)
        return ratioCurve(W_DRILLED_PER_D, Q_DRILLED_CLAY, D, Qmax);
    if (KTIP == CLAY_DRIVEN_API)
        return ratioCurve(W_API_PER_D, Q_API, D, Qmax);
    if (si)
        return toSi(coyleReeseCurve(w50, Qmax / KN_PER_KIP));
    return coyleReeseCurve(w50, Qmax);
}

std::optional<TipCurve> sandTipCurve(RunContext& ctx, int KTIP)
{
    const EngineData& d = ctx.data;
    const bool si = d.KUNITS != 1;
    const std::optional<Real> unit = sandUnitResistance(ctx);
    if (!unit)
        return std::nullopt;
    const Real Qmax = d.ATIP * *unit;
    const Real D = d.DIAM;
    if (!(D > 0)) {
        stopNoScale(ctx, KTIP, 0);
        return std::nullopt;
    }
    if (KTIP == SAND_DRILLED_REESE_ONEILL)
        return ratioCurve(W_DRILLED_PER_D, Q_DRILLED_SAND, D, Qmax);
    if (KTIP == SAND_DRIVEN_API)
        return ratioCurve(W_API_PER_D, Q_API, D, Qmax);
    const Real n = mosherExponent(d);
    if (si)
        return toSi(mosherCurve(D / METRES_PER_INCH * 0.05f, Qmax / KN_PER_KIP, n));
    return mosherCurve(0.05f * D, Qmax, n);
}

void stopNoTipCurve(RunContext& ctx, int layer)
{
    const EngineData& d = ctx.data;
    OutputLine message;
    message.x(5).text("NO TIP CURVE:");
    if (layer < 0)
        message.text(" THE PILE TIP AT").e(9, 2, d.PLEN).text(" LIES BELOW THE LAST SOIL LAYER");
    else
        message.text(" THE TIP LAYER HAS THE UNKNOWN SOIL TYPE").i(6, d.KSOIL[layer]);
    stopWithWarning(ctx, layer < 0 ? status::kTipBelowLayers : status::kTipSoilUnknown, message);
}

int tipLayer(const EngineData& d)
{
    for (int i = 0; i < d.NLAYER; ++i) {
        if (d.PLEN <= d.XBOT[i])
            return i;
    }
    return -1;
}

}  // namespace

int tipSoilType(const EngineData& d)
{
    const int layer = tipLayer(d);
    return layer < 0 ? 0 : d.KSOIL[layer];
}

Real bearingFactorNq(Real phi)
{
    const Real t = std::tan((45 + phi / 2) * PI / 180);
    return t * t * std::exp(PI * std::tan(phi * PI / 180));
}

void generateQwCurve(RunContext& ctx)
{
    EngineData& d = ctx.data;
    const int layer = tipLayer(d);
    const int KTIP = layer < 0 ? 0 : d.KSOIL[layer];
    if (KTIP < CLAY_DRIVEN_COYLE_REESE || KTIP > SAND_DRIVEN_API) {
        stopNoTipCurve(ctx, layer);
        return;
    }
    const std::optional<TipCurve> curve = isSand(KTIP) ? sandTipCurve(ctx, KTIP) : clayTipCurve(ctx, KTIP);
    if (!curve)
        return;
    if (!allFinite(curve->Q) || !allFinite(curve->W)) {
        stopWithWarning(ctx, status::kCurveNotFinite,
                        OutputLine().x(5).text("THE TIP CURVE HAS A VALUE THAT IS NOT A FINITE NUMBER"));
        return;
    }
    d.NQW = NPTS_GENERATED;
    d.QTIP.assign(curve->Q.begin(), curve->Q.end());
    d.WTIP.assign(curve->W.begin(), curve->W.end());
}

}  // namespace quarlo
