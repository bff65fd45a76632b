#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quarlo {

// The program hands a run to the engine through one file, names.dat, in the engine's current
// directory: the version text and the full paths of the project data file, the report, the
// plot data file and the run notes, one a line, each ended by CR LF.
inline constexpr const char* kNamesFileName = "names.dat";

// The request code that starts an analysis; the engine answers any other with 1.
inline constexpr std::int32_t kEngineRunRequest = 2;

// The engine reads each file name as a field of this many bytes and drops the rest, so a
// longer path would make it read and write files of another name.
inline constexpr std::size_t kEngineFileNameWidth = 255;

// The five lines of names.dat for the project data file `projectFile` (a full path).
std::string NamesFileText(const std::string& version, const std::string& projectFile);

// Why the engine cannot be given the files of `projectFile` by name: a path longer than the
// engine's field, a line break (names.dat is read line by line) or a project file name
// ending in a blank (the engine drops trailing blanks, and would read another file). Empty
// when every name reaches the engine exactly. Bytes other than these pass unchanged, so a
// name in any script is fine within the length.
std::string EngineFileNameProblem(const std::string& projectFile);

}  // namespace quarlo
