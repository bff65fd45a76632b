#include "BasicGridTableList.h"

#include "BasicGridTable.h"
#include "EListError.h"
#include "ListAccess.h"
#include "Variant.h"

namespace quarlo {

template <class V>
const TIntWrapper& BasicGridTableList<V>::Entry(int index) const {
    return listItem(m_entries, index);
}

template <class V>
void BasicGridTableList<V>::AddTable(const TableT* table) {
    AddPosition(table != nullptr ? TableT::RegistryPosition(table) : -1);
}

template <class V>
void BasicGridTableList<V>::Insert(int index, TIntWrapper entry) {
    if (index < 0 || index > Count()) {
        throw EListError();
    }
    m_entries.insert(m_entries.begin() + index, entry);
}

template <class V>
void BasicGridTableList<V>::Delete(int index) {
    Entry(index);
    m_entries.erase(m_entries.begin() + index);
}

template <class V>
void BasicGridTableList<V>::Resize(int count) {
    m_entries.resize(static_cast<std::size_t>(count < 0 ? 0 : count), TIntWrapper{false, -1});
}

template <class V>
typename BasicGridTableList<V>::TableT* BasicGridTableList<V>::Resolve(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    const TIntWrapper& entry = m_entries[static_cast<std::size_t>(index)];
    return entry.isIdentifier ? TableT::FindByIdentifier(entry.value) : TableT::AtRegistryPosition(entry.value);
}

template class BasicGridTableList<ChartVariant>;
template class BasicGridTableList<PlainVariant>;

}  // namespace quarlo
