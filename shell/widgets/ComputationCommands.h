#pragma once

#include <QObject>

#include <string>

#include "RunBridge.h"
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

    // Saves the project, runs the engine on it and shows what the run gave.
    void CompRunClick();
    // The project data file, the run notes (".qv3r") and the report (".qv3o") in the text
    // editor the user chose (Options), or the desktop's program for them.
    void CompInputClick();
    void CompKernelClick();
    void CompOutputClick();
    void ViewSoilLayerCoordinates1Click();
    // The menu opens: the active child stores its edits, then each text command is enabled
    // when its file exists.
    void ComputationMenuClick();

    // The elevation view, open at most once; the elevation-view work sets its factory.
    SingleChild& ElevationView() { return m_elevationView; }
    RunBridge& Run() { return m_run; }

private:
    QAction* item(const char* name) const;
    void editFile(const std::string& fileName);

    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    SingleChild m_elevationView{QStringLiteral("View Soil Layer Coordinates")};
    RunBridge m_run;
};

}  // namespace quarlo
