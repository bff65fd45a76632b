#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "MenuItems.h"
#include "PlotCurves.h"

class QAction;
class QMenu;
class QWidget;

namespace quarlo {

// What the entries of a plot window's menu do. An entry whose command is left empty is shown
// disabled.
struct PlotMenuCommands {
    Command PlotMenuClick;      // the menu is about to drop down
    Command PlotLegendClick;    // "Show Legend"
    std::function<void(int curveIndex)> CurveClick;
    Command PlotMarkersClick;   // the markers submenu is about to drop down
    std::function<void(int tag)> MarkClick;
    std::function<void(int tag)> SizeClick;
    std::function<void(int tag)> WidthClick;
    Command PlotCaptionClick;
    Command mLineNameClick;
    Command ActiveGraphsClick;
    Command PlotPrintClick;
    Command PlotPageClick;
    Command PlotSaveClick;
    Command PlotExportPdfClick;
};

// The "&Plot" menu of a plot window: fifteen fixed entries (the legend, the soil layer and
// wall geometry never shown by this program's graphs, the markers, font size and line width
// submenus, graph title, legend editor, active curves, print, page setup, save to disk,
// export to PDF) and then one entry per active curve, checked while the curve is shown. Entries are named as
// their commands (PlotLegend, PlotMarkers, Mark0, ...; the curve entries CurveEntry0, ...),
// so that later work and tests find them.
class PlotMenu {
public:
    // The menu belongs to `owner`, which also parents its message boxes.
    PlotMenu(QWidget& owner, PlotMenuCommands commands);

    QMenu* Menu() const { return m_menu; }
    QAction* Entry(const QString& name) const;

    // One curve entry per legend entry, in their order, tagged with the curve's index.
    void SetCurveEntries(const std::vector<LegendEntry>& entries);
    const std::vector<QAction*>& CurveEntries() const { return m_curveEntries; }

    // The menu as it drops down: Show Legend checked as the plot's ShowLegend and offered
    // while there is a legend to show, the soil layer and wall geometry hidden, Font Size
    // and Line Width offered as the plot says, each curve entry checked as its curve.
    void Refresh(const TGraphPlot& plot, const std::vector<LegendEntry>& entries);

    // The markers submenu as it drops down: the entry whose tag is `markers` checked, none
    // when no entry has that tag.
    void CheckMarkers(int markers);

private:
    void addFixedEntries();
    // A submenu entry that passes its tag (the value the command stores) to the command.
    struct TagEntry {
        const char* name;
        const char* caption;
        int tag;
    };
    QMenu* addTagSubmenu(const char* name, const char* caption, const std::function<void(int)>& command,
                         std::initializer_list<TagEntry> entries);
    QAction* addCommand(QMenu& menu, const char* name, const char* caption, const Command& command);

    QWidget& m_owner;
    PlotMenuCommands m_commands;
    QMenu* m_menu = nullptr;
    std::vector<QAction*> m_curveEntries;
};

}  // namespace quarlo
