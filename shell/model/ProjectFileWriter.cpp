#include "ProjectFileWriter.h"

#include <stdexcept>

#include "LongNumber.h"
#include "NumberFormat.h"
#include "ProgramData.h"
#include "ProjectFileFormat.h"
#include "ProjectTitle.h"

namespace quarlo {

namespace {

using namespace projectfile;

// Stands in the soil line for the value a soil type does not use; the engine reads a value
// there all the same. Followed by two blanks and no further separator.
const char* const kUnusedValue = "0.0  ";

class LineWriter {
public:
    void line(const std::string& text) {
        m_text += text;
        m_text += "\r\n";
    }
    void count(int n) { line(std::to_string(n)); }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

std::string number(long double value) {
    return formatGeneral(value, 8);
}

template <class Table>
std::string cells(const Table& table, int row, std::initializer_list<int> columns) {
    std::string text;
    for (const int column : columns) {
        if (!text.empty()) {
            text += ' ';
        }
        text += table.Data(column, row).Text();
    }
    return text;
}

// A count line and one line per row holding `columns`.
template <class Table>
void writeRows(LineWriter& out, const Table& table, std::initializer_list<int> columns) {
    out.count(table.RowCount());
    for (int row = 0; row < table.RowCount(); ++row) {
        out.line(cells(table, row, columns));
    }
}

// An option section: its rows when the option is on, else the single line " 0".
template <class Table>
void writeOptional(LineWriter& out, bool on, const Table& table, std::initializer_list<int> columns) {
    if (on) {
        writeRows(out, table, columns);
    } else {
        out.line(" 0");
    }
}

void writeUserCurves(LineWriter& out, const ProjectTables& tables) {
    const TGridTableChart& depths = tables.TblTZDepth2();
    out.count(depths.RowCount());
    for (int row = 0; row < depths.RowCount(); ++row) {
        const TGridTableChart* curve = depths.Data(1, row).SubTable();
        if (curve == nullptr) {
            throw std::logic_error("t-z curve " + std::to_string(row + 1) + " has no points table");
        }
        out.line(std::to_string(row + 1) + " " + depths.Data(0, row).Text() + " " +
                 std::to_string(curve->RowCount()));
        for (int point = 0; point < curve->RowCount(); ++point) {
            out.line(cells(*curve, point, {0, 1}));
        }
    }
}

void writeLayerLines(LineWriter& out, const TGridTableChart& layers) {
    out.count(layers.RowCount());
    for (int row = 0; row < layers.RowCount(); ++row) {
        const std::string top = row == 0 ? "0.0" : formatLongNumber(layers.Data(1, row - 1).AsFloat());
        out.line(std::to_string(row + 1) + " " + std::to_string(layers.Data(0, row).AsInteger()) + " " + top +
                 " " + formatLongNumber(layers.Data(1, row).AsFloat()));
    }
}

// Clay: γ', cu, the unused value, e50, f, q. Sand: γ', the unused value, φ, N, f, q.
std::string soilLine(const TGridTableChart& data, int row, bool clay) {
    const std::string head = data.Data(0, row).Text() + " ";
    if (clay) {
        return head + data.Data(1, row).Text() + " " + kUnusedValue + cells(data, row, {2, 5, 6});
    }
    return head + kUnusedValue + cells(data, row, {3, 4, 5, 6});
}

void writeLayerData(LineWriter& out, const TGridTableChart& layers) {
    for (int row = 0; row < layers.RowCount(); ++row) {
        TGridTableChart* data = layers.Data(2, row).SubTable();
        if (data == nullptr) {
            throw std::logic_error("soil layer " + std::to_string(row + 1) + " has no layer data table");
        }
        // A layer's data are always its top and its bottom.
        data->SetNumber(row + 1);
        data->SetRowCount(data->MinRows());
        const bool clay = isClay(layers.Data(0, row).AsInteger());
        for (int location = 0; location < data->RowCount(); ++location) {
            out.line(soilLine(*data, location, clay));
        }
    }
}

void writeFactors(LineWriter& out, const TProgramData& project) {
    if (project.TzFactorsOn) {
        out.line(" 1");
        writeRows(out, project.Tables().TblTZFactors2(), {0, 1, 2});
    } else {
        out.line(" 0");
    }
    if (project.QwFactorsOn) {
        out.line(" 1");
        out.line(number(project.QMultiplier) + " " + number(project.WMultiplier));
    } else {
        out.line(" 0");
    }
}

}  // namespace

std::string ProjectFileWriter::Text(const TProgramData& project) {
    const ProjectTables& tables = project.Tables();
    LineWriter out;
    out.line(TitleOnOneLine(project.Title));
    out.line(std::to_string(project.Increments) + " " + std::to_string(project.OutputDetail) + " " +
             std::to_string(project.Units()));
    out.line(std::to_string(project.CurvesGenerated ? kGeneratedCurves : kUserCurves) + " ");
    if (project.CurvesGenerated) {
        writeLayerLines(out, tables.D2());
        writeLayerData(out, tables.D2());
    } else {
        writeUserCurves(out, tables);
    }
    writeRows(out, tables.TblAE2(), {1, 0});
    if (!project.CurvesGenerated) {
        writeRows(out, tables.TblQwcurve2(), {0, 1});
    }
    out.line(number(project.Tolerance) + " " + number(project.PileLength) + " " + number(project.OuterDiameter) +
             " " + number(project.TipArea));
    writeOptional(out, project.TipMovementsOn, tables.TblTipMove(), {0});
    writeOptional(out, project.HeadLoadsOn, tables.TblTopload(), {0});
    writeOptional(out, project.DowndragOn, tables.TblSettlement2(), {0, 1});
    writeFactors(out, project);
    return out.take();
}

}  // namespace quarlo
