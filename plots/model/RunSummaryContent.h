#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ResultsSummary.h"
#include "RunNotes.h"

namespace quarlo {

class TProgramData;

// What is known of a run once the engine has returned: its status, whether its graphs were
// read, its notes and, for a completed down-drag run, its results summary. A file that could
// not be read leaves its part empty and says why.
struct RunFacts {
    int Status = 0;
    bool PlotsLoaded = false;
    int Units = 1;                          // the project's unit system
    std::vector<RunNote> Notes;
    std::string NotesProblem;
    std::optional<ResultsSummary> Summary;  // completed runs with down-drag only
    std::string SummaryProblem;
};

// Reads the run notes and, for a completed down-drag run, the results summary of the run
// the engine has just made for `project`. The caller has made sure no output of an earlier
// run is left to be taken for this one's.
RunFacts ReadRunFacts(int status, bool plotsLoaded, const TProgramData& project);

// One row of the down-drag table: the neutral plane with the axial load there and the drag
// load, or why the row has none.
struct DownDragLine {
    std::string Row;          // "Tip movement 1", "Head load 2"
    std::string HeadLoad;
    bool Found = false;
    std::string Depth;        // below the pile head
    std::string LargestLoad;  // the axial load at the neutral plane
    std::string DragLoad;
    std::string Remark;       // why there is no neutral plane; empty when Found
};

// The run summary as the user reads it, numbers and units in words.
struct RunSummaryContent {
    std::string Completion;   // the sentence every run ends with
    std::string Status;       // "Status 20: " and what the status means
    bool Completed = false;
    std::string Graphs;       // whether the graphs show this run
    std::vector<std::string> Notes;   // one sentence per note, or why they cannot be read
    bool DownDrag = false;
    std::vector<std::string> DownDragTitles;   // column captions with their units
    std::vector<DownDragLine> DownDragLines;
    std::string DownDragProblem;
};

RunSummaryContent DescribeRun(const RunFacts& facts);

// "Status n: " and the meaning of status n.
std::string StatusLine(int status);

// A run note as a sentence, with its values in the general number format and the unit words
// of unit system `units`; a note of no known kind as the engine wrote it.
std::string NoteSentence(const RunNote& note, int units);

// The down-drag row of one summary row; its values stay in the run's units, which the
// column titles name.
DownDragLine DescribeDownDragRow(const SummaryRow& row);
std::vector<std::string> DownDragTitles(int units);

}  // namespace quarlo
