#pragma once

#include <ostream>
#include <string>

namespace quarlo::cli {

// quarlo-run --check PROJECT: reads the project as the program would, without running it,
// and reports on `out` every reading error (with line and item), every value the reader
// had to take differently from the engine, and suspicious input the engine would not
// catch. Exit code 0 when nothing was found, 1 otherwise.
int checkProject(const std::string& path, std::ostream& out);

}  // namespace quarlo::cli
