#include "RunSummaryContent.h"

#include "EInOutError.h"
#include "NumberFormat.h"
#include "OneLine.h"
#include "ProgramData.h"
#include "ProjectFileNames.h"
#include "RunMessages.h"
#include "RunStatus.h"
#include "UnitsDisplay.h"

namespace quarlo {

namespace {

// The plot data file and the run notes hold four significant digits; more would claim a
// precision the run did not write.
constexpr int kSummaryDigits = 4;
// Rounded values are then written out in full up to this many digits, so that a load of
// 20000 lbs reads as such and not as 2E4.
constexpr int kWrittenOutDigits = 8;

struct UnitWords {
    std::string force;
    std::string length;
};

UnitWords unitWords(int units)
{
    return {DisplayUnits("F", units, UnitVariant::Chart), DisplayUnits("L", units, UnitVariant::Chart)};
}

std::string number(long double value)
{
    const long double rounded = parseDecimal(formatGeneral(value, kSummaryDigits)).value_or(value);
    return formatGeneral(rounded, kWrittenOutDigits);
}

std::string quantity(const std::optional<long double>& value, const std::string& unit)
{
    return number(value.value_or(0)) + " " + unit;
}

std::string headLoadSentence(const RunNote& note, const std::string& force)
{
    const std::string wanted = "Head load " + quantity(note.Load, force);
    const std::string computed = quantity(note.ComputedLoad, force);
    switch (note.Kind) {
    case RunNoteKind::HeadLoadNotReached:
        return wanted + " was not reached: the largest computed head load is " + computed + "; it was not solved.";
    case RunNoteKind::HeadLoadStepsUsedUp:
        return wanted + ": the head-load search used up its steps; its row shows the last solve, at " + computed + ".";
    case RunNoteKind::HeadLoadBelowWanted:
        return wanted + " was accepted below the wanted load: the last solve gave " + computed + ".";
    case RunNoteKind::HeadLoadAtZeroTipMovement:
        return wanted + " was solved at zero tip movement, where the head load is " + computed + ".";
    default:
        return note.Text;
    }
}

std::vector<std::string> noteSentences(const RunFacts& facts)
{
    std::vector<std::string> sentences;
    for (const RunNote& note : facts.Notes)
        sentences.push_back(NoteSentence(note, facts.Units));
    if (!facts.NotesProblem.empty())
        sentences.push_back("The run notes cannot be read: " + OneLine(facts.NotesProblem));
    return sentences;
}

std::string graphsSentence(const RunFacts& facts)
{
    if (facts.Status != 0)
        return "The graphs are not available: the run stopped before its results were complete.";
    if (!facts.PlotsLoaded)
        return "The graphs are not available: the plot data file of this run cannot be read.";
    return "The graphs show the results of this run.";
}

std::string rowName(const SummaryRow& row)
{
    return (row.Kind == SummaryRowKind::TipMovement ? "Tip movement " : "Head load ") + std::to_string(row.Number);
}

void describeDownDrag(const RunFacts& facts, RunSummaryContent& content)
{
    content.DownDrag = (facts.Summary && facts.Summary->DownDrag) || !facts.SummaryProblem.empty();
    if (!content.DownDrag)
        return;
    content.DownDragTitles = DownDragTitles(facts.Units);
    if (!facts.Summary) {
        content.DownDragProblem = "The neutral planes cannot be shown: " + OneLine(facts.SummaryProblem);
        return;
    }
    for (const SummaryRow& row : facts.Summary->Rows)
        content.DownDragLines.push_back(DescribeDownDragRow(row));
    if (!facts.Summary->HeadLoadsProblem.empty())
        content.DownDragProblem = "The pile-head load rows are incomplete: " + OneLine(facts.Summary->HeadLoadsProblem);
}

}  // namespace

RunFacts ReadRunFacts(int status, bool plotsLoaded, const TProgramData& project)
{
    RunFacts facts;
    facts.Status = status;
    facts.PlotsLoaded = plotsLoaded;
    facts.Units = project.Units();
    try {
        facts.Notes = ReadRunNotesFile(RunNotesFileName(project.FileName));
    } catch (const EInOutError& error) {
        facts.NotesProblem = error.what();
    }
    if (status != 0 || !project.DowndragOn)
        return facts;
    try {
        facts.Summary = SummarizeRunFile(PlotFileName(project.FileName), project);
    } catch (const EInOutError& error) {
        facts.SummaryProblem = error.what();
    }
    return facts;
}

RunSummaryContent DescribeRun(const RunFacts& facts)
{
    RunSummaryContent content;
    content.Completion = kComputationsCompleted;
    content.Status = StatusLine(facts.Status);
    content.Completed = facts.Status == 0;
    content.Graphs = graphsSentence(facts);
    content.Notes = noteSentences(facts);
    describeDownDrag(facts, content);
    return content;
}

std::string StatusLine(int status)
{
    return "Status " + std::to_string(status) + ": " + StatusMeaning(status);
}

std::string NoteSentence(const RunNote& note, int units)
{
    const UnitWords words = unitWords(units);
    switch (note.Kind) {
    case RunNoteKind::SegmentNotConverged:
        return "At a tip movement of " + quantity(note.TipMovement, words.length) + " the segment at depth " +
               quantity(note.Depth, words.length) + " did not converge.";
    case RunNoteKind::RunStopped:
        return "The run stopped with status " + std::to_string(note.Status) + ": " + note.Reason;
    case RunNoteKind::Other:
        return note.Text;
    default:
        return headLoadSentence(note, words.force);
    }
}

DownDragLine DescribeDownDragRow(const SummaryRow& row)
{
    DownDragLine line;
    line.Row = rowName(row);
    line.HeadLoad = number(row.HeadLoad);
    if (!row.Plane)
        return line;
    const NeutralPlane& plane = *row.Plane;
    line.Found = plane.State == NeutralPlaneState::Found;
    if (!line.Found) {
        line.Remark = NeutralPlaneWords(plane);
        return line;
    }
    line.Depth = number(plane.Depth);
    line.LargestLoad = number(plane.LargestLoad);
    line.DragLoad = number(plane.DragLoad);
    return line;
}

std::vector<std::string> DownDragTitles(int units)
{
    const UnitWords words = unitWords(units);
    return {"Row",
            "Head load (" + words.force + ")",
            "Neutral plane depth (" + words.length + ")",
            "Axial load there (" + words.force + ")",
            "Drag load (" + words.force + ")"};
}

}  // namespace quarlo
