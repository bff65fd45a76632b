#include <gtest/gtest.h>

#include <string>

#include "../controls/CaseName.h"
#include "HandOffFile.h"
#include "OneLine.h"
#include "RunMessages.h"

namespace quarlo {
namespace {

// A full path of exactly `bytes` bytes ending in `extension` ("" for none).
std::string pathOfLength(std::size_t bytes, const std::string& extension = ".qv3d") {
    return "/" + std::string(bytes - 1 - extension.size(), 'p') + extension;
}

TEST(NamesFileText, VersionThenTheFourFilesEachEndedByCrLf) {
    EXPECT_EQ(NamesFileText("2014.3.2", "/jobs/pier 4.qv3d"),
              "2014.3.2\r\n"
              "/jobs/pier 4.qv3d\r\n"
              "/jobs/pier 4.qv3o\r\n"
              "/jobs/pier 4.qv3p\r\n"
              "/jobs/pier 4.qv3r\r\n");
}

// A name without extension gets each output's extension appended, as the other commands
// name them.
TEST(NamesFileText, AProjectFileWithoutExtension) {
    EXPECT_EQ(NamesFileText("2014.3.2", "/jobs/pier"),
              "2014.3.2\r\n/jobs/pier\r\n/jobs/pier.qv3o\r\n/jobs/pier.qv3p\r\n/jobs/pier.qv3r\r\n");
}

// "/", `plain` letters, 62 two-byte letters and ".qv3d": 130 + `plain` bytes in all, but only
// 68 + `plain` characters.
std::string umlauts(std::size_t plain) {
    std::string path = "/" + std::string(plain, 'p');
    for (int i = 0; i < 62; ++i) {
        path += "\xC3\xA4";
    }
    return path + ".qv3d";
}

struct NameCase {
    const char* name;
    std::string projectFile;
    // Empty: the engine gets every name in full. Otherwise a text the problem must hold.
    std::string problemHolds;
};

class EngineFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(EngineFileNameTest, RefusesWhatTheEngineWouldReadAsAnotherName) {
    const NameCase& c = GetParam();
    const std::string problem = EngineFileNameProblem(c.projectFile);
    if (c.problemHolds.empty()) {
        EXPECT_EQ(problem, "");
    } else {
        EXPECT_NE(problem.find(c.problemHolds), std::string::npos) << problem;
        EXPECT_EQ(problem.rfind("The analysis cannot be run: ", 0), 0u) << problem;
    }
}

// The engine reads 255 bytes of each name line; the outputs are named with extensions of
// the project file's length, or longer when the project file has none.
INSTANTIATE_TEST_SUITE_P(
    Names, EngineFileNameTest,
    ::testing::Values(
        NameCase{"Ordinary", "/home/eng/jobs/pier 4.qv3d", ""},
        NameCase{"ExactlyTheEnginesWidth", pathOfLength(255), ""},
        NameCase{"OneByteTooLong", pathOfLength(256), "is 256 bytes long"},
        NameCase{"OutputsLongerThanAProjectWithoutExtension", pathOfLength(251, ""), pathOfLength(251, "") + ".qv3o"},
        // Bytes pass to the file system unchanged: what counts is their number, not the
        // number of characters.
        NameCase{"NonAsciiWithinTheWidth", "/jobs/Pf\xC3\xA4hle/\xC3\x98 600.qv3d", ""},
        NameCase{"NonAsciiCountedInBytes", umlauts(126), "is 256 bytes long"},
        NameCase{"NonAsciiAtTheWidth", umlauts(125), ""},
        NameCase{"LineFeed", "/jobs/pier\n4.qv3d", "holds a line break"},
        NameCase{"CarriageReturn", "/jobs/pier\r4.qv3d", "holds a line break"},
        NameCase{"TrailingBlank", "/jobs/pier.qv3d ", "ends in a blank"},
        NameCase{"BlankInsideIsFine", "/jobs/pier 4/ pier .qv3d", ""}),
    CaseName());

TEST(RunMessages, AReasonFollowsOnALineOfItsOwn) {
    EXPECT_EQ(WithReason(kSavingFailed, "Cannot save /jobs/pier.qv3d: Permission denied"),
              "An error occured during saving\rCannot save /jobs/pier.qv3d: Permission denied");
    EXPECT_EQ(WithReason(kEngineNotLoaded, ""), "Attempt to initialize DLL failed");
}

TEST(OneLine, TheReadersLineBreakBecomesAColon) {
    EXPECT_EQ(OneLine("Error on Line 2 Item 3\rAn integer was expected but not found."),
              "Error on Line 2 Item 3: An integer was expected but not found.");
    EXPECT_EQ(OneLine("first\r\nsecond"), "first: second");
    EXPECT_EQ(OneLine("as it is"), "as it is");
}

}  // namespace
}  // namespace quarlo
