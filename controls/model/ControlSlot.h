#pragma once

#include <string>

namespace quarlo {

// What the window needs to lay one edit control over a grid cell: the row the control stands
// for, and its state as the column wants it shown (a drop-down list's selected item index, a
// row button's caption). The window creates the real widget; the column keeps this record.
struct ControlSlot {
    int row = -1;
    int selectedIndex = -1;
    std::string caption;
};

}  // namespace quarlo
