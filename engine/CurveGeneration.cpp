#include "Stages.h"

namespace quarlo {

void generateCurves(RunContext&) {}

}  // namespace quarlo
