#include "EvaluateArithmetic.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "EAssignError.h"

namespace quarlo {

namespace {

// The largest value whose 18-digit text reads back: the few extended values above it show
// as 1.18973149535723177E4932, which no longer fits, so an accepted entry would be refused
// the next time its own text is read.
constexpr long double kLargestEntry = 1.18973149535723176E4932L;

// The largest n whose factorial an extended value holds (1754! is about 2E4930).
constexpr long double kLargestFactorial = 1754.0L;

long double remainder64(long double left, long double right)
{
    const long double a = std::trunc(left);
    const long double b = std::trunc(right);
    if (std::fabs(a) >= kInt64Limit || std::fabs(b) >= kInt64Limit)
        refuseEntry("value outside the 64-bit integer range of %");
    if (b == 0)
        refuseEntry("division by zero");
    const auto divisor = static_cast<std::int64_t>(b);
    // INT64_MIN % -1 overflows in hardware; the remainder of any division by -1 is 0.
    if (divisor == -1)
        return 0.0L;
    return static_cast<long double>(static_cast<std::int64_t>(a) % divisor);
}

long double power(long double base, long double exponent)
{
    if (base == 0 && exponent < 0)
        refuseEntry("division by zero");
    const long double value = std::pow(base, exponent);
    if (std::isnan(value))
        refuseEntry("^ has no real result for a negative value to a fractional power");
    return value;
}

long double quotient(long double left, long double right)
{
    if (right == 0)
        refuseEntry("division by zero");
    return left / right;
}

}  // namespace

void refuseEntry(std::string_view reason)
{
    throw EAssignError("Entry could not be evaluated:\r" + std::string(reason));
}

long double checkedResult(long double value)
{
    if (std::isnan(value))
        refuseEntry("invalid operation");
    if (std::isinf(value) || std::fabs(value) > kLargestEntry)
        refuseEntry("value too large");
    return value;
}

long double applyOperator(char op, long double left, long double right)
{
    switch (op) {
    case '^': return checkedResult(power(left, right));
    case '*': return checkedResult(left * right);
    case '/': return checkedResult(quotient(left, right));
    case '%': return remainder64(left, right);
    case '&': return left != 0 && right != 0 ? 1.0L : 0.0L;
    case '+': return checkedResult(left + right);
    case '-': return checkedResult(left - right);
    case '|': return left != 0 || right != 0 ? 1.0L : 0.0L;
    case '=': return left == right ? 1.0L : 0.0L;
    default: refuseEntry("invalid expression");
    }
}

long double factorial(long double n)
{
    if (n != std::trunc(n))
        refuseEntry("! (factoral) applicable to integers only");
    const long double count = std::fabs(n);
    if (count > kLargestFactorial)
        refuseEntry("value too large");
    long double product = 1.0L;
    for (long double k = 2; k <= count; ++k)
        product *= k;
    return n < 0 ? -product : product;
}

}  // namespace quarlo
