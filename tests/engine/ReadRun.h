#pragma once

#include "CapturedRun.h"
#include "InputReader.h"
#include "RecordReader.h"

#include <sstream>
#include <string>

namespace quarlo::test {

// A project read from text, with the echo of its input in the captured report and plot
// data file.
struct ReadRun : CapturedRun {
    explicit ReadRun(const std::string& project)
    {
        std::istringstream in(project);
        RecordReader reader(in);
        InputReader(ctx, reader).read();
    }
};

}  // namespace quarlo::test
