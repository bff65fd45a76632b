#include "GenerationStop.h"


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

}  // namespace quarlo
