#include "ClosedFormCase.h"

#include "Units.h"

namespace quarlo::verification {

CaseResult ClosedFormCase::run(const ScratchDirectory& scratch) const
{
    CaseResult result;
    result.title = std::string("closed-form pile, ") + (m_pile.KUNITS == 1 ? "English units" : "SI units");
    const RunOutcome outcome = runProject(scratch, withIncrements(readProjectText(m_project), kIncrements));
    if (outcome.status != 0 || outcome.results.summary.empty()) {
        result.failure = describeStop(outcome);
        return result;
    }
    const SettlementRow& row = outcome.results.summary.front();
    const PileHead exact = closedFormHead(m_pile);
    const char* force = forceUnit(m_pile.KUNITS);
    const char* length = lengthUnit(m_pile.KUNITS);
    result.comparisons = {
        {"Head load", force, exact.P, row.headLoad, kHeadTolerance},
        {"Head movement", length, exact.w, row.headMovement, kHeadTolerance},
        {"Tip load", force, m_pile.kb * m_pile.wb, row.tipLoad, kTipTolerance},
    };
    return result;
}

}  // namespace quarlo::verification
