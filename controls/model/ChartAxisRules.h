#pragma once

#include <string>
#include <vector>

namespace quarlo {

// The axes of a table window's chart: their ranges, the format of their labels and where the
// labels stand.

struct AxisRange {
    double minimum = 0.0;
    double maximum = 1.0;
    bool operator==(const AxisRange&) const = default;
};

// "#,##0.###": thousands grouped, up to three decimals; "#.0##E-0": one digit before the
// point, one to three after it, the exponent signed only when negative.
enum class AxisLabelFormat { Fixed, Exponent };

struct AxisTick {
    double value = 0.0;
    std::string label;
};

// The range of an axis on which every value is `value`: a tenth either side of it. Zero gets
// -1 to 1, and a negative value keeps its lower end below the upper one, so the axis is
// never empty or reversed.
AxisRange ConstantValueRange(double value);

// The range of an axis that follows its values: from the least to the greatest, or the
// constant-value range when they are all one value (0 to 1 when there are none).
AxisRange DataRange(const std::vector<double>& values);

// Exponent labels when either end exceeds 100000 in magnitude or both are below 0.001,
// except an axis from 0 to 0; fixed labels otherwise.
AxisLabelFormat ChooseLabelFormat(AxisRange range);

// A value as its axis label. Full stop and comma as the grid shows numbers, whatever the
// locale.
std::string FormatAxisLabel(double value, AxisLabelFormat format);

// Labels at round steps (1, 2 or 5 times a power of ten) within the range, at most about
// `maxTicks` of them. The step is coarse enough for neighbouring labels to read differently
// (0.0005 apart would show 0.001 twice), so every label stands at its own value.
std::vector<AxisTick> AxisTicks(AxisRange range, AxisLabelFormat format, int maxTicks);

}  // namespace quarlo
