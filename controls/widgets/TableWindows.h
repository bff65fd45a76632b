#pragma once

class QMdiArea;

namespace quarlo {

class TableFormBase;
class TableWindow;

// Installs the edit windows of the data tables: from then on a table's Show opens its window
// as a child window of `area`, and ShowModal as a modal window over it (a table whose
// FormParent is set shows its window inside that widget instead). A null area removes them.
void InstallTableWindows(QMdiArea* area);

// The window behind a table's open window (table.Window()); none when it has none.
TableFormBase* TableFormOf(TableWindow* window);

}  // namespace quarlo
