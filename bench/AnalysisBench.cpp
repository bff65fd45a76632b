// Complete analyses (read, generate, solve, write report, plot data and run notes) of the
// bundled examples and of the largest project the program accepts.
#include "LargestProject.h"
#include "RunSequence.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

quarlo::RunFiles filesFor(const fs::path& project)
{
    auto with = [&](const char* ext) { return fs::path(project).replace_extension(ext).string(); };
    return {"2014.3.2", project.string(), with(".qv3o"), with(".qv3p"), with(".qv3r")};
}

void runProject(benchmark::State& state, const fs::path& project)
{
    const quarlo::RunFiles files = filesFor(project);
    quarlo::RunOptions options;
    options.clock = [] { return quarlo::LocalTime{2015, 3, 7, 9, 5, 31}; };
    for (auto _ : state) {
        const quarlo::RunOutcome outcome = quarlo::runAnalysis(files, options);
        if (outcome.status != 0)
            state.SkipWithError("the run did not complete");
        benchmark::DoNotOptimize(outcome.status);
    }
}

void largest(benchmark::State& state, int KPRINT)
{
    const fs::path project = quarlo::bench::scratchDir() / ("largest-kprint" + std::to_string(KPRINT) + ".qv3d");
    quarlo::bench::writeLargestProject(project, KPRINT);
    runProject(state, project);
}

void BM_LargestFullReport(benchmark::State& state) { largest(state, 0); }
void BM_LargestSummaryOnly(benchmark::State& state) { largest(state, 1); }

BENCHMARK(BM_LargestFullReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestSummaryOnly)->Unit(benchmark::kMillisecond);

// One benchmark per bundled example, run on a copy so the examples stay untouched.
int registerExamples()
{
    const fs::path examples = fs::path(QUARLO_SOURCE_DIR) / "examples";
    if (!fs::is_directory(examples))
        return 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".qv3d")
            continue;
        const fs::path copy = quarlo::bench::scratchDir() / entry.path().filename();
        fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
        benchmark::RegisterBenchmark(("BM_Example/" + entry.path().stem().string()).c_str(),
                                     [copy](benchmark::State& state) { runProject(state, copy); })
            ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}

const int examplesRegistered = registerExamples();

}  // namespace
