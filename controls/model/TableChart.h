#pragma once

// The chart-variant table and its registries under the names the rest of the program uses.
#include "BasicColumnClassRegistry.h"
#include "BasicGridTable.h"
#include "ColumnTypesChart.h"

namespace quarlo {

using TGridTableChart = BasicGridTable<ChartVariant>;
using TColumnChartTypeStorage = BasicColumnTypeStorage<ChartVariant>;
using ColumnClassRegistryChart = BasicColumnClassRegistry<ChartVariant>;

}  // namespace quarlo
