#pragma once

#include <functional>
#include <map>
#include <memory>

namespace quarlo {

template <class V> class BasicColumn;
template <class V> class BasicGridTable;

// One registered column class (TColumnChartTypeStorage / TColumnTypeStorage): how to create
// an empty column of the class for a table, before its settings are read.
template <class V>
struct BasicColumnTypeStorage {
    std::function<std::unique_ptr<BasicColumn<V>>(BasicGridTable<V>*)> create;
};

// The column classes of a variant by their keys in the column-list encoding. It starts with
// the five classes of the component (0 enum, 1 int, 2 float, 3 table, 4 string).
template <class V>
class BasicColumnClassRegistry {
public:
    static BasicColumnClassRegistry& Instance();

    void Register(int key, BasicColumnTypeStorage<V> storage);
    void Unregister(int key);
    // The class of `key`, or none when no class is registered under it.
    const BasicColumnTypeStorage<V>* Find(int key) const;
    // Removes the five classes of the component; anything left is a class that was never
    // unregistered, which raises Exception "Column Type list not empty".
    void Shutdown();

private:
    BasicColumnClassRegistry();

    std::map<int, BasicColumnTypeStorage<V>> m_classes;
};

}  // namespace quarlo
