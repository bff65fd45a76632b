#include "ProjectChecks.h"

#include "NumberFormat.h"
#include "ProgramData.h"

namespace quarlo {

namespace {

// The range of the pile properties window.
constexpr int kFewestIncrements = 10;
constexpr int kMostIncrements = 500;

std::string number(long double value) {
    return formatGeneral(value, 8);
}

void checkLayerOrder(const TGridTableChart& layers, std::vector<std::string>& found) {
    long double above = 0.0L;
    for (int row = 0; row < layers.RowCount(); ++row) {
        const long double bottom = layers.Data(1, row).AsFloat();
        if (bottom <= above) {
            found.push_back("Soil layer " + std::to_string(row + 1) + ": its bottom (" + number(bottom) +
                            ") is not below its top (" + number(above) + ").");
        }
        above = bottom;
    }
}

void checkPileTip(const TProgramData& project, std::vector<std::string>& found) {
    const TGridTableChart& layers = project.Tables().D2();
    if (layers.RowCount() == 0) {
        return;
    }
    const long double lastBottom = layers.Data(1, layers.RowCount() - 1).AsFloat();
    if (project.PileLength > lastBottom) {
        found.push_back("The pile tip (pile length " + number(project.PileLength) +
                        ") lies below the bottom of the last soil layer (" + number(lastBottom) + ").");
    }
}

template <class Table>
void checkRowCount(const Table& table, std::vector<std::string>& found) {
    if (table.RowCount() > table.MaxRows()) {
        found.push_back(table.Caption() + ": " + std::to_string(table.RowCount()) + " rows, more than the " +
                        std::to_string(table.MaxRows()) + " the program allows.");
    }
}

void checkRowCounts(const TProgramData& project, std::vector<std::string>& found) {
    const ProjectTables& tables = project.Tables();
    if (project.CurvesGenerated) {
        checkRowCount(tables.D2(), found);
    } else {
        const TGridTableChart& depths = tables.TblTZDepth2();
        checkRowCount(depths, found);
        for (int row = 0; row < depths.RowCount(); ++row) {
            if (const TGridTableChart* curve = depths.Data(1, row).SubTable()) {
                checkRowCount(*curve, found);
            }
        }
        checkRowCount(tables.TblQwcurve2(), found);
    }
    checkRowCount(tables.TblAE2(), found);
    checkRowCount(tables.TblTipMove(), found);
    checkRowCount(tables.TblTopload(), found);
    checkRowCount(tables.TblSettlement2(), found);
    checkRowCount(tables.TblTZFactors2(), found);
}

}  // namespace

std::vector<std::string> suspiciousInput(const TProgramData& project) {
    std::vector<std::string> found;
    if (project.Increments < kFewestIncrements || project.Increments > kMostIncrements) {
        found.push_back("Number of pile increments " + std::to_string(project.Increments) + " is outside " +
                        std::to_string(kFewestIncrements) + " to " + std::to_string(kMostIncrements) + ".");
    }
    if (project.CurvesGenerated) {
        checkLayerOrder(project.Tables().D2(), found);
        checkPileTip(project, found);
        if (project.OuterDiameter <= 0.0L) {
            found.push_back("Outer diameter is " + number(project.OuterDiameter) +
                            ": curves generated from soil layers need the pile's diameter.");
        }
    }
    checkRowCounts(project, found);
    return found;
}

}  // namespace quarlo
