#pragma once

#include "RunContext.h"

#include <optional>

namespace quarlo {

// The soil columns given at the profile points XSTR (two per layer: top, bottom).
enum class ProfileColumn { C1, PHI1, EE50, SKIN, TIP };

// PROFILE(X, V): the value of column V at depth X, linear within each layer; at a layer
// boundary the value at the top of the lower layer. A depth below the last profile point
// is extrapolated for EE50; for the other columns it writes the warning, sets ISTAT
// (C1 5, SKIN 6, TIP 7, PHI1 8) and gives no value.
std::optional<Real> PROFILE(RunContext& ctx, Real X, ProfileColumn V);

// GAVG(X): the average effective unit weight from the ground surface XG1(1) down to X.
// A depth below the unit-weight profile writes the warning, sets ISTAT 4 and gives no
// value.
std::optional<Real> GAVG(RunContext& ctx, Real X);

}  // namespace quarlo
