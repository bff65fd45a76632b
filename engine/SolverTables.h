#pragma once

#include "EngineData.h"
#include "Real.h"
#include "RunResults.h"
#include "SolverPile.h"
#include "TextSink.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quarlo {

// The report sections (load transfer per tip movement, load-settlement summary, head-load
// results) and the plot blocks (load distribution, load-settlement rows, head-load rows)
// of the solution stage, in their fixed-width layouts.
class SolverTables {
public:
    SolverTables(const EngineData& d, TextSink& report, TextSink& plot)
        : m_data(d), m_report(report), m_plot(plot) {}

    // Section 13 heading: the tip movement and tip load used, then the table heading.
    void tipMovementHeading(Real W, Real QN1);
    // Section 13 body lines of one segment: its lower node, itself, and at the head the
    // head node as well. In uplift every load, transfer and movement is shown reversed.
    void segmentLines(const SegmentState& s, bool head, Real DL, bool reversed);

    // Block 3: the count line once, then one row per segment (index 0 at the tip).
    void distributionCount(int NTIPMV);
    void distributionRow(const SegmentState& s, std::size_t index);

    // Section 14 and block 4; rows carry the signs they are written with.
    void summary(const std::vector<SettlementRow>& rows);
    // Section 15 and block 5.
    void headLoads(const std::vector<HeadLoadRow>& rows);

private:
    void summaryHeading();
    void nodeLine(Real depth, Real QN, Real WN);

    std::string_view depthText(std::size_t index, Real XM);

    const EngineData& m_data;
    TextSink& m_report;
    TextSink& m_plot;
    // The body lines of sections 13 and block 3 are built here in turn, so that a hundred
    // thousand rows need no allocation each.
    OutputLine m_line;
    // A segment's depth is the same at every tip movement: its E10.3 text in block 3 is
    // made once per segment, and again only if the depth differs.
    struct DepthText {
        bool made = false;
        Real XM = 0;
        std::string text;
    };
    std::vector<DepthText> m_depthTexts;
};

// One row of the load-settlement summary or of the head-load table, as the report and the
// plot data file hold it: E17.4 head load, then E16.4 head movement, tip movement, tip load.
OutputLine settlementLine(const SettlementRow& row);

// The value as an uplift analysis shows it: with reversed sign.
inline Real shownAs(Real value, bool reversed) { return reversed ? -value : value; }

}  // namespace quarlo
