#pragma once

#include "ClosedFormPile.h"
#include "Comparison.h"
#include "ProjectRun.h"

#include <filesystem>
#include <vector>

namespace quarlo::verification {

// One solve of the study: the head values with NSEG increments and their relative errors
// against the closed form. The observed order compares the error with that of the row
// before (half as many increments); the first row has none.
struct ConvergenceRow {
    int NSEG = 0;
    double DL = 0;
    double headLoad = 0;
    double headMovement = 0;
    double loadError = 0;
    double movementError = 0;
    double loadOrder = 0;       // log2(error of NSEG / 2 increments / error of NSEG)
    double movementOrder = 0;
};

// The closed-form pile solved again and again, the increment length halved each time. The
// walk takes each increment's load transfer at its middle and its shortening under its
// average load, so its error falls with the square of the increment length: order 2.
class ConvergenceStudy {
public:
    static constexpr int kIncrements[] = {5, 10, 20, 40};
    static constexpr double kExpectedOrder = 2;
    // From 5 to 40 increments the errors run from about 2E-3 down to 2E-5, far above the
    // single-precision rounding (about 1E-6 at most), so every halving shows the order to within
    // a per cent; 5 % catches any step of the walk that were only first-order accurate. Finer
    // runs would bring the rounding into the observed order.
    static constexpr double kOrderTolerance = 0.05;

    ConvergenceStudy(const ClosedFormPile& pile, std::filesystem::path project)
        : m_pile(pile), m_project(std::move(project)) {}

    // Solves every row; the comparisons are the observed orders against 2.
    CaseResult run(const ScratchDirectory& scratch);

    const ClosedFormPile& pile() const { return m_pile; }
    const std::vector<ConvergenceRow>& rows() const { return m_rows; }

    // The order over the whole study: the least-squares slope of log(error) against
    // log(increment length).
    double fittedLoadOrder() const;
    double fittedMovementOrder() const;

private:
    double fittedOrder(double ConvergenceRow::*error) const;

    ClosedFormPile m_pile;
    std::filesystem::path m_project;
    std::vector<ConvergenceRow> m_rows;
};

}  // namespace quarlo::verification
