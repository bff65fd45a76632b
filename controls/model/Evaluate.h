#pragma once

#include <string_view>

namespace quarlo {

// Value of a numeric entry typed by the user: a number or an arithmetic expression such as
// 12*2.5, sqrt(2)/2, (10-4)^2, $FF or 5!. Blanks and tabs are ignored; numbers always use
// the full stop, whatever the user's locale.
//
// The text is rewritten step by step: parenthesised groups first, then operators by level
// (^; * / % &; + - |; =), each level left to right. Every partial result is written back
// as text with 18 significant digits and read again, so a value is stored exactly as it is
// shown when the entry is read again.
//
// Refuses the entry with EAssignError, whose message is "Entry could not be evaluated:",
// a carriage return and the reason: a syntax fault, or an arithmetic fault (division by
// zero, a function outside its domain such as ln 0 or sqrt of a negative value, a result
// too large). No infinity or NaN is ever returned.
long double Evaluate(std::string_view text);

// Value of one operand after the operators were cut away: a decimal number, pi or e (with an
// optional sign), a function name followed by its argument operand (sqrt16), a hexadecimal
// integer ($FF) or a factorial (5!). Raises EAssignError as Evaluate does.
long double EvaluateOperand(std::string_view text);

}  // namespace quarlo
