#pragma once

#include <string>
#include <vector>

#include "TFloatPoint.h"

namespace quarlo {

// What a plot data file (.qv3p) holds, in the engine's units: inches and pounds for unit
// flag 1, metres and kilonewtons for 2. Values are as written: the load distribution to 3
// significant digits, the curves and result rows to 4.
struct PlotTzCurve {
    int Number = 0;                   // the engine's curve number
    int PointCount = 0;               // as the curve's line declares it
    long double Depth = 0;
    std::vector<TFloatPoint> Points;  // X = movement z, Y = unit load transfer t
};

// One row of the load-settlement table (one per tip movement) or of the pile-head loads.
struct PlotResultRow {
    long double HeadLoad = 0;
    long double HeadMovement = 0;
    long double TipMovement = 0;
    long double TipLoad = 0;
};

struct PlotHeadLoadRow {
    PlotResultRow Row;
    // False: the load lies above every computed head load and was not solved; only
    // Row.HeadLoad holds a value.
    bool Reached = true;
};

// One segment of the load distribution for one tip movement.
struct PlotSegment {
    long double Depth = 0;        // depth of the segment's middle below the pile head
    long double AverageLoad = 0;
    long double Movement = 0;     // movement of the segment's middle
};

struct PlotData {
    int TzCurveCount = 0;                    // as declared; TzCurves holds those read
    std::vector<PlotTzCurve> TzCurves;
    int TipPointCount = 0;                   // as declared
    std::vector<TFloatPoint> TipCurve;       // X = tip load Q, Y = tip movement w
    bool HasDistributionCounts = false;      // the three counts of the load distribution were read
    int TipMovementCount = 0;
    int SegmentCount = 0;
    int Units = 0;                           // the engine's unit flag: 1 English, 2 SI
    std::vector<std::vector<PlotSegment>> Distribution;  // per tip movement, tip segment first
    std::vector<PlotResultRow> Settlement;               // per tip movement
    // Curves, distribution and load-settlement rows were read completely.
    bool Complete = false;
    // The pile-head loads that follow, when the run had any. They are read only for the
    // results summary; a fault there leaves the rest of the file good and is kept here.
    std::vector<PlotHeadLoadRow> HeadLoads;
    std::string HeadLoadsProblem;
};

}  // namespace quarlo
