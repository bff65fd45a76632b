#pragma once

#include "EngineData.h"
#include "RunResults.h"
#include "TextSink.h"

#include <ostream>

namespace quarlo {

// Everything one analysis run works on. Created afresh for every call, so nothing
// carries over from one run to the next.
struct RunContext {
    EngineData data;
    TextSink report;   // output report (.qv3o)
    TextSink plot;     // plot data file (.qv3p)
    TextSink notes;    // run notes (.qv3r)
    int ISTAT = 0;     // run status; non-zero stops the run
    RunResults results;
    // Console progress lines; null discards them (runs in parallel, tests). Stages write
    // their console lines here, never to std::cerr directly.
    std::ostream* console = nullptr;
};

}  // namespace quarlo
