#pragma once

#include <QObject>

#include "SingleChild.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&Computation" menu: the analysis run, the project's text files in the text editor, and
// the elevation view of the pile in its soil layers.
class ComputationCommands : public QObject {
public:
    ComputationCommands(TMainForm& form, QMenuBar& menuBar);

    void CompRunClick();
    void CompInputClick();
    void CompKernelClick();
    void CompOutputClick();
    void ViewSoilLayerCoordinates1Click();
    // The menu opens: the active child stores its edits, then each text command is enabled
    // when its file exists.
    void ComputationMenuClick();

    // The elevation view, open at most once; the elevation-view work sets its factory.
    SingleChild& ElevationView() { return m_elevationView; }

private:
    QAction* item(const char* name) const;

    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    SingleChild m_elevationView{QStringLiteral("View Soil Layer Coordinates")};
};

}  // namespace quarlo
