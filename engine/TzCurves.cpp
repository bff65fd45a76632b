#include "TzCurves.h"


namespace quarlo {

namespace {

// Movements in inches of the driven-pile clay (Coyle and Reese) and sand (Mosher) curves.
constexpr CurveShape Z_COYLE_REESE_IN = {0.0f, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.12f, 0.16f, 0.5f, 10.0f};
constexpr CurveShape T_COYLE_REESE = {0.0f, 0.18f, 0.38f, 0.79f, 0.97f, 1.0f, 0.97f, 0.93f, 0.93f, 0.93f};

// Drilled shafts (Reese and O'Neill): movement per diameter, clay and sand ratios of t / f.
constexpr CurveShape Z_DRILLED_PER_D = {0.0f, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.1f};
constexpr CurveShape T_DRILLED_CLAY = {0.0f, 0.51f, 0.72f, 0.90f, 0.925f, 0.945f, 0.955f, 0.925f, 0.90f, 0.835f};
constexpr CurveShape T_DRILLED_SAND = {0.0f, 0.335f, 0.58f, 0.72f, 0.86f, 0.91f, 0.95f, 0.965f, 0.96f, 0.95f};

// Driven piles after API: clay movements per diameter, sand movements in inches.
constexpr CurveShape Z_API_CLAY_PER_D = {0.0f, 0.0016f, 0.0031f, 0.0057f, 0.008f, 0.01f, 0.02f, 0.03f, 0.05f, 0.2f};
constexpr CurveShape T_API_CLAY = {0.0f, 0.3f, 0.5f, 0.75f, 0.9f, 1.0f, 0.9f, 0.9f, 0.9f, 0.9f};
constexpr CurveShape Z_API_SAND_IN = {0.0f, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.09f, 0.1f, 0.5f, 2.0f};
constexpr CurveShape T_API_SAND = {0.0f, 0.1f, 0.2f, 0.4f, 0.6f, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f};

constexpr Real PSF_PER_KPA = 20.88f;

// Movements from a table in inches, converted to metres in SI; t as a ratio of f.
void fillInchShape(TzCurve& c, const CurveShape& zInches, const CurveShape& ratio, bool si)
{
    for (int j = 0; j < NPTS_GENERATED; ++j) {
        c.ZVAL[j] = si ? zInches[j] * METRES_PER_INCH : zInches[j];
        c.TVAL[j] = ratio[j] * c.FMAXC;
    }
}

// Movements as fractions of the diameter, which is already in the run's length unit.
void fillDiameterShape(TzCurve& c, const CurveShape& zPerD, const CurveShape& ratio, Real D)
{
    for (int j = 0; j < NPTS_GENERATED; ++j) {
        c.ZVAL[j] = zPerD[j] * D;
        c.TVAL[j] = ratio[j] * c.FMAXC;
    }
}

// Mosher's hyperbola is set in pounds per square foot and inches; SI stresses go through
// psf and back. With f = 0 the hyperbola is flat at t = 0, a limit, not a fault.
void fillMosher(TzCurve& c, bool si)
{
    const Real Es = mosherEs(c.PHIC);
    const Real f = c.FMAXC;
    c.ZVAL[0] = 0;
    c.TVAL[0] = 0;
    for (int j = 1; j < NPTS_GENERATED; ++j) {
        const Real z = Z_COYLE_REESE_IN[j];
        if (si) {
            const Real fPsf = f * PSF_PER_KPA;
            c.TVAL[j] = z / (1 / Es + z / fPsf) / PSF_PER_KPA;
            c.ZVAL[j] = z * METRES_PER_INCH;
        } else {
            c.TVAL[j] = z / (144 / Es + z / f);
            c.ZVAL[j] = z;
        }
    }
}

}  // namespace

bool tzCurveScalesWithDiameter(int KSOIL)
{
    return KSOIL == CLAY_DRILLED_REESE_ONEILL || KSOIL == SAND_DRILLED_REESE_ONEILL
        || KSOIL == CLAY_DRIVEN_API;
}

// The steps between 31 and 32 and between 34 and 35 degrees are part of the method: the
// slope reaches 12666.6 at 34 degrees and jumps to 14000 above it.
Real mosherEs(Real phi)
{
    if (phi <= 28)
        return 6000;
    if (phi <= 31)
        return 6000 + 1333.3f * (phi - 28);
    if (phi <= 32)
        return 10000;
    if (phi <= 34)
        return 10000 + 1333.3f * (phi - 32);
    if (phi <= 35)
        return 14000;
    if (phi <= 38)
        return 14000 + 1333.3f * (phi - 35);
    return 18000;
}

void fillTzCurve(TzCurve& c, Real DIAM, int KUNITS)
{
    const bool si = KUNITS != 1;
    c.NPTS = NPTS_GENERATED;
    c.TVAL.assign(NPTS_GENERATED, Real(0));
    c.ZVAL.assign(NPTS_GENERATED, Real(0));
    switch (c.KSOILC) {
    case CLAY_DRIVEN_COYLE_REESE: fillInchShape(c, Z_COYLE_REESE_IN, T_COYLE_REESE, si); break;
    case SAND_DRIVEN_MOSHER: fillMosher(c, si); break;
    case CLAY_DRILLED_REESE_ONEILL: fillDiameterShape(c, Z_DRILLED_PER_D, T_DRILLED_CLAY, DIAM); break;
    case SAND_DRILLED_REESE_ONEILL: fillDiameterShape(c, Z_DRILLED_PER_D, T_DRILLED_SAND, DIAM); break;
    case CLAY_DRIVEN_API: fillDiameterShape(c, Z_API_CLAY_PER_D, T_API_CLAY, DIAM); break;
    case SAND_DRIVEN_API: fillInchShape(c, Z_API_SAND_IN, T_API_SAND, si); break;
    default: break;
    }
}

}  // namespace quarlo
