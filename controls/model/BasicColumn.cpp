#include "BasicColumn.h"

#include <algorithm>

#include "BasicData.h"
#include "BasicGridTable.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "EInvalidCast.h"
#include "EListError.h"
#include "ListAccess.h"
#include "Variant.h"

namespace quarlo {

template <class V>
BasicColumn<V>::BasicColumn(TableT* table) : m_table(table) {}

template <class V>
BasicColumn<V>::~BasicColumn() = default;

template <class V>
void BasicColumn<V>::checkRow(int row) const {
    if (row < 0 || row >= RowCount()) {
        throw EListError();
    }
}

template <class V>
void BasicColumn<V>::checkInsert(int index, int count) const {
    if (index < 0 || index > RowCount() || count < 0) {
        throw EListError();
    }
}

template <class V>
int BasicColumn<V>::groupEnd(int row) const {
    return std::min(groupStart(row) + RowGroup(), RowCount());
}

template <class V>
void BasicColumn<V>::InsertRows(TableT*, int index, int count) {
    checkInsert(index, count);
    for (int i = 0; i < count; ++i) {
        m_rows.insert(m_rows.begin() + index + i, std::make_unique<DataT>(*this));
    }
}

template <class V>
void BasicColumn<V>::DeleteRow(int index) {
    checkRow(index);
    m_rows.erase(m_rows.begin() + index);
}

template <class V>
std::string BasicColumn<V>::CaptionLine(int i) const {
    return listItem(m_captions, i);
}

template <class V>
typename BasicColumn<V>::TableT* BasicColumn<V>::GetSubTable(int) const {
    throw EInvalidCast();
}

template <class V>
long double BasicColumn<V>::GetFloat(int) const {
    throw EInvalidCast();
}

template <class V>
void BasicColumn<V>::SetFloat(int, long double) {
    throw EInvalidCast();
}

template <class V>
std::int32_t BasicColumn<V>::GetInteger(int) const {
    throw EInvalidCast();
}

template <class V>
void BasicColumn<V>::SetInteger(int, std::int32_t) {
    throw EInvalidCast();
}

template <class V>
RowObject* BasicColumn<V>::GetObject(int) const {
    throw EInvalidCast();
}

template <class V>
std::string BasicColumn<V>::GetText(int) const {
    return {};
}

template <class V>
void BasicColumn<V>::SetText(int, const std::string&) {}

template <class V>
const ControlSlot& BasicColumn<V>::Control(int) const {
    throw EListError();
}

template <class V>
int BasicColumn<V>::captionsWidth(const TextMetrics& canvas) const {
    int width = 0;
    for (int i = 0; i < CaptionLineCount(); ++i) {
        width = std::max(width, canvas.textWidth(CaptionLine(i) + "  "));
    }
    return width;
}

template <class V>
int BasicColumn<V>::ColumnWidth(const TextMetrics& canvas) const {
    return captionsWidth(canvas);
}

template <class V>
void BasicColumn<V>::SetUnits(int) {}

template <class V>
void BasicColumn<V>::Write(ComponentWriter& writer) const {
    writer.WriteStrings(m_captions);
    writer.WriteBoolean(m_visible);
    writer.WriteBoolean(m_groupValue);
    WriteSettings(writer);
}

template <class V>
void BasicColumn<V>::Read(ComponentReader& reader) {
    m_captions = reader.ReadStrings();
    m_visible = reader.ReadBoolean();
    m_groupValue = reader.ReadBoolean();
    ReadSettings(reader);
}

template <class V>
std::unique_ptr<BasicColumn<V>> BasicColumn<V>::Clone(TableT* table) const {
    auto clone = CreateEmpty(table);
    clone->m_visible = m_visible;
    clone->m_captions = m_captions;
    CopySettingsTo(*clone);
    return clone;
}

template <class V>
void BasicColumn<V>::AttachControls(TableWindow*, int, int) {}

template <class V>
typename BasicColumn<V>::DataT& BasicColumn<V>::Row(int row) const {
    return *listItem(m_rows, row);
}

template <class V>
int BasicColumn<V>::IndexOf(const DataT* data) const {
    return ownedIndex(m_rows, data);
}

template <class V>
void BasicColumn<V>::NotifyChanged(int row) {
    if (CellChangedHook) {
        CellChangedHook(*this, row);
    }
}

template <class V>
void BasicColumn<V>::RequestFocus(int row) {
    if (FocusRequestHook) {
        FocusRequestHook(*this, row);
    }
}

template <class V>
bool BasicColumn<V>::windowOpen() const {
    return m_table != nullptr && m_table->WindowOpen();
}

template class BasicColumn<ChartVariant>;
template class BasicColumn<PlainVariant>;

}  // namespace quarlo
