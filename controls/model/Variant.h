#pragma once

namespace quarlo {

// The table components ship in two variants that behave alike except where a class asks
// `V::isChart`: the chart variant (tables with a chart, import and kept values on sub-table
// replacement) and the plain variant. Each variant has its own registries, so identifiers of
// the two never meet, and a column is only ever attached to a table of its own variant.
struct ChartVariant {
    static constexpr bool isChart = true;
};

struct PlainVariant {
    static constexpr bool isChart = false;
};

}  // namespace quarlo
