#pragma once

#include <string>

namespace quarlo {

// What a run status means, for the runner's status line and the program's run summary
// alike: 0 completed, 4-15 the run sequence and input, 20-29 curve generation, 30-39 the
// load-transfer solution.

// A few words: "completed", "the project data file cannot be read", ...
std::string StatusSummary(int status);

// The full meaning, as the user guide's status table gives it.
std::string StatusMeaning(int status);

}  // namespace quarlo
