#pragma once

#include <cmath>
#include <string>
#include <vector>

namespace quarlo::verification {

// One computed value set against the value worked out without the engine.
struct Comparison {
    std::string quantity;   // as the chapter names it
    std::string unit;       // empty for a pure number
    double expected = 0;
    double computed = 0;
    double tolerance = 0;   // largest relative difference accepted

    double relativeDifference() const { return std::fabs(computed - expected) / std::fabs(expected); }
    // A difference that is not a number (a computed NaN) is outside every tolerance.
    bool withinTolerance() const { return relativeDifference() <= tolerance; }
};

// The comparisons of one verification case, or why the engine gave none.
struct CaseResult {
    std::string title;                    // "closed-form pile, English units"
    std::vector<Comparison> comparisons;
    std::string failure;                  // non-empty: the run did not complete
};

}  // namespace quarlo::verification
