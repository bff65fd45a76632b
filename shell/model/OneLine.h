#pragma once

#include <string>

namespace quarlo {

// A message of the readers on one line, for a terminal or a list entry: the carriage return
// that separates where a fault is from what was expected becomes ": ".
std::string OneLine(const std::string& message);

}  // namespace quarlo
