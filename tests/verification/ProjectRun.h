#pragma once

#include "RunSequence.h"

#include <filesystem>
#include <string>

namespace quarlo::verification {

// A directory of its own for the files of the verification runs, removed with everything in
// it when the object goes.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The whole text of a project data file; throws std::runtime_error naming the file when it
// cannot be read.
std::string readProjectText(const std::filesystem::path& file);

// The project text with its number of pile increments (the first value of the second line)
// replaced by NSEG; throws std::runtime_error when the text has no such line.
std::string withIncrements(const std::string& project, int NSEG);

// One complete engine run of the project text, through its files in `scratch`.
RunOutcome runProject(const ScratchDirectory& scratch, const std::string& project);

// "the engine stopped the run with status 12: ...", for a run that did not complete.
std::string describeStop(const RunOutcome& outcome);

}  // namespace quarlo::verification
