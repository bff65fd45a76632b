#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "BasicColumn.h"
#include "BasicData.h"
#include "ChartSettings.h"
#include "RowObject.h"
#include "TableWindow.h"

namespace quarlo {

class ComponentReader;
class ComponentWriter;
template <class V> class BasicTableColumn;

// A data-entry table (TGridTableChart / TGridTable): a fixed list of typed columns and a
// variable number of rows, kept equal in every column. Tables register per variant in
// creation order; table columns find their templates there by Identifier.
template <class V>
class BasicGridTable {
public:
    using ColumnT = BasicColumn<V>;
    using DataT = BasicData<V>;

    // Raised by table columns for rows that hold application objects instead of sub-tables.
    struct RowEvents {
        std::function<void(BasicGridTable&, int col, int row, int enumType, std::unique_ptr<RowObject>& data)>
            OnInitRow;
        std::function<void(BasicGridTable&, int col, RowObject* data, int row)> OnSetRow;
        std::function<void(BasicGridTable&, int col, int row, RowObject* data, std::string& caption)>
            OnGetButtonCaption;
        std::function<void(BasicGridTable&, int col, int row, RowObject* data)> OnButtonClick;
        std::function<void(BasicGridTable&, int col, int row, RowObject* data, bool& changed)> OnGetChanged;
        std::function<void(BasicGridTable&, int col, int row, RowObject* data)> OnResetChanged;
        std::function<void(BasicGridTable&, int col, int row, RowObject* data)> OnHide;
        std::function<void(BasicGridTable&, int col, int row, RowObject* data, int units)> OnSetUnits;
    };

    // A table owned by another table (a sub-table) takes its owner's unit system.
    explicit BasicGridTable(BasicGridTable* owner = nullptr);
    ~BasicGridTable();
    BasicGridTable(const BasicGridTable&) = delete;
    BasicGridTable& operator=(const BasicGridTable&) = delete;

    // A new table owned by `owner` with the template's columns, texts and row limits,
    // numbered `number`, with MinRows rows of defaults. Values, RowGroup, Identifier, the
    // window settings and events are not copied.
    static std::unique_ptr<BasicGridTable> Clone(BasicGridTable* owner, int number, const BasicGridTable& source);

    // True while `source` is being cloned. A template that leads back to a table still being
    // cloned (a table column naming its own table, or two tables naming each other) would
    // nest clones without end, so table columns take it as no template.
    static bool BeingCloned(const BasicGridTable& source);

    static const std::vector<BasicGridTable*>& TableRegistry();
    static BasicGridTable* FindByIdentifier(int identifier);
    static BasicGridTable* AtRegistryPosition(int position);
    static int RegistryPosition(const BasicGridTable* table);

    // The component name the program knows the table by ("D2", "TblAE2"); its window carries
    // it as object name. Clones keep their template's name.
    const std::string& Name() const { return m_name; }
    void SetName(std::string value) { m_name = std::move(value); }
    int Identifier() const { return m_identifier; }
    // A table already holding `value` gets this table's identifier: identifiers swap.
    void SetIdentifier(int value);
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string value) { m_caption = std::move(value); }
    const std::string& Comments() const { return m_comments; }
    void SetComments(std::string value) { m_comments = std::move(value); }
    int MinRows() const { return m_minRows; }
    void SetMinRows(int value);
    int MaxRows() const { return m_maxRows; }
    void SetMaxRows(int value) { m_maxRows = value; }
    int RowGroup() const { return m_rowGroup; }
    void SetRowGroup(int value) { m_rowGroup = value < 1 ? 1 : value; }
    const std::string& TopLeft() const { return m_topLeft; }
    void SetTopLeft(std::string value) { m_topLeft = std::move(value); }
    bool HardwiredButton() const { return m_hardwiredButton; }
    void SetHardwiredButton(bool value) { m_hardwiredButton = value; }
    // The window layer's control the window is embedded in, when set; opaque to the model.
    void* FormParent() const { return m_formParent; }
    void SetFormParent(void* value) { m_formParent = value; }
    const std::vector<std::uint8_t>& HelpPicture() const { return m_helpPicture; }
    void SetHelpPicture(std::vector<std::uint8_t> picture);
    // Deduced return types: clang 14 compiles constrained members in the explicit
    // instantiation of the plain variant too, where m_chart is no ChartSettings.
    auto& Chart()
        requires V::isChart
    {
        return m_chart;
    }
    const auto& Chart() const
        requires V::isChart
    {
        return m_chart;
    }
    // While set, SetMinRows takes values <= 0 as 1 instead of refusing them.
    void SetLoading(bool value) { m_loading = value; }

    BasicGridTable* Owner() const { return m_owner; }
    int Units() const { return m_units; }
    int Number() const { return m_number; }
    void SetNumber(int number);
    std::string NumberPath() const;
    std::string WindowTitle() const;

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    ColumnT& Column(int index) const;
    int ColumnIndex(const ColumnT* column) const;
    int VisibleColumnCount() const;
    ColumnT& VisibleColumn(int n) const;
    // Takes the column over: installs its hooks and gives it the table's rows.
    void AdoptColumn(std::unique_ptr<ColumnT> column);
    DataT& Data(int col, int row) const;

    int RowCount() const { return m_rowCount; }
    void SetRowCount(int count);
    void AddRowGroup();
    void InsertRowGroup(int row);
    void DeleteRowGroup(int row);
    void SetUnits(int code);
    bool GetChanged() const;
    void SetChanged(bool flag);
    void SyncTemplates();

    void Show() { open(false); }
    void ShowModal() { open(true); }
    bool WindowOpen() const { return m_window != nullptr; }
    TableWindow* Window() const { return m_window.get(); }
    // Frees the window (after the user closed it, or before the project changes).
    void CloseWindow();
    void CloseForms();

    void WriteColumnList(ComponentWriter& writer) const;
    void ReadColumnList(ComponentReader& reader);

    // Creates the edit window of a table; installed once by the window layer. Without it the
    // tables work without windows (Show does nothing).
    static inline std::function<std::unique_ptr<TableWindow>(BasicGridTable&, bool modal)> WindowFactory;

    // Installed by the open window.
    std::function<void()> RowsChangedHook;
    std::function<void(int col, int row)> CellChangedHook;
    std::function<void(int col, int row)> FocusCellHook;
    std::function<void()> HelpPictureChangedHook;
    std::function<void()> OnResize;
    RowEvents Events;

private:
    static std::vector<BasicGridTable*>& registry();
    static std::vector<const BasicGridTable*>& clonesInProgress();
    void open(bool modal);
    void rowsChanged();
    void cellChanged(ColumnT& column, int row);
    void focusRequested(ColumnT& column, int row);
    void itemsChanged(ColumnT& column);
    void installHooks(ColumnT& column);
    void fillRows(ColumnT& column);
    void readColumn(ComponentReader& reader);
    BasicTableColumn<V>* firstTableColumn() const;
    void insertRowsEverywhere(int index, int count);
    // First row of the group that holds `row` (EListError for a row the table has not got).
    int groupFirstRow(int row) const;

    BasicGridTable* m_owner;
    std::string m_name;
    int m_identifier;
    std::string m_caption;
    std::string m_comments;
    int m_minRows = 1;
    int m_maxRows = 0;
    int m_rowGroup = 1;
    std::string m_topLeft;
    bool m_hardwiredButton = false;
    void* m_formParent = nullptr;
    std::vector<std::uint8_t> m_helpPicture;
    [[no_unique_address]] std::conditional_t<V::isChart, ChartSettings, NoChartSettings> m_chart;
    bool m_loading = false;
    int m_units;
    int m_number = 0;
    int m_rowCount = 0;
    bool m_changed = false;
    std::vector<std::unique_ptr<ColumnT>> m_columns;
    std::unique_ptr<TableWindow> m_window;
};

}  // namespace quarlo
