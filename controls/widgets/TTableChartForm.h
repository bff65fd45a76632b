#pragma once

#include <string>
#include <vector>

#include "TableFormBase.h"

class QLineEdit;

namespace quarlo {

class TableChartView;

// The edit window of a chart table (TGridTableChart): besides the grid, the chart of two of
// its columns above it, and the import of rows of numbers from a text file or the clipboard.
class TTableChartForm : public TableFormBase {
    Q_OBJECT
public:
    explicit TTableChartForm(std::unique_ptr<GridTableAccess> access, QWidget* parent = nullptr);

    TableChartView* Chart() const { return m_chart; }

    void BtnBrowseClick();
    void BtnEditClick();
    void BtnReadClick();
    void BtnClipClick();

protected:
    bool ChartShown() const override;
    void AddParts(TableFormParts& parts) const override;
    void PlaceParts(const TableFormGeometry& geometry) override;
    void RedrawChart() override;
    void Refreshed() override;

private:
    bool importShown() const;
    bool okCancelShown() const;
    void updateFileButtons();
    void importLines(const std::vector<std::string>& lines);

    TableChartView* m_chart;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QLabel* m_fileLabel;
    QLineEdit* m_fileName;
    QPushButton* m_browse;
    QPushButton* m_view;
    QPushButton* m_read;
    QPushButton* m_paste;
};

}  // namespace quarlo
