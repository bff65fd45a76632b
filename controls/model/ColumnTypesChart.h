#pragma once

// The chart variant of the column classes, under the names the rest of the program uses.
#include "BasicData.h"
#include "BasicEnumColumn.h"
#include "BasicFloatColumn.h"
#include "BasicIntColumn.h"
#include "BasicStringColumn.h"
#include "BasicTableColumn.h"
#include "Variant.h"

namespace quarlo {

using TColumnChart = BasicColumn<ChartVariant>;
using TEnumColumnChart = BasicEnumColumn<ChartVariant>;
using TIntColumnChart = BasicIntColumn<ChartVariant>;
using TFloatColumnChart = BasicFloatColumn<ChartVariant>;
using TStringColumnChart = BasicStringColumn<ChartVariant>;
using TTableColumnChart = BasicTableColumn<ChartVariant>;
using TDataChart = BasicData<ChartVariant>;
using TGridTableListChart = BasicGridTableList<ChartVariant>;

}  // namespace quarlo
