#pragma once

#include "BasicColumn.h"
#include "BasicGridTableList.h"

namespace quarlo {

// Column that makes tables nest (TTableColumnChart / TTableColumn): each row holds a
// sub-table cloned from the template chosen by the row's value in the table's first column
// (when that is an enum column), or an application object, or nothing. The window shows a
// button per row that opens the row's sub-table.
template <class V>
class BasicTableColumn : public BasicColumn<V> {
public:
    using Base = BasicColumn<V>;
    using typename Base::TableT;

    explicit BasicTableColumn(TableT* table);
    ~BasicTableColumn() override;

    static constexpr int kClassKey = 3;
    int ClassKey() const override { return kClassKey; }

    void InsertRows(TableT* table, int index, int count) override;
    void DeleteRow(int index) override;
    TableT* GetSubTable(int row) const override;
    // The row's application object; none for a row holding a sub-table or nothing.
    RowObject* GetObject(int row) const override;
    bool GetChanged() const override;
    void ResetChanged() override;
    void CloseForms() override;
    void SetUnits(int code) override;
    int ColumnWidth(const TextMetrics& canvas) const override;
    bool UsesControls() const override { return true; }
    bool HasControls() const override { return m_parent != nullptr; }
    int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    const ControlSlot& Control(int i) const override;
    void AttachControls(TableWindow* parent, int topRow, int count) override;
    void ReleaseControls() override;

    // Gives the row the object its template calls for, replacing what it held. The chart
    // variant carries the float values of the leading common columns over to the new
    // sub-table, so a layer keeps its data when its soil type changes.
    void CreateRowData(TableT* table, int row);
    void Renumber(int from);
    std::string ButtonCaption(int row) const;
    // The button `control` was pressed.
    void ButtonClick(int control);

    BasicGridTableList<V>& Templates() { return m_templates; }
    const BasicGridTableList<V>& Templates() const { return m_templates; }

protected:
    std::unique_ptr<Base> CreateEmpty(TableT* table) const override;
    void CopySettingsTo(Base& clone) const override;
    void WriteSettings(ComponentWriter& writer) const override;
    void ReadSettings(ComponentReader& reader) override;

private:
    struct RowEntry;

    int ownIndex() const;
    int templateIndex(TableT* table, int row, int* enumType) const;
    void initRowObject(TableT* table, int row, int enumType);
    void refreshButton(int row);
    RowEntry& entry(int row) const;

    std::vector<std::unique_ptr<RowEntry>> m_entries;
    BasicGridTableList<V> m_templates;
    TableWindow* m_parent = nullptr;
    std::vector<ControlSlot> m_controls;
};

}  // namespace quarlo
