#include "SolverNotes.h"

#include "OutputLine.h"

namespace quarlo {

namespace {

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string noteNumber(Real value)
{
    return trimmed(OutputLine().e(12, 4, value).str());
}

std::string noteQuantity(Real value, std::string_view unitLabel)
{
    return noteNumber(value) + " " + trimmed(unitLabel);
}

std::string SolverNotes::force(Real value) const
{
    return noteQuantity(value, m_ctx.data.UF);
}

std::string SolverNotes::movement(Real value) const
{
    return noteQuantity(value, m_ctx.data.UM);
}

void SolverNotes::add(const std::string& line)
{
    m_ctx.notes.write(line);
    m_ctx.results.notes.push_back(line);
}

void SolverNotes::segmentNotConverged(Real tipMovement, const SegmentState& s)
{
    add("TIP MOVEMENT " + movement(tipMovement) + ": THE SEGMENT AT DEPTH " + noteQuantity(s.XM, m_ctx.data.UL)
        + " DID NOT CONVERGE IN 100 PASSES, LAST DIFFERENCE "
        + movement(s.lastDifference) + " AGAINST TOL " + movement(m_ctx.data.TOL));
}

std::string SolverNotes::headLoadPrefix(Real load) const
{
    return "HEAD LOAD " + force(load) + ": ";
}

void SolverNotes::headLoadNotReached(Real load, Real largest)
{
    add(headLoadPrefix(load) + "NOT REACHED, ABOVE THE LARGEST COMPUTED HEAD LOAD " + force(largest)
        + "; NOT SOLVED");
}

void SolverNotes::headLoadBudgetUsedUp(Real load, Real computed)
{
    add(headLoadPrefix(load) + "THE 50 SEARCH STEPS OF THE HEAD-LOAD PASS WERE USED UP; THE ROW SHOWS"
        " THE LAST SOLVE, WHOSE HEAD LOAD IS " + force(computed));
}

void SolverNotes::headLoadBelowWanted(Real load, Real computed)
{
    add(headLoadPrefix(load) + "ACCEPTED BELOW THE WANTED LOAD; THE LAST SOLVE GAVE " + force(computed));
}

void SolverNotes::headLoadAtZeroTipMovement(Real load, Real computed)
{
    add(headLoadPrefix(load) + "SOLVED AT ZERO TIP MOVEMENT, WHERE THE HEAD LOAD IS " + force(computed));
}

void SolverNotes::stopped(int status, std::string_view reason)
{
    add("RUN STOPPED WITH STATUS " + std::to_string(status) + ": " + std::string(reason));
}

}  // namespace quarlo
