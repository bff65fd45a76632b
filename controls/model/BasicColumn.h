#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ControlSlot.h"
#include "TextMetrics.h"

namespace quarlo {

class ComponentReader;
class ComponentWriter;
class RowObject;
class TableWindow;
template <class V> class BasicData;
template <class V> class BasicGridTable;

// Base of the typed columns of a grid table (TColumnChart / TColumn). A column owns one cell
// accessor per row; the derived classes keep the values in lists parallel to the accessors.
// The base refuses every value kind (EInvalidCast "Data of wrong type"), so a caller that asks
// a column for the wrong kind of value learns so at once.
template <class V>
class BasicColumn {
public:
    using TableT = BasicGridTable<V>;
    using DataT = BasicData<V>;

    explicit BasicColumn(TableT* table);  // Create(table)
    virtual ~BasicColumn();
    BasicColumn(const BasicColumn&) = delete;
    BasicColumn& operator=(const BasicColumn&) = delete;

    // Key of the column class in the column-list encoding (0 enum, 1 int, 2 float, 3 table,
    // 4 string).
    virtual int ClassKey() const = 0;

    virtual void InsertRows(TableT* table, int index, int count);
    virtual void DeleteRow(int index);
    int CaptionLineCount() const { return static_cast<int>(m_captions.size()); }
    virtual std::string CaptionLine(int i) const;
    virtual TableT* GetSubTable(int row) const;
    virtual long double GetFloat(int row) const;
    virtual void SetFloat(int row, long double value);
    virtual std::int32_t GetInteger(int row) const;
    virtual void SetInteger(int row, std::int32_t value);
    virtual RowObject* GetObject(int row) const;
    virtual std::string GetText(int row) const;
    virtual void SetText(int row, const std::string& text);
    virtual bool GetChanged() const { return false; }
    std::vector<std::string>& GetCaptions() { return m_captions; }
    const std::vector<std::string>& GetCaptions() const { return m_captions; }
    virtual bool HasControls() const { return false; }
    virtual int ControlCount() const { return 0; }
    virtual const ControlSlot& Control(int i) const;
    int RowGroup() const { return RowGroupHook ? RowGroupHook() : 1; }
    virtual void CloseForms() {}
    virtual void ResetChanged() {}
    virtual int ColumnWidth(const TextMetrics& canvas) const;
    virtual void SetUnits(int code);
    void Write(ComponentWriter& writer) const;
    // CreateFromReader: the class's Create followed by this.
    void Read(ComponentReader& reader);
    virtual bool UsesControls() const { return false; }
    // A new column of the same class for `table`: Visible, the caption lines and the class's
    // own settings; never the values, and not GroupValue.
    std::unique_ptr<BasicColumn> Clone(TableT* table) const;
    virtual void AttachControls(TableWindow* parent, int topRow, int count);
    virtual void ReleaseControls() {}

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    DataT& Row(int row) const;
    // Position of an accessor in this column (-1 when it belongs elsewhere); accessors store
    // no index, so they keep addressing their logical row when other rows come and go.
    int IndexOf(const DataT* data) const;
    void NotifyChanged(int row);
    void RequestFocus(int row);

    bool GroupValue() const { return m_groupValue; }
    void SetGroupValue(bool value) { m_groupValue = value; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { m_visible = value; }
    TableT* Table() const { return m_table; }

    // Installed by the table that adopts the column.
    std::function<void(BasicColumn&, int row)> CellChangedHook;
    std::function<void(BasicColumn&, int row)> FocusRequestHook;
    std::function<int()> RowGroupHook;

protected:
    virtual std::unique_ptr<BasicColumn> CreateEmpty(TableT* table) const = 0;
    virtual void CopySettingsTo(BasicColumn& clone) const = 0;
    virtual void WriteSettings(ComponentWriter& writer) const = 0;
    virtual void ReadSettings(ComponentReader& reader) = 0;

    void checkRow(int row) const;
    void checkInsert(int index, int count) const;
    // First row and size of the row group that holds `row`.
    int groupStart(int row) const { return (row / RowGroup()) * RowGroup(); }
    int groupEnd(int row) const;
    // Rows [sharedFirst, sharedEnd) hold the value stored for `row`: its whole group when the
    // column holds one value per group.
    int sharedFirst(int row) const { return m_groupValue ? groupStart(row) : row; }
    int sharedEnd(int row) const { return m_groupValue ? groupEnd(row) : row + 1; }
    int captionsWidth(const TextMetrics& canvas) const;

    // Stores `value` in the row, or in every row of its group when the column holds one value
    // per group, and reports each stored row to the table.
    template <class T>
    void storeGrouped(std::vector<T>& values, int row, const T& value) {
        checkRow(row);
        const int first = sharedFirst(row);
        const int last = sharedEnd(row);
        for (int r = first; r < last; ++r) {
            values[static_cast<std::size_t>(r)] = value;
        }
        for (int r = first; r < last; ++r) {
            NotifyChanged(r);
        }
    }

    // Inserts `count` copies of `fill` into a derived column's value list together with the
    // rows, and deletes a row's value with the row, so the list stays parallel to the rows.
    template <class T>
    void insertValues(TableT* table, std::vector<T>& values, int index, int count, const T& fill) {
        checkInsert(index, count);
        values.insert(values.begin() + index, static_cast<std::size_t>(count), fill);
        BasicColumn::InsertRows(table, index, count);
    }
    template <class T>
    void deleteValue(std::vector<T>& values, int index) {
        BasicColumn::DeleteRow(index);
        values.erase(values.begin() + index);
    }

    // Window of the owning table is open: entries are typed by the user then.
    bool windowOpen() const;

private:
    TableT* m_table;
    std::vector<std::unique_ptr<DataT>> m_rows;
    std::vector<std::string> m_captions;
    bool m_groupValue = false;
    bool m_visible = true;
};

}  // namespace quarlo
