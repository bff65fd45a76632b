#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ProjectFixture.h"
#include "WordReader.h"

namespace quarlo {
namespace {

using testing::ProjectTest;
using testing::readBytes;
using testing::writeBytes;

class ProjectSaveTest : public ProjectTest {
protected:
    const std::string kOldContents = "the engineer's previous file\r\n";

    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                      std::filesystem::directory_iterator()));
    }
};

TEST_F(ProjectSaveTest, SuccessReplacesTheFileClearsTheMarksAndLeavesNothingBeside) {
    writeBytes(dir.file("job.qv3d"), kOldContents);
    tables.TblAE2().SetChanged(true);
    tables.SetModified(true);
    project->FileName = dir.file("job.qv3d");
    project->SaveToFile();
    EXPECT_EQ(readBytes(dir.file("job.qv3d")).substr(0, 10), "New Pile\r\n");
    EXPECT_FALSE(tables.IsModified());
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(ProjectSaveTest, ReplacedFileKeepsItsPermissions) {
    writeBytes(dir.file("job.qv3d"), kOldContents);
    ::chmod(dir.file("job.qv3d").c_str(), 0640);
    project->FileName = dir.file("job.qv3d");
    project->SaveToFile();
    struct stat status {};
    ASSERT_EQ(::stat(dir.file("job.qv3d").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// Permissions do not stop root, so this case needs an ordinary user.
TEST_F(ProjectSaveTest, FailureInReadOnlyDirectoryKeepsTheOldFileAndTheModifiedMark) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: a read-only directory is still writable";
    }
    writeBytes(dir.file("job.qv3d"), kOldContents);
    ::chmod(dir.path().c_str(), 0555);
    tables.SetModified(true);
    project->FileName = dir.file("job.qv3d");
    EXPECT_THROW(project->SaveToFile(), EInOutError);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(readBytes(dir.file("job.qv3d")), kOldContents);
    EXPECT_TRUE(tables.IsModified());
    EXPECT_EQ(filesInDir(), 1u);
}

struct SaveFailureCase {
    const char* name;
    const char* existing;  // the file the test writes first, with the old contents
    mode_t mode;           // its permission bits
    const char* target;    // the name saved to
    const char* reason;
};

class ProjectSaveFailureTest : public ProjectSaveTest, public ::testing::WithParamInterface<SaveFailureCase> {};

// These fail for every user, root included.
TEST_P(ProjectSaveFailureTest, KeepsTheOldFileAndTheModifiedMark) {
    writeBytes(dir.file(GetParam().existing), kOldContents);
    ::chmod(dir.file(GetParam().existing).c_str(), GetParam().mode);
    tables.SetModified(true);
    project->FileName = dir.file(GetParam().target);
    try {
        project->SaveToFile();
        FAIL() << "the save did not fail";
    } catch (const EInOutError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot save " + project->FileName + ": " + GetParam().reason);
    }
    EXPECT_EQ(readBytes(dir.file(GetParam().existing)), kOldContents);
    EXPECT_TRUE(tables.IsModified());
    EXPECT_EQ(filesInDir(), 1u);
}

// A read-only file is refused as truncating it would be, although a rename could replace it.
INSTANTIATE_TEST_SUITE_P(
    Paths, ProjectSaveFailureTest,
    ::testing::Values(SaveFailureCase{"ParentIsAFile", "plain", 0644, "plain/job.qv3d", "Not a directory"},
                      SaveFailureCase{"ReadOnlyFile", "job.qv3d", 0444, "job.qv3d", "Permission denied"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectSaveTest, SavingThroughALinkReplacesTheLinkedFileAndKeepsTheLink) {
    std::filesystem::create_directory(dir.file("real"));
    writeBytes(dir.file("real/job.qv3d"), kOldContents);
    std::filesystem::create_symlink("real/job.qv3d", dir.file("job.qv3d"));
    project->FileName = dir.file("job.qv3d");
    project->SaveToFile();
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("job.qv3d")));
    EXPECT_EQ(readBytes(dir.file("real/job.qv3d")).substr(0, 10), "New Pile\r\n");
}

TEST_F(ProjectSaveTest, SavingAfterAReadErrorNeedsSaveAsOnlyUntilASuccessfulSave) {
    writeBytes(dir.file("job.qv3d"), "Pile only\r\n");
    open(dir.file("job.qv3d"));
    ASSERT_TRUE(project->SaveNeedsSaveAs());
    project->SaveToFile();
    EXPECT_FALSE(project->SaveNeedsSaveAs());
}

}  // namespace
}  // namespace quarlo
