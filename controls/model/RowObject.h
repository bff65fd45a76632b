#pragma once

namespace quarlo {

// An application object held by a row of a table column instead of a sub-table. No table of
// this program uses one, but the component lets an application attach its own per-row data
// through the table's OnInitRow event.
class RowObject {
public:
    virtual ~RowObject() = default;
};

}  // namespace quarlo
