#pragma once

#include <ostream>
#include <string>

namespace quarlo::cli {

// quarlo-run --convert IN OUT: reads IN (the old format when its name ends in ".qvd") and
// writes it to OUT in the current format, exactly as the program saves it. Refuses to write
// over IN; after a reading error nothing is written. Exit code 0 on success, 1 otherwise.
int convertProject(const std::string& in, const std::string& out, std::ostream& log);

}  // namespace quarlo::cli
