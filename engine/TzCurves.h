#pragma once

#include "EngineConstants.h"
#include "EngineData.h"

#include <array>

namespace quarlo {

// Soil type codes of the generated curves (KSOIL, KSOILC); odd codes are clays.
enum SoilType : int {
    CLAY_DRIVEN_COYLE_REESE = 1,
    SAND_DRIVEN_MOSHER = 2,
    CLAY_DRILLED_REESE_ONEILL = 3,
    SAND_DRILLED_REESE_ONEILL = 4,
    CLAY_DRIVEN_API = 5,
    SAND_DRIVEN_API = 6,
};

// Number of points of every generated curve, and one column of a generated curve's table.
inline constexpr int NPTS_GENERATED = 10;
using CurveShape = std::array<Real, NPTS_GENERATED>;

// True for the soil types whose t-z movements are fractions of the pile diameter.
bool tzCurveScalesWithDiameter(int KSOIL);

// Mosher's initial slope Es of the sand hyperbola, in pounds per square foot per inch,
// from the friction angle phi in degrees.
Real mosherEs(Real phi);

// Fills the ten points of generated curve c from its soil type KSOILC, its side friction
// FMAXC and friction angle PHIC: English units when KUNITS is 1, otherwise SI. An unknown
// soil type leaves every point at zero.
void fillTzCurve(TzCurve& c, Real DIAM, int KUNITS);

}  // namespace quarlo
