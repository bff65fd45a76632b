#pragma once

#include <string>

namespace quarlo {

// Significant digits of the general float-to-text conversion: a curve's number in its
// default legend text and a t-z curve's depth in its name.
constexpr int kGeneralFloatDigits = 15;

// Tick labels and the coordinate read-out: the general number format with 4 and 5
// significant digits and at least two exponent digits.
constexpr int kTickLabelDigits = 4;
constexpr int kReadoutDigits = 5;
constexpr int kPlotExponentDigits = 2;

// The label of a tick at value `value`.
std::string TickLabel(long double value);

// The plot window's caption while the pointer is over the graph: the plot's Caption,
// " X: ", x and " Y: ", y.
std::string CoordinateReadout(const std::string& caption, long double x, long double y);

}  // namespace quarlo
