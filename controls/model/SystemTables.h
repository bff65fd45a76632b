#pragma once

#include <memory>
#include <vector>

#include "Table.h"
#include "TableChart.h"

namespace quarlo {

// The data tables of the program with their column lists, row limits, chart settings and
// the texts and hidden columns the main window gives them at start-up. Created once with the
// main window; they outlive every project, which only resets and fills them. Templates (the
// layer data tables and the t-z curve table) are found by the soil-layer and t-z depth
// tables through their Identifiers, so these tables must be the ones holding them.
class SystemTables {
public:
    SystemTables();
    ~SystemTables();
    SystemTables(const SystemTables&) = delete;
    SystemTables& operator=(const SystemTables&) = delete;

    TGridTableChart& D2() const { return *m_d2; }
    TGridTableChart& tblDataClay2() const { return *m_dataClay; }
    TGridTableChart& tblDataSand2() const { return *m_dataSand; }
    TGridTableChart& TblTZDepth2() const { return *m_tzDepth; }
    TGridTableChart& TblTZCurves2() const { return *m_tzCurves; }
    TGridTableChart& TblQwcurve2() const { return *m_qwCurve; }
    TGridTableChart& TblSettlement2() const { return *m_settlement; }
    TGridTableChart& TblTZFactors2() const { return *m_tzFactors; }
    TGridTableChart& TblAE2() const { return *m_ae; }
    TGridTable& TblTipMove() const { return *m_tipMove; }
    TGridTable& TblTopload() const { return *m_topLoad; }

    // Every data table, in the order above: what a new project resets and a unit switch
    // converts.
    std::vector<TGridTableChart*> ChartTables() const;
    std::vector<TGridTable*> PlainTables() const;

private:
    std::unique_ptr<TGridTableChart> m_d2;
    std::unique_ptr<TGridTableChart> m_dataClay;
    std::unique_ptr<TGridTableChart> m_dataSand;
    std::unique_ptr<TGridTableChart> m_tzDepth;
    std::unique_ptr<TGridTableChart> m_tzCurves;
    std::unique_ptr<TGridTableChart> m_qwCurve;
    std::unique_ptr<TGridTableChart> m_settlement;
    std::unique_ptr<TGridTableChart> m_tzFactors;
    std::unique_ptr<TGridTableChart> m_ae;
    std::unique_ptr<TGridTable> m_tipMove;
    std::unique_ptr<TGridTable> m_topLoad;
};

}  // namespace quarlo
