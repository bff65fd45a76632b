#pragma once

#include "Exception.h"

namespace quarlo {

// A cell was asked for a value of a kind its column does not hold (a float from an enum
// column, a sub-table from a float column).
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception("Data of wrong type") {}
};

}  // namespace quarlo
