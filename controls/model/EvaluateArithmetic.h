#pragma once

#include <string_view>

namespace quarlo {

// Arithmetic of the entry evaluator. Every result is checked: an arithmetic fault refuses
// the entry with EAssignError instead of letting an infinity or NaN into a table.

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kE = 2.718281828459045235360287471352662498L;

// 2^63: the first value that no 64-bit integer holds.
constexpr long double kInt64Limit = 9223372036854775808.0L;

// Refuses the entry: EAssignError "Entry could not be evaluated:", a carriage return and
// `reason`.
[[noreturn]] void refuseEntry(std::string_view reason);

// `value` when finite and small enough for its 18-digit text to read back; refuses the
// entry as too large otherwise.
long double checkedResult(long double value);

// One binary operator: ^ * / % & + - | =. % works on the values truncated to 64-bit
// integers (sign of the left value); & | = give 1 or 0.
long double applyOperator(char op, long double left, long double right);

// |n| x (|n| - 1) x ... x 1 with the sign of n, 1 for 0; n must be a whole number.
long double factorial(long double n);

}  // namespace quarlo
