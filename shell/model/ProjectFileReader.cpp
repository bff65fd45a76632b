#include "ProjectFileReader.h"

#include "ProgramData.h"
#include "ProjectFileFormat.h"

namespace quarlo {

namespace {

using namespace projectfile;

const char* const kIncomplete = "This file either invalid or incomplete.";

// Where each of the six values of a soil line goes in the layer's data table (-1: the value
// the soil type does not use, skipped), and the columns that soil type leaves at 0.
struct SoilLayout {
    int columns[6];
    int unused[2];
};
constexpr SoilLayout kClayLayout{{0, 1, -1, 2, 5, 6}, {3, 4}};
constexpr SoilLayout kSandLayout{{0, -1, 3, 4, 5, 6}, {1, 2}};

}  // namespace

template <class Table>
int ProjectFileReader::readRows(const Table& table, bool zeroTurnsOff) {
    const int count = readCount();
    if (count < table.MinRows() && !(zeroTurnsOff && count == 0)) {
        tolerate(table.Caption() + ": count " + std::to_string(count) + " is below the " +
                 std::to_string(table.MinRows()) + " rows the program keeps; rows of default values are added");
    }
    return count;
}

ProjectFileReader::ProjectFileReader(TProgramData& project, TWordReader& words,
                                     std::vector<std::string>& tolerated)
    : m_project(project), m_tables(project.Tables()), m_words(words), m_tolerated(tolerated) {
    const auto& lines = words.Lines();
    m_wordsFromLine.assign(lines.size() + 1, 0);
    for (std::size_t i = lines.size(); i > 0; --i) {
        m_wordsFromLine[i - 1] = m_wordsFromLine[i] + lines[i - 1].Words.size();
    }
}

void ProjectFileReader::Read(bool currentFormat) {
    readHeader();
    if (m_project.CurvesGenerated) {
        readLayers();
    } else {
        readUserCurves();
    }
    readStiffness();
    if (!m_project.CurvesGenerated) {
        readTipCurve();
    }
    readPile();
    readSections();
    if (currentFormat) {
        readFactors();
    }
}

template <class Table>
void ProjectFileReader::readFloatRows(Table& table, std::initializer_list<int> columns) {
    for (int row = 0; row < table.RowCount(); ++row) {
        for (const int column : columns) {
            table.Data(column, row).SetAsFloat(m_words.ReadFloat());
        }
    }
}

void ProjectFileReader::readHeader() {
    m_project.Title = m_words.ReadLine();
    m_project.Increments = m_words.ReadInteger();
    m_project.OutputDetail = m_words.ReadInteger();
    const std::int32_t units = m_words.ReadInteger();
    if (units != 1 && units != 2) {
        tolerate("unit system code " + std::to_string(units) + " is taken as " + (units < 1 ? "1" : "2"));
    }
    m_project.SetUnits(units);
    m_project.CurvesGenerated = readCode(kUserCurves, kGeneratedCurves, "A curve source code of 1 or 2") ==
                                kGeneratedCurves;
}

void ProjectFileReader::readUserCurves() {
    TGridTableChart& depths = m_tables.TblTZDepth2();
    depths.SetRowCount(readRows(depths));
    for (int row = 0; row < depths.RowCount(); ++row) {
        m_words.ReadInteger();
        depths.Data(0, row).SetAsFloat(m_words.ReadFloat());
        const int points = readCount();
        TGridTableChart& curve = *depths.Data(1, row).SubTable();
        curve.SetRowCount(points);
        readFloatRows(curve, {0, 1});
    }
}

void ProjectFileReader::readLayers() {
    TGridTableChart& layers = m_tables.D2();
    layers.SetRowCount(readRows(layers));
    for (int row = 0; row < layers.RowCount(); ++row) {
        m_words.ReadInteger();
        // The soil type picks the layer's clay or sand data table.
        layers.Data(0, row).SetAsInteger(readCode(kFirstSoilType, kLastSoilType, "A soil type code from 1 to 6"));
        m_words.ReadFloat();  // the top is the bottom of the layer above
        layers.Data(1, row).SetAsFloat(m_words.ReadFloat());
        TGridTableChart& data = *layers.Data(2, row).SubTable();
        data.SetNumber(row + 1);
        data.SetRowCount(data.MinRows());
    }
    for (int row = 0; row < layers.RowCount(); ++row) {
        readLayerData(row);
    }
}

void ProjectFileReader::readLayerData(int row) {
    const TGridTableChart& layers = m_tables.D2();
    TGridTableChart& data = *layers.Data(2, row).SubTable();
    data.SetNumber(row + 1);
    data.SetRowCount(data.MinRows());
    const SoilLayout& layout = isClay(layers.Data(0, row).AsInteger()) ? kClayLayout : kSandLayout;
    for (int location = 0; location < data.RowCount(); ++location) {
        for (const int column : layout.columns) {
            const long double value = m_words.ReadFloat();
            if (column >= 0) {
                data.Data(column, location).SetAsFloat(value);
            }
        }
        for (const int column : layout.unused) {
            data.Data(column, location).SetAsFloat(0.0L);
        }
    }
}

void ProjectFileReader::readStiffness() {
    TGridTableChart& stiffness = m_tables.TblAE2();
    stiffness.SetRowCount(readRows(stiffness));
    readFloatRows(stiffness, {1, 0});  // AE first, then its depth
}

void ProjectFileReader::readTipCurve() {
    TGridTableChart& curve = m_tables.TblQwcurve2();
    curve.SetRowCount(readRows(curve));
    readFloatRows(curve, {0, 1});
}

void ProjectFileReader::readPile() {
    m_project.Tolerance = m_words.ReadFloat();
    m_project.PileLength = m_words.ReadFloat();
    m_project.OuterDiameter = m_words.ReadFloat();
    m_project.TipArea = m_words.ReadFloat();
}

void ProjectFileReader::readSections() {
    TGridTable& tipMoves = m_tables.TblTipMove();
    tipMoves.SetRowCount(readRows(tipMoves, true));
    m_project.TipMovementsOn = tipMoves.RowCount() >= 1;
    readFloatRows(tipMoves, {0});
    TGridTable& loads = m_tables.TblTopload();
    loads.SetRowCount(readRows(loads, true));
    m_project.HeadLoadsOn = loads.RowCount() >= 1;
    readFloatRows(loads, {0});
    TGridTableChart& settlement = m_tables.TblSettlement2();
    settlement.SetRowCount(readRows(settlement, true));
    m_project.DowndragOn = settlement.RowCount() >= 1;
    readFloatRows(settlement, {0, 1});
}

void ProjectFileReader::readFactors() {
    m_project.TzFactorsOn = m_words.ReadInteger() > 0;
    if (m_project.TzFactorsOn) {
        TGridTableChart& factors = m_tables.TblTZFactors2();
        factors.SetRowCount(readRows(factors));
        readFloatRows(factors, {0, 1, 2});
    }
    const std::int32_t qwCode = m_words.ReadInteger();
    m_project.QwFactorsOn = qwCode == 1;
    if (qwCode != 0 && qwCode != 1) {
        tolerate("Q-w factor code " + std::to_string(qwCode) + " is taken as 0 (no factors)");
    }
    if (m_project.QwFactorsOn) {
        m_project.QMultiplier = m_words.ReadFloat();
        m_project.WMultiplier = m_words.ReadFloat();
    }
}

int ProjectFileReader::readCount() {
    const std::int32_t count = m_words.ReadInteger();
    if (count < 0) {
        tolerate("count " + std::to_string(count) + " is taken as 0");
        return 0;
    }
    // Every row needs at least one more word; a file this short cannot be complete.
    if (static_cast<std::size_t>(count) > wordsLeft()) {
        throw EInOutError(kIncomplete);
    }
    return count;
}

std::int32_t ProjectFileReader::readCode(std::int32_t first, std::int32_t last, const char* what) {
    const std::int32_t code = m_words.ReadInteger();
    if (code < first || code > last) {
        throw EInOutError("Error on " + position() + "\r" + what + " was expected but not found.");
    }
    return code;
}

std::size_t ProjectFileReader::wordsLeft() const {
    return m_wordsFromLine[m_words.LineIndex()] - m_words.WordIndex();
}

// Line and item of the word taken last, counted from 1.
std::string ProjectFileReader::position() const {
    return "Line " + std::to_string(m_words.LineIndex() + 1) + " Item " + std::to_string(m_words.WordIndex());
}

void ProjectFileReader::tolerate(const std::string& what) {
    m_tolerated.push_back(position() + ": " + what);
}

}  // namespace quarlo
