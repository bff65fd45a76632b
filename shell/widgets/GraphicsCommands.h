#pragma once

#include <QObject>

class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&Graphics" menu: the four result graphs, each in its own plot window, and the export of
// the graphs to a workbook.
class GraphicsCommands : public QObject {
public:
    GraphicsCommands(TMainForm& form, QMenuBar& menuBar);

    void mLoadClick();
    void mAxialClick();
    void mtzcurvesClick();
    void mTipClick();
    void ExportExcelClick();
    // The menu opens: every item is enabled exactly when the plots are loaded and the plot
    // data file is still there.
    void GraphicsMenuClick();

private:
    TMainForm& m_form;
    QMenu* m_menu = nullptr;
};

}  // namespace quarlo
