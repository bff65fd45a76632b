#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// The run notes (.qv3r): one line for each thing a run's tables cannot say.
enum class RunNoteKind {
    SegmentNotConverged,        // a segment still missed the tolerance after its 100 passes
    HeadLoadNotReached,         // above the largest computed head load; not solved
    HeadLoadStepsUsedUp,        // the head-load search ran out of steps; the row shows its last solve
    HeadLoadBelowWanted,        // accepted with a computed head load below the wanted one
    HeadLoadAtZeroTipMovement,  // solved at zero tip movement, away from the wanted load
    RunStopped,                 // the solution stage stopped the run
    Other,                      // a line this program does not know; shown as it stands
};

struct RunNote {
    RunNoteKind Kind = RunNoteKind::Other;
    std::string Text;                          // the line as written
    std::optional<long double> TipMovement;    // segment notes: the tip movement solved
    std::optional<long double> Depth;          // segment notes: depth of the segment's middle
    std::optional<long double> Load;           // head-load notes: the wanted head load
    std::optional<long double> ComputedLoad;   // head-load notes: the head load the solve gave,
                                               // or the largest computed one when not reached
    std::string ForceUnit;                     // as written: "LBS" or "KN."
    std::string LengthUnit;                    // as written: "IN." or "M."
    int Status = 0;                            // RunStopped: the status and why
    std::string Reason;
};

// One line of the run notes; a line of no known kind is kept as Other.
RunNote ParseRunNote(std::string_view line);

// Every line that holds text, in order.
std::vector<RunNote> ParseRunNotes(const std::vector<std::string>& lines);

// The run-notes file: its notes, none when the file does not exist. EInOutError when it
// exists but cannot be read. The caller makes sure the file is the one of the run it shows
// (the engine rewrites it on every run that gets as far as opening its files).
std::vector<RunNote> ReadRunNotesFile(const std::string& fileName);

}  // namespace quarlo
