#pragma once

namespace quarlo::verification {

// The units a project's numbers are in, as the chapter writes them: 1 English, else SI.
inline const char* forceUnit(int KUNITS) { return KUNITS == 1 ? "lb" : "kN"; }
inline const char* lengthUnit(int KUNITS) { return KUNITS == 1 ? "in" : "m"; }
inline const char* stressUnit(int KUNITS) { return KUNITS == 1 ? "psi" : "kPa"; }

}  // namespace quarlo::verification
