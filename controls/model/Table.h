#pragma once

// The plain-variant table and its registries under the names the rest of the program uses.
#include "BasicColumnClassRegistry.h"
#include "BasicGridTable.h"
#include "ColumnTypes.h"

namespace quarlo {

using TGridTable = BasicGridTable<PlainVariant>;
using TColumnTypeStorage = BasicColumnTypeStorage<PlainVariant>;
using ColumnClassRegistry = BasicColumnClassRegistry<PlainVariant>;

}  // namespace quarlo
