#pragma once

#include "EngineData.h"
#include "Real.h"
#include "RunResults.h"
#include "SolverNotes.h"
#include "SolverPile.h"

#include <vector>

namespace quarlo {

// The first-guess tip movement of a wanted head load, read off the computed
// load-settlement rows (TOPLOAD(i), TIPMV(i), in tip-movement order).
struct FirstGuess {
    bool reached = true;      // false: no row reaches the load; it is not solved
    Real tipMovement = 0;
};

// The first row whose head load reaches the load is interpolated linearly from the row
// before it (from zero load and zero movement before the first row); an equal load takes
// the tabulated movement, the mean of the two where a load stands twice; a load of 0 or
// less takes 0.
FirstGuess firstGuessTipMovement(const std::vector<Real>& TOPLOAD, const std::vector<Real>& TIPMV, Real load);

// The head-load pass: for each wanted load the tip movement is cut by 2 % per step from
// its first guess until the computed head load no longer exceeds the wanted one by
// 0.05 %. The 50 steps are shared by all loads of the pass.
class SolverHeadLoads {
public:
    SolverHeadLoads(const EngineData& d, SolverPile& pile, SolverNotes& notes)
        : m_data(d), m_pile(pile), m_notes(notes) {}

    // One row per LOAD(j), signs as written.
    std::vector<HeadLoadRow> run(const std::vector<Real>& TOPLOAD, const std::vector<Real>& TIPMV);

    static constexpr int budget = 50;

private:
    HeadLoadRow search(Real load, Real tipMovement);

    const EngineData& m_data;
    SolverPile& m_pile;
    SolverNotes& m_notes;
    int m_steps = 0;
};

}  // namespace quarlo
