#include "XlsxWorkbook.h"

#include <xlsxwriter.h>

#include <clocale>
#include <locale.h>
#include <memory>
#include <stdexcept>

#include "AtomicFile.h"
#include "EInOutError.h"
#include "WorkbookExport.h"

namespace quarlo {

namespace {

struct WorkbookFree {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};

void check(lxw_error error, const std::string& where)
{
    if (error != LXW_NO_ERROR)
        throw std::runtime_error(where + ": " + lxw_strerror(error));
}

std::string cellPlace(const WorkbookSheet& sheet, const WorkbookCell& cell)
{
    return "sheet " + sheet.Name + ", row " + std::to_string(cell.Row) + ", column " + std::to_string(cell.Column);
}

// libxlsxwriter writes every number (cell values, column widths, the charts' cached data)
// with the C library's printf, which follows the user's locale that Qt takes into the
// program at start-up: under a decimal comma the workbook would be unreadable. While it is
// written, numbers take the C locale's full stop, in this thread only.
class CNumericLocale {
public:
    CNumericLocale()
    {
        const locale_t base = ::duplocale(::uselocale(nullptr));
        m_numeric = base ? ::newlocale(LC_NUMERIC_MASK, "C", base) : nullptr;
        if (!m_numeric) {
            if (base)
                ::freelocale(base);
            throw std::runtime_error("the C locale for numbers is not available");
        }
        m_previous = ::uselocale(m_numeric);
    }
    ~CNumericLocale()
    {
        ::uselocale(m_previous);
        ::freelocale(m_numeric);
    }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t m_numeric = nullptr;
    locale_t m_previous = nullptr;
};

// One workbook being written: its sheets in order, each filled as soon as it is added.
class XlsxWriter {
public:
    explicit XlsxWriter(const std::string& fileName) : m_workbook(workbook_new(fileName.c_str()))
    {
        if (!m_workbook)
            throw std::runtime_error("the workbook could not be started");
        m_header = workbook_add_format(m_workbook.get());
        format_set_bold(m_header);
        format_set_align(m_header, LXW_ALIGN_VERTICAL_CENTER);
    }

    void Add(const WorkbookSheet& sheet)
    {
        if (sheet.Kind == SheetKind::Chart)
            addChartSheet(sheet);
        else
            addWorksheet(sheet);
    }

    // Writes the file; the library frees the workbook whatever the outcome.
    void Close() { check(workbook_close(m_workbook.release()), "the workbook file"); }

private:
    void addWorksheet(const WorkbookSheet& sheet)
    {
        lxw_worksheet* worksheet = workbook_add_worksheet(m_workbook.get(), sheet.Name.c_str());
        if (!worksheet)
            throw std::runtime_error("the sheet " + sheet.Name + " could not be added");
        for (const WorkbookCell& cell : sheet.Cells)
            check(writeCell(worksheet, cell), cellPlace(sheet, cell));
        for (std::size_t i = 0; i < sheet.ColumnWidths.size(); ++i) {
            if (sheet.ColumnWidths[i] > 0) {
                const auto column = static_cast<lxw_col_t>(i);
                check(worksheet_set_column(worksheet, column, column, sheet.ColumnWidths[i], nullptr),
                      "sheet " + sheet.Name);
            }
        }
    }

    lxw_error writeCell(lxw_worksheet* worksheet, const WorkbookCell& cell)
    {
        const auto row = static_cast<lxw_row_t>(cell.Row - 1);
        const auto column = static_cast<lxw_col_t>(cell.Column - 1);
        lxw_format* format = cell.Style == CellStyle::Header ? m_header : nullptr;
        if (!cell.Link.empty()) {
            const std::string url = "internal:" + cell.Link;
            return worksheet_write_url_opt(worksheet, row, column, url.c_str(), format, cell.Text.c_str(), nullptr);
        }
        if (cell.Number)
            return worksheet_write_number(worksheet, row, column, *cell.Number, format);
        return worksheet_write_string(worksheet, row, column, cell.Text.c_str(), format);
    }

    void addChartSheet(const WorkbookSheet& sheet)
    {
        lxw_chartsheet* chartsheet = workbook_add_chartsheet(m_workbook.get(), sheet.Name.c_str());
        lxw_chart* chart = workbook_add_chart(m_workbook.get(), LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
        if (!chartsheet || !chart)
            throw std::runtime_error("the chart sheet " + sheet.Name + " could not be added");
        fillChart(chart, sheet.Chart);
        check(chartsheet_set_chart(chartsheet, chart), "chart sheet " + sheet.Name);
    }

    static void fillChart(lxw_chart* chart, const WorkbookChart& content)
    {
        for (const WorkbookSeries& series : content.Series)
            addSeries(chart, content.DataSheet, series);
        chart_title_off(chart);
        chart_axis_set_name(chart->x_axis, content.XTitle.c_str());
        chart_axis_set_name(chart->y_axis, content.YTitle.c_str());
        chart_axis_major_gridlines_set_visible(chart->x_axis, LXW_TRUE);
        chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
        if (content.ReverseValueAxis)
            chart_axis_set_reverse(chart->y_axis);
        chart_legend_set_position(chart, LXW_CHART_LEGEND_RIGHT);
    }

    // The library reads a name that starts with "=" as a formula; such a legend text is
    // taken from its cell on the data sheet instead, which holds the same text.
    static void addSeries(lxw_chart* chart, const std::string& dataSheet, const WorkbookSeries& content)
    {
        lxw_chart_series* series = chart_add_series(chart, content.XValues.c_str(), content.YValues.c_str());
        if (!series)
            throw std::runtime_error("the chart series " + content.Name + " could not be added");
        if (!content.Name.empty() && content.Name.front() == '=')
            chart_series_set_name_range(series, dataSheet.c_str(), static_cast<lxw_row_t>(content.NameRow - 1),
                                        static_cast<lxw_col_t>(content.NameColumn - 1));
        else
            chart_series_set_name(series, content.Name.c_str());
    }

    std::unique_ptr<lxw_workbook, WorkbookFree> m_workbook;
    lxw_format* m_header = nullptr;
};

}  // namespace

void WriteXlsxWorkbook(const WorkbookContent& content, const std::string& fileName, const WorkbookProgress& progress)
{
    const CNumericLocale fullStop;
    XlsxWriter writer(fileName);
    for (const WorkbookSheet& sheet : content.Sheets) {
        if (progress)
            progress(&sheet);
        writer.Add(sheet);
    }
    if (progress)
        progress(nullptr);
    writer.Close();
}

void ExportPlotsToWorkbook(const std::vector<const TGraphPlot*>& plots, const std::string& path,
                           const WorkbookProgress& progress)
{
    const WorkbookContent content = BuildWorkbook(plots);
    writeFileAtomically(path, [&](const std::string& newFile) {
        try {
            WriteXlsxWorkbook(content, newFile, progress);
        } catch (const std::runtime_error& error) {
            throw EInOutError("Cannot save " + path + ": " + error.what());
        }
    });
}

}  // namespace quarlo
