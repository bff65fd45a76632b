#pragma once

#include <functional>

#include "BasicColumn.h"

namespace quarlo {

// Column whose cell is a 1-based index into `Items` (TEnumColumnChart / TEnumColumn). The
// window edits it through drop-down lists laid over the cells: the column keeps one control
// slot per visible row with the row it stands for and the item it shows.
template <class V>
class BasicEnumColumn : public BasicColumn<V> {
public:
    using Base = BasicColumn<V>;
    using typename Base::TableT;

    explicit BasicEnumColumn(TableT* table) : Base(table) {}

    static constexpr int kClassKey = 0;
    int ClassKey() const override { return kClassKey; }

    void InsertRows(TableT* table, int index, int count) override;
    void DeleteRow(int index) override;
    std::int32_t GetInteger(int row) const override;
    void SetInteger(int row, std::int32_t value) override;
    std::string GetText(int row) const override;
    void SetText(int row, const std::string& text) override;
    int ColumnWidth(const TextMetrics& canvas) const override;
    bool UsesControls() const override { return true; }
    bool HasControls() const override { return m_parent != nullptr; }
    int ControlCount() const override { return static_cast<int>(m_controls.size()); }
    const ControlSlot& Control(int i) const override;
    void AttachControls(TableWindow* parent, int topRow, int count) override;
    void ReleaseControls() override;

    // The user chose item `itemIndex` (0-based) in drop-down list `control`.
    void ControlChanged(int control, int itemIndex);
    // Drop-down list `control` got the focus: the grid cursor follows it.
    void ControlEntered(int control);

    const std::vector<std::string>& Items() const { return m_items; }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& item);

    // Installed by the owning table: it keeps its table columns' template lists in step with
    // the items of its first column.
    std::function<void()> ItemsChangedHook;

protected:
    std::unique_ptr<Base> CreateEmpty(TableT* table) const override;
    void CopySettingsTo(Base& clone) const override;
    void WriteSettings(ComponentWriter& writer) const override;
    void ReadSettings(ComponentReader& reader) override;

private:
    void itemsChanged();
    const ControlSlot& slot(int control) const;

    std::vector<std::string> m_items;
    std::vector<std::int32_t> m_values;
    TableWindow* m_parent = nullptr;
    std::vector<ControlSlot> m_controls;
};

}  // namespace quarlo
