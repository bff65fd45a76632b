#include "RunBridge.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTemporaryDir>

#include <filesystem>

#include "AtomicFile.h"
#include "ChildArea.h"
#include "EDLLError.h"
#include "EInOutError.h"
#include "FileCommands.h"
#include "HandOffFile.h"
#include "Messages.h"
#include "ModelFileNames.h"
#include "ProgramData.h"
#include "ProjectFileNames.h"
#include "ReportViewer.h"
#include "RunMessages.h"
#include "RunSummaryContent.h"
#include "RunSummaryDialog.h"
#include "ScopedCurrentDirectory.h"
#include "ScopedNumericLocale.h"
#include "TDynamicLibrary.h"
#include "TMainForm.h"
#include "TextEditor.h"

namespace quarlo {

namespace {

// The hourglass for as long as the engine holds the program's only thread.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

RunBridge::RunBridge(TMainForm& form) : m_form(form) {}

QString RunBridge::LibraryFolder() const
{
    return m_libraryFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_libraryFolder;
}

std::string RunBridge::projectPath() const
{
    return ModelFileName(QFileInfo(WindowFileName(m_form.Project().FileName)).absoluteFilePath());
}

void RunBridge::CompRunClick()
{
    if (m_running) {
        ShowInformation(&m_form, QString::fromLatin1(kRunInProgress));
        return;
    }
    const QScopedValueRollback running(m_running, true);
    if (!saveProject())
        return;
    if (const std::optional<int> status = runEngine())
        finishRun(*status);
}

bool RunBridge::saveProject()
{
    m_form.SetSaveConfirmed(true);
    bool saved = false;
    try {
        saved = m_form.Files().Save();
    } catch (const std::exception& error) {
        // Running on would analyse the file as it was before the user's latest changes.
        ShowInformation(&m_form, WithReason(kSavingFailed, error.what()));
        return false;
    }
    // A cancelled Save As, or an entry a window refused (it has said so), ends the command.
    if (!saved || !m_form.SaveConfirmed() || m_form.Project().SaveNeedsSaveAs())
        return false;
    const std::string problem = EngineFileNameProblem(projectPath());
    if (!problem.empty()) {
        ShowInformation(&m_form, problem);
        return false;
    }
    return true;
}

std::optional<int> RunBridge::runEngine()
{
    const QString parent = m_workFolderParent.isEmpty() ? QDir::tempPath() : m_workFolderParent;
    QTemporaryDir work(QDir(parent).filePath(QStringLiteral("quarlo-run-XXXXXX")));
    if (!work.isValid()) {
        ShowInformation(&m_form, WithReason(kNamesFileFailed, work.errorString().toStdString()));
        return std::nullopt;
    }
    try {
        writeFileAtomically(ModelFileName(work.filePath(QString::fromLatin1(kNamesFileName))),
                            NamesFileText(QUARLO_VERSION, projectPath()));
    } catch (const EInOutError& error) {
        ShowInformation(&m_form, WithReason(kNamesFileFailed, error.what()));
        return std::nullopt;
    }
    TDynamicLibrary library;
    const EngineEntry entry = loadEngine(library);
    if (!entry || !removeEarlierOutputs())
        return std::nullopt;
    const int status = callEngine(entry, work.path());
    library.Unload();
    return status;
}

RunBridge::EngineEntry RunBridge::loadEngine(TDynamicLibrary& library)
{
    library.SetLibraryName(ModelFileName(QDir(LibraryFolder()).filePath(QString::fromLatin1(kLibraryFileName))));
    std::string reason;
    try {
        library.Load();
        if (void* entry = library.GetProc(kEntryName))
            return reinterpret_cast<EngineEntry>(entry);
        reason = "The library " + library.LibraryName() + " has no entry " + kEntryName;
    } catch (const EDLLError& error) {
        reason = std::string(error.what()) + ": " + error.Detail();
    }
    library.Unload();
    ShowInformation(&m_form, WithReason(kEngineNotLoaded, reason));
    return nullptr;
}

// Every output the engine writes replaces one of an earlier run; removed first, none that is
// left after the call can be taken for this run's, whatever status the run ends with.
bool RunBridge::removeEarlierOutputs()
{
    const std::string project = projectPath();
    for (const std::string& output : {ReportFileName(project), PlotFileName(project), RunNotesFileName(project)}) {
        QFile file(WindowFileName(output));
        if (file.exists() && !file.remove()) {
            ShowInformation(&m_form, StaleOutputMessage(output, file.errorString().toStdString()));
            return false;
        }
    }
    // The graphs held the earlier run's results, which are gone now.
    m_form.SetPlotsLoaded(false);
    return true;
}

int RunBridge::callEngine(EngineEntry entry, const QString& workFolder)
{
    const ScopedCurrentDirectory current(ModelFileName(workFolder),
                                         std::filesystem::path(projectPath()).parent_path());
    const ScopedNumericLocale numbers("C");
    const BusyCursor busy;
    return entry(kEngineRunRequest);
}

void RunBridge::finishRun(int status)
{
    // A run that stopped has written its plot data file only in part, if at all.
    const QString plotFile = WindowFileName(PlotFileName(projectPath()));
    m_form.SetPlotsLoaded(status == 0 && QFileInfo(plotFile).isFile() && m_form.LoadPlotFile(plotFile, true));
    m_form.CloseAllChildren();
    showSummary(status);
}

void RunBridge::showSummary(int status)
{
    const TProgramData& project = m_form.Project();
    const RunSummaryContent content = DescribeRun(ReadRunFacts(status, m_form.PlotsLoaded(), project));
    const QString report = WindowFileName(ReportFileName(projectPath()));
    RunSummaryDialog dialog(content, WindowFileName(DisplayName(project.FileName)), QFileInfo(report).isFile(),
                            &m_form);
    if (dialog.exec() == RunSummaryDialog::kOpenReport)
        openReport(report);
}

void RunBridge::openReport(const QString& report)
{
    if (!m_form.EditorPath().isEmpty()) {
        EditInTextEditor(&m_form, m_form.EditorPath(), report);
        return;
    }
    if (OpenInTextEditor(QString(), report))
        return;
    m_reportViewer.SetFactory([report] { return new ReportViewer(report); });
    ChildArea& area = m_form.Area();
    m_reportViewer.Show(area);
    // As much of the report as the document area can show, from its top left corner.
    if (QWidget* frame = m_reportViewer.Window() ? m_reportViewer.Window()->parentWidget() : nullptr)
        frame->setGeometry(QRect(QPoint(0, 0), frame->sizeHint().boundedTo(area.viewport()->size())));
}

}  // namespace quarlo
