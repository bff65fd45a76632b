#include "Evaluate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <charconv>
#include <string>
#include <vector>

#include "EvaluateArithmetic.h"
#include "EvaluateFunctions.h"
#include "NumberFormat.h"

namespace quarlo {

namespace {

// Stands for a subtraction once the minus signs are classified, so that every "-" left in
// the text belongs to its operand. A user cannot type it.
constexpr char kSubtraction = '\x01';

// Each partial result is written back with this many significant digits.
constexpr int kPartialDigits = 18;

bool isOperator(char c)
{
    return std::string_view("^*/%&+|=").find(c) != std::string_view::npos || c == kSubtraction;
}

std::string withoutChar(std::string_view text, char removed)
{
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [removed](char c) { return c != removed; });
    return result;
}

std::string lowerCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

// Two minus signs cancel; left to right, so an odd run leaves one sign.
std::string withoutDoubleMinus(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-')
            ++i;
        else
            result.push_back(text[i]);
    }
    return result;
}

// Innermost groups first: the first ")" and the last "(" before it enclose no other group.
void replaceParentheses(std::string& text)
{
    for (std::size_t close = text.find(')'); close != std::string::npos; close = text.find(')')) {
        const std::size_t open = text.rfind('(', close);
        if (open == std::string::npos)
            refuseEntry("() (parentheses) do not match");
        const long double value = Evaluate(std::string_view(text).substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, formatGeneral(value, kPartialDigits));
    }
}

// True when the text of the operand before a "-" asks for a signed argument: a function
// name (sqrt-4 is the square root of -4, also after an operator or with a sign of its own,
// as in 2*abs-3 from 2*abs(-3)), or "!" or "$".
bool takesSignedArgument(std::string_view operandSoFar)
{
    if (operandSoFar.starts_with('-'))
        operandSoFar.remove_prefix(1);
    const std::string name = lowerCase(operandSoFar);
    return name == "!" || name == "$" || isFunctionName(name);
}

// An E or e is an exponent mark only after a digit or a decimal point; elsewhere it is the
// constant e, so e-1 is e minus 1 while 1e-5 is one number.
bool isExponentMark(const std::string& text, std::size_t at)
{
    const char c = text[at];
    if ((c != 'e' && c != 'E') || at == 0)
        return false;
    const char before = text[at - 1];
    return (before >= '0' && before <= '9') || before == '.';
}

bool isSign(const std::string& text, std::size_t at, std::size_t operandStart)
{
    if (at == 0)
        return true;
    const char before = text[at - 1];
    if (isOperator(before) || before == '-')
        return true;
    if (isExponentMark(text, at - 1))
        return true;
    return takesSignedArgument(std::string_view(text).substr(operandStart, at - operandStart));
}

void markSubtractions(std::string& text)
{
    std::size_t operandStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-' && !isSign(text, i, operandStart))
            text[i] = kSubtraction;
        if (isOperator(text[i]))
            operandStart = i + 1;
    }
}

struct Expression {
    std::vector<std::string> operands;
    std::vector<char> operators;
};

Expression cutIntoOperands(const std::string& text)
{
    Expression expression;
    std::string operand;
    for (char c : text) {
        if (isOperator(c)) {
            expression.operands.push_back(operand);
            expression.operators.push_back(c);
            operand.clear();
        } else {
            operand.push_back(c);
        }
    }
    if (!operand.empty())
        expression.operands.push_back(operand);
    if (expression.operands.size() != expression.operators.size() + 1)
        refuseEntry("invalid expression");
    return expression;
}

// Each level is reduced left to right, so operators of one level associate to the left
// (10-4-3 is 3, 2^3^2 is 64).
void reduceLevel(Expression& expression, std::string_view levelOperators)
{
    std::size_t i = 0;
    while (i < expression.operators.size()) {
        const char op = expression.operators[i];
        if (levelOperators.find(op) == std::string_view::npos) {
            ++i;
            continue;
        }
        const long double left = EvaluateOperand(expression.operands[i]);
        const long double right = EvaluateOperand(expression.operands[i + 1]);
        const long double value = applyOperator(op == kSubtraction ? '-' : op, left, right);
        expression.operands[i] = formatGeneral(value, kPartialDigits);
        expression.operands.erase(expression.operands.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        expression.operators.erase(expression.operators.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

long double parseHexadecimal(std::string_view digits)
{
    // Up to 32 bits, read as the plain value: $FFFFFFFF is 4294967295, never -1.
    std::uint32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        refuseEntry("invalid use of $ (hex function)");
    return value;
}

long double parseNumber(std::string_view text)
{
    const std::optional<long double> value = parseDecimal(text);
    if (!value)
        refuseEntry("invalid character(s) in expression");
    return checkedResult(*value);
}

// What is applied to the value of the rest of an operand, innermost last.
struct Step {
    const OperandFunction* function = nullptr;  // else factorial or negation
    bool factorial = false;
};

long double applyStep(const Step& step, long double value)
{
    if (step.function)
        return applyFunction(*step.function, value);
    return step.factorial ? factorial(value) : -value;
}

// The operand's innermost part: a constant, a hexadecimal or a decimal number; the
// functions, factorials and signs around it are collected in `steps`.
long double innermostValue(std::string_view operand, std::vector<Step>& steps)
{
    for (;;) {
        if (operand == "pi" || operand == "-pi")
            return operand.front() == '-' ? -kPi : kPi;
        if (operand == "e" || operand == "-e")
            return operand.front() == '-' ? -kE : kE;
        if (const OperandFunction* function = functionPrefix(operand)) {
            steps.push_back({function, false});
            operand.remove_prefix(std::string_view(function->name).size());
        } else if (operand.ends_with('!')) {
            steps.push_back({nullptr, true});
            operand.remove_suffix(1);
        } else if (operand.starts_with('$')) {
            return parseHexadecimal(operand.substr(1));
        } else if (operand.size() > 1 && operand.starts_with('-') && !parseDecimal(operand)) {
            // A sign before a function or a hexadecimal number (-sqrt2, -$FF).
            steps.push_back({nullptr, false});
            operand.remove_prefix(1);
        } else {
            return parseNumber(operand);
        }
    }
}

}  // namespace

long double Evaluate(std::string_view text)
{
    if (text.empty())
        refuseEntry("entry cannot be blank");
    std::string rewritten = withoutChar(withoutChar(text, ' '), '\t');
    // Pasted text may carry the mark itself; it would silently read as a subtraction.
    if (rewritten.find(kSubtraction) != std::string::npos)
        refuseEntry("invalid character(s) in expression");
    replaceParentheses(rewritten);
    markSubtractions(rewritten);
    Expression expression = cutIntoOperands(rewritten);
    for (std::string_view level : {"^", "*/%&", "+\x01|", "="})
        reduceLevel(expression, level);
    return EvaluateOperand(expression.operands.front());
}

long double EvaluateOperand(std::string_view text)
{
    const std::string operand = lowerCase(withoutDoubleMinus(text));
    std::vector<Step> steps;
    long double value = innermostValue(operand, steps);
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        value = applyStep(*step, value);
    return value;
}

}  // namespace quarlo
