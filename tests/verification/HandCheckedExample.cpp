#include "HandCheckedExample.h"

namespace quarlo::verification {

namespace {

// y at x on the straight line through (x1, y1) and (x2, y2).
double along(double x, double x1, double y1, double x2, double y2)
{
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

// The example's numbers: layer 3 (API clay) from 480 to 900 in with side friction 8 and
// 10 psi and unit tip resistance 90 and 135 psi at its top and bottom; D = 16 in, tip area
// 201.06193 in^2, AE = 7.0607295E8 lb, 40 increments of 18 in.
constexpr double kTop = 480, kBottom = 900;
constexpr double kD = 16, kTipArea = 201.06193, kAE = 7.0607295e8, kDL = 18;

double sideFriction(double depth) { return along(depth, kTop, 8, kBottom, 10); }

// API clay t-z curve: its first point beyond zero is t = 0.3 f at z = 0.0016 D.
double apiClayTransfer(double z, double f) { return along(z, 0, 0, 0.0016 * kD, 0.3 * f); }

// API tip curve (Q / Qmax against w / D): 0.0625 at 0.0005, 0.125 at 0.001, 0.25 at 0.002,
// 0.5 at 0.013, ..., 1.0 at 0.1.
double apiTipLoad(double w, double w1PerD, double q1, double w2PerD, double q2, double Qmax)
{
    return along(w, w1PerD * kD, q1, w2PerD * kD, q2) * Qmax;
}

}  // namespace

DrivenPileHandWork HandCheckedExample::handWork()
{
    DrivenPileHandWork h;
    h.q = along(720, kTop, 90, kBottom, 135);
    h.Qmax = kTipArea * h.q;
    h.tipLoad1 = apiTipLoad(0.01, 0.0005, 0.0625, 0.001, 0.125, h.Qmax);
    h.tipLoad2 = apiTipLoad(0.05, 0.002, 0.25, 0.013, 0.5, h.Qmax);
    h.tipLoad7 = h.Qmax;   // 1.6 in is w / D = 0.1, where Q reaches Qmax
    // Layer 3 has its curves at 480, 585 and 690 in (top, quarter, middle), at 899.99 in just
    // above its bottom and at 794.995 in halfway between the last two.
    const double depth13 = 690, depth14 = (690 + (kBottom - 0.01)) / 2;
    h.f13 = sideFriction(depth13);
    h.f14 = sideFriction(depth14);
    h.t13 = apiClayTransfer(0.01, h.f13);
    h.t14 = apiClayTransfer(0.01, h.f14);
    h.t = along(720 - kDL / 2, depth13, h.t13, depth14, h.t14);
    h.A = kDL * kD * 3.1416;
    h.averageLoad = h.tipLoad1 + h.A * h.t / 2;
    // The movement of the middle from the average load of the lower half of the increment;
    // it differs from the tip movement by far less than the example's tolerance of 0.001 in,
    // so the first pass, taken at the tip movement, stands.
    const double headOfSegment = h.tipLoad1 + h.A * h.t;
    h.middleMovement = 0.01 + ((headOfSegment + h.tipLoad1) / 2 + h.tipLoad1) / 2 * (kDL / 2) / kAE;
    return h;
}

CaseResult HandCheckedExample::run(const ScratchDirectory& scratch) const
{
    CaseResult result;
    result.title = "hand-checked example";
    const RunOutcome outcome = runProject(scratch, readProjectText(m_project));
    const RunResults& r = outcome.results;
    if (outcome.status != 0 || r.summary.size() < 7 || r.distribution.empty() || r.distribution.front().empty()) {
        result.failure = describeStop(outcome);
        return result;
    }
    const DrivenPileHandWork h = handWork();
    const SegmentResult& first = r.distribution.front().front();
    result.comparisons = {
        {"Tip load at 0.01 in", "lb", h.tipLoad1, r.summary[0].tipLoad, kTolerance},
        {"Tip load at 0.05 in", "lb", h.tipLoad2, r.summary[1].tipLoad, kTolerance},
        {"Tip load at 1.6 in", "lb", h.tipLoad7, r.summary[6].tipLoad, kTolerance},
        {"Average load of the lowest increment at 0.01 in", "lb", h.averageLoad, first.averageLoad, kTolerance},
        {"Movement of the middle of the lowest increment at 0.01 in", "in", h.middleMovement, first.movement, kTolerance},
    };
    return result;
}

}  // namespace quarlo::verification
