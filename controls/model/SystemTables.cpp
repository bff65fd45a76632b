#include "SystemTables.h"

#include <string>

namespace quarlo {

namespace {

// Soil type codes 1 to 6; odd codes are clays, even codes sands.
const std::vector<std::string> kSoilTypes = {
    "Driven Pile in Clay (Coyle & Reese)",     "Driven Pile in Sand (Mosher)",
    "Drilled Shaft in Clay (Reese & O'Neill)", "Drilled Shaft in Sand (Reese & O'Neill)",
    "Driven Pile in Clay (API)",               "Driven Pile in Sand (API)",
};

constexpr int kClayTemplate = 1;
constexpr int kSandTemplate = 2;
constexpr int kTzCurveTemplate = 4;

const char* const kLayerComments =
    "Enter data for the top and the bottom of each layer. \r"
    "Linear interpretation will be used for any depth between the top and the bottom.";

struct TableSpec {
    const char* name;
    int identifier;
    const char* caption;
    int minRows;
    int maxRows;
};

template <class V>
std::unique_ptr<BasicGridTable<V>> makeTable(const TableSpec& spec) {
    auto table = std::make_unique<BasicGridTable<V>>();
    table->SetName(spec.name);
    table->SetIdentifier(spec.identifier);
    table->SetCaption(spec.caption);
    table->SetMinRows(spec.minRows);
    table->SetMaxRows(spec.maxRows);
    return table;
}

template <class V>
void addFloat(BasicGridTable<V>& table, std::vector<std::string> captions, const char* units) {
    auto column = std::make_unique<BasicFloatColumn<V>>(&table);
    column->GetCaptions() = std::move(captions);
    column->SetUnitsText(units);
    table.AdoptColumn(std::move(column));
}

void addSoilType(TGridTableChart& table) {
    auto column = std::make_unique<TEnumColumnChart>(&table);
    column->GetCaptions() = {"Soil Type" + std::string(58, ' ')};
    column->SetItems(kSoilTypes);
    table.AdoptColumn(std::move(column));
}

void addSubTables(TGridTableChart& table, const char* caption, const std::vector<int>& templates) {
    auto column = std::make_unique<TTableColumnChart>(&table);
    column->GetCaptions() = {caption};
    column->Templates() = TGridTableListChart();
    for (const int identifier : templates) {
        column->Templates().AddIdentifier(identifier);
    }
    table.AdoptColumn(std::move(column));
    table.SyncTemplates();
}

// Chart of two columns with file and clipboard import.
void chartWithImport(TGridTableChart& table, int xColumn, int yColumn) {
    ChartSettings& chart = table.Chart();
    chart.ShowChart = true;
    chart.XColumn = xColumn;
    chart.YColumn = yColumn;
    chart.GetDataFromFile = true;
}

std::unique_ptr<TGridTableChart> layerDataTable(const TableSpec& spec, std::vector<int> hidden) {
    auto table = makeTable<ChartVariant>(spec);
    addFloat(*table, {"Effective Unit ", "Weight,"}, "F/L^3");
    addFloat(*table, {"Undrained Shear", "Strength,"}, "F/L^2");
    addFloat(*table, {"e50"}, "");
    addFloat(*table, {"Friction ", "Angle (Deg.)"}, "");
    addFloat(*table, {"Blow Counts ", "(optional)"}, "");
    addFloat(*table, {"Ultimate Unit", "Side Friction,"}, "F/L^2");
    addFloat(*table, {"Ultimate Unit", "Tip Resistance,"}, "F/L^2");
    addFloat(*table, {"Dummy"}, "");
    table->SetTopLeft("Location, 1=Top, 2=Bottom");
    hidden.push_back(7);
    for (const int column : hidden) {
        table->Column(column).SetVisible(false);
    }
    table->SetComments(kLayerComments);
    return table;
}

}  // namespace

SystemTables::SystemTables() {
    m_d2 = makeTable<ChartVariant>({"D2", 0, "Soil Layers", 1, 30});
    // A clay layer has no friction angle and blow count, a sand layer no shear strength and e50.
    m_dataClay = layerDataTable({"tblDataClay2", kClayTemplate, "Clay Layer Data", 2, 2}, {3, 4});
    m_dataSand = layerDataTable({"tblDataSand2", kSandTemplate, "Sand Layer Data", 2, 2}, {1, 2});
    addSoilType(*m_d2);
    addFloat(*m_d2, {"Bottom of Layer"}, "L");
    addSubTables(*m_d2, "Layer Data", {kClayTemplate, kSandTemplate, kClayTemplate, kSandTemplate,
                                       kClayTemplate, kSandTemplate});

    m_tzDepth = makeTable<ChartVariant>({"TblTZDepth2", 3, "Depths for User-Defined t-z Curves", 2, 100});
    addFloat(*m_tzDepth, {"Depth below ground surface, "}, "L");
    addSubTables(*m_tzDepth, "t-z Data  (click each button for data entry)  ", {kTzCurveTemplate});

    m_tzCurves = makeTable<ChartVariant>({"TblTZCurves2", kTzCurveTemplate, "t-z curve", 2, 100});
    addFloat(*m_tzCurves, {"Load Transfer (t),"}, "F/L^2");
    addFloat(*m_tzCurves, {"Pile Movement (z),"}, "L");
    chartWithImport(*m_tzCurves, 1, 0);

    m_qwCurve = makeTable<ChartVariant>({"TblQwcurve2", 5, "Tip Load vs. Tip Movement", 2, 50});
    addFloat(*m_qwCurve, {"Total Tip Load (Q),"}, "F");
    addFloat(*m_qwCurve, {"Tip Movement (w),"}, "L");
    chartWithImport(*m_qwCurve, 1, 0);

    m_settlement = makeTable<ChartVariant>({"TblSettlement2", 6, "Soil Settlement Profile", 2, 100});
    addFloat(*m_settlement, {"Depth,"}, "L");
    addFloat(*m_settlement, {"Settlement,"}, "L");
    chartWithImport(*m_settlement, 0, 1);

    // Three data columns: the window draws the z-multipliers as a second series.
    m_tzFactors = makeTable<ChartVariant>({"TblTZFactors2", 7, "Modification Factors on t-z Curves", 2, 50});
    addFloat(*m_tzFactors, {"Depth"}, "L");
    addFloat(*m_tzFactors, {"t-Multiplier"}, "");
    addFloat(*m_tzFactors, {"z-Multiplier"}, "");
    chartWithImport(*m_tzFactors, 0, 1);

    m_ae = makeTable<ChartVariant>({"TblAE2", 8, "Axial Stiffness (AE) of Pile Sections", 2, 50});
    addFloat(*m_ae, {"Depth (starting from pile top)"}, "L");
    addFloat(*m_ae, {"Axial Stiffness  AE,"}, "F");
    chartWithImport(*m_ae, 0, 1);

    m_tipMove = makeTable<PlainVariant>({"TblTipMove", 179, "Tip Movements", 2, 100});
    addFloat(*m_tipMove, {"Tip Movement, "}, "L");

    m_topLoad = makeTable<PlainVariant>({"TblTopload", 10, "Pile-Head Loads", 1, 50});
    addFloat(*m_topLoad, {"Axial Load at Pile Head"}, "F");
    m_topLoad->SetComments("Axial loads must be positive numbers");
}

SystemTables::~SystemTables() {
    // The tables that own sub-tables go first, while their templates still exist.
    m_d2.reset();
    m_tzDepth.reset();
}

std::vector<TGridTableChart*> SystemTables::ChartTables() const {
    return {m_d2.get(),      m_dataClay.get(),   m_dataSand.get(),  m_tzDepth.get(), m_tzCurves.get(),
            m_qwCurve.get(), m_settlement.get(), m_tzFactors.get(), m_ae.get()};
}

std::vector<TGridTable*> SystemTables::PlainTables() const {
    return {m_tipMove.get(), m_topLoad.get()};
}

}  // namespace quarlo
