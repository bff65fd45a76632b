#include "GenerationStop.h"
#include "OutputLine.h"
#include "RunHeader.h"
#include "SolverChecks.h"
#include "SolverHeadLoads.h"
#include "SolverLookups.h"
#include "SolverNotes.h"
#include "SolverPile.h"
#include "SolverTables.h"
#include "Stages.h"

#include <cmath>
#include <cstddef>

namespace quarlo {

namespace {

// The computed rows of the load-settlement curve, signs as computed; the head-load pass
// reads these, the tables show them with the uplift signs.
struct ComputedRows {
    std::vector<Real> TOPLOAD, TOPMOVE, TIPMV, TIPLOAD;
};

class LoadTransferRun {
public:
    explicit LoadTransferRun(RunContext& ctx)
        : m_ctx(ctx), m_data(ctx.data), m_notes(ctx), m_tables(ctx.data, ctx.report, ctx.plot) {}

    void run();

private:
    bool stopped(const SolverStop& why);
    bool solveTipMovement(SolverPile& pile, int i);
    bool writeSegments(const SolverPile& pile, Real W);
    void writeSummary();
    void runHeadLoads(SolverPile& pile);

    RunContext& m_ctx;
    const EngineData& m_data;
    SolverNotes m_notes;
    SolverTables m_tables;
    ComputedRows m_rows;
    bool m_TFLAG = false;   // uplift: set by a tip movement of at most 1E-10, then for good
};

bool LoadTransferRun::stopped(const SolverStop& why)
{
    if (!why)
        return false;
    stopWithWarning(m_ctx, why.status, OutputLine().x(5).text(why.message));
    m_notes.stopped(why.status, why.message);
    return true;
}

void LoadTransferRun::run()
{
    m_ctx.results.KUNITS = m_data.KUNITS;
    if (stopped(checkSolverInput(m_data)))
        return;
    SolverPile pile(m_data);
    if (stopped(checkStiffness(pile, m_data)))
        return;
    const int count = std::min<int>(m_data.NTIPMV, static_cast<int>(m_data.TIPMV.size()));
    for (int i = 0; i < count; ++i) {
        if (!solveTipMovement(pile, i))
            return;
    }
    writeSummary();
    if (m_data.NLOAD > 0)
        runHeadLoads(pile);
}

bool LoadTransferRun::solveTipMovement(SolverPile& pile, int i)
{
    const Real given = m_data.TIPMV[static_cast<std::size_t>(i)];
    Real W = given;
    if (W <= 1e-10f) {
        m_TFLAG = true;
        W = std::fabs(W);
    }
    // In uplift the tip carries nothing, and the tables show the tip load that was used.
    const Real TIPLOAD = m_TFLAG ? Real(0) : tipLoadAt(m_data, W);
    if (stopped(checkValues({W, TIPLOAD}, W)))
        return false;
    if (m_data.KPRINT == 0)
        m_tables.tipMovementHeading(W, TIPLOAD);
    if (i == 0)
        m_tables.distributionCount(std::min<int>(m_data.NTIPMV, static_cast<int>(m_data.TIPMV.size())));
    pile.solve(W, TIPLOAD);
    if (!writeSegments(pile, W))
        return false;
    m_rows.TOPLOAD.push_back(pile.headLoad());
    m_rows.TOPMOVE.push_back(pile.headMovement());
    m_rows.TIPMV.push_back(given);
    m_rows.TIPLOAD.push_back(TIPLOAD);
    return true;
}

bool LoadTransferRun::writeSegments(const SolverPile& pile, Real W)
{
    const std::vector<SegmentState>& segments = pile.segments();
    std::vector<SegmentResult>& distribution = m_ctx.results.distribution.emplace_back();
    distribution.reserve(segments.size());
    for (std::size_t s = 0; s < segments.size(); ++s) {
        const SegmentState& state = segments[s];
        if (stopped(checkSegment(state, W)))
            return false;
        if (m_data.KPRINT == 0)
            m_tables.segmentLines(state, s + 1 == segments.size(), pile.DL(), m_TFLAG);
        m_tables.distributionRow(state, s);
        distribution.push_back({state.XM, state.QAVG, state.WMID});
        if (!state.converged)
            m_notes.segmentNotConverged(W, state);
    }
    return true;
}

void LoadTransferRun::writeSummary()
{
    std::vector<SettlementRow>& summary = m_ctx.results.summary;
    for (std::size_t i = 0; i < m_rows.TOPLOAD.size(); ++i) {
        summary.push_back({shownAs(m_rows.TOPLOAD[i], m_TFLAG), shownAs(m_rows.TOPMOVE[i], m_TFLAG),
                           m_rows.TIPMV[i], shownAs(m_rows.TIPLOAD[i], m_TFLAG)});
    }
    m_tables.summary(summary);
}

void LoadTransferRun::runHeadLoads(SolverPile& pile)
{
    // The head-load pass announces itself on the console with the run's banner once more.
    writeConsoleBanner(m_ctx.console);
    SolverHeadLoads pass(m_data, pile, m_notes);
    std::vector<HeadLoadRow> rows = pass.run(m_rows.TOPLOAD, m_rows.TIPMV);
    for (const HeadLoadRow& row : rows) {
        if (!row.reached)
            continue;
        const SettlementRow& r = row.row;
        if (stopped(checkValues({r.headMovement, r.tipMovement, r.tipLoad}, r.tipMovement)))
            return;
    }
    m_tables.headLoads(rows);
    m_ctx.results.headLoads = std::move(rows);
}

}  // namespace

void solveLoadTransfer(RunContext& ctx)
{
    LoadTransferRun(ctx).run();
}

}  // namespace quarlo
