#pragma once

#include "EngineData.h"
#include "Real.h"
#include "SolverLookups.h"

#include <vector>

namespace quarlo {

// One segment (pile increment) after its last pass, in the report's notation.
struct SegmentState {
    Real XB = 0;        // depth of the segment's lower node
    Real XM = 0;        // depth of the segment's middle
    Real t = 0;         // unit load transfer at the middle (negative under down-drag)
    Real DQ = 0;        // load transferred along the segment
    Real QAVG = 0;      // average load of the segment
    Real DEF = 0;       // elastic shortening of the segment
    Real WMID = 0;      // movement of the segment's middle
    Real QN0 = 0;       // load at the lower node
    Real WN0 = 0;       // movement of the lower node
    Real QN1 = 0;       // load at the upper node
    Real WN1 = 0;       // movement of the upper node
    int passes = 0;     // passes made (at most 100)
    bool converged = true;
    Real lastDifference = 0;   // |WMID - W| of the last pass
};

// The pile as the segment walk sees it: NSEG equal segments from the tip up, each with
// what does not change from one tip movement to the next (its lookup depth, its curve
// bracket, its soil settlement and its stiffness) worked out once.
class SolverPile {
public:
    // Needs NSEG >= 1, at least one t-z curve with points and one AE point.
    explicit SolverPile(const EngineData& d);

    // Walks up the pile from the tip for tip movement W and tip load QN1 = QN(1).
    // segments() then holds the result of every segment, tip first.
    void solve(Real W, Real QN1);

    const std::vector<SegmentState>& segments() const { return m_states; }
    Real headLoad() const { return m_states.back().QN1; }       // QN(NNODE)
    Real headMovement() const { return m_states.back().WN1; }   // WN(NNODE)
    Real DL() const { return m_DL; }

    // Depth of the middle, the depth AE was looked up at, and the stiffness AE of each
    // segment, tip first.
    struct Stiffness {
        Real XM = 0;
        Real X = 0;
        Real AE = 0;
    };
    std::vector<Stiffness> stiffnesses() const;

    static constexpr int maxPasses = 100;

private:
    struct Site {
        Real X = 0;          // lookup depth: PLEN - DL/2, less DL per segment
        Real XB = 0;
        Real XM = 0;
        CurveBracket bracket;
        Real settlement = 0; // SETTLE(X), when there is down-drag
        Real AE = 0;
    };

    void solveSegment(const Site& site, Real W, Real QN0, Real WN0, SegmentState& state) const;

    Real m_DL = 0;
    Real m_A = 0;            // side area of one segment, DL * DIAM * 3.1416
    Real m_TOL = 0;
    bool m_downDrag = false;
    std::vector<Site> m_sites;
    std::vector<SegmentState> m_states;
};

}  // namespace quarlo
