#include "BasicFloatColumn.h"

#include <algorithm>

#include "BasicGridTable.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Evaluate.h"
#include "Exception.h"
#include "NumberFormat.h"
#include "Variant.h"
#include "VariantUnits.h"

namespace quarlo {

namespace {

constexpr const char* kFloatColumnMark = "FLOATCOLUMN2";

}  // namespace

template <class V>
BasicFloatColumn<V>* BasicFloatColumn<V>::neighbour(TableT* table, int offset, bool* exists) const {
    if (exists != nullptr) {
        *exists = false;
    }
    if (table == nullptr) {
        return nullptr;
    }
    const int index = table->ColumnIndex(this);
    const int other = index + offset;
    if (index < 0 || other < 0 || other >= table->ColumnCount()) {
        return nullptr;
    }
    if (exists != nullptr) {
        *exists = true;
    }
    return dynamic_cast<BasicFloatColumn*>(&table->Column(other));
}

template <class V>
long double BasicFloatColumn<V>::insertedValue(TableT* table, int row) const {
    const BasicFloatColumn* next = m_topDepth ? neighbour(table, +1) : nullptr;
    // The next column has not got its new rows yet, so its row - 1 is the bottom of the row
    // above the inserted one.
    if (next != nullptr && row >= 1 && row <= next->RowCount() - 1) {
        return next->GetFloat(row - 1);
    }
    // The previous column has its new rows already, so its row + 1 is the top of the row
    // below the inserted one.
    const BasicFloatColumn* previous = neighbour(table, -1);
    if (previous != nullptr && previous->m_topDepth && row + 1 < previous->RowCount()) {
        return previous->GetFloat(row + 1);
    }
    return m_default;
}

template <class V>
void BasicFloatColumn<V>::InsertRows(TableT* table, int index, int count) {
    this->checkInsert(index, count);
    bool nextExists = false;
    if (m_topDepth && neighbour(table, +1, &nextExists) == nullptr && nextExists) {
        throw Exception("If column if a topdepth then the next column must be a float column");
    }
    for (int row = index; row < index + count; ++row) {
        m_values.insert(m_values.begin() + row, insertedValue(table, row));
    }
    Base::InsertRows(table, index, count);
}

template <class V>
void BasicFloatColumn<V>::DeleteRow(int index) {
    this->checkRow(index);
    const BasicFloatColumn* next = m_topDepth ? neighbour(this->Table(), +1) : nullptr;
    // Closing the gap: the row below now starts where the row above ends.
    if (next != nullptr && index > 0 && index < this->RowCount() - 1 && index - 1 < next->RowCount()) {
        m_values[static_cast<std::size_t>(index + 1)] = next->GetFloat(index - 1);
    }
    this->deleteValue(m_values, index);
}

template <class V>
int BasicFloatColumn<V>::tableUnits() const {
    return this->Table() != nullptr ? this->Table()->Units() : 1;
}

template <class V>
std::string BasicFloatColumn<V>::CaptionLine(int i) const {
    std::string line = Base::CaptionLine(i);
    if (i != this->CaptionLineCount() - 1 || m_unitsText.empty()) {
        return line;
    }
    return line + " (" + columnUnitsText<V>(m_unitsText, tableUnits()) + ")  ";
}

template <class V>
long double BasicFloatColumn<V>::GetFloat(int row) const {
    this->checkRow(row);
    return m_values[static_cast<std::size_t>(row)];
}

template <class V>
void BasicFloatColumn<V>::storeLinked(int row, long double value) {
    this->checkRow(row);
    m_values[static_cast<std::size_t>(row)] = value;
    BasicFloatColumn* next = m_topDepth ? neighbour(this->Table(), +1) : nullptr;
    BasicFloatColumn* previous = neighbour(this->Table(), -1);
    if (next != nullptr && row >= 1 && row - 1 < next->RowCount()) {
        next->m_values[static_cast<std::size_t>(row - 1)] = value;
        next->NotifyChanged(row - 1);
    } else if (previous != nullptr && previous->m_topDepth && row + 1 < previous->RowCount()) {
        previous->m_values[static_cast<std::size_t>(row + 1)] = value;
        previous->NotifyChanged(row + 1);
    }
    this->NotifyChanged(row);
}

template <class V>
void BasicFloatColumn<V>::SetFloat(int row, long double value) {
    if (this->GroupValue()) {
        this->storeGrouped(m_values, row, value);
    } else {
        storeLinked(row, value);
    }
}

template <class V>
std::string BasicFloatColumn<V>::GetText(int row) const {
    return formatGeneral(GetFloat(row), 8);
}

template <class V>
void BasicFloatColumn<V>::SetText(int row, const std::string& text) {
    SetFloat(row, Evaluate(text));
}

template <class V>
int BasicFloatColumn<V>::ColumnWidth(const TextMetrics& canvas) const {
    return std::max(Base::ColumnWidth(canvas), canvas.pixelsPerInch / 2);
}

template <class V>
void BasicFloatColumn<V>::SetUnits(int code) {
    const long double factor = columnUnitFactor<V>(tableUnits(), code, m_unitsText);
    for (auto& value : m_values) {
        value *= factor;
    }
    for (int row = 0; row < this->RowCount(); ++row) {
        this->NotifyChanged(row);
    }
}

template <class V>
std::unique_ptr<BasicColumn<V>> BasicFloatColumn<V>::CreateEmpty(TableT* table) const {
    return std::make_unique<BasicFloatColumn>(table);
}

template <class V>
void BasicFloatColumn<V>::CopySettingsTo(Base& clone) const {
    auto& target = static_cast<BasicFloatColumn&>(clone);
    target.m_topDepth = m_topDepth;
    target.m_unitsText = m_unitsText;
    target.m_default = m_default;
}

template <class V>
void BasicFloatColumn<V>::WriteSettings(ComponentWriter& writer) const {
    writer.WriteBoolean(m_topDepth);
    writer.WriteString(kFloatColumnMark);
    writer.WriteString(m_unitsText);
    writer.WriteFloat(m_default);
}

template <class V>
void BasicFloatColumn<V>::ReadSettings(ComponentReader& reader) {
    m_topDepth = reader.ReadBoolean();
    if (reader.ReadString() != kFloatColumnMark) {
        throw Exception("Invalid property value");
    }
    m_unitsText = reader.ReadString();
    m_default = reader.ReadFloat();
}

template class BasicFloatColumn<ChartVariant>;
template class BasicFloatColumn<PlainVariant>;

}  // namespace quarlo
