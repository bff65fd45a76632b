#include "CurveReport.h"

#include <algorithm>

namespace quarlo {

OutputLine tzCurveLine(const TzCurve& curve) {
    return OutputLine().x(2).i(5, curve.ICURVE).i(11, curve.NPTS).e(16, 4, curve.DEPTHC);
}

OutputLine tzPointLine(Real t, Real z) {
    return OutputLine().x(31).e(15, 4, t).e(15, 4, z);
}

OutputLine tipPointLine(Real q, Real w) {
    return OutputLine().e(18, 4, q).e(19, 4, w);
}

OutputLine countLine(int count) {
    return OutputLine().freeInt(count);
}

void writeTzCurveHeading(TextSink& report, const EngineData& data) {
    report.blank(2);
    report.write(OutputLine().x(4).text("T-Z       NO. OF    DEPTH TO    LOAD ").text("TRANSFER  PILE"));
    report.write(OutputLine()
                     .x(3).text("CURVE NO.").x(2).text("POINTS").x(4).text("CURVE,").a(data.UL, 3)
                     .x(3).text("TRANSFER,").a(data.US, 3).x(3).text("MOVEMENT,").a(data.UM, 3));
    report.blank();
}

void writeTzCurve(TextSink& sink, const TzCurve& curve) {
    sink.write(tzCurveLine(curve));
    const auto points = std::min({static_cast<std::size_t>(std::max(curve.NPTS, 0)), curve.TVAL.size(),
                                  curve.ZVAL.size()});
    for (std::size_t j = 0; j < points; ++j)
        sink.write(tzPointLine(curve.TVAL[j], curve.ZVAL[j]));
}

void writeTzCurveTable(TextSink& report, const EngineData& data) {
    writeTzCurveHeading(report, data);
    for (const TzCurve& curve : data.curves)
        writeTzCurve(report, curve);
}

void writeTzPlotBlock(TextSink& plot, const EngineData& data, int count) {
    const int shown = std::clamp(count, 0, static_cast<int>(data.curves.size()));
    plot.write(countLine(shown));
    for (int k = 0; k < shown; ++k)
        writeTzCurve(plot, data.curves[static_cast<std::size_t>(k)]);
}

void writeTipCurveHeading(TextSink& report, const EngineData& data) {
    report.blank(3);
    report.write(OutputLine().x(8).text("TIP   LOAD").x(8).text("TIP MOVEMENT"));
    report.write(OutputLine().x(12).a(data.UF, 3).x(15).a(data.UM, 3));
}

void writeTipCurveTable(TextSink& report, const EngineData& data) {
    writeTipCurveHeading(report, data);
    const auto points = std::min(data.QTIP.size(), data.WTIP.size());
    for (std::size_t i = 0; i < points; ++i)
        report.write(tipPointLine(data.QTIP[i], data.WTIP[i]));
}

void writeTipPlotBlock(TextSink& plot, const EngineData& data) {
    const auto points = std::min(data.QTIP.size(), data.WTIP.size());
    plot.write(countLine(static_cast<int>(points)));
    for (std::size_t i = 0; i < points; ++i)
        plot.write(tipPointLine(data.QTIP[i], data.WTIP[i]));
}

}  // namespace quarlo
