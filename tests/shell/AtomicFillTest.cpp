#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "AtomicFile.h"
#include "EInOutError.h"
#include "ProjectFixture.h"

// A file written by a writer that opens it by name itself (a workbook library): the same
// all-or-nothing replacement as the project save.
namespace quarlo {
namespace {

using testing::TempDir;
using testing::readBytes;
using testing::writeBytes;

class AtomicFillTest : public ::testing::Test {
protected:
    const std::string kOld = "the workbook the engineer had\n";

    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                      std::filesystem::directory_iterator()));
    }

    TempDir dir;
};

TEST_F(AtomicFillTest, TheWriterFillsANewEmptyFileBesideTheTargetWhichThenReplacesIt) {
    writeBytes(dir.file("plots.xlsx"), kOld);
    ::chmod(dir.file("plots.xlsx").c_str(), 0640);
    std::string seen;
    writeFileAtomically(dir.file("plots.xlsx"), [&](const std::string& newFile) {
        seen = newFile;
        EXPECT_EQ(readBytes(newFile), "");
        writeBytes(newFile, "new workbook");
    });
    EXPECT_EQ(std::filesystem::path(seen).parent_path(), dir.path());
    EXPECT_NE(seen, dir.file("plots.xlsx"));
    EXPECT_EQ(readBytes(dir.file("plots.xlsx")), "new workbook");
    struct stat status {};
    ASSERT_EQ(::stat(dir.file("plots.xlsx").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(filesInDir(), 1u);
}

// A library may remove the file and make its own under the name.
TEST_F(AtomicFillTest, AWriterThatMakesTheFileAfreshIsCommittedAsWell) {
    writeFileAtomically(dir.file("plots.xlsx"), [](const std::string& newFile) {
        std::filesystem::remove(newFile);
        writeBytes(newFile, "made afresh");
    });
    EXPECT_EQ(readBytes(dir.file("plots.xlsx")), "made afresh");
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicFillTest, AFailingWriterLeavesTheOldFileAndNoPartialOne) {
    writeBytes(dir.file("plots.xlsx"), kOld);
    try {
        writeFileAtomically(dir.file("plots.xlsx"), [](const std::string& newFile) {
            writeBytes(newFile, "half a work");
            throw std::runtime_error("Error writing to the zip file");
        });
        FAIL() << "the failure did not pass on";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Error writing to the zip file");
    }
    EXPECT_EQ(readBytes(dir.file("plots.xlsx")), kOld);
    EXPECT_EQ(filesInDir(), 1u);
}

struct RefusedCase {
    const char* name;
    const char* target;
    const char* reason;
};

class AtomicFillRefusedTest : public AtomicFillTest, public ::testing::WithParamInterface<RefusedCase> {};

// Refused before the writer runs, for every user, root included.
TEST_P(AtomicFillRefusedTest, NamesTheReasonAndNeverCallsTheWriter) {
    writeBytes(dir.file("plain"), kOld);
    writeBytes(dir.file("readonly.xlsx"), kOld);
    ::chmod(dir.file("readonly.xlsx").c_str(), 0444);
    const std::string target = dir.file(GetParam().target);
    bool called = false;
    try {
        writeFileAtomically(target, [&](const std::string&) { called = true; });
        FAIL() << "the save did not fail";
    } catch (const EInOutError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot save " + target + ": " + GetParam().reason);
    }
    EXPECT_FALSE(called);
    EXPECT_EQ(readBytes(dir.file("readonly.xlsx")), kOld);
    EXPECT_EQ(filesInDir(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, AtomicFillRefusedTest,
    ::testing::Values(RefusedCase{"MissingFolder", "missing/plots.xlsx", "No such file or directory"},
                      RefusedCase{"ParentIsAFile", "plain/plots.xlsx", "Not a directory"},
                      RefusedCase{"ReadOnlyFile", "readonly.xlsx", "Permission denied"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
