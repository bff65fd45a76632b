#include "ChapterSections.h"
#include "MarkdownTable.h"
#include "NumberText.h"
#include "Units.h"

#include <algorithm>
#include <string>

namespace quarlo::verification {

namespace {

std::string orderText(const ConvergenceRow& row, double order)
{
    return row.NSEG == ConvergenceStudy::kIncrements[0] ? "-" : numberText(order, 3);
}

void writeStudyTable(std::ostream& out, const ConvergenceStudy& study)
{
    const std::string L = lengthUnit(study.pile().KUNITS), F = forceUnit(study.pile().KUNITS);
    MarkdownTable table({"Increments", "Increment length (" + L + ")", "Head load (" + F + ")", "Relative error",
                         "Observed order", "Head movement (" + L + ")", "Relative error", "Observed order"});
    for (const ConvergenceRow& row : study.rows()) {
        table.add({std::to_string(row.NSEG), numberText(row.DL, 7), numberText(row.headLoad, 7),
                   ratioText(row.loadError), orderText(row, row.loadOrder), numberText(row.headMovement, 7),
                   ratioText(row.movementError), orderText(row, row.movementOrder)});
    }
    table.write(out);
}

std::string incrementList()
{
    std::string list;
    const auto& counts = ConvergenceStudy::kIncrements;
    const std::size_t n = std::size(counts);
    for (std::size_t i = 0; i < n; ++i)
        list += (i == 0 ? "" : i + 1 == n ? " and " : ", ") + std::to_string(counts[i]);
    return list;
}

void writeErrorRange(std::ostream& out, const ConvergenceStudy& study)
{
    double largest = 0, smallest = 1;
    for (const ConvergenceRow& row : study.rows()) {
        largest = std::max({largest, row.loadError, row.movementError});
        smallest = std::min({smallest, row.loadError, row.movementError});
    }
    out << "Over the study the relative errors run from " << ratioText(largest) << " down to "
        << ratioText(smallest) << ", far above the rounding of single precision, which the results of "
           "section 1 bound at about 1E-6";
}

}  // namespace

void writeConvergenceSection(std::ostream& out, const Verification& v)
{
    const ConvergenceStudy& study = v.study;
    const PileHead exact = closedFormHead(study.pile());
    const int units = study.pile().KUNITS;
    out << "## 2. Convergence with the increment length\n\n"
           "### What is computed\n\n"
           "The English pile of section 1 is solved with "
        << incrementList()
        << " increments, the increment length halved from one run to the next; nothing else changes. "
           "Each run's head load and head movement are set against the closed form of section 1: head "
           "load "
        << quantityText(exact.P, forceUnit(units)) << ", head movement " << quantityText(exact.w, lengthUnit(units))
        << ".\n\n"
           "### Expected order\n\n"
           "In each increment the engine reads the unit load transfer at the movement of the increment's "
           "middle, and works out the shortening of the increment under its average load and the movement "
           "of its middle under the average load of its lower half. Each of these rules is exact for a load "
           "that changes linearly along the increment, so the error an increment leaves is of the third "
           "power of its length, and over the pile's L / DL increments the error of the head values falls "
           "with the square of the increment length: halving the increment length quarters the error, an "
           "order of "
        << numberText(ConvergenceStudy::kExpectedOrder, 3)
        << ". The observed order of one halving is log2(e(N/2) / e(N)), where e(N) is the relative error "
           "with N increments.\n\n"
           "### Results\n\n";
    writeStudyTable(out, study);
    out << "### Observed order\n\n";
    writeComparisons(out, v.convergence);
    if (!v.convergence.failure.empty())
        return;
    writeErrorRange(out, study);
    out << ", so every halving shows the order of the walk itself (finer runs would bring the rounding "
           "into it). The tolerance of "
        << numberText(ConvergenceStudy::kOrderTolerance * 100, 3) << " % accepts orders from "
        << numberText(ConvergenceStudy::kExpectedOrder * (1 - ConvergenceStudy::kOrderTolerance), 3) << " to "
        << numberText(ConvergenceStudy::kExpectedOrder * (1 + ConvergenceStudy::kOrderTolerance), 3)
        << "; a step of the walk that were only first-order accurate would pull the observed order towards "
           "1.\n\n"
           "Fitted over the whole study (the least-squares slope of log e against log DL), the observed "
           "convergence order is "
        << numberText(study.fittedLoadOrder(), 3) << " for the head load and "
        << numberText(study.fittedMovementOrder(), 3) << " for the head movement.\n\n";
}

}  // namespace quarlo::verification
