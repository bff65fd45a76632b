#include "TableWindows.h"

#include <QMdiArea>
#include <QPointer>

#include "GridTableAccess.h"
#include "TTableChartForm.h"
#include "TTableForm.h"
#include "TableWindowLink.h"

namespace quarlo {

namespace {

template <class Form, class Table>
std::unique_ptr<TableWindow> openWindow(Table& table, bool modal, QMdiArea* area)
{
    auto* form = new Form(GridTableAccess::For(table));
    return std::make_unique<TableWindowLink>(form, modal, area, static_cast<QWidget*>(table.FormParent()));
}

}  // namespace

void InstallTableWindows(QMdiArea* area)
{
    if (!area) {
        TGridTableChart::WindowFactory = nullptr;
        TGridTable::WindowFactory = nullptr;
        return;
    }
    const QPointer<QMdiArea> target(area);
    TGridTableChart::WindowFactory = [target](TGridTableChart& table, bool modal) {
        return openWindow<TTableChartForm>(table, modal, target);
    };
    TGridTable::WindowFactory = [target](TGridTable& table, bool modal) {
        return openWindow<TTableForm>(table, modal, target);
    };
}

TableFormBase* TableFormOf(TableWindow* window)
{
    auto* link = dynamic_cast<TableWindowLink*>(window);
    return link ? link->Form() : nullptr;
}

}  // namespace quarlo
