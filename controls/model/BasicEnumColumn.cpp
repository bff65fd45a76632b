#include "BasicEnumColumn.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "BasicGridTable.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "EAssignError.h"
#include "Evaluate.h"
#include "Exception.h"
#include "ListAccess.h"
#include "Variant.h"

namespace quarlo {

template <class V>
void BasicEnumColumn<V>::InsertRows(TableT* table, int index, int count) {
    this->insertValues(table, m_values, index, count, std::int32_t{1});
}

template <class V>
void BasicEnumColumn<V>::DeleteRow(int index) {
    this->deleteValue(m_values, index);
}

template <class V>
std::int32_t BasicEnumColumn<V>::GetInteger(int row) const {
    this->checkRow(row);
    return m_values[static_cast<std::size_t>(row)];
}

template <class V>
void BasicEnumColumn<V>::SetInteger(int row, std::int32_t value) {
    // An unchanged value must not reach the table: it would replace the row's sub-table.
    if (GetInteger(row) == value) {
        return;
    }
    const int first = this->sharedFirst(row);
    const int last = this->sharedEnd(row);
    for (auto& control : m_controls) {
        if (control.row >= first && control.row < last) {
            control.selectedIndex = value - 1;
        }
    }
    this->storeGrouped(m_values, row, value);
}

template <class V>
std::string BasicEnumColumn<V>::GetText(int row) const {
    return std::to_string(GetInteger(row));
}

template <class V>
void BasicEnumColumn<V>::SetText(int row, const std::string& text) {
    const long double value = Evaluate(text);
    if (value != std::trunc(value) || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw EAssignError("Value must be an integer.");
    }
    // An index that names no item would leave the row without a meaning (and a soil layer
    // without its data table), so typed and imported entries must name an item.
    const auto itemCount = static_cast<long double>(m_items.size());
    if (!m_items.empty() && (value < 1 || value > itemCount)) {
        throw EAssignError::Between(1, static_cast<long long>(m_items.size()));
    }
    SetInteger(row, static_cast<std::int32_t>(value));
}

template <class V>
int BasicEnumColumn<V>::ColumnWidth(const TextMetrics& canvas) const {
    return std::max(Base::ColumnWidth(canvas), (3 * canvas.pixelsPerInch) / 2);
}

template <class V>
const ControlSlot& BasicEnumColumn<V>::slot(int control) const {
    return listItem(m_controls, control);
}

template <class V>
const ControlSlot& BasicEnumColumn<V>::Control(int i) const {
    return slot(i);
}

template <class V>
void BasicEnumColumn<V>::AttachControls(TableWindow* parent, int topRow, int count) {
    if (m_parent != nullptr && m_parent != parent) {
        throw Exception("Error attempt to change parent with controls already allocated");
    }
    if (parent == nullptr) {
        throw Exception("null parent");
    }
    m_parent = parent;
    m_controls.resize(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        auto& control = m_controls[static_cast<std::size_t>(i)];
        control.row = topRow + i;
        // A box may stand for no row (its change handler then refuses the choice).
        const bool hasRow = control.row >= 0 && control.row < this->RowCount();
        control.selectedIndex = hasRow ? GetInteger(control.row) - 1 : -1;
    }
}

template <class V>
void BasicEnumColumn<V>::ReleaseControls() {
    m_parent = nullptr;
    m_controls.clear();
}

template <class V>
void BasicEnumColumn<V>::ControlChanged(int control, int itemIndex) {
    const int row = slot(control).row;
    if (row < 0) {
        throw Exception("Unexpected row for combobox");
    }
    if (itemIndex + 1 != GetInteger(row)) {
        SetInteger(row, itemIndex + 1);
        // A choice in the list is the user's edit as much as a typed entry. It may also have
        // replaced the row's sub-table by a fresh one whose changed mark is clear, so without
        // this the project would no longer count as modified and could close unsaved.
        if (this->Table() != nullptr) {
            this->Table()->SetChanged(true);
        }
    }
}

template <class V>
void BasicEnumColumn<V>::ControlEntered(int control) {
    this->RequestFocus(slot(control).row);
}

template <class V>
void BasicEnumColumn<V>::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    itemsChanged();
}

template <class V>
void BasicEnumColumn<V>::AddItem(const std::string& item) {
    m_items.push_back(item);
    itemsChanged();
}

template <class V>
void BasicEnumColumn<V>::itemsChanged() {
    if (ItemsChangedHook) {
        ItemsChangedHook();
    }
}

template <class V>
std::unique_ptr<BasicColumn<V>> BasicEnumColumn<V>::CreateEmpty(TableT* table) const {
    return std::make_unique<BasicEnumColumn>(table);
}

template <class V>
void BasicEnumColumn<V>::CopySettingsTo(Base& clone) const {
    static_cast<BasicEnumColumn&>(clone).m_items = m_items;
}

template <class V>
void BasicEnumColumn<V>::WriteSettings(ComponentWriter& writer) const {
    writer.WriteStrings(m_items);
}

template <class V>
void BasicEnumColumn<V>::ReadSettings(ComponentReader& reader) {
    SetItems(reader.ReadStrings());
}

template class BasicEnumColumn<ChartVariant>;
template class BasicEnumColumn<PlainVariant>;

}  // namespace quarlo
