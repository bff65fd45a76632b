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

// The stiffness AE at every segment's middle must be a finite number greater than 0: a
// zero AE makes the shortening infinite, a negative one turns it into a lengthening.
SolverStop checkStiffness(const SolverPile& pile, const EngineData& d);

// A segment whose values are not all finite numbers, met at tip movement W.
SolverStop checkSegment(const SegmentState& s, Real W);

// A head or tip value that is not a finite number.
SolverStop checkValues(std::initializer_list<Real> values, Real W);

}  // namespace quarlo
