#pragma once

#include "RunFiles.h"

#include <istream>
#include <ostream>

namespace quarlo {

// Reads the hand-off file names.dat: the version as a 12-character field, then the four
// file names as 255-character fields without their trailing blanks. A name line that
// cannot be read ends the reading with "  FILE ERRORS!" on the console; the names not
// read stay blank. Returns false only when even the version line cannot be read.
bool readNamesFile(std::istream& in, RunFiles& files, std::ostream* console);

}  // namespace quarlo
