#include "PlotMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include "PlotLegend.h"
#include "TGraphPlot.h"

namespace quarlo {

namespace {

// A legend text is the user's own; an ampersand in it is a character, not a mnemonic.
QString entryCaption(const std::string& legendText)
{
    return QString::fromStdString(legendText).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

PlotMenu::PlotMenu(QWidget& owner, PlotMenuCommands commands) : m_owner(owner), m_commands(std::move(commands))
{
    m_menu = new QMenu(QStringLiteral("&Plot"), &owner);
    m_menu->setObjectName(QStringLiteral("PlotMenu"));
    addFixedEntries();
    if (m_commands.PlotMenuClick)
        OnMenuOpening(*m_menu, &m_owner, m_commands.PlotMenuClick);
}

QAction* PlotMenu::addCommand(QMenu& menu, const char* name, const char* caption, const Command& command)
{
    QAction* action = AddMenuItem(menu, name, QString::fromLatin1(caption), &m_owner, command ? command : Command([] {}));
    // A window that offers no command for an entry shows it greyed rather than doing nothing.
    action->setEnabled(static_cast<bool>(command));
    return action;
}

QMenu* PlotMenu::addTagSubmenu(const char* name, const char* caption, const std::function<void(int)>& command,
                               std::initializer_list<TagEntry> entries)
{
    QMenu* submenu = AddSubmenu(*m_menu, name, QString::fromLatin1(caption));
    for (const TagEntry& entry : entries) {
        const int tag = entry.tag;
        const Command choose = command ? Command([command, tag] { command(tag); }) : Command();
        QAction* action = addCommand(*submenu, entry.name, entry.caption, choose);
        action->setData(tag);
    }
    return submenu;
}

void PlotMenu::addFixedEntries()
{
    QAction* legend = addCommand(*m_menu, "PlotLegend", "Show &Legend", m_commands.PlotLegendClick);
    legend->setCheckable(true);
    // No graph of this program has soil-layer or wall-geometry curves.
    addCommand(*m_menu, "PlotSoilLayer", "Show &Soil Layer", {})->setVisible(false);
    addCommand(*m_menu, "ShowWallGeometry", "Show &Wall Geometry", {})->setVisible(false);
    QMenu* markers = addTagSubmenu("PlotMarkers", "Show &Markers", m_commands.MarkClick,
                                   {{"Mark0", "&Never", 0},
                                    {"Mark1", "Every &Increment", 1},
                                    {"Mark2", "Every &2 Increments", 2},
                                    {"Mark3", "Every &3 Incrments", 3},
                                    {"Mark5", "Every &5 Increments", 5},
                                    {"Mark10", "Every &10 Incements", 10}});
    // Radio entries, of which none is checked while Markers has a value the menu does not offer.
    auto* spacing = new QActionGroup(markers);
    spacing->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* entry : markers->actions()) {
        entry->setCheckable(true);
        spacing->addAction(entry);
    }
    if (m_commands.PlotMarkersClick)
        OnMenuOpening(*markers, &m_owner, m_commands.PlotMarkersClick);
    addTagSubmenu("FontSize", "&Font Size", m_commands.SizeClick,
                  {{"DefaultSize", "&Default", 10},
                   {"Size15", "1.5 * Default", 15},
                   {"Size2", "2 * Default", 20},
                   {"Size25", "2.5 * Default", 25},
                   {"Size3", "3 * Default", 30},
                   {"Size4", "4 * Default", 40}});
    addTagSubmenu("LineWidth", "&Line Width", m_commands.WidthClick,
                  {{"DefaultWidth", "&Default", 1},
                   {"Width2", "2 * Default", 2},
                   {"Width4", "4 * Default", 4},
                   {"Width6", "6 * Default", 6},
                   {"Width10", "10 * Default", 10}});
    addCommand(*m_menu, "PlotCaption", "&Graph Title", m_commands.PlotCaptionClick);
    addCommand(*m_menu, "mLineName", "&Edit Legend", m_commands.mLineNameClick);
    addCommand(*m_menu, "ActiveGraphs", "&Active Curves", m_commands.ActiveGraphsClick);
    m_menu->addSeparator();
    addCommand(*m_menu, "PlotPrint", "&Print...", m_commands.PlotPrintClick);
    addCommand(*m_menu, "PlotPage", "P&age Setup", m_commands.PlotPageClick);
    addCommand(*m_menu, "PlotSave", "&Save To Disk...", m_commands.PlotSaveClick);
    addCommand(*m_menu, "PlotExportPdf", "Export P&DF...", m_commands.PlotExportPdfClick);
    m_menu->addSeparator();
}

QAction* PlotMenu::Entry(const QString& name) const
{
    return m_menu->findChild<QAction*>(name);
}

void PlotMenu::SetCurveEntries(const std::vector<LegendEntry>& entries)
{
    for (QAction* entry : m_curveEntries)
        delete entry;
    m_curveEntries.clear();
    for (const LegendEntry& entry : entries) {
        const int curve = entry.CurveIndex;
        const QByteArray name = "CurveEntry" + QByteArray::number(static_cast<qsizetype>(m_curveEntries.size()));
        const Command toggle =
            m_commands.CurveClick ? Command([this, curve] { m_commands.CurveClick(curve); }) : Command();
        QAction* action = addCommand(*m_menu, name.constData(), "", toggle);
        action->setText(entryCaption(entry.Text));
        action->setCheckable(true);
        action->setChecked(entry.Shown);
        action->setData(curve);
        m_curveEntries.push_back(action);
    }
}

void PlotMenu::CheckMarkers(int markers)
{
    auto* submenu = m_menu->findChild<QMenu*>(QStringLiteral("PlotMarkers"));
    for (QAction* entry : submenu->actions())
        entry->setChecked(entry->data().toInt() == markers);
}

void PlotMenu::Refresh(const TGraphPlot& plot, const std::vector<LegendEntry>& entries)
{
    QAction* legend = Entry(QStringLiteral("PlotLegend"));
    legend->setChecked(plot.ShowLegend);
    legend->setVisible(ShowLegendOffered(entries));
    Entry(QStringLiteral("PlotSoilLayer"))->setVisible(false);
    Entry(QStringLiteral("ShowWallGeometry"))->setVisible(false);
    Entry(QStringLiteral("FontSize"))->setVisible(plot.ShowFontWidth);
    Entry(QStringLiteral("LineWidth"))->setVisible(plot.ShowFontWidth);
    for (QAction* entry : m_curveEntries) {
        const int curve = entry->data().toInt();
        entry->setChecked(curve >= 0 && curve < plot.CurveCount() && plot.Curve(curve).Shown);
    }
}

}  // namespace quarlo
