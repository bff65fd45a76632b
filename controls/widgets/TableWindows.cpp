#include "TableWindows.h"

namespace quarlo {

void InstallTableWindows(QMdiArea*)
{
}

}  // namespace quarlo
