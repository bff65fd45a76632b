#include "SolverHeadLoads.h"

#include "LinearInterpolation.h"
#include "SolverLookups.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace quarlo {

FirstGuess firstGuessTipMovement(const std::vector<Real>& TOPLOAD, const std::vector<Real>& TIPMV, Real load)
{
    if (load <= 0)
        return {true, 0};
    const std::size_t n = std::min(TOPLOAD.size(), TIPMV.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!(TOPLOAD[i] >= load))
            continue;
        if (TOPLOAD[i] == load) {
            if (i + 1 < n && TOPLOAD[i + 1] == load)
                return {true, (TIPMV[i] + TIPMV[i + 1]) / 2};
            return {true, TIPMV[i]};
        }
        if (i == 0)
            return {true, interpolateLinear(load, 0, 0, TOPLOAD[0], TIPMV[0])};
        return {true, interpolateLinear(load, TOPLOAD[i - 1], TIPMV[i - 1], TOPLOAD[i], TIPMV[i])};
    }
    return {false, 0};
}

std::vector<HeadLoadRow> SolverHeadLoads::run(const std::vector<Real>& TOPLOAD, const std::vector<Real>& TIPMV)
{
    const Real largest = TOPLOAD.empty() ? Real(0) : *std::max_element(TOPLOAD.begin(), TOPLOAD.end());
    std::vector<HeadLoadRow> rows;
    const int count = std::min<int>(m_data.NLOAD, static_cast<int>(m_data.LOAD.size()));
    for (int j = 0; j < count; ++j) {
        const Real load = m_data.LOAD[static_cast<std::size_t>(j)];
        const FirstGuess guess = firstGuessTipMovement(TOPLOAD, TIPMV, load);
        if (guess.reached) {
            rows.push_back(search(load, guess.tipMovement));
            continue;
        }
        HeadLoadRow row;
        row.reached = false;
        row.row.headLoad = load;
        rows.push_back(row);
        m_notes.headLoadNotReached(load, largest);
    }
    return rows;
}

// Solves, then cuts the tip movement by 2 % while the head load overshoots. The row shows
// the movement after its last cut, as the table always has.
HeadLoadRow SolverHeadLoads::search(Real load, Real tipMovement)
{
    HeadLoadRow result;
    result.row.headLoad = load;
    for (;;) {
        const Real W = tipMovement;
        const Real QN1 = W <= 1e-10f ? Real(0) : tipLoadAt(m_data, W);
        m_pile.solve(W, QN1);
        for (const SegmentState& s : m_pile.segments()) {
            if (!s.converged)
                m_notes.segmentNotConverged(W, s);
        }
        const Real computed = m_pile.headLoad();
        result.row.headMovement = m_pile.headMovement();
        result.row.tipLoad = QN1;
        const Real E = computed - load;
        if (tipMovement == 0) {
            // A cut leaves zero as it is, so repeating would only spend the shared steps
            // that later loads need.
            result.row.tipMovement = 0;
            if (std::fabs(E) > 0.0005f * std::fabs(load))
                m_notes.headLoadAtZeroTipMovement(load, computed);
            return result;
        }
        if (m_steps >= budget) {
            result.row.tipMovement = tipMovement;
            m_notes.headLoadBudgetUsedUp(load, computed);
            return result;
        }
        tipMovement = 0.98f * tipMovement;
        ++m_steps;
        if (E >= 0.0005f * load)
            continue;
        result.row.tipMovement = tipMovement;
        // The same 0.05 % that counts as reached from above counts from below, so that
        // round-off alone raises no note.
        if (E <= -0.0005f * load)
            m_notes.headLoadBelowWanted(load, computed);
        return result;
    }
}

}  // namespace quarlo
