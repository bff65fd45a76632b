#include "ChartAxisRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quarlo {

namespace {

constexpr double kExponentAbove = 100000.0;
constexpr double kExponentBelow = 0.001;
constexpr int kFixedDecimals = 3;

std::string toChars(double value, std::chars_format format, int precision) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

// Drops trailing zeros of a fraction, keeping at least `keep` fraction digits (and the point
// only when a digit follows it).
void trimFraction(std::string& number, std::size_t keep) {
    const std::size_t point = number.find('.');
    if (point == std::string::npos) {
        return;
    }
    while (number.size() > point + 1 + keep && number.back() == '0') {
        number.pop_back();
    }
    if (number.back() == '.') {
        number.pop_back();
    }
}

std::string groupThousands(const std::string& digits) {
    std::string grouped;
    const std::size_t count = digits.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string fixedLabel(double value) {
    std::string text = toChars(std::fabs(value), std::chars_format::fixed, kFixedDecimals);
    trimFraction(text, 0);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string label = groupThousands(text.substr(0, point)) + text.substr(point);
    return (value < 0.0 && label != "0") ? "-" + label : label;
}

std::string exponentLabel(double value) {
    const std::string text = toChars(value, std::chars_format::scientific, kFixedDecimals);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    trimFraction(mantissa, 1);
    const int exponent = std::atoi(text.c_str() + e + 1);
    return mantissa + "E" + std::to_string(exponent);
}

// Steps tried before equal labels are simply left out.
constexpr int kStepAttempts = 12;

double niceStep(double rough) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double normalised = rough / magnitude;
    const double nice = normalised <= 1.0 ? 1.0 : normalised <= 2.0 ? 2.0 : normalised <= 5.0 ? 5.0 : 10.0;
    return nice * magnitude;
}

std::vector<AxisTick> ticksAt(AxisRange range, double step, AxisLabelFormat format) {
    std::vector<AxisTick> ticks;
    const double first = std::ceil(range.minimum / step - 1e-9);
    const double last = std::floor(range.maximum / step + 1e-9);
    for (double k = first; k <= last; k += 1.0) {
        // A multiple of the step computed afresh, so no error accumulates; -0 shows as 0.
        const double value = k == 0.0 ? 0.0 : k * step;
        ticks.push_back({value, FormatAxisLabel(value, format)});
    }
    return ticks;
}

bool labelsDiffer(const std::vector<AxisTick>& ticks) {
    return std::adjacent_find(ticks.begin(), ticks.end(), [](const AxisTick& a, const AxisTick& b) {
               return a.label == b.label;
           }) == ticks.end();
}

}  // namespace

AxisRange ConstantValueRange(double value) {
    if (value == 0.0) {
        return {-1.0, 1.0};
    }
    const double low = 0.9 * value;
    const double high = 1.1 * value;
    return value > 0.0 ? AxisRange{low, high} : AxisRange{high, low};
}

AxisRange DataRange(const std::vector<double>& values) {
    if (values.empty()) {
        return {};
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *low < *high ? AxisRange{*low, *high} : ConstantValueRange(*low);
}

AxisLabelFormat ChooseLabelFormat(AxisRange range) {
    const double low = std::fabs(range.minimum);
    const double high = std::fabs(range.maximum);
    if (low == 0.0 && high == 0.0) {
        return AxisLabelFormat::Fixed;
    }
    const bool large = low > kExponentAbove || high > kExponentAbove;
    const bool small = low < kExponentBelow && high < kExponentBelow;
    return large || small ? AxisLabelFormat::Exponent : AxisLabelFormat::Fixed;
}

std::string FormatAxisLabel(double value, AxisLabelFormat format) {
    return format == AxisLabelFormat::Fixed ? fixedLabel(value) : exponentLabel(value);
}

std::vector<AxisTick> AxisTicks(AxisRange range, AxisLabelFormat format, int maxTicks) {
    const double span = range.maximum - range.minimum;
    if (!(span > 0.0) || !std::isfinite(span) || maxTicks < 2) {
        return {};
    }
    // A step finer than the labels can tell apart would put equal labels side by side, each
    // but the first at the wrong place: the step coarsens until every label differs.
    double step = niceStep(span / (maxTicks - 1));
    std::vector<AxisTick> ticks;
    for (int attempt = 0; attempt < kStepAttempts; ++attempt) {
        ticks = ticksAt(range, step, format);
        if (labelsDiffer(ticks)) {
            return ticks;
        }
        step = niceStep(step * 1.01);
    }
    ticks.erase(std::unique(ticks.begin(), ticks.end(),
                            [](const AxisTick& a, const AxisTick& b) { return a.label == b.label; }),
                ticks.end());
    return ticks;
}

}  // namespace quarlo
