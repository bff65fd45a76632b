#include "SolverTestPile.h"
#include "../verification/ClosedFormPile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarlo {

// Found by argument-dependent lookup, so it lives beside the type.
namespace verification {
void PrintTo(const ClosedFormPile& c, std::ostream* os) { *os << c.name; }
}  // namespace verification

namespace {

using verification::ClosedFormPile;

struct Errors {
    double P, wHead;
};

Errors relativeErrors(const ClosedFormPile& c, int NSEG)
{
    // The curves run far beyond every movement of the solve, so they stay linear.
    const auto zMax = static_cast<Real>(c.zEnd);
    EngineData d = test::simplePile(NSEG, static_cast<Real>(c.L), static_cast<Real>(c.D),
                                    static_cast<Real>(c.AE), {{0, 0}, {zMax, static_cast<Real>(c.k) * zMax}},
                                    {{0, 0}, {zMax, static_cast<Real>(c.kb) * zMax}});
    d.KUNITS = c.KUNITS;
    d.TOL = static_cast<Real>(c.TOL);
    test::setTipMovements(d, {static_cast<Real>(c.wb)});
    test::SolvedRun run(std::move(d));
    const SettlementRow& row = run.ctx.results.summary.at(0);
    const verification::PileHead exact = verification::closedFormHead(c);
    return {std::fabs(row.headLoad - exact.P) / exact.P, std::fabs(row.headMovement - exact.w) / exact.w};
}

class ClosedForm : public testing::TestWithParam<ClosedFormPile> {};

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

INSTANTIATE_TEST_SUITE_P(Solver, ClosedForm, testing::Values(verification::kEnglishPile, verification::kSiPile),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarlo
