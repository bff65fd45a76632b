#include "ReportEcho.h"

#include "OutputLine.h"

#include <algorithm>

namespace quarlo {

namespace {

bool english(const EngineData& data) { return data.KUNITS == 1; }

std::size_t shared(std::size_t a, std::size_t b) { return std::min(a, b); }

}  // namespace

void writeStartSection(TextSink& report, const EngineData& data) {
    report.write(" ");
    report.write(OutputLine().x(1).text("PROGRAM QUARLO FOR COMPUTING LOAD VS. SETTLEMENT"));
    report.write(OutputLine().x(1).text("FOR AN AXIALLY LOADED PILE"));
    report.blank(3);
    report.write(OutputLine().x(1).a(data.TITLE, 72));
    report.blank(3);
    report.write(OutputLine().x(1).text(" AXIALLY LOADED PILE, CONSTANT OD"));
    report.blank();
}

void writeLayerHeading(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(10).text("  LAYER      KSOIL      XTOP      XBOT"));
    report.write(OutputLine().x(10).text(english(data) ? "                         IN.       IN."
                                                       : "                          M         M"));
}

void writeLayerLine(TextSink& report, int layerNumber, int soilType, Real top, Real bottom) {
    report.write(OutputLine().x(10).i(5, layerNumber).x(5).i(5, soilType).x(5).e(10, 3, top).x(2)
                     .e(10, 3, bottom).x(2));
}

void writeUnitWeightTable(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(10).text("    XG1        GAM1"));
    report.write(OutputLine().x(10).text(english(data) ? "    IN.       LB/IN**3" : "     M        kN/M**3"));
    for (std::size_t m = 0; m < shared(data.XG1.size(), data.GAM1.size()); ++m)
        report.write(OutputLine().x(10).e(10, 3, data.XG1[m]).x(2).e(10, 3, data.GAM1[m]).x(2));
}

void writeStrengthTable(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(7).text("XSTR         C1          PHI1        EE50       SKIN").text("        TIP"));
    if (english(data))
        report.write(OutputLine().x(7).text(" IN.       LB/IN**2      DEG.                 LB/IN**2")
                         .text("    lb/in**2"));
    else
        report.write(OutputLine().x(7).text("  M         kN/M**2      DEG.                 kN/M**2")
                         .text("    kN/M**2"));
    const std::size_t points = std::min({data.XSTR.size(), data.C1.size(), data.PHI1.size(), data.EE50.size(),
                                         data.SKIN.size(), data.TIP.size()});
    for (std::size_t m = 0; m < points; ++m) {
        OutputLine line;
        line.x(3);
        for (Real value : {data.XSTR[m], data.C1[m], data.PHI1[m], data.EE50[m], data.SKIN[m], data.TIP[m]})
            line.e(10, 3, value).x(2);
        report.write(line);
    }
    report.blank(2);
    report.write("  ");
}

void writeAeTable(TextSink& report, const EngineData& data) {
    report.blank();
    report.write(OutputLine().x(9).text("  DEPTH").x(13).text("AE PILE"));
    report.write(OutputLine().x(12).a(data.UL, 3).x(16).a(data.UF, 3));
    for (std::size_t i = 0; i < shared(data.AE.size(), data.AEDEP.size()); ++i)
        report.write(OutputLine().e(18, 4, data.AEDEP[i]).e(19, 4, data.AE[i]));
}

void writePileSection(TextSink& report, const EngineData& data) {
    report.blank(3);
    report.write(OutputLine().x(8).text("PILE LENGTH").x(7).text("OUTER DIAMETER").x(6).text("TOLERANCE"));
    report.write(OutputLine().x(12).a(data.UL, 3).x(16).a(data.UL, 3).x(15).a(data.UM, 3));
    report.write(OutputLine().e(18, 4, data.PLEN).e(19, 4, data.DIAM).e(18, 4, data.TOL));
}

void writeLoadHeading(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(10).text("   LOADS      "));
    report.write(OutputLine().x(10).text(english(data) ? "    LB.       " : "    KN        "));
}

void writeLoadLine(TextSink& report, Real load) {
    report.write(OutputLine().x(4).f(10, 3, load));
}

void writeSettlementHeading(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(10).text("   SOIL SETTLEMENT PROFILE"));
    report.blank();
    report.write(OutputLine().x(10).text("   DEPTH     SETTLEMENT"));
    report.write(OutputLine().x(10).text(english(data) ? "    IN.         IN" : "     M           M"));
}

void writeSettlementLine(TextSink& report, Real depth, Real settlement) {
    report.write(OutputLine().x(10).e(10, 3, depth).x(2).e(10, 3, settlement).x(2));
}

void writeTzFactorHeading(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(10).text("DEPTH").x(20).text("t-Multiplier  ").x(10).text("z-Multiplier  "));
    report.write(OutputLine().x(10).a(data.UL, 3));
}

void writeTzFactorLine(TextSink& report, Real depth, Real tMultiplier, Real zMultiplier) {
    report.write(OutputLine().x(7).e(10, 3, depth).x(18).e(10, 3, tMultiplier).x(15).e(10, 3, zMultiplier));
}

void writeQwFactorSection(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(10).text("PILE TIP").x(17).text("Q-Multiplier  ").x(10).text("w-Multiplier "));
    report.write(OutputLine().x(38).f(4, 2, data.QMULT).x(19).f(4, 2, data.WMULT));
}

}  // namespace quarlo
