#include "BasicColumnClassRegistry.h"

#include "BasicEnumColumn.h"
#include "BasicFloatColumn.h"
#include "BasicIntColumn.h"
#include "BasicStringColumn.h"
#include "BasicTableColumn.h"
#include "Exception.h"
#include "Variant.h"

namespace quarlo {

namespace {

template <class V, template <class> class ColumnClass>
BasicColumnTypeStorage<V> storageOf() {
    return {[](BasicGridTable<V>* table) -> std::unique_ptr<BasicColumn<V>> {
        return std::make_unique<ColumnClass<V>>(table);
    }};
}

}  // namespace

template <class V>
BasicColumnClassRegistry<V>& BasicColumnClassRegistry<V>::Instance() {
    static BasicColumnClassRegistry registry;
    return registry;
}

template <class V>
BasicColumnClassRegistry<V>::BasicColumnClassRegistry() {
    Register(BasicEnumColumn<V>::kClassKey, storageOf<V, BasicEnumColumn>());
    Register(BasicIntColumn<V>::kClassKey, storageOf<V, BasicIntColumn>());
    Register(BasicFloatColumn<V>::kClassKey, storageOf<V, BasicFloatColumn>());
    Register(BasicTableColumn<V>::kClassKey, storageOf<V, BasicTableColumn>());
    Register(BasicStringColumn<V>::kClassKey, storageOf<V, BasicStringColumn>());
}

template <class V>
void BasicColumnClassRegistry<V>::Register(int key, BasicColumnTypeStorage<V> storage) {
    m_classes[key] = std::move(storage);
}

template <class V>
void BasicColumnClassRegistry<V>::Unregister(int key) {
    m_classes.erase(key);
}

template <class V>
const BasicColumnTypeStorage<V>* BasicColumnClassRegistry<V>::Find(int key) const {
    const auto found = m_classes.find(key);
    return found == m_classes.end() ? nullptr : &found->second;
}

template <class V>
void BasicColumnClassRegistry<V>::Shutdown() {
    for (int key = 0; key <= 4; ++key) {
        Unregister(key);
    }
    if (!m_classes.empty()) {
        throw Exception("Column Type list not empty");
    }
}

template class BasicColumnClassRegistry<ChartVariant>;
template class BasicColumnClassRegistry<PlainVariant>;

}  // namespace quarlo
