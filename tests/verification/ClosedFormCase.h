#pragma once

#include "ClosedFormPile.h"
#include "Comparison.h"
#include "ProjectRun.h"

#include <filesystem>

namespace quarlo::verification {

// The closed-form pile solved by the engine from its project file: head load, head movement
// and tip load of the one tip movement, each against the closed form.
class ClosedFormCase {
public:
    // 200 increments: the discretisation error is then about 1E-6 of the head values.
    static constexpr int kIncrements = 200;
    // What 200 increments leave (about 1E-6) plus the single-precision round-off of the walk
    // up 200 increments (about 1E-6), with a margin of five; an error in the method itself
    // would show far above it.
    static constexpr double kHeadTolerance = 1e-5;
    // The tip load is read off a straight line in a few roundings.
    static constexpr double kTipTolerance = 1e-6;

    ClosedFormCase(const ClosedFormPile& pile, std::filesystem::path project)
        : m_pile(pile), m_project(std::move(project)) {}

    CaseResult run(const ScratchDirectory& scratch) const;

    const ClosedFormPile& pile() const { return m_pile; }

private:
    ClosedFormPile m_pile;
    std::filesystem::path m_project;
};

}  // namespace quarlo::verification
