#include "PlotFileText.h"
#include "RunSummaryContent.h"

#include "../controls/CaseName.h"
#include "../shell/ProjectFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarlo {
namespace {

struct SentenceCase {
    const char* name;
    const char* line;   // as the engine writes it
    int units;
    const char* sentence;
};

class NoteSentenceTest : public ::testing::TestWithParam<SentenceCase> {};

// Each note with its depth or its loads, in the general number format (four significant
// digits, as written) and the project's unit words.
TEST_P(NoteSentenceTest, SaysWhatHappenedAndWhere)
{
    EXPECT_EQ(NoteSentence(ParseRunNote(GetParam().line), GetParam().units), GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, NoteSentenceTest,
    ::testing::Values(
        SentenceCase{"SegmentEnglish",
                     "TIP MOVEMENT 0.1000E+00 IN.: THE SEGMENT AT DEPTH 0.5000E+02 IN. DID NOT CONVERGE IN 100 "
                     "PASSES, LAST DIFFERENCE 0.3927E+00 IN. AGAINST TOL 0.1000E-02 IN.",
                     1, "At a tip movement of 0.1 in the segment at depth 50 in did not converge."},
        SentenceCase{"SegmentSI",
                     "TIP MOVEMENT 0.2000E-02 M.: THE SEGMENT AT DEPTH 0.1975E+02 M. DID NOT CONVERGE IN 100 "
                     "PASSES, LAST DIFFERENCE 0.3000E-04 M. AGAINST TOL 0.1000E-04 M.",
                     2, "At a tip movement of 0.002 m the segment at depth 19.75 m did not converge."},
        SentenceCase{"NotReached",
                     "HEAD LOAD 0.2000E+05 LBS: NOT REACHED, ABOVE THE LARGEST COMPUTED HEAD LOAD 0.1771E+05 LBS; "
                     "NOT SOLVED",
                     1,
                     "Head load 20000 lbs was not reached: the largest computed head load is 17710 lbs; it was not "
                     "solved."},
        SentenceCase{"StepsUsedUp",
                     "HEAD LOAD 0.3000E+04 KN.: THE 50 SEARCH STEPS OF THE HEAD-LOAD PASS WERE USED UP; THE ROW "
                     "SHOWS THE LAST SOLVE, WHOSE HEAD LOAD IS 0.2950E+04 KN.",
                     2,
                     "Head load 3000 kN: the head-load search used up its steps; its row shows the last solve, at "
                     "2950 kN."},
        SentenceCase{"BelowWanted",
                     "HEAD LOAD 0.8000E+03 KN.: ACCEPTED BELOW THE WANTED LOAD; THE LAST SOLVE GAVE 0.7871E+03 KN.",
                     2, "Head load 800 kN was accepted below the wanted load: the last solve gave 787.1 kN."},
        SentenceCase{"AtZeroTipMovement",
                     "HEAD LOAD 0.1000E+03 LBS: SOLVED AT ZERO TIP MOVEMENT, WHERE THE HEAD LOAD IS -0.5000E+02 LBS",
                     1, "Head load 100 lbs was solved at zero tip movement, where the head load is -50 lbs."},
        SentenceCase{"RunStopped", "RUN STOPPED WITH STATUS 30: THE PILE STIFFNESS AE IS 0", 2,
                     "The run stopped with status 30: THE PILE STIFFNESS AE IS 0"},
        SentenceCase{"UnknownLineAsItStands", "SOMETHING ELSE 12", 1, "SOMETHING ELSE 12"}),
    CaseName());

TEST(StatusLine, TheStatusAndWhatItMeans)
{
    EXPECT_EQ(StatusLine(0), "Status 0: run completed");
    EXPECT_EQ(StatusLine(20), "Status 20: no tip curve: no soil layer reaches the pile tip (pile length below the "
                              "bottom of every layer)");
}

TEST(DownDragTitles, NameTheUnitsOfTheProject)
{
    EXPECT_EQ(DownDragTitles(1), (std::vector<std::string>{"Row", "Head load (lbs)", "Neutral plane depth (in)",
                                                           "Axial load there (lbs)", "Drag load (lbs)"}));
    EXPECT_EQ(DownDragTitles(2), (std::vector<std::string>{"Row", "Head load (kN)", "Neutral plane depth (m)",
                                                           "Axial load there (kN)", "Drag load (kN)"}));
}

SummaryRow tipMovementRow(int number, long double headLoad, NeutralPlane plane)
{
    SummaryRow row;
    row.Number = number;
    row.HeadLoad = headLoad;
    row.Plane = plane;
    return row;
}

TEST(DownDragRow, TheNeutralPlaneInFourSignificantDigits)
{
    NeutralPlane plane;
    plane.State = NeutralPlaneState::Found;
    plane.Depth = 9.94873L;
    plane.LargestLoad = 205.2449L;
    plane.DragLoad = 353.4999L;
    const DownDragLine line = DescribeDownDragRow(tipMovementRow(1, -148.25L, plane));
    EXPECT_EQ(line.Row, "Tip movement 1");
    EXPECT_EQ(line.HeadLoad, "-148.3");
    EXPECT_TRUE(line.Found);
    EXPECT_EQ(line.Depth, "9.949");
    EXPECT_EQ(line.LargestLoad, "205.2");
    EXPECT_EQ(line.DragLoad, "353.5");
    EXPECT_EQ(line.Remark, "");
}

TEST(DownDragRow, WhyARowHasNoNeutralPlane)
{
    NeutralPlane plane;
    plane.State = NeutralPlaneState::PileMovesMore;
    SummaryRow row = tipMovementRow(2, 800, plane);
    row.Kind = SummaryRowKind::HeadLoad;
    const DownDragLine line = DescribeDownDragRow(row);
    EXPECT_EQ(line.Row, "Head load 2");
    EXPECT_FALSE(line.Found);
    EXPECT_EQ(line.Depth, "");
    EXPECT_EQ(line.Remark, "no neutral plane along the pile: the pile moves more than the soil everywhere");
}

struct GraphsCase {
    const char* name;
    int status;
    bool plotsLoaded;
    const char* sentence;
};

class GraphsSentenceTest : public ::testing::TestWithParam<GraphsCase> {};

// The graphs show a run's results only when the run completed and its plot file was read.
TEST_P(GraphsSentenceTest, SaysWhetherTheGraphsShowThisRun)
{
    RunFacts facts;
    facts.Status = GetParam().status;
    facts.PlotsLoaded = GetParam().plotsLoaded;
    const RunSummaryContent content = DescribeRun(facts);
    EXPECT_EQ(content.Graphs, GetParam().sentence);
    EXPECT_EQ(content.Completed, GetParam().status == 0);
    EXPECT_EQ(content.Completion,
              "Computations are completed. Please, check output file for results or error messages.");
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, GraphsSentenceTest,
    ::testing::Values(
        GraphsCase{"Completed", 0, true, "The graphs show the results of this run."},
        GraphsCase{"PlotFileUnreadable", 0, false,
                   "The graphs are not available: the plot data file of this run cannot be read."},
        GraphsCase{"Stopped", 20, false,
                   "The graphs are not available: the run stopped before its results were complete."}),
    CaseName());

TEST(DescribeRun, NoNotesAndNoDownDrag)
{
    const RunSummaryContent content = DescribeRun(RunFacts{});
    EXPECT_TRUE(content.Notes.empty());
    EXPECT_FALSE(content.DownDrag);
}

TEST(DescribeRun, FilesThatCannotBeReadAreSaidOnOneLine)
{
    RunFacts facts;
    facts.NotesProblem = "Error on Line 2 Item 1\rA number was expected but not found.";
    facts.SummaryProblem = "Error on Line 9 Item 3\rA number was expected but not found.";
    const RunSummaryContent content = DescribeRun(facts);
    EXPECT_EQ(content.Notes, (std::vector<std::string>{"The run notes cannot be read: Error on Line 2 Item 1: A "
                                                        "number was expected but not found."}));
    EXPECT_TRUE(content.DownDrag);
    EXPECT_TRUE(content.DownDragLines.empty());
    EXPECT_EQ(content.DownDragProblem,
              "The neutral planes cannot be shown: Error on Line 9 Item 3: A number was expected but not found.");
}

// The run's files beside its project: its notes always, the results summary only for a
// completed run with down-drag. The plot file is the smallest complete one.
class ReadRunFactsTest : public quarlo::testing::ProjectTest {
protected:
    void SetUp() override
    {
        saveAs("pier.qv3d");
        testing::PlotFileText plot = testing::minimalHead();
        plot.counts(1, 2, 2).values({1.5, 100, 0.01}).values({0.5, 150, 0.012}).values({150, 0.013, 0.01, 100});
        testing::writeBytes(dir.file("pier.qv3p"), plot.str());
        testing::writeBytes(dir.file("pier.qv3r"),
                            "HEAD LOAD 0.8000E+03 KN.: ACCEPTED BELOW THE WANTED LOAD; THE LAST SOLVE GAVE 0.7871E+03 "
                            "KN.\r\n");
    }
};

TEST_F(ReadRunFactsTest, ACompletedRunWithoutDownDragHasItsNotesOnly)
{
    const RunFacts facts = ReadRunFacts(0, true, *project);
    ASSERT_EQ(facts.Notes.size(), 1u);
    EXPECT_EQ(facts.Notes[0].Kind, RunNoteKind::HeadLoadBelowWanted);
    EXPECT_FALSE(facts.Summary.has_value());
    EXPECT_EQ(facts.Units, project->Units());
}

TEST_F(ReadRunFactsTest, ACompletedDownDragRunHasItsSummary)
{
    project->DowndragOn = true;
    const RunFacts facts = ReadRunFacts(0, true, *project);
    ASSERT_TRUE(facts.Summary.has_value());
    EXPECT_EQ(facts.Summary->Rows.size(), 1u);
    EXPECT_EQ(facts.SummaryProblem, "");
}

// A stopped run wrote its plot file in part at most: nothing is summarized from it.
TEST_F(ReadRunFactsTest, AStoppedRunHasNoSummary)
{
    project->DowndragOn = true;
    const RunFacts facts = ReadRunFacts(20, false, *project);
    EXPECT_FALSE(facts.Summary.has_value());
    EXPECT_EQ(facts.SummaryProblem, "");
    EXPECT_EQ(facts.Notes.size(), 1u);
}

TEST_F(ReadRunFactsTest, AnUnreadablePlotFileIsSaid)
{
    project->DowndragOn = true;
    testing::writeBytes(dir.file("pier.qv3p"), " 1\r\n  1 x\r\n");
    const RunFacts facts = ReadRunFacts(0, false, *project);
    EXPECT_FALSE(facts.Summary.has_value());
    EXPECT_NE(facts.SummaryProblem, "");
}

}  // namespace
}  // namespace quarlo
