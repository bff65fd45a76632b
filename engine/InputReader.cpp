#include "InputReader.h"

#include "CurveReport.h"
#include "EngineConstants.h"
#include "ReportEcho.h"
#include "Stages.h"

#include <array>

namespace quarlo {

namespace {

constexpr std::size_t kTitleWidth = 72;

// Reserves only what cannot mislead: a count larger than the file can hold then fails at
// the end of the file instead of asking for a huge table first.
constexpr int kReserveLimit = 4096;

template <typename T>
void reserveFor(std::vector<T>& v, int count) {
    v.reserve(static_cast<std::size_t>(std::min(count, kReserveLimit)));
}

}  // namespace

void setUnitLabels(EngineData& data) {
    const bool english = data.KUNITS == 1;
    data.UL = english ? "IN." : " M.";
    data.UM = english ? "IN." : " M.";
    data.UF = english ? "LBS" : "KN.";
    data.US = english ? "PSI" : "KPA";
}

void setGenerationDepths(EngineData& data) {
    data.NCURVE = 5 * data.NLAYER;
    data.curves.assign(static_cast<std::size_t>(data.NCURVE), TzCurve{});
    // The arithmetic stays in single precision and in this order, so depths such as
    // 359.995 come out exactly as the curves are known by.
    const Real offset = static_cast<Real>(0.01);
    for (std::size_t i = 0; i < static_cast<std::size_t>(data.NLAYER); ++i) {
        TzCurve* c = &data.curves[5 * i];
        c[0].DEPTHC = data.XTOP[i];
        c[2].DEPTHC = (data.XTOP[i] + data.XBOT[i]) / 2;
        c[1].DEPTHC = (c[0].DEPTHC + c[2].DEPTHC) / 2;
        c[4].DEPTHC = data.XBOT[i] - offset;
        c[3].DEPTHC = (c[2].DEPTHC + c[4].DEPTHC) / 2;
        for (int j = 0; j < 5; ++j)
            c[j].KSOILC = data.KSOIL[i];
    }
}

void setDefaultTipMovements(EngineData& data) {
    static constexpr std::array<Real, 9> inches{0.0001f, 0.001f, 0.01f, 0.03f, 0.07f, 0.1f, 0.2f, 0.5f, 5.0f};
    data.NTIPMV = static_cast<int>(inches.size());
    data.TIPMV.clear();
    // Every units code but 1 is SI here too, as in the labels and the generators, so a file
    // with an odd code never mixes inches and metres.
    const bool si = data.KUNITS != 1;
    for (Real movement : inches)
        data.TIPMV.push_back(si ? movement * METRES_PER_INCH : movement);
}

void InputReader::read() {
    readHeader();
    if (m_data.KCURVE == 1) {
        readUserCurves();
        readAeProfile();
        readTipCurve();
        readPile();
    } else {
        readLayers();
        readProfile();
        setGenerationDepths(m_data);
        readAeProfile();
        readPile();
        generateCurves(m_ctx);
        if (m_ctx.ISTAT != 0)
            return;
    }
    readTipMovements();
    readLoads();
    readSettlement();
    readTzFactors();
    readQwFactors();
}

void InputReader::readHeader() {
    m_data.TITLE = m_in.readFixed("record 1 (title)", kTitleWidth);
    m_in.beginRecord("record 2 (increments, output detail, units)");
    m_data.NSEG = m_in.readCount("NSEG");
    m_data.KPRINT = m_in.readInt("KPRINT");
    m_data.KUNITS = m_in.readInt("KUNITS");
    setUnitLabels(m_data);
    writeStartSection(m_ctx.report, m_data);
    m_in.beginRecord("record 3 (curve source)");
    m_data.KCURVE = m_in.readInt("KCURVE");
}

void InputReader::readUserCurves() {
    writeTzCurveHeading(m_ctx.report, m_data);
    m_in.beginRecord("record 4 (t-z curves)");
    m_data.NCURVE = m_in.readCount("NCURVE");
    m_ctx.plot.write(countLine(m_data.NCURVE));
    reserveFor(m_data.curves, m_data.NCURVE);
    for (int k = 1; k <= m_data.NCURVE; ++k)
        readUserCurve(k);
}

void InputReader::readUserCurve(int k) {
    const std::string record = "record 4 (t-z curve " + std::to_string(k) + ")";
    m_in.beginRecord(record);
    TzCurve curve;
    curve.ICURVE = m_in.readInt("ICURVE");
    curve.DEPTHC = m_in.readReal("DEPTHC");
    curve.NPTS = m_in.readCount("NPTS");
    // The report and the plot data file echo the same lines, each built once.
    const OutputLine heading = tzCurveLine(curve);
    m_ctx.report.write(heading);
    m_ctx.plot.write(heading);
    reserveFor(curve.TVAL, curve.NPTS);
    reserveFor(curve.ZVAL, curve.NPTS);
    for (int j = 0; j < curve.NPTS; ++j) {
        m_in.beginRecord(record);
        curve.TVAL.push_back(m_in.readReal("TVAL"));
        curve.ZVAL.push_back(m_in.readReal("ZVAL"));
        const OutputLine point = tzPointLine(curve.TVAL.back(), curve.ZVAL.back());
        m_ctx.report.write(point);
        m_ctx.plot.write(point);
    }
    m_data.curves.push_back(std::move(curve));
}

void InputReader::readLayers() {
    m_in.beginRecord("record 5 (soil layers)");
    m_data.NLAYER = m_in.readCount("NLAYER");
    writeLayerHeading(m_ctx.report, m_data);
    for (int i = 1; i <= m_data.NLAYER; ++i) {
        m_in.beginRecord("record 5 (soil layer " + std::to_string(i) + ")");
        const int number = m_in.readInt("layer number");
        const int soil = m_in.readInt("KSOIL");
        const Real top = m_in.readReal("XTOP");
        const Real bottom = m_in.readReal("XBOT");
        writeLayerLine(m_ctx.report, number, soil, top, bottom);
        m_data.LAYERNO.push_back(number);
        m_data.KSOIL.push_back(soil);
        m_data.XTOP.push_back(top);
        m_data.XBOT.push_back(bottom);
        for (Real depth : {top, bottom}) {
            m_data.XSTR.push_back(depth);
            m_data.XG1.push_back(depth);
        }
    }
}

void InputReader::readProfile() {
    m_data.NSTR = 2 * m_data.NLAYER;
    for (int m = 1; m <= m_data.NSTR; ++m) {
        m_in.beginRecord("record 5 (soil profile line " + std::to_string(m) + ")");
        m_data.GAM1.push_back(m_in.readReal("GAM1"));
        m_data.C1.push_back(m_in.readReal("C1"));
        m_data.PHI1.push_back(m_in.readReal("PHI1"));
        m_data.EE50.push_back(m_in.readReal("EE50"));
        m_data.SKIN.push_back(m_in.readReal("SKIN"));
        m_data.TIP.push_back(m_in.readReal("TIP"));
    }
    writeUnitWeightTable(m_ctx.report, m_data);
    writeStrengthTable(m_ctx.report, m_data);
}

void InputReader::readAeProfile() {
    m_in.beginRecord("record 6 (AE profile)");
    m_data.NAE = m_in.readCount("NAE");
    readPairs("record 6 (AE profile values)", m_data.NAE, {m_data.AE, "AE"}, {m_data.AEDEP, "AEDEP"});
    writeAeTable(m_ctx.report, m_data);
}

void InputReader::readTipCurve() {
    m_in.beginRecord("record 7 (Q-w curve)");
    m_data.NQW = m_in.readCount("NQW");
    readPairs("record 7 (Q-w curve values)", m_data.NQW, {m_data.QTIP, "QTIP"}, {m_data.WTIP, "WTIP"});
    writeTipCurveTable(m_ctx.report, m_data);
    writeTipPlotBlock(m_ctx.plot, m_data);
}

// One read of `count` pairs: the values run on across lines, and a count of 0 reads no line.
void InputReader::readPairs(std::string_view record, int count, Column first, Column second) {
    if (count > 0)
        m_in.beginRecord(record);
    reserveFor(first.values, count);
    reserveFor(second.values, count);
    for (int i = 0; i < count; ++i) {
        first.values.push_back(m_in.readReal(first.item));
        second.values.push_back(m_in.readReal(second.item));
    }
}

void InputReader::readPile() {
    m_in.beginRecord("record 8 (tolerance, pile length, diameter, tip area)");
    m_data.TOL = m_in.readReal("TOL");
    m_data.PLEN = m_in.readReal("PLEN");
    m_data.DIAM = m_in.readReal("DIAM");
    m_data.ATIP = m_in.readReal("ATIP");
}

void InputReader::readTipMovements() {
    m_in.beginRecord("record 9 (tip movements)");
    m_data.NTIPMV = m_in.readCount("NTIPMV");
    if (m_data.NTIPMV == 0) {
        setDefaultTipMovements(m_data);
    } else {
        m_in.beginRecord("record 9 (tip movement values)");
        reserveFor(m_data.TIPMV, m_data.NTIPMV);
        for (int i = 0; i < m_data.NTIPMV; ++i)
            m_data.TIPMV.push_back(m_in.readReal("TIPMV"));
    }
    writePileSection(m_ctx.report, m_data);
}

void InputReader::readLoads() {
    m_in.beginRecord("record 10 (pile-head loads)");
    m_data.NLOAD = m_in.readCount("NLOAD");
    if (m_data.NLOAD == 0)
        return;
    writeLoadHeading(m_ctx.report, m_data);
    reserveFor(m_data.LOAD, m_data.NLOAD);
    for (int i = 1; i <= m_data.NLOAD; ++i) {
        m_in.beginRecord("record 10 (pile-head load " + std::to_string(i) + ")");
        m_data.LOAD.push_back(m_in.readReal("LOAD"));
        writeLoadLine(m_ctx.report, m_data.LOAD.back());
    }
}

void InputReader::readSettlement() {
    m_in.beginRecord("record 11 (soil settlement profile)");
    m_data.NSET = m_in.readCount("NSET");
    if (m_data.NSET == 0)
        return;
    writeSettlementHeading(m_ctx.report, m_data);
    reserveFor(m_data.SDEP, m_data.NSET);
    reserveFor(m_data.SSET, m_data.NSET);
    for (int i = 1; i <= m_data.NSET; ++i) {
        m_in.beginRecord("record 11 (settlement point " + std::to_string(i) + ")");
        m_data.SDEP.push_back(m_in.readReal("SDEP"));
        m_data.SSET.push_back(m_in.readReal("SSET"));
        writeSettlementLine(m_ctx.report, m_data.SDEP.back(), m_data.SSET.back());
    }
}

void InputReader::readTzFactors() {
    m_in.beginRecord("record 12 (t-z modification factors)");
    m_data.KTMOD = m_in.readInt("KTMOD");
    if (m_data.KTMOD <= 0)
        return;
    m_in.beginRecord("record 12 (t-z modification factors)");
    m_data.NTMOD = m_in.readCount("NTMOD");
    writeTzFactorHeading(m_ctx.report, m_data);
    reserveFor(m_data.MDEP, m_data.NTMOD);
    for (int i = 1; i <= m_data.NTMOD; ++i) {
        m_in.beginRecord("record 12 (t-z factor " + std::to_string(i) + ")");
        m_data.MDEP.push_back(m_in.readReal("MDEP"));
        m_data.TMULT.push_back(m_in.readReal("TMULT"));
        m_data.ZMULT.push_back(m_in.readReal("ZMULT"));
        writeTzFactorLine(m_ctx.report, m_data.MDEP.back(), m_data.TMULT.back(), m_data.ZMULT.back());
    }
    applyTzFactors(m_ctx);
}

void InputReader::readQwFactors() {
    m_in.beginRecord("record 13 (Q-w modification factors)");
    m_data.KQWMOD = m_in.readInt("KQWMOD");
    if (m_data.KQWMOD <= 0)
        return;
    m_in.beginRecord("record 13 (Q-w modification factors)");
    m_data.QMULT = m_in.readReal("QMULT");
    m_data.WMULT = m_in.readReal("WMULT");
    writeQwFactorSection(m_ctx.report, m_data);
    applyQwFactors(m_ctx);
}

}  // namespace quarlo
