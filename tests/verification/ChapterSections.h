#pragma once

#include "Comparison.h"
#include "Verification.h"

#include <ostream>
#include <string>

namespace quarlo::verification {

// The sections of the verification chapter, in the order the chapter puts them.
void writeIntroduction(std::ostream& out);
void writeClosedFormSection(std::ostream& out, const Verification& v);
void writeConvergenceSection(std::ostream& out, const Verification& v);
void writeExampleSection(std::ostream& out, const Verification& v);
void writeSummary(std::ostream& out, const Verification& v);

// Shared by the sections: the table of a case's comparisons (or the reason its run gave none).
void writeComparisons(std::ostream& out, const CaseResult& result);

}  // namespace quarlo::verification
