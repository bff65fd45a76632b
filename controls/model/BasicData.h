#pragma once

#include <cstdint>
#include <string>

#include "BasicColumn.h"

namespace quarlo {

// Cell accessor of one row of a column (TDataChart / TData). It holds only its column; its row
// is its position in the column, looked up on every use, so an accessor obtained earlier
// keeps addressing the same logical row while other rows are inserted or deleted. The plain
// variant offers only the text and the float setter.
template <class V>
class BasicData {
public:
    explicit BasicData(BasicColumn<V>& column) : m_column(column) {}
    BasicData(const BasicData&) = delete;
    BasicData& operator=(const BasicData&) = delete;

    int Row() const { return m_column.IndexOf(this); }
    BasicColumn<V>& Column() const { return m_column; }

    std::string Text() const { return m_column.GetText(Row()); }
    void SetAsFloat(long double value) { m_column.SetFloat(Row(), value); }

    long double AsFloat() const
        requires V::isChart
    {
        return m_column.GetFloat(Row());
    }
    std::int32_t AsInteger() const
        requires V::isChart
    {
        return m_column.GetInteger(Row());
    }
    void SetAsInteger(std::int32_t value)
        requires V::isChart
    {
        m_column.SetInteger(Row(), value);
    }
    BasicGridTable<V>* SubTable() const
        requires V::isChart
    {
        return m_column.GetSubTable(Row());
    }

private:
    BasicColumn<V>& m_column;
};

}  // namespace quarlo
