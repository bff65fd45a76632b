#pragma once

#include <vector>

#include "SystemTables.h"

namespace quarlo {

// The data tables of the program together with the project's modified mark. The main window
// holds one of these for its whole life: a new or opened project resets and fills the same
// tables rather than making new ones, so open table windows and template look-ups keep
// working across project replacement.
//
// The tables register in a process-wide registry by Identifier, so only one ProjectTables
// may exist at a time.
class ProjectTables {
public:
    ProjectTables() = default;
    ProjectTables(const ProjectTables&) = delete;
    ProjectTables& operator=(const ProjectTables&) = delete;

    TGridTableChart& D2() const { return m_tables.D2(); }
    TGridTableChart& tblDataClay2() const { return m_tables.tblDataClay2(); }
    TGridTableChart& tblDataSand2() const { return m_tables.tblDataSand2(); }
    TGridTableChart& TblTZDepth2() const { return m_tables.TblTZDepth2(); }
    TGridTableChart& TblTZCurves2() const { return m_tables.TblTZCurves2(); }
    TGridTableChart& TblQwcurve2() const { return m_tables.TblQwcurve2(); }
    TGridTableChart& TblSettlement2() const { return m_tables.TblSettlement2(); }
    TGridTableChart& TblTZFactors2() const { return m_tables.TblTZFactors2(); }
    TGridTableChart& TblAE2() const { return m_tables.TblAE2(); }
    TGridTable& TblTipMove() const { return m_tables.TblTipMove(); }
    TGridTable& TblTopload() const { return m_tables.TblTopload(); }

    // Every table loses its rows and gets MinRows rows of column defaults.
    void ResetToMinRows();
    // Every table to 0 rows, before a project file fills them.
    void ClearRows();
    // Tables left with fewer than MinRows rows (a short or broken file) get default rows up to
    // MinRows, so every window and the next save see complete tables.
    void PadToMinRows();
    // Converts every table, templates and sub-tables included, to unit system `code`.
    void SetUnits(int code);
    // Closes every table window, sub-table windows included, so edits are stored first.
    void CloseForms();

    // The project has changes not yet saved: the mark set by the data windows or a change in
    // any table.
    bool IsModified() const;
    // False also clears the changed marks of all tables (after a save or a read).
    void SetModified(bool modified);

private:
    template <class F>
    void forEachTable(F&& action) const;

    SystemTables m_tables;
    bool m_modified = false;
};

}  // namespace quarlo
