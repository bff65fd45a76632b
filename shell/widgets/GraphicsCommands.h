#pragma once

#include <QObject>
#include <QString>

#include "SingleChild.h"

class QMenu;
class QMenuBar;

namespace quarlo {

class TGraphPlot;
class TMainForm;

// The "&Graphics" menu: the four result graphs, each in its own plot window, and the export of
// the graphs to a workbook. Each graph's window is open at most once; closing it destroys it,
// and the next one opens on the graph as the last one left it.
class GraphicsCommands : public QObject {
public:
    GraphicsCommands(TMainForm& form, QMenuBar& menuBar);

    void mLoadClick();
    void mAxialClick();
    void mtzcurvesClick();
    void mTipClick();
    void ExportExcelClick();
    // The menu opens: every item, and the plot buttons of the tool bar, are enabled exactly
    // when the plots are loaded and the plot data file is still there.
    void GraphicsMenuClick();

    // Reads the plot data file `fileName` into the main window's graphs; true when all of it
    // was read. A reading error is shown only with `showErrors`; what was read up to it stays
    // in the graphs. For a run with down-drag, the load distribution marks each tip
    // movement's neutral plane, found with the current project's settlement profile.
    bool ReadPlotFile(const QString& fileName, bool showErrors);

    // The open window of a graph, none when it has none.
    QWidget* PlotWindow(const TGraphPlot& plot) const;

private:
    // A graph, the name its window goes by, and the window while it is open.
    struct GraphWindow {
        TGraphPlot* plot;
        QString name;
        SingleChild window;
    };
    void showPlot(GraphWindow& graph);

    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    GraphWindow m_load;
    GraphWindow m_axial;
    GraphWindow m_tzCurves;
    GraphWindow m_tip;
};

}  // namespace quarlo
