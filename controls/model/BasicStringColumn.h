#pragma once

#include "BasicColumn.h"

namespace quarlo {

// Column of free texts (TStringColumnChart / TStringColumn): entries are stored as typed,
// without evaluation.
template <class V>
class BasicStringColumn : public BasicColumn<V> {
public:
    using Base = BasicColumn<V>;
    using typename Base::TableT;

    explicit BasicStringColumn(TableT* table) : Base(table) {}

    static constexpr int kClassKey = 4;
    int ClassKey() const override { return kClassKey; }

    void InsertRows(TableT* table, int index, int count) override;
    void DeleteRow(int index) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int ColumnWidth(const TextMetrics& canvas) const override;

    const std::string& Default() const { return m_default; }
    void SetDefault(std::string value) { m_default = std::move(value); }
    long double WidthInches() const { return m_widthInches; }
    void SetWidthInches(long double value) { m_widthInches = value; }

protected:
    std::unique_ptr<Base> CreateEmpty(TableT* table) const override;
    void CopySettingsTo(Base& clone) const override;
    void WriteSettings(ComponentWriter& writer) const override;
    void ReadSettings(ComponentReader& reader) override;

private:
    std::string m_default;
    long double m_widthInches = 1.0L;
    std::vector<std::string> m_values;
};

}  // namespace quarlo
