#pragma once

#include "CapturedRun.h"
#include "EngineData.h"
#include "RunContext.h"
#include "Stages.h"
#include "TextLines.h"

#include <string>
#include <utility>
#include <vector>

namespace quarlo::test {

// A pile with user curves, built directly so that every number of a solve can be
// worked out by hand.
inline TzCurve userCurve(int number, Real depth, std::vector<std::pair<Real, Real>> zt)
{
    TzCurve c;
    c.ICURVE = number;
    c.DEPTHC = depth;
    c.NPTS = static_cast<int>(zt.size());
    for (const auto& [z, t] : zt) {
        c.ZVAL.push_back(z);
        c.TVAL.push_back(t);
    }
    return c;
}

// English units, constant AE, one curve pair (the same curve at the head and at the tip).
inline EngineData simplePile(int NSEG, Real PLEN, Real DIAM, Real AE, std::vector<std::pair<Real, Real>> zt,
                             std::vector<std::pair<Real, Real>> wq)
{
    EngineData d;
    d.TITLE = std::string("TEST PILE") + std::string(63, ' ');
    d.NSEG = NSEG;
    d.KPRINT = 1;
    d.KUNITS = 1;
    d.UL = "IN.";
    d.UM = "IN.";
    d.UF = "LBS";
    d.US = "PSI";
    d.KCURVE = 1;
    d.curves = {userCurve(1, 0, zt), userCurve(2, PLEN, zt)};
    d.NCURVE = 2;
    d.NAE = 2;
    d.AE = {AE, AE};
    d.AEDEP = {0, PLEN};
    for (const auto& [w, q] : wq) {
        d.WTIP.push_back(w);
        d.QTIP.push_back(q);
    }
    d.NQW = static_cast<int>(wq.size());
    d.TOL = 1e-6f;
    d.PLEN = PLEN;
    d.DIAM = DIAM;
    return d;
}

// A 10 in pile with a flat side friction t = 5 psi everywhere and a tip curve Q = 1000 + 1000 w.
inline EngineData flatFrictionPile(int NSEG, Real PLEN, Real AE)
{
    return simplePile(NSEG, PLEN, 10, AE, {{0, 5}, {10, 5}}, {{0, 1000}, {1, 2000}});
}

inline void setTipMovements(EngineData& d, std::vector<Real> moves)
{
    d.NTIPMV = static_cast<int>(moves.size());
    d.TIPMV = std::move(moves);
}

inline void setLoads(EngineData& d, std::vector<Real> loads)
{
    d.NLOAD = static_cast<int>(loads.size());
    d.LOAD = std::move(loads);
}

// One solution stage run with its three files captured as text.
struct SolvedRun : CapturedRun {
    explicit SolvedRun(EngineData d) : CapturedRun(std::move(d)) { solveLoadTransfer(ctx); }

    std::vector<std::string> reportLines() const { return linesOf(report.str()); }
    std::vector<std::string> plotLines() const { return linesOf(plot.str()); }
};

}  // namespace quarlo::test
