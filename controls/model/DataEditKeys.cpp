#include "DataEditKeys.h"

#include <string_view>

namespace quarlo {

namespace {

// The operators that continue a value; "&" and "|" are not among them.
constexpr std::u32string_view kAppendingOperators = U"+-/*^=%!";

}  // namespace

DataEditKey DataEditKeyAction(char32_t typed, bool wholeTextSelected)
{
    if (typed == U'\r' || typed == U'\n')
        return DataEditKey::CheckEntry;
    if (wholeTextSelected && kAppendingOperators.find(typed) != std::u32string_view::npos)
        return DataEditKey::AppendOperator;
    return DataEditKey::Type;
}

bool WholeTextSelected(std::size_t selectionStart, std::size_t selectionLength, std::size_t textLength)
{
    return textLength > 0 && selectionStart == 0 && selectionLength == textLength;
}

}  // namespace quarlo
