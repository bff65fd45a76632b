#include "GraphicsCommands.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include "CommandRules.h"
#include "LoadPlotFile.h"
#include "MenuItems.h"
#include "ModelFileNames.h"
#include "Messages.h"
#include "ProgramData.h"
#include "TDlgExport.h"
#include "TMainForm.h"
#include "TPlotForm.h"

namespace quarlo {

namespace {

// The loader's message, and below it where in the file the reading stopped.
QString readingError(const PlotLoadResult& result)
{
    QString text = QString::fromStdString(result.Message);
    if (!result.Detail.empty())
        text += QStringLiteral("\n\n") + QString::fromStdString(result.Detail);
    return text;
}

}  // namespace

GraphicsCommands::GraphicsCommands(TMainForm& form, QMenuBar& menuBar)
    : QObject(&form),
      m_form(form),
      m_load{&form.Graphs().pltLoad, QStringLiteral("pltLoad"), SingleChild(QStringLiteral("Load Distribution"))},
      m_axial{&form.Graphs().pltAxial, QStringLiteral("pltAxial"),
              SingleChild(QStringLiteral("Axial Load vs Settlement"))},
      m_tzCurves{&form.Graphs().pltTZcurves, QStringLiteral("pltTZcurves"), SingleChild(QStringLiteral("t-z Curves"))},
      m_tip{&form.Graphs().PltQW, QStringLiteral("PltQW"), SingleChild(QStringLiteral("Q-w Curve"))}
{
    for (GraphWindow* graph : {&m_load, &m_axial, &m_tzCurves, &m_tip}) {
        graph->window.SetFactory([this, graph] {
            auto* window = new TPlotForm(*graph->plot, graph->name);
            // Printouts and pictures are proposed beside the project, named after it.
            window->SetProjectFileName([this] { return m_form.Project().FileName; });
            return window;
        });
    }

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

void GraphicsCommands::showPlot(GraphWindow& graph)
{
    graph.window.Show(m_form.Area());
}

void GraphicsCommands::mLoadClick()
{
    showPlot(m_load);
}

void GraphicsCommands::mAxialClick()
{
    showPlot(m_axial);
}

void GraphicsCommands::mtzcurvesClick()
{
    showPlot(m_tzCurves);
}

void GraphicsCommands::mTipClick()
{
    showPlot(m_tip);
}

void GraphicsCommands::ExportExcelClick()
{
    TDlgExport dialog(m_form.Graphs(), m_form.PlotsLoaded(), WindowFileName(m_form.Project().FileName), &m_form);
    dialog.exec();
}

void GraphicsCommands::GraphicsMenuClick()
{
    const bool enabled = PlotCommandsEnabled(m_form.PlotsLoaded(), m_form.Project().FileName);
    for (QAction* action : m_menu->actions())
        action->setEnabled(enabled);
    // The plot data file may have gone since the buttons were last set.
    m_form.CheckSpeedButtons();
}

bool GraphicsCommands::ReadPlotFile(const QString& fileName, bool showErrors)
{
    // With the project, a run with down-drag gets its neutral planes marked.
    const PlotLoadResult result =
        LoadPlotFile(m_form.Graphs(), QFile::encodeName(fileName).toStdString(), m_form.Project());
    if (!result.Loaded && showErrors)
        ShowInformation(&m_form, readingError(result));
    return result.Loaded;
}

QWidget* GraphicsCommands::PlotWindow(const TGraphPlot& plot) const
{
    for (const GraphWindow* graph : {&m_load, &m_axial, &m_tzCurves, &m_tip}) {
        if (graph->plot == &plot)
            return graph->window.Window();
    }
    return nullptr;
}

}  // namespace quarlo
