#pragma once

#include "TableFormBase.h"

namespace quarlo {

// The edit window of a plain table (TGridTable): the grid, the row buttons, the comments
// and the help picture.
class TTableForm : public TableFormBase {
    Q_OBJECT
public:
    explicit TTableForm(std::unique_ptr<GridTableAccess> access, QWidget* parent = nullptr);
};

}  // namespace quarlo
