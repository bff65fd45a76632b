#pragma once

#include "Exception.h"

namespace quarlo {

// A row, column or list position outside the list it addresses.
class EListError : public Exception {
public:
    EListError() : Exception("Index out of bounds") {}
};

}  // namespace quarlo
