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
        if (ctx.ISTAT == 0)
            quarlo::solveLoadTransfer(ctx);
    } catch (const quarlo::ReadError&) {
    }
    return 0;
}
