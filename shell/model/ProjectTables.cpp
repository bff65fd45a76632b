#include "ProjectTables.h"

namespace quarlo {

template <class F>
void ProjectTables::forEachTable(F&& action) const {
    for (TGridTableChart* table : m_tables.ChartTables()) {
        action(*table);
    }
    for (TGridTable* table : m_tables.PlainTables()) {
        action(*table);
    }
}

void ProjectTables::ResetToMinRows() {
    forEachTable([](auto& table) {
        table.SetRowCount(0);
        table.SetRowCount(table.MinRows());
    });
}

void ProjectTables::ClearRows() {
    forEachTable([](auto& table) { table.SetRowCount(0); });
}

void ProjectTables::PadToMinRows() {
    forEachTable([](auto& table) {
        if (table.RowCount() < table.MinRows()) {
            table.SetRowCount(table.MinRows());
        }
    });
}

void ProjectTables::SetUnits(int code) {
    forEachTable([code](auto& table) { table.SetUnits(code); });
}

void ProjectTables::CloseForms() {
    forEachTable([](auto& table) { table.CloseForms(); });
}

bool ProjectTables::IsModified() const {
    bool changed = m_modified;
    forEachTable([&changed](const auto& table) { changed = changed || table.GetChanged(); });
    return changed;
}

void ProjectTables::SetModified(bool modified) {
    m_modified = modified;
    if (!modified) {
        forEachTable([](auto& table) { table.SetChanged(false); });
    }
}

}  // namespace quarlo
