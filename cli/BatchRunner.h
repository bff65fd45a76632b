#pragma once

#include "RunPrinter.h"

#include <string>
#include <vector>

namespace quarlo::cli {

// The output names of a project: its path with the extension replaced.
RunFiles filesFor(const std::string& projectPath, const std::string& version);

// Runs every project, `jobs` at a time, each on its own engine state; results in input order.
std::vector<ProjectRun> runAll(const std::vector<std::string>& projects, const std::string& version, int jobs);

}  // namespace quarlo::cli
