#pragma once

#include "Real.h"
#include "RunContext.h"
#include "SolverPile.h"

#include <string>
#include <string_view>

namespace quarlo {

// The run notes of the solution stage: what the report's tables cannot say, namely where
// an iteration stopped without meeting its target. Each note is one line, written to the
// run-notes file and kept in the run results.
class SolverNotes {
public:
    explicit SolverNotes(RunContext& ctx) : m_ctx(ctx) {}

    // A segment that still missed TOL after its 100 passes; tipMovement is the one solved.
    void segmentNotConverged(Real tipMovement, const SegmentState& s);

    void headLoadNotReached(Real load, Real largest);
    void headLoadBudgetUsedUp(Real load, Real computed);
    void headLoadBelowWanted(Real load, Real computed);
    void headLoadAtZeroTipMovement(Real load, Real computed);

    // The reason a run was stopped, as the report's warning gives it.
    void stopped(int status, std::string_view reason);

private:
    void add(const std::string& line);
    std::string headLoadPrefix(Real load) const;
    std::string force(Real value) const;
    std::string movement(Real value) const;

    RunContext& m_ctx;
};

// A value in the report's E12.4 form without its leading blanks.
std::string noteNumber(Real value);

// The same followed by a unit label of the report (UL, UF, ...) without its blanks: "0.5000E+02 IN.".
std::string noteQuantity(Real value, std::string_view unitLabel);

}  // namespace quarlo
