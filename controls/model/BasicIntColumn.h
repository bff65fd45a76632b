#pragma once

#include <limits>

#include "BasicColumn.h"

namespace quarlo {

// Column of 32-bit integers with bounds (TIntColumnChart / TIntColumn). Typed entries are
// checked against integrality and the bounds only while the table's window is open; values
// set by program code are the program's responsibility.
template <class V>
class BasicIntColumn : public BasicColumn<V> {
public:
    using Base = BasicColumn<V>;
    using typename Base::TableT;

    explicit BasicIntColumn(TableT* table) : Base(table) {}

    static constexpr int kClassKey = 1;
    int ClassKey() const override { return kClassKey; }

    void InsertRows(TableT* table, int index, int count) override;
    void DeleteRow(int index) override;
    std::int32_t GetInteger(int row) const override;
    void SetInteger(int row, std::int32_t value) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int ColumnWidth(const TextMetrics& canvas) const override;

    std::int32_t Default() const { return m_default; }
    void SetDefault(std::int32_t value) { m_default = value; }
    std::int32_t MinValue() const { return m_minValue; }
    void SetMinValue(std::int32_t value) { m_minValue = value; }
    std::int32_t MaxValue() const { return m_maxValue; }
    void SetMaxValue(std::int32_t value) { m_maxValue = value; }

protected:
    std::unique_ptr<Base> CreateEmpty(TableT* table) const override;
    void CopySettingsTo(Base& clone) const override;
    void WriteSettings(ComponentWriter& writer) const override;
    void ReadSettings(ComponentReader& reader) override;

private:
    void checkTypedEntry(long double value) const;

    std::int32_t m_default = 0;
    std::int32_t m_minValue = std::numeric_limits<std::int32_t>::min();
    std::int32_t m_maxValue = std::numeric_limits<std::int32_t>::max();
    std::vector<std::int32_t> m_values;
};

}  // namespace quarlo
