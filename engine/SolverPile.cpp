#include "SolverPile.h"

#include "EngineConstants.h"
#include "SoilSettlement.h"

#include <cmath>
#include <cstddef>

namespace quarlo {

SolverPile::SolverPile(const EngineData& d)
    : m_DL(d.PLEN / static_cast<Real>(d.NSEG)),
      m_A(m_DL * d.DIAM * PI),
      m_TOL(d.TOL),
      m_downDrag(d.NSET > 0),
      m_sites(static_cast<std::size_t>(d.NSEG)),
      m_states(static_cast<std::size_t>(d.NSEG))
{
    Real X = d.PLEN - m_DL / 2;
    for (int n = 2; n <= d.NSEG + 1; ++n) {
        Site& site = m_sites[static_cast<std::size_t>(n - 2)];
        site.X = X;
        site.XB = d.PLEN - m_DL * static_cast<Real>(n - 2);
        site.XM = site.XB - 0.5f * m_DL;
        site.bracket = bracketAt(d, X);
        site.settlement = m_downDrag ? SETTLE(d, X) : Real(0);
        site.AE = stiffnessAt(d, X);
        X = X - m_DL;
    }
}

std::vector<SolverPile::Stiffness> SolverPile::stiffnesses() const
{
    std::vector<Stiffness> result;
    result.reserve(m_sites.size());
    for (const Site& site : m_sites)
        result.push_back({site.XM, site.X, site.AE});
    return result;
}

void SolverPile::solve(Real W, Real QN1)
{
    Real QN = QN1;
    Real WN = W;
    for (std::size_t s = 0; s < m_sites.size(); ++s) {
        SegmentState& state = m_states[s];
        solveSegment(m_sites[s], WN, QN, WN, state);
        QN = state.QN1;
        WN = state.WN1;
    }
}

// One segment: the pass is repeated with the new middle movement until it agrees with
// the movement it started from within TOL, at most 100 passes; the last pass stands.
// Every expression keeps its written order so that results are bit-reproducible.
void SolverPile::solveSegment(const Site& site, Real W, Real QN0, Real WN0, SegmentState& state) const
{
    state.XB = site.XB;
    state.XM = site.XM;
    state.QN0 = QN0;
    state.WN0 = WN0;
    for (int count = 0;;) {
        Real lookup = W;
        Real DS = 0;
        if (m_downDrag) {
            // The curves see the pile's movement relative to the settling soil.
            DS = W - site.settlement;
            lookup = std::fabs(DS);
        }
        Real t = unitTransfer(site.bracket, lookup);
        if (m_downDrag && DS < 1e-8f)
            t = -t;   // the soil settles at least as much as the pile: negative skin friction
        const Real DQ = m_A * t;
        const Real AE = site.AE;
        state.t = t;
        state.DQ = DQ;
        state.QN1 = QN0 + DQ;
        state.QAVG = QN0 + DQ / 2;
        state.DEF = m_DL * state.QAVG / AE;
        state.WN1 = WN0 + state.DEF;
        // Movement of the middle, from the average load of the segment's lower half.
        state.WMID = WN0 + ((state.QN1 + QN0) / 2 + QN0) / 2 * (m_DL / 2) / AE;
        state.lastDifference = std::fabs(state.WMID - W);
        state.passes = count + 1;
        if (!(state.lastDifference > m_TOL)) {
            state.converged = true;
            return;
        }
        W = state.WMID;
        ++count;
        if (count > maxPasses - 1) {
            state.converged = false;
            return;
        }
    }
}

}  // namespace quarlo
