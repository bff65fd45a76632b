#pragma once

#include "Verification.h"

#include <ostream>

namespace quarlo::verification {

// One line for every run that did not complete and every value outside its tolerance,
// saying which case, which value, expected, computed, difference and tolerance.
void writeOutsideLines(std::ostream& out, const Verification& v);

}  // namespace quarlo::verification
