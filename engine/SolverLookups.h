#pragma once

#include "EngineData.h"
#include "Real.h"

namespace quarlo {

// The table lookups of the load-transfer solution. Outside a table each holds the
// nearest table value (a movement below a curve's first point gets its first value,
// beyond its last point its last value, a depth above the first or below the last t-z
// curve that curve), except the stiffness above its first point (stiffnessAt).

// TCURVE(W, k): unit load transfer of one t-z curve at pile movement W. A movement
// between two points is interpolated; only a movement beyond the last point gets the
// last t (the curve is held flat there).
Real TCURVE(const TzCurve& curve, Real W);

// The same lookup for a curve known to have ascending movements, found by bisection.
Real TCURVE(const TzCurve& curve, Real W, bool ascending);
// ... tried first at point index `hint`, which is then set to where the lookup landed.
Real TCURVE(const TzCurve& curve, Real W, bool ascending, int& hint);

// True when the curve's movements never decrease, so that the bisection finds the
// point the scan would.
bool ascendingMovements(const TzCurve& curve);

// Tip load of the Q-w curve (QTIP against WTIP) at tip movement W.
Real tipLoadAt(const EngineData& d, Real W);

// Axial stiffness AE of the pile at depth X (AE against AEDEP): interpolated between the
// points that bracket X and, above the first point, extrapolated from the first two;
// held below the last point; a single point serves every depth.
Real stiffnessAt(const EngineData& d, Real X);

// Which t-z curves serve depth X and how far X lies between them. Depends on the depth
// only, so the solver works it out once per segment rather than once per pass.
struct CurveBracket {
    const TzCurve* upper = nullptr;   // the curve at or just above X (or the only one)
    const TzCurve* lower = nullptr;   // the curve just below X; null: upper alone serves X
    bool upperAscending = false;      // movements of upper ascend (see ascendingMovements)
    bool lowerAscending = false;
    int upperPoints = 0;              // points of each curve the lookups use
    int lowerPoints = 0;
    Real X = 0;                       // the depth served
    // Where the last lookup on each curve landed: a segment's movement changes little
    // from one pass to the next, so the next lookup tries there first.
    mutable int upperHint = 0;
    mutable int lowerHint = 0;
};

// Curves in order of depth; a depth shallower than the first curve uses the first, a
// depth deeper than the last the last.
CurveBracket bracketAt(const EngineData& d, Real X);

// Unit load transfer at movement W for the depth the bracket was made for.
Real unitTransfer(const CurveBracket& bracket, Real W);

}  // namespace quarlo
