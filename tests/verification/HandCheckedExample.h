#pragma once

#include "Comparison.h"
#include "ProjectRun.h"

#include <filesystem>

namespace quarlo::verification {

// The steps of the hand calculation on the bundled driven-pile example, kept so that the
// chapter shows each intermediate value it derives from.
struct DrivenPileHandWork {
    double q = 0;            // unit tip resistance at the tip, 720 in (psi)
    double Qmax = 0;         // ultimate tip load, tip area x q (lb)
    double tipLoad1 = 0;     // tip load at 0.01 in (lb)
    double tipLoad2 = 0;     // tip load at 0.05 in
    double tipLoad7 = 0;     // tip load at 1.6 in
    double f13 = 0;          // side friction of curve 13 at 690 in (psi)
    double f14 = 0;          // side friction of curve 14 at 794.995 in
    double t13 = 0;          // unit transfer of curve 13 at 0.01 in (psi)
    double t14 = 0;          // unit transfer of curve 14 at 0.01 in
    double t = 0;            // unit transfer at the first segment's middle, 711 in
    double A = 0;            // side area of one increment (in^2)
    double averageLoad = 0;  // average load of the first segment (lb)
    double middleMovement = 0;  // movement of the first segment's middle (in)
};

// The example driven-pile-clay-english.qv3d: 16 in pipe pile, 720 in long, 40 increments,
// through Coyle and Reese clay, Mosher sand and API clay; the tip in API clay. Its tip loads
// and the first segment of its first tip movement are worked out by hand.
class HandCheckedExample {
public:
    // Single precision through the profile interpolation, the curve generation and the
    // lookups: a few dozen roundings of 6E-8 each.
    static constexpr double kTolerance = 1e-5;

    explicit HandCheckedExample(std::filesystem::path project) : m_project(std::move(project)) {}

    CaseResult run(const ScratchDirectory& scratch) const;

    static DrivenPileHandWork handWork();

private:
    std::filesystem::path m_project;
};

}  // namespace quarlo::verification
