#pragma once

#include <cmath>

namespace quarlo::verification {

// A pile of constant axial stiffness AE in soil whose t-z curves are straight lines t = k z
// at every depth, standing on a tip curve that is a straight line Q = kb w. The movement w(x)
// at height x above the tip then obeys AE w'' = pi D k w, whose solution with w(0) = wb and
// AE w'(0) = kb wb is
//   w(x) = wb (cosh(l x) + kb / (AE l) sinh(l x)),
//   P(x) = AE w'(x) = wb (kb cosh(l x) + AE l sinh(l x)),   l = sqrt(pi D k / AE).
// pi is taken as 3.1416, the value the load-transfer walk uses for the pile's perimeter, so
// that the comparison measures the walk and not the constant.
struct ClosedFormPile {
    const char* name;
    int KUNITS;   // 1 English (in, lb, psi), 2 SI (m, kN, kPa)
    double L;     // pile length
    double D;     // outer diameter
    double AE;    // axial stiffness (force)
    double k;     // t-z slope: unit load transfer per unit movement (stress / length)
    double kb;    // tip curve slope (force / length)
    double wb;    // tip movement solved for
    double zEnd;  // movement at which the straight t-z and tip lines end, far beyond every
                  // movement of the solve
    double TOL;   // tolerance of the segment iteration, far below the movements
};

struct PileHead {
    double P;   // head load
    double w;   // head movement
};

inline constexpr double kPerimeterPi = 3.1416;

// l = sqrt(pi D k / AE), the inverse of the length over which the movement changes notably.
inline double closedFormLambda(const ClosedFormPile& p)
{
    return std::sqrt(kPerimeterPi * p.D * p.k / p.AE);
}

inline PileHead closedFormHead(const ClosedFormPile& p)
{
    const double l = closedFormLambda(p);
    const double lL = l * p.L;
    return {p.wb * (p.kb * std::cosh(lL) + p.AE * l * std::sinh(lL)),
            p.wb * (std::cosh(lL) + p.kb / (p.AE * l) * std::sinh(lL))};
}

// l L about 1.17 (English) and 1.01 (SI): the side and the tip both carry a fair share, and
// the pile shortens by about as much again as the tip moves. The projects
// closed-form-english.qv3d and closed-form-si.qv3d hold these numbers.
inline constexpr ClosedFormPile kEnglishPile{"English_inches_pounds", 1, 600, 12, 1e9, 100, 1e5, 0.1, 1, 1e-7};
inline constexpr ClosedFormPile kSiPile{"SI_metres_kilonewtons", 2, 15, 0.6, 5e6, 12000, 2e5, 0.005, 0.05, 5e-9};

}  // namespace quarlo::verification
