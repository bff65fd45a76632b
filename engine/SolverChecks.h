#pragma once

#include "EngineData.h"
#include "SolverPile.h"

#include <initializer_list>
#include <string>

namespace quarlo {

// Why the solution cannot start or go on: a status (30-39) and the warning the report
// receives. Status 0 means there is nothing to stop for.
struct SolverStop {
    int status = 0;
    std::string message;
    explicit operator bool() const { return status != 0; }
};

// Statuses of the solution stage.
enum SolverStatus : int {
    zeroStiffness = 30,     // no AE profile, or AE zero (or not finite) at a segment
    noIncrements = 31,      // NSEG below 1
    noTzCurve = 32,         // no t-z curve, or a curve without points
    noTipCurve = 33,        // a Q-w curve without points
    notFinite = 34,         // a result would be NaN or infinite
};

// Inputs the segment walk cannot work with at all.
SolverStop checkSolverInput(const EngineData& d);

// A zero stiffness would divide the shortening by zero in every segment that has it.
SolverStop checkStiffness(const SolverPile& pile);

// A segment whose values are not all finite numbers, met at tip movement W.
SolverStop checkSegment(const SegmentState& s, Real W);

// A head or tip value that is not a finite number.
SolverStop checkValues(std::initializer_list<Real> values, Real W);

}  // namespace quarlo
