#include "ChapterSections.h"
#include "MarkdownTable.h"
#include "NumberText.h"
#include "Units.h"

#include <algorithm>
#include <string>

namespace quarlo::verification {

namespace {

enum class Dimension { Length, Force, StressPerLength, ForcePerLength };

std::string unitOf(const ClosedFormPile& p, Dimension dimension)
{
    const std::string F = forceUnit(p.KUNITS), L = lengthUnit(p.KUNITS);
    switch (dimension) {
    case Dimension::Length: return L;
    case Dimension::Force: return F;
    case Dimension::StressPerLength: return stressUnit(p.KUNITS) + ("/" + L);
    case Dimension::ForcePerLength: return F + "/" + L;
    }
    return {};
}

void writeParameters(std::ostream& out, const ClosedFormPile& e, const ClosedFormPile& s)
{
    MarkdownTable table({"Quantity", "English units", "SI units"});
    const auto row = [&](const char* name, double ClosedFormPile::*field, Dimension dimension) {
        table.add({name, quantityText(e.*field, unitOf(e, dimension)), quantityText(s.*field, unitOf(s, dimension))});
    };
    row("Pile length L", &ClosedFormPile::L, Dimension::Length);
    row("Outer diameter D", &ClosedFormPile::D, Dimension::Length);
    row("Axial stiffness AE", &ClosedFormPile::AE, Dimension::Force);
    row("Slope of the t-z lines k", &ClosedFormPile::k, Dimension::StressPerLength);
    row("Slope of the tip line kb", &ClosedFormPile::kb, Dimension::ForcePerLength);
    row("Tip movement wb", &ClosedFormPile::wb, Dimension::Length);
    row("Straight lines end at the movement", &ClosedFormPile::zEnd, Dimension::Length);
    row("Tolerance of the segment iteration", &ClosedFormPile::TOL, Dimension::Length);
    table.add({"λ·L", numberText(closedFormLambda(e) * e.L, 4), numberText(closedFormLambda(s) * s.L, 4)});
    table.add({"Increments", std::to_string(ClosedFormCase::kIncrements), std::to_string(ClosedFormCase::kIncrements)});
    table.write(out);
}

// What 200 increments leave, from the finest run of the study and the order 2.
double errorAtCaseIncrements(const ConvergenceStudy& study)
{
    if (study.rows().empty())
        return 0;
    const ConvergenceRow& finest = study.rows().back();
    const double ratio = static_cast<double>(finest.NSEG) / ClosedFormCase::kIncrements;
    return std::max(finest.loadError, finest.movementError) * ratio * ratio;
}

}  // namespace

void writeClosedFormSection(std::ostream& out, const Verification& v)
{
    out << "## 1. Closed-form pile\n\n"
           "### What is computed\n\n"
           "A pile of length L, outer diameter D and constant axial stiffness AE stands in soil whose t-z "
           "curve is one straight line through the origin at every depth, t = k·z, on a tip whose Q-w curve "
           "is the straight line Q = kb·w. The engine is given one tip movement wb and computes the load and "
           "the movement at the pile head, and the tip load.\n\n"
           "### Expected values\n\n"
           "With x the height above the tip, the load in the pile is P = AE·w′, and a slice of height dx "
           "takes up the side load π·D·k·w·dx, so that AE·w″ = π·D·k·w. At the tip w(0) = wb and "
           "AE·w′(0) = kb·wb. The solution is\n\n"
           "- w(x) = wb·(cosh λx + kb / (AE·λ)·sinh λx),\n"
           "- P(x) = wb·(kb·cosh λx + AE·λ·sinh λx), with λ = √(π·D·k / AE),\n\n"
           "and the head movement and head load are w(L) and P(L). π is taken as 3.1416, the value the "
           "engine uses for the perimeter of the pile, so that the comparison measures the load-transfer "
           "walk and not the constant (3.1416 exceeds π by 2.3E-6 of its value). The tip load is kb·wb.\n\n"
           "### The projects\n\n"
           "The projects `closed-form-english.qv3d` and `closed-form-si.qv3d` (in "
           "`tests/verification/projects`) give the straight t-z line as a user curve at the pile head and "
           "at the tip, and the straight tip line as the Q-w curve. Both lines run from the origin to a "
           "movement far beyond every movement of the solve, so that the engine reads them on their "
           "straight part only, and the tolerance of the segment iteration lies far below the movements. "
           "With λ·L near 1, side and tip both carry a fair share of the head load, and the pile shortens "
           "by about as much again as its tip moves.\n\n";
    writeParameters(out, v.englishCase.pile(), v.siCase.pile());
    out << "### Tolerances\n\n"
           "Head load and head movement: "
        << ratioText(ClosedFormCase::kHeadTolerance)
        << ". The walk up the pile replaces the differential equation by "
        << ClosedFormCase::kIncrements
        << " increments. Section 2 shows the error falling with the square of the increment length; "
           "from its finest run this leaves about "
        << ratioText(errorAtCaseIncrements(v.study))
        << " with " << ClosedFormCase::kIncrements
        << " increments, and the rounding of single precision over as many increments adds about as much. "
           "The tolerance keeps a margin of five above both, while a fault in the walk (a load transfer "
           "read at the wrong movement, a shortening under the wrong load) would change the head values by "
           "much more than that. Tip load: "
        << ratioText(ClosedFormCase::kTipTolerance)
        << ", since it is read off the straight tip line in a few roundings of single precision.\n\n"
           "### Results in English units\n\n";
    writeComparisons(out, v.english);
    out << "### Results in SI units\n\n";
    writeComparisons(out, v.si);
}

}  // namespace quarlo::verification
