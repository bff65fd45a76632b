#include "NamesFile.h"
#include "RunFixture.h"
#include "RunHeader.h"
#include "RunSequence.h"
#include "StatusCodes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quarlo {
namespace {

using test::fixedClock;
using test::kMorning;

TEST(RunHeader, HeaderAndFileNameBlock) {
    std::ostringstream out;
    TextSink report(&out);
    writeRunHeader(report, RunFiles{"2014.3.2", "C:\\Data\\Pile 1.qv3d", "C:\\Data\\Pile 1.qv3o",
                                    "C:\\Data\\Pile 1.qv3p", "C:\\Data\\Pile 1.qv3r"});
    const std::string rule = "     " + std::string(73, '=') + "\r\n";
    EXPECT_EQ(out.str(), rule + "\r\n" +
                             "                      QUARLO for Windows, Version 2014.3.2    \r\n"
                             "\r\n"
                             "                       A Program for Computing Load Vs Settlement \r\n"
                             "                               For an Axially Loaded Pile \r\n"
                             "\r\n" + rule + "\r\n\r\n"
                             "     Path to file locations      : C:\\Data\\\r\n"
                             "     Name of input data file     : Pile 1.qv3d\r\n"
                             "     Name of output file         : Pile 1.qv3o\r\n"
                             "     Name of plot output file    : Pile 1.qv3p\r\n"
                             "\r\n");
}

TEST(RunHeader, LongVersionIsCutTo12) {
    std::ostringstream out;
    TextSink report(&out);
    writeRunHeader(report, RunFiles{"2014.3.2-beta-long", "/p/a.qv3d", "/p/a.qv3o", "/p/a.qv3p", "/p/a.qv3r"});
    EXPECT_NE(out.str().find("Version 2014.3.2-bet\r\n"), std::string::npos);
}

TEST(RunHeader, DateBlock) {
    std::ostringstream out;
    TextSink report(&out);
    writeDateBlock(report, kMorning);
    const std::string rule = "     " + std::string(73, '-') + "\r\n";
    EXPECT_EQ(out.str(), rule + "                          Time and Date of Analysis\r\n" + rule + "\r\n" +
                             "               Date:  March 07, 2015     Time:  09:05:31\r\n");
}

TEST(RunHeader, DateLineLeftOutForImpossibleMonth) {
    std::ostringstream out;
    TextSink report(&out);
    writeDateBlock(report, LocalTime{2015, 13, 7, 9, 5, 31});
    EXPECT_EQ(out.str().find("Date:"), std::string::npos);
}

struct PathCase {
    const char* name;
    const char* path;
    PathParts parts;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class SplitPath : public testing::TestWithParam<PathCase> {};

TEST_P(SplitPath, Parts) {
    const PathParts parts = splitPath(GetParam().path);
    EXPECT_EQ(parts.drive, GetParam().parts.drive);
    EXPECT_EQ(parts.directory, GetParam().parts.directory);
    EXPECT_EQ(parts.name, GetParam().parts.name);
    EXPECT_EQ(parts.extension, GetParam().parts.extension);
}

const PathCase kPaths[] = {
    {"windows_drive", "C:\\Data\\Pile 1.qv3d", {"C:", "\\Data\\", "Pile 1", ".qv3d"}},
    {"posix", "/home/eng/pile.qv3d", {"", "/home/eng/", "pile", ".qv3d"}},
    {"bare_name", "pile", {"", "", "pile", ""}},
    {"extension_cut_to_five", "/x/pile.qv3dlong", {"", "/x/", "pile", ".qv3d"}},
    {"dot_in_directory_only", "/x.y/pile", {"", "/x.y/", "pile", ""}},
};

INSTANTIATE_TEST_SUITE_P(Paths, SplitPath, testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NamesFile, FourLinesLeaveRunNotesBlank) {
    std::istringstream in("2014.3.2\r\n/p/a.qv3d\r\n/p/a.qv3o\r\n/p/a.qv3p\r\n");
    std::ostringstream console;
    RunFiles files;
    EXPECT_TRUE(readNamesFile(in, files, &console));
    EXPECT_EQ(console.str(), "  FILE ERRORS!\n");
    EXPECT_EQ(files.version, "2014.3.2    ");
    EXPECT_EQ(files.plot, "/p/a.qv3p");
    EXPECT_EQ(files.notes, "");
}

TEST(NamesFile, FieldsAreCutAndTrimmed) {
    std::istringstream in("2014.3.2-extra-long\r\n/p/a.qv3d   \r\n" + std::string(300, 'x') + "\r\nq\r\nr\r\n");
    RunFiles files;
    EXPECT_TRUE(readNamesFile(in, files, nullptr));
    EXPECT_EQ(files.version, "2014.3.2-ext");
    EXPECT_EQ(files.input, "/p/a.qv3d");
    EXPECT_EQ(files.report.size(), 255u);
}

// A short but complete user-curve project in English units.
const char* const kProject =
    "Run test\r\n10 1 1\r\n1 \r\n1\r\n1 0 2\r\n0 0\r\n1 0.1\r\n2\r\n3E7 0\r\n3E7 480\r\n"
    "2\r\n0 0\r\n5000 0.1\r\n0.001 480 12 113\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n";

TEST(RunSequence, TwoRunsWriteIdenticalFiles) {
    test::ScratchDir dir;
    dir.write("p.qv3d", kProject);
    const RunOutcome first = runAnalysis(test::runFilesIn(dir), fixedClock());
    const std::string report = dir.read("p.qv3o");
    const std::string plot = dir.read("p.qv3p");
    const RunOutcome second = runAnalysis(test::runFilesIn(dir), fixedClock());
    EXPECT_EQ(first.status, second.status);
    EXPECT_EQ(dir.read("p.qv3o"), report);
    EXPECT_EQ(dir.read("p.qv3p"), plot);
    EXPECT_EQ(dir.read("p.qv3r").empty(), true);
    EXPECT_NE(report.find("Date:  March 07, 2015     Time:  09:05:31\r\n"), std::string::npos);
}

// The second layer runs upward (480 to 240), so its first curve, at 480, lies below the
// last point of the profile: the side-friction lookup stops the run with status 6 while
// the t-z curves are generated, before any of them is written.
TEST(RunSequence, GenerationStopClosesEveryFile) {
    const std::string profileLine = "6.9E-5 5 0.0  0.01 4 45\r\n";
    test::ScratchDir dir;
    dir.write("p.qv3d", "Stop test\r\n10 1 1\r\n2 \r\n2\r\n1 1 0.0  4.8E2\r\n2 1 4.8E2 2.4E2\r\n" + profileLine +
                            profileLine + profileLine + profileLine +
                            "2\r\n1.5E9 0\r\n1.5E9 480\r\n0.001 480 16 201\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n");
    const RunOutcome outcome = runAnalysis(test::runFilesIn(dir), fixedClock());
    EXPECT_EQ(outcome.status, status::kBeyondSideFriction);
    const std::string report = dir.read("p.qv3o");
    const std::string end = "THE VALUE OF X = 0.48E+03IS BEYOND THE EXTENT OF/     THE INPUT STRENGTH CURVE\r\n";
    ASSERT_GE(report.size(), end.size());
    EXPECT_EQ(report.substr(report.size() - end.size()), end);
    EXPECT_TRUE(std::filesystem::exists(dir.file("p.qv3p")));
    EXPECT_EQ(dir.read("p.qv3p"), "");
    EXPECT_TRUE(std::filesystem::exists(dir.file("p.qv3r")));
    EXPECT_EQ(dir.read("p.qv3r"), "");
}

struct BadInputCase {
    const char* name;
    std::string project;
    int status;
    const char* message;
};

void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.name; }

class RunSequenceBadInput : public testing::TestWithParam<BadInputCase> {};

TEST_P(RunSequenceBadInput, StopsWithStatusAndSaysWhere) {
    const BadInputCase& c = GetParam();
    test::ScratchDir dir;
    dir.write("p.qv3d", c.project);
    std::ostringstream console;
    const RunOutcome outcome = runAnalysis(test::runFilesIn(dir), fixedClock(&console));
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.failure, c.message);
    const std::string report = dir.read("p.qv3o");
    EXPECT_NE(report.find(std::string("\r\n *** RUN STOPPED: ") + c.message + "\r\n"), std::string::npos) << report;
    EXPECT_NE(console.str().find(c.message), std::string::npos);
}

const BadInputCase kBadInputs[] = {
    {"truncated", std::string(kProject).substr(0, std::string(kProject).find("3E7 0")), status::kProjectRead,
     "project data file, line 9, record 6 (AE profile values), AE: the file ends after line 8"},
    {"text_for_number", std::string(kProject).replace(std::string(kProject).find("480 12"), 3, "abc"),
     status::kProjectRead,
     "project data file, line 14, record 8 (tolerance, pile length, diameter, tip area), PLEN: "
     "\"abc\" is not a number"},
    {"negative_count", std::string(kProject).replace(std::string(kProject).find("\r\n2\r\n3E7"), 5, "\r\n-2\r\n"),
     status::kNegativeCount, "project data file, line 8, record 6 (AE profile), NAE: the count -2 is negative"},
    {"empty_file", "", status::kProjectRead, "project data file, line 1, record 1 (title): the file ends after line 0"},
};

INSTANTIATE_TEST_SUITE_P(Inputs, RunSequenceBadInput, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunSequence, MissingProjectFileIsReported) {
    test::ScratchDir dir;
    const RunOutcome outcome = runAnalysis(test::runFilesIn(dir), fixedClock());
    EXPECT_EQ(outcome.status, status::kFileOpen);
    EXPECT_NE(dir.read("p.qv3o").find("the project data file cannot be opened: " + dir.file("p.qv3d")),
              std::string::npos);
}

TEST(RunSequence, DirectoryNamedAsProjectIsNotRead) {
    test::ScratchDir dir;
    RunFiles files = test::runFilesIn(dir);
    files.input = dir.path().string();
    const RunOutcome outcome = runAnalysis(files, fixedClock());
    EXPECT_EQ(outcome.status, status::kFileOpen);
    EXPECT_EQ(outcome.failure, "the project data file cannot be opened: " + files.input);
}

TEST(RunSequence, ReportThatCannotBeOpened) {
    test::ScratchDir dir;
    RunFiles files = test::runFilesIn(dir);
    files.report = dir.file("no-such-dir/p.qv3o");
    const RunOutcome outcome = runAnalysis(files, fixedClock());
    EXPECT_EQ(outcome.status, status::kFileOpen);
    EXPECT_EQ(outcome.failure, "the output report cannot be opened: " + files.report);
}

// A project named as one of the outputs (a runner handed "p.qv3o", a names file with a
// wrong line) is neither emptied nor read.
class RunSequenceInputNamedAsOutput : public testing::TestWithParam<std::string RunFiles::*> {};

TEST_P(RunSequenceInputNamedAsOutput, LeavesTheProjectUntouched) {
    test::ScratchDir dir;
    dir.write("p.qv3d", kProject);
    RunFiles files = test::runFilesIn(dir);
    files.*GetParam() = files.input;
    const RunOutcome outcome = runAnalysis(files, fixedClock());
    EXPECT_EQ(outcome.status, status::kFileOpen);
    EXPECT_NE(outcome.failure.find("the project data file is named as the "), std::string::npos) << outcome.failure;
    EXPECT_EQ(dir.read("p.qv3d"), kProject);
}

INSTANTIATE_TEST_SUITE_P(Outputs, RunSequenceInputNamedAsOutput,
                         testing::Values(&RunFiles::report, &RunFiles::plot, &RunFiles::notes));

TEST(RunSequence, NamesFileWithFourLinesStopsAtTheRunNotes) {
    test::ScratchDir dir;
    dir.write("p.qv3d", kProject);
    dir.write("names.dat", "2014.3.2\r\n" + dir.file("p.qv3d") + "\r\n" + dir.file("p.qv3o") + "\r\n" +
                               dir.file("p.qv3p") + "\r\n");
    std::ostringstream console;
    test::CurrentDir here(dir.path());
    EXPECT_EQ(runFromNamesFile(fixedClock(&console)), status::kFileOpen);
    EXPECT_NE(console.str().find("  FILE ERRORS!\n"), std::string::npos);
    EXPECT_NE(dir.read("p.qv3o").find("*** RUN STOPPED: the run-notes file has no name"), std::string::npos);
}

TEST(RunSequence, MissingNamesFile) {
    test::ScratchDir dir;
    test::CurrentDir here(dir.path());
    EXPECT_EQ(runFromNamesFile(fixedClock()), status::kNamesFile);
    EXPECT_TRUE(dir.empty());
}

TEST(RunSequence, ConsoleBannerAndProgress) {
    test::ScratchDir dir;
    dir.write("p.qv3d", kProject);
    std::ostringstream console;
    runAnalysis(test::runFilesIn(dir), fixedClock(&console));
    EXPECT_EQ(console.str().rfind(" PROGRAM QUARLO FOR COMPUTING LOAD VS. SETTLEMENT\n FOR AN AXIALLY LOADED PILE\n\n\n\n"
                                  "\n\n\n         COMPUTATION IS PROCEEDING.......\n",
                                  0),
              0u);
}

}  // namespace
}  // namespace quarlo
