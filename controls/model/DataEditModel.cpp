#include "DataEditModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "EAssignError.h"
#include "Evaluate.h"
#include "NumberFormat.h"
#include "Units.h"
#include "UnitsDisplay.h"

namespace quarlo {

namespace {

// Significant digits of a field's text: as many as the evaluator keeps of a partial result,
// so a value typed as 1/3 reads back as exactly what is shown.
constexpr int kFieldDigits = 18;
constexpr int kMinHexDigits = 4;
constexpr long double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long double kInt32Max = std::numeric_limits<std::int32_t>::max();
// The evaluator reads "$" numbers of up to 32 bits; larger values are shown in decimal so
// that the text still reads back as the value.
constexpr long double kLargestHex = std::numeric_limits<std::uint32_t>::max();

std::optional<long double> evaluated(const std::string& text)
{
    try {
        return Evaluate(text);
    } catch (const EAssignError&) {
        return std::nullopt;
    }
}

std::string hexText(long double rounded)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto magnitude = static_cast<std::uint64_t>(std::fabs(rounded));
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[magnitude % 16]);
        magnitude /= 16;
    } while (magnitude != 0);
    if (digits.size() < kMinHexDigits)
        digits.insert(0, kMinHexDigits - digits.size(), '0');
    return (rounded < 0 ? "-$" : "$") + digits;
}

}  // namespace

long double DataEditModel::Number() const
{
    return Evaluate(m_text);
}

void DataEditModel::SetNumber(long double value)
{
    m_text = FormatValue(clampToRange(value));
}

long double DataEditModel::clampToRange(long double value) const
{
    return std::clamp(value, m_minVal, m_maxVal);
}

long double DataEditModel::integerBound(long double value) const
{
    return m_integerOnly ? std::clamp(value, kInt32Min, kInt32Max) : value;
}

void DataEditModel::SetMaxVal(long double value)
{
    m_maxVal = integerBound(std::max(value, m_minVal));
    // An entry that cannot be evaluated is left for the exit check to refuse.
    if (const std::optional<long double> current = evaluated(m_text); current && *current > m_maxVal)
        SetNumber(m_maxVal);
}

void DataEditModel::SetMinVal(long double value)
{
    m_minVal = integerBound(std::min(value, m_maxVal));
    if (const std::optional<long double> current = evaluated(m_text); current && *current < m_minVal)
        SetNumber(m_minVal);
}

void DataEditModel::SetIntegerOnly(bool integerOnly)
{
    m_integerOnly = integerOnly;
    if (integerOnly) {
        SetMaxVal(m_maxVal);
        SetMinVal(m_minVal);
    }
}

void DataEditModel::SetHex(bool hex)
{
    m_hex = hex;
    if (const std::optional<long double> current = evaluated(m_text))
        m_text = FormatValue(*current);
}

void DataEditModel::SetUnits(int code)
{
    m_units = std::clamp(code, kUnitsEnglish, kUnitsSymbols);
}

std::string DataEditModel::LabelText() const
{
    if (m_unitsString.empty())
        return m_caption;
    return m_caption + " (" + DisplayFieldUnits(m_unitsString, m_units) + ")";
}

std::string DataEditModel::FormatValue(long double value) const
{
    if (m_hex) {
        const long double rounded = std::nearbyint(value);
        if (std::fabs(rounded) <= kLargestHex)
            return hexText(rounded);
    }
    return formatGeneral(value, kFieldDigits);
}

DataEditModel::Check DataEditModel::ExitCheck()
{
    m_valid = false;
    long double value = 0;
    try {
        value = Evaluate(m_text);
    } catch (const EAssignError& error) {
        return {false, m_integerOnly ? "Entry must be a valid integer." : error.what()};
    }
    if (m_integerOnly && value != std::trunc(value))
        return {false, "Entry must be an integer."};
    if (value < m_minVal) {
        SetNumber(m_minVal);
        return {false, "Entry must be greater than or equal to " + FormatValue(m_minVal)};
    }
    if (!(value <= m_maxVal)) {
        SetNumber(m_maxVal);
        return {false, "Entry must be less than or equal to " + FormatValue(m_maxVal)};
    }
    m_text = FormatValue(value);
    m_valid = true;
    return {true, {}};
}

bool DataEditModel::StoreInto(long double& target) const
{
    if (FormatValue(target) == m_text)
        return false;
    const long double value = Number();
    if (value == target)
        return false;
    target = value;
    return true;
}

bool DataEditModel::StoreInto(int& target) const
{
    const long double value = std::clamp(std::nearbyint(Number()), kInt32Min, kInt32Max);
    const auto rounded = static_cast<int>(value);
    if (rounded == target)
        return false;
    target = rounded;
    return true;
}

}  // namespace quarlo
