#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "EListError.h"

namespace quarlo {

// Element `index` of `items`; EListError when the list has no such position, so a stale row
// or control number fails loudly instead of reading past the end.
template <class List>
auto& listItem(List& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        throw EListError();
    }
    return items[static_cast<std::size_t>(index)];
}

// Position of the element that owns `item` (-1 when none does).
template <class T>
int ownedIndex(const std::vector<std::unique_ptr<T>>& items, const T* item) {
    const auto found = std::find_if(items.begin(), items.end(),
                                    [item](const std::unique_ptr<T>& owned) { return owned.get() == item; });
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

}  // namespace quarlo
