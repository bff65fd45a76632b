#include "SolverChecks.h"

#include "Finite.h"
#include "OutputLine.h"
#include "SolverNotes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace quarlo {

namespace {

SolverStop stop(int status, std::string message)
{
    return SolverStop{status, std::move(message)};
}

std::string e92(Real value)
{
    return OutputLine().e(9, 2, value).str();
}

// Above the first AE point the stiffness is the first interval continued, a value nobody
// typed; the stop says so, so that the user looks at the first two points.
std::string extrapolationRemark(const EngineData& d, Real X)
{
    if (d.NAE < 2 || d.AEDEP.size() < 2 || !(X < d.AEDEP[0]))
        return {};
    if (d.AEDEP[0] == d.AEDEP[1])
        return ", ABOVE THE FIRST TWO AE POINTS, WHICH STAND AT THE SAME DEPTH";
    return ", EXTRAPOLATED ABOVE THE FIRST AE POINT FROM THE FIRST TWO";
}

}  // namespace

SolverStop checkSolverInput(const EngineData& d)
{
    if (d.NSEG < 1)
        return stop(status::kNoIncrements, "THE NUMBER OF PILE INCREMENTS IS" + OutputLine().i(6, d.NSEG).str()
                                   + ": AT LEAST ONE IS NEEDED");
    if (d.NCURVE < 1 || d.curves.empty())
        return stop(status::kNoTzCurve, "THERE IS NO T-Z CURVE: THE LOAD TRANSFER CANNOT BE COMPUTED");
    const std::size_t used = std::min(static_cast<std::size_t>(d.NCURVE), d.curves.size());
    for (std::size_t k = 0; k < used; ++k) {
        const TzCurve& c = d.curves[k];
        if (c.NPTS < 1 || c.ZVAL.empty() || c.TVAL.empty())
            return stop(status::kNoTzCurve, "T-Z CURVE" + OutputLine().i(5, c.ICURVE).str()
                                    + " HAS NO POINTS: THE LOAD TRANSFER CANNOT BE COMPUTED");
    }
    if (d.NQW < 1 || d.WTIP.empty() || d.QTIP.empty())
        return stop(status::kNoTipCurve, "THE TIP CURVE HAS NO POINTS: THE TIP LOAD CANNOT BE COMPUTED");
    if (d.NAE < 1 || d.AE.empty() || d.AEDEP.empty())
        return stop(status::kZeroStiffness, "THERE IS NO AE PROFILE OF THE PILE: ITS SHORTENING CANNOT BE COMPUTED");
    return {};
}

SolverStop checkStiffness(const SolverPile& pile, const EngineData& d)
{
    for (const SolverPile::Stiffness& s : pile.stiffnesses()) {
        if (s.AE > 0 && std::isfinite(s.AE))
            continue;
        return stop(status::kZeroStiffness, "THE PILE STIFFNESS AE AT X = " + noteQuantity(s.XM, d.UL) + " IS "
                                    + noteQuantity(s.AE, d.UF) + extrapolationRemark(d, s.X)
                                    + ": THE SHORTENING OF THE PILE NEEDS AN AE GREATER THAN 0");
    }
    return {};
}

SolverStop checkValues(std::initializer_list<Real> values, Real W)
{
    if (allFinite(values))
        return {};
    return stop(status::kSolutionNotFinite, "AT THE TIP MOVEMENT" + e92(W) + " A LOAD OR MOVEMENT IS NOT A FINITE NUMBER");
}

SolverStop checkSegment(const SegmentState& s, Real W)
{
    const std::initializer_list<Real> values = {s.t, s.DQ, s.QAVG, s.DEF, s.WMID, s.QN0, s.WN0, s.QN1, s.WN1, s.XM};
    if (allFinite(values))
        return {};
    SolverStop result = checkValues(values, W);
    if (result)
        result.message += " IN THE SEGMENT AT X =" + e92(s.XM);
    return result;
}

}  // namespace quarlo
