#pragma once

#include "OutputLine.h"
#include "RunContext.h"
#include "StatusCodes.h"

#include <span>
#include <string_view>

namespace quarlo {

// Stops the run from a curve-generation stage: the report receives an empty line, the
// warning banner and the message; ISTAT takes the status. Nothing is written afterwards.
void stopWithWarning(RunContext& ctx, int status, const OutputLine& message);

// The message for a depth beyond the end of a soil profile: the depth X (E9.2) and the
// profile's name, one line, the slash being part of the text.
OutputLine beyondProfileMessage(Real X, std::string_view profileName);

// True when every value is a finite number: a generated curve with an infinity or NaN
// must never reach the report or the solver.
bool allFinite(std::span<const Real> values);

// A real in free format: the shortest decimal text that reads back to the same value,
// one blank before it, a period as separator.
OutputLine& appendFreeReal(OutputLine& line, Real value);

}  // namespace quarlo
