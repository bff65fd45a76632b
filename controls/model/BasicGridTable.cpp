#include "BasicGridTable.h"

#include <algorithm>

#include "BasicEnumColumn.h"
#include "BasicTableColumn.h"
#include "EListError.h"
#include "Exception.h"
#include "ListAccess.h"
#include "Variant.h"

namespace quarlo {

namespace {

// Identifiers are handed out per variant in creation order.
template <class V>
int nextIdentifier() {
    static int counter = 0;
    return counter++;
}

}  // namespace

template <class V>
std::vector<BasicGridTable<V>*>& BasicGridTable<V>::registry() {
    static std::vector<BasicGridTable*> tables;
    return tables;
}

template <class V>
std::vector<const BasicGridTable<V>*>& BasicGridTable<V>::clonesInProgress() {
    static std::vector<const BasicGridTable*> sources;
    return sources;
}

template <class V>
bool BasicGridTable<V>::BeingCloned(const BasicGridTable& source) {
    const auto& sources = clonesInProgress();
    return std::find(sources.begin(), sources.end(), &source) != sources.end();
}

template <class V>
const std::vector<BasicGridTable<V>*>& BasicGridTable<V>::TableRegistry() {
    return registry();
}

template <class V>
BasicGridTable<V>* BasicGridTable<V>::FindByIdentifier(int identifier) {
    const auto& tables = registry();
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [identifier](const BasicGridTable* t) { return t->m_identifier == identifier; });
    return identifier < 0 || found == tables.end() ? nullptr : *found;
}

template <class V>
BasicGridTable<V>* BasicGridTable<V>::AtRegistryPosition(int position) {
    const auto& tables = registry();
    return position < 0 || position >= static_cast<int>(tables.size()) ? nullptr
                                                                        : tables[static_cast<std::size_t>(position)];
}

template <class V>
int BasicGridTable<V>::RegistryPosition(const BasicGridTable* table) {
    const auto& tables = registry();
    const auto found = std::find(tables.begin(), tables.end(), table);
    return found == tables.end() ? -1 : static_cast<int>(found - tables.begin());
}

template <class V>
BasicGridTable<V>::BasicGridTable(BasicGridTable* owner)
    : m_owner(owner), m_identifier(nextIdentifier<V>()), m_units(owner != nullptr ? owner->m_units : 1) {
    registry().push_back(this);
}

template <class V>
BasicGridTable<V>::~BasicGridTable() {
    CloseWindow();
    SetRowCount(0);
    m_columns.clear();
    auto& tables = registry();
    tables.erase(std::find(tables.begin(), tables.end(), this));
}

template <class V>
std::unique_ptr<BasicGridTable<V>> BasicGridTable<V>::Clone(BasicGridTable* owner, int number,
                                                            const BasicGridTable& source) {
    auto& sources = clonesInProgress();
    sources.push_back(&source);
    struct Done {
        std::vector<const BasicGridTable*>& sources;
        ~Done() { sources.pop_back(); }
    } done{sources};
    auto table = std::make_unique<BasicGridTable>(owner);
    table->m_name = source.m_name;
    table->m_caption = source.m_caption;
    table->m_comments = source.m_comments;
    table->m_topLeft = source.m_topLeft;
    table->m_rowCount = 0;
    table->m_minRows = source.m_minRows;
    table->m_maxRows = source.m_maxRows;
    for (const auto& column : source.m_columns) {
        table->AdoptColumn(column->Clone(table.get()));
    }
    table->SetNumber(number);
    table->SetRowCount(table->m_minRows);
    if constexpr (V::isChart) {
        table->m_chart = source.m_chart;
    }
    table->rowsChanged();
    return table;
}

template <class V>
void BasicGridTable<V>::SetIdentifier(int value) {
    if (value < 0) {
        return;
    }
    for (BasicGridTable* table : registry()) {
        if (table->m_identifier == value) {
            table->m_identifier = m_identifier;
        }
    }
    m_identifier = value;
}

template <class V>
void BasicGridTable<V>::SetMinRows(int value) {
    if (value <= 0) {
        if (!m_loading) {
            throw Exception("Value must be greater than 0");
        }
        value = 1;
    }
    m_minRows = value;
}

template <class V>
void BasicGridTable<V>::SetHelpPicture(std::vector<std::uint8_t> picture) {
    m_helpPicture = std::move(picture);
    if (HelpPictureChangedHook) {
        HelpPictureChangedHook();
    }
}

template <class V>
void BasicGridTable<V>::SetNumber(int number) {
    m_number = number;
    if (m_window) {
        m_window->SetTitle(WindowTitle());
    }
}

template <class V>
std::string BasicGridTable<V>::NumberPath() const {
    std::string path = m_owner != nullptr ? m_owner->NumberPath() : std::string();
    if (m_number != 0) {
        path += " " + std::to_string(m_number);
    }
    return path;
}

template <class V>
std::string BasicGridTable<V>::WindowTitle() const {
    return m_caption + " " + NumberPath();
}

template <class V>
typename BasicGridTable<V>::ColumnT& BasicGridTable<V>::Column(int index) const {
    return *listItem(m_columns, index);
}

template <class V>
int BasicGridTable<V>::ColumnIndex(const ColumnT* column) const {
    return ownedIndex(m_columns, column);
}

template <class V>
int BasicGridTable<V>::VisibleColumnCount() const {
    return static_cast<int>(std::count_if(m_columns.begin(), m_columns.end(),
                                          [](const std::unique_ptr<ColumnT>& c) { return c->Visible(); }));
}

template <class V>
typename BasicGridTable<V>::ColumnT& BasicGridTable<V>::VisibleColumn(int n) const {
    int seen = 0;
    for (const auto& column : m_columns) {
        if (column->Visible() && seen++ == n) {
            return *column;
        }
    }
    throw EListError();
}

template <class V>
void BasicGridTable<V>::installHooks(ColumnT& column) {
    column.CellChangedHook = [this](ColumnT& c, int row) { cellChanged(c, row); };
    column.FocusRequestHook = [this](ColumnT& c, int row) { focusRequested(c, row); };
    column.RowGroupHook = [this] { return m_rowGroup; };
    if (auto* enumColumn = dynamic_cast<BasicEnumColumn<V>*>(&column)) {
        enumColumn->ItemsChangedHook = [this, &column] { itemsChanged(column); };
    }
}

template <class V>
void BasicGridTable<V>::fillRows(ColumnT& column) {
    while (column.RowCount() < m_rowCount) {
        column.InsertRows(this, column.RowCount(), std::min(m_rowGroup, m_rowCount - column.RowCount()));
    }
}

template <class V>
void BasicGridTable<V>::AdoptColumn(std::unique_ptr<ColumnT> column) {
    ColumnT& adopted = *column;
    installHooks(adopted);
    m_columns.push_back(std::move(column));
    fillRows(adopted);
    if (m_window && adopted.UsesControls() && m_rowCount > 0) {
        adopted.AttachControls(m_window.get(), 0, std::min(m_rowCount, 10));
    }
}

template <class V>
typename BasicGridTable<V>::DataT& BasicGridTable<V>::Data(int col, int row) const {
    return Column(col).Row(row);
}

template <class V>
void BasicGridTable<V>::SetRowCount(int count) {
    // Whole row groups only, so every group keeps its g rows and all columns stay equal.
    const int target = count <= 0 ? 0 : ((count + m_rowGroup - 1) / m_rowGroup) * m_rowGroup;
    m_rowCount = target;
    for (const auto& column : m_columns) {
        while (column->RowCount() > target) {
            column->DeleteRow(column->RowCount() - 1);
        }
        fillRows(*column);
    }
}

template <class V>
void BasicGridTable<V>::insertRowsEverywhere(int index, int count) {
    m_rowCount += count;
    for (const auto& column : m_columns) {
        column->InsertRows(this, index, count);
    }
    rowsChanged();
}

template <class V>
void BasicGridTable<V>::AddRowGroup() {
    insertRowsEverywhere(m_rowCount, m_rowGroup);
}

template <class V>
int BasicGridTable<V>::groupFirstRow(int row) const {
    if (row < 0 || row >= m_rowCount) {
        throw EListError();
    }
    return m_rowGroup * (row / m_rowGroup);
}

template <class V>
void BasicGridTable<V>::InsertRowGroup(int row) {
    insertRowsEverywhere(groupFirstRow(row), m_rowGroup);
}

template <class V>
void BasicGridTable<V>::DeleteRowGroup(int row) {
    const int first = groupFirstRow(row);
    const int count = std::min(m_rowGroup, m_rowCount - first);
    m_rowCount -= count;
    for (const auto& column : m_columns) {
        for (int i = 0; i < count; ++i) {
            column->DeleteRow(first);
        }
    }
    rowsChanged();
}

template <class V>
void BasicGridTable<V>::SetUnits(int code) {
    if (code != 1 && code != 2) {
        throw Exception("Unit system must be 1 (English) or 2 (S.I.)");
    }
    if (code == m_units) {
        return;
    }
    for (const auto& column : m_columns) {
        column->SetUnits(code);
    }
    m_units = code;
    rowsChanged();
}

template <class V>
bool BasicGridTable<V>::GetChanged() const {
    return m_changed || std::any_of(m_columns.begin(), m_columns.end(),
                                    [](const std::unique_ptr<ColumnT>& c) { return c->GetChanged(); });
}

template <class V>
void BasicGridTable<V>::SetChanged(bool flag) {
    if (flag) {
        m_changed = true;
        return;
    }
    m_changed = false;
    for (const auto& column : m_columns) {
        column->ResetChanged();
    }
}

template <class V>
BasicTableColumn<V>* BasicGridTable<V>::firstTableColumn() const {
    for (const auto& column : m_columns) {
        if (auto* tableColumn = dynamic_cast<BasicTableColumn<V>*>(column.get())) {
            return tableColumn;
        }
    }
    return nullptr;
}

template <class V>
void BasicGridTable<V>::SyncTemplates() {
    int count = 1;
    if (!m_columns.empty()) {
        if (const auto* first = dynamic_cast<const BasicEnumColumn<V>*>(m_columns.front().get())) {
            count = static_cast<int>(first->Items().size());
        }
    }
    for (const auto& column : m_columns) {
        if (auto* tableColumn = dynamic_cast<BasicTableColumn<V>*>(column.get())) {
            tableColumn->Templates().Resize(count);
        }
    }
}

template <class V>
void BasicGridTable<V>::open(bool modal) {
    if (VisibleColumnCount() == 0) {
        return;
    }
    if (!m_window) {
        if (!WindowFactory) {
            return;
        }
        m_window = WindowFactory(*this, modal);
        if (!m_window) {
            return;
        }
    }
    m_window->Display();
}

template <class V>
void BasicGridTable<V>::CloseWindow() {
    if (!m_window) {
        return;
    }
    for (const auto& column : m_columns) {
        column->ReleaseControls();
    }
    RowsChangedHook = nullptr;
    CellChangedHook = nullptr;
    FocusCellHook = nullptr;
    HelpPictureChangedHook = nullptr;
    m_window.reset();
}

template <class V>
void BasicGridTable<V>::CloseForms() {
    CloseWindow();
    for (const auto& column : m_columns) {
        column->CloseForms();
    }
}

template <class V>
void BasicGridTable<V>::rowsChanged() {
    if (RowsChangedHook) {
        RowsChangedHook();
    }
}

template <class V>
void BasicGridTable<V>::cellChanged(ColumnT& column, int row) {
    const int index = ColumnIndex(&column);
    if (index == 0 && dynamic_cast<BasicEnumColumn<V>*>(&column) != nullptr) {
        if (auto* tableColumn = firstTableColumn()) {
            tableColumn->CreateRowData(this, row);
        }
    }
    if (m_window && CellChangedHook) {
        CellChangedHook(index, row);
    }
}

template <class V>
void BasicGridTable<V>::focusRequested(ColumnT& column, int row) {
    if (m_window && FocusCellHook) {
        FocusCellHook(ColumnIndex(&column), row);
    }
}

template <class V>
void BasicGridTable<V>::itemsChanged(ColumnT& column) {
    if (ColumnIndex(&column) == 0) {
        SyncTemplates();
    }
}

template class BasicGridTable<ChartVariant>;
template class BasicGridTable<PlainVariant>;

}  // namespace quarlo
