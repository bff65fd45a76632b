#include "BasicIntColumn.h"

#include <algorithm>
#include <cmath>

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "EAssignError.h"
#include "Evaluate.h"
#include "Variant.h"

namespace quarlo {

template <class V>
void BasicIntColumn<V>::InsertRows(TableT* table, int index, int count) {
    this->insertValues(table, m_values, index, count, m_default);
}

template <class V>
void BasicIntColumn<V>::DeleteRow(int index) {
    this->deleteValue(m_values, index);
}

template <class V>
std::int32_t BasicIntColumn<V>::GetInteger(int row) const {
    this->checkRow(row);
    return m_values[static_cast<std::size_t>(row)];
}

template <class V>
void BasicIntColumn<V>::SetInteger(int row, std::int32_t value) {
    this->storeGrouped(m_values, row, value);
}

template <class V>
std::string BasicIntColumn<V>::GetText(int row) const {
    return std::to_string(GetInteger(row));
}

template <class V>
void BasicIntColumn<V>::checkTypedEntry(long double value) const {
    if (std::fabs(value - std::trunc(value)) > 1e-10L) {
        throw EAssignError("Entry must be an integer.");
    }
    if (value < m_minValue || value > m_maxValue) {
        throw EAssignError::Between(m_minValue, m_maxValue);
    }
}

template <class V>
void BasicIntColumn<V>::SetText(int row, const std::string& text) {
    const long double value = Evaluate(text);
    if (this->windowOpen()) {
        checkTypedEntry(value);
    }
    // Halves go to the even neighbour (the default rounding mode).
    const long double rounded = std::nearbyint(value);
    // Even unchecked program values must fit the cell: converting a larger one is undefined.
    constexpr auto low = std::numeric_limits<std::int32_t>::min();
    constexpr auto high = std::numeric_limits<std::int32_t>::max();
    if (!(rounded >= low && rounded <= high)) {
        throw EAssignError::Between(low, high);
    }
    SetInteger(row, static_cast<std::int32_t>(rounded));
}

template <class V>
int BasicIntColumn<V>::ColumnWidth(const TextMetrics& canvas) const {
    return std::max(Base::ColumnWidth(canvas), canvas.pixelsPerInch / 2);
}

template <class V>
std::unique_ptr<BasicColumn<V>> BasicIntColumn<V>::CreateEmpty(TableT* table) const {
    return std::make_unique<BasicIntColumn>(table);
}

template <class V>
void BasicIntColumn<V>::CopySettingsTo(Base& clone) const {
    auto& target = static_cast<BasicIntColumn&>(clone);
    target.m_default = m_default;
    target.m_minValue = m_minValue;
    target.m_maxValue = m_maxValue;
}

template <class V>
void BasicIntColumn<V>::WriteSettings(ComponentWriter& writer) const {
    writer.WriteInteger(m_default);
    writer.WriteInteger(m_minValue);
    writer.WriteInteger(m_maxValue);
}

template <class V>
void BasicIntColumn<V>::ReadSettings(ComponentReader& reader) {
    m_default = reader.ReadInteger();
    m_minValue = reader.ReadInteger();
    m_maxValue = reader.ReadInteger();
}

template class BasicIntColumn<ChartVariant>;
template class BasicIntColumn<PlainVariant>;

}  // namespace quarlo
