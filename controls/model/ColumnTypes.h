#pragma once

// The plain variant of the column classes, under the names the rest of the program uses.
#include "BasicData.h"
#include "BasicEnumColumn.h"
#include "BasicFloatColumn.h"
#include "BasicIntColumn.h"
#include "BasicStringColumn.h"
#include "BasicTableColumn.h"
#include "Variant.h"

namespace quarlo {

using TColumn = BasicColumn<PlainVariant>;
using TEnumColumn = BasicEnumColumn<PlainVariant>;
using TIntColumn = BasicIntColumn<PlainVariant>;
using TFloatColumn = BasicFloatColumn<PlainVariant>;
using TStringColumn = BasicStringColumn<PlainVariant>;
using TTableColumn = BasicTableColumn<PlainVariant>;
using TData = BasicData<PlainVariant>;
using TGridTableList = BasicGridTableList<PlainVariant>;

}  // namespace quarlo
