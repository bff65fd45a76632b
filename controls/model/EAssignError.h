#pragma once

#include <stdexcept>
#include <string>

namespace quarlo {

// A refused entry: the owner of the entry (grid cell or numeric field) shows what() to the
// user and keeps the cursor in the entry. The message is complete as given; the evaluator's
// own messages start with "Entry could not be evaluated:" and a carriage return.
class EAssignError : public std::runtime_error {
public:
    explicit EAssignError(const std::string& message) : std::runtime_error(message) {}

    // The refusal of a whole number outside `low`..`high`.
    static EAssignError Between(long long low, long long high) {
        return EAssignError("Entry must be between " + std::to_string(low) + " and " + std::to_string(high) +
                            ".");
    }
};

}  // namespace quarlo
