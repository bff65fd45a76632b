#pragma once

#include "OutputLine.h"
#include "RunContext.h"
#include "StatusCodes.h"

#include <string_view>

namespace quarlo {

// Stops the run from a curve-generation stage: the report receives an empty line, the
// warning banner and the message; ISTAT takes the status. Nothing is written afterwards.
void stopWithWarning(RunContext& ctx, int status, const OutputLine& message);

// The message for a depth beyond the end of a soil profile: the depth X (E9.2) and the
// profile's name, one line, the slash being part of the text.
OutputLine beyondProfileMessage(Real X, std::string_view profileName);


}  // namespace quarlo
