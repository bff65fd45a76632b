#pragma once

class QMdiArea;

namespace quarlo {

// Installs the edit windows of the data tables: from then on a table's Show opens its window
// as a child window of `area`, and ShowModal as a modal window over it.
void InstallTableWindows(QMdiArea* area);

}  // namespace quarlo
