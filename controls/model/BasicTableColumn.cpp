#include "BasicTableColumn.h"

#include <algorithm>

#include "BasicEnumColumn.h"
#include "BasicFloatColumn.h"
#include "BasicGridTable.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "EInvalidCast.h"
#include "Exception.h"
#include "ListAccess.h"
#include "RowObject.h"
#include "Variant.h"

namespace quarlo {

namespace {

constexpr const char* kTableColumnMark = "FLEXCOLUMN2";

// Copies the float values that two tables share (rows and leading columns both have) from
// `from` to `to`; columns that are not float columns on both sides are left alone.
template <class V>
void copyCommonFloats(const BasicGridTable<V>& from, BasicGridTable<V>& to) {
    const int rows = std::min(from.RowCount(), to.RowCount());
    const int columns = std::min(from.ColumnCount(), to.ColumnCount());
    for (int c = 0; c < columns; ++c) {
        const auto* source = dynamic_cast<const BasicFloatColumn<V>*>(&from.Column(c));
        auto* target = dynamic_cast<BasicFloatColumn<V>*>(&to.Column(c));
        for (int r = 0; source != nullptr && target != nullptr && r < rows; ++r) {
            target->SetFloat(r, source->GetFloat(r));
        }
    }
}

}  // namespace

template <class V>
struct BasicTableColumn<V>::RowEntry {
    std::unique_ptr<TableT> subTable;
    std::unique_ptr<RowObject> object;
};

template <class V>
BasicTableColumn<V>::BasicTableColumn(TableT* table) : Base(table) {
    m_templates.Resize(1);
}

template <class V>
BasicTableColumn<V>::~BasicTableColumn() = default;

template <class V>
typename BasicTableColumn<V>::RowEntry& BasicTableColumn<V>::entry(int row) const {
    return *listItem(m_entries, row);
}

template <class V>
int BasicTableColumn<V>::ownIndex() const {
    return this->Table() != nullptr ? this->Table()->ColumnIndex(this) : -1;
}

template <class V>
void BasicTableColumn<V>::InsertRows(TableT* table, int index, int count) {
    this->checkInsert(index, count);
    for (int row = index; row < index + count; ++row) {
        m_entries.insert(m_entries.begin() + row, std::make_unique<RowEntry>());
        CreateRowData(table, row);
    }
    Renumber(index + count);
    Base::InsertRows(table, index, count);
}

template <class V>
void BasicTableColumn<V>::DeleteRow(int index) {
    Base::DeleteRow(index);
    m_entries.erase(m_entries.begin() + index);
    Renumber(index);
}

template <class V>
typename BasicTableColumn<V>::TableT* BasicTableColumn<V>::GetSubTable(int row) const {
    const RowEntry& held = entry(row);
    if (held.object) {
        throw EInvalidCast();
    }
    return held.subTable.get();
}

template <class V>
RowObject* BasicTableColumn<V>::GetObject(int row) const {
    return entry(row).object.get();
}

template <class V>
bool BasicTableColumn<V>::GetChanged() const {
    auto* table = this->Table();
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        const RowEntry& held = entry(row);
        if (held.subTable) {
            if (held.subTable->GetChanged()) {
                return true;
            }
            continue;
        }
        bool changed = false;
        if (table != nullptr && table->Events.OnGetChanged) {
            table->Events.OnGetChanged(*table, ownIndex(), row, held.object.get(), changed);
        }
        if (changed) {
            return true;
        }
    }
    return false;
}

template <class V>
void BasicTableColumn<V>::ResetChanged() {
    auto* table = this->Table();
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        RowEntry& held = entry(row);
        if (held.subTable) {
            held.subTable->SetChanged(false);
        } else if (table != nullptr && table->Events.OnResetChanged) {
            table->Events.OnResetChanged(*table, ownIndex(), row, held.object.get());
        }
    }
}

template <class V>
void BasicTableColumn<V>::CloseForms() {
    auto* table = this->Table();
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        RowEntry& held = entry(row);
        if (held.subTable) {
            held.subTable->CloseForms();
        } else if (table != nullptr && table->Events.OnHide) {
            table->Events.OnHide(*table, ownIndex(), row, held.object.get());
        }
    }
}

template <class V>
void BasicTableColumn<V>::SetUnits(int code) {
    auto* table = this->Table();
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        RowEntry& held = entry(row);
        if (held.subTable) {
            held.subTable->SetUnits(code);
        } else if (table != nullptr && table->Events.OnSetUnits) {
            table->Events.OnSetUnits(*table, ownIndex(), row, held.object.get(), code);
        }
    }
}

template <class V>
int BasicTableColumn<V>::ColumnWidth(const TextMetrics& canvas) const {
    return std::max(Base::ColumnWidth(canvas), 2 * canvas.pixelsPerInch);
}

template <class V>
int BasicTableColumn<V>::templateIndex(TableT* table, int row, int* enumType) const {
    *enumType = 1;
    if (table == nullptr || table->ColumnCount() == 0) {
        return 0;
    }
    const auto* first = dynamic_cast<const BasicEnumColumn<V>*>(&table->Column(0));
    if (first == nullptr) {
        return 0;
    }
    *enumType = first->GetInteger(row);
    return *enumType - 1;
}

template <class V>
void BasicTableColumn<V>::initRowObject(TableT* table, int row, int enumType) {
    RowEntry& held = entry(row);
    std::unique_ptr<RowObject> object;
    table->Events.OnInitRow(*table, ownIndex(), row, enumType, object);
    // Should OnSetRow refuse the object, the new object is freed on the way out and the row
    // keeps what it held.
    if (table->Events.OnSetRow) {
        table->Events.OnSetRow(*table, ownIndex(), object.get(), row);
    }
    held.subTable.reset();
    held.object = std::move(object);
}

template <class V>
void BasicTableColumn<V>::CreateRowData(TableT* table, int row) {
    RowEntry& held = entry(row);
    int enumType = 1;
    const TableT* source = m_templates.Resolve(templateIndex(table, row, &enumType));
    if (source != nullptr && TableT::BeingCloned(*source)) {
        source = nullptr;
    }
    if (source != nullptr) {
        auto subTable = TableT::Clone(table, row + 1, *source);
        if constexpr (V::isChart) {
            if (held.subTable) {
                copyCommonFloats(*held.subTable, *subTable);
            }
        }
        held.object.reset();
        held.subTable = std::move(subTable);
    } else if (table != nullptr && table->Events.OnInitRow) {
        initRowObject(table, row, enumType);
    } else {
        held.subTable.reset();
        held.object.reset();
    }
    refreshButton(row);
}

template <class V>
void BasicTableColumn<V>::Renumber(int from) {
    auto* table = this->Table();
    for (int row = std::max(from, 0); row < static_cast<int>(m_entries.size()); ++row) {
        RowEntry& held = entry(row);
        if (held.subTable) {
            held.subTable->SetNumber(row + 1);
        } else if (table != nullptr && table->Events.OnSetRow) {
            table->Events.OnSetRow(*table, ownIndex(), held.object.get(), row);
        }
    }
}

template <class V>
std::string BasicTableColumn<V>::ButtonCaption(int row) const {
    const RowEntry& held = entry(row);
    std::string caption;
    auto* table = this->Table();
    if (held.subTable) {
        caption = held.subTable->Caption();
    } else if (table != nullptr && table->Events.OnGetButtonCaption) {
        table->Events.OnGetButtonCaption(*table, ownIndex(), row, held.object.get(), caption);
    }
    return std::to_string(row + 1) + ": " + caption;
}

template <class V>
void BasicTableColumn<V>::refreshButton(int row) {
    for (auto& control : m_controls) {
        if (control.row == row) {
            control.caption = ButtonCaption(row);
        }
    }
}

template <class V>
const ControlSlot& BasicTableColumn<V>::Control(int i) const {
    return listItem(m_controls, i);
}

template <class V>
void BasicTableColumn<V>::AttachControls(TableWindow* parent, int topRow, int count) {
    if (m_parent != nullptr && m_parent != parent) {
        throw Exception("Attempt to change parent with controls already allocated");
    }
    if (parent == nullptr) {
        throw Exception("null parent");
    }
    if (topRow < 0 || topRow >= this->RowCount()) {
        throw Exception("ATopRow " + std::to_string(topRow));
    }
    if (topRow + count > this->RowCount() || (!V::isChart && count <= 0)) {
        throw Exception("ACount " + std::to_string(count));
    }
    m_parent = parent;
    m_controls.resize(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        auto& control = m_controls[static_cast<std::size_t>(i)];
        control.row = topRow + i;
        control.caption = ButtonCaption(control.row);
    }
}

template <class V>
void BasicTableColumn<V>::ReleaseControls() {
    m_parent = nullptr;
    m_controls.clear();
}

template <class V>
void BasicTableColumn<V>::ButtonClick(int control) {
    const int row = Control(control).row;
    RowEntry& held = entry(row);
    auto* table = this->Table();
    if (held.subTable) {
        const bool modal = table != nullptr && table->Window() != nullptr && table->Window()->IsModal();
        modal ? held.subTable->ShowModal() : held.subTable->Show();
    } else if (table != nullptr && table->Events.OnButtonClick) {
        table->Events.OnButtonClick(*table, ownIndex(), row, held.object.get());
    }
}

template <class V>
std::unique_ptr<BasicColumn<V>> BasicTableColumn<V>::CreateEmpty(TableT* table) const {
    return std::make_unique<BasicTableColumn>(table);
}

template <class V>
void BasicTableColumn<V>::CopySettingsTo(Base& clone) const {
    auto& target = static_cast<BasicTableColumn&>(clone);
    target.m_templates = BasicGridTableList<V>();
    for (int i = 0; i < m_templates.Count(); ++i) {
        target.m_templates.AddTable(m_templates.Resolve(i));
    }
}

template <class V>
void BasicTableColumn<V>::WriteSettings(ComponentWriter& writer) const {
    writer.WriteString(kTableColumnMark);
    std::vector<std::int32_t> identifiers;
    for (int i = 0; i < m_templates.Count(); ++i) {
        const TableT* resolved = m_templates.Resolve(i);
        identifiers.push_back(resolved != nullptr ? resolved->Identifier() : -1);
    }
    writer.WriteIntegers(identifiers);
}

template <class V>
void BasicTableColumn<V>::ReadSettings(ComponentReader& reader) {
    if (reader.ReadString() != kTableColumnMark) {
        throw Exception("Invalid property value");
    }
    m_templates = BasicGridTableList<V>();
    for (const auto identifier : reader.ReadIntegers()) {
        m_templates.AddIdentifier(identifier);
    }
}

template class BasicTableColumn<ChartVariant>;
template class BasicTableColumn<PlainVariant>;

}  // namespace quarlo
