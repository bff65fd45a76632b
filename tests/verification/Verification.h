#pragma once

#include "ClosedFormCase.h"
#include "Comparison.h"
#include "ConvergenceStudy.h"
#include "HandCheckedExample.h"

#include <filesystem>
#include <vector>

namespace quarlo::verification {

// Every verification case, run once; the chapter and the check read the same results.
struct Verification {
    explicit Verification(const std::filesystem::path& sourceDir);

    void run();

    // The results in chapter order.
    std::vector<const CaseResult*> results() const { return {&english, &si, &convergence, &example}; }

    ClosedFormCase englishCase;
    ClosedFormCase siCase;
    ConvergenceStudy study;
    HandCheckedExample exampleCase;
    CaseResult english, si, convergence, example;
};

// The number of values compared and, of them, those outside their tolerance (runs that did
// not complete count as one each).
struct Tally {
    int compared = 0;
    int outside = 0;
};
Tally tally(const Verification& v);

}  // namespace quarlo::verification
