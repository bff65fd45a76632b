#include "GenerationStop.h"

#include <charconv>
#include <cmath>

namespace quarlo {

void stopWithWarning(RunContext& ctx, int status, const OutputLine& message)
{
    ctx.report.blank();
    ctx.report.write(OutputLine().x(29).text("**** WARNING ****"));
    ctx.report.write(message);
    ctx.ISTAT = status;
}

OutputLine beyondProfileMessage(Real X, std::string_view profileName)
{
    OutputLine line;
    line.x(5).text("THE VALUE OF X =").e(9, 2, X).text("IS BEYOND THE EXTENT OF/").x(5).text(profileName);
    return line;
}

bool allFinite(std::span<const Real> values)
{
    for (Real v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// std::to_chars in its shortest form depends on no locale and reads back exactly.
OutputLine& appendFreeReal(OutputLine& line, Real value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return line.x(1).text(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

}  // namespace quarlo
