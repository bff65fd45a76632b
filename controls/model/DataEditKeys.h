#pragma once

#include <cstddef>

namespace quarlo {

// What a key typed into a numeric entry field does besides, or instead of, typing.
enum class DataEditKey {
    // Typed as in any text box.
    Type,
    // Enter: the entry is checked as if the field were left, then the whole text is
    // selected; the key itself types nothing.
    CheckEntry,
    // An operator typed over a fully selected value extends the value instead of replacing
    // it: the caret goes to the end first, so typing *2 over a selected 3.5 gives 3.5*2.
    AppendOperator,
};

// The action of the character `typed` ('\r' for Enter) in a field whose whole text is
// selected or not.
DataEditKey DataEditKeyAction(char32_t typed, bool wholeTextSelected);

// A selection of `selectionLength` characters from `selectionStart` covers a text of
// `textLength` characters, and the text is not empty.
bool WholeTextSelected(std::size_t selectionStart, std::size_t selectionLength, std::size_t textLength);

}  // namespace quarlo
