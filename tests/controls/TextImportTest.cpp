#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "Exception.h"
#include "TextImport.h"

using namespace quarlo;

namespace {

using Lines = std::vector<std::string>;
using Numbers = std::vector<long double>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines expected;
};

class LineEnds : public testing::TestWithParam<SplitCase> {};

struct LineCase {
    const char* name;
    std::string line;
    Numbers expected;
};

class NumbersOfALine : public testing::TestWithParam<LineCase> {};

}  // namespace

TEST_P(LineEnds, CutTheTextIntoLines) {
    EXPECT_EQ(SplitTextLines(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineEnds,
    testing::Values(SplitCase{"SpreadsheetCrLf", "1\t2\r\n3\t4\r\n5\t6\r\n", {"1\t2", "3\t4", "5\t6"}},
                    SplitCase{"LinuxClipboardLf", "1\t2\n3\t4\n5\t6\n", {"1\t2", "3\t4", "5\t6"}},
                    SplitCase{"OldMacCr", "1 2\r3 4\r", {"1 2", "3 4"}},
                    SplitCase{"LastLineWithoutEnd", "1 2\n3 4", {"1 2", "3 4"}},
                    SplitCase{"SingleLineWithoutEnd", "7 8", {"7 8"}},
                    SplitCase{"BlankLinesKept", "a\n\nb\r\n\r\nc", {"a", "", "b", "", "c"}},
                    SplitCase{"NothingAtAll", "", {}}),
    CaseName());

TEST_P(NumbersOfALine, AreReadUpToTheFirstPieceThatIsNoNumber) {
    EXPECT_EQ(ImportLineNumbers(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, NumbersOfALine,
    testing::Values(LineCase{"CommaAndBlank", "0.5, 1200", {0.5L, 1200.0L}},
                    LineCase{"TabsOfASpreadsheet", "\t3\t-4.25E-3", {3.0L, -4.25E-3L}},
                    LineCase{"TrailingCarriageReturn", "1 2\r", {1.0L, 2.0L}},
                    LineCase{"HeaderGivesNone", "Load Transfer, Movement", {}},
                    LineCase{"WordEndsTheLine", "1 2 cm", {1.0L, 2.0L}},
                    LineCase{"EmptyPieceEndsTheLine", "1,,2", {1.0L}},
                    LineCase{"DecimalCommaIsTwoNumbers", "1,5", {1.0L, 5.0L}},
                    LineCase{"BeyondTheRangeIsNoNumber", "1 1E99999", {1.0L}},
                    LineCase{"BlankLine", "   ", {}}),
    CaseName());

TEST(NumbersOfALine, AtMostFifteenAreTaken) {
    EXPECT_EQ(ImportLineNumbers("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17").size(), 15u);
}

TEST(AcceptedLines, AreThoseWithOneNumberPerColumn) {
    const Lines lines = {"t z", "1, 0.1", "2", "2, 0.2", "", "3, 0.3, 9", "4, 0.4"};
    const std::vector<Numbers> expected = {{1.0L, 0.1L}, {2.0L, 0.2L}, {4.0L, 0.4L}};
    EXPECT_EQ(AcceptedImportRows(lines, 2, 100), expected);
}

TEST(AcceptedLines, StopAtTheTablesMostRows) {
    const Lines lines = {"1 1", "2 2", "3 3"};
    EXPECT_EQ(AcceptedImportRows(lines, 2, 2).size(), 2u);
}

TEST(ImportEntry, KeepsFifteenSignificantDigits) {
    EXPECT_EQ(ImportEntryText(0.123456789012345678L), "0.123456789012346");
    EXPECT_EQ(ImportEntryText(-2.5E-7L), "-2.5E-7");
}

TEST(ImportFile, ReadsEveryLineAsBytes) {
    const auto path = std::filesystem::temp_directory_path() / "quarlo-import-lines.txt";
    std::ofstream(path, std::ios::binary) << "t, z\r\n1, 0.5\r\n2, 0.75";
    EXPECT_EQ(ReadTextFileLines(path.string()), (Lines{"t, z", "1, 0.5", "2, 0.75"}));
    std::filesystem::remove(path);
}

TEST(ImportFile, MissingFileIsNamedInTheMessage) {
    try {
        ReadTextFileLines("/nonexistent/curve.txt");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Cannot open file /nonexistent/curve.txt.");
    }
}
