#pragma once

namespace quarlo {

// The engine reads and computes in single precision throughout; results depend on it.
using Real = float;

}  // namespace quarlo
