#pragma once

#include "CapturedRun.h"
#include "RunContext.h"

#include <string>
#include <vector>

namespace quarlo::test {

// The empty line and the banner that open every warning of the generation stages.
inline const std::string kWarningBanner = "\r\n                             **** WARNING ****\r\n";

// Soil values at one profile point (top or bottom of a layer).
struct SoilPoint {
    Real GAM1 = 0;
    Real C1 = 0;
    Real PHI1 = 0;
    Real EE50 = 0;
    Real SKIN = 0;
    Real TIP = 0;
};

struct Layer {
    int KSOIL = 1;
    Real XTOP = 0;
    Real XBOT = 0;
    SoilPoint top;
    SoilPoint bottom;
};

// Soil layers and their profile, as the input reader leaves them (two profile points per
// layer: top, bottom), English units unless changed.
inline EngineData layeredSoil(const std::vector<Layer>& layers)
{
    EngineData d;
    d.KUNITS = 1;
    d.KCURVE = 2;
    d.NLAYER = static_cast<int>(layers.size());
    d.NSTR = 2 * d.NLAYER;
    for (const Layer& layer : layers) {
        d.LAYERNO.push_back(static_cast<int>(d.KSOIL.size()) + 1);
        d.KSOIL.push_back(layer.KSOIL);
        d.XTOP.push_back(layer.XTOP);
        d.XBOT.push_back(layer.XBOT);
        for (const auto& [x, p] : {std::pair{layer.XTOP, layer.top}, std::pair{layer.XBOT, layer.bottom}}) {
            d.XSTR.push_back(x);
            d.XG1.push_back(x);
            d.GAM1.push_back(p.GAM1);
            d.C1.push_back(p.C1);
            d.PHI1.push_back(p.PHI1);
            d.EE50.push_back(p.EE50);
            d.SKIN.push_back(p.SKIN);
            d.TIP.push_back(p.TIP);
        }
    }
    return d;
}

// Generated curves at the given depths, all of one soil type.
inline void addCurves(EngineData& d, const std::vector<Real>& depths, int KSOIL)
{
    for (Real depth : depths) {
        TzCurve c;
        c.DEPTHC = depth;
        c.KSOILC = KSOIL;
        d.curves.push_back(c);
    }
    d.NCURVE = static_cast<int>(d.curves.size());
}

}  // namespace quarlo::test
