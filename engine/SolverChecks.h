#pragma once

#include "EngineData.h"
#include "SolverPile.h"
#include "StatusCodes.h"

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

// Inputs the segment walk cannot work with at all.
SolverStop checkSolverInput(const EngineData& d);

// A zero stiffness would divide the shortening by zero in every segment that has it.
SolverStop checkStiffness(const SolverPile& pile);

// A segment whose values are not all finite numbers, met at tip movement W.
SolverStop checkSegment(const SegmentState& s, Real W);

// A head or tip value that is not a finite number.
SolverStop checkValues(std::initializer_list<Real> values, Real W);

}  // namespace quarlo
