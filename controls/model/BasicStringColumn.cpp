#include "BasicStringColumn.h"

#include <algorithm>
#include <cmath>

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Variant.h"

namespace quarlo {

template <class V>
void BasicStringColumn<V>::InsertRows(TableT* table, int index, int count) {
    this->insertValues(table, m_values, index, count, m_default);
}

template <class V>
void BasicStringColumn<V>::DeleteRow(int index) {
    this->deleteValue(m_values, index);
}

template <class V>
std::string BasicStringColumn<V>::GetText(int row) const {
    this->checkRow(row);
    return m_values[static_cast<std::size_t>(row)];
}

template <class V>
void BasicStringColumn<V>::SetText(int row, const std::string& text) {
    this->storeGrouped(m_values, row, text);
}

template <class V>
int BasicStringColumn<V>::ColumnWidth(const TextMetrics& canvas) const {
    const auto width = static_cast<int>(std::lround(canvas.pixelsPerInch * m_widthInches));
    return std::max(Base::ColumnWidth(canvas), width);
}

template <class V>
std::unique_ptr<BasicColumn<V>> BasicStringColumn<V>::CreateEmpty(TableT* table) const {
    return std::make_unique<BasicStringColumn>(table);
}

template <class V>
void BasicStringColumn<V>::CopySettingsTo(Base& clone) const {
    auto& target = static_cast<BasicStringColumn&>(clone);
    target.m_default = m_default;
    target.m_widthInches = m_widthInches;
}

template <class V>
void BasicStringColumn<V>::WriteSettings(ComponentWriter& writer) const {
    writer.WriteString(m_default);
    writer.WriteFloat(m_widthInches);
}

template <class V>
void BasicStringColumn<V>::ReadSettings(ComponentReader& reader) {
    m_default = reader.ReadString();
    m_widthInches = reader.ReadFloat();
}

template class BasicStringColumn<ChartVariant>;
template class BasicStringColumn<PlainVariant>;

}  // namespace quarlo
