#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

#include "GraphDefinitions.h"
#include "ProjectTables.h"

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QMenu;

namespace quarlo {

class ChildArea;
class ComputationCommands;
class DataCommands;
class FileCommands;
class GraphicsCommands;
class HelpCommands;
class MainToolBar;
class OptionCommands;
class TProgramData;
class WindowCommands;

// The program's main window: a document area for the child windows (tables, data windows,
// plots, elevation view), the menu bar and the tool bar. It owns the project's tables for the
// program's whole life and the current project, which it replaces on New and Open; windows
// that need the project are given it when they are made, and the main window closes them all
// before it replaces the project.
//
// The commands live in one group per menu (FileCommands, DataCommands, ...); each group builds
// its menu and carries out its commands through the operations below.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TProgramData& Project() const { return *m_project; }
    ProjectTables& Tables() { return m_tables; }
    ChildArea& Area() const { return *m_area; }

    // Replaces the project by the one `make` builds on the tables, after every child window
    // has closed (each stores its edits into the project that still exists). False, with the
    // project unchanged, when a child refused to close. The plots of the old project are gone.
    bool ReplaceProject(const std::function<std::unique_ptr<TProgramData>(ProjectTables&)>& make);

    // The active child stores its edits before a command acts on the project; false when it
    // refused an entry (the refusal has been shown).
    bool CommitActiveChild();
    bool CloseAllChildren();

    // The modified mark is the one the tables keep; the main window keeps none of its own.
    bool IsModified() const { return m_tables.IsModified(); }
    void SetModified(bool modified) { m_tables.SetModified(modified); }

    // The program the text commands open the project's files with; empty means the
    // desktop's own opener. Kept in the stored settings.
    QString& EditorPath() { return m_editorPath; }

    // Stores the text editor and the recent files in the user's settings.
    void UpdateRegistry();
    // The result graphs, kept for the program's whole life: a graph's window shows it as the
    // last window left it.
    GraphDefinitions& Graphs() { return m_graphs; }

    // The plots of the current project were read from its plot data file.
    bool PlotsLoaded() const { return m_plotsLoaded; }
    void SetPlotsLoaded(bool loaded);

    // Reads a plot data file into the result graphs (after Open, at start-up, after a run):
    // true when it was read without error, which PlotsLoaded then keeps; `showErrors` shows
    // a reading error in a box. The reader is GraphicsCommands::ReadPlotFile, into Graphs();
    // SetPlotFileLoader puts another in its place.
    using PlotFileLoader = std::function<bool(const QString& fileName, bool showErrors)>;
    void SetPlotFileLoader(PlotFileLoader loader) { m_plotFileLoader = std::move(loader); }
    bool LoadPlotFile(const QString& fileName, bool showErrors);

    // After a project was opened: its plots are read, without error messages, when its plot
    // data file exists; PlotsLoaded tells whether they were.
    void LoadProjectPlots();

    // Cleared when the user cancels a Save As or a save is refused; an analysis run sets it
    // before it saves and runs only while it stays set.
    bool SaveConfirmed() const { return m_saveConfirmed; }
    void SetSaveConfirmed(bool confirmed) { m_saveConfirmed = confirmed; }

    // The tool-bar buttons that depend on the curve source and on the plots.
    void CheckSpeedButtons();
    // The items of the Data and Options menus that depend on the curve source.
    void UpdateCurveMenus();
    // "QUARLO 2014.3.2 - " and the display name of the project file.
    void SetCaption();

    // Opens the project named by the first command-line argument, when there is one.
    void OpenStartupProject(const QStringList& arguments);

    FileCommands& Files() const { return *m_file; }
    DataCommands& Data() const { return *m_data; }
    OptionCommands& Options() const { return *m_options; }
    ComputationCommands& Computation() const { return *m_computation; }
    GraphicsCommands& Graphics() const { return *m_graphics; }
    WindowCommands& Windows() const { return *m_windows; }
    HelpCommands& Help() const { return *m_help; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Project files dragged from the desktop: the first dropped file is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolBar();
    // The active child's own menu stands in the menu bar after the File menu, and only while
    // that child is active.
    void MergeChildMenu();
    void installDataWindows();
    // The window may close: the active child stored its edits and no change is left unsaved.
    bool FormCloseQuery();
    // The window closes: every child window closes first (a data window stores its edits,
    // the text editor among them), then the settings are stored.
    bool FormClose();
    void readSettings();

    ProjectTables m_tables;
    std::unique_ptr<TProgramData> m_project;
    GraphDefinitions m_graphs;
    bool m_plotsLoaded = false;
    PlotFileLoader m_plotFileLoader;
    bool m_saveConfirmed = true;
    QPointer<QMenu> m_childMenu;
    QString m_editorPath;
    ChildArea* m_area = nullptr;
    MainToolBar* m_toolBar = nullptr;
    FileCommands* m_file = nullptr;
    DataCommands* m_data = nullptr;
    OptionCommands* m_options = nullptr;
    ComputationCommands* m_computation = nullptr;
    GraphicsCommands* m_graphics = nullptr;
    WindowCommands* m_windows = nullptr;
    HelpCommands* m_help = nullptr;
};

}  // namespace quarlo
