#pragma once

#include "Real.h"

#include <string>
#include <vector>

namespace quarlo {

// One t-z curve: unit load transfer t (stress) against pile movement z (length).
struct TzCurve {
    int ICURVE = 0;            // curve number (as read; k for generated curves)
    Real DEPTHC = 0;           // depth of the curve below the pile head
    int NPTS = 0;              // number of points
    std::vector<Real> TVAL;    // unit load transfer of point j (psi or kPa)
    std::vector<Real> ZVAL;    // pile movement of point j (in or m)
    int KSOILC = 0;            // soil type code (generated curves only)
    Real FMAXC = 0;            // ultimate unit side friction at DEPTHC (generated only)
    Real PHIC = 0;             // friction angle in degrees at DEPTHC (generated only)
};

// The engine's input model: everything read from the project data file, in the file's
// own unit system (inches, pounds, psi or metres, kN, kPa). Tables are sized from the
// counts read, so any count the program accepts is handled alike.
struct EngineData {
    std::string TITLE;         // first 72 characters of line 1, padded with blanks
    int NSEG = 0;              // number of pile increments
    int KPRINT = 0;            // 0 = full load-transfer tables, > 0 = summary only
    int KUNITS = 0;            // 1 = English, otherwise SI

    // Report unit labels, 3 characters each, set from KUNITS.
    std::string UL, UM, UF, US;

    int KCURVE = 0;            // 1 = user curves, otherwise generated
    int NCURVE = 0;            // number of t-z curves
    std::vector<TzCurve> curves;   // curves[k-1] is curve k

    // Soil layers (generated curves only).
    int NLAYER = 0;
    std::vector<int> LAYERNO;  // layer number as read, only echoed
    std::vector<int> KSOIL;    // soil type code of layer i
    std::vector<Real> XTOP;    // depth of the top of layer i
    std::vector<Real> XBOT;    // depth of the bottom of layer i

    // Soil profile: NSTR = 2 * NLAYER points, two per layer (top, bottom).
    int NSTR = 0;
    std::vector<Real> XSTR;    // depth of profile point m
    std::vector<Real> XG1;     // depth of profile point m (unit-weight profile)
    std::vector<Real> GAM1;    // effective unit weight (lb/in^3 or kN/m^3)
    std::vector<Real> C1;      // undrained shear strength (psi or kPa)
    std::vector<Real> PHI1;    // friction angle (degrees)
    std::vector<Real> EE50;    // e50 for clays, blow count for sands
    std::vector<Real> SKIN;    // ultimate unit side friction (psi or kPa)
    std::vector<Real> TIP;     // ultimate unit tip resistance (psi or kPa)

    // Axial stiffness profile.
    int NAE = 0;
    std::vector<Real> AE;      // axial stiffness (lb or kN)
    std::vector<Real> AEDEP;   // depth of the AE point

    // Tip (Q-w) curve.
    int NQW = 0;
    std::vector<Real> QTIP;    // tip load (lb or kN)
    std::vector<Real> WTIP;    // tip movement (in or m)

    Real TOL = 0;              // convergence tolerance (a movement)
    Real PLEN = 0;             // pile length
    Real DIAM = 0;             // outer diameter
    Real ATIP = 0;             // area of the pile tip (in^2 or m^2)

    int NTIPMV = 0;            // number of assumed tip movements
    std::vector<Real> TIPMV;   // assumed tip movement i

    int NLOAD = 0;             // number of pile-head loads; 0 = none
    std::vector<Real> LOAD;    // pile-head load i

    int NSET = 0;              // soil settlement points; 0 = no down-drag
    std::vector<Real> SDEP;    // depth of settlement point i
    std::vector<Real> SSET;    // soil settlement at point i

    int KTMOD = 0;             // > 0 = t-z modification factors present
    int NTMOD = 0;             // number of t-z factor depths
    std::vector<Real> MDEP;    // depth of factor point i
    std::vector<Real> TMULT;   // t-multiplier of factor point i
    std::vector<Real> ZMULT;   // z-multiplier of factor point i

    int KQWMOD = 0;            // > 0 = Q-w modification factors present
    Real QMULT = 0;            // Q-multiplier of the tip curve
    Real WMULT = 0;            // w-multiplier of the tip curve
};

}  // namespace quarlo
