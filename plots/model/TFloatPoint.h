#pragma once

namespace quarlo {

// One point of a result curve, in the plot's own units (extended precision, as read).
struct TFloatPoint {
    long double X = 0;
    long double Y = 0;

    friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

}  // namespace quarlo
