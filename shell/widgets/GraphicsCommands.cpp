#include "GraphicsCommands.h"

#include <QAction>
#include <QMenu>

#include "CommandRules.h"
#include "MenuItems.h"
#include "NotAvailable.h"
#include "ProgramData.h"
#include "TMainForm.h"

namespace quarlo {

GraphicsCommands::GraphicsCommands(TMainForm& form, QMenuBar& menuBar) : QObject(&form), m_form(form)
{
    m_menu = AddMenu(menuBar, "GraphicsMenu", QStringLiteral("&Graphics"));
    QMenu& menu = *m_menu;
    QWidget* boxes = &form;
    AddMenuItem(menu, "mLoad", QStringLiteral("Load &Distribution"), boxes, [this] { mLoadClick(); });
    AddMenuItem(menu, "mAxial", QStringLiteral("&Axial Load vs Settlement"), boxes, [this] { mAxialClick(); });
    AddMenuItem(menu, "mtzcurves", QStringLiteral("t-&z Curves (side friction)"), boxes,
                [this] { mtzcurvesClick(); });
    AddMenuItem(menu, "mTip", QStringLiteral("Q-&w Curve (tip resistance)"), boxes, [this] { mTipClick(); });
    menu.addSeparator();
    AddMenuItem(menu, "ExportExcel", QStringLiteral("Export Plots to Excel"), boxes, [this] { ExportExcelClick(); });
    OnMenuOpening(menu, boxes, [this] { GraphicsMenuClick(); });
}

void GraphicsCommands::mLoadClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Load Distribution"));
}

void GraphicsCommands::mAxialClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Axial Load vs Settlement"));
}

void GraphicsCommands::mtzcurvesClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("t-z Curves (side friction)"));
}

void GraphicsCommands::mTipClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Q-w Curve (tip resistance)"));
}

void GraphicsCommands::ExportExcelClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Export Plots to Excel"));
}

void GraphicsCommands::GraphicsMenuClick()
{
    const bool enabled = PlotCommandsEnabled(m_form.PlotsLoaded(), m_form.Project().FileName);
    for (QAction* action : m_menu->actions())
        action->setEnabled(enabled);
}

}  // namespace quarlo
