#pragma once

#include "Verification.h"

#include <ostream>

namespace quarlo::verification {

// The verification chapter of the technical manual in plain Markdown (headings, paragraphs,
// pipe tables), written from the results of a run of every case. Nothing in it depends on
// the date, the machine or the directory, so a rerun on the same engine writes the same bytes.
void writeChapter(std::ostream& out, const Verification& v);

}  // namespace quarlo::verification
