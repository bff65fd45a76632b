#include "RunNotes.h"
#include "RunStatus.h"

#include "../controls/CaseName.h"
#include "../shell/ProjectFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quarlo {
namespace {

struct NoteCase {
    const char* name;
    const char* line;
    RunNoteKind kind;
    std::optional<long double> first;    // tip movement, or the wanted head load
    std::optional<long double> second;   // depth, or the computed head load
    const char* unit;
};

class RunNoteTest : public ::testing::TestWithParam<NoteCase> {};

// Lines as the engine writes them; each is read with its depth or its loads.
TEST_P(RunNoteTest, ReadsTheKindAndItsValues)
{
    const NoteCase& c = GetParam();
    const RunNote note = ParseRunNote(c.line);
    EXPECT_EQ(note.Text, c.line);
    EXPECT_EQ(note.Kind, c.kind);
    if (c.kind == RunNoteKind::SegmentNotConverged) {
        EXPECT_EQ(note.TipMovement, c.first);
        EXPECT_EQ(note.Depth, c.second);
        EXPECT_EQ(note.LengthUnit, c.unit);
    } else {
        EXPECT_EQ(note.Load, c.first);
        EXPECT_EQ(note.ComputedLoad, c.second);
        EXPECT_EQ(note.ForceUnit, c.unit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plots, RunNoteTest,
    ::testing::Values(
        NoteCase{"SegmentEnglish",
                 "TIP MOVEMENT 0.1000E+00 IN.: THE SEGMENT AT DEPTH 0.5000E+02 IN. DID NOT CONVERGE IN 100 "
                 "PASSES, LAST DIFFERENCE 0.3927E+00 IN. AGAINST TOL 0.1000E-02 IN.",
                 RunNoteKind::SegmentNotConverged, 0.1L, 50, "IN."},
        NoteCase{"SegmentSI",
                 "TIP MOVEMENT 0.2000E-02 M.: THE SEGMENT AT DEPTH 0.1975E+02 M. DID NOT CONVERGE IN 100 "
                 "PASSES, LAST DIFFERENCE 0.3000E-04 M. AGAINST TOL 0.1000E-04 M.",
                 RunNoteKind::SegmentNotConverged, 0.002L, 19.75L, "M."},
        NoteCase{"NotReached",
                 "HEAD LOAD 0.2000E+05 LBS: NOT REACHED, ABOVE THE LARGEST COMPUTED HEAD LOAD 0.1771E+05 LBS; "
                 "NOT SOLVED",
                 RunNoteKind::HeadLoadNotReached, 20000, 17710, "LBS"},
        NoteCase{"StepsUsedUp",
                 "HEAD LOAD 0.3000E+04 KN.: THE 50 SEARCH STEPS OF THE HEAD-LOAD PASS WERE USED UP; THE ROW "
                 "SHOWS THE LAST SOLVE, WHOSE HEAD LOAD IS 0.2950E+04 KN.",
                 RunNoteKind::HeadLoadStepsUsedUp, 3000, 2950, "KN."},
        NoteCase{"BelowWanted",
                 "HEAD LOAD 0.8000E+03 KN.: ACCEPTED BELOW THE WANTED LOAD; THE LAST SOLVE GAVE 0.7871E+03 KN.",
                 RunNoteKind::HeadLoadBelowWanted, 800, 787.1L, "KN."},
        NoteCase{"AtZeroTipMovement",
                 "HEAD LOAD 0.1000E+03 LBS: SOLVED AT ZERO TIP MOVEMENT, WHERE THE HEAD LOAD IS -0.5000E+02 LBS",
                 RunNoteKind::HeadLoadAtZeroTipMovement, 100, -50, "LBS"},
        NoteCase{"UnknownLineIsKeptAsItStands", "SOMETHING ELSE 12", RunNoteKind::Other, std::nullopt,
                 std::nullopt, ""},
        NoteCase{"HeadLoadWithoutNumbersIsOther", "HEAD LOAD X: NOT REACHED", RunNoteKind::Other, std::nullopt,
                 std::nullopt, ""}),
    CaseName());

TEST(RunNoteStop, StatusAndReason)
{
    const RunNote note = ParseRunNote("RUN STOPPED WITH STATUS 30: THE PILE STIFFNESS AE IS 0 AT DEPTH 0.2500E+01 M.");
    EXPECT_EQ(note.Kind, RunNoteKind::RunStopped);
    EXPECT_EQ(note.Status, 30);
    EXPECT_EQ(note.Reason, "THE PILE STIFFNESS AE IS 0 AT DEPTH 0.2500E+01 M.");
}

TEST(RunNotesFile, LinesWithTextInOrderAndNoneWithoutAFile)
{
    quarlo::testing::TempDir dir;
    const std::string path = dir.file("run.qv3r");
    EXPECT_TRUE(ReadRunNotesFile(path).empty());
    quarlo::testing::writeBytes(path, "HEAD LOAD 0.8000E+03 KN.: ACCEPTED BELOW THE WANTED LOAD; THE LAST SOLVE GAVE "
                                      "0.7871E+03 KN.\r\n\r\nRUN STOPPED WITH STATUS 34: WHY\r\n");
    const std::vector<RunNote> notes = ReadRunNotesFile(path);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].Kind, RunNoteKind::HeadLoadBelowWanted);
    EXPECT_EQ(notes[1].Status, 34);
    quarlo::testing::writeBytes(path, "");
    EXPECT_TRUE(ReadRunNotesFile(path).empty());
}

struct StatusCase {
    const char* name;
    int status;
    const char* summary;
    const char* meaning;
};

class RunStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(RunStatusTest, SummaryAndMeaning)
{
    EXPECT_EQ(StatusSummary(GetParam().status), GetParam().summary);
    EXPECT_EQ(StatusMeaning(GetParam().status), GetParam().meaning);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, RunStatusTest,
    ::testing::Values(
        StatusCase{"Completed", 0, "completed", "run completed"},
        StatusCase{"NotRequested", 1, "stopped", "request code other than 2: nothing was done, no file touched"},
        StatusCase{"ProjectRead", 12, "the project data file cannot be read",
                   "the project data file cannot be read: it ends early, or holds text where a number is "
                   "expected, an integer field holds a non-integer (\"1.5\"), an integer out of range, a real too "
                   "large for single precision (1E39; one too small for it, such as 1E-50, reads as 0), or two "
                   "commas with nothing between"},
        StatusCase{"Reserved", 17, "stopped", "reserved for the run sequence"},
        StatusCase{"TipBelowLayers", 20, "curve generation stopped the run",
                   "no tip curve: no soil layer reaches the pile tip (pile length below the bottom of every layer)"},
        StatusCase{"ZeroStiffness", 30, "the load-transfer solution stopped the run",
                   "no AE profile, or the pile stiffness AE is 0 (or not a finite number) at the middle of a "
                   "segment"},
        StatusCase{"NoIncrements", 31, "the load-transfer solution stopped the run",
                   "fewer than one pile increment (NSEG < 1)"},
        StatusCase{"ReservedSolution", 37, "the load-transfer solution stopped the run",
                   "the load-transfer solution stopped the run"},
        StatusCase{"Unknown", 99, "stopped", "the run stopped with a status this program does not know"}),
    CaseName());

}  // namespace
}  // namespace quarlo
