#include "TTableForm.h"

#include "GridTableAccess.h"

namespace quarlo {

TTableForm::TTableForm(std::unique_ptr<GridTableAccess> access, QWidget* parent)
    : TableFormBase(std::move(access), parent)
{
}

}  // namespace quarlo
