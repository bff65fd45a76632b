#include "EvaluateFunctions.h"

#include <cmath>
#include <string>

#include "EvaluateArithmetic.h"
#include "NumberFormat.h"

namespace quarlo {

namespace {

constexpr long double kInt32Low = -2147483648.0L;
constexpr long double kInt32High = 2147483647.0L;

// The arc cosine and arc sine are angles of the point on the unit circle, as atan2 gives
// them; outside -1..1 the square root has no real value and the entry is refused.
long double arcCos(long double x) { return std::atan2(std::sqrt(1 - x * x), x); }
long double arcSin(long double x) { return std::atan2(x, std::sqrt(1 - x * x)); }
long double cotangent(long double x) { return 1 / std::tan(x); }
long double secant(long double x) { return 1 / std::cos(x); }
long double cosecant(long double x) { return 1 / std::sin(x); }
long double fraction(long double x) { return x - std::trunc(x); }
long double integerPart(long double x) { return std::trunc(x); }

// Halves to even, as the default rounding mode of the floating-point unit does.
long double roundToEven(long double x)
{
    if (std::fabs(x) >= kInt64Limit)
        refuseEntry("value outside the 64-bit integer range of round");
    return std::nearbyint(x);
}

// `value` when a 32-bit integer holds it; the entry is refused in the name of `function`
// otherwise.
long double int32Result(long double value, std::string_view function)
{
    if (value < kInt32Low || value > kInt32High)
        refuseEntry("value outside the 32-bit integer range of " + std::string(function));
    return value;
}

long double ceiling(long double x) { return int32Result(std::ceil(x), "ceil"); }
long double flooring(long double x) { return int32Result(std::floor(x), "floor"); }

long double arcTanh(long double x) { return std::atanh(x); }
long double arcTan(long double x) { return std::atan(x); }
long double hypTan(long double x) { return std::tanh(x); }
long double tangent(long double x) { return std::tan(x); }
long double arcCosh(long double x) { return std::acosh(x); }
long double hypCos(long double x) { return std::cosh(x); }
long double cosine(long double x) { return std::cos(x); }
long double arcSinh(long double x) { return std::asinh(x); }
long double hypSin(long double x) { return std::sinh(x); }
long double sine(long double x) { return std::sin(x); }
long double absolute(long double x) { return std::fabs(x); }
long double naturalLog(long double x) { return std::log(x); }
long double commonLog(long double x) { return std::log10(x); }
long double squareRoot(long double x) { return std::sqrt(x); }

// The order matters: every name is tested as a prefix of the operand.
const OperandFunction kFunctions[] = {
    {"arctanh", arcTanh, false}, {"arctan", arcTan, false},  {"cotan", cotangent, false},
    {"tanh", hypTan, false},     {"tan", tangent, false},    {"arccosh", arcCosh, false},
    {"arccos", arcCos, false},   {"cosh", hypCos, true},     {"cos", cosine, false},
    {"sec", secant, false},      {"arcsinh", arcSinh, false}, {"arcsin", arcSin, false},
    {"sinh", hypSin, true},      {"sin", sine, false},       {"csc", cosecant, false},
    {"abs", absolute, false},    {"frac", fraction, false},  {"int", integerPart, false},
    {"ln", naturalLog, false},   {"round", roundToEven, false}, {"ceil", ceiling, false},
    {"floor", flooring, false},  {"log", commonLog, false},      {"sqrt", squareRoot, false},
};

}  // namespace

const OperandFunction* functionPrefix(std::string_view operand)
{
    for (const OperandFunction& function : kFunctions)
        if (operand.starts_with(function.name))
            return &function;
    return nullptr;
}

bool isFunctionName(std::string_view name)
{
    for (const OperandFunction& function : kFunctions)
        if (name == function.name)
            return true;
    return false;
}

long double applyFunction(const OperandFunction& function, long double argument)
{
    const long double value = function.compute(argument);
    if (std::isfinite(value))
        return checkedResult(value);
    if (function.onlyOverflows)
        return checkedResult(value);
    refuseEntry(std::string(function.name) + " is not defined for " + formatGeneral(argument, 18));
}

}  // namespace quarlo
