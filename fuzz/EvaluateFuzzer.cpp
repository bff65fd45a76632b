// Any text typed into a numeric entry: the evaluator either gives a finite value whose
// shown form reads back as shown, or refuses the entry with EAssignError. Anything else
// (another exception, infinity, NaN, a sanitizer report) is a fault.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "EAssignError.h"
#include "Evaluate.h"
#include "NumberFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    long double value = 0;
    try {
        value = quarlo::Evaluate(text);
    } catch (const quarlo::EAssignError&) {
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    const std::string shown = quarlo::formatGeneral(value, 18);
    if (quarlo::formatGeneral(quarlo::Evaluate(shown), 18) != shown)
        std::abort();
    return 0;
}
