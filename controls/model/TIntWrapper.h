#pragma once

namespace quarlo {

// One entry of a template list: with `isIdentifier` set, `value` is a table Identifier (the
// first registered table holding it); otherwise it is a position in the table registry. -1,
// an unknown identifier or a position out of range resolve to no template.
struct TIntWrapper {
    bool isIdentifier = false;
    int value = -1;
};

}  // namespace quarlo
