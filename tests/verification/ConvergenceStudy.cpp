#include "ConvergenceStudy.h"

#include <cmath>
#include <string>

namespace quarlo::verification {

namespace {

double relativeError(double computed, double exact)
{
    return std::fabs(computed - exact) / std::fabs(exact);
}

std::string halving(const ConvergenceRow& from, const ConvergenceRow& to)
{
    return std::to_string(from.NSEG) + " to " + std::to_string(to.NSEG) + " increments";
}

}  // namespace

CaseResult ConvergenceStudy::run(const ScratchDirectory& scratch)
{
    CaseResult result;
    result.title = "convergence study";
    m_rows.clear();
    const std::string project = readProjectText(m_project);
    const PileHead exact = closedFormHead(m_pile);
    for (const int NSEG : kIncrements) {
        const RunOutcome outcome = runProject(scratch, withIncrements(project, NSEG));
        if (outcome.status != 0 || outcome.results.summary.empty()) {
            result.failure = describeStop(outcome) + " (" + std::to_string(NSEG) + " increments)";
            return result;
        }
        const SettlementRow& head = outcome.results.summary.front();
        ConvergenceRow row{NSEG, m_pile.L / NSEG, head.headLoad, head.headMovement,
                           relativeError(head.headLoad, exact.P), relativeError(head.headMovement, exact.w)};
        if (!m_rows.empty()) {
            const ConvergenceRow& before = m_rows.back();
            row.loadOrder = std::log2(before.loadError / row.loadError);
            row.movementOrder = std::log2(before.movementError / row.movementError);
            result.comparisons.push_back({"Order of the head load, " + halving(before, row), "", kExpectedOrder,
                                          row.loadOrder, kOrderTolerance});
            result.comparisons.push_back({"Order of the head movement, " + halving(before, row), "",
                                          kExpectedOrder, row.movementOrder, kOrderTolerance});
        }
        m_rows.push_back(row);
    }
    return result;
}

double ConvergenceStudy::fittedOrder(double ConvergenceRow::*error) const
{
    const double n = static_cast<double>(m_rows.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const ConvergenceRow& row : m_rows) {
        const double x = std::log(row.DL);
        const double y = std::log(row.*error);
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

double ConvergenceStudy::fittedLoadOrder() const
{
    return fittedOrder(&ConvergenceRow::loadError);
}

double ConvergenceStudy::fittedMovementOrder() const
{
    return fittedOrder(&ConvergenceRow::movementError);
}

}  // namespace quarlo::verification
