#include "CurveReport.h"
#include "Finite.h"
#include "GenerationStop.h"
#include "Profile.h"
#include "QwCurve.h"
#include "Stages.h"
#include "TzCurves.h"

#include <algorithm>
#include <optional>

namespace quarlo {

namespace {

// The plot data file carries at most this many generated t-z curves; the report all.
constexpr int MAX_PLOTTED_GENERATED_CURVES = 30;

// Curves of the types scaled by the diameter would all sit at zero movement with a
// diameter of 0: full friction without movement. The run stops before they are written.
void stopDiameter(RunContext& ctx, const TzCurve& curve)
{
    OutputLine message;
    message.x(5).text("T-Z CURVE").i(5, curve.ICURVE).text(" OF SOIL TYPE").i(2, curve.KSOILC)
        .text(" NEEDS AN OUTER DIAMETER > 0: OUTER DIAMETER =").e(9, 2, ctx.data.DIAM);
    stopWithWarning(ctx, status::kTzDiameter, message);
}

void stopNotFinite(RunContext& ctx, const TzCurve& curve)
{
    OutputLine message;
    message.x(5).text("T-Z CURVE").i(5, curve.ICURVE).text(" HAS A VALUE THAT IS NOT A FINITE NUMBER");
    stopWithWarning(ctx, status::kCurveNotFinite, message);
}

// One curve at its generation depth: side friction and friction angle there, then its
// points. False when the run stopped.
bool generateTzCurve(RunContext& ctx, TzCurve& curve, int k)
{
    curve.ICURVE = k;
    const std::optional<Real> f = PROFILE(ctx, curve.DEPTHC, ProfileColumn::SKIN);
    if (!f)
        return false;
    curve.FMAXC = *f;
    const std::optional<Real> phi = PROFILE(ctx, curve.DEPTHC, ProfileColumn::PHI1);
    if (!phi)
        return false;
    curve.PHIC = *phi;
    if (tzCurveScalesWithDiameter(curve.KSOILC) && !(ctx.data.DIAM > 0)) {
        stopDiameter(ctx, curve);
        return false;
    }
    fillTzCurve(curve, ctx.data.DIAM, ctx.data.KUNITS);
    if (!allFinite(curve.TVAL) || !allFinite(curve.ZVAL)) {
        stopNotFinite(ctx, curve);
        return false;
    }
    return true;
}

}  // namespace

// The t-z curves are written only once all of them exist, so a stop during their
// generation leaves the plot data file empty; a stop at the tip curve leaves block 1.
void generateCurves(RunContext& ctx)
{
    EngineData& d = ctx.data;
    for (int k = 1; k <= d.NCURVE; ++k) {
        if (!generateTzCurve(ctx, d.curves[k - 1], k))
            return;
    }
    writeTzCurveTable(ctx.report, d);
    writeTzPlotBlock(ctx.plot, d, std::min(d.NCURVE, MAX_PLOTTED_GENERATED_CURVES));

    generateQwCurve(ctx);
    if (ctx.ISTAT != 0)
        return;
    writeTipCurveTable(ctx.report, d);
    writeTipPlotBlock(ctx.plot, d);
}

}  // namespace quarlo
