// Any bytes as the engine's project data file: read into the input model and, when the
// reading succeeds, solved, with the report, plot data and run notes going to strings.
// The engine may refuse the file with ReadError or stop with a status; it must never
// crash, leak or hang.
#include <cstdint>
#include <sstream>
#include <string>

#include "InputReader.h"
#include "RecordReader.h"
#include "RunContext.h"
#include "Stages.h"

namespace {

// The number of segments is a single count in the file, so a few bytes can ask for millions
// of segments at every tip movement: honest work, but minutes of it under the sanitizers,
// and the same loops as a small pile. Such inputs are read and checked, not solved.
bool solvable(const quarlo::EngineData& d)
{
    constexpr long long kMostSegmentSolves = 200000;
    const long long solves = static_cast<long long>(d.NSEG) * (d.NTIPMV + 50LL * d.NLOAD);
    return solves <= kMostSegmentSolves;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream report;
    std::ostringstream plot;
    std::ostringstream notes;
    quarlo::RunContext ctx;
    ctx.report.attach(&report);
    ctx.plot.attach(&plot);
    ctx.notes.attach(&notes);
    try {
        quarlo::RecordReader reader(input);
        quarlo::InputReader(ctx, reader).read();
        if (ctx.ISTAT == 0 && solvable(ctx.data))
            quarlo::solveLoadTransfer(ctx);
    } catch (const quarlo::ReadError&) {
    }
    return 0;
}
