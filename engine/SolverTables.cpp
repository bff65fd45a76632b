#include "SolverTables.h"

#include "OutputLine.h"

#include <bit>
#include <cstdint>

namespace quarlo {

void SolverTables::tipMovementHeading(Real W, Real QN1)
{
    const EngineData& d = m_data;
    m_report.write(" ");
    m_report.blank(3);
    m_report.write(OutputLine().x(8).text("ASSUMED TIP MOVEMENT").x(8).text("TIP   LOAD"));
    m_report.write(OutputLine().x(17).a(d.UM, 3).x(20).a(d.UF, 3));
    m_report.write(OutputLine().e(23, 4, W).e(23, 4, QN1));
    m_report.blank(3);
    m_report.write(OutputLine().x(1).text("DEPTH   LOAD").x(5).text("LOAD").x(6).text("TOTAL").x(6)
                       .text("AVG").x(5).text("DEFORM").x(5).text("TOTAL     AVG"));
    m_report.write(OutputLine().x(7).text("TRANSFER   INCR").x(6).text("LOAD").x(7).text("LOAD").x(4)
                       .text("OF INCR    MVMNT     MVMNT"));
    m_report.write(OutputLine().x(2).a(d.UL, 3).x(3).a(d.US, 3).x(8).a(d.UF, 3).x(7).a(d.UF, 3)
                       .x(8).a(d.UF, 3).x(5).a(d.UM, 3).x(8).a(d.UM, 3).x(7).a(d.UM, 3));
}

void SolverTables::nodeLine(Real depth, Real QN, Real WN)
{
    m_report.write(m_line.clear().x(1).f(6, 1, depth).x(8).x(10).e(10, 3, QN).x(20).e(10, 3, WN));
}

void SolverTables::segmentLines(const SegmentState& s, bool head, Real DL, bool reversed)
{
    nodeLine(s.XB, shownAs(s.QN0, reversed), shownAs(s.WN0, reversed));
    m_report.write(m_line.clear()
                       .x(1).f(6, 1, s.XM)
                       .f(6, 2, shownAs(s.t, reversed))
                       .e(10, 3, shownAs(s.DQ, reversed))
                       .x(10).e(10, 3, shownAs(s.QAVG, reversed))
                       .e(10, 3, shownAs(s.DEF, reversed))
                       .x(10).e(10, 3, shownAs(s.WMID, reversed)));
    if (head)
        nodeLine(s.XB - DL, shownAs(s.QN1, reversed), shownAs(s.WN1, reversed));
}

void SolverTables::distributionCount(int NTIPMV)
{
    m_plot.write(OutputLine().freeInt(NTIPMV).freeInt(m_data.NSEG).freeInt(m_data.KUNITS));
}

void SolverTables::distributionRow(const SegmentState& s, std::size_t index)
{
    m_plot.write(m_line.clear().x(1).text(depthText(index, s.XM)).x(3).e(10, 3, s.QAVG).x(3).e(10, 3, s.WMID));
}

std::string_view SolverTables::depthText(std::size_t index, Real XM)
{
    if (index >= m_depthTexts.size())
        m_depthTexts.resize(index + 1);
    DepthText& depth = m_depthTexts[index];
    // Bitwise equal, so that -0 and 0 or two NaNs are never taken for each other.
    if (!depth.made || std::bit_cast<std::uint32_t>(depth.XM) != std::bit_cast<std::uint32_t>(XM)) {
        depth.text = OutputLine().e(10, 3, XM).str();
        depth.XM = XM;
        depth.made = true;
    }
    return depth.text;
}

OutputLine settlementLine(const SettlementRow& row)
{
    OutputLine line;
    line.e(17, 4, row.headLoad).e(16, 4, row.headMovement).e(16, 4, row.tipMovement).e(16, 4, row.tipLoad);
    return line;
}

// Lines 3 to 7 of the summary, shared by the head-load table.
void SolverTables::summaryHeading()
{
    const EngineData& d = m_data;
    m_report.blank(3);
    m_report.write(OutputLine().x(8).text("TOP  LOAD     TOP MOVEMENT     TIP MOVEMENT").x(5).text("TIP  LOAD"));
    m_report.write(OutputLine().x(11).a(d.UF, 3).x(13).a(d.UM, 3).x(14).a(d.UM, 3).x(12).a(d.UF, 3));
}

void SolverTables::summary(const std::vector<SettlementRow>& rows)
{
    m_report.write(" ");
    m_report.write(OutputLine().x(1).a(m_data.TITLE, 72));
    summaryHeading();
    for (const SettlementRow& row : rows) {
        const OutputLine line = settlementLine(row);
        m_report.write(line);
        m_plot.write(line);
    }
}

void SolverTables::headLoads(const std::vector<HeadLoadRow>& rows)
{
    m_report.write("1");
    m_report.write(OutputLine().x(8).a(m_data.TITLE, 72));
    summaryHeading();
    for (const HeadLoadRow& row : rows) {
        if (row.reached) {
            const OutputLine line = settlementLine(row.row);
            m_report.write(line);
            m_plot.write(line);
            continue;
        }
        // A load no computed row reaches has no movement and no tip load to show.
        m_report.write(OutputLine().e(17, 4, row.row.headLoad)
                           .text("   NOT REACHED: ABOVE THE LARGEST COMPUTED HEAD LOAD"));
        m_plot.write(OutputLine().e(17, 4, row.row.headLoad).text(std::string(48, '*')));
    }
}

}  // namespace quarlo
