#include "RunSequence.h"
#include "StatusCodes.h"

#include <cstdint>
#include <iostream>

// The engine's C entry, exported under both names the program may look up. Nothing may
// leave it but a status: runFromNamesFile already turns every failure into one, and the
// outer catch keeps even the unforeseen from crossing into the caller.
namespace {

std::int32_t entry(std::int32_t request) noexcept {
    if (request != 2)
        return quarlo::status::kNotRequested;
    try {
        quarlo::RunOptions options;
        options.console = &std::cerr;
        return quarlo::runFromNamesFile(options);
    } catch (...) {
        return quarlo::status::kInternal;
    }
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) std::int32_t IQUARLO(std::int32_t request) { return entry(request); }

__attribute__((visibility("default"))) std::int32_t _IQUARLO(std::int32_t request) { return entry(request); }

}
