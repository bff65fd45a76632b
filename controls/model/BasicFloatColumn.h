#pragma once

#include "BasicColumn.h"

namespace quarlo {

// Column of extended-precision reals with a unit string (TFloatColumnChart / TFloatColumn).
// Values are held in the table's unit system; the last caption line carries the unit words
// of that system.
//
// TopDepth pairs this column with the next one: this column holds each row's top depth and
// the next its bottom depth, and the two are kept continuous (the top of a row equals the
// bottom of the row above).
template <class V>
class BasicFloatColumn : public BasicColumn<V> {
public:
    using Base = BasicColumn<V>;
    using typename Base::TableT;

    explicit BasicFloatColumn(TableT* table) : Base(table) {}

    static constexpr int kClassKey = 2;
    int ClassKey() const override { return kClassKey; }

    void InsertRows(TableT* table, int index, int count) override;
    void DeleteRow(int index) override;
    std::string CaptionLine(int i) const override;
    long double GetFloat(int row) const override;
    void SetFloat(int row, long double value) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int ColumnWidth(const TextMetrics& canvas) const override;
    void SetUnits(int code) override;

    bool TopDepth() const { return m_topDepth; }
    void SetTopDepth(bool value) { m_topDepth = value; }
    const std::string& UnitsText() const { return m_unitsText; }
    void SetUnitsText(std::string value) { m_unitsText = std::move(value); }
    long double Default() const { return m_default; }
    void SetDefault(long double value) { m_default = value; }

protected:
    std::unique_ptr<Base> CreateEmpty(TableT* table) const override;
    void CopySettingsTo(Base& clone) const override;
    void WriteSettings(ComponentWriter& writer) const override;
    void ReadSettings(ComponentReader& reader) override;

private:
    // The column `offset` places after (+1) or before (-1) this one in `table`, when it is a
    // float column; `exists` tells whether there is any column there.
    BasicFloatColumn* neighbour(TableT* table, int offset, bool* exists = nullptr) const;
    long double insertedValue(TableT* table, int row) const;
    void storeLinked(int row, long double value);
    int tableUnits() const;

    bool m_topDepth = false;
    std::string m_unitsText;
    long double m_default = 0.0L;
    std::vector<long double> m_values;
};

}  // namespace quarlo
