#pragma once

#include <string_view>

namespace quarlo {

// A function of the entry evaluator, written before its argument without parentheses once
// groups are replaced by their values (sqrt(16) becomes sqrt16). Angles are in radians.
struct OperandFunction {
    const char* name;
    long double (*compute)(long double);
    // True for functions whose only fault is a result too large (cosh, sinh); for the
    // others a non-finite result means the argument lies outside the domain (ln 0).
    bool onlyOverflows;
};

// The function whose name starts `operand` (lower case), tested in a fixed order so that
// longer names win over their prefixes (arctanh before arctan before tan); nullptr if none.
const OperandFunction* functionPrefix(std::string_view operand);

// True when `name` (lower case) is exactly a function name.
bool isFunctionName(std::string_view name);

// The function's value, refusing the entry for an argument outside its domain, a result
// too large, or an integer result out of range (round 64-bit, ceil and floor 32-bit).
long double applyFunction(const OperandFunction& function, long double argument);

}  // namespace quarlo
