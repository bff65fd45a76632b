#pragma once

#include <vector>

#include "TIntWrapper.h"

namespace quarlo {

template <class V> class BasicGridTable;

// Template list of a table column (TGridTableListChart / TGridTableList): one entry per item
// of the table's first column when that is an enum column, else one entry.
template <class V>
class BasicGridTableList {
public:
    using TableT = BasicGridTable<V>;

    int Count() const { return static_cast<int>(m_entries.size()); }
    const TIntWrapper& Entry(int index) const;
    void AddIdentifier(int identifier) { m_entries.push_back({true, identifier}); }
    void AddPosition(int position) { m_entries.push_back({false, position}); }
    // Stored as the table's registry position, -1 for none.
    void AddTable(const TableT* table);
    void Insert(int index, TIntWrapper entry);
    void Delete(int index);
    // Pads with entries that resolve to no template, or cuts from the end.
    void Resize(int count);
    // The template table of entry `index`; none for an entry that resolves to nothing or an
    // index outside the list.
    TableT* Resolve(int index) const;

private:
    std::vector<TIntWrapper> m_entries;
};

}  // namespace quarlo
