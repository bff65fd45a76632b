#include "GridTableAccess.h"

#include <algorithm>

#include "TextImport.h"

namespace quarlo {

namespace {

template <class V>
class BasicGridTableAccess final : public GridTableAccess {
public:
    using TableT = BasicGridTable<V>;
    using ColumnT = BasicColumn<V>;

    explicit BasicGridTableAccess(TableT& table) : m_table(table) {}

    std::string WindowTitle() const override { return m_table.WindowTitle(); }

    std::string WindowName() const override {
        std::string name = m_table.Name().empty() ? std::string("Table") : m_table.Name();
        std::string path = m_table.NumberPath();
        std::replace(path.begin(), path.end(), ' ', '_');
        return name + path;
    }

    std::string TopLeft() const override { return m_table.TopLeft(); }
    std::string Comments() const override { return m_table.Comments(); }
    std::vector<std::uint8_t> HelpPicture() const override { return m_table.HelpPicture(); }

    const ChartSettings* Chart() const override {
        if constexpr (V::isChart) {
            return &m_table.Chart();
        } else {
            return nullptr;
        }
    }

    TableChartData ChartData() const override {
        if constexpr (V::isChart) {
            return BuildTableChart(m_table);
        } else {
            return {};
        }
    }

    int RowCount() const override { return m_table.RowCount(); }
    int MinRows() const override { return m_table.MinRows(); }
    int MaxRows() const override { return m_table.MaxRows(); }
    int RowGroup() const override { return m_table.RowGroup(); }
    int ColumnCount() const override { return m_table.VisibleColumnCount(); }

    int HeaderLineCount() const override {
        int lines = 0;
        for (int c = 0; c < ColumnCount(); ++c) {
            lines = std::max(lines, shown(c).CaptionLineCount());
        }
        return lines;
    }

    std::string HeaderLine(int column, int line) const override {
        const ColumnT& c = shown(column);
        return line < c.CaptionLineCount() ? c.CaptionLine(line) : std::string();
    }

    CellKind Kind(int column) const override {
        const ColumnT& c = shown(column);
        if (dynamic_cast<const BasicEnumColumn<V>*>(&c) != nullptr) {
            return CellKind::Choice;
        }
        return c.UsesControls() ? CellKind::SubTable : CellKind::Text;
    }

    std::vector<std::string> ChoiceItems(int column) const override {
        const auto* list = dynamic_cast<const BasicEnumColumn<V>*>(&shown(column));
        return list != nullptr ? list->Items() : std::vector<std::string>();
    }

    int ColumnWidth(int column, const TextMetrics& canvas) const override {
        return shown(column).ColumnWidth(canvas);
    }

    std::string CellText(int column, int row) const override { return shown(column).GetText(row); }

    bool StoreEntry(int column, int row, const std::string& text) override {
        ColumnT& c = shown(column);
        if (text == c.GetText(row)) {
            return false;
        }
        c.SetText(row, text);
        m_table.SetChanged(true);
        return true;
    }

    void ChooseItem(int column, int control, int itemIndex) override {
        dynamic_cast<BasicEnumColumn<V>&>(shown(column)).ControlChanged(control, itemIndex);
    }

    void PressButton(int column, int control) override {
        dynamic_cast<BasicTableColumn<V>&>(shown(column)).ButtonClick(control);
    }

    void AttachControls(TableWindow* window, int topRow, int count) override {
        for (int c = 0; c < ColumnCount(); ++c) {
            ColumnT& column = shown(c);
            if (!column.UsesControls()) {
                continue;
            }
            if (count > 0 && topRow >= 0 && topRow < RowCount()) {
                column.AttachControls(window, topRow, std::min(count, RowCount() - topRow));
            } else {
                column.ReleaseControls();
            }
        }
    }

    int ControlCount(int column) const override { return shown(column).ControlCount(); }
    const ControlSlot& Control(int column, int i) const override { return shown(column).Control(i); }

    void AddRowGroup() override {
        m_table.AddRowGroup();
        MarkChanged();
    }

    void InsertRowGroup(int row) override {
        m_table.InsertRowGroup(row);
        MarkChanged();
    }

    void DeleteRowGroup(int row) override {
        m_table.DeleteRowGroup(row);
        MarkChanged();
    }

    void ImportRows(const std::vector<std::vector<long double>>& rows) override {
        const int given = static_cast<int>(rows.size());
        for (int row = 0; row < given; ++row) {
            if (row >= m_table.RowCount()) {
                m_table.AddRowGroup();
            }
            const auto& numbers = rows[static_cast<std::size_t>(row)];
            for (int c = 0; c < std::min(ColumnCount(), static_cast<int>(numbers.size())); ++c) {
                shown(c).SetText(row, ImportEntryText(numbers[static_cast<std::size_t>(c)]));
            }
        }
        // Whole groups after the last row given; a group holding given rows stays.
        while (given > 0 && m_table.RowCount() > given) {
            const int last = m_table.RowCount() - 1;
            if (last - last % m_table.RowGroup() < given) {
                break;
            }
            m_table.DeleteRowGroup(last);
        }
        MarkChanged();
    }

    void EnsureMinRows() override {
        if (m_table.RowCount() < m_table.MinRows()) {
            m_table.SetRowCount(m_table.MinRows());
        }
    }

    void MarkChanged() override { m_table.SetChanged(true); }

    void InstallHooks(Hooks hooks) override {
        m_table.RowsChangedHook = hooks.rowsChanged;
        m_table.CellChangedHook = shownColumnHook(hooks.cellChanged);
        m_table.FocusCellHook = shownColumnHook(hooks.focusCell);
        m_table.HelpPictureChangedHook = hooks.helpPictureChanged;
    }

    void RaiseResize() override {
        if (m_table.OnResize) {
            m_table.OnResize();
        }
    }

    void CloseWindow() override { m_table.CloseWindow(); }

private:
    ColumnT& shown(int column) const { return m_table.VisibleColumn(column); }

    // Shown-column number of a column index; -1 for a hidden column.
    int shownIndex(int index) const {
        if (index < 0 || index >= m_table.ColumnCount() || !m_table.Column(index).Visible()) {
            return -1;
        }
        int shownBefore = 0;
        for (int c = 0; c < index; ++c) {
            shownBefore += m_table.Column(c).Visible() ? 1 : 0;
        }
        return shownBefore;
    }

    // The table reports column indexes counting hidden columns; the window knows shown ones,
    // and hears nothing of hidden columns.
    std::function<void(int, int)> shownColumnHook(std::function<void(int, int)> hook) const {
        if (!hook) {
            return nullptr;
        }
        return [this, hook](int index, int row) {
            const int column = shownIndex(index);
            if (column >= 0) {
                hook(column, row);
            }
        };
    }

    TableT& m_table;
};

}  // namespace

std::unique_ptr<GridTableAccess> GridTableAccess::For(TGridTableChart& table) {
    return std::make_unique<BasicGridTableAccess<ChartVariant>>(table);
}

std::unique_ptr<GridTableAccess> GridTableAccess::For(TGridTable& table) {
    return std::make_unique<BasicGridTableAccess<PlainVariant>>(table);
}

}  // namespace quarlo
