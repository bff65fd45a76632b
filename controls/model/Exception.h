#pragma once

#include <stdexcept>
#include <string>

namespace quarlo {

// Internal misuse of the table components and reading errors of a column list. Callers that
// catch "any failure" of these components catch std::exception, because a refused entry
// (EAssignError) travels through the same paths.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quarlo
