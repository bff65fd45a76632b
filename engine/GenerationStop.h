#pragma once

#include "OutputLine.h"
#include "RunContext.h"

#include <span>
#include <string_view>

namespace quarlo {

// Statuses of the generation stages beyond the profile stops 4 to 8.
inline constexpr int ISTAT_TIP_BELOW_LAYERS = 20;     // no layer reaches the pile tip
inline constexpr int ISTAT_TIP_SOIL_UNKNOWN = 21;     // tip layer of a soil type outside 1-6
inline constexpr int ISTAT_TZ_DIAMETER = 22;          // t-z curves scaled by a diameter <= 0
inline constexpr int ISTAT_TIP_MOVEMENT_SCALE = 23;   // tip curve movements scaled by <= 0
inline constexpr int ISTAT_NOT_FINITE = 24;           // a generated value is not finite

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
