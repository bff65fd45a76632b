#pragma once

namespace quarlo {

// Every status a run returns, in one list; ISTAT holds the stage stops among them.
// docs/status-codes.md says what each means to the user.
namespace status {
// Run sequence and input (0-19).
constexpr int kCompleted = 0;
constexpr int kNotRequested = 1;        // request code other than 2: nothing was done
constexpr int kBeyondUnitWeight = 4;    // a depth below the last point of the unit-weight profile
constexpr int kBeyondShearStrength = 5; // ... of the undrained-shear-strength profile
constexpr int kBeyondSideFriction = 6;  // ... of the side-friction profile
constexpr int kBeyondTipResistance = 7; // ... of the tip-resistance profile
constexpr int kBeyondFrictionAngle = 8; // ... of the friction-angle profile
constexpr int kNamesFile = 10;          // names.dat missing, or its version line unreadable
constexpr int kFileOpen = 11;           // an input or output file could not be opened
constexpr int kProjectRead = 12;        // project data file ends early or holds a bad value
constexpr int kNegativeCount = 13;      // a count in the project data file is negative
constexpr int kFileWrite = 14;          // an output file could not be written completely
constexpr int kInternal = 15;           // unexpected failure inside the engine (out of memory)

// Curve generation (20-29).
constexpr int kTipBelowLayers = 20;     // no layer reaches the pile tip
constexpr int kTipSoilUnknown = 21;     // tip layer of a soil type outside 1-6
constexpr int kTzDiameter = 22;         // t-z curves scaled by a diameter <= 0
constexpr int kTipMovementScale = 23;   // tip curve movements scaled by <= 0
constexpr int kCurveNotFinite = 24;     // a generated value is not finite

// Load-transfer solution (30-39).
constexpr int kZeroStiffness = 30;      // no AE profile, or AE not above 0 (or not finite) at a segment
constexpr int kNoIncrements = 31;       // NSEG below 1
constexpr int kNoTzCurve = 32;          // no t-z curve, or a curve without points
constexpr int kNoTipCurve = 33;         // a Q-w curve without points
constexpr int kSolutionNotFinite = 34;  // a result would be NaN or infinite
}  // namespace status

}  // namespace quarlo
