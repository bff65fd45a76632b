#include "Stages.h"

namespace quarlo {

void applyTzFactors(RunContext&) {}
void applyQwFactors(RunContext&) {}

}  // namespace quarlo
