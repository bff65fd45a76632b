#include "TMainForm.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "ApplicationSetup.h"
#include "ChildArea.h"
#include "ChildWindow.h"
#include "CommandRules.h"
#include "ComputationCommands.h"
#include "DataCommands.h"
#include "FileCommands.h"
#include "GraphicsCommands.h"
#include "HelpCommands.h"
#include "MainToolBar.h"
#include "Messages.h"
#include "ModelFileNames.h"
#include "OptionCommands.h"
#include "ProgramData.h"
#include "ProgramSettings.h"
#include "ProgramTitles.h"
#include "ProjectFileNames.h"
#include "TDlgOptions.h"
#include "TDlgSideView.h"
#include "TableFileViewer.h"
#include "TableWindows.h"
#include "TextEditor.h"
#include "TdlgTitle.h"
#include "TfrmMaterial.h"
#include "TfrmQwFactors.h"
#include "WindowCommands.h"

namespace quarlo {

namespace {

// The local files among what is dragged over the window, in the order given.
QStringList droppedFiles(const QMimeData& data)
{
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), m_project(std::make_unique<TProgramData>(m_tables))
{
    LoadProgramPictures();
    setObjectName(QStringLiteral("TMainForm"));
    m_area = new ChildArea(this);
    m_area->setObjectName(QStringLiteral("ChildArea"));
    setCentralWidget(m_area);
    InstallTableWindows(m_area);

    QMenuBar& bar = *menuBar();
    m_file = new FileCommands(*this, bar);
    m_data = new DataCommands(*this, bar);
    m_options = new OptionCommands(*this, bar);
    m_computation = new ComputationCommands(*this, bar);
    m_graphics = new GraphicsCommands(*this, bar);
    m_windows = new WindowCommands(*this, bar);
    m_help = new HelpCommands(*this, bar);
    buildToolBar();
    readSettings();
    setAcceptDrops(true);
    installDataWindows();
    SetPlotFileLoader([this](const QString& fileName, bool showErrors) {
        return m_graphics->ReadPlotFile(fileName, showErrors);
    });
    connect(m_area, &QMdiArea::subWindowActivated, this, &TMainForm::MergeChildMenu);

    resize(675, 455);
    SetCaption();
    UpdateCurveMenus();
    CheckSpeedButtons();
}

TMainForm::~TMainForm()
{
    // Table windows belong to their tables, which close them their own way; the other children
    // go with the document area while the project they show still exists.
    m_tables.CloseForms();
    disconnect(m_area, nullptr, this, nullptr);
    delete m_area;
}

void TMainForm::buildToolBar()
{
    m_toolBar = new MainToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    FileCommands& file = *m_file;
    ComputationCommands& computation = *m_computation;
    GraphicsCommands& graphics = *m_graphics;
    m_toolBar->AddButton("SpeedButton2", QStringLiteral("New File"), "new", [&file] { file.FileNewClick(); });
    m_toolBar->AddButton("SpeedButton1", QStringLiteral("Open File"), "open", [&file] { file.FileOpenClick(); });
    m_toolBar->AddButton("SpeedButton3", QStringLiteral("Save File"), "save", [&file] { file.FileSaveClick(); });
    m_toolBar->AddButton("SpeedButton4", QStringLiteral("Run Analysis"), "run",
                         [&computation] { computation.CompRunClick(); });
    m_toolBar->AddButton("SpeedButton7", QStringLiteral("Soil-Layer Data"), "soil-layers",
                         [this] { m_data->SoilLayerCoordinates1Click(); });
    m_toolBar->AddButton("SpeedButton5", QStringLiteral("Edit Output Text"), "edit-output",
                         [&computation] { computation.CompOutputClick(); });
    m_toolBar->AddButton("SpeedButton6", QStringLiteral("View Soil Profile"), "soil-profile",
                         [&computation] { computation.ViewSoilLayerCoordinates1Click(); });
    m_toolBar->AddButton("SpeedButton8", QStringLiteral("View Combined Plot"), "plot-load",
                         [&graphics] { graphics.mLoadClick(); });
    m_toolBar->AddButton("SpeedButton9", QStringLiteral("View t-z Curves"), "plot-tz",
                         [&graphics] { graphics.mtzcurvesClick(); });
    m_toolBar->AddButton("SpeedButton10", QStringLiteral("View Load vs Settlement"), "plot-settlement",
                         [&graphics] { graphics.mAxialClick(); });
}

// The windows are made on the project current when their command is chosen: every child
// closes before the project is replaced, so none outlives the project it edits.
void TMainForm::installDataWindows()
{
    m_data->TitleWindow().SetFactory([this] { return new TdlgTitle(Project()); });
    m_data->MaterialWindow().SetFactory([this] { return new TfrmMaterial(Project()); });
    m_data->QwFactorsWindow().SetFactory([this] { return new TfrmQwFactors(Project()); });
    m_options->TextEditorWindow().SetFactory([this] { return new TDlgOptions(EditorPath()); });
    m_computation->ElevationView().SetFactory([this] { return new TDlgSideView(Project()); });
    // View/Edit of an import file in a table window uses the same text editor as the reports.
    SetTableFileViewer([this](const QString& file) { return OpenInTextEditor(m_editorPath, file); });
}

bool TMainForm::ReplaceProject(const std::function<std::unique_ptr<TProgramData>(ProjectTables&)>& make)
{
    if (!CloseAllChildren())
        return false;
    std::unique_ptr<TProgramData> next = make(m_tables);
    m_project = std::move(next);
    m_plotsLoaded = false;
    SetCaption();
    UpdateCurveMenus();
    CheckSpeedButtons();
    return true;
}

bool TMainForm::CommitActiveChild()
{
    return m_area->CommitActiveChild();
}

bool TMainForm::CloseAllChildren()
{
    return m_area->CloseAllChildren();
}

void TMainForm::readSettings()
{
    const ProgramSettings settings = ReadProgramSettings();
    m_editorPath = settings.editorPath;
    m_file->SetRecent(settings.recentFiles);
}

void TMainForm::UpdateRegistry()
{
    WriteProgramSettings(m_editorPath, m_file->Recent());
}

void TMainForm::SetPlotsLoaded(bool loaded)
{
    m_plotsLoaded = loaded;
    CheckSpeedButtons();
}

bool TMainForm::LoadPlotFile(const QString& fileName, bool showErrors)
{
    const bool loaded = m_plotFileLoader && m_plotFileLoader(fileName, showErrors);
    SetPlotsLoaded(loaded);
    return loaded;
}

void TMainForm::LoadProjectPlots()
{
    const QString plotFile = WindowFileName(PlotFileName(m_project->FileName));
    SetPlotsLoaded(QFileInfo(plotFile).isFile() && LoadPlotFile(plotFile, false));
}

void TMainForm::MergeChildMenu()
{
    ChildWindow* child = ChildArea::ChildOf(m_area->activeSubWindow());
    QMenu* menu = child ? child->ChildMenu() : nullptr;
    if (menu == m_childMenu)
        return;
    if (m_childMenu)
        menuBar()->removeAction(m_childMenu->menuAction());
    m_childMenu = menu;
    if (!menu)
        return;
    const QList<QAction*> menus = menuBar()->actions();
    QMenu* file = menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"), Qt::FindDirectChildrenOnly);
    const qsizetype afterFile = file ? menus.indexOf(file->menuAction()) + 1 : 0;
    if (afterFile < menus.size())
        menuBar()->insertMenu(menus[afterFile], menu);
    else
        menuBar()->addMenu(menu);
}

void TMainForm::CheckSpeedButtons()
{
    m_toolBar->CheckSpeedButtons(SoilLayersEnabled(*m_project),
                                 PlotCommandsEnabled(m_plotsLoaded, m_project->FileName));
}

void TMainForm::UpdateCurveMenus()
{
    m_data->UpdateCurveMenus();
    m_options->UpdateCurveMenus();
}

void TMainForm::SetCaption()
{
    setWindowTitle(QString::fromStdString(MainCaption(m_project->FileName)));
}

void TMainForm::OpenStartupProject(const QStringList& arguments)
{
    RunGuarded(this, [&] { m_file->OpenStartupProject(arguments); });
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool closing = false;
    RunGuarded(this, [&] { closing = FormCloseQuery() && FormClose(); });
    if (closing)
        event->accept();
    else
        event->ignore();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const QStringList files = droppedFiles(*event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // The drop is over before the save question can come: the program the files came from
    // waits for the answer to the drop, not for the user.
    QMetaObject::invokeMethod(
        this, [this, files] { RunGuarded(this, [&] { m_file->FilesDropped(files); }); }, Qt::QueuedConnection);
}

bool TMainForm::FormCloseQuery()
{
    // The question has the active child store its edits first.
    return m_file->QuerySaveChanges();
}

bool TMainForm::FormClose()
{
    const bool closed = CloseAllChildren();
    UpdateRegistry();
    return closed;
}

}  // namespace quarlo
