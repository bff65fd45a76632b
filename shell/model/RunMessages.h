#pragma once

#include <string>

namespace quarlo {

// What the Run Analysis command tells the user. A reason, when there is one, follows its
// message on a line of its own (message boxes show the carriage return as a line break).

inline constexpr const char* kSavingFailed = "An error occured during saving";
inline constexpr const char* kNamesFileFailed = "An error occured while writing file names";
// A run was started while one is in progress (only re-entry from inside the run can do it).
inline constexpr const char* kRunInProgress = "Attempt to reinitialize DLL";
// The engine library is missing, cannot be loaded, or has no entry.
inline constexpr const char* kEngineNotLoaded = "Attempt to initialize DLL failed";
inline constexpr const char* kComputationsCompleted =
    "Computations are completed. Please, check output file for results or error messages.";

// `message`, then `reason` on the next line; the message alone when there is no reason.
std::string WithReason(const std::string& message, const std::string& reason);

// An output of an earlier run could not be removed before the engine was called, so what the
// engine writes could not be told from it.
std::string StaleOutputMessage(const std::string& file, const std::string& reason);

}  // namespace quarlo
