// Complete analyses (read, generate, solve, write report, plot data and run notes) of the
// bundled examples and of the largest project the program accepts.
#include "RunSequence.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path scratchDir()
{
    const fs::path dir = fs::temp_directory_path() / ("quarlo-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

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

// The limits of the program's tables: 500 increments, 100 tip movements, 100 user t-z
// curves of 100 points, 50 AE points, 50 tip-curve points, 50 head loads, with down-drag
// and t-z factors. KPRINT 0 writes the load-transfer table of every tip movement.
void writeLargestProject(const fs::path& path, int KPRINT)
{
    std::ofstream out(path, std::ios::binary);
    auto line = [&](const std::string& text) { out << text << "\r\n"; };
    auto num = [](double v) { return std::to_string(v); };
    line("Largest project: 500 increments, 100 tip movements, 100 curves of 100 points");
    line("500 " + std::to_string(KPRINT) + " 1");
    line("1 ");
    line("100");
    for (int k = 0; k < 100; ++k) {
        const double depth = k * 10.0;
        const double tmax = 2.0 + depth * 0.01;
        line(std::to_string(k + 1) + " " + num(depth) + " 100");
        for (int j = 0; j < 100; ++j) {
            const double z = j * 0.01;
            line(num(tmax * z / (z + 0.05)) + " " + num(z));
        }
    }
    line("50");
    for (int i = 0; i < 50; ++i)
        line(num(3.0e9 - i * 1.0e7) + " " + num(i * 1000.0 / 49));
    line("50");
    for (int i = 0; i < 50; ++i)
        line(num(4.0e5 * i / (i + 10.0)) + " " + num(i * 0.05));
    line("1E-6 1000 24 452.389");
    line("100");
    for (int i = 1; i <= 100; ++i)
        line(num(i * 0.01));
    line("50");
    for (int i = 1; i <= 50; ++i)
        line(num(i * 2.0e4));
    line("3");
    line("0 2");
    line("250 0.5");
    line("500 0");
    line(" 1");
    line("3");
    line("0 0.8 1");
    line("500 1 1.2");
    line("1000 1.1 1");
    line(" 0");
}

void largest(benchmark::State& state, int KPRINT)
{
    const fs::path project = scratchDir() / ("largest-kprint" + std::to_string(KPRINT) + ".qv3d");
    writeLargestProject(project, KPRINT);
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
        const fs::path copy = scratchDir() / entry.path().filename();
        fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
        benchmark::RegisterBenchmark(("BM_Example/" + entry.path().stem().string()).c_str(),
                                     [copy](benchmark::State& state) { runProject(state, copy); })
            ->Unit(benchmark::kMicrosecond);
    }
    return 0;
}

const int examplesRegistered = registerExamples();

}  // namespace
