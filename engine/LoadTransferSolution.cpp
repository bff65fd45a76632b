#include "Stages.h"

namespace quarlo {

void solveLoadTransfer(RunContext&) {}

}  // namespace quarlo
