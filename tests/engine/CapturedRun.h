#pragma once

#include "RunContext.h"

#include <sstream>
#include <utility>

namespace quarlo::test {

// A run context whose report, plot data file and run notes are kept in strings.
struct CapturedRun {
    std::ostringstream report;
    std::ostringstream plot;
    std::ostringstream notes;
    RunContext ctx;

    explicit CapturedRun(EngineData d = {})
    {
        ctx.data = std::move(d);
        ctx.report.attach(&report);
        ctx.plot.attach(&plot);
        ctx.notes.attach(&notes);
    }
    CapturedRun(const CapturedRun&) = delete;
    CapturedRun& operator=(const CapturedRun&) = delete;
};

}  // namespace quarlo::test
