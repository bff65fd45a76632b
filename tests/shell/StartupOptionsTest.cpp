#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramData.h"
#include "StartupOptions.h"

namespace quarlo {
namespace {

using Arguments = std::vector<std::string>;

struct OptionsCase {
    const char* name;
    Arguments arguments;
    bool run;
    Arguments project;
};

class StartupOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(StartupOptionsTest, SeparatesTheRunFromTheProject)
{
    const StartupOptions options = ParseStartupOptions(GetParam().arguments);
    EXPECT_EQ(options.runAnalysis, GetParam().run);
    EXPECT_EQ(options.projectArguments, GetParam().project);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartupOptionsTest,
    ::testing::Values(OptionsCase{"Nothing", {}, false, {}},
                      OptionsCase{"ProjectOnly", {"/jobs/pier4"}, false, {"/jobs/pier4"}},
                      OptionsCase{"RunBeforeTheProject", {"--run", "/jobs/pier4.qv3d"}, true, {"/jobs/pier4.qv3d"}},
                      OptionsCase{"RunAfterTheProject", {"pier4", "--run"}, true, {"pier4"}},
                      OptionsCase{"RunWithoutAProject", {"--run"}, true, {}},
                      OptionsCase{"AProjectNamedLikeTheOption", {"--", "--run"}, false, {"--run"}},
                      OptionsCase{"OtherArgumentsKeptInOrder", {"a.qv3d", "--run", "b"}, true, {"a.qv3d", "b"}}),
    [](const ::testing::TestParamInfo<OptionsCase>& info) { return std::string(info.param.name); });

TEST(RunsAtStartupTest, RunsAProjectThatWasReadWithoutError)
{
    const StartupOptions options = ParseStartupOptions({"--run", "/jobs/pier4.qv3d"});
    EXPECT_TRUE(RunsAtStartup(options, "/jobs/pier4.qv3d", ""));
}

TEST(RunsAtStartupTest, RunsNothingThatWasNotOpenedOrNotRead)
{
    const StartupOptions options = ParseStartupOptions({"--run", "/jobs/missing.qv3d"});
    // The named file did not exist: the new project is still there.
    EXPECT_FALSE(RunsAtStartup(options, TProgramData::kNewFileName, ""));
    EXPECT_FALSE(RunsAtStartup(options, "/jobs/missing.qv3d", "Error on Line 3 Item 1: ..."));
    EXPECT_FALSE(RunsAtStartup(ParseStartupOptions({"/jobs/pier4.qv3d"}), "/jobs/pier4.qv3d", ""));
    EXPECT_FALSE(RunsAtStartup(ParseStartupOptions({"--run"}), TProgramData::kNewFileName, ""));
}

}  // namespace
}  // namespace quarlo
