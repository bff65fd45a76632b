#pragma once

namespace quarlo::projectfile {

// Curve source codes of record 3.
constexpr int kUserCurves = 1;
constexpr int kGeneratedCurves = 2;

// Soil type codes 1 to 6: odd codes are clays, even codes sands.
constexpr int kFirstSoilType = 1;
constexpr int kLastSoilType = 6;
constexpr bool isClay(int soilType) {
    return soilType % 2 == 1;
}

}  // namespace quarlo::projectfile
