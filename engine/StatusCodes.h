#pragma once

namespace quarlo {

// Run statuses the foundation of the engine returns, beside 0 (completed) and the
// generation stops 4 to 8. Curve generation owns 20-29 and the load-transfer solution
// 30-39; docs/status-codes.md lists them all.
namespace status {
constexpr int kCompleted = 0;
constexpr int kNotRequested = 1;        // request code other than 2: nothing was done
constexpr int kNamesFile = 10;          // names.dat missing, or its version line unreadable
constexpr int kFileOpen = 11;           // an input or output file could not be opened
constexpr int kProjectRead = 12;        // project data file ends early or holds a bad value
constexpr int kNegativeCount = 13;      // a count in the project data file is negative
constexpr int kFileWrite = 14;          // an output file could not be written completely
constexpr int kInternal = 15;           // unexpected failure inside the engine (out of memory)
}  // namespace status

}  // namespace quarlo
