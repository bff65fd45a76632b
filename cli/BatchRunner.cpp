#include "BatchRunner.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

namespace quarlo::cli {

// The program hands the engine full paths, so the report's file-location line names the
// project's folder; a run from here does the same.
RunFiles filesFor(const std::string& project, const std::string& version) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(project, error).lexically_normal();
    const std::string projectPath = error ? project : full.string();
    const auto slash = projectPath.find_last_of('/');
    const auto dot = projectPath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? projectPath.substr(0, dot) : projectPath;
    return RunFiles{version, projectPath, stem + ".qv3o", stem + ".qv3p", stem + ".qv3r"};
}

std::vector<ProjectRun> runAll(const std::vector<std::string>& projects, const std::string& version, int jobs) {
    std::vector<ProjectRun> runs;
    // A project named twice (or as a.qv3d and a.qvd) writes the same outputs: its later
    // runs wait until the parallel ones are done, so that no two runs write one file at once.
    std::set<std::string> reports;
    std::vector<std::size_t> parallel, later;
    for (const std::string& project : projects) {
        runs.push_back(ProjectRun{filesFor(project, version), {}, std::nullopt, {}});
        (reports.insert(runs.back().files.report).second ? parallel : later).push_back(runs.size() - 1);
    }
    // Each worker takes the next project; runs share nothing but this counter.
    std::atomic<std::size_t> next{0};
    const auto work = [&runs, &parallel, &next] {
        for (std::size_t i = next++; i < parallel.size(); i = next++)
            runs[parallel[i]].outcome = runAnalysis(runs[parallel[i]].files, RunOptions{});
    };
    const auto workers = static_cast<std::size_t>(std::clamp(jobs, 1, 64));
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < std::min(workers, parallel.size()); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    for (std::size_t i : later)
        runs[i].outcome = runAnalysis(runs[i].files, RunOptions{});
    return runs;
}

}  // namespace quarlo::cli
