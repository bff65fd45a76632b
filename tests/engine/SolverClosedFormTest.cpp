#include "SolverTestPile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarlo {
namespace {

// A pile of constant AE with linear t-z curves t = k z and a linear tip curve Q = kb w
// solves AE w'' = pi D k w exactly:
//   P      = w_b (kb cosh(lL) + AE l sinh(lL)),
//   w_head = w_b (cosh(lL) + kb / (AE l) sinh(lL)),   l = sqrt(k pi D / AE),
// with pi as the engine takes it (3.1416).
struct ClosedFormCase {
    const char* name;
    int KUNITS;
    double L, D, AE, k, kb, wb;
};

void PrintTo(const ClosedFormCase& c, std::ostream* os) { *os << c.name; }

struct Exact {
    double P, wHead;
};

Exact exactSolution(const ClosedFormCase& c)
{
    const double l = std::sqrt(c.k * 3.1416 * c.D / c.AE);
    const double lL = l * c.L;
    return {c.wb * (c.kb * std::cosh(lL) + c.AE * l * std::sinh(lL)),
            c.wb * (std::cosh(lL) + c.kb / (c.AE * l) * std::sinh(lL))};
}

struct Errors {
    double P, wHead;
};

Errors relativeErrors(const ClosedFormCase& c, int NSEG)
{
    // The curves run far beyond every movement of the solve, so they stay linear.
    const auto zMax = static_cast<Real>(100 * c.wb);
    EngineData d = test::simplePile(NSEG, static_cast<Real>(c.L), static_cast<Real>(c.D),
                                    static_cast<Real>(c.AE), {{0, 0}, {zMax, static_cast<Real>(c.k) * zMax}},
                                    {{0, 0}, {zMax, static_cast<Real>(c.kb) * zMax}});
    d.KUNITS = c.KUNITS;
    d.TOL = static_cast<Real>(c.wb * 1e-7);
    test::setTipMovements(d, {static_cast<Real>(c.wb)});
    test::SolvedRun run(std::move(d));
    const SettlementRow& row = run.ctx.results.summary.at(0);
    const Exact exact = exactSolution(c);
    return {std::fabs(row.headLoad - exact.P) / exact.P, std::fabs(row.headMovement - exact.wHead) / exact.wHead};
}

class ClosedForm : public testing::TestWithParam<ClosedFormCase> {};

TEST_P(ClosedForm, ConvergesAtSecondOrder) {
    const Errors coarse = relativeErrors(GetParam(), 10);
    const Errors fine = relativeErrors(GetParam(), 20);
    // Halving the increments quarters the error (second order); at these counts the
    // single-precision round-off is two orders below the discretisation error.
    EXPECT_NEAR(coarse.P / fine.P, 4.0, 0.5);
    EXPECT_NEAR(coarse.wHead / fine.wHead, 4.0, 0.5);
}

TEST_P(ClosedForm, ManyIncrementsMeetTheExactSolution) {
    // At 200 increments the discretisation error (about 1e-6, a 16th of that at 50) is
    // down to the single-precision round-off of the walk up the pile.
    const Errors errors = relativeErrors(GetParam(), 200);
    EXPECT_LT(errors.P, 1e-5);
    EXPECT_LT(errors.wHead, 1e-5);
}

// lL about 1.16 (English) and 1.1 (SI): the side and the tip both matter.
INSTANTIATE_TEST_SUITE_P(Solver, ClosedForm, testing::Values(
    ClosedFormCase{"English_inches_pounds", 1, 600, 12, 1e9, 100, 1e5, 0.1},
    ClosedFormCase{"SI_metres_kilonewtons", 2, 15, 0.6, 5e6, 12000, 2e5, 0.005}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
